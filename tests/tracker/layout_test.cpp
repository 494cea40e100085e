#include "tests/support/locale.h"
#include "window_rig.h"

#include "journal/text_formats.h"
#include "tracker/ui/start_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>

using namespace qm;
using namespace qm::test;

namespace {

// Names the labels of the window whose text does not fit in them as they are laid out.
QStringList clippedLabels(QWidget *window)
{
    QStringList clipped;
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        const QFontMetrics metrics = label->fontMetrics();
        const bool fits = label->wordWrap()
            ? label->heightForWidth(room.width()) <= room.height()
            : metrics.horizontalAdvance(label->text()) <= room.width()
                && metrics.height() <= room.height();
        if (!fits)
            clipped.append(label->text());
    }
    return clipped;
}

} // namespace

// The main window at its smallest size, with the fonts this machine has.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void nothingClippedAtTheSmallestSize_data()
    {
        QTest::addColumn<int>("total");
        QTest::newRow("an hour") << 65;
        QTest::newRow("a long day") << 1439;
        QTest::newRow("just under 99 hours") << 5939;
        QTest::newRow("past 99 hours") << 99999;
    }
    void nothingClippedAtTheSmallestSize()
    {
        QFETCH(int, total);
        Program program;
        writeBytes(program.file("Quillmere.log"),
            "05/12/2026, " + QByteArray::number(total) + ",Dossiers,\r\n");
        clickInNextModal("cmdCont", program.windows.startWindow());
        program.startNormally();
        MainWindow *main = program.main();
        main->updateFromState();
        // At once, before the layout could take the new texts into account.
        main->resize(1, 1);
        QTRY_COMPARE(main->size(), main->minimumSize());
        QCOMPARE(child<QLabel>(main, "lblDayDuration")->text(), dayTotalText(total));
        QCOMPARE(clippedLabels(main), QStringList());
    }

    void gridScrollsSidewaysOnlyWhenNeeded()
    {
        Program program;
        program.startNormally();
        MainWindow *main = program.main();
        auto *grid = child<QTableView>(main, "grdHistorique");
        const int columns = grid->horizontalHeader()->length();
        main->resize(columns + 200, 600);
        QTRY_VERIFY(grid->viewport()->width() >= columns);
        QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
        main->resize(1, 600);
        QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
        QVERIFY(grid->viewport()->width() < columns);
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
