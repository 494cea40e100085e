#include "journal/text_formats.h"
#include "rig.h"
#include "tests/support/locale.h"

#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

// A day of 05/12/2026 logged through the change dialog from 09:00, with the changes
// "index@hh:mm:ss[@comment[@minutes]]" each made at its time, then the window shown at 10:45.
void logDay(Rig &rig, const QStringList &changes)
{
    rig.clock.set(2026, 12, 5, 9, 0);
    rig.startDay();
    for (const QString &step : changes) {
        rig.clock.current = dateTimeOfDay("05/12/2026", step.section(u'@', 1, 1));
        QVERIFY(rig.change(step.section(u'@', 0, 0).toInt(), step.section(u'@', 1, 1),
            step.section(u'@', 3, 3), {}, step.section(u'@', 2, 2)));
    }
    rig.showAt(10, 45);
}

// Everything a correction could leave different: the grid, the totals, the day file, the
// proposed change time, the current activity and, once the day is closed, the journal.
QStringList dayOf(Rig &rig)
{
    QStringList seen;
    for (int row = 1; row < rig.tracker.history().gridRowCount(); ++row)
        for (int column = 0; column < HistoryModel::ColumnCount; ++column)
            seen.append(rig.cell(row, column));
    seen << QString::number(rig.state().dayTotalMinutes())
         << QString::number(rig.state().dayTotalWithoutPauseMinutes())
         << QString::fromUtf8(rig.bytes(kDayFileName)) << rig.fields().invokeTime
         << rig.state().currentActivity() + u'|' + timeText(rig.state().currentStart().time());
    rig.tracker.closeDay();
    return seen << QString::fromUtf8(rig.bytes(kJournalFileName));
}

const QStringList kDay { "1@09:00:00", "2@09:30:00", "3@10:15:00" };

} // namespace

class CorrectionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFrenchLocale(); }

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
        Rig unchanged;
        logDay(unchanged, logged);
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
        if (rightChanges.isEmpty()) {
            QCOMPARE(dayOf(rig), dayOf(unchanged));
            return;
        }
        Rig right;
        logDay(right, rightChanges);
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

QTEST_GUILESS_MAIN(CorrectionTest)
#include "correction_test.moc"
