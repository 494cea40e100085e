#include "rig.h"
#include "stats/core/qmstat.h"
#include "stats/ui/frm_by_activity.h"
#include "stats/ui/frm_by_date.h"
#include "tests/support/failing_io.h"
#include "tests/support/files.h"
#include "tests/support/locale.h"
#include "tests/support/widgets.h"
#include "window_rig.h"

#include <QPushButton>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::readBytes;

namespace {

QByteArray golden(const QString &name)
{
    return readBytes(QFINDTESTDATA("../data/stats/" + name));
}

// Both reports over tests/data/stats/export.log, each shown once, and Exporter pressed in them.
struct ExportSession : ReportWindows
{
    ExportSession()
        : ReportWindows(golden("export.log"), "User=Dupont\r\n")
    {
        byDate().ShowReportByDate(QDate(2026, 3, 2), QDate(2026, 3, 5));
        for (std::size_t i = 0; i < stats.activities().size(); ++i) {
            if (stats.activities()[i].name == u"Réunion")
                byActivity().ShowReportByActivity(std::int32_t(i));
        }
    }
    QWidget *report(bool byActivityReport)
    {
        return byActivityReport ? static_cast<QWidget *>(&byActivity()) : &byDate();
    }
    void exportTo(bool byActivityReport, const QString &path, bool pdf)
    {
        notice.exportChoice = ExportChoice { path, pdf };
        QTest::mouseClick(qm::test::findWidget<QPushButton>(report(byActivityReport), "cmdExport"),
            Qt::LeftButton);
    }
};

} // namespace

class ExportWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The spreadsheet file holds the report's figures; the dialog proposes the report's name.
    void spreadsheet_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QString>("proposedName");
        QTest::addColumn<QString>("golden");
        QTest::newRow("by date") << false << "Quillmere du 02-03-2026 au 05-03-2026.csv"
                                 << "export_by_date.csv";
        QTest::newRow("by activity") << true << "Quillmere - Réunion.csv"
                                     << "export_by_activity.csv";
    }
    void spreadsheet()
    {
        QFETCH(bool, byActivity);
        ExportSession s;
        const QString path = s.folder.file("figures.csv");
        s.exportTo(byActivity, path, false);
        QCOMPARE(s.notice.proposed.size(), 1);
        QFETCH(QString, proposedName);
        QCOMPARE(QFileInfo(s.notice.proposed.first()).fileName(), proposedName);
        QFETCH(QString, golden);
        QCOMPARE(readBytes(path), ::golden(golden));
        QCOMPARE(s.notice.informed.size(), 1);
        QVERIFY(s.notice.informed.first().contains(path));
        QVERIFY(s.notice.warned.isEmpty());
    }

    // The PDF is the page that Imprimer prints: one landscape page.
    void pdf()
    {
        ExportSession s;
        const QString path = s.folder.file("rapport.pdf");
        s.exportTo(false, path, true);
        qm::stats::test::checkOneLandscapePage(path);
        QVERIFY(!QFile::exists(path + ".part"));
        QCOMPARE(s.notice.informed.size(), 1);
    }

    // A file that cannot be written is said so; one already there keeps its bytes; a cancelled
    // dialog writes nothing.
    void failures_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::newRow("spreadsheet") << false;
        QTest::newRow("pdf") << true;
    }
    void failures()
    {
        QFETCH(bool, pdf);
        ExportSession s;
        const QString missing = s.folder.file("no-such-folder/figures.csv");
        s.exportTo(false, missing, pdf);
        QCOMPARE(s.notice.warned.size(), 1);
        QVERIFY(s.notice.warned.first().contains("n'a pas pu être écrit"));
        QVERIFY(s.notice.informed.isEmpty());

        const QString existing = s.folder.file("old.csv");
        QVERIFY(qm::test::writeBytes(existing, "old figures"));
        QTemporaryDir dir;
        qm::test::runFailingWrite(qm::test::WriteFailure::DiskFull, dir, "x", [&](const QString &) {
            s.exportTo(false, existing, pdf);
            return true;
        });
        QCOMPARE(readBytes(existing), QByteArray("old figures"));
        QCOMPARE(s.notice.warned.size(), 2);

        s.notice.exportChoice.reset();
        QTest::mouseClick(
            qm::test::findWidget<QPushButton>(&s.byDate(), "cmdExport"), Qt::LeftButton);
        QCOMPARE(s.notice.warned.size() + s.notice.informed.size(), 2);
    }
};

QTEST_MAIN(ExportWindowTest)
#include "export_window_test.moc"
