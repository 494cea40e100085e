#include "rig.h"
#include "tests/support/locale.h"

#include "journal/text_formats.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <limits>

using namespace qm;
using namespace qm::test;

class CoreTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // A day file left by a quit is recovered on Récuperer, or without asking when message 1 is
    // switched off, and dropped on Abandonner.
    void startup_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("dayFile");
        QTest::addColumn<bool>("recover");
        QTest::addColumn<QString>("log");
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<QString>("dayDate");
        const auto row = [](const char *name, const QByteArray &settings, bool dayFile,
                             bool recover, const char *log, QList<int> asked, const char *date) {
            QTest::newRow(name) << settings << dayFile << recover << QString(log) << asked
                                << QString(date);
        };
        row("first run", "", false, true, "addTray welcome start editor", {}, "07/12/2026");
        row("normal start", kThreeActivities, false, true, "addTray start showMain", {},
            "07/12/2026");
        row("day file, Récuperer", kThreeActivities, true, true, "addTray showMain", { 1 },
            "05/12/2026");
        row("day file, Abandonner", kThreeActivities, true, false, "addTray start showMain", { 1 },
            "07/12/2026");
        row("day file, message 1 suppressed", kThreeActivities + "Message=1=False\r\n", true, false,
            "addTray showMain", {}, "05/12/2026");
    }
    void startup()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, dayFile);
        QFETCH(QList<int>, asked);
        const QByteArray day = readBytes(QFINDTESTDATA("../data/tracker/two_activities.day"));
        QVERIFY(!day.isEmpty());
        Rig rig;
        rig.clock.set(2026, 12, 7, 14, 0);
        if (!settings.isEmpty())
            writeBytes(rig.file(kSettingsFileName), settings);
        if (dayFile)
            writeBytes(rig.file(kDayFileName), day);
        QFETCH(bool, recover);
        rig.questions.answers[1] = { recover };
        rig.tracker.start();
        QTEST(rig.screens.log.join(u' '), "log");
        QCOMPARE(rig.questions.asked, asked);
        QTEST(rig.state().dayDate, "dayDate");
        QCOMPARE(rig.state().firstRunPending, settings.isEmpty());
        const bool resumed = dayFile && (recover || !asked.contains(1));
        const AppState &s = rig.state();
        QCOMPARE(s.dayActivityCount, resumed ? 2 : 0);
        QCOMPARE(QFile::exists(rig.file(kDayFileName)), resumed);
        if (!resumed)
            return;
        QCOMPARE(rig.bytes(kDayFileName), day);
        QCOMPARE(s.currentActivity + u'|' + s.currentComment + numberText(s.currentDuration),
            "pause|café 30");
        QCOMPARE(QList<int>({ s.dayTotalMinutes, s.dayTotalWithoutPauseMinutes }),
            QList<int>({ 75, 45 }));
        QCOMPARE(QStringList({ rig.cell(1, 0), rig.cell(1, 1), rig.cell(2, 2) }),
            QStringList({ "08:30:00", " 0 h 45 = 45", "pause" }));
        QCOMPARE(rig.fields().invokeTime, "09:45:00");
    }

    // A file that is there but cannot be read (a folder of its name) is never written over: the
    // user is told and nothing is written.
    void unreadableFileEndsTheProgram_data()
    {
        QTest::addColumn<QString>("unreadable");
        QTest::addColumn<QString>("log");
        QTest::newRow("settings") << kSettingsFileName.toString() << "addTray removeTray end";
        QTest::newRow("day file") << kDayFileName.toString() << "addTray removeTray end";
        // The journal is read for the day chosen in the start window.
        QTest::newRow("journal") << kJournalFileName.toString() << "addTray start removeTray end";
    }
    void unreadableFileEndsTheProgram()
    {
        QFETCH(QString, unreadable);
        Rig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(unreadable));
        if (unreadable != kSettingsFileName)
            writeBytes(rig.file(kSettingsFileName), kThreeActivities);
        rig.tracker.start();
        QVERIFY(rig.tracker.hasEnded());
        QTEST(rig.screens.log.join(u' '), "log");
        QCOMPARE(rig.questions.warnings.size(), 1);
        QVERIFY(rig.questions.warnings.first().contains(rig.file(unreadable)));
        QCOMPARE(QDir(rig.dir.path()).entryList(QDir::Files),
            unreadable == kSettingsFileName ? QStringList() : QStringList { "Quillmere.ini" });
        QCOMPARE(rig.bytes(kSettingsFileName),
            unreadable == kSettingsFileName ? QByteArray() : kThreeActivities);
    }

    // The day file's date becomes the date of the day's journal records: only a date that the
    // journal's readers count is taken, anything else leaves today's date.
    void dayFileDate_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("dayDate");
        QTest::newRow("as written") << QByteArray("05/12/2026") << "05/12/2026";
        QTest::newRow("one-digit day") << QByteArray("5/12/2026") << "5/12/2026";
        QTest::newRow("blanks around") << QByteArray(" 05/12/2026 ") << " 05/12/2026 ";
        QTest::newRow("blank before a slash") << QByteArray("05 /12/2026") << "07/12/2026";
        QTest::newRow("blank after a slash") << QByteArray("05/ 12/2026") << "07/12/2026";
        QTest::newRow("non-breaking space") << QByteArray("05/12/2026\xC2\xA0") << "07/12/2026";
        QTest::newRow("two-digit year") << QByteArray("05/12/26") << "07/12/2026";
        QTest::newRow("no such day") << QByteArray("31/02/2026") << "07/12/2026";
    }
    void dayFileDate()
    {
        QFETCH(QByteArray, line);
        Rig rig;
        rig.clock.set(2026, 12, 7, 14, 0);
        writeBytes(rig.file(kDayFileName), line + "\r\n08:30:00, 45,Dossiers,\r\n");
        rig.startDay();
        QTEST(rig.state().dayDate, "dayDate");
        QCOMPARE(rig.state().dayActivityCount, 1);
    }

    // The day's records already in the journal count in the totals, whatever their shape.
    void journalRows()
    {
        Rig rig;
        QByteArray journal(
            "05/12/2026, 65,Réunion,client;devis\r\n\r\n04/12/2026, 99,Dossiers,\r\n"
            "5/12/2026, 10,Dossiers,\r\n05/12/2026,abc,Courrier,\r\n"
            "05/12/2026,20,pause,\r\n05/12/2026, 5,Courrier,a,b\r\n05/12/2026,short\r\n");
        for (int i = 0; i < 16; ++i)
            journal += "04/12/2026, 1,Dossiers,\r\n05/12/2026, 0,Dossiers,\r\n";
        writeBytes(rig.file(kJournalFileName), journal);
        rig.startDay();
        QCOMPARE(rig.questions.asked, QList<int> { 2 });
        QCOMPARE(rig.state().historyRowOffset, 20);
        QCOMPARE(rig.state().dayTotalMinutes, 90);
        QCOMPARE(rig.state().dayTotalWithoutPauseMinutes, 70);
        QCOMPARE(QStringList({ rig.cell(1, 1), rig.cell(2, 1), rig.cell(3, 1), rig.cell(4, 3) }),
            QStringList({ " 1 h 05 = 65", " 0 h 00 =abc", " 0 h 20 =20", "a" }));
        const HistoryModel &grid = rig.tracker.history();
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(grid.cell(row, 0), "(dans log)");
        // The last row stays in sight.
        QCOMPARE(grid.firstVisibleRow(), 5);
        QVERIFY(rig.change(1, "09:00", "15"));
        QCOMPARE(grid.firstVisibleRow(), 6);
        QCOMPARE(rig.state().dayTotalMinutes, 105);
        rig.tracker.closeDay();
        QVERIFY(rig.bytes(kJournalFileName).endsWith(journal + "05/12/2026, 15,Dossiers,\r\n"));
    }

    // Hand-edited minutes at the ends of the 32-bit range: the totals stop there.
    void hugeMinutesInTheTotals_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QByteArray>("dayLine");
        QTest::addColumn<QList<int>>("totals"); // with and without pauses, after loading
        QTest::addColumn<int>("afterDeletion");
        const int max = std::numeric_limits<int>::max();
        const int min = std::numeric_limits<int>::min();
        QTest::newRow("beyond the top")
            << QByteArray(
                   "05/12/2026, 2147483647,Dossiers,\r\n05/12/2026, 2147483647,Dossiers,\r\n")
            << QByteArray("10:00:00, 5,Dossiers,") << QList<int> { max, max } << max - 5;
        QTest::newRow("beyond the bottom")
            << QByteArray("05/12/2026,-2147483648,Dossiers,\r\n05/12/2026,-5,pause,\r\n")
            << QByteArray() << QList<int> { min, min } << min;
        QTest::newRow("taking back the lowest")
            << QByteArray() << QByteArray("10:00:00,-99999999999,Dossiers,")
            << QList<int> { min, min } << 0;
    }
    void hugeMinutesInTheTotals()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QByteArray, dayLine);
        Rig rig;
        writeBytes(rig.file(kJournalFileName), journal);
        if (!dayLine.isEmpty())
            writeBytes(rig.file(kDayFileName), "05/12/2026\r\n" + dayLine + "\r\n");
        rig.startDay();
        QTEST((QList<int> { rig.state().dayTotalMinutes, rig.state().dayTotalWithoutPauseMinutes }),
            "totals");
        rig.tracker.deleteLastActivity();
        QTEST(rig.state().dayTotalMinutes, "afterDeletion");
    }

    void deletionDownToStart()
    {
        Rig rig;
        writeBytes(rig.file(kJournalFileName), "05/12/2026, 15,Courrier,\r\n");
        rig.startDay();
        QVERIFY(rig.change(1, "09:00", "30"));
        QVERIFY(rig.change(0, "09:30", "10"));
        rig.showAt(9, 40);
        QVERIFY(rig.change(2, "09:40"));
        const QByteArray day("05/12/2026\r\n09:00:00, 30,Dossiers,\r\n09:30:00, 10,pause,\r\n");
        QCOMPARE(rig.bytes(kDayFileName), day);
        // The running activity goes first: the finished ones and the total stay.
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.state().dayTotalMinutes, 55);
        QCOMPARE(rig.state().currentActivity + numberText(rig.state().currentDuration), "pause 10");
        QCOMPARE(rig.fields().invokeTime, "09:40:00");
        QCOMPARE(rig.bytes(kDayFileName), day);
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.state().dayTotalMinutes, 45);
        QCOMPARE(rig.state().dayTotalWithoutPauseMinutes, 45);
        QCOMPARE(rig.bytes(kDayFileName), "05/12/2026\r\n09:00:00, 30,Dossiers,\r\n");
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.state().currentActivity + numberText(rig.state().currentDuration), "start-1");
        QCOMPARE(rig.state().dayTotalMinutes, 15);
        QCOMPARE(rig.tracker.history().gridRowCount(), 2);
        QVERIFY(!QFile::exists(rig.file(kDayFileName)));
        rig.tracker.openChangeDialog();
        QCOMPARE(rig.fields().current, "   --- aucune ---");
        // Nothing left to delete: the journal's rows stay.
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.tracker.history().gridRowCount(), 2);
        QCOMPARE(rig.state().dayTotalMinutes, 15);
    }

    void fixedActivityEndingTomorrow()
    {
        Rig rig;
        rig.clock.set(2026, 12, 5, 23, 0);
        rig.startDay();
        QVERIFY(rig.change(1, "23:00"));
        rig.showAt(23, 30);
        QVERIFY(rig.change(2, "23:30:00", {}, "00:15"));
        // The refresh after the change finds the next day and closes this one.
        QCOMPARE(rig.questions.asked, QList<int> { 8 });
        QCOMPARE(rig.state().dayDate, "06/12/2026");
        QCOMPARE(
            rig.bytes(kJournalFileName), "05/12/2026, 30,Dossiers,\r\n05/12/2026, 45,Réunion,\r\n");
        QVERIFY(!QFile::exists(rig.file(kDayFileName)));
        QCOMPARE(rig.fields().invokeTime, "00:15:00");
    }

    void newDay_data()
    {
        QTest::addColumn<bool>("declinedFirst");
        QTest::newRow("accepted") << false;
        // Réunion runs on until the new day is accepted.
        QTest::newRow("declined once") << true;
    }
    // The next day closes this one into the journal and starts afresh.
    void newDay()
    {
        QFETCH(bool, declinedFirst);
        Rig rig;
        rig.clock.set(2026, 12, 5, 22, 0);
        rig.startDay();
        writeBytes(rig.file(kJournalFileName), "06/12/2026, 20,Courrier,tôt\r\n");
        QVERIFY(rig.change(1, "22:00", "60"));
        rig.showAt(23, 0);
        QVERIFY(rig.change(2, "23:00"));
        if (declinedFirst) {
            // The day waits, and so does Changer; this message cannot be switched off.
            rig.questions.answers[8] = { false };
            rig.questions.suppressCodes = { 8 };
            rig.showAt(0, 5, 0, 6);
            QVERIFY(!rig.state().changeEnabled);
            QVERIFY(rig.state().settings.messageEnabled[8]);
            QCOMPARE(rig.state().dayDate, "05/12/2026");
            const qsizetype opened = rig.screens.log.count("change");
            rig.tracker.openChangeDialog();
            QCOMPARE(rig.screens.log.count("change"), opened);
            rig.questions.asked.clear();
        }
        rig.showAt(0, 10, 0, 6);
        QCOMPARE(rig.questions.asked, (QList<int> { 8, 2 }));
        QCOMPARE(rig.bytes(kJournalFileName),
            "06/12/2026, 20,Courrier,tôt\r\n05/12/2026, 60,Dossiers,\r\n05/12/2026, "
            "70,Réunion,\r\n");
        QVERIFY(!QFile::exists(rig.file(kDayFileName)));
        const AppState &s = rig.state();
        QCOMPARE(s.dayDate + u'|' + s.currentActivity, "06/12/2026|start");
        QCOMPARE(s.currentStart, makeDateTime(QDate(2026, 12, 6), QTime(0, 10)));
        QCOMPARE(s.dayActivityCount, 0);
        QCOMPARE(s.historyRowOffset, 1);
        QCOMPARE(s.dayTotalMinutes, 20);
        QVERIFY(s.changeEnabled);
        QCOMPARE(rig.tracker.history().layout(), kNewDayLayout);
        QCOMPARE(rig.cell(1, 0), "(dans log)");
        QCOMPARE(rig.fields().invokeTime, "00:10:00");
    }

    // Terminer chosen from the icon's menu while the new-day question is up: the day reaches the
    // journal once, and nothing runs on after the end.
    void dayClosedDuringTheNewDayQuestion()
    {
        Rig rig;
        rig.clock.set(2026, 12, 5, 23, 0);
        rig.startDay();
        QVERIFY(rig.change(1, "23:00"));
        rig.questions.onAsk = [&rig](int code) {
            if (code == 8)
                rig.tracker.closeDay();
        };
        rig.showAt(0, 10, 0, 6);
        QVERIFY(rig.tracker.hasEnded());
        QCOMPARE(rig.bytes(kJournalFileName), "05/12/2026, 70,Dossiers,\r\n");
        QVERIFY(!rig.screens.mainVisible);
        rig.tracker.closeDay();
        rig.tracker.quitWithoutSaving();
        QVERIFY(!rig.tracker.showMainWindow());
        QCOMPARE(rig.questions.asked, (QList<int> { 8, 4 }));
        QCOMPARE(rig.screens.log.count("end"), 1);
    }

    // Terminer records the running activity up to the last proposal made, at 10:00 when the
    // window was shown then, else the minute after its start.
    void closeDay_data()
    {
        QTest::addColumn<QList<int>>("activities"); // started at 09:00, 09:20...; pause is 0
        QTest::addColumn<bool>("shownAtTen");
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<QByteArray>("journal"); // null: none written
        QTest::newRow("right after the change") << QList<int> { 3 } << false << QList<int> { 4 }
                                                << QByteArray("05/12/2026, 1,Courrier,\r\n");
        QTest::newRow("after showing the window") << QList<int> { 3 } << true << QList<int> { 4 }
                                                  << QByteArray("05/12/2026, 60,Courrier,\r\n");
        QTest::newRow("pauses only: an empty journal")
            << QList<int> { 0, 0 } << true << QList<int> { 4 } << QByteArray("");
        // The day file of a day without activity is left as it was.
        QTest::newRow("no activity, declined once")
            << QList<int>() << false << QList<int> { 4, 4 } << QByteArray();
    }
    void closeDay()
    {
        QFETCH(QList<int>, activities);
        QFETCH(QList<int>, asked);
        Rig rig;
        rig.startDay();
        if (activities.isEmpty())
            writeBytes(rig.file(kDayFileName), "05/12/2026\r\n");
        for (int i = 0; i < activities.size(); ++i)
            QVERIFY(rig.change(activities[i], timeText(QTime(9, 20 * i))));
        QFETCH(bool, shownAtTen);
        if (shownAtTen) {
            rig.showAt(10, 0);
            rig.tracker.hideMainWindow();
        }
        rig.clock.set(2026, 12, 5, 11, 0);
        rig.questions.answers[4] = { asked.size() < 2 };
        rig.tracker.closeDay();
        if (!rig.tracker.hasEnded())
            rig.tracker.closeDay();
        QVERIFY(rig.tracker.hasEnded());
        QCOMPARE(rig.questions.asked, asked);
        QTEST(rig.bytes(kJournalFileName), "journal");
        QFETCH(QByteArray, journal);
        QCOMPARE(QFile::exists(rig.file(kJournalFileName)), !journal.isNull());
        QCOMPARE(QFile::exists(rig.file(kDayFileName)), activities.isEmpty());
        QCOMPARE(rig.screens.log.mid(rig.screens.log.size() - 2).join(u' '), "removeTray end");
        if (activities == QList<int> { 0, 0 })
            QCOMPARE(QList<int>(
                         { rig.state().dayTotalMinutes, rig.state().dayTotalWithoutPauseMinutes }),
                QList<int>({ 60, 0 }));
    }

    // A blocked file is reported and the day goes on as it was.
    void failedWrites_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<int>("warnings");
        QTest::newRow("journal") << kJournalFileName.toString() << 1;
        // Each write of the day file warns, and so does its removal at the close.
        QTest::newRow("day file") << kDayFileName.toString() << 3;
    }
    void failedWrites()
    {
        QFETCH(QString, blocked);
        Rig rig;
        rig.startDay();
        QVERIFY(QDir(rig.dir.path()).mkdir(blocked));
        QVERIFY(rig.change(1, "09:00", "10"));
        QVERIFY(rig.change(2, "09:10"));
        rig.showAt(9, 45);
        rig.tracker.closeDay();
        const bool journal = blocked == kJournalFileName;
        QTEST(int(rig.questions.warnings.size()), "warnings");
        QVERIFY(rig.questions.warnings.first().contains("n'a pas pu être écrit"));
        QCOMPARE(rig.tracker.hasEnded(), !journal);
        if (journal) {
            QCOMPARE(rig.bytes(kDayFileName),
                "05/12/2026\r\n09:00:00, 10,Dossiers,\r\n09:10:00, 35,Réunion,\r\n");
            QVERIFY(rig.screens.mainVisible);
            QVERIFY(!rig.screens.log.contains("removeTray"));
        }
    }

    void corruptedFilesAreReadWithoutChange_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("dayFile");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<int>("dayRows");
        const QByteArray garbage("\x00\xff\xfe=,,=\r\n\n\r\x01"
                                 "Activity\r\n",
            22);
        QTest::newRow("garbage everywhere") << garbage << garbage << garbage << 0;
        QTest::newRow("invalid date line")
            << kThreeActivities << QByteArray("32/13/2026\r\n10:00:00, 5,Dossiers,\r\n")
            << QByteArray() << 1;
        QTest::newRow("bad times and numbers")
            << kThreeActivities << QByteArray("05/12/2026\r\nmidi,beaucoup,Dossiers,\r\n")
            << QByteArray("05/12/2026,-99999999999999,Dossiers,\r\n") << 1;
    }
    void corruptedFilesAreReadWithoutChange()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, dayFile);
        QFETCH(QByteArray, journal);
        QFETCH(int, dayRows);
        Rig rig;
        writeBytes(rig.file(kDayFileName), dayFile);
        writeBytes(rig.file(kJournalFileName), journal);
        rig.startDay(settings);
        QCOMPARE(rig.state().dayActivityCount, dayRows);
        QVERIFY(rig.screens.mainVisible);
        QVERIFY(parseUserDate(rig.state().dayDate).has_value());
        QCOMPARE(rig.bytes(kSettingsFileName), settings);
        QCOMPARE(rig.bytes(kDayFileName), dayFile);
        QCOMPARE(rig.bytes(kJournalFileName), journal);
        // The day goes on: a change can be recorded on top of what was read.
        rig.showAt(18, 0);
        QVERIFY(rig.change(0, rig.fields().invokeTime, "5"));
        QCOMPARE(rig.state().dayActivityCount, dayRows + 1);
    }

    void firstRunEditor_data()
    {
        QTest::addColumn<bool>("save");
        QTest::newRow("Enregistrer") << true;
        QTest::newRow("Abandonner ends the program") << false;
    }
    void firstRunEditor()
    {
        QFETCH(bool, save);
        Rig rig;
        rig.tracker.start();
        rig.questions.texts = { "Réunion, client", std::nullopt, QString(), "Dossiers" };
        for (int i = 0; i < 4; ++i)
            rig.tracker.addActivity();
        QCOMPARE(
            rig.tracker.editor().currentList(), (QStringList { "Réunion; client", "Dossiers" }));
        if (!save) {
            rig.tracker.cancelEditor();
            QVERIFY(rig.tracker.hasEnded());
            QVERIFY(!QFile::exists(rig.file(kSettingsFileName)));
            return;
        }
        // A failed save keeps the editor open with its list.
        QVERIFY(QDir(rig.dir.path()).mkdir(kSettingsFileName.toString()));
        rig.tracker.saveEditor();
        QCOMPARE(rig.questions.warnings.size(), 1);
        QVERIFY(rig.screens.editorVisible);
        QVERIFY(!rig.screens.mainVisible);
        QVERIFY(rig.state().firstRunPending);
        QVERIFY(QDir(rig.dir.path()).rmdir(kSettingsFileName.toString()));
        rig.tracker.saveEditor();
        QVERIFY(!rig.state().firstRunPending);
        QVERIFY(rig.screens.mainVisible);
        QVERIFY(!rig.screens.editorVisible);
        QCOMPARE(rig.state().settings.activityChoices,
            (QStringList { "pause (activité pré-définie)", "Réunion; client", "Dossiers" }));
        QCOMPARE(rig.bytes(kSettingsFileName),
            "User=-\r\nMessage=0=Vrai\r\nMessage=1=Vrai\r\nMessage=2=Vrai\r\nMessage=3=Vrai\r\n"
            "Message=4=Vrai\r\nMessage=5=Vrai\r\nMessage=6=Vrai\r\nMessage=7=Vrai\r\n"
            "Message=8=Vrai\r\nMessage=9=Vrai\r\nActivity=Réunion; "
            "client\r\nActivity=Dossiers\r\n");
    }

    void editorOperations()
    {
        Rig rig;
        rig.startDay();
        ActivityEditor &editor = rig.tracker.editor();
        rig.tracker.OpenEditor();
        // Opening it again while it is open keeps the copy that Abandonner goes back to.
        editor.retire(0);
        rig.tracker.OpenEditor();
        rig.tracker.cancelEditor();
        rig.tracker.OpenEditor();
        QCOMPARE(editor.moveUp(0), 0);
        QCOMPARE(editor.moveDown(2), 2);
        QCOMPARE(editor.retire(-1), -1);
        QCOMPARE(editor.bringBack(0), 0);
        QCOMPARE(editor.currentList(), (QStringList { "Dossiers", "Réunion", "Courrier" }));
        editor.retire(1);
        editor.retire(0);
        QCOMPARE(editor.bringBack(1), -1);
        rig.tracker.saveEditor();
        QVERIFY(rig.bytes(kSettingsFileName)
                    .endsWith("Activity=Courrier\r\nActivity=Dossiers\r\nOldActivity=Réunion\r\n"
                              "Comment=client\r\n"));
        QCOMPARE(rig.state().settings.activityChoices,
            (QStringList { "pause (activité pré-définie)", "Courrier", "Dossiers" }));
    }

    void fullListsRefuseMore()
    {
        QByteArray settings("User=-\r\nOldActivity=old\r\n");
        for (int i = 0; i < ActivityArray::kCapacity; ++i)
            settings += "Activity=a" + QByteArray::number(i) + "\r\n";
        Rig rig;
        rig.startDay(settings);
        ActivityEditor &editor = rig.tracker.editor();
        rig.tracker.OpenEditor();
        rig.questions.texts = { "one more" };
        rig.tracker.addActivity();
        QCOMPARE(rig.questions.warnings.size(), 1);
        QCOMPARE(editor.bringBack(0), 0);
        QCOMPARE(rig.questions.warnings.size(), 2);
        QCOMPARE(editor.currentList().size(), ActivityArray::kCapacity);
        QCOMPARE(editor.currentList().last(), "a300");
        QCOMPARE(editor.retiredList(), QStringList { "old" });
    }

    void desktopActions()
    {
        Rig rig;
        rig.startDay();
        rig.tracker.openHelp();
        rig.tracker.openWeb();
        // No journal yet: message 7, and the statistics stay closed.
        rig.tracker.startStats();
        QCOMPARE(rig.questions.asked, QList<int> { 7 });
        QVERIFY(rig.screens.mainVisible);
        writeBytes(rig.file(kJournalFileName), "");
        rig.tracker.startStats();
        QVERIFY(!rig.screens.mainVisible);
        rig.screens.canStart = false;
        rig.tracker.startStats();
        QVERIFY(rig.screens.mainVisible);
        QCOMPARE(rig.screens.opened,
            (QStringList { rig.file(u"Quillmere.pdf"), "https://quillmere.example.org/",
                rig.file(u"QMStat"), rig.file(u"QMStat") }));
    }
};

QTEST_GUILESS_MAIN(CoreTest)
#include "core_test.moc"
