#include "rig.h"
#include "stats/ui/frm_by_activity.h"
#include "stats/ui/frm_by_date.h"
#include "stats/ui/report_printer.h"
#include "tests/support/files.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::readBytes;

namespace { } // namespace

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // Without a printer the page goes to the file; a file that cannot be written is reported.
    // The test stands for a machine without a printer, so that no page reaches a real one.
    void unwritableOutputIsReported()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
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

    void printButtonWithoutPrinter_data()
    {
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("report by date") << true << "QMStat-dates.pdf";
        QTest::newRow("report by activity") << false << "QMStat-activite.pdf";
    }
    void printButtonWithoutPrinter()
    {
        QFETCH(bool, byDate);
        QFETCH(QString, fileName);
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed: printing would use paper");
        ProgramFolder folder;
        QVERIFY(folder.writeJournal(journalOf({ { QDate(2026, 3, 1), 50, "a" },
            { QDate(2026, 3, 1), 25, "b" }, { QDate(2026, 3, 4), 25, "a" } })));
        const QMstat stats = folder.load();
        FixedClock clock;
        RecordingNotice notice;
        std::unique_ptr<ReportWindow> window;
        if (byDate) {
            auto report = std::make_unique<frmByDate>(stats, clock, notice);
            report->ShowReportByDate(QDate(2026, 3, 1), QDate(2026, 3, 4));
            window = std::move(report);
        } else {
            auto report = std::make_unique<frmByActivity>(stats, clock, notice);
            report->ShowReportByActivity(0);
            window = std::move(report);
        }
        auto *print = window->findChild<QPushButton *>("cmdPrint");
        QVERIFY(print);
        QTest::mouseClick(print, Qt::LeftButton);

        const QString path = folder.file(fileName);
        checkOneLandscapePage(path);
        QVERIFY(notice.warned.isEmpty());
        QCOMPARE(notice.informed.size(), 1);
        QVERIFY(notice.informed.front().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QGuiApplication::overrideCursor());
        // The surface was printed, not the window with its buttons.
        const QByteArray pdf = readBytes(path);
        const QSize surface = window->surface()->size();
        QVERIFY(pdf.contains(QByteArray("/Width ") + QByteArray::number(surface.width())));
        QVERIFY(pdf.contains(QByteArray("/Height ") + QByteArray::number(surface.height())));
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
