#include "recording_notice.h"
#include "stats/ui/frm_by_activity.h"
#include "stats/ui/frm_by_date.h"
#include "stats/ui/frm_main.h"
#include "stats_fixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace qm::stats;
using qm::stats::test::Entry;
using qm::stats::test::FixedClock;
using qm::stats::test::journalOf;
using qm::stats::test::march;
using qm::stats::test::ProgramFolder;
using qm::stats::test::RecordingNotice;

namespace {

const QList<Entry> kTenEntries { { march(2), 100, "réunion" }, { march(2), 50, "Zèbre" },
    { march(2), 30, "réunion" }, { march(3), 70, "Achat" }, { march(3), 40, "réunion" },
    { march(5), 60, "Zèbre" }, { march(5), 60, "Zèbre" }, { march(5), 40, "réunion" },
    { march(4), 50, "Achat" }, { march(4), 50, "réunion" } };

// The main window over a journal, filled as at start-up.
struct Session
{
    explicit Session(const QList<Entry> &entries)
    {
        folder.writeSettings("User=Dupont\r\n");
        if (!entries.isEmpty())
            folder.writeJournal(journalOf(entries));
        stats = folder.load();
        window = std::make_unique<frmMain>(stats, clock, notice);
        window->FillActivityList();
        window->ShowOverallFigures();
        window->show();
        window->activateWindow();
    }

    template<typename T> T *child(QObject *parent, const QString &name) const
    {
        T *found = parent->findChild<T *>(name);
        if (!found)
            qFatal("no %s", qPrintable(name));
        return found;
    }
    template<typename T> T *child(const QString &name) const
    {
        return child<T>(window.get(), name);
    }
    QString text(const QString &label) const { return child<QLabel>(label)->text(); }
    QString text(QObject *parent, const QString &label) const
    {
        return child<QLabel>(parent, label)->text();
    }

    void type(const QString &box, const QString &text) const
    {
        auto *edit = child<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(const QString &button) const
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    void clickIn(QWidget *parent, const QString &button) const
    {
        QTest::mouseClick(child<QPushButton>(parent, button), Qt::LeftButton);
    }
    // Picks an item of the activity list the way the keyboard does.
    void chooseActivity(int item) const
    {
        auto *combo = child<QComboBox>("cmbActivities");
        combo->setFocus();
        combo->setCurrentIndex(item == 0 ? 1 : item - 1);
        QTest::keyClick(combo, item == 0 ? Qt::Key_Up : Qt::Key_Down);
    }

    ProgramFolder folder;
    QMstat stats;
    FixedClock clock;
    RecordingNotice notice;
    std::unique_ptr<frmMain> window;
};

} // namespace

class TestStatsWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void overallFigures_data();
    void overallFigures();
    void layoutAndAccessibility();
    void dateBoxValidation_data();
    void dateBoxValidation();
    void emptyBoxShowsNothing_data();
    void emptyBoxShowsNothing();
    void reportByDateWindow();
    void activityList();
    void typedActivitySelectsNothing();
    void reportByActivityWindow();
    void closingEndsTheProgram();
};

void TestStatsWindows::overallFigures_data()
{
    QTest::addColumn<QList<Entry>>("entries");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("ten entries over four days")
        << kTenEntries
        << QStringList { " 10", "02/03/2026", "05/03/2026", " 3", " 4", " 2.5", "9 h 10", "2 h 18",
               "0 h 55" };
    QTest::newRow("no journal") << QList<Entry>()
                                << QStringList { " 0", "", "", " 0", " 0", " 0", "0 h 00", "0 h 00",
                                       "0 h 00" };
}

void TestStatsWindows::overallFigures()
{
    QFETCH(QList<Entry>, entries);
    QFETCH(QStringList, values);
    const Session s(entries);
    const QStringList names { "lblNE", "lblDmin", "lblDmax", "lblNA", "lblNJ", "lblAJ", "lblDU",
        "lblDJ", "lblDE" };
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(s.text(names[i]), values[i]);
}

void TestStatsWindows::layoutAndAccessibility()
{
    ProgramFolder folder;
    QMstat stats;
    FixedClock clock;
    RecordingNotice notice;
    frmMain window(stats, clock, notice);
    QCOMPARE(window.windowTitle(), "Quillmere 3 - Statistiques");
    QCOMPARE(window.size(), QSize(346, 525));
    auto *value = window.findChild<QLabel *>("lblDE");
    QVERIFY(value);
    QCOMPARE(value->text(), "0");
    QCOMPARE(value->palette().color(QPalette::Window), QColor(255, 254, 234));
    QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(value->alignment(), Qt::AlignCenter);
    QCOMPARE(value->geometry(), QRect(225, 222, 86, 16));
    for (const char *name : { "Frame1", "Frame2", "Frame3" }) {
        auto *frame = window.findChild<QGroupBox *>(name);
        QVERIFY(frame);
        QVERIFY(frame->font().bold());
        QCOMPARE(frame->font().pointSizeF(), 12.0);
    }
    QCOMPARE(window.findChild<QLabel *>("Label10")->buddy(),
        window.findChild<QLineEdit *>("txtFromDate"));
    QCOMPARE(
        window.findChild<QLabel *>("Label11")->buddy(), window.findChild<QLineEdit *>("txtToDate"));
    QCOMPARE(window.findChild<QComboBox *>("cmbActivities")->accessibleName(),
        "Statistiques par activité");
    QCOMPARE(window.findChild<QPushButton *>("cmdClose")->text(), "Fermer");
    QCOMPARE(window.findChild<QPushButton *>("cmdGoByDate")->text(), "Afficher");
    QCOMPARE(window.findChild<QPushButton *>("cmdGoByActivity")->text(), "Afficher");
}

void TestStatsWindows::dateBoxValidation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("leaveByClick");
    QTest::addColumn<QString>("shown");
    QTest::newRow("not a date, from") << "txtFromDate"
                                      << "abc" << false << "02/03/2026";
    QTest::newRow("no slash") << "txtFromDate"
                              << "2026" << false << "02/03/2026";
    QTest::newRow("not a date, to") << "txtToDate"
                                    << "abc" << false << "05/03/2026";
    QTest::newRow("impossible date") << "txtToDate"
                                     << "31/02/2026" << false << "05/03/2026";
    QTest::newRow("short form") << "txtToDate"
                                << "5/12/2026" << false << "05/12/2026";
    QTest::newRow("two-digit year") << "txtFromDate"
                                    << "1/3/26" << false << "01/03/2026";
    QTest::newRow("empty stays empty") << "txtFromDate"
                                       << "" << false << "";
    QTest::newRow("left by Afficher") << "txtFromDate"
                                      << "xyz" << true << "02/03/2026";
}

void TestStatsWindows::dateBoxValidation()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, leaveByClick);
    QFETCH(QString, shown);
    const Session s(kTenEntries);
    QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
    s.type(box, typed);
    if (leaveByClick)
        s.click("cmdGoByDate");
    else
        QTest::keyClick(s.child<QLineEdit>(box), Qt::Key_Tab);
    QCOMPARE(s.child<QLineEdit>(box)->text(), shown);
}

void TestStatsWindows::emptyBoxShowsNothing_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("hasJournal");
    QTest::newRow("from empty") << ""
                                << "05/03/2026" << true;
    QTest::newRow("to empty") << "02/03/2026"
                              << "" << true;
    QTest::newRow("no journal to fall back on") << "abc"
                                                << "abc" << false;
}

void TestStatsWindows::emptyBoxShowsNothing()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, hasJournal);
    const Session s(hasJournal ? kTenEntries : QList<Entry>());
    s.type("txtFromDate", from);
    s.type("txtToDate", to);
    s.click("cmdGoByDate");
    QVERIFY(!s.window->byDateWindow());
}

void TestStatsWindows::reportByDateWindow()
{
    const Session s(kTenEntries);
    s.type("txtFromDate", "3/3/2026");
    s.type("txtToDate", "4/3/2026");
    s.click("cmdGoByDate");
    frmByDate *report = s.window->byDateWindow();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY(!report->isModal());
    QCOMPARE(report->windowTitle(), "Quillmere 3 - Statistiques par dates");
    QCOMPARE(report->pos(), QPoint(10, 10));
    QCOMPARE(s.text(report, "lblNE"), "4");
    QCOMPARE(s.text(report, "lblDU"), "3 h 30");
    QCOMPARE(s.text(report, "lblNA"), "2");
    QCOMPARE(s.text(report, "lblTitle"), "Période du 03/03/2026 au 04/03/2026");
    auto *title = s.child<QLabel>(report, "lblTitle");
    QVERIFY2(title->width() >= title->sizeHint().width(), "the period's end is cut off");
    QCOMPARE(s.child<QGroupBox>(report, "frmTitle")->title(), " Dupont - 07/12/2026 ");
    QCOMPARE(s.text(report, "lblFlxPercent_0"), "57 %");
    QCOMPARE(s.text(report, "lblFlxTime_0"), "2 h 00");
    QCOMPARE(s.text(report, "lblFlxAct_0"), " Achat");
    QCOMPARE(s.text(report, "lblFlxPercent_1"), "43 %");
    QCOMPARE(s.text(report, "lblFlxAct_1"), " réunion");
    QVERIFY(s.child<QLabel>(report, "lblFlxAct_1")->isVisibleTo(report));
    QVERIFY(!s.child<QLabel>(report, "lblFlxAct_2")->isVisibleTo(report));

    // The main window stays usable: a second period redraws the same report.
    QVERIFY(s.window->isEnabled());
    s.type("txtToDate", "2/3/2026");
    s.click("cmdGoByDate");
    QCOMPARE(s.window->byDateWindow(), report);
    QCOMPARE(s.text(report, "lblNE"), "0");
    QCOMPARE(s.text(report, "lblDU"), "0 h 00");
    QVERIFY(!s.child<QLabel>(report, "lblFlxAct_0")->isVisibleTo(report));

    s.clickIn(report, "cmdClose");
    QVERIFY(!report->isVisible());
    s.click("cmdGoByDate");
    QVERIFY(report->isVisible());
}

void TestStatsWindows::activityList()
{
    const Session s(kTenEntries);
    auto *combo = s.child<QComboBox>("cmbActivities");
    QCOMPARE(combo->count(), 3);
    const QStringList names { "Achat", "Zèbre", "réunion" };
    const QList<int> indices { 2, 1, 0 };
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(combo->itemText(i), names[i]);
        QCOMPARE(combo->itemData(i).toInt(), indices[i]);
    }
    QCOMPARE(combo->currentIndex(), -1);
    QVERIFY(combo->isEditable());
}

void TestStatsWindows::typedActivitySelectsNothing()
{
    const Session s(kTenEntries);
    auto *combo = s.child<QComboBox>("cmbActivities");
    combo->setFocus();
    QTest::keyClicks(combo->lineEdit(), "Achat");
    s.click("cmdGoByActivity");
    QVERIFY(!s.window->byActivityWindow());
    // Enter looks the typed name up in the list: that must not count as a choice either.
    QTest::keyClick(combo, Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    s.click("cmdGoByActivity");
    QVERIFY(!s.window->byActivityWindow());

    s.chooseActivity(1);
    QTest::keyClicks(combo->lineEdit(), "x");
    s.click("cmdGoByActivity");
    QVERIFY(!s.window->byActivityWindow());
}

void TestStatsWindows::reportByActivityWindow()
{
    const Session s(kTenEntries);
    s.chooseActivity(0);
    s.click("cmdGoByActivity");
    frmByActivity *report = s.window->byActivityWindow();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QCOMPARE(report->pos(), QPoint(10, 10));
    QCOMPARE(report->windowTitle(), "Quillmere 3 - Statistiques par activités");
    QCOMPARE(s.text(report, "lblTitle"), "Activité : Achat");
    QCOMPARE(s.text(report, "lblDMIN"), "03/03/2026");
    QCOMPARE(s.text(report, "lblDMAX"), "04/03/2026");
    QCOMPARE(s.text(report, "lblNJ"), " 2");
    QCOMPARE(s.text(report, "lblNJC"), " 2");
    QCOMPARE(s.text(report, "lblDU"), "3 h 30");
    QCOMPARE(s.text(report, "lblDA"), "2 h 00");
    QCOMPARE(s.text(report, "lblPC"), " 57 %");
    QCOMPARE(s.text(report, "lblYMAX"), "1 h 50");
    QCOMPARE(s.text(report, "lblXaxis"), "Période du 03/03/2026 au 04/03/2026");

    s.chooseActivity(1);
    s.click("cmdGoByActivity");
    QCOMPARE(s.window->byActivityWindow(), report);
    QCOMPARE(s.text(report, "lblTitle"), "Activité : Zèbre");
    QCOMPARE(s.text(report, "lblYMAX"), "3 h 00");
    QCOMPARE(s.text(report, "lblNJ"), " 4");
    QCOMPARE(s.text(report, "lblNJC"), " 2");
}

void TestStatsWindows::closingEndsTheProgram()
{
    const Session s(kTenEntries);
    s.type("txtFromDate", "2/3/2026");
    s.type("txtToDate", "5/3/2026");
    s.click("cmdGoByDate");
    s.chooseActivity(2);
    s.click("cmdGoByActivity");
    QVERIFY(s.window->byDateWindow() && s.window->byActivityWindow());
    QSignalSpy closed(s.window.get(), &frmMain::closed);
    s.click("cmdClose");
    QCOMPARE(closed.count(), 1);
    QVERIFY(!s.window->isVisible());
    QVERIFY(!s.window->byDateWindow());
    QVERIFY(!s.window->byActivityWindow());
}

QTEST_MAIN(TestStatsWindows)
#include "tst_stats_windows.moc"
