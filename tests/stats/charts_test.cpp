#include "rig.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/chart_geometry.h"

#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;

namespace {

const QDate kToday(2026, 12, 7);

} // namespace

// Where the charts' labels go, worked out without a window.
class ChartsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // Under the bars, every date when each fits under its bar, else the Mondays (marked "!"),
    // written every week or every few weeks, as "dd/MM@x"; never two dates of 30 pixels touching.
    // Beside the axis, a line every hour or every few, labelled "h@y" but for the top one. The
    // tooltip of the bar under the first date.
    void chartLabels_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("tip");
        const QDate year = march(1).addDays(365);
        QTest::newRow("1 day") << QList<Entry> { { march(1), 90, "a" } }
                               << "1 ticks | 01/03@129.5 | 1 lines: 1 h@320 … 1 h@320"
                               << "01/03/2026 : 1 h 30 (journée : 1 h 30)";
        QTest::newRow("7 days")
            << QList<Entry> { { march(1), 480, "a" }, { march(7), 60, "a" } }
            << "7 ticks | 01/03@109.5 02/03!@169.5 03/03@229.5 04/03@289.5 05/03@349.5 "
               "06/03@409.5 07/03@469.5 | 8 lines: 1 h@482.5 … 7 h@257.5"
            << "01/03/2026 : 8 h 00 (journée : 8 h 00)";
        QTest::newRow("31 days")
            << QList<Entry> { { march(1), 30, "a" }, { march(31), 30, "a" } }
            << "5 ticks | 02/03!@102 09/03!@207 16/03!@312 23/03!@417 30/03!@522 | 0 lines"
            << "02/03/2026 : 0 h 00 (journée : 0 h 00)";
        QTest::newRow("366 days")
            << QList<Entry> { { march(1), 1440, "a" }, { year, 60, "a" } }
            << "53 ticks | 02/03!@81.5 13/04!@123.5 25/05!@165.5 06/07!@207.5 17/08!@249.5 "
               "28/09!@291.5 09/11!@333.5 21/12!@375.5 01/02!@417.5 | 12 lines: 2 h@495 … 22 h@245"
            << "02/03/2026 : 0 h 00 (journée : 0 h 00)";
    }
    void chartLabels()
    {
        QFETCH(QList<Entry>, entries);
        const ReportByActivity r = reportByActivity(loaded(journalOf(entries)), 0, kToday);
        const std::vector<DateTick> ticks = dateTicks(r, 30);
        QStringList dates;
        double previous = -1000;
        for (const DateTick &t : ticks) {
            if (!t.labelled)
                continue;
            QVERIFY(t.x - previous >= 30);
            previous = t.x;
            dates.append(t.date.toString("dd/MM") + (t.monday ? "!@" : "@") + QString::number(t.x));
        }
        QStringList hours;
        const std::vector<HourLine> lines = hourLines(r.maxDayMinutes, 15);
        for (const HourLine &l : lines) {
            if (l.labelled)
                hours.append(hourText(l.hours) + u'@' + QString::number(l.y));
        }
        QString summary = QStringLiteral("%1 ticks | %2 | %3 lines")
                              .arg(ticks.size())
                              .arg(dates.join(u' '))
                              .arg(lines.size());
        if (!hours.isEmpty())
            summary += QStringLiteral(": %1 … %2").arg(hours.front(), hours.back());
        QTEST(summary, "labels");
        QTEST(barToolTip(r, barAt(r, ticks.front().x)), "tip");
    }

    // The shares written in the pie, "text@x,y" in hundredths of the radius, y down: in the
    // middle of their slice, none below 5 %; crowded ones each inside its own slice, none touching.
    void pieLabels_data()
    {
        QTest::addColumn<std::vector<int>>("minutes");
        QTest::addColumn<QStringList>("labels"); // the first ones
        QTest::addColumn<int>("count");
        QTest::newRow("halves") << std::vector<int> { 1, 1 }
                                << QStringList { "50 %@-62,0", "50 %@62,0" } << 2;
        QTest::newRow("whole disc") << std::vector<int> { 1 } << QStringList { "100 %@0,0" } << 1;
        QTest::newRow("4 % unlabelled")
            << std::vector<int> { 90, 6, 4 } << QStringList { "90 %@-19,59", "6 %@26,-56" } << 2;
        // The second one nearer the point, the third nearer the rim; two of them fit nowhere.
        QTest::newRow("crowded") << std::vector<int>(20, 1)
                                 << QStringList { "5 %@-10,-61", "5 %@-19,-37", "5 %@-57,-57" }
                                 << 18;
    }
    void pieLabels()
    {
        QFETCH(std::vector<int>, minutes);
        QFETCH(QStringList, labels);
        const ReportByDate report
            = reportByDate(loaded(journalOf(sharesOf(minutes))), march(1), march(1), kToday);
        const QSizeF size(0.3, 0.12);
        QStringList placed;
        std::vector<QRectF> rects;
        for (const PieLabel &l : qm::stats::pieLabels(report, size)) {
            placed.append(QStringLiteral("%1@%2,%3")
                              .arg(l.text)
                              .arg(qRound(l.centre.x() * 100))
                              .arg(qRound(l.centre.y() * 100)));
            QCOMPARE(sliceAt(report, l.centre), l.slice);
            QRectF rect(QPointF(), size);
            rect.moveCenter(l.centre);
            for (const QRectF &other : rects)
                QVERIFY(!other.intersects(rect));
            rects.push_back(rect);
        }
        QCOMPARE(placed.mid(0, labels.size()), labels);
        QTEST(int(placed.size()), "count");
    }
};

QTEST_GUILESS_MAIN(ChartsTest)
#include "charts_test.moc"
