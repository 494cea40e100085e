#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QMessageBox>
#include <QtTest>

#include <functional>

using namespace qm::stats;
using namespace qm::stats::test;

namespace {

const QByteArray kTenEntries = journalOf({ { march(2), 100, "réunion" }, { march(2), 50, "Zèbre" },
    { march(2), 30, "réunion" }, { march(3), 70, "Achat" }, { march(3), 40, "réunion" },
    { march(5), 60, "Zèbre" }, { march(5), 60, "Zèbre" }, { march(5), 40, "réunion" },
    { march(4), 50, "Achat" }, { march(4), 50, "réunion" } });

// Opens one of the program's windows or messages over the shown reports and the main window.
using Opener = std::function<QWidget *(ShownReports &)>;

} // namespace

Q_DECLARE_METATYPE(Opener)

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // Every caption and figure shows whole in the window's one size, those of a journal of over a
    // thousand hours included. A duration without any number counts for 0 minutes, as always,
    // and a line under the figures says how many there are and where the first one is ("0" and
    // "65abc" are numbers); without such a line the window keeps its size. The figures are blocks
    // of tests/data/stats/overall_figures.txt.
    void overallFigures_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::newRow("ten entries over four days") << kTenEntries;
        QTest::newRow("no journal") << QByteArray();
        QTest::newRow("over a thousand hours") << journalOf({ { march(2), 100000, "Achat" },
            { march(3), 50, "Zèbre" }, { QDate(2026, 12, 28), 30, "Achat" } });
        QTest::newRow("three, empty and skipped lines counted, \"0\" and \"65abc\" not")
            << QByteArray("\r\n12/11/2026,,a,\r\n12/11/2026, 5,b,\r\nno record\r\n"
                          "12/11/2026,-,c,\r\n12/11/2026, abc,c,\r\n12/11/2026, 0,d,\r\n"
                          "12/11/2026,65abc,e,\r\n");
    }
    void overallFigures()
    {
        QFETCH(QByteArray, journal);
        Session s(journal);
        QVERIFY(QTest::qWaitForWindowExposed(&s.main()));
        QString shown;
        for (const char *label :
            { "lblNE", "lblDmin", "lblDmax", "lblNA", "lblNJ", "lblAJ", "lblDU", "lblDJ", "lblDE" })
            shown += label + (u'=' + s.child<QLabel>(label)->text()) + u'\n';
        auto *line = s.child<QLabel>("lblUnreadableDurations");
        shown += QStringLiteral("lblUnreadableDurations=%1\n")
                     .arg(line->isVisible() ? line->text() : QString());
        QCOMPARE(shown, goldenBlock("overall_figures.txt", QTest::currentDataTag()));
        QCOMPARE(
            s.main().size() == StatsWindow(s.stats, s.clock, s.notice).size(), !line->isVisible());
        QVERIFY(line->geometry().bottom() < s.child<QWidget>("Frame2")->geometry().top());
        QCOMPARE(qm::test::clippedTexts(&s.main()), QStringList());
    }

    // Figures of part of the journal would pass for the whole: none are shown, and the user is
    // told why.
    void unreadableJournalShowsNoFigures()
    {
        ReportWindows r({});
        QVERIFY(QDir().mkdir(r.folder.file("Quillmere.log")));
        r.stats = r.folder.load();
        r.main().showOverallFigures();
        QCOMPARE(r.notice.warned,
            QStringList { "Le fichier " + QDir::toNativeSeparators(r.folder.file("Quillmere.log"))
                + " n'a pas pu être lu en entier.\nLes statistiques ne sont pas affichées, car "
                  "elles seraient incomplètes." });
        for (const char *name : { "lblNE", "lblDU", "lblDJ" })
            QCOMPARE(r.main().findChild<QLabel *>(name)->text(), QString());
    }

    // What the date boxes show once left, by Tab or by Afficher: a date they can read, in full,
    // or back to the journal's; a report only for a period of two dates, and otherwise Afficher
    // says which date is missing.
    void dateBoxes_data()
    {
        QTest::addColumn<bool>("journal");
        QTest::addColumn<QStringList>("typed"); // from, to
        QTest::addColumn<bool>("leaveByClick");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("warned");
        const auto row
            = [](const char *name, QStringList typed, QStringList shown, bool leaveByClick = false,
                  const QString &warned = {}, bool journal = true) {
                  QTest::newRow(name) << journal << typed << leaveByClick << shown << warned;
              };
        row("not a date, impossible date", { "abc", "31/02/2026" }, { "02/03/2026", "05/03/2026" });
        row("left by Afficher", { "xyz", "4/3/2026" }, { "02/03/2026", "04/03/2026" }, true);
        row("from empty", { "", "05/03/2026" }, { "", "05/03/2026" }, true,
            "Saisissez le premier jour de la période, sous la forme jj/mm/aaaa.");
        row("to empty", { "02/03/2026", "" }, { "02/03/2026", "" }, true,
            "Saisissez le dernier jour de la période, sous la forme jj/mm/aaaa.");
        row("no journal to fall back on", { "abc", "abc" }, { "", "" }, true,
            "Saisissez le premier jour de la période, sous la forme jj/mm/aaaa.", false);
    }
    void dateBoxes()
    {
        QFETCH(bool, journal);
        QFETCH(QStringList, typed);
        QFETCH(bool, leaveByClick);
        QFETCH(QStringList, shown);
        QFETCH(QString, warned);
        Session s(journal ? kTenEntries : QByteArray());
        QVERIFY(QTest::qWaitForWindowActive(&s.main()));
        s.type("txtToDate", typed[1]);
        s.type("txtFromDate", typed[0]);
        if (leaveByClick)
            s.click("cmdGoByDate");
        else
            QTest::keyClick(s.child<QLineEdit>("txtFromDate"), Qt::Key_Tab);
        QCOMPARE(QStringList({ s.child<QLineEdit>("txtFromDate")->text(),
                     s.child<QLineEdit>("txtToDate")->text() }),
            shown);
        QCOMPARE(bool(s.main().byDateWindow()), leaveByClick && !shown.contains(QString()));
        QCOMPARE(s.notice.warned, warned.isEmpty() ? QStringList() : QStringList { warned });
        if (!warned.isEmpty())
            QCOMPARE(QApplication::focusWidget(),
                s.child<QLineEdit>(shown[0].isEmpty() ? "txtFromDate" : "txtToDate"));
    }

    // Only an item chosen from the list opens the report by activity, never a typed name; it then
    // shows another activity. A second period redraws the same report by date, which comes back
    // once closed. Closing the main window ends the program, its reports with it.
    void reportWindows()
    {
        Session s(kTenEntries);
        auto *combo = s.child<QComboBox>("cmbActivities");
        QCOMPARE(combo->currentIndex(), -1);
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), "Achat");
        // Enter looks the typed name up in the list: that must not count as a choice.
        QTest::keyClick(combo, Qt::Key_Return);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        s.click("cmdGoByActivity");
        QVERIFY(!s.main().byActivityWindow());
        s.chooseActivity(1);
        QTest::keyClicks(combo->lineEdit(), "x");
        s.click("cmdGoByActivity");
        QVERIFY(!s.main().byActivityWindow());

        s.chooseActivity(0);
        s.click("cmdGoByActivity");
        ByActivityWindow *report = s.main().byActivityWindow();
        QVERIFY(report && report->isVisible());
        QCOMPARE(s.texts({ "lblTitle", "lblDMIN", "lblDMAX", "lblNJ", "lblNJC", "lblDU", "lblDA",
                             "lblPC", "lblYMAX", "lblXaxis" },
                     report),
            QStringList({ "Activité : Achat", "03/03/2026", "04/03/2026", " 2", " 2", "3 h 30",
                "2 h 00", " 57 %", "1 h 50", "Période du 03/03/2026 au 04/03/2026" }));

        s.chooseActivity(1);
        s.click("cmdGoByActivity");
        QCOMPARE(s.main().byActivityWindow(), report);
        QCOMPARE(s.texts({ "lblTitle", "lblYMAX", "lblNJ" }, report),
            QStringList({ "Activité : Zèbre", "3 h 00", " 4" }));

        s.type("txtFromDate", "3/3/2026");
        s.type("txtToDate", "4/3/2026");
        s.click("cmdGoByDate");
        ByDateWindow *byDate = s.main().byDateWindow();
        QVERIFY(byDate && byDate->isVisible());
        QVERIFY(!byDate->isModal());
        QCOMPARE(s.texts({ "lblNE", "lblDU", "lblNA", "lblTitle", "lblFlxPercent_0", "lblFlxTime_0",
                             "lblFlxAct_0", "lblFlxAct_1" },
                     byDate),
            QStringList({ "4", "3 h 30", "2", "Période du 03/03/2026 au 04/03/2026", "57 %",
                "2 h 00", " Achat", " réunion" }));
        QCOMPARE(s.child<QGroupBox>("frmTitle", byDate)->title(), " Dupont - 07/12/2026 ");
        QVERIFY(s.child<QLabel>("lblFlxAct_1", byDate)->isVisibleTo(byDate));
        QVERIFY(!s.child<QLabel>("lblFlxAct_2", byDate)->isVisibleTo(byDate));

        s.type("txtToDate", "2/3/2026");
        s.click("cmdGoByDate");
        QCOMPARE(s.main().byDateWindow(), byDate);
        QCOMPARE(s.texts({ "lblNE", "lblDU" }, byDate), QStringList({ "0", "0 h 00" }));
        QVERIFY(!s.child<QLabel>("lblFlxAct_0", byDate)->isVisibleTo(byDate));

        s.click("cmdClose", byDate);
        QVERIFY(!byDate->isVisible());
        s.click("cmdGoByDate");
        QVERIFY(byDate->isVisible());
        QSignalSpy closed(&s.main(), &StatsWindow::closed);
        s.click("cmdClose");
        QCOMPARE(closed.count(), 1);
        QVERIFY(!s.main().isVisible());
        QVERIFY(!s.main().byDateWindow());
        QVERIFY(!s.main().byActivityWindow());
    }

    // Each window and message comes up in front and active, so that keys reach it without a
    // click, even when another window had the focus: a window with the focus in its first field,
    // a message on its default button, which Enter presses. Escape closes a report.
    void comesUpActive_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("focus"); // a window's widget; empty for a message
        QTest::addColumn<int>("defaultButton"); // a message's
        QTest::newRow("main window") << Opener([](ShownReports &s) -> QWidget * {
            s.main().present();
            return &s.main();
        }) << "txtFromDate" << 0;
        QTest::newRow("report by date") << Opener([](ShownReports &s) -> QWidget * {
            s.byDate().showReportByDate(march(2), march(4));
            return &s.byDate();
        }) << "cmdExport" << 0;
        QTest::newRow("information") << Opener([](ShownReports &s) -> QWidget * {
            MessageBoxNotice().inform(&s.main(), "Le rapport a été exporté.");
            return nullptr;
        }) << "" << int(QMessageBox::Ok);
        QTest::newRow("replace question") << Opener([](ShownReports &s) -> QWidget * {
            return MessageBoxNotice().askReplace(&s.main(), "/tmp/x.csv") ? &s.main() : nullptr;
        }) << "" << int(QMessageBox::No);
    }
    void comesUpActive()
    {
        QFETCH(Opener, open);
        QFETCH(QString, focus);
        QFETCH(int, defaultButton);
        ShownReports s;
        s.main().show();
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
        QWidget *window = open(s);
        QCOMPARE(seenDefault, defaultButton);
        if (defaultButton != 0) {
            QVERIFY(!window); // Enter gave the default answer
            return;
        }
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        if (window != &s.main()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!window->isVisible());
            QVERIFY(s.notice.proposed.isEmpty() && s.notice.warned.isEmpty());
        }
    }

    // Each button of each window has an Alt letter of its own, and is named by its caption; the
    // date boxes by their labels, the activity list by its frame.
    void accessibility()
    {
        ShownReports s;
        for (QWidget *window :
            std::initializer_list<QWidget *> { &s.main(), &s.byDate(), &s.byActivity() }) {
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
        using qm::test::findWidget;
        QCOMPARE(findWidget<QLabel>(&s.main(), "Label10")->buddy(),
            findWidget<QLineEdit>(&s.main(), "txtFromDate"));
        QCOMPARE(findWidget<QLabel>(&s.main(), "Label11")->buddy(),
            findWidget<QLineEdit>(&s.main(), "txtToDate"));
        QCOMPARE(findWidget<QComboBox>(&s.main(), "cmbActivities")->accessibleName(),
            findWidget<QGroupBox>(&s.main(), "Frame3")->title());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
