#include "installer/platform/desktop_entry.h"
#include "installer/platform/system_platform.h"
#include "rig.h"
#include "window_rig.h"

#include "installer/core/start_up.h"
#include "installer/ui/wizard.h"
#include "installer/uninstaller/uninstall_dialog.h"
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

// The installer and the uninstaller under an English desktop: each window reads in English and
// shows its texts whole, and what the run writes is what the French run writes, but for the help
// shortcut's target and the names the menu shows.
class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        WizardRig french;
        french.click("cmdInstall", 3);
        french.click("cmdFinish");
        m_frenchFiles = french.files();
        QVERIFY(m_frenchFiles.size() > 4);
        QVERIFY(qm::installTranslations(QStringLiteral("install"), QStringLiteral("en")));
    }

    void wizard()
    {
        WizardRig run;
        run.state.helpFile = helpFileFor(QStringLiteral("en"));
        QCOMPARE(run.window()->windowTitle(), "Quillmere - installation");
        QCOMPARE(run.text("cmdInstall"), "Next >");
        QCOMPARE(run.text("cmdCancel"), "Cancel");
        // A text of each window before the run, none of its texts cut off; then on to the next.
        for (const auto &[name, text] : { std::pair { "Label1", "This wizard will install" },
                 { "Label5", "Installation folder:" }, { "chkDesktop", " on the desktop" } }) {
            QVERIFY(QTest::qWaitForWindowExposed(run.window()));
            QCOMPARE(run.text(name), text);
            QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());
            run.click("cmdInstall");
        }
        QCOMPARE(run.window()->objectName(), "frmLog");
        const QString log
            = qm::test::findWidget<QPlainTextEdit>(run.window(), "txtLog")->toPlainText();
        QVERIFY2(
            log.startsWith("\n\nChecking the files needed...  done\n\nCreating the folders..."),
            qPrintable(log));
        QVERIFY2(log.endsWith("\n\nINSTALLATION COMPLETE"), qPrintable(log));
        QCOMPARE(run.text("cmdFinish"), "Next >");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());

        run.click("cmdFinish");
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(run.text("Label1"), "Installation complete!");
        QCOMPARE(run.text("cmdFinish"), "Close");
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());
        // The help shortcut alone follows the language, to the English edition of the help.
        QMap<QString, QByteArray> expected = m_frenchFiles;
        const QString help = QStringLiteral("home/Programs/Quillmere/Aide.lnk");
        QVERIFY(expected.value(help).endsWith("/Quillmere.pdf"));
        expected[help].replace("/Quillmere.pdf", "/Quillmere-en.pdf");
        QCOMPARE(run.files(), expected);
    }

    // The menu entries speak English; their files keep the names the uninstaller looks for.
    void menuEntries_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QByteArray>("names");
        QTest::newRow("program") << "Quillmere.lnk"
                                 << QByteArray("Name=Quillmere\nComment=Keep a journal of the "
                                               "time spent on each activity\n");
        QTest::newRow("help") << "Aide.lnk"
                              << QByteArray("Name=Help\nComment=Read the Quillmere help\n");
        QTest::newRow("uninstaller")
            << "Uninstall.lnk" << QByteArray("Name=Uninstall\nComment=Uninstall Quillmere\n");
    }
    void menuEntries()
    {
        QFETCH(QString, link);
        QFETCH(QByteArray, names);
        const Shortcut shortcut { "/menu/" + link, QStringLiteral("/opt/Quillmere/Quillmere"),
            QStringLiteral("/opt/Quillmere"), 4, QString() };
        const QByteArray entry = formatDesktopEntry(shortcut, true, QStringLiteral("quillmere"));
        QVERIFY2(entry.contains("\n" + names), entry.constData());
    }

    void failedRun()
    {
        WizardRig run;
        QFile::remove(run.platform.source() + QStringLiteral("/QM3.dat"));
        run.click("cmdInstall", 3);
        QCOMPARE(run.questions.errors,
            QStringList { "Error|    Some files are missing - see the log    " });
        QVERIFY(qm::test::findWidget<QPlainTextEdit>(run.window(), "txtLog")
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
        UninstallDialog window(platform, plan, questions);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), "Quillmere - uninstall");
        QCOMPARE(qm::test::findWidget<QPushButton>(&window, "cmdUninstall")->text(), "Uninstall");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

private:
    QMap<QString, QByteArray> m_frenchFiles;
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
