#include "language/ui_language.h"
#include "stats/core/time_sheet.h"
#include "stats/ui/frozen_column_view.h"
#include "stats/ui/time_sheet_printer.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QScrollBar>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::findWidget;

namespace {

// The report by date of the first week of March, and its sheet opened from Feuille de temps.
struct OpenSheet
{
    OpenSheet()
        : windows(golden("export.log"))
    {
        windows.byDate().showReportByDate(march(2), march(8));
        QTest::mouseClick(
            findWidget<QPushButton>(&windows.byDate(), "cmdTimeSheet"), Qt::LeftButton);
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == u"frmTimeSheet" && top->isVisible())
                window = top;
        if (window)
            grid = findWidget<FrozenColumnView>(window, "grdSheet");
    }
    QString heading(int column) const
    {
        return grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    ReportWindows windows;
    QWidget *window = nullptr;
    FrozenColumnView *grid = nullptr;
};

// The drawings of a PDF's pages, inflated: the streams that start with a graphics state.
QList<QByteArray> pageStreams(const QByteArray &pdf)
{
    QList<QByteArray> streams;
    for (qsizetype at = pdf.indexOf(">>\nstream\n"); at >= 0;
         at = pdf.indexOf(">>\nstream\n", at)) {
        at += 10;
        qsizetype end = pdf.indexOf("endstream", at);
        if (end < 0)
            break;
        const qsizetype object = pdf.lastIndexOf(" obj", at);
        if (!pdf.sliced(object, at - object).contains("/FlateDecode")) {
            at = end;
            continue;
        }
        // qUncompress takes the size first, as a hint it grows from.
        QByteArray packed("\x00\x10\x00\x00", 4);
        packed += pdf.sliced(at, end - at).trimmed();
        const QByteArray drawing = qUncompress(packed);
        if (drawing.startsWith("/GSa"))
            streams.append(drawing);
        at = end;
    }
    return streams;
}

} // namespace

// The time sheet window over the report by date, in both languages, and its printed pages.
class TimeSheetWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

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
        QTest::mouseClick(findWidget<QPushButton>(s.window, "cmdExport"), Qt::LeftButton);
        QCOMPARE(s.windows.notice.proposed.last().section(u'/', -1),
            "Quillmere feuille de temps du 02-03-2026 au 08-03-2026.csv");
        const QByteArray csv = qm::test::readBytes(path);
        QVERIFY2(csv.endsWith("\r\nTotal;90;45;0;75;0;0;0;210\r\n"), csv.constData());
        QVERIFY(csv.contains("\r\nR\xC3\xA9union;45;0;0;30;0;0;0;75\r\n"));

        QTest::keyClick(s.window, Qt::Key_Escape);
        QVERIFY(!s.window->isVisible());
    }

    // A 30-day sheet prints on three landscape pages: 14 days, 14 days, then 2 with the totals.
    void thirtyDaysOnThreePages()
    {
        ReportWindows r(golden("export.log"));
        const TimeSheet sheet = timeSheet(r.stats, march(1), march(30));
        const std::vector<SheetPage> pages = sheetPages(sheet, kSheetDaysPerPage, 40);
        QCOMPARE(pages.size(), 3U);
        QCOMPARE(pages.back().firstDay, 28);
        QVERIFY(!pages.front().totalColumn && pages.back().totalColumn);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            QVERIFY(printTimeSheet(sheet, writer));
        }
        static const QRegularExpression kPage(QStringLiteral("/Type /Page\\b(?!s)"));
        QCOMPARE(QString::fromLatin1(pdf.data()).count(kPage), 3);
        // Each page's drawing fills the headings' cells with their colour.
        static const QRegularExpression kHeading(
            QStringLiteral("0\\.78\\d* 0\\.84\\d* 0\\.90\\d* scn"));
        QList<int> headingsPerPage;
        for (const QByteArray &stream : pageStreams(pdf.data()))
            headingsPerPage.append(int(QString::fromLatin1(stream).count(kHeading)));
        // The activity, the weekdays of the page (its weekend days are shaded), the total.
        QCOMPARE(headingsPerPage, QList<int>({ 11, 11, 3 }));
        static const QRegularExpression kBox(
            QStringLiteral("/MediaBox \\[0 0 ([\\d.]+) ([\\d.]+)\\]"));
        const auto media = kBox.match(QString::fromLatin1(pdf.data()));
        QVERIFY(media.hasMatch());
        QVERIFY(media.captured(1).toDouble() > media.captured(2).toDouble());
    }

    // In English, the weekdays and the title are English ones; the dates stay as they are.
    void english()
    {
        QVERIFY(qm::installTranslations(QStringLiteral("qmstat"), QStringLiteral("en")));
        OpenSheet s;
        QVERIFY(s.window);
        QCOMPARE(s.window->windowTitle(), "Quillmere - Time sheet from 02/03/2026 to 08/03/2026");
        QCOMPARE(findWidget<QPushButton>(&s.windows.byDate(), "cmdTimeSheet")->text().remove(u'&'),
            "Time sheet");
        QCOMPARE(QStringList({ s.heading(0), s.heading(1), s.heading(8) }),
            QStringList({ "Activity", "Mon 02/03", "Total" }));
        QVERIFY(QTest::qWaitForWindowExposed(s.window));
        QCOMPARE(qm::test::clippedTexts(s.window), QStringList());
        QCOMPARE(qm::test::clippedTexts(&s.windows.byDate()), QStringList());
    }
};

QTEST_MAIN(TimeSheetWindowTest)
#include "time_sheet_window_test.moc"
