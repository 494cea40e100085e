#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/overall_figures.h"
#include "stats/core/selection_order.h"
#include "stats_fixture.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QtTest>
#include <numeric>

using namespace qm::stats;
using qm::stats::test::Entry;
using qm::stats::test::journalOf;
using qm::stats::test::march;
using qm::stats::test::ProgramFolder;
using qm::stats::test::sharesOf;

namespace {

const QDate kToday(2026, 12, 7);

QMstat loaded(const ProgramFolder &folder, const QList<Entry> &entries)
{
    if (!folder.writeJournal(journalOf(entries)))
        qFatal("cannot write the test journal");
    return folder.load();
}

std::int32_t indexOf(const QMstat &stats, const QString &name)
{
    const auto &a = stats.activities();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].name == name)
            return std::int32_t(i);
    }
    return -1;
}

QStringList legendColumn(const ReportByDate &report, QString LegendRow::*column)
{
    QStringList texts;
    for (const LegendRow &row : report.legend)
        texts.append(row.*column);
    return texts;
}

std::vector<std::int32_t> plainSelectionSort(std::vector<float> keys)
{
    std::vector<std::int32_t> origin(keys.size());
    std::iota(origin.begin(), origin.end(), 0);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        std::size_t m = i;
        for (std::size_t j = i + 1; j < keys.size(); ++j) {
            if (keys[j] > keys[m])
                m = j;
        }
        std::swap(keys[i], keys[m]);
        std::swap(origin[i], origin[m]);
    }
    return origin;
}

} // namespace

class TestStatsReports : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void overallFigures();
    void overallFiguresOfAnEmptyJournal();
    void twoDecimals_data();
    void twoDecimals();
    void activityListOrder();

    void legendRows_data();
    void legendRows();
    void slicesCloseTheCircle_data();
    void slicesCloseTheCircle();
    void coloursCycle();
    void drawSlice_data();
    void drawSlice();
    void periodSelectsEntries_data();
    void periodSelectsEntries();
    void equalSharesKeepSelectionOrder();
    void selectionOrderMatchesPlainSort();

    void barLayout_data();
    void barLayout();
    void barsAlwaysFit();
    void singleDaySpan();
    void tenDaySpan();
    void twoDaysPerBar();
    void veryLongSpan();
    void spanWithoutTime();
    void percentIsRoundedDown();
};

void TestStatsReports::overallFigures()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder,
        { { march(1), 100, "a" }, { march(1), 50, "b" }, { march(1), 30, "a" },
            { march(2), 70, "c" }, { march(2), 40, "a" }, { march(4), 60, "b" },
            { march(4), 60, "b" }, { march(4), 40, "a" }, { march(3), 50, "d" },
            { march(3), 50, "a" } });
    const OverallFigures f = ShowOverallFigures(stats);
    QCOMPARE(f.entryCount, " 10");
    QCOMPARE(f.earliestDate, "01/03/2026");
    QCOMPARE(f.latestDate, "04/03/2026");
    QCOMPARE(f.activityCount, " 4");
    QCOMPARE(f.dayCount, " 4");
    QCOMPARE(f.entriesPerDay, " 2.5");
    QCOMPARE(f.totalDuration, "9 h 10");
    QCOMPARE(f.durationPerDay, "2 h 18");
    QCOMPARE(f.durationPerEntry, "0 h 55");
}

void TestStatsReports::overallFiguresOfAnEmptyJournal()
{
    ProgramFolder folder;
    const OverallFigures f = ShowOverallFigures(folder.load());
    QCOMPARE(f.entryCount, " 0");
    QCOMPARE(f.earliestDate, "");
    QCOMPARE(f.latestDate, "");
    QCOMPARE(f.activityCount, " 0");
    QCOMPARE(f.dayCount, " 0");
    QCOMPARE(f.entriesPerDay, " 0");
    QCOMPARE(f.totalDuration, "0 h 00");
    QCOMPARE(f.durationPerDay, "0 h 00");
    QCOMPARE(f.durationPerEntry, "0 h 00");
}

void TestStatsReports::twoDecimals_data()
{
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 9LL << 3LL << "3";
    QTest::newRow("one decimal") << 10LL << 4LL << "2.5";
    QTest::newRow("two decimals") << 1LL << 3LL << "0.33";
    QTest::newRow("rounded up") << 2LL << 3LL << "0.67";
    QTest::newRow("half to even, down") << 1LL << 8LL << "0.12";
    QTest::newRow("half to even, up") << 3LL << 8LL << "0.38";
    QTest::newRow("zero tenth kept") << 21LL << 20LL << "1.05";
    QTest::newRow("rounds to whole") << 2999LL << 1000LL << "3";
    QTest::newRow("large") << 5'000'000LL << 3LL << "1666666.67";
}

void TestStatsReports::twoDecimals()
{
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(QString, text);
    QCOMPARE(twoDecimalQuotientText(numerator, denominator), text);
}

void TestStatsReports::activityListOrder()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder,
        { { march(1), 1, "réunion" }, { march(1), 1, "Achat" }, { march(1), 1, "Zèbre" },
            { march(1), 1, "achat" }, { march(1), 1, "Étude" }, { march(1), 1, "Zebre" } });
    QStringList names;
    for (std::int32_t i : FillActivityList(stats))
        names.append(stats.activities()[std::size_t(i)].name);
    QCOMPARE(names, QStringList({ "Achat", "Zebre", "Zèbre", "achat", "réunion", "Étude" }));
}

void TestStatsReports::legendRows_data()
{
    QTest::addColumn<std::vector<int>>("minutes");
    QTest::addColumn<QStringList>("percents");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QStringList>("names");
    const QString others = QStringLiteral(".....Autres (toutes < 4%)");

    QTest::newRow("small ones share a slice")
        << std::vector<int> { 60, 30, 6, 3, 1 } << QStringList { "60 %", "30 %", "6 %", "4 %" }
        << QStringList { "1 h 00", "0 h 30", "0 h 06", "" }
        << QStringList { " act01", " act02", " act03", others };
    QTest::newRow("exactly 4 % has its own row")
        << std::vector<int> { 96, 4 } << QStringList { "96 %", "4 %" }
        << QStringList { "1 h 36", "0 h 04" } << QStringList { " act01", " act02" };
    QTest::newRow("halves to even")
        << std::vector<int> { 125, 740, 135 } << QStringList { "74 %", "14 %", "12 %" }
        << QStringList { "12 h 20", "2 h 15", "2 h 05" }
        << QStringList { " act02", " act03", " act01" };
    QTest::newRow("all below 4 %") << std::vector<int>(30, 1) << QStringList { "100 %" }
                                   << QStringList { "" } << QStringList { others };
    QTest::newRow("inactive activity not listed")
        << std::vector<int> { 0, 50, 50 } << QStringList { "50 %", "50 %" }
        << QStringList { "0 h 50", "0 h 50" } << QStringList { " act02", " act03" };
}

void TestStatsReports::legendRows()
{
    QFETCH(std::vector<int>, minutes);
    QFETCH(QStringList, percents);
    QFETCH(QStringList, times);
    QFETCH(QStringList, names);
    ProgramFolder folder;
    const QMstat stats = loaded(folder, sharesOf(march(1), minutes));
    const ReportByDate report = ShowReportByDate(stats, march(1), march(1), kToday);
    QCOMPARE(legendColumn(report, &LegendRow::percentText), percents);
    QCOMPARE(legendColumn(report, &LegendRow::timeText), times);
    QCOMPARE(legendColumn(report, &LegendRow::activityText), names);
    QCOMPARE(report.activityCountText,
        QString::number(std::count_if(minutes.begin(), minutes.end(), [](int m) { return m; })));
}

void TestStatsReports::slicesCloseTheCircle_data()
{
    QTest::addColumn<std::vector<int>>("minutes");
    QTest::addColumn<int>("totalDegrees");
    QTest::newRow("with an others slice") << std::vector<int> { 60, 30, 6, 3, 1 } << 360;
    QTest::newRow("full disc of others") << std::vector<int>(30, 1) << 360;
    QTest::newRow("single activity") << std::vector<int> { 5 } << 360;
    QTest::newRow("three thirds, each rounded") << std::vector<int> { 1, 1, 1 } << 360;
    // Each sweep is rounded on its own: seven shares of 14.29 % end three degrees short.
    QTest::newRow("seven sevenths") << std::vector<int>(7, 1) << 357;
}

void TestStatsReports::slicesCloseTheCircle()
{
    QFETCH(std::vector<int>, minutes);
    QFETCH(int, totalDegrees);
    ProgramFolder folder;
    const QMstat stats = loaded(folder, sharesOf(march(1), minutes));
    const ReportByDate report = ShowReportByDate(stats, march(1), march(1), kToday);
    QVERIFY(!report.slices.empty());
    QCOMPARE(report.slices.front().startAngle, 90);
    int total = 0;
    for (std::size_t i = 0; i < report.slices.size(); ++i) {
        const PieSlice &slice = report.slices[i];
        if (i > 0) {
            const PieSlice &before = report.slices[i - 1];
            QCOMPARE(slice.startAngle, (before.startAngle + before.spanAngle) % 360);
        }
        QVERIFY(slice.spanAngle > 0);
        total += slice.spanAngle;
    }
    QCOMPARE(total, totalDegrees);
}

void TestStatsReports::coloursCycle()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder, sharesOf(march(1), std::vector<int>(25, 3)));
    const ReportByDate report = ShowReportByDate(stats, march(1), march(1), kToday);
    QCOMPARE(report.legend.size(), 25u);
    QCOMPARE(report.slices.size(), 25u);
    for (std::size_t k = 0; k < report.legend.size(); ++k) {
        QCOMPARE(report.legend[k].percentText, "4 %");
        QCOMPARE(report.legend[k].colourIndex, int((k + 1) % 20));
        QCOMPARE(report.slices[k].colourIndex, int((k + 1) % 20));
    }
    QCOMPARE(report.legend[19].colourIndex, 0);
    QCOMPARE(report.legend[20].colourIndex, 1);
    QCOMPARE(sliceColours()[0], QColor(255, 255, 225));
    QCOMPARE(sliceColours()[13], QColor(255, 0, 0));
    QCOMPARE(sliceColours()[19], QColor(234, 234, 234));
}

void TestStatsReports::drawSlice_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("sweep");
    QTest::addColumn<int>("startAngle");
    QTest::addColumn<int>("spanAngle");
    QTest::addColumn<double>("next");
    QTest::newRow("first slice from 12 o'clock") << 0.0 << 216.0 << 90 << 216 << 216.0;
    QTest::newRow("crossing 3 o'clock") << 216.0 << 108.0 << 306 << 108 << 324.0;
    QTest::newRow("end rounded down to even") << 0.0 << 12.5 << 90 << 12 << 12.0;
    QTest::newRow("end rounded up to even") << 0.0 << 13.5 << 90 << 14 << 14.0;
    QTest::newRow("start rounded") << 10.5 << 20.0 << 100 << 20 << 30.0;
    QTest::newRow("full turn") << 0.0 << 360.0 << 90 << 360 << 0.0;
    QTest::newRow("rest of the circle") << 346.0 << 14.0 << 76 << 14 << 0.0;
}

void TestStatsReports::drawSlice()
{
    QFETCH(double, start);
    QFETCH(double, sweep);
    QFETCH(int, startAngle);
    QFETCH(int, spanAngle);
    QFETCH(double, next);
    PieSlice slice;
    QCOMPARE(DrawSlice(start, sweep, 7, slice), next);
    QCOMPARE(slice.startAngle, startAngle);
    QCOMPARE(slice.spanAngle, spanAngle);
    QCOMPARE(slice.colourIndex, 7);
}

void TestStatsReports::periodSelectsEntries_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("activities");
    QTest::newRow("bounds included") << march(2) << march(3) << "3"
                                     << "1 h 30"
                                     << "2";
    QTest::newRow("one day") << march(3) << march(3) << "2"
                             << "1 h 10"
                             << "2";
    QTest::newRow("whole journal") << march(1) << march(9) << "5"
                                   << "2 h 05"
                                   << "3";
    QTest::newRow("start after end") << march(3) << march(2) << "0"
                                     << "0 h 00"
                                     << "0";
    QTest::newRow("no entry in period") << march(20) << march(25) << "0"
                                        << "0 h 00"
                                        << "0";
}

void TestStatsReports::periodSelectsEntries()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, entries);
    QFETCH(QString, duration);
    QFETCH(QString, activities);
    ProgramFolder folder;
    QVERIFY(folder.writeSettings("User=Dupont\r\n"));
    const QMstat stats = loaded(folder,
        { { march(3), 40, "b" }, { march(1), 5, "a" }, { march(2), 20, "b" }, { march(3), 30, "c" },
            { march(4), 30, "a" } });
    const ReportByDate report = ShowReportByDate(stats, from, to, kToday);
    QCOMPARE(report.entryCountText, entries);
    QCOMPARE(report.durationText, duration);
    QCOMPARE(report.activityCountText, activities);
    QCOMPARE(qsizetype(report.legend.size()), activities.toInt());
    QCOMPARE(report.slices.empty(), activities == "0");
    QCOMPARE(report.title, " Dupont - 07/12/2026 ");
    QCOMPARE(report.periodTitle,
        "Période du " + from.toString("dd/MM/yyyy") + " au " + to.toString("dd/MM/yyyy"));
}

void TestStatsReports::equalSharesKeepSelectionOrder()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder, sharesOf(march(1), { 10, 20, 10, 20 }));
    const ReportByDate report = ShowReportByDate(stats, march(1), march(1), kToday);
    QCOMPARE(legendColumn(report, &LegendRow::activityText),
        QStringList({ " act02", " act04", " act03", " act01" }));
}

void TestStatsReports::selectionOrderMatchesPlainSort()
{
    QRandomGenerator random(42);
    for (int round = 0; round < 300; ++round) {
        std::vector<float> keys(std::size_t(random.bounded(0, 60)));
        for (float &k : keys)
            k = random.bounded(3) == 0 ? -1.0f : float(random.bounded(6)) * 2.5f;
        QCOMPARE(selectionSortOrder(keys), plainSelectionSort(keys));
    }
}

void TestStatsReports::barLayout_data()
{
    QTest::addColumn<qint64>("spanDays");
    QTest::addColumn<int>("barWidth");
    QTest::addColumn<int>("daysPerBar");
    QTest::addColumn<int>("barGap");
    const QList<std::array<int, 4>> rows {
        { 1, 100, 1, 2 },
        { 6, 100, 1, 2 },
        { 7, 60, 1, 2 },
        { 10, 60, 1, 2 },
        { 11, 40, 1, 2 },
        { 20, 30, 1, 2 },
        { 30, 20, 1, 2 },
        { 31, 15, 1, 2 },
        { 50, 12, 1, 2 },
        { 60, 10, 1, 2 },
        { 100, 6, 1, 2 },
        { 150, 4, 1, 2 },
        { 200, 3, 1, 2 },
        { 201, 2, 1, 2 },
        { 301, 1, 1, 2 },
        { 600, 1, 1, 2 },
        { 601, 1, 2, 1 },
        { 1200, 1, 2, 1 },
        { 1201, 1, 3, 1 },
        { 4800, 1, 8, 1 },
        { 4801, 1, 9, 1 },
        { 5400, 1, 9, 1 },
        { 5401, 1, 10, 1 },
        { 60000, 1, 100, 1 },
    };
    for (const auto &r : rows)
        QTest::addRow("%d days", r[0]) << qint64(r[0]) << r[1] << r[2] << r[3];
}

void TestStatsReports::barLayout()
{
    QFETCH(qint64, spanDays);
    QFETCH(int, barWidth);
    QFETCH(int, daysPerBar);
    QFETCH(int, barGap);
    const BarLayout layout = barLayoutFor(spanDays);
    QCOMPARE(layout.barWidth, barWidth);
    QCOMPARE(layout.daysPerBar, daysPerBar);
    QCOMPARE(layout.barGap, barGap);
}

void TestStatsReports::barsAlwaysFit()
{
    for (qint64 span = 1; span <= 20000; ++span) {
        const BarLayout layout = barLayoutFor(span);
        const qint64 bars = (span + layout.daysPerBar - 1) / layout.daysPerBar;
        if (bars * layout.barWidth > 600)
            QFAIL(qPrintable(
                QStringLiteral("%1 days need %2 pixels").arg(span).arg(bars * layout.barWidth)));
    }
}

void TestStatsReports::singleDaySpan()
{
    ProgramFolder folder;
    QVERIFY(folder.writeSettings("User=Dupont\r\n"));
    const QMstat stats
        = loaded(folder, { { march(5), 90, "b" }, { march(5), 30, "a" }, { march(6), 500, "b" } });
    const ReportByActivity r = ShowReportByActivity(stats, indexOf(stats, "a"), kToday);
    QCOMPARE(r.spanDays, 1);
    QCOMPARE(r.chartWidth, 100);
    QCOMPARE(r.bars.size(), 1u);
    QCOMPARE(r.bars[0].x1, 80);
    QCOMPARE(r.bars[0].x2, 178);
    QCOMPARE(r.bars[0].greyHeight, 300);
    QCOMPARE(r.bars[0].redHeight, 75);
    QCOMPARE(r.firstDate, "05/03/2026");
    QCOMPARE(r.lastDate, "05/03/2026");
    QCOMPARE(r.percentText, " 25 %");
    QCOMPARE(r.recordedDaysText, " 1");
    QCOMPARE(r.concernedDaysText, " 1");
    QCOMPARE(r.yMax, "2 h 00");
    QCOMPARE(r.spanDuration, "2 h 00");
    QCOMPARE(r.activityDuration, "0 h 30");
    QCOMPARE(r.title, " Dupont - 07/12/2026 ");
    QCOMPARE(r.activityTitle, "Activité : a");
    QCOMPARE(r.xAxis, "Période du 05/03/2026 au 05/03/2026");
}

void TestStatsReports::tenDaySpan()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder,
        { { march(1), 60, "a" }, { march(5), 120, "b" }, { march(10), 30, "b" },
            { march(10), 30, "a" }, { march(12), 900, "b" } });
    const ReportByActivity r = ShowReportByActivity(stats, indexOf(stats, "a"), kToday);
    QCOMPARE(r.spanDays, 10);
    QCOMPARE(r.layout.barWidth, 60);
    QCOMPARE(r.chartWidth, 600);
    QCOMPARE(r.bars.size(), 10u);
    for (int v = 0; v < 10; ++v) {
        QCOMPARE(r.bars[v].x1, 80 + 60 * v);
        QCOMPARE(r.bars[v].x2, 80 + 60 * v + 58);
    }
    // Only the activity on the 1st: the red bar covers the grey one.
    QCOMPARE(r.bars[0].greyHeight, 150);
    QCOMPARE(r.bars[0].redHeight, 150);
    QCOMPARE(r.bars[1].greyHeight, 0);
    QCOMPARE(r.bars[1].redHeight, 0);
    QCOMPARE(r.bars[4].greyHeight, 300);
    QCOMPARE(r.bars[4].redHeight, 0);
    QCOMPARE(r.bars[9].greyHeight, 150);
    QCOMPARE(r.bars[9].redHeight, 75);
    QCOMPARE(r.recordedDays, 3);
    QCOMPARE(r.concernedDays, 2);
    QCOMPARE(r.maxDayMinutes, 120);
    QCOMPARE(r.spanDuration, "4 h 00");
    QCOMPARE(r.percentText, " 37 %");

    const ReportByActivity b = ShowReportByActivity(stats, indexOf(stats, "b"), kToday);
    QCOMPARE(b.maxDayMinutes, 900);
    QCOMPARE(b.yMax, "15 h 00");
    QCOMPARE(b.bars[0].greyHeight, 40);
}

void TestStatsReports::twoDaysPerBar()
{
    ProgramFolder folder;
    const QDate first(2025, 1, 1);
    const QMstat stats = loaded(folder,
        { { first, 100, "a" }, { first.addDays(1), 50, "b" }, { first.addDays(700), 40, "a" },
            { first.addDays(701), 100, "b" } });
    const ReportByActivity r = ShowReportByActivity(stats, indexOf(stats, "a"), kToday);
    QCOMPARE(r.spanDays, 701);
    QCOMPARE(r.layout.daysPerBar, 2);
    QCOMPARE(r.bars.size(), 351u);
    QCOMPARE(r.chartWidth, 350);
    QCOMPARE(r.maxDayMinutes, 100);
    QCOMPARE(r.bars.front().greyHeight, 225);
    QCOMPARE(r.bars.front().redHeight, 150);
    QCOMPARE(r.bars.back().x1, 430);
    QCOMPARE(r.bars.back().x2, 430);
    QCOMPARE(r.bars.back().greyHeight, 210);
    QCOMPARE(r.bars.back().redHeight, 60);
    // The day after the last one is drawn and counted, but not summed into the span.
    QCOMPARE(r.recordedDays, 4);
    QCOMPARE(r.spanTotalMinutes, 190);
    QCOMPARE(r.percentText, " 73 %");
}

void TestStatsReports::veryLongSpan()
{
    ProgramFolder folder;
    const QDate first(2000, 1, 1);
    const QMstat stats = loaded(folder,
        { { first, 10, "a" }, { first.addDays(3000), 10, "b" }, { first.addDays(5999), 10, "a" } });
    const ReportByActivity r = ShowReportByActivity(stats, indexOf(stats, "a"), kToday);
    QCOMPARE(r.spanDays, 6000);
    QCOMPARE(r.layout.daysPerBar, 10);
    QCOMPARE(r.bars.size(), 600u);
    QCOMPARE(r.bars.back().x1, 679);
    QCOMPARE(r.bars[300].greyHeight, 30);
    QCOMPARE(r.bars[300].redHeight, 0);
    for (const Bar &bar : r.bars)
        QCOMPARE(bar.x2, bar.x1);
}

void TestStatsReports::spanWithoutTime()
{
    ProgramFolder folder;
    const QMstat stats
        = loaded(folder, { { march(1), 0, "a" }, { march(3), 0, "b" }, { march(4), 0, "a" } });
    const ReportByActivity r = ShowReportByActivity(stats, 0, kToday);
    QVERIFY(r.bars.empty());
    QCOMPARE(r.percentText, " 0 %");
    QCOMPARE(r.yMax, "0 h 00");
    QCOMPARE(r.recordedDays, 0);
    QCOMPARE(r.spanDays, 4);
}

void TestStatsReports::percentIsRoundedDown()
{
    ProgramFolder folder;
    const QMstat stats = loaded(folder, { { march(1), 2, "a" }, { march(1), 1, "b" } });
    QCOMPARE(ShowReportByActivity(stats, 0, kToday).percentText, " 66 %");
    QCOMPARE(ShowReportByActivity(stats, 1, kToday).percentText, " 33 %");
}

QTEST_GUILESS_MAIN(TestStatsReports)
#include "tst_stats_reports.moc"
