#include "installer/platform/system_platform.h"
#include "rig.h"

#include "installer/core/start_up.h"
#include "installer/ui/wizard.h"
#include "installer/uninstaller/frm_uninstall.h"
#include "language/ui_language.h"
#include "tests/support/clipping.h"
#include "tests/support/widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace qm::install;
using namespace qm::install::test;
using qm::test::findWidget;

namespace {

// The installer's files, the same whatever the language: the temporary root the fake platform
// works in is taken out of them, so that two runs can be compared.
using Files = QMap<QString, QByteArray>;

struct Installation
{
    Installation()
        : state(prepareInstallState(platform, platform.programFiles()))
        , wizard(platform, questions, state, { QStringLiteral("/") })
    {
        platform.writePayload();
        wizard.start();
    }

    QWidget *window() const { return wizard.currentWindow(); }
    void next(const char *button) const
    {
        QTest::mouseClick(
            findWidget<QPushButton>(window(), QString::fromLatin1(button)), Qt::LeftButton);
    }
    QString text(const char *name) const
    {
        QObject *widget = findWidget<QWidget>(window(), QString::fromLatin1(name));
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        return qobject_cast<QAbstractButton *>(widget)->text().remove(u'&');
    }
    Files files() const
    {
        Files files;
        const Files all = snapshot(platform.root.path());
        for (auto it = all.begin(); it != all.end(); ++it)
            files[it.key()]
                = QByteArray(it.value()).replace(platform.root.path().toUtf8(), "<root>");
        return files;
    }
    void runToTheEnd() const
    {
        for (const char *button : { "cmdInstall", "cmdInstall", "cmdInstall", "cmdFinish" })
            next(button);
    }

    FakePlatform platform;
    AnsweringQuestions questions;
    InstallState state;
    Wizard wizard;
};

} // namespace

// The installer and the uninstaller under an English desktop: each window reads in English and
// shows its texts whole, and what the run writes is what the French run writes, but for the help
// shortcut.
class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Installation french;
        french.runToTheEnd();
        m_frenchFiles = french.files();
        QVERIFY(m_frenchFiles.size() > 4);
        QVERIFY(qm::installTranslations(QStringLiteral("install"), QStringLiteral("en")));
    }

    void wizard()
    {
        Installation run;
        run.state.helpFile = helpFileFor(QStringLiteral("en"));
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(run.window()->windowTitle(), "Quillmere - installation");
        QCOMPARE(run.text("Label1"), "This wizard will install");
        QCOMPARE(run.text("cmdInstall"), "Next >");
        QCOMPARE(run.text("cmdCancel"), "Cancel");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());

        run.next("cmdInstall");
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(run.text("Label5"), "Installation folder:");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());

        run.next("cmdInstall");
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(run.text("chkDesktop"), " on the desktop");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());

        run.next("cmdInstall");
        QCOMPARE(run.window()->objectName(), "frmLog");
        const QString log = findWidget<QPlainTextEdit>(run.window(), "txtLog")->toPlainText();
        QVERIFY2(
            log.startsWith("\n\nChecking the files needed...  done\n\nCreating the folders..."),
            qPrintable(log));
        QVERIFY2(log.endsWith("\n\nINSTALLATION COMPLETE"), qPrintable(log));
        QCOMPARE(run.text("cmdFinish"), "Next >");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());

        run.next("cmdFinish");
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(run.text("Label1"), "Installation complete!");
        QCOMPARE(run.text("cmdFinish"), "Close");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());
        // The help shortcut alone follows the language, to the English edition of the help.
        Files expected = m_frenchFiles;
        const QString help = QStringLiteral("home/Programs/Quillmere/Aide.lnk");
        QVERIFY(expected.value(help).endsWith("/Quillmere.pdf"));
        expected[help].replace("/Quillmere.pdf", "/Quillmere-en.pdf");
        QCOMPARE(run.files(), expected);
    }

    void failedRun()
    {
        Installation run;
        QFile::remove(run.platform.source() + QStringLiteral("/QM3.dat"));
        for (const char *button : { "cmdInstall", "cmdInstall", "cmdInstall" })
            run.next(button);
        QCOMPARE(run.questions.errors,
            QStringList { "Error|    Some files are missing - see the log    " });
        QVERIFY(findWidget<QPlainTextEdit>(run.window(), "txtLog")
                    ->toPlainText()
                    .contains("\n  ERROR: QM3.dat is missing"));
        QCOMPARE(run.text("cmdFinish"), "Close");
    }

    void uninstaller()
    {
        UninstallPlan plan;
        plan.installFolder = QStringLiteral("/opt/Quillmere");
        plan.programFiles = { QStringLiteral("/opt/Quillmere/Quillmere") };
        plan.userFiles = { QStringLiteral("/opt/Quillmere/Quillmere.log") };
        AnsweringQuestions questions;
        SystemPlatform platform;
        frmUninstall window(platform, plan, questions);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), "Quillmere - uninstall");
        QCOMPARE(findWidget<QPushButton>(&window, "cmdUninstall")->text(), "Uninstall");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

private:
    Files m_frenchFiles;
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
