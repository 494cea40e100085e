#include "stats/core/qmstat.h"
#include "stats/core/report_export.h"
#include "tests/support/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace qm::stats;
using qm::test::readBytes;

namespace {

// The journal of tests/data/stats/export.log, loaded as QMStat loads its own.
class ExportRig
{
public:
    ExportRig()
    {
        const QByteArray journal = readBytes(QFINDTESTDATA("../data/stats/export.log"));
        QVERIFY(!journal.isEmpty());
        QVERIFY(qm::test::writeBytes(m_dir.filePath("Quillmere.log"), journal));
        stats.load(m_dir.path());
        QCOMPARE(stats.entryCount(), 6);
    }
    std::int32_t activity(const QString &name) const
    {
        for (std::size_t i = 0; i < stats.activities().size(); ++i) {
            if (stats.activities()[i].name == name)
                return std::int32_t(i);
        }
        return -1;
    }

    QMstat stats;

private:
    QTemporaryDir m_dir;
};

QDate march(int day)
{
    return QDate(2026, 3, day);
}

} // namespace

class ReportExportTest : public QObject
{
    Q_OBJECT

private slots:
    // Names with ";" and a quote, equal totals in the order they first appear, an activity
    // first seen on a later day, a single day, a period without entries.
    void byDate_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("golden");
        QTest::newRow("whole span") << march(2) << march(5) << "export_by_date.csv";
        QTest::newRow("single day") << march(3) << march(3) << "export_single_day.csv";
        QTest::newRow("empty period") << march(10) << march(12) << "export_empty_period.csv";
    }
    void byDate()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, golden);
        ExportRig rig;
        const QByteArray expected = readBytes(QFINDTESTDATA("../data/stats/" + golden));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(exportByDate(rig.stats, from, to), expected);
    }

    // Every day of the activity's span is a line, those without it at 0.
    void byActivity()
    {
        ExportRig rig;
        const QByteArray expected
            = readBytes(QFINDTESTDATA("../data/stats/export_by_activity.csv"));
        QVERIFY(!expected.isEmpty());
        QCOMPARE(exportByActivity(rig.stats, rig.activity(QStringLiteral("Réunion"))), expected);
    }

    void names_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Réunion"
                               << "Quillmere - Réunion";
        QTest::newRow("path characters") << "a/b\\c:d*e?f\"g<h>i|j"
                                         << "Quillmere - a_b_c_d_e_f_g_h_i_j";
        QTest::newRow("control character") << "a\tb"
                                           << "Quillmere - a_b";
    }
    void names()
    {
        QFETCH(QString, activity);
        QTEST(byActivityExportName(activity), "name");
        QCOMPARE(byDateExportName(march(2), march(31)), "Quillmere du 02-03-2026 au 31-03-2026");
    }
};

QTEST_GUILESS_MAIN(ReportExportTest)
#include "report_export_test.moc"
