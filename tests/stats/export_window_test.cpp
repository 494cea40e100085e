#include "rig.h"
#include "stats/ui/report_printer.h"
#include "tests/support/failing_io.h"
#include "tests/support/files.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QPrinterInfo>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::readBytes;

// The files the report windows write: the spreadsheet and the PDF of Exporter, the PDF that
// Imprimer writes on a machine without a printer.
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
        QFETCH(QString, golden);
        ShownReports s;
        const QString path = s.folder.file("figures.csv");
        s.exportTo(byActivity, path, false);
        QCOMPARE(s.notice.proposed.size(), 1);
        QTEST(QFileInfo(s.notice.proposed.first()).fileName(), "proposedName");
        QCOMPARE(readBytes(path), qm::stats::test::golden(golden));
        QCOMPARE(s.notice.informed.size(), 1);
        QVERIFY(s.notice.informed.first().contains(path));
        QVERIFY(s.notice.warned.isEmpty());
    }

    // Exporter's PDF and Imprimer's are the same page: one landscape page of the surface alone, put
    // in place whole.
    void pdf_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<bool>("printed");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("exported") << false << false << "rapport.pdf";
        QTest::newRow("printed by date") << false << true << "QMStat-dates.pdf";
        QTest::newRow("printed by activity") << true << true << "QMStat-activite.pdf";
    }
    void pdf()
    {
        QFETCH(bool, byActivity);
        QFETCH(bool, printed);
        QFETCH(QString, fileName);
        if (printed && !QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed: printing would use paper");
        ShownReports s;
        const QString path = s.folder.file(fileName);
        if (printed)
            s.press(byActivity, QStringLiteral("cmdPrint"));
        else
            s.exportTo(byActivity, path, true);

        checkOneLandscapePage(path);
        QVERIFY(!QFile::exists(path + ".part"));
        QVERIFY(s.notice.warned.isEmpty());
        QCOMPARE(s.notice.informed.size(), 1);
        QVERIFY(s.notice.informed.front().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QGuiApplication::overrideCursor());
        const QByteArray pdf = readBytes(path);
        const QSize surface = s.report(byActivity).surface()->size();
        QVERIFY(pdf.contains(QByteArray("/Width ") + QByteArray::number(surface.width())));
        QVERIFY(pdf.contains(QByteArray("/Height ") + QByteArray::number(surface.height())));
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
        ShownReports s;
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
        s.press(false, QStringLiteral("cmdExport"));
        QCOMPARE(s.notice.warned.size() + s.notice.informed.size(), 2);
    }

    // The test stands for a machine without a printer, so that no page reaches a real one.
    void unwritablePrintIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(qm::test::writeBytes(dir.filePath("file"), {}));
        const QString path = dir.filePath("file/report.pdf");
        QWidget surface;
        surface.resize(200, 100);
        RecordingNotice notice;
        printSurface(&surface, path, notice, QPrinterInfo());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(notice.warned.size(), 1);
        QVERIFY(notice.informed.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(ExportWindowTest)
#include "export_window_test.moc"
