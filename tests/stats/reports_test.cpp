#include "rig.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/chart_geometry.h"
#include "stats/core/overall_figures.h"
#include "stats/core/report_export.h"
#include "stats/core/selection_order.h"
#include "stats/core/spreadsheet.h"
#include "stats/core/time_sheet.h"

#include <QtTest>
#include <algorithm>
#include <numeric>

using namespace qm::stats;
using namespace qm::stats::test;

namespace {

const QDate kToday(2026, 12, 7);

// The spreadsheet a test compares with its file.
enum class Sheet { ByDate, ByActivity, Time };

std::vector<std::int32_t> plainSelectionSort(std::vector<float> keys)
{
    std::vector<std::int32_t> origin(keys.size());
    std::iota(origin.begin(), origin.end(), 0);
    for (std::size_t i = 0; i + 1 < keys.size(); ++i) {
        // The first of the largest keys left, as a scan keeping only a greater one finds it.
        const auto m = std::size_t(std::max_element(keys.begin() + i, keys.end()) - keys.begin());
        std::swap(keys[i], keys[m]);
        std::swap(origin[i], origin[m]);
    }
    return origin;
}

} // namespace

Q_DECLARE_METATYPE(Sheet)

class ReportsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    // The spreadsheets' shares as text, in percent with one decimal.
    void quotients_data()
    {
        QTest::addColumn<qint64>("numerator");
        QTest::addColumn<qint64>("denominator");
        QTest::addColumn<bool>("english");
        QTest::addColumn<QString>("text");
        const auto row = [](const char *name, qint64 numerator, qint64 denominator,
                             const char *text, bool english = false) {
            QTest::newRow(name) << numerator << denominator << english << QString(text);
        };
        row("share, two thirds", 2, 3, "66,7");
        row("share, english no time", 0, 0, "0.0", true);
        row("share, english negative", -1, 16, "-6.2", true);
    }
    void quotients()
    {
        QFETCH(qint64, numerator);
        QFETCH(qint64, denominator);
        QFETCH(bool, english);
        QTEST(
            shareText(numerator, denominator, english ? kEnglishNumbers : kFrenchNumbers), "text");
    }

    // The report by date of one day's shares, as blocks of tests/data/stats/pie_reports.txt: the
    // legend (percent|time|name), in selection-sort order, its colours going round the palette,
    // and the slices that must follow one another counter-clockwise from 12 o'clock; then the
    // shares written in the pie, "text@x,y" in hundredths of the radius, y down: in the middle of
    // their slice, none below 5 %; crowded ones each inside its own slice, none touching.
    void pieReport_data()
    {
        QTest::addColumn<std::vector<int>>("minutes");
        QTest::newRow("small ones share a slice") << std::vector<int> { 60, 30, 6, 3, 1 };
        QTest::newRow("exactly 4 % has its own row") << std::vector<int> { 96, 4 };
        QTest::newRow("halves to even") << std::vector<int> { 125, 740, 135 };
        QTest::newRow("all below 4 %") << std::vector<int>(30, 1);
        // 2.4 % is 2 %, whatever the rounding of the shares before it left.
        QTest::newRow("others rounded as the others") << std::vector<int> { 503, 473, 12, 12 };
        // Selection sort swaps only for a larger share, so equal ones can change places.
        QTest::newRow("equal shares, an inactive activity not listed")
            << std::vector<int> { 10, 20, 0, 10, 20 };
        // Each sweep is rounded on its own: seven shares of 14.29 % end three degrees short.
        QTest::newRow("seven sevenths") << std::vector<int>(7, 1);
        QTest::newRow("more activities than colours") << std::vector<int>(25, 3);
        QTest::newRow("halves") << std::vector<int> { 1, 1 };
        // The second one nearer the point, the third nearer the rim; two of them fit nowhere.
        QTest::newRow("crowded") << std::vector<int>(20, 1);
    }
    void pieReport()
    {
        QFETCH(std::vector<int>, minutes);
        const ReportByDate report
            = reportByDate(loaded(journalOf(sharesOf(minutes))), march(1), march(1), kToday);
        QString shown;
        for (const LegendRow &row : report.legend)
            shown += row.percentText + u'|' + row.timeText + u'|' + row.activityText + u'\n';
        QCOMPARE(report.slices.size(), report.legend.size());
        int total = 0;
        int start = 90;
        for (std::size_t k = 0; k < report.slices.size(); ++k) {
            const PieSlice &slice = report.slices[k];
            QCOMPARE(slice.startAngle, start);
            QVERIFY(slice.spanAngle > 0);
            QCOMPARE(slice.colourIndex, int((k + 1) % 20));
            QCOMPARE(report.legend[k].colourIndex, slice.colourIndex);
            start = (slice.startAngle + slice.spanAngle) % 360;
            total += slice.spanAngle;
        }
        shown += QStringLiteral("%1 degrees\n").arg(total);
        // Neighbouring colours stay apart in grey, round the palette.
        const auto &colours = sliceColours();
        for (std::size_t k = 0; k < colours.size(); ++k)
            QVERIFY(std::abs(qGray(colours[k].rgb()) - qGray(colours[(k + 1) % 20].rgb())) >= 32);
        QCOMPARE(colours[1], QColor(255, 0, 0));

        const QSizeF size(0.3, 0.12);
        std::vector<QRectF> rects;
        QStringList labels;
        for (const PieLabel &l : qm::stats::pieLabels(report, size)) {
            const QPoint at = (l.centre * 100).toPoint();
            labels.append(l.text + QString::asprintf("@%d,%d", at.x(), at.y()));
            QCOMPARE(sliceAt(report, l.centre), l.slice);
            QRectF rect(QPointF(), size);
            rect.moveCenter(l.centre);
            for (const QRectF &other : rects)
                QVERIFY(!other.intersects(rect));
            rects.push_back(rect);
        }
        shown += labels.join(u' ') + u'\n';
        QCOMPARE(shown, goldenBlock("pie_reports.txt", QTest::currentDataTag()));
    }

    void selectionOrderMatchesPlainSort()
    {
        QRandomGenerator random(42);
        for (int round = 0; round < 300; ++round) {
            std::vector<float> keys(std::size_t(random.bounded(0, 60)));
            for (float &k : keys)
                k = random.bounded(3) == 0 ? -1.0f : float(random.bounded(6)) * 2.5f;
            QCOMPARE(selectionSortOrder(keys), plainSelectionSort(keys));
        }
    }

    // Both sides of each change of layout (past 600 days, one multiple of 600 for all): a bar
    // narrower than it could be, or one too wide for the chart's 600 pixels, shows beside it.
    void barLayout_data()
    {
        QTest::addColumn<qint64>("spanDays");
        QTest::addColumn<QList<int>>("layout"); // width, days per bar, gap
        const QList<std::array<int, 4>> rows { { 6, 100, 1, 2 }, { 7, 60, 1, 2 }, { 10, 60, 1, 2 },
            { 11, 40, 1, 2 }, { 15, 40, 1, 2 }, { 16, 30, 1, 2 }, { 20, 30, 1, 2 },
            { 21, 20, 1, 2 }, { 30, 20, 1, 2 }, { 31, 15, 1, 2 }, { 40, 15, 1, 2 },
            { 41, 12, 1, 2 }, { 50, 12, 1, 2 }, { 51, 10, 1, 2 }, { 60, 10, 1, 2 }, { 61, 6, 1, 2 },
            { 100, 6, 1, 2 }, { 101, 4, 1, 2 }, { 150, 4, 1, 2 }, { 151, 3, 1, 2 },
            { 200, 3, 1, 2 }, { 201, 2, 1, 2 }, { 300, 2, 1, 2 }, { 301, 1, 1, 2 },
            { 600, 1, 1, 2 }, { 601, 1, 2, 1 }, { 1200, 1, 2, 1 }, { 1201, 1, 3, 1 } };
        for (const auto &r : rows)
            QTest::addRow("%d days", r[0]) << qint64(r[0]) << QList<int> { r[1], r[2], r[3] };
    }
    void barLayout()
    {
        QFETCH(qint64, spanDays);
        const BarLayout layout = barLayoutFor(spanDays);
        QTEST(QList<int>({ layout.barWidth, layout.daysPerBar, layout.barGap }), "layout");
    }

    // The report on one activity, its chart's labels and a bar's tooltip, as blocks of
    // tests/data/stats/activity_reports.txt. First the report summed up: span, days per bar, chart
    // width and bar count; the bars as x1-x2:grey/red (all of them up to ten, else the first,
    // middle and last); the days recorded and concerned, the share, the tallest day and the span's
    // duration. Then under the bars, every date when each fits under its bar, else the Mondays
    // (marked "!"), written every week or every few weeks, as "dd/MM@x"; never two dates of 30
    // pixels touching. Beside the axis, a line every hour or every few, labelled "h@y" but for
    // the top one. Last the tooltip of the bar under the first date.
    void activityReport_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        // The day after the last one is drawn and counted, but not summed into the span.
        const QDate first(2025, 1, 1);
        const QList<std::pair<const char *, QList<Entry>>> rows {
            { "one day; the busier next one is out of the span",
                { { march(5), 30, "a" }, { march(5), 90, "b" }, { march(6), 500, "b" } } },
            { "ten days",
                { { march(1), 60, "a" }, { march(5), 120, "b" }, { march(10), 30, "b" },
                    { march(10), 30, "a" }, { march(12), 900, "b" } } },
            { "two days per bar",
                { { first, 100, "a" }, { first.addDays(1), 50, "b" },
                    { first.addDays(700), 40, "a" }, { first.addDays(701), 100, "b" } } },
            { "over 4800 days",
                { { first, 10, "a" }, { first.addDays(3000), 10, "b" },
                    { first.addDays(5999), 10, "a" } } },
            { "no minutes at all",
                { { march(1), 0, "a" }, { march(3), 0, "b" }, { march(4), 0, "a" } } },
            { "a single minute", { { march(1), 1, "a" } } },
            { "7 days", { { march(1), 480, "a" }, { march(7), 60, "a" } } },
            { "31 days", { { march(1), 30, "a" }, { march(31), 30, "a" } } },
            { "366 days", { { march(1), 1440, "a" }, { march(1).addDays(365), 60, "a" } } },
        };
        for (const auto &[name, entries] : rows)
            QTest::newRow(name) << entries;
    }
    void activityReport()
    {
        QFETCH(QList<Entry>, entries);
        const ReportByActivity r = reportByActivity(loaded(journalOf(entries)), 0, kToday);
        QStringList bars;
        const std::size_t n = r.bars.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Bar &b = r.bars[i];
            if (n <= 10 || i == 0 || i == n / 2 || i == n - 1)
                bars.append(
                    QString::asprintf("%d-%d:%d/%d", b.x1, b.x2, b.greyHeight, b.redHeight));
        }
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
        for (const HourLine &l : lines)
            if (l.labelled)
                hours.append(hourText(l.hours) + u'@' + QString::number(l.y));
        QString labels = QString::number(ticks.size()) + " ticks | " + dates.join(u' ')
            + QStringLiteral(" | %1 lines").arg(lines.size());
        if (!hours.isEmpty())
            labels += QStringLiteral(": %1 … %2").arg(hours.front(), hours.back());
        const QString shown = QString::asprintf("%d d, %d/bar, %d px, %d bars | ", int(r.spanDays),
                                  r.layout.daysPerBar, r.chartWidth, int(n))
            + bars.join(u' ')
            + QString::asprintf(" | %d rec, %d conc,", int(r.recordedDays), int(r.concernedDays))
            + r.percentText + ", max " + r.yMax + ", span " + r.spanDuration + u'\n' + labels
            + u'\n' + (ticks.empty() ? QString() : barToolTip(r, barAt(r, ticks.front().x)))
            + u'\n';
        QCOMPARE(shown, goldenBlock("activity_reports.txt", QTest::currentDataTag()));
    }

    // Names with ";" and a quote, equal totals in the order they first appear, an activity first
    // seen on a later day, a single day, a period without entries; by activity, every day of the
    // activity's span is a line, those without it at 0. An activity logged several times in a day
    // adds them all; a name that spreadsheets would run is written as text, while the figures,
    // negative ones too, stay numbers. The time sheet has every day a column whether it has
    // entries or not, over a change of year and a long period too. The three of export.log from 2
    // to 5 March are CommandLineTest's.
    void spreadsheets_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<Sheet>("sheet");
        QTest::addColumn<QDate>("from"); // the report by activity's activity is "Réunion"
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("golden");
        const auto row = [](const char *name, const QByteArray &journal, Sheet sheet, QDate from,
                             QDate to, const char *golden) {
            QTest::newRow(name) << journal << sheet << from << to << QString(golden);
        };
        const QByteArray log = golden("export.log");
        const QByteArray severalTimes(
            "02/03/2026, 30,Réunion,\r\n02/03/2026, 15,Dossiers,\r\n"
            "02/03/2026, 20,Réunion,suite\r\n03/03/2026, 10,Réunion,\r\n");
        const QDate none;
        row("single day", log, Sheet::ByDate, march(3), march(3), "export_single_day.csv");
        row("empty period", log, Sheet::ByDate, march(10), march(12), "export_empty_period.csv");
        row("several times a day, by date", severalTimes, Sheet::ByDate, march(2), march(3),
            "export_several_times_by_date.csv");
        row("several times a day, by activity", severalTimes, Sheet::ByActivity, none, none,
            "export_several_times_by_activity.csv");
        row("by activity, days beyond a day's minutes",
            "02/03/2026, 1500,Réunion,\r\n03/03/2026, -10,Réunion,\r\n"
            "04/03/2026, 1440,Réunion,\r\n",
            Sheet::ByActivity, none, none, "export_by_activity_beyond_a_day.csv");
        row("formula names",
            "02/03/2026, 30,=HYPERLINK(\"http://x\";\"y\"),\r\n02/03/2026, -10,-1+1,\r\n",
            Sheet::ByDate, march(2), march(2), "export_formula_names.csv");
        row("time sheet, empty period", log, Sheet::Time, march(10), march(11),
            "timesheet_empty_period.csv");
        row("time sheet, single day", log, Sheet::Time, march(3), march(3),
            "timesheet_single_day.csv");
        row("time sheet, several times a day", severalTimes, Sheet::Time, march(2), march(3),
            "timesheet_several_times.csv");
        row("time sheet, change of year",
            "01/01/2027, 30,B,\r\n31/12/2026, 60,A,\r\n02/01/2027, 30,A,\r\n30/12/2026, 5,C,\r\n",
            Sheet::Time, QDate(2026, 12, 31), QDate(2027, 1, 1), "timesheet_change_of_year.csv");
        row("time sheet, 400 days",
            "04/02/2027, 20,A,\r\n15/06/2026, 5,B,\r\n01/01/2026, 10,A,\r\n05/02/2027, 20,A,\r\n",
            Sheet::Time, QDate(2026, 1, 1), QDate(2027, 2, 4), "timesheet_400_days.csv");
    }
    void spreadsheets()
    {
        QFETCH(QByteArray, journal);
        QFETCH(Sheet, sheet);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const Statistics stats = loaded(journal);
        QFETCH(QString, golden);
        QByteArray written;
        if (sheet == Sheet::ByDate)
            written = exportByDate(stats, from, to);
        else if (sheet == Sheet::ByActivity)
            written = exportByActivity(stats, activityNamed(stats, QStringLiteral("Réunion")));
        else
            written = exportTimeSheet(timeSheet(stats, from, to));
        QCOMPARE(written, qm::stats::test::golden(golden));
    }

    // A proposed name fits in a file name with its suffix (255 bytes of UTF-8), cut after a whole
    // character.
    void names_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QString>("name");
        const QString caption = QStringLiteral("Quillmere - ");
        QTest::newRow("300 \"é\"") << QString(300, u'é') << caption + QString(119, u'é');
        QTest::newRow("emoji not split")
            << QString(60, u'a') + QString::fromUtf8("👍").repeated(50)
            << caption + QString(60, u'a') + QString::fromUtf8("👍").repeated(44);
        QTest::newRow("accent not split")
            << QString(238, u'a') + QString::fromUtf8("e\u0301") << caption + QString(238, u'a');
        QTest::newRow("path and control characters") << "a/b\\c:d*e?f\"g<h>i|j\tk"
                                                     << "Quillmere - a_b_c_d_e_f_g_h_i_j_k";
    }
    void names()
    {
        QFETCH(QString, activity);
        QTEST(byActivityExportName(activity), "name");
        QCOMPARE(byDateExportName(march(2), march(31)), "Quillmere du 02-03-2026 au 31-03-2026");
    }

    // The document starts with its byte order mark, then one CR LF line per row; a field with a
    // line break is quoted. The spreadsheets' files above hold the other cases: ";" and quotes
    // in French names, a French decimal comma and an English name's ";" left bare.
    void fields()
    {
        QCOMPARE(spreadsheetBytes({ { "a\nb", "c\rd" } }, kFrenchNumbers),
            "\xEF\xBB\xBF\"a\nb\";\"c\rd\"\r\n");
    }

    // What spreadsheets would run as a formula gets an apostrophe before it; other text is kept.
    void textCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        for (const char *formula : { "=HYPERLINK(\"x\")", "+1", "-1", "@SUM(A1)", "\tx", "\rx" })
            QTest::newRow(formula) << formula << QString(u'\'' + QString(formula));
        for (const char *kept : { "a=b-c", "" })
            QTest::addRow("kept: \"%s\"", kept) << kept << QString(kept);
    }
    void textCells()
    {
        QFETCH(QString, text);
        QTEST(textCell(text), "cell");
    }
};

QTEST_GUILESS_MAIN(ReportsTest)
#include "reports_test.moc"
