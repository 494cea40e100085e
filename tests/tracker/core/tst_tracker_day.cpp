#include "rig.h"

#include "journal/text_formats.h"

#include <QDir>
#include <QLocale>
#include <QTest>

using namespace qm;
using namespace qm::test;

class TrackerDayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void columnLayouts();
    void changeTimeProposal_data();
    void changeTimeProposal();
    void changeBeforeMidnightWithEndAfterIt();
    void changeOfDayClosesTheOldDay();
    void changeOfDayDeclinedKeepsChangerDisabled();
    void recoveryOfTwoActivities();
    void deletionDownToStart();
    void journalRowsCountInTotals();
    void closingPausesOnlyWritesNothing();
    void closingWithoutActivityKeepsTheDayFile();
    void manyRowsKeepTheLastOneVisible();
    void corruptedFilesAreReadWithoutChange_data();
    void corruptedFilesAreReadWithoutChange();
    void failedJournalWriteKeepsTheDay();
    void failedDayFileWriteIsReported();
};

void TrackerDayTest::columnLayouts()
{
    QCOMPARE(kStartupLayout,
        QStringLiteral(" Début         | Durée              | Activité                       "
                       "                                               | Commentaire        "
                       "                                                            "));
    QCOMPARE(kNewDayLayout,
        QStringLiteral(" Début         | Durée              | Activité                       "
                       "                           | Commentaire                            "
                       "                    "));
    HistoryModel model;
    QCOMPARE(model.columnChars(2), 79);
    QCOMPARE(model.columnChars(3), 80);
    model.reset(kNewDayLayout);
    QCOMPARE(model.columnChars(2), 59);
    QCOMPARE(model.gridRowCount(), 1);
}

void TrackerDayTest::changeTimeProposal_data()
{
    QTest::addColumn<bool>("recordFirst");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QTime>("shownAt");
    QTest::addColumn<QString>("proposal");

    QTest::newRow("nothing recorded: the start of the day")
        << false << "" << QTime(11, 0) << "09:00:00";
    QTest::newRow("running: now") << true << "" << QTime(10, 7, 30) << "10:07:30";
    QTest::newRow("running, clock at its start: one minute on")
        << true << "" << QTime(9, 30) << "09:31:00";
    QTest::newRow("running, clock before its start") << true << "" << QTime(9, 10) << "09:31:00";
    QTest::newRow("fixed duration: its end") << true << "50" << QTime(9, 40) << "10:20:00";
}

void TrackerDayTest::changeTimeProposal()
{
    QFETCH(bool, recordFirst);
    QFETCH(QString, duration);
    QFETCH(QTime, shownAt);
    QFETCH(QString, proposal);

    Rig rig;
    rig.startDay();
    if (recordFirst)
        QVERIFY(rig.change(1, QStringLiteral("09:30"), duration));
    rig.showAt(shownAt.hour(), shownAt.minute(), shownAt.second());
    QCOMPARE(rig.fields().invokeTime, proposal);
    QCOMPARE(rig.fields().duration, QString());
    QVERIFY(rig.screens.mainVisible);
}

void TrackerDayTest::changeBeforeMidnightWithEndAfterIt()
{
    Rig rig;
    rig.clock.set(2026, 12, 5, 23, 0);
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("23:00"), {}, {}, {}));
    rig.showAt(23, 30);
    QVERIFY(rig.change(2, QStringLiteral("23:30:00"), {}, QStringLiteral("00:15")));
    // The fixed activity ends on the next day: the refresh after the change asks.
    QCOMPARE(rig.questions.asked, QList<int> { 8 });
    QCOMPARE(rig.state().dayDate, QStringLiteral("06/12/2026"));
    QCOMPARE(readBytes(rig.file(kJournalFileName)),
        QByteArray("05/12/2026, 30,Dossiers,\r\n05/12/2026, 45,Réunion,\r\n"));
    QVERIFY(!QFile::exists(rig.file(kDayFileName)));
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("00:15:00"));
}

void TrackerDayTest::changeOfDayClosesTheOldDay()
{
    Rig rig;
    rig.clock.set(2026, 12, 5, 22, 0);
    rig.startDay();
    writeBytes(rig.file(kJournalFileName), "06/12/2026, 20,Courrier,tôt\r\n");
    QVERIFY(rig.change(1, QStringLiteral("22:00"), QStringLiteral("60")));
    rig.showAt(23, 0);
    QVERIFY(rig.change(2, QStringLiteral("23:00")));
    rig.showAt(0, 10, 0, 6);
    QCOMPARE(rig.questions.asked, (QList<int> { 8, 2 }));
    QCOMPARE(readBytes(rig.file(kJournalFileName)),
        QByteArray("06/12/2026, 20,Courrier,tôt\r\n05/12/2026, 60,Dossiers,\r\n"
                   "05/12/2026, 70,Réunion,\r\n"));
    QVERIFY(!QFile::exists(rig.file(kDayFileName)));
    const AppState &s = rig.state();
    QCOMPARE(s.dayDate, QStringLiteral("06/12/2026"));
    QCOMPARE(s.currentActivity, QStringLiteral("start"));
    QCOMPARE(s.currentStart, makeDateTime(QDate(2026, 12, 6), QTime(0, 10)));
    QCOMPARE(s.dayActivityCount, 0);
    QCOMPARE(s.historyRowOffset, 1);
    QCOMPARE(s.dayTotalMinutes, 20);
    QVERIFY(s.changeEnabled);
    QCOMPARE(rig.tracker->history().layout(), kNewDayLayout);
    QCOMPARE(rig.tracker->history().cell(1, 0), QStringLiteral("(dans log)"));
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("00:10:00"));
}

void TrackerDayTest::changeOfDayDeclinedKeepsChangerDisabled()
{
    Rig rig;
    rig.clock.set(2026, 12, 5, 23, 0);
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("23:00")));
    rig.questions.answers[8] = { false };
    rig.showAt(0, 5, 0, 6);
    QVERIFY(!rig.state().changeEnabled);
    QCOMPARE(rig.state().dayDate, QStringLiteral("05/12/2026"));
    const int before = rig.screens.log.count(QStringLiteral("change"));
    rig.tracker->openChangeDialog();
    QCOMPARE(rig.screens.log.count(QStringLiteral("change")), before);
    rig.showAt(0, 6, 0, 6);
    QCOMPARE(rig.questions.asked, (QList<int> { 8, 8 }));
    QVERIFY(rig.state().changeEnabled);
    QCOMPARE(rig.state().dayDate, QStringLiteral("06/12/2026"));
}

void TrackerDayTest::recoveryOfTwoActivities()
{
    Rig rig;
    const QByteArray day = readBytes(QFINDTESTDATA("../../data/tracker/two_activities.day"));
    QVERIFY(!day.isEmpty());
    writeBytes(rig.file(kDayFileName), day);
    rig.clock.set(2026, 12, 7, 14, 0);
    rig.startDay();
    QCOMPARE(rig.questions.asked, QList<int> { 1 });
    QVERIFY(!rig.screens.log.contains(QStringLiteral("start")));
    const AppState &s = rig.state();
    QCOMPARE(s.dayDate, QStringLiteral("05/12/2026"));
    QCOMPARE(s.dayActivityCount, 2);
    QCOMPARE(s.currentActivity, QStringLiteral("pause"));
    QCOMPARE(s.currentComment, QStringLiteral("café"));
    QCOMPARE(s.currentDuration, 30);
    QCOMPARE(s.dayTotalMinutes, 75);
    QCOMPARE(s.dayTotalWithoutPauseMinutes, 45);
    const HistoryModel &grid = rig.tracker->history();
    QCOMPARE(grid.cell(1, 0), QStringLiteral("08:30:00"));
    QCOMPARE(grid.cell(1, 1), QStringLiteral(" 0 h 45 = 45"));
    QCOMPARE(grid.cell(2, 2), QStringLiteral("pause"));
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("09:45:00"));
    QVERIFY(rig.screens.mainVisible);
    QCOMPARE(readBytes(rig.file(kDayFileName)), day);
}

void TrackerDayTest::deletionDownToStart()
{
    Rig rig;
    writeBytes(rig.file(kJournalFileName), "05/12/2026, 15,Courrier,\r\n");
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("09:00"), QStringLiteral("30")));
    QVERIFY(rig.change(0, QStringLiteral("09:30"), QStringLiteral("10")));
    rig.showAt(9, 40);
    QVERIFY(rig.change(2, QStringLiteral("09:40")));
    QCOMPARE(rig.state().dayTotalMinutes, 55);
    const QString dayFile = rig.file(kDayFileName);
    QCOMPARE(readBytes(dayFile),
        QByteArray("05/12/2026\r\n09:00:00, 30,Dossiers,\r\n"
                   "09:30:00, 10,pause,\r\n"));

    rig.tracker->deleteLastActivity();
    QCOMPARE(rig.state().dayTotalMinutes, 55);
    QCOMPARE(rig.state().currentActivity, QStringLiteral("pause"));
    QCOMPARE(rig.state().currentDuration, 10);
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("09:40:00"));
    QCOMPARE(readBytes(dayFile),
        QByteArray("05/12/2026\r\n09:00:00, 30,Dossiers,\r\n"
                   "09:30:00, 10,pause,\r\n"));

    rig.tracker->deleteLastActivity();
    QCOMPARE(rig.state().dayTotalMinutes, 45);
    QCOMPARE(rig.state().dayTotalWithoutPauseMinutes, 45);
    QCOMPARE(readBytes(dayFile), QByteArray("05/12/2026\r\n09:00:00, 30,Dossiers,\r\n"));

    rig.tracker->deleteLastActivity();
    QCOMPARE(rig.state().currentActivity, QStringLiteral("start"));
    QCOMPARE(rig.state().currentDuration, -1);
    QCOMPARE(rig.state().dayTotalMinutes, 15);
    QCOMPARE(rig.state().dayActivityCount, 0);
    QCOMPARE(rig.tracker->history().gridRowCount(), 2);
    QVERIFY(!QFile::exists(dayFile));
    rig.tracker->openChangeDialog();
    QCOMPARE(rig.fields().current, QStringLiteral("   --- aucune ---"));

    rig.tracker->deleteLastActivity();
    QCOMPARE(rig.tracker->history().gridRowCount(), 2);
    QCOMPARE(rig.state().dayTotalMinutes, 15);
}

void TrackerDayTest::journalRowsCountInTotals()
{
    Rig rig;
    writeBytes(rig.file(kJournalFileName),
        "05/12/2026, 65,Réunion,client;devis\r\n"
        "\r\n"
        "04/12/2026, 99,Dossiers,\r\n"
        "5/12/2026, 10,Dossiers,\r\n"
        "05/12/2026,abc,Courrier,\r\n"
        "05/12/2026,20,pause,\r\n"
        "05/12/2026, 5,Courrier,a,b\r\n"
        "05/12/2026,short\r\n");
    rig.startDay();
    QCOMPARE(rig.questions.asked, QList<int> { 2 });
    const AppState &s = rig.state();
    QCOMPARE(s.historyRowOffset, 4);
    QCOMPARE(s.dayTotalMinutes, 90);
    QCOMPARE(s.dayTotalWithoutPauseMinutes, 70);
    const HistoryModel &grid = rig.tracker->history();
    QCOMPARE(grid.cell(1, 1), QStringLiteral(" 1 h 05 = 65"));
    QCOMPARE(grid.cell(2, 1), QStringLiteral(" 0 h 00 =abc"));
    QCOMPARE(grid.cell(3, 1), QStringLiteral(" 0 h 20 =20"));
    QCOMPARE(grid.cell(4, 3), QStringLiteral("a"));
    for (int row = 1; row <= 4; ++row) {
        QCOMPARE(grid.cell(row, 0), QStringLiteral("(dans log)"));
        const QModelIndex start = grid.index(row - 1, 0);
        QCOMPARE(grid.data(start, Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0xC0));
        QVERIFY(!grid.data(grid.index(row - 1, 1), Qt::BackgroundRole).isValid());
    }
    QVERIFY(rig.change(1, QStringLiteral("09:00"), QStringLiteral("15")));
    QCOMPARE(rig.state().dayTotalMinutes, 105);
    rig.tracker->closeDay();
    QVERIFY(readBytes(rig.file(kJournalFileName))
                .endsWith("05/12/2026,short\r\n"
                          "05/12/2026, 15,Dossiers,\r\n"));
}

void TrackerDayTest::closingPausesOnlyWritesNothing()
{
    Rig rig;
    rig.startDay();
    QVERIFY(rig.change(0, QStringLiteral("09:00"), QStringLiteral("20")));
    QVERIFY(rig.change(0, QStringLiteral("09:20")));
    QVERIFY(QFile::exists(rig.file(kDayFileName)));
    rig.showAt(9, 50);
    rig.tracker->closeDay();
    QCOMPARE(rig.questions.asked, QList<int> { 4 });
    QVERIFY(rig.tracker->hasEnded());
    QCOMPARE(rig.state().dayTotalMinutes, 50);
    QCOMPARE(rig.state().dayTotalWithoutPauseMinutes, 0);
    QVERIFY(QFile::exists(rig.file(kJournalFileName)));
    QCOMPARE(readBytes(rig.file(kJournalFileName)), QByteArray());
    QVERIFY(!QFile::exists(rig.file(kDayFileName)));
}

void TrackerDayTest::closingWithoutActivityKeepsTheDayFile()
{
    Rig rig;
    rig.startDay();
    writeBytes(rig.file(kDayFileName), "05/12/2026\r\n");
    rig.questions.answers[4] = { false };
    rig.tracker->closeDay();
    QVERIFY(!rig.tracker->hasEnded());
    rig.tracker->closeDay();
    QVERIFY(rig.tracker->hasEnded());
    QVERIFY(QFile::exists(rig.file(kDayFileName)));
    QVERIFY(!QFile::exists(rig.file(kJournalFileName)));
    QCOMPARE(rig.screens.log.mid(rig.screens.log.size() - 2),
        (QStringList { QStringLiteral("removeTray"), QStringLiteral("end") }));
}

void TrackerDayTest::manyRowsKeepTheLastOneVisible()
{
    Rig rig;
    QByteArray journal;
    for (int i = 0; i < 20; ++i)
        journal += "05/12/2026, 1,Dossiers,\r\n";
    writeBytes(rig.file(kJournalFileName), journal);
    rig.startDay();
    HistoryModel &grid = rig.tracker->history();
    QCOMPARE(grid.gridRowCount(), 21);
    QCOMPARE(grid.firstVisibleRow(), 5);
    QVERIFY(rig.change(1, QStringLiteral("09:00"), QStringLiteral("5")));
    QCOMPARE(grid.firstVisibleRow(), 6);
    rig.tracker->deleteLastActivity();
    QCOMPARE(grid.gridRowCount(), 21);

    Rig fresh;
    fresh.startDay();
    for (int i = 0; i < 17; ++i) {
        QVERIFY(
            fresh.change(1 + i % 3, timeText(QTime(9, 0).addSecs(600 * i)), QStringLiteral("10")));
        QCOMPARE(fresh.tracker->history().firstVisibleRow(), std::max(1, i + 1 - 15));
    }
    QCOMPARE(fresh.state().dayActivityCount, 17);
    QCOMPARE(fresh.tracker->history().firstVisibleRow(), 2);
}

void TrackerDayTest::corruptedFilesAreReadWithoutChange_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("dayFile");
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<int>("dayRows");

    const QByteArray garbage("\x00\xff\xfe=,,=\r\n\n\r\x01"
                             "Activity\r\n",
        22);
    QTest::newRow("garbage everywhere") << garbage << garbage << garbage << 0;
    QTest::newRow("day file with only its date")
        << kThreeActivities << QByteArray("05/12/2026\r\n") << QByteArray() << 0;
    QTest::newRow("invalid date line")
        << kThreeActivities << QByteArray("32/13/2026\r\n10:00:00, 5,Dossiers,\r\n") << QByteArray()
        << 1;
    QTest::newRow("short lines") << QByteArray("Activity\r\nMessage=42=Faux\r\n=\r\n")
                                 << QByteArray("05/12/2026\r\n10:00\r\n,\r\n1,2,3\r\n")
                                 << QByteArray("05/12/2026\r\n05/12/2026,1\r\n,,,\r\n") << 0;
    QTest::newRow("bad times and numbers")
        << kThreeActivities << QByteArray("05/12/2026\r\nmidi,beaucoup,Dossiers,\r\n")
        << QByteArray("05/12/2026,-99999999999999,Dossiers,\r\n") << 1;
}

void TrackerDayTest::corruptedFilesAreReadWithoutChange()
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
    QVERIFY(rig.state().changeTime.isValid());
    QCOMPARE(readBytes(rig.file(kSettingsFileName)), settings);
    QCOMPARE(readBytes(rig.file(kDayFileName)), dayFile);
    QCOMPARE(readBytes(rig.file(kJournalFileName)), journal);
    // The day goes on: a change can be recorded on top of what was read.
    rig.showAt(18, 0);
    QVERIFY(rig.change(0, rig.fields().invokeTime, QStringLiteral("5")));
    QCOMPARE(rig.state().dayActivityCount, dayRows + 1);
}

void TrackerDayTest::failedJournalWriteKeepsTheDay()
{
    Rig rig;
    rig.startDay();
    QVERIFY(QDir(rig.dir.path()).mkdir(kJournalFileName.toString()));
    QVERIFY(rig.change(1, QStringLiteral("09:00")));
    rig.showAt(9, 45);
    rig.tracker->closeDay();
    QVERIFY(!rig.tracker->hasEnded());
    QCOMPARE(rig.questions.warnings.size(), 1);
    QVERIFY(
        rig.questions.warnings.first().contains(QStringLiteral("Le log n'a pas pu être écrit")));
    QCOMPARE(
        readBytes(rig.file(kDayFileName)), QByteArray("05/12/2026\r\n09:00:00, 45,Dossiers,\r\n"));
    QVERIFY(rig.screens.mainVisible);
    QVERIFY(!rig.screens.log.contains(QStringLiteral("removeTray")));
}

void TrackerDayTest::failedDayFileWriteIsReported()
{
    Rig rig;
    rig.startDay();
    QVERIFY(QDir(rig.dir.path()).mkdir(kDayFileName.toString()));
    QVERIFY(rig.change(1, QStringLiteral("09:00"), QStringLiteral("10")));
    QCOMPARE(rig.questions.warnings.size(), 1);
    QVERIFY(rig.questions.warnings.first().contains(QStringLiteral("n'a pas pu être écrit")));
    QCOMPARE(rig.state().dayActivityCount, 1);
}

QTEST_GUILESS_MAIN(TrackerDayTest)
#include "tst_tracker_day.moc"
