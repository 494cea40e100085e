#include "language/ui_language.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/editor_window.h"
#include "tracker/ui/tray_icon.h"

#include <QAction>
#include <QMenu>
#include <QTableWidget>

using namespace qm;
using namespace qm::test;

namespace {

// What a first day shows, and what it leaves in the folder, logged and closed through the
// windows as a user would.
struct FirstDay
{
    // The welcome window's title, the editor's question, the running activity's cell, the grid's
    // activity heading, the tooltip, the closing message's button.
    QStringList shown;
    QStringList clipped;
    QByteArray settings;
    QByteArray journal;
};

// Once the next window is up: its clipped texts, then a click on `button`.
void clipAndClick(QStringList &clipped, const char *button, QWidget *previous = nullptr)
{
    onNextModal(
        [&clipped, button](QWidget *window) {
            clipped += clippedTexts(window);
            click(window, button);
        },
        previous);
}

void logFirstDay(FirstDay &day)
{
    Program run;
    run.clock.set(2026, 12, 5, 8, 0);
    onNextModal([&day](QWidget *welcome) {
        day.shown << welcome->windowTitle();
        day.clipped += clippedTexts(welcome);
        clipAndClick(day.clipped, "cmdStart", welcome);
        click(welcome, "cmdOK");
    });
    run.tracker.start();
    // The first run opens the editor, not the main window. Abandonner would end the program with
    // the list being made: Escape leaves the editor alone there.
    QWidget *editor = run.windows.editor();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    QVERIFY(!run.main()->isVisible());
    QTest::keyClick(child(editor, "cmdAdd"), Qt::Key_Escape);
    QVERIFY(!run.ended);
    day.clipped += clippedTexts(editor);
    QString question;
    for (const char *name : { "Dossiers", "Réunion, client", "Courrier" }) {
        onNextModal([&question, name](QWidget *modal) {
            auto *box = qobject_cast<QInputDialog *>(modal);
            if (!box) {
                question = modal->objectName();
                modal->close();
                return;
            }
            question = box->labelText();
            box->setTextValue(name);
            box->accept();
        });
        click(editor, "cmdAdd");
    }
    day.shown << question;
    click(editor, "cmdSave");
    QVERIFY(run.main()->isVisible());
    // A running activity sends the window to the notification area, a fixed one keeps it.
    run.change(1, {}, {}, {});
    QVERIFY(!run.main()->isVisible());
    day.shown << run.cell(0, 1);
    day.shown << run.tracker.history()
                     .headerData(HistoryModel::ActivityColumn, Qt::Horizontal, Qt::DisplayRole)
                     .toString();
    run.clock.set(2026, 12, 5, 9, 10);
    day.shown << run.tracker.trayToolTip();
    run.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
    day.clipped += clippedTexts(run.main());
    run.change(2, "30", {}, "a,b");
    QVERIFY(run.main()->isVisible());
    run.change(3, {}, "10:15", {});
    onNextModal([&day](QWidget *message) {
        day.shown << child(message, "cmdCont")->accessibleName();
        day.clipped += clippedTexts(message);
        click(message, "cmdCont");
    });
    click(run.main(), "cmdQuit");
    QVERIFY(run.ended);
    day.settings = readBytes(run.file("Quillmere.ini"));
    day.journal = readBytes(run.file("Quillmere.log"));
}

} // namespace

class EnglishTest : public QObject
{
    Q_OBJECT

    // Once English, the process stays English: the French run comes first where one is needed.
    void useEnglish()
    {
        static const bool kInstalled
            = installTranslations(QStringLiteral("quillmere"), QStringLiteral("en"));
        QVERIFY(kInstalled);
    }

private slots:
    void initTestCase() { useFrenchLocale(); }

    // The same day, logged in French and then in English, leaves the same bytes behind: only
    // the windows change with the language, every text of theirs.
    void firstDayWritesWhatTheFrenchOneWrites()
    {
        FirstDay french, english;
        logFirstDay(french);
        useEnglish();
        logFirstDay(english);
        QCOMPARE(french.shown.size(), 6);
        QCOMPARE(english.shown.size(), french.shown.size());
        for (qsizetype i = 0; i < french.shown.size(); ++i)
            QVERIFY2(english.shown[i] != french.shown[i], qPrintable(english.shown[i]));
        QCOMPARE(english.clipped, QStringList {});
        QCOMPARE(english.journal, readBytes(QFINDTESTDATA("../data/tracker/logged_day.log")));
        QCOMPARE(english.journal, french.journal);
        QCOMPARE(english.settings, french.settings);
    }

    // The main window, then the start window and the change dialog over it, show every text
    // whole in English.
    void modalWindows()
    {
        useEnglish();
        Program program;
        writeBytes(program.file("Quillmere.ini"), kThreeActivities);
        QStringList clipped;
        onNextModal([&](QWidget *window) {
            clipped += clippedTexts(window);
            // A day gone by, for the dialog's word about it.
            auto *today = child<QLineEdit>(window, "txtToday");
            today->selectAll();
            QTest::keyClicks(today, "04/12/2026");
            QTest::keyClick(today, Qt::Key_Return);
            click(window, "cmdStart");
        });
        program.tracker.start();
        clipped += clippedTexts(program.main());
        clipAndClick(clipped, "cmdCancel");
        click(program.main(), "cmdChange");
        // The journal window, over a closed day, and its record window.
        writeBytes(program.file("Quillmere.log"), "03/12/2026, 60,Dossiers,client\r\n");
        onNextModal([&](QWidget *journal) {
            clipped += clippedTexts(journal);
            child<QTableWidget>(journal, "grdRecords")->selectRow(0);
            clipAndClick(clipped, "cmdCancel", journal);
            click(journal, "cmdModify");
            click(journal, "cmdClose");
        });
        click(program.main(), "cmdJournal");
        QCOMPARE(clipped, QStringList {});
    }

    // The absence question, then the absences setting from the icon's menu.
    void absenceWindows()
    {
        useEnglish();
        AwayProgram program;
        QStringList clipped;
        clipAndClick(clipped, "cmdIgnore");
        program.comeBack();
        clipAndClick(clipped, "cmdCancel");
        program.main()->trayMenu()->findChild<QAction *>("mnuAbsences")->trigger();
        QCOMPARE(clipped, QStringList {});
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
