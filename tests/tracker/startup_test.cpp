#include "rig.h"
#include "tests/support/locale.h"

#include <QColor>
#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

class StartupTest : public QObject
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
        QTest::addColumn<QList<Code>>("asked");
        QTest::addColumn<QString>("dayDate");
        const auto row = [](const char *name, const QByteArray &settings, bool dayFile,
                             bool recover, const char *log, QList<Code> asked, const char *date) {
            QTest::newRow(name) << settings << dayFile << recover << QString(log) << asked
                                << QString(date);
        };
        row("first run", "", false, true, "addTray welcome start editor", {}, "07/12/2026");
        row("day file, Récuperer", kThreeActivities, true, true, "addTray showMain",
            { Code::Recovery }, "05/12/2026");
        row("day file, Abandonner", kThreeActivities, true, false, "addTray start showMain",
            { Code::Recovery }, "07/12/2026");
        row("day file, message 1 suppressed", kThreeActivities + "Message=1=False\r\n", true, false,
            "addTray showMain", {}, "05/12/2026");
    }
    void startup()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, dayFile);
        QFETCH(QList<Code>, asked);
        const QByteArray day = readBytes(QFINDTESTDATA("../data/tracker/two_activities.day"));
        QVERIFY(!day.isEmpty());
        Rig rig;
        rig.clock.set(2026, 12, 7, 14, 0);
        if (!settings.isEmpty())
            writeBytes(rig.file(kSettingsFileName), settings);
        if (dayFile)
            writeBytes(rig.file(kDayFileName), day);
        QFETCH(bool, recover);
        rig.questions.answers[Code::Recovery] = { recover };
        rig.tracker.start();
        QTEST(rig.screens.log.join(u' '), "log");
        QCOMPARE(rig.questions.asked, asked);
        QTEST(rig.state().dayDate(), "dayDate");
        QCOMPARE(rig.tracker.isFirstRunPending(), settings.isEmpty());
        const bool resumed = dayFile && (recover || !asked.contains(Code::Recovery));
        const DayState &s = rig.state();
        QCOMPARE(s.dayActivityCount(), resumed ? 2 : 0);
        QCOMPARE(QFile::exists(rig.file(kDayFileName)), resumed);
        if (!resumed)
            return;
        QCOMPARE(rig.bytes(kDayFileName), day);
        QCOMPARE(s.currentActivity() + u'|' + s.currentComment() + numberText(s.currentDuration()),
            "pause|café 30");
        QCOMPARE(QList<int>({ s.dayTotalMinutes(), s.dayTotalWithoutPauseMinutes() }),
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

    // The start window's date: an earlier day or today is taken, a later one refused.
    void startDate_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("dayDate");
        QTest::addColumn<bool>("warned");
        const auto row = [](const char *typed, const char *dayDate, bool warned) {
            QTest::newRow(typed) << QString(typed) << QString(dayDate) << warned;
        };
        row("3/12/2026", "03/12/2026", false);
        row("07/12/2026", "07/12/2026", false);
        row("02/01/2027", "07/12/2026", true);
        row("demain", "07/12/2026", false);
    }
    void startDate()
    {
        QFETCH(QString, typed);
        Rig rig;
        rig.clock.set(2026, 12, 7, 23, 59);
        rig.startDay();
        rig.tracker.checkStartDate(typed);
        QTEST(rig.state().dayDate(), "dayDate");
        QFETCH(bool, warned);
        QCOMPARE(rig.questions.warnings.size(), int(warned));
        // The refusal names today.
        QVERIFY(!warned || rig.questions.warnings.first().contains(", le 07/12/2026."));
    }

    // The day's records already in the journal count in the totals, whatever their shape.
    void journalRows()
    {
        Rig rig;
        // Seven rows of odd shapes, then sixteen pairs of a day before and a row of no minutes.
        const QByteArray journal
            = readBytes(QFINDTESTDATA("../data/tracker/rows_of_all_shapes.log"));
        writeBytes(rig.file(kJournalFileName), journal);
        rig.startDay();
        QCOMPARE(rig.questions.asked, (QList<Code> { Code::JournalRowsShown }));
        QCOMPARE(rig.state().historyRowOffset(), 20);
        QCOMPARE(rig.state().dayTotalMinutes(), 90);
        QCOMPARE(rig.state().dayTotalWithoutPauseMinutes(), 70);
        QCOMPARE(QStringList({ rig.cell(1, 1), rig.cell(2, 1), rig.cell(3, 1), rig.cell(4, 3) }),
            QStringList({ " 1 h 05 = 65", " 0 h 00 =abc", " 0 h 20 =20", "a" }));
        const HistoryModel &grid = rig.tracker.history();
        for (int row = 1; row <= 20; ++row)
            QCOMPARE(grid.cell(row, 0), "(dans log)");
        // Only the journal's start cells stand out, in light yellow.
        QCOMPARE(grid.data(grid.index(0, 0), Qt::BackgroundRole), QVariant(QColor(255, 255, 192)));
        QCOMPARE(grid.data(grid.index(0, 1), Qt::BackgroundRole), QVariant());
        // The last row stays in sight.
        QCOMPARE(grid.firstVisibleRow(), 5);
        QVERIFY(rig.change(1, "09:00", "15"));
        QCOMPARE(grid.firstVisibleRow(), 6);
        QCOMPARE(rig.state().dayTotalMinutes(), 105);
        rig.tracker.closeDay();
        QVERIFY(rig.bytes(kJournalFileName).endsWith(journal + "05/12/2026, 15,Dossiers,\r\n"));
    }

    // Whatever the files hold, they are read without a change and the day goes on. The day
    // file's date becomes the date of the day's journal records: only a date that the journal's
    // readers count is taken, as it was written; anything else leaves today's date.
    void corruptedFilesAreReadWithoutChange_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("dayFile");
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<int>("dayRows");
        QTest::addColumn<QString>("dayDate");
        const QByteArray garbage("\x00\xff\xfe=,,=\r\n\n\r\x01"
                                 "Activity\r\n",
            22);
        QTest::newRow("garbage everywhere") << garbage << garbage << garbage << 0 << "07/12/2026";
        QTest::newRow("bad times and numbers")
            << kThreeActivities << QByteArray("05/12/2026\r\nmidi,beaucoup,Dossiers,\r\n")
            << QByteArray("05/12/2026,-99999999999999,Dossiers,\r\n") << 1 << "05/12/2026";
        const auto dated = [](const char *name, const QByteArray &line, const char *dayDate) {
            QTest::newRow(name) << kThreeActivities << line + "\r\n08:30:00, 45,Dossiers,\r\n"
                                << QByteArray() << 1 << QString(dayDate);
        };
        dated("blanks around", " 05/12/2026 ", " 05/12/2026 ");
        dated("non-breaking space", "05/12/2026\xC2\xA0", "07/12/2026");
    }
    void corruptedFilesAreReadWithoutChange()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, dayFile);
        QFETCH(QByteArray, journal);
        QFETCH(int, dayRows);
        Rig rig;
        rig.clock.set(2026, 12, 7, 14, 0);
        writeBytes(rig.file(kDayFileName), dayFile);
        writeBytes(rig.file(kJournalFileName), journal);
        rig.startDay(settings);
        QCOMPARE(rig.state().dayActivityCount(), dayRows);
        QVERIFY(rig.screens.mainVisible);
        QTEST(rig.state().dayDate(), "dayDate");
        QCOMPARE(rig.bytes(kSettingsFileName), settings);
        QCOMPARE(rig.bytes(kDayFileName), dayFile);
        QCOMPARE(rig.bytes(kJournalFileName), journal);
        // The day goes on: a change can be recorded on top of what was read.
        rig.showAt(18, 0, 0, 7);
        QVERIFY(rig.change(0, rig.fields().invokeTime, "5"));
        QCOMPARE(rig.state().dayActivityCount(), dayRows + 1);
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
        // The empty answer is refused with a word, the cancelled one without.
        QCOMPARE(rig.questions.warnings.size(), 1);
        rig.questions.warnings.clear();
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
        QVERIFY(rig.tracker.isFirstRunPending());
        QVERIFY(QDir(rig.dir.path()).rmdir(kSettingsFileName.toString()));
        rig.tracker.saveEditor();
        QVERIFY(!rig.tracker.isFirstRunPending());
        QVERIFY(rig.screens.mainVisible);
        QVERIFY(!rig.screens.editorVisible);
        QCOMPARE(rig.tracker.settings().activityChoices,
            (QStringList { "pause (activité pré-définie)", "Réunion; client", "Dossiers" }));
        QCOMPARE(rig.bytes(kSettingsFileName),
            readBytes(QFINDTESTDATA("../data/tracker/first_run.ini")));
    }
};

QTEST_GUILESS_MAIN(StartupTest)
#include "startup_test.moc"
