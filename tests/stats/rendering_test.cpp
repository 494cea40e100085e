#include "rig.h"
#include "stats/core/by_date.h"
#include "stats/ui/by_activity_window.h"
#include "stats/ui/by_date_window.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QLabel>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(210, 210, 210);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QColor slice(int index)
{
    return sliceColours()[std::size_t(index)];
}

struct Probe
{
    QPoint at;
    QColor colour;
};

struct Surface : ReportWindows
{
    explicit Surface(const QList<Entry> &entries)
        : ReportWindows(journalOf(entries))
    { }

    QImage pie(QDate from, QDate to)
    {
        byDate().showReportByDate(from, to);
        return byDate().surface()->grab().toImage();
    }

    QImage bars(std::int32_t activity)
    {
        byActivity().showReportByActivity(activity);
        return byActivity().surface()->grab().toImage();
    }
};

void checkProbes(const QImage &image, const QList<Probe> &probes)
{
    for (const Probe &p : probes) {
        const QColor seen = image.pixelColor(p.at);
        if (seen != p.colour)
            QFAIL(qPrintable(QStringLiteral("(%1, %2) is %3, not %4")
                                 .arg(p.at.x())
                                 .arg(p.at.y())
                                 .arg(seen.name(), p.colour.name())));
    }
}

} // namespace

Q_DECLARE_METATYPE(QList<Probe>)

class RenderingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void pie_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QList<Probe>>("probes");
        const QPoint centre(590, 320);
        // Half, then two quarters, counter-clockwise from 12 o'clock.
        QTest::newRow("three slices")
            << march(1)
            << QList<Probe> { { centre + QPoint(-70, -20), slice(1) },
                   { centre + QPoint(-70, 20), slice(1) }, { centre + QPoint(50, 50), slice(2) },
                   { centre + QPoint(50, -50), slice(3) }, { centre + QPoint(150, 0), kWhite } };
        // One activity only: a full disc, with nothing left of the pie drawn before.
        QTest::newRow("one activity") << march(0)
                                      << QList<Probe> { { centre + QPoint(50, 50), slice(1) },
                                             { centre + QPoint(50, -50), slice(1) } };
    }
    void pie()
    {
        QFETCH(QDate, from);
        QFETCH(QList<Probe>, probes);
        Surface s({ { march(0), 10, "z" }, { march(1), 50, "a" }, { march(1), 25, "b" },
            { march(1), 25, "c" } });
        s.pie(march(0), march(1));
        checkProbes(s.pie(from, from), probes);
    }

    void legendShowsSliceColours()
    {
        Surface s({ { march(1), 60, "a" }, { march(1), 30, "b" }, { march(1), 6, "c" },
            { march(1), 3, "d" }, { march(1), 1, "e" } });
        const QImage image = s.pie(march(1), march(1));
        for (int k = 0; k < 5; ++k) {
            auto *label = s.byDate().findChild<QLabel *>(QStringLiteral("lblFlxPercent_%1").arg(k));
            QVERIFY(label);
            const QRect at = label->geometry();
            // Inside the border, clear of the centred text.
            QCOMPARE(
                image.pixelColor(at.left() + 3, at.center().y()), k < 4 ? slice(k + 1) : kWhite);
        }
        // The others slice closes the circle just before 12 o'clock, after the third one.
        QCOMPARE(image.pixelColor(590 - 8, 320 - 120), slice(1));
        QCOMPARE(image.pixelColor(590 + 8, 320 - 120), slice(4));
        QCOMPARE(image.pixelColor(590 + 40, 320 - 120), slice(3));
    }

    void bars_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QList<Probe>>("probes");
        QTest::newRow("ten days") << QList<Entry> { { march(1), 60, "a" }, { march(5), 120, "b" },
            { march(10), 30, "b" }, { march(10), 30, "a" } }
                                  << QList<Probe> { { { 80 + 29, 519 }, kRed },
                                         { { 80 + 29, 520 - 149 }, kRed },
                                         { { 80 + 29, 520 - 152 }, kWhite }, { { 138, 510 }, kRed },
                                         { { 139, 510 }, kWhite },
                                         { { 80 + 240 + 29, 221 }, kGrey },
                                         { { 80 + 240 + 29, 218 }, kWhite },
                                         { { 80 + 540 + 29, 520 - 100 }, kGrey },
                                         { { 78, 300 }, kBlack }, { { 300, 522 }, kBlack } };
        // Over 4800 days: ten days to a bar of one pixel.
        const QDate first(2024, 1, 1);
        QTest::newRow("sixteen years")
            << QList<Entry> { { first, 100, "a" }, { first.addDays(3000), 100, "b" },
                   { first.addDays(5999), 100, "a" } }
            << QList<Probe> { { { 80, 519 }, kRed }, { { 380, 519 }, kGrey },
                   { { 381, 519 }, kWhite }, { { 679, 519 }, kRed }, { { 680, 519 }, kWhite } };
    }
    void bars()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(QList<Probe>, probes);
        Surface s(entries);
        // A report on another activity first: it must leave nothing behind.
        s.bars(1);
        checkProbes(s.bars(0), probes);
    }
};

QTEST_MAIN(RenderingTest)
#include "rendering_test.moc"
