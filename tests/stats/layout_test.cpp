#include "rig.h"
#include "stats/ui/frm_main.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QLabel>
#include <QStyle>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;

// QMStat's main window has one size: every caption and figure shows whole, inside its label
// and inside the frame that holds it, with the fonts this machine has.
class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void nothingClipped()
    {
        ProgramFolder folder;
        QVERIFY(folder.writeJournal(journalOf({ { march(2), 100000, "Achat" },
            { march(3), 50, "Zèbre" }, { QDate(2026, 12, 28), 30, "Achat" } })));
        const QMstat stats = folder.load();
        FixedClock clock;
        RecordingNotice notice;
        frmMain window(stats, clock, notice);
        window.FillActivityList();
        window.ShowOverallFigures();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList clipped;
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QFontMetrics metrics = label->fontMetrics();
            const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                QSize(metrics.horizontalAdvance(label->text()), metrics.height()),
                label->contentsRect());
            const QRect inParent = text.translated(label->pos());
            const QWidget *parent = label->parentWidget();
            if (!label->contentsRect().contains(text) || !parent->contentsRect().contains(inParent))
                clipped.append(label->text());
        }
        QCOMPARE(clipped, QStringList());
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
