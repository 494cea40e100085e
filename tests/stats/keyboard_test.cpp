#include "rig.h"
#include "stats/ui/frm_by_activity.h"
#include "stats/ui/frm_by_date.h"
#include "stats/ui/frm_main.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QSet>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;

// Escape and the Alt letters in QMStat's windows.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qm::test::useFrenchLocale();
        QVERIFY(m_folder.writeJournal(journalOf(
            { { march(2), 100, "Achat" }, { march(3), 50, "Zèbre" }, { march(3), 30, "Achat" } })));
        m_stats = m_folder.load();
    }

    void escapeClosesTheReport_data()
    {
        QTest::addColumn<bool>("byDate");
        QTest::newRow("by date") << true;
        QTest::newRow("by activity") << false;
    }
    void escapeClosesTheReport()
    {
        QFETCH(bool, byDate);
        frmByDate dates(m_stats, m_clock, m_notice);
        frmByActivity activity(m_stats, m_clock, m_notice);
        QWidget *report = byDate ? static_cast<QWidget *>(&dates) : &activity;
        if (byDate)
            dates.ShowReportByDate(march(1), march(5));
        else
            activity.ShowReportByActivity(1);
        QVERIFY(QTest::qWaitForWindowActive(report));
        QTest::keyClick(report->findChild<QAbstractButton *>("cmdPrint"), Qt::Key_Escape);
        QVERIFY(!report->isVisible());
        QVERIFY(m_notice.warned.isEmpty());
    }

    void mnemonicsOfEachWindow()
    {
        frmMain main(m_stats, m_clock, m_notice);
        frmByDate dates(m_stats, m_clock, m_notice);
        frmByActivity activity(m_stats, m_clock, m_notice);
        for (QWidget *window : std::initializer_list<QWidget *> { &main, &dates, &activity }) {
            QSet<QKeySequence> taken;
            const auto buttons = window->findChildren<QAbstractButton *>();
            QVERIFY(!buttons.isEmpty());
            for (QAbstractButton *button : buttons) {
                const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
                const QString where = window->objectName() + u' ' + button->text();
                QVERIFY2(!mnemonic.isEmpty() && !taken.contains(mnemonic), qPrintable(where));
                taken.insert(mnemonic);
                QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name),
                    QString(button->text()).remove(u'&'));
            }
        }
    }

private:
    ProgramFolder m_folder;
    QMstat m_stats;
    FixedClock m_clock;
    RecordingNotice m_notice;
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
