#include "window_rig.h"

#include "installer/uninstaller/uninstall_dialog.h"
#include "language/ui_language.h"
#include "tests/support/clipping.h"
#include "tests/support/widgets.h"

using namespace qm::install;
using namespace qm::install::test;

// The installer and the uninstaller under an English desktop: each window shows its texts whole,
// and what the run writes is what the French run writes, but for the help shortcut's target and
// the names the menu shows.
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
        QVERIFY(qm::installTranslations(QStringLiteral("install"), QStringLiteral("en")));
    }

    void wizard()
    {
        WizardRig run;
        run.state.helpFile = helpFileFor(QStringLiteral("en"));
        QCOMPARE(run.text("cmdInstall"), "Next >");
        // Every window in turn, the log and the end window included, none of its texts cut off.
        for (int step = 0; step < 5; ++step) {
            if (step > 0)
                run.click(step < 4 ? "cmdInstall" : "cmdFinish");
            QVERIFY(QTest::qWaitForWindowExposed(run.window()));
            QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());
        }
        QCOMPARE(run.window()->objectName(), "frmEnd");
        // The help shortcut alone follows the language, to the English edition of the help.
        QMap<QString, QByteArray> expected = m_frenchFiles;
        const QString help = QStringLiteral("home/Programs/Quillmere/Aide.lnk");
        QVERIFY(expected.value(help).endsWith("/Quillmere.pdf"));
        expected[help].replace("/Quillmere.pdf", "/Quillmere-en.pdf");
        QCOMPARE(run.files(), expected);
    }

    void failedRun()
    {
        WizardRig run;
        QFile::remove(run.platform.source() + QStringLiteral("/QM3.dat"));
        run.click("cmdInstall", 3);
        QCOMPARE(run.text("cmdFinish"), "Close");
        QVERIFY(QTest::qWaitForWindowExposed(run.window()));
        QCOMPARE(qm::test::clippedTexts(run.window()), QStringList());
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
        QCOMPARE(qm::test::findWidget<QPushButton>(&window, "cmdUninstall")->text(), "Uninstall");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

private:
    QMap<QString, QByteArray> m_frenchFiles;
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
