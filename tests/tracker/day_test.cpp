#include "rig.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QTest>

#include <limits>

using namespace qm;
using namespace qm::test;

namespace {

// A day of 05/12/2026 logged through the change dialog from 09:00, then the window shown at
// 10:45.
void logDay(Rig &rig, const QStringList &changes)
{
    QVERIFY(rig.logChanges(changes));
    rig.showAt(10, 45);
}

// What a correction left, the proposed change time, the current activity and, once the day is
// closed, the journal.
QStringList dayOf(Rig &rig)
{
    QStringList seen = rig.day();
    seen << rig.fields().invokeTime
         << rig.state().currentActivity() + u'|' + timeText(rig.state().currentStart().time());
    rig.tracker.closeDay();
    return seen << QString::fromUtf8(rig.bytes(kJournalFileName));
}

const QStringList kDay { "1@09:00:00", "2@09:30:00", "3@10:15:00" };

} // namespace

class DayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

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
        const DayState &s = rig.state();
        QTEST((QList<int> { s.dayTotalMinutes(), s.dayTotalWithoutPauseMinutes() }), "totals");
        rig.tracker.deleteLastActivity();
        QTEST(rig.state().dayTotalMinutes(), "afterDeletion");
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
        // Asked first; Annuler changes nothing.
        rig.questions.confirmAnswer = false;
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.questions.confirmations,
            QStringList {
                "Quillmere - Effacer|Effacer la dernière activité « Réunion » ?|Effacer|Annuler" });
        QCOMPARE(rig.state().currentActivity(), "Réunion");
        QCOMPARE(rig.bytes(kDayFileName), day);
        rig.questions.confirmAnswer = true;
        // The running activity goes first: the finished ones and the total stay.
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.state().dayTotalMinutes(), 55);
        const DayState &s = rig.state();
        QCOMPARE(s.currentActivity() + numberText(s.currentDuration()), "pause 10");
        QCOMPARE(rig.fields().invokeTime, "09:40:00");
        QCOMPARE(rig.bytes(kDayFileName), day);
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.state().dayTotalMinutes(), 45);
        QCOMPARE(rig.state().dayTotalWithoutPauseMinutes(), 45);
        QCOMPARE(rig.bytes(kDayFileName), "05/12/2026\r\n09:00:00, 30,Dossiers,\r\n");
        rig.tracker.deleteLastActivity();
        QCOMPARE(s.currentActivity() + numberText(s.currentDuration()), "start-1");
        QCOMPARE(rig.state().dayTotalMinutes(), 15);
        QCOMPARE(rig.tracker.history().gridRowCount(), 2);
        QVERIFY(!QFile::exists(rig.file(kDayFileName)));
        rig.tracker.openChangeDialog();
        QCOMPARE(rig.fields().current, "   --- aucune ---");
        // Nothing left to delete: the journal's rows stay.
        rig.tracker.deleteLastActivity();
        QCOMPARE(rig.tracker.history().gridRowCount(), 2);
        QCOMPARE(rig.state().dayTotalMinutes(), 15);
    }

    void fixedActivityEndingTomorrow_data()
    {
        QTest::addColumn<bool>("declined");
        QTest::addColumn<QList<Code>>("asked");
        // The refresh after the change finds the next day and closes this one.
        QTest::newRow("accepted") << false << QList<Code> { Code::NewDay };
        // No change fits in the day any more: Changer asks again, and Terminer closes the day.
        QTest::newRow("declined") << true << QList<Code> { Code::NewDay, Code::NewDay };
    }
    void fixedActivityEndingTomorrow()
    {
        QFETCH(bool, declined);
        Rig rig;
        QVERIFY(rig.logChanges({ "1@23:00:00" }));
        rig.showAt(23, 30);
        rig.questions.answers[Code::NewDay] = { !declined, false };
        QVERIFY(rig.change(2, "23:30:00", {}, "00:15"));
        const qsizetype opened = rig.screens.log.count("change");
        if (declined) {
            QVERIFY(rig.tracker.isChangeEnabled());
            rig.tracker.openChangeDialog();
            QCOMPARE(rig.screens.log.count("change"), opened);
        }
        QTEST(rig.questions.asked, "asked");
        if (declined) {
            rig.tracker.closeDay();
            QVERIFY(rig.tracker.hasEnded());
        } else {
            QCOMPARE(rig.state().dayDate(), "06/12/2026");
            QVERIFY(!QFile::exists(rig.file(kDayFileName)));
            QCOMPARE(rig.fields().invokeTime, "00:15:00");
        }
        QCOMPARE(
            rig.bytes(kJournalFileName), "05/12/2026, 30,Dossiers,\r\n05/12/2026, 45,Réunion,\r\n");
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
            // The day waits, Réunion ending with it at the latest; Changer still works there.
            // This message cannot be switched off.
            rig.questions.answers[Code::NewDay] = { false };
            rig.questions.suppressCodes = { Code::NewDay };
            rig.showAt(0, 5, 0, 6);
            QVERIFY(rig.tracker.settings().messageEnabled[8]);
            QCOMPARE(rig.state().dayDate(), "05/12/2026");
            const qsizetype opened = rig.screens.log.count("change");
            rig.tracker.openChangeDialog();
            QCOMPARE(rig.screens.log.count("change"), opened + 1);
            QCOMPARE(rig.fields().invokeTime, "23:59:59");
            QCOMPARE(rig.questions.asked, (QList<Code> { Code::NewDay }));
            rig.questions.asked.clear();
        }
        rig.showAt(0, 10, 0, 6);
        QCOMPARE(rig.questions.asked, (QList<Code> { Code::NewDay, Code::JournalRowsShown }));
        QCOMPARE(rig.bytes(kJournalFileName),
            "06/12/2026, 20,Courrier,tôt\r\n05/12/2026, 60,Dossiers,\r\n05/12/2026, "
            "70,Réunion,\r\n");
        QVERIFY(!QFile::exists(rig.file(kDayFileName)));
        const DayState &s = rig.state();
        QCOMPARE(s.dayDate() + u'|' + s.currentActivity(), "06/12/2026|start");
        QCOMPARE(s.currentStart(), makeDateTime(QDate(2026, 12, 6), QTime(0, 10)));
        QCOMPARE(s.dayActivityCount(), 0);
        QCOMPARE(s.historyRowOffset(), 1);
        QCOMPARE(s.dayTotalMinutes(), 20);
        QVERIFY(rig.tracker.isChangeEnabled());
        QCOMPARE(rig.tracker.history().layout(), kNewDayLayout);
        QCOMPARE(rig.cell(1, 0), "(dans log)");
        QCOMPARE(rig.fields().invokeTime, "00:10:00");
    }

    // Terminer chosen from the icon's menu while the new-day question is up: the day reaches the
    // journal once, and nothing runs on after the end.
    void dayClosedDuringTheNewDayQuestion()
    {
        Rig rig;
        QVERIFY(rig.logChanges({ "1@23:00:00" }));
        rig.questions.onAsk = [&rig](Code code) {
            if (code == Code::NewDay)
                rig.tracker.closeDay();
        };
        rig.showAt(0, 10, 0, 6);
        QVERIFY(rig.tracker.hasEnded());
        QCOMPARE(rig.bytes(kJournalFileName), "05/12/2026, 70,Dossiers,\r\n");
        QVERIFY(!rig.screens.mainVisible);
        rig.tracker.closeDay();
        rig.tracker.quitWithoutSaving();
        QVERIFY(!rig.tracker.showMainWindow());
        QCOMPARE(rig.questions.asked, (QList<Code> { Code::NewDay, Code::CloseDay }));
        QCOMPARE(rig.screens.log.count("end"), 1);
    }

    // Terminer records the running activity up to the last proposal made, at 10:00 when the
    // window was shown then, else the minute after its start.
    void closeDay_data()
    {
        QTest::addColumn<QList<int>>("activities"); // started at 09:00, 09:20...; pause is 0
        QTest::addColumn<bool>("shownAtTen");
        QTest::addColumn<QList<Code>>("asked");
        QTest::addColumn<QByteArray>("journal"); // null: none written
        QTest::newRow("right after the change")
            << QList<int> { 3 } << false << QList<Code> { Code::CloseDay }
            << QByteArray("05/12/2026, 1,Courrier,\r\n");
        QTest::newRow("after showing the window")
            << QList<int> { 3 } << true << QList<Code> { Code::CloseDay }
            << QByteArray("05/12/2026, 60,Courrier,\r\n");
        QTest::newRow("pauses only: an empty journal")
            << QList<int> { 0, 0 } << true << QList<Code> { Code::CloseDay } << QByteArray("");
        // The day file of a day without activity is left as it was.
        QTest::newRow("no activity, declined once")
            << QList<int>() << false << QList<Code> { Code::CloseDay, Code::CloseDay }
            << QByteArray();
    }
    void closeDay()
    {
        QFETCH(QList<int>, activities);
        QFETCH(QList<Code>, asked);
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
        rig.questions.answers[Code::CloseDay] = { asked.size() < 2 };
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
            QCOMPARE(QList<int>({ rig.state().dayTotalMinutes(),
                         rig.state().dayTotalWithoutPauseMinutes() }),
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
    // Each correction of a finished row leaves the day as the right changes made at the time
    // would have. Dossiers 09:00, Réunion 09:30, Courrier since 10:15 (grid rows 1 to 3).
    void correctionIsTheRightChange_data()
    {
        QTest::addColumn<QStringList>("logged");
        QTest::addColumn<QString>("correction"); // row@start@activity@comment, or row@remove
        QTest::addColumn<QStringList>("rightChanges"); // empty: refused, nothing changed
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *name, const QStringList &logged, const char *correction,
                             const QStringList &right, const char *refusal = "") {
            QTest::newRow(name) << logged << QString(correction) << right << QString(refusal);
        };
        row("a later start", kDay, "2@09:40@2@", { "1@09:00:00", "2@09:40:00", "3@10:15:00" });
        row("the first row earlier", kDay, "1@08:30:00@1@",
            { "1@08:30:00", "2@09:30:00", "3@10:15:00" });
        row("another activity, a comment", kDay, "1@09:00:00@3@a,b\nc",
            { "3@09:00:00@a;b c", "2@09:30:00", "3@10:15:00" });
        row("into a pause", kDay, "2@09:30:00@0@", { "1@09:00:00", "0@09:30:00", "3@10:15:00" });
        row("removed: the time goes to the row before", kDay, "2@remove",
            { "1@09:00:00", "3@10:15:00" });
        const char *range = "Quillmere - Correction|Le début de cette activité doit être une "
                            "heure comprise entre 09:01:00 et 10:14:00.";
        row("a minute after the previous start at least", kDay, "2@09:00:59@2@", {}, range);
        row("a minute before the next start at most", kDay, "2@10:14:01@2@", {}, range);
        row("no time", kDay, "2@9h40@2@", {}, range);
        row("the first row is not removed", kDay, "1@remove", {});
        row("the running row is not corrected", kDay, "3@10:20:00@3@", {});
        // A duration typed in advance keeps the row's end, and the gap after it.
        const QStringList fixed { "1@09:00:00@@20", "2@09:40:00", "3@10:15:00@@10" };
        row("the last row, of a fixed duration", fixed, "3@10:20:00@3@",
            { "1@09:00:00@@20", "2@09:40:00", "3@10:20:00@@5" });
        row("after a fixed duration", fixed, "2@09:10:00@2@",
            { "1@09:00:00@@10", "2@09:10:00", "3@10:15:00@@10" });
        row("removed after a fixed duration", fixed, "2@remove",
            { "1@09:00:00@@75", "3@10:15:00@@10" });
        row("the last row removed", fixed, "3@remove", { "1@09:00:00@@20", "2@09:40:00@@45" });
    }
    void correctionIsTheRightChange()
    {
        QFETCH(QStringList, logged);
        QFETCH(QString, correction);
        QFETCH(QStringList, rightChanges);
        Rig rig;
        logDay(rig, logged);
        const int gridRow = correction.section(u'@', 0, 0).toInt();
        const std::optional<CorrectionFields> shown = rig.tracker.corrections().fieldsOf(gridRow);
        if (correction.endsWith(u"@remove")) {
            rig.tracker.removeRow(gridRow);
        } else if (shown) {
            CorrectionFields fields = *shown;
            fields.start = correction.section(u'@', 1, 1);
            fields.activityIndex = correction.section(u'@', 2, 2).toInt();
            fields.comment = correction.section(u'@', 3);
            QCOMPARE(rig.tracker.saveCorrection(gridRow, fields), !rightChanges.isEmpty());
        }
        QTEST(rig.questions.warnings.join(u'\n'), "refusal");
        Rig right;
        logDay(right, rightChanges.isEmpty() ? logged : rightChanges);
        QCOMPARE(dayOf(rig), dayOf(right));
    }

    // A day file that cannot be written keeps the day as it was, and the user is told.
    void failedWriteKeepsTheDayFile()
    {
        Rig rig;
        logDay(rig, kDay);
        const QByteArray before = rig.bytes(kDayFileName);
        CorrectionFields fields = *rig.tracker.corrections().fieldsOf(1);
        fields.comment = "a comment that makes the file longer";
        runFailingWrite(WriteFailure::DiskFull, rig.dir, kDayFileName.toString(),
            [&](const QString &) { return rig.tracker.saveCorrection(1, fields); });
        QCOMPARE(rig.bytes(kDayFileName), before);
        QCOMPARE(rig.questions.warnings.size(), 1);
        QVERIFY(rig.questions.warnings.first().contains("n'a pas pu être écrit"));
    }

    // What the window shows of a row: its start, its activity in the list (a retired one
    // added), its comment, and whether it may be removed.
    void fieldsOfARow()
    {
        Rig rig;
        logDay(rig, { "0@09:00:00@café", "2@09:30:00@client", "3@10:15:00" });
        const auto pause = rig.tracker.corrections().fieldsOf(1);
        QVERIFY(pause);
        QCOMPARE(pause->start + u'|' + pause->activities.value(pause->activityIndex) + u'|'
                + pause->comment,
            "09:00:00|pause (activité pré-définie)|café");
        QVERIFY(!pause->removable);
        writeBytes(rig.file(kSettingsFileName), "Activity=Dossiers\r\nOldActivity=Réunion\r\n");
        rig.tracker.reloadSettings();
        const auto retired = rig.tracker.corrections().fieldsOf(2);
        QVERIFY(retired && retired->removable);
        QCOMPARE(retired->activities,
            (QStringList { "pause (activité pré-définie)", "Dossiers", "Réunion" }));
        QCOMPARE(retired->activityIndex, 2);
        QVERIFY(!rig.tracker.corrections().fieldsOf(0));
    }
};

QTEST_GUILESS_MAIN(DayTest)
#include "day_test.moc"
