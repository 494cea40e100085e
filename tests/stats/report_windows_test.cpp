#include "stats/core/by_date.h"
#include "stats/core/time_sheet.h"
#include "stats/ui/report_printer.h"
#include "stats/ui/time_sheet_printer.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"
#include "tests/support/small_disk.h"
#include "tests/support/test_conditions.h"
#include "window_rig.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolTip>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::readBytes;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(210, 210, 210);
const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);

QColor slice(int index)
{
    return sliceColours()[std::size_t(index)];
}

// The surface of each report as drawn.
QImage pieChart(ReportWindows &w, QDate from, QDate to)
{
    w.byDate().showReportByDate(from, to);
    return w.byDate().surface()->grab().toImage();
}
QImage barChart(ReportWindows &w, std::int32_t activity)
{
    w.byActivity().showReportByActivity(activity);
    return w.byActivity().surface()->grab().toImage();
}

// What the surface's tooltip says at the point.
QString toolTipAt(QWidget *surface, QPoint at)
{
    QHelpEvent help(QEvent::ToolTip, at, surface->mapToGlobal(at));
    QCoreApplication::sendEvent(surface, &help);
    return QToolTip::text();
}

// A PDF of that many landscape pages, as printing and exporting make.
void checkLandscapePages(const QByteArray &pdf, int pages)
{
    QVERIFY(pdf.startsWith("%PDF-"));
    static const QRegularExpression kPage(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    QCOMPARE(QString::fromLatin1(pdf).count(kPage), pages);
    // Read from the PDF's text, without a PDF library: "/MediaBox [0 0 width height]".
    static const QRegularExpression kBox(
        QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([\\d.]+)\\s+([\\d.]+)"));
    const QRegularExpressionMatch m = kBox.match(QString::fromLatin1(pdf));
    QVERIFY(m.hasMatch());
    QVERIFY2(m.captured(1).toDouble() > m.captured(2).toDouble(), "the page is not in landscape");
}

// Each point of the image in its colour.
void checkProbes(const QImage &image, const QList<std::pair<QPoint, QColor>> &probes)
{
    for (const auto &[at, colour] : probes) {
        const QColor seen = image.pixelColor(at);
        if (seen != colour)
            QFAIL(qPrintable(QString::asprintf("(%d, %d) is ", at.x(), at.y()) + seen.name()
                + ", not " + colour.name()));
    }
}

// The drawings of a PDF's pages, inflated: the streams that start with a graphics state.
QList<QByteArray> pageStreams(const QByteArray &pdf)
{
    static const QRegularExpression kStream(
        QStringLiteral("/FlateDecode[^>]*>>\\nstream\\n(.*?)endstream"),
        QRegularExpression::DotMatchesEverythingOption);
    QList<QByteArray> streams;
    for (const QRegularExpressionMatch &m : kStream.globalMatch(QString::fromLatin1(pdf))) {
        // qUncompress takes the size first, as a hint it grows from.
        const QByteArray drawing
            = qUncompress(QByteArray("\x00\x10\x00\x00", 4) + m.captured(1).toLatin1().trimmed());
        if (drawing.startsWith("/GSa"))
            streams.append(drawing);
    }
    return streams;
}

} // namespace

// The disk an export goes to: as it is, one with room for the earlier file's size only, a small
// real one nearly full, or one where "<target>.part" is a link to another file.
enum class Disk { Plain, Limited, Tmpfs, PartLink };
Q_DECLARE_METATYPE(Disk)

// The report windows: what their surfaces draw, and the files they write (the spreadsheet and the
// PDF of Exporter, the PDF that Imprimer writes on a machine without a printer); the time sheet
// window over the report by date, and its printed pages.
class ReportWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The slices counter-clockwise from 12 o'clock, the others slice closing the circle just before
    // it, each legend row in its slice's colour; then one activity only: a full disc, with nothing
    // left of the pie drawn before.
    void pie()
    {
        ReportWindows w(
            journalOf({ { march(0), 10, "z" }, { march(1), 60, "a" }, { march(1), 30, "b" },
                { march(1), 6, "c" }, { march(1), 3, "d" }, { march(1), 1, "e" } }));
        const QPoint centre(590, 320);
        pieChart(w, march(0), march(1));
        const QImage image = pieChart(w, march(1), march(1));
        checkProbes(image,
            { { centre + QPoint(-70, -20), slice(1) }, { centre + QPoint(-70, 20), slice(1) },
                { centre + QPoint(50, 50), slice(2) }, { centre + QPoint(50, -50), slice(2) },
                { centre + QPoint(150, 0), kWhite }, { centre + QPoint(40, -120), slice(3) },
                { centre + QPoint(8, -120), slice(4) }, { centre + QPoint(-8, -120), slice(1) } });
        for (int k = 0; k < 5; ++k) {
            const QString percent = QStringLiteral("lblFlxPercent_%1").arg(k);
            const QRect at = qm::test::findWidget<QLabel>(&w.byDate(), percent)->geometry();
            // Inside the border, clear of the centred text.
            QCOMPARE(
                image.pixelColor(at.left() + 3, at.center().y()), k < 4 ? slice(k + 1) : kWhite);
        }
        QCOMPARE(toolTipAt(w.byDate().surface(), centre + QPoint(-70, -20)), "a : 1 h 00 (60 %)");
        checkProbes(pieChart(w, march(0), march(0)),
            { { centre + QPoint(50, 50), slice(1) }, { centre + QPoint(50, -50), slice(1) } });
    }

    void bars()
    {
        ReportWindows w(journalOf({ { march(1), 60, "a" }, { march(5), 120, "b" },
            { march(10), 30, "b" }, { march(10), 30, "a" } }));
        // A report on another activity first: it must leave nothing behind.
        barChart(w, 1);
        checkProbes(barChart(w, 0),
            { { { 80 + 29, 519 }, kRed }, { { 80 + 29, 520 - 149 }, kRed },
                { { 80 + 29, 520 - 152 }, kWhite }, { { 138, 510 }, kRed },
                { { 139, 510 }, kWhite }, { { 80 + 240 + 29, 221 }, kGrey },
                { { 80 + 240 + 29, 218 }, kWhite }, { { 80 + 540 + 29, 520 - 100 }, kGrey },
                { { 78, 300 }, kBlack }, { { 300, 522 }, kBlack } });
        QCOMPARE(toolTipAt(w.byActivity().surface(), { 80 + 29, 500 }),
            "01/03/2026 : 1 h 00 (journée : 1 h 00)");
    }

    // Exporter's PDF and Imprimer's are the same page: one landscape page, its text the title,
    // the figures and the names, a name the window cuts short written whole. The spreadsheets the
    // window writes are those of english_test's reports.
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
            QM_SKIP("a printer is installed: printing would use paper");
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (program.isEmpty())
            QM_SKIP("pdftotext is not installed (poppler-utils)");
        const QString name = QStringLiteral("Réunion de préparation du budget annuel avec le "
                                            "service comptable et la direction des équipes");
        ShownReports s(journalOf({ { march(2), 45, name },
                           { march(2), 30, QStringLiteral("Appel") }, { march(4), 15, name } }),
            name);
        auto *shown = qm::test::findWidget<QLabel>(&s.byDate(), QStringLiteral("lblFlxAct_0"));
        QVERIFY(shown->text().endsWith(u'…'));
        QVERIFY(shown->toolTip().contains(name));
        const QString path = s.folder.file(fileName);
        if (printed)
            s.press(byActivity, QStringLiteral("cmdPrint"));
        else
            s.exportTo(byActivity, path, true);

        checkLandscapePages(readBytes(path), 1);
        QVERIFY(!QFile::exists(path + ".part"));
        QVERIFY(s.notice.warned.isEmpty());
        QCOMPARE(s.notice.informed.size(), 1);
        QVERIFY(s.notice.informed.front().contains(QDir::toNativeSeparators(path)));
        QVERIFY(!QGuiApplication::overrideCursor());
        QProcess text;
        text.start(program, { path, QStringLiteral("-") });
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        const auto figure = [&](const char *label) {
            return qm::test::findWidget<QLabel>(&s.report(byActivity), QString(label))->text();
        };
        for (const QString &expected : { QStringLiteral("Dupont - 07/12/2026"), name,
                 figure("lblDU"), figure(byActivity ? "lblPC" : "lblNE") })
            QVERIFY2(
                page.contains(expected.simplified()), qPrintable(expected + " not in: " + page));
    }

    // Where an export can go wrong: the earlier file keeps its bytes and the message says why,
    // never that the report was exported; a planted "<target>.part" link is not written through;
    // a name typed without its suffix is asked about under its final name; a name proposed for a
    // long activity fits in a file name, and replaces an earlier export of that name. A cancelled
    // dialog writes nothing.
    void exportPaths_data()
    {
        QTest::addColumn<bool>("pdf");
        QTest::addColumn<QString>("typed"); // empty: the proposed name
        QTest::addColumn<Disk>("disk");
        QTest::addColumn<bool>("replace"); // the answer to the question about an earlier file
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("error"); // in the message; 0: the export is written
        QTest::newRow("csv, full disk") << false << "r.csv" << Disk::Limited << true << 0 << EFBIG;
        QTest::newRow("pdf, full disk") << true << "r.pdf" << Disk::Limited << true << 0 << EFBIG;
        QTest::newRow("pdf, nearly full tmpfs")
            << true << "r.pdf" << Disk::Tmpfs << true << 0 << ENOSPC;
        QTest::newRow("missing folder")
            << true << "none/r.pdf" << Disk::Plain << true << 0 << ENOENT;
        QTest::newRow("pdf over a planted .part link")
            << true << "r.pdf" << Disk::PartLink << true << 0 << 0;
        QTest::newRow("no suffix, not replaced") << false << "r" << Disk::Plain << false << 1 << 0;
        QTest::newRow("no suffix, replaced") << true << "r" << Disk::Plain << true << 1 << 0;
        QTest::newRow("300 \"é\"") << false << "" << Disk::Plain << true << 0 << 0;
        QTest::newRow("300 \"é\", full disk") << false << "" << Disk::Limited << true << 0 << EFBIG;
    }
    void exportPaths()
    {
        QFETCH(bool, pdf);
        QFETCH(QString, typed);
        QFETCH(Disk, disk);
        QFETCH(int, error);
        const QString longName(300, u'é');
        ReportWindows w("02/03/2026, 30,Réunion,\r\n02/03/2026, 20," + longName.toUtf8() + ",\r\n");
        w.byDate().showReportByDate(march(2), march(2));
        w.byActivity().showReportByActivity(activityNamed(w.stats, longName));
        QFETCH(bool, replace);
        w.notice.replace = replace;
        w.press(typed.isEmpty(), "cmdExport");
        QCOMPARE(w.notice.proposed.size(), 1);
        QVERIFY(w.notice.informed.isEmpty() && w.notice.warned.isEmpty());
        const QString proposed = QFileInfo(w.notice.proposed.first()).fileName();
        QVERIFY(proposed.toUtf8().size() <= 255);

        QTemporaryDir dir;
        std::optional<qm::test::SmallDisk> small;
        if (disk == Disk::Tmpfs) {
            small.emplace(dir.path());
            if (!small->mounted())
                QM_SKIP("no small disk can be mounted here (only root may mount one)");
        }
        const QString path = dir.filePath(typed.isEmpty() ? proposed : typed);
        const QString final
            = path.endsWith(pdf ? ".pdf" : ".csv") ? path : path + (pdf ? ".pdf" : ".csv");
        const QByteArray old(16, 'o');
        QVERIFY(typed.contains('/') || qm::test::writeBytes(final, old));
        const QString victim = dir.filePath("victim");
        if (disk == Disk::PartLink)
            QVERIFY(qm::test::writeBytes(victim, "victim") && QFile::link(victim, final + ".part"));
        if (disk == Disk::Tmpfs) {
            // Full, then a little room again: a part of a PDF fits in it, the whole does not.
            QVERIFY(small->fill(dir.filePath("filler")));
            QFile filler(dir.filePath("filler"));
            QVERIFY(filler.resize(filler.size() - 8192));
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::System);
        w.notice.exportChoice = ExportChoice { path, pdf };
        if (disk == Disk::Limited)
            qm::test::runFailingWrite(qm::test::WriteFailure::DiskFull, dir,
                QFileInfo(final).fileName(), [&](const QString &) {
                    w.press(typed.isEmpty(), "cmdExport");
                    return true;
                });
        else
            w.press(typed.isEmpty(), "cmdExport");

        QTEST(int(w.notice.replaceAsked.size()), "questions");
        QVERIFY(w.notice.replaceAsked.isEmpty() || w.notice.replaceAsked.first() == final);
        const bool exported = error == 0 && w.notice.replace;
        const QStringList &said = error == 0 ? w.notice.informed : w.notice.warned;
        QCOMPARE(said.size(), int(exported || error != 0));
        QCOMPARE((error == 0 ? w.notice.warned : w.notice.informed).size(), 0);
        if (error != 0) {
            QVERIFY2(said.first().contains(u"L'export a échoué")
                    && said.first().contains(QString::fromLocal8Bit(std::strerror(error))),
                qPrintable(said.first()));
            QCOMPARE(readBytes(final), typed.contains('/') ? QByteArray() : old);
        } else if (exported) {
            QVERIFY(said.first().contains(QDir::toNativeSeparators(final)));
            QVERIFY(!QFileInfo(final).isSymLink());
            QVERIFY(readBytes(final).startsWith(pdf ? "%PDF-" : "\xEF\xBB\xBF"));
        } else {
            QCOMPARE(readBytes(final), old);
        }
        QStringList after = before;
        if (exported && !before.contains(QFileInfo(final).fileName()))
            after.append(QFileInfo(final).fileName());
        after.sort();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System), after);
        QCOMPARE(readBytes(victim), disk == Disk::PartLink ? QByteArray("victim") : QByteArray());
        QVERIFY(disk != Disk::PartLink || QFileInfo(final + ".part").symLinkTarget() == victim);
    }

    // The period's days as columns with their weekday, the weekend shaded, the activity column
    // held in place while the days scroll under it, the export's figures, Escape.
    void sheetOfTheReportsPeriod()
    {
        OpenSheet s;
        QVERIFY(s.window);
        QCOMPARE(
            s.window->windowTitle(), "Quillmere - Feuille de temps du 02/03/2026 au 08/03/2026");
        QCOMPARE(QStringList({ s.heading(0), s.heading(1), s.heading(7), s.heading(8) }),
            QStringList({ "Activité", "lun. 02/03", "dim. 08/03", "Total" }));
        const QAbstractItemModel *model = s.grid->model();
        QCOMPARE(model->index(1, 1).data().toString() + u'|' + model->index(1, 2).data().toString()
                + u'|' + model->index(4, 8).data().toString(),
            "0 h 45||3 h 30");
        QVERIFY(!model->index(0, 1).data(Qt::BackgroundRole).isValid());
        QVERIFY(model->index(0, 6).data(Qt::BackgroundRole).isValid());

        s.window->resize(300, 300);
        QVERIFY(QTest::qWaitForWindowExposed(s.window));
        QTableView *frozen = s.grid->frozenView();
        const QPoint held = frozen->mapTo(s.window, QPoint());
        s.grid->horizontalScrollBar()->setValue(s.grid->horizontalScrollBar()->maximum());
        QVERIFY(s.grid->horizontalScrollBar()->value() > 0);
        QCOMPARE(frozen->mapTo(s.window, QPoint()), held);
        QVERIFY(frozen->isVisible() && !frozen->isColumnHidden(0) && frozen->isColumnHidden(1));
        QCOMPARE(frozen->columnWidth(0), s.grid->columnWidth(0));

        // Exporter writes the report's figures, a line of totals last.
        const QString path = s.windows.folder.file("feuille.csv");
        s.windows.notice.exportChoice = ExportChoice { path, false };
        clickButton(s.window, "cmdExport");
        QCOMPARE(s.windows.notice.proposed.last().section(u'/', -1),
            "Quillmere feuille de temps du 02-03-2026 au 08-03-2026.csv");
        const QByteArray csv = qm::test::readBytes(path);
        QVERIFY2(csv.endsWith("\r\nTotal;90;45;0;75;0;0;0;210\r\n"), csv.constData());

        QTest::keyClick(s.window, Qt::Key_Escape);
        QVERIFY(!s.window->isVisible());
    }

    // A 30-day sheet prints on three landscape pages: 14 days, 14 days, then 2 with the totals.
    void thirtyDaysOnThreePages()
    {
        ReportWindows r(golden("export.log"));
        const TimeSheet sheet = timeSheet(r.stats, march(1), march(30));
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            QVERIFY(printTimeSheet(sheet, writer));
        }
        checkLandscapePages(pdf.data(), 3);
        // Each page's drawing fills the headings' cells with their colour.
        static const QRegularExpression kHeading(
            QStringLiteral("0\\.78\\d* 0\\.84\\d* 0\\.90\\d* scn"));
        QList<int> headingsPerPage;
        for (const QByteArray &stream : pageStreams(pdf.data()))
            headingsPerPage.append(int(QString::fromLatin1(stream).count(kHeading)));
        // The activity, the weekdays of the page (its weekend days are shaded), the total.
        QCOMPARE(headingsPerPage, QList<int>({ 11, 11, 3 }));
    }

    // The test stands for a machine without a printer, so that no page reaches a real one.
    void unwritablePrintIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(qm::test::writeBytes(dir.filePath("file"), {}));
        const QString path = dir.filePath("file/report.pdf");
        QWidget window;
        RecordingNotice notice;
        printPages(
            &window, [](QPagedPaintDevice &device) { return QPainter(&device).isActive(); }, path,
            notice, QPrinterInfo());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(notice.warned.size(), 1);
        QVERIFY(notice.informed.isEmpty());
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_MAIN(ReportWindowsTest)
#include "report_windows_test.moc"
