#include "rig.h"
#include "stats/ui/by_activity_window.h"
#include "stats/ui/by_date_window.h"
#include "stats/ui/stats_window.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "tests/support/widgets.h"
#include "window_rig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

using namespace qm::stats;
using namespace qm::stats::test;

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
        window = std::make_unique<StatsWindow>(stats, clock, notice);
        window->fillActivityList();
        window->showOverallFigures();
        window->show();
        window->activateWindow();
    }

    // A child of the main window, or of `parent`.
    template<typename T> T *child(const QString &name, QObject *parent = nullptr) const
    {
        return qm::test::findWidget<T>(parent ? parent : window.get(), name);
    }
    QString text(const QString &label, QObject *parent = nullptr) const
    {
        return child<QLabel>(label, parent)->text();
    }
    QStringList texts(const QStringList &labels, QObject *parent = nullptr) const
    {
        QStringList shown;
        for (const QString &label : labels)
            shown.append(text(label, parent));
        return shown;
    }

    void type(const QString &box, const QString &text) const
    {
        auto *edit = child<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(const QString &button, QObject *parent = nullptr) const
    {
        QTest::mouseClick(child<QPushButton>(button, parent), Qt::LeftButton);
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
    Statistics stats;
    FixedClock clock;
    RecordingNotice notice;
    std::unique_ptr<StatsWindow> window;
};

// Opens one of the program's windows or messages over the shown reports and the main window.
using Opener = std::function<QWidget *(ShownReports &, StatsWindow &)>;

} // namespace

Q_DECLARE_METATYPE(Opener)

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void overallFigures_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("ten entries over four days")
            << kTenEntries
            << QStringList { " 10", "02/03/2026", "05/03/2026", " 3", " 4", " 2,5", "9 h 10",
                   "2 h 18", "0 h 55" };
        QTest::newRow("no journal")
            << QList<Entry>()
            << QStringList { " 0", "", "", " 0", " 0", " 0", "0 h 00", "0 h 00", "0 h 00" };
    }
    void overallFigures()
    {
        QFETCH(QList<Entry>, entries);
        const Session s(entries);
        QTEST(s.texts({ "lblNE", "lblDmin", "lblDmax", "lblNA", "lblNJ", "lblAJ", "lblDU", "lblDJ",
                  "lblDE" }),
            "values");
    }

    // A duration without any number counts for 0 minutes, as always, and the line under the
    // figures says how many there are and where the first one is; "0" and "65abc" are numbers.
    // Without such a line the window keeps its size.
    void unreadableDurations_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<QStringList>("figures");
        QTest::newRow("none") << QByteArray("12/11/2026, 0,a,\r\n12/11/2026,65abc,b,\r\n")
                              << QString() << QStringList { " 2", "1 h 05" };
        QTest::newRow("one") << QByteArray("12/11/2026, 30,a,\r\n12/11/2026,quarante-cinq,b,\r\n")
                             << "1 ligne du journal a une durée illisible (ligne 2) : elle compte "
                                "pour 0 min."
                             << QStringList { " 2", "0 h 30" };
        QTest::newRow("three, empty and skipped lines counted")
            << QByteArray("\r\n12/11/2026,,a,\r\n12/11/2026, 5,b,\r\nno record\r\n"
                          "12/11/2026,-,c,\r\n12/11/2026, abc,c,\r\n")
            << "3 lignes du journal ont une durée illisible (première : ligne 2) : elles comptent "
               "pour 0 min."
            << QStringList { " 4", "0 h 05" };
    }
    void unreadableDurations()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QString, notice);
        ProgramFolder folder;
        QVERIFY(folder.writeJournal(journal));
        const Statistics stats = folder.load();
        FixedClock clock;
        RecordingNotice notices;
        StatsWindow window(stats, clock, notices);
        const QSize drawn = window.size();
        window.showOverallFigures();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTEST(QStringList({ window.findChild<QLabel *>("lblNE")->text(),
                  window.findChild<QLabel *>("lblDU")->text() }),
            "figures");
        auto *line = qm::test::findWidget<QLabel>(&window, "lblUnreadableDurations");
        QCOMPARE(line->isVisible() ? line->text() : QString(), notice);
        QCOMPARE(window.size() == drawn, notice.isEmpty());
        QVERIFY(line->geometry().bottom()
            < qm::test::findWidget<QWidget>(&window, "Frame2")->geometry().top());
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

    // Figures of part of the journal would pass for the whole: none are shown, and the user is
    // told why.
    void unreadableJournalShowsNoFigures()
    {
        ProgramFolder folder;
        QVERIFY(QDir().mkdir(folder.file("Quillmere.log")));
        const Statistics stats = folder.load();
        FixedClock clock;
        RecordingNotice notice;
        StatsWindow window(stats, clock, notice);
        window.showOverallFigures();
        QCOMPARE(notice.warned,
            QStringList { "Le fichier " + QDir::toNativeSeparators(folder.file("Quillmere.log"))
                + " n'a pas pu être lu en entier.\nLes statistiques ne sont pas affichées, car "
                  "elles seraient incomplètes." });
        for (const char *name : { "lblNE", "lblDU", "lblDJ" })
            QCOMPARE(window.findChild<QLabel *>(name)->text(), QString());
    }

    void accessibility()
    {
        const Session s({});
        QCOMPARE(s.window->windowTitle(), "Quillmere 3 - Statistiques");
        QCOMPARE(s.child<QLabel>("Label10")->buddy(), s.child<QLineEdit>("txtFromDate"));
        QCOMPARE(s.child<QLabel>("Label11")->buddy(), s.child<QLineEdit>("txtToDate"));
        QCOMPARE(
            s.child<QComboBox>("cmbActivities")->accessibleName(), "Statistiques par activité");
    }

    // What a date box shows once left: a date it can read, in full, or back to the journal's.
    void dateBoxValidation_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("leaveByClick");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *name, const char *box, const char *typed, const char *shown,
                             bool leaveByClick = false) {
            QTest::newRow(name) << QString(box) << QString(typed) << leaveByClick << QString(shown);
        };
        row("not a date, from", "txtFromDate", "abc", "02/03/2026");
        row("impossible date, to", "txtToDate", "31/02/2026", "05/03/2026");
        row("short form", "txtToDate", "5/12/2026", "05/12/2026");
        row("two-digit year", "txtFromDate", "1/3/26", "01/03/2026");
        row("empty stays empty", "txtFromDate", "", "");
        row("left by Afficher", "txtFromDate", "xyz", "02/03/2026", true);
    }
    void dateBoxValidation()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, leaveByClick);
        const Session s(kTenEntries);
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        s.type(box, typed);
        if (leaveByClick)
            s.click("cmdGoByDate");
        else
            QTest::keyClick(s.child<QLineEdit>(box), Qt::Key_Tab);
        QTEST(s.child<QLineEdit>(box)->text(), "shown");
    }

    void emptyBoxShowsNothing_data()
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
    void emptyBoxShowsNothing()
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

    void reportByDateWindow()
    {
        const Session s(kTenEntries);
        s.type("txtFromDate", "3/3/2026");
        s.type("txtToDate", "4/3/2026");
        s.click("cmdGoByDate");
        ByDateWindow *report = s.window->byDateWindow();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QVERIFY(!report->isModal());
        QCOMPARE(report->windowTitle(), "Quillmere 3 - Statistiques par dates");
        QCOMPARE(s.texts({ "lblNE", "lblDU", "lblNA", "lblTitle", "lblFlxPercent_0", "lblFlxTime_0",
                             "lblFlxAct_0", "lblFlxAct_1" },
                     report),
            QStringList({ "4", "3 h 30", "2", "Période du 03/03/2026 au 04/03/2026", "57 %",
                "2 h 00", " Achat", " réunion" }));
        auto *title = s.child<QLabel>("lblTitle", report);
        QVERIFY2(title->width() >= title->sizeHint().width(), "the period's end is cut off");
        QCOMPARE(s.child<QGroupBox>("frmTitle", report)->title(), " Dupont - 07/12/2026 ");
        QVERIFY(s.child<QLabel>("lblFlxAct_1", report)->isVisibleTo(report));
        QVERIFY(!s.child<QLabel>("lblFlxAct_2", report)->isVisibleTo(report));

        // The main window stays usable: a second period redraws the same report.
        s.type("txtToDate", "2/3/2026");
        s.click("cmdGoByDate");
        QCOMPARE(s.window->byDateWindow(), report);
        QCOMPARE(s.text("lblNE", report), "0");
        QCOMPARE(s.text("lblDU", report), "0 h 00");
        QVERIFY(!s.child<QLabel>("lblFlxAct_0", report)->isVisibleTo(report));

        s.click("cmdClose", report);
        QVERIFY(!report->isVisible());
        s.click("cmdGoByDate");
        QVERIFY(report->isVisible());
    }

    void typedActivitySelectsNothing()
    {
        const Session s(kTenEntries);
        auto *combo = s.child<QComboBox>("cmbActivities");
        QCOMPARE(combo->currentIndex(), -1);
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

    void reportByActivityWindow()
    {
        const Session s(kTenEntries);
        s.chooseActivity(0);
        s.click("cmdGoByActivity");
        ByActivityWindow *report = s.window->byActivityWindow();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QCOMPARE(report->windowTitle(), "Quillmere 3 - Statistiques par activités");
        QCOMPARE(s.texts({ "lblTitle", "lblDMIN", "lblDMAX", "lblNJ", "lblNJC", "lblDU", "lblDA",
                             "lblPC", "lblYMAX", "lblXaxis" },
                     report),
            QStringList({ "Activité : Achat", "03/03/2026", "04/03/2026", " 2", " 2", "3 h 30",
                "2 h 00", " 57 %", "1 h 50", "Période du 03/03/2026 au 04/03/2026" }));

        s.chooseActivity(1);
        s.click("cmdGoByActivity");
        QCOMPARE(s.window->byActivityWindow(), report);
        QCOMPARE(s.text("lblTitle", report), "Activité : Zèbre");
        QCOMPARE(s.text("lblYMAX", report), "3 h 00");
        QCOMPARE(s.text("lblNJ", report), " 4");
    }

    void closingEndsTheProgram()
    {
        const Session s(kTenEntries);
        s.type("txtFromDate", "2/3/2026");
        s.type("txtToDate", "5/3/2026");
        s.click("cmdGoByDate");
        s.chooseActivity(2);
        s.click("cmdGoByActivity");
        QVERIFY(s.window->byDateWindow());
        QVERIFY(s.window->byActivityWindow());
        QSignalSpy closed(s.window.get(), &StatsWindow::closed);
        s.click("cmdClose");
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s.window->isVisible());
        QVERIFY(!s.window->byDateWindow());
        QVERIFY(!s.window->byActivityWindow());
    }

    // The main window has one size: every caption and figure shows whole in it, those of a journal
    // of over a thousand hours included.
    void nothingClipped()
    {
        const Session s({ { march(2), 100000, "Achat" }, { march(3), 50, "Zèbre" },
            { QDate(2026, 12, 28), 30, "Achat" } });
        QVERIFY(QTest::qWaitForWindowExposed(s.window.get()));
        QCOMPARE(qm::test::clippedTexts(s.window.get()), QStringList());
    }

    void escapeClosesTheReport_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::newRow("by date") << false;
        QTest::newRow("by activity") << true;
    }
    void escapeClosesTheReport()
    {
        QFETCH(bool, byActivity);
        ShownReports s;
        ReportWindow &report = s.report(byActivity);
        report.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        QTest::keyClick(report.findChild<QAbstractButton *>("cmdPrint"), Qt::Key_Escape);
        QVERIFY(!report.isVisible());
        QVERIFY(s.notice.warned.isEmpty());
    }

    // Each window and message comes up in front and active, so that keys reach it without a
    // click, even when another window had the focus: a window with the focus in its first field,
    // a message on its default button, which Enter presses.
    void comesUpActive_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("focus"); // a window's widget; empty for a message
        QTest::addColumn<int>("defaultButton"); // a message's
        QTest::newRow("main window") << Opener([](ShownReports &, StatsWindow &main) -> QWidget * {
            main.present();
            return &main;
        }) << "txtFromDate" << 0;
        QTest::newRow("report by date") << Opener([](ShownReports &s, StatsWindow &) -> QWidget * {
            s.byDate().showReportByDate(march(2), march(4));
            return &s.byDate();
        }) << "cmdExport" << 0;
        QTest::newRow("report by activity") << Opener(
            [](ShownReports &s, StatsWindow &) -> QWidget * {
                s.byActivity().showReportByActivity(0);
                return &s.byActivity();
            }) << "cmdExport" << 0;
        QTest::newRow("information") << Opener([](ShownReports &, StatsWindow &main) -> QWidget * {
            MessageBoxNotice().inform(&main, "Le rapport a été exporté.");
            return nullptr;
        }) << "" << int(QMessageBox::Ok);
        QTest::newRow("warning") << Opener([](ShownReports &, StatsWindow &main) -> QWidget * {
            MessageBoxNotice().warn(&main, "L'export a échoué.");
            return nullptr;
        }) << "" << int(QMessageBox::Ok);
        QTest::newRow("replace question") << Opener(
            [](ShownReports &, StatsWindow &main) -> QWidget * {
                return MessageBoxNotice().askReplace(&main, "/tmp/x.csv") ? &main : nullptr;
            }) << "" << int(QMessageBox::No);
    }
    void comesUpActive()
    {
        QFETCH(Opener, open);
        QFETCH(QString, focus);
        QFETCH(int, defaultButton);
        ShownReports s;
        StatsWindow main(s.stats, s.clock, s.notice);
        main.show();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        // A message is looked at from inside its own wait, then answered with Enter.
        int seenDefault = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !QTest::qWaitForWindowActive(box))
                return;
            if (box->defaultButton() && QApplication::focusWidget() == box->defaultButton())
                seenDefault = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        QWidget *window = open(s, main);
        QCOMPARE(seenDefault, defaultButton);
        if (defaultButton != 0) {
            QVERIFY(!window); // Enter gave the default answer
            return;
        }
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    // Each button of each window has an Alt letter of its own, and is named by its caption.
    void mnemonicsOfEachWindow()
    {
        ShownReports s;
        StatsWindow main(s.stats, s.clock, s.notice);
        for (QWidget *window :
            std::initializer_list<QWidget *> { &main, &s.byDate(), &s.byActivity() }) {
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
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
