#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include "journal/text_formats.h"
#include "tracker/ui/editor_window.h"
#include "tracker/ui/first_run_dialog.h"
#include "tracker/ui/message_dialog.h"
#include "tracker/ui/start_window.h"
#include "tracker/ui/tray_icon.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>

using namespace qm;
using namespace qm::test;

namespace {

// A start over a journal that holds rows of the day being logged, message 2 answered.
void startOverJournal(Program &program, const QByteArray &journal)
{
    writeBytes(program.file("Quillmere.log"), journal);
    clickInNextModal("cmdCont", program.windows.startWindow());
    program.startNormally();
}

} // namespace

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The welcome opens active on Fermer, its default button, and Escape closes it; the start
    // window's close box then ends the program.
    void startWindowCloseBoxQuits()
    {
        Program program;
        QWidget *focused = nullptr;
        bool closed = false;
        onNextModal([&](QWidget *welcome) {
            QCoreApplication::processEvents();
            focused = QApplication::focusWidget();
            onNextModal([](QWidget *start) { start->close(); }, welcome);
            QTest::keyClick(welcome, Qt::Key_Escape);
            closed = !welcome->isVisible();
            welcome->hide();
        });
        program.tracker.start();
        auto *close = child(program.windows.welcomeWindow(), "cmdOK");
        QCOMPARE(focused, close);
        QVERIFY(close->isDefault());
        QVERIFY(closed);
        QCOMPARE(program.windows.startWindow()
                     ->findChildren<QLabel *>(QRegularExpression("^Image"))
                     .size(),
            1);
        QVERIFY(program.ended);
        QVERIFY(program.tracker.hasEnded());
        QVERIFY(!QFile::exists(program.file("Quillmere.ini")));
    }

    void mainWindowShowsTheDay()
    {
        Program program;
        QByteArray journal("05/12/2026, 65,Réunion,client\r\n");
        for (int i = 0; i < 19; ++i)
            journal += "05/12/2026, 1,Dossiers,\r\n";
        startOverJournal(program, journal);
        MainWindow *main = program.main();
        QCOMPARE(child<QLabel>(main, "lblDayDurationWP")->text(), " 1 h 24 (= 84 min.)");
        auto *grid = child<QTableView>(main, "grdHistorique");
        QCOMPARE(program.cell(0, 0), "(dans log)");
        QVERIFY(QTest::qWaitForWindowExposed(main));
        // The grid scrolls sideways only when its columns do not fit.
        const int columns = grid->horizontalHeader()->length();
        main->resize(columns + 200, 600);
        QTRY_VERIFY(grid->viewport()->width() >= columns);
        QTRY_VERIFY(!grid->horizontalScrollBar()->isVisible());
        // The comment column takes the width the other columns leave, as maximised.
        QTRY_COMPARE(grid->horizontalHeader()->length(), grid->viewport()->width());
        main->resize(1, 600);
        QTRY_VERIFY(grid->horizontalScrollBar()->isVisible());
        QVERIFY(grid->viewport()->width() < columns);
        // However small the window, the newest row is the last of 16 rows in sight.
        main->resize(main->width(), 100);
        program.windows.updateMainWindow();
        for (int row : { 4, 19 }) {
            const QRect cell = grid->visualRect(grid->model()->index(row, 0));
            QVERIFY2(grid->viewport()->rect().contains(cell), qPrintable(QString::number(row)));
        }
        click(main, "cmdContinuer");
        QVERIFY(!main->isVisible());
        // A new day whose journal cannot be written: the old day stays open, Changer waits.
        program.tracker.recordChangeAt(program.clock.current, "Dossiers");
        QVERIFY(QFile::remove(program.file("Quillmere.log")));
        QVERIFY(QDir(program.folder).mkdir("Quillmere.log"));
        program.clock.set(2026, 12, 6, 0, 10);
        onNextModal([](QWidget *question) {
            onNextModal([](QWidget *warning) { warning->close(); }, question);
            click(question, "cmdCont");
        });
        program.tracker.showMainWindow();
        QVERIFY(!child(main, "cmdChange")->isEnabled());
    }

    // The main window at its smallest size, with the fonts this machine has.
    void nothingClippedAtTheSmallestSize_data()
    {
        QTest::addColumn<int>("total");
        QTest::newRow("just under 99 hours") << 5939;
        QTest::newRow("past 99 hours") << 99999;
    }
    void nothingClippedAtTheSmallestSize()
    {
        QFETCH(int, total);
        Program program;
        startOverJournal(program, "05/12/2026, " + QByteArray::number(total) + ",Dossiers,\r\n");
        MainWindow *main = program.main();
        main->updateFromState();
        // At once, before the layout could take the new texts into account.
        main->resize(1, 1);
        QTRY_COMPARE(main->size(), main->minimumSize());
        QCOMPARE(child<QLabel>(main, "lblDayDuration")->text(), dayTotalText(total));
        QCOMPARE(clippedTexts(main), QStringList());
    }

    // Without a notification area the close box minimises the window (with one it hides it:
    // trayIconAndMenu).
    void mainWindowCloseBoxMinimises()
    {
        Program program({}, false);
        program.startNormally();
        MainWindow *main = program.main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->close();
        QVERIFY(!program.ended);
        QVERIFY(main->isVisible());
        QVERIFY(main->isMinimized());
        program.tracker.showMainWindow();
        QVERIFY(!main->isMinimized());
        // Brought back from the task bar, the window proposes the change time as the icon would.
        program.tracker.changeForm().open();
        program.tracker.changeForm().fields().activityIndex = 1;
        QVERIFY(program.tracker.confirmChange());
        QVERIFY(main->isMinimized());
        program.clock.set(2026, 12, 5, 9, 20);
        main->showNormal();
        QTRY_COMPARE(program.tracker.changeForm().fields().invokeTime, "09:20:00");
        // A window that stays on the task bar shows the day's totals, not those of its last
        // showing.
        program.tracker.changeForm().open();
        program.tracker.changeForm().fields().activityIndex = 2;
        QVERIFY(program.tracker.confirmChange());
        const int total = program.tracker.state().dayTotalMinutes();
        QVERIFY(total > 0);
        const QString shown = child<QLabel>(main, "lblDayDuration")->text();
        QVERIFY2(shown.endsWith(QStringLiteral("(= %1 min.)").arg(total)), qPrintable(shown));
        // Not while the editor is open: the window goes back to the task bar.
        click(main, "cmdEdit");
        QVERIFY(main->isMinimized());
        main->showNormal();
        QTRY_VERIFY(main->isMinimized());
        QVERIFY(program.windows.editor()->isVisible());
    }

    // The icon's tooltip follows the day (its texts: UserNoticeTest::toolTip).
    void trayIconAndMenu()
    {
        Program program;
        program.startNormally();
        MainWindow *main = program.main();
        QMenu *menu = main->trayMenu();
        QCOMPARE(menu->defaultAction()->objectName(), "mnuQuillmere");
        TrayIcon *icon = program.windows.trayIcon();
        const auto toolTip = [icon] {
            return icon->findChild<QSystemTrayIcon *>()->toolTip();
        };
        QCOMPARE(toolTip(), "Quillmere");
        // The close box hides the window in the notification area, and the icon brings it back.
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->close();
        QVERIFY(!program.ended);
        QVERIFY(!main->isVisible());
        icon->activate(QSystemTrayIcon::Trigger);
        QVERIFY(main->isVisible());
        program.change(1, {}, {}, {});
        QCOMPARE(toolTip(), "Quillmere - Dossiers depuis 09:00 (0 h 00)");

        // The menu's first entry opens the change dialog with the change time that showing the
        // window proposes, not the one of the last change.
        program.clock.set(2026, 12, 5, 9, 50);
        QAction *changeEntry = menu->actions().first();
        QString invokeTime;
        bool mainShown = false;
        onNextModal([&](QWidget *dialog) {
            invokeTime = child<QLineEdit>(dialog, "txtInvokeTime")->text();
            mainShown = main->isVisible();
            click(dialog, "cmdCancel");
        });
        changeEntry->trigger();
        QCOMPARE(invokeTime, "09:50:00");
        QVERIFY(mainShown);
        QCOMPARE(toolTip(), "Quillmere - Dossiers depuis 09:00 (0 h 50)");

        // Neither the icon nor the change entry while the editor is open, nor the middle button.
        program.tracker.hideMainWindow();
        program.tracker.openEditor();
        icon->activate(QSystemTrayIcon::DoubleClick);
        changeEntry->trigger();
        QVERIFY(!program.windows.changeDialog()->isVisible());
        QVERIFY(!main->isVisible());
        program.windows.editor()->hide();
        icon->activate(QSystemTrayIcon::MiddleClick);
        QVERIFY(!main->isVisible());
        icon->activate(QSystemTrayIcon::DoubleClick);
        QVERIFY(main->isVisible());

        // The icon's menu and clicks wait while a question is up; a second question is refused.
        program.tracker.hideMainWindow();
        bool nested = true, suppress = true;
        QString caption;
        onNextModal([&](QWidget *message) {
            for (QAction *action : menu->actions())
                action->trigger();
            icon->activate(QSystemTrayIcon::Trigger);
            nested = program.windows.messageWindow()->ask(
                *stockMessage(StockMessage::Code::CloseDay), suppress);
            caption
                = message->isVisible() ? child(message, "cmdCont")->accessibleName() : QString();
            child<QCheckBox>(message, "chkSuppr")->setChecked(true);
            click(message, "cmdAbandon");
        });
        QAction *hardQuit = menu->findChild<QAction *>("mnuHardQuit");
        hardQuit->trigger();
        QVERIFY(!nested);
        QVERIFY(!suppress);
        QCOMPARE(caption, "Quitter");
        QVERIFY(!program.ended);
        QVERIFY(!main->isVisible());
        // Switched off by that answer, in the settings too: Quitter now ends the program at once.
        hardQuit->trigger();
        QVERIFY(program.ended);
        QVERIFY(readBytes(program.file("Quillmere.ini")).contains("Message=3=Faux"));
        QVERIFY(!QFile::exists(program.file("Quillmere.log")));
    }

    // A day gone by, logged from the keyboard from the start window to Terminer: a typo that
    // would run into the next day is caught, and a put-off change of day blocks nothing.
    void pastDayToTheJournal()
    {
        Program run;
        writeBytes(run.file("Quillmere.ini"), kThreeActivities);
        run.clock.set(2026, 12, 5, 10, 0);
        // Once the window system has made the window in front active: the keys go there.
        const auto settled = [] {
            QCoreApplication::processEvents();
            return QTest::qWaitFor(
                [] {
                    const QWidget *focus = QApplication::focusWidget();
                    const QWidget *modal = QApplication::activeModalWidget();
                    return focus && (!modal || focus->window() == modal);
                },
                2000);
        };
        const auto focused = [&settled] {
            return settled() ? QApplication::focusWidget()->objectName() : QString();
        };
        // The text, then each key, into whatever has the focus then.
        const auto keys = [&settled](QString text, std::initializer_list<Qt::Key> pressed) {
            for (const Qt::Key key : pressed) {
                if (!settled())
                    qFatal("no focus in the window in front");
                QTest::keyClicks(QApplication::focusWidget(), std::exchange(text, QString()));
                QTest::keyClick(QApplication::focusWidget(), key);
            }
        };
        // The start window proposes today, selected; Escape does not quit, only the close box and
        // Quitter do; Enter completes the date and goes on to Commencer.
        QString start;
        onNextModal([&](QWidget *modal) {
            auto *today = child<QLineEdit>(modal, "txtToday");
            start = today->text() + u'|' + today->selectedText();
            keys({}, { Qt::Key_Escape });
            QVERIFY(modal->isVisible());
            keys("1/12/2026", { Qt::Key_Return });
            start += u'|' + today->text() + u'|' + focused();
            keys({}, { Qt::Key_Return });
        });
        run.tracker.start();
        QCOMPARE(start, "05/12/2026|05/12/2026|01/12/2026|cmdStart");
        QCOMPARE(child<QLabel>(run.main(), "lblToday")->text(), "01/12/2026");

        // 21:15 to 09:00: not meant, then meant; the change of day is put off.
        QStringList asked;
        bool pastDayTold = false;
        onNextModal([&](QWidget *dialog) {
            pastDayTold = child<QLabel>(dialog, "lblPastDay")->isVisible();
            keys("21:15", { Qt::Key_Return, Qt::Key_Tab });
            onNextModal(
                [&](QWidget *) {
                    asked << focused();
                    keys({}, { Qt::Key_Return });
                },
                dialog);
            keys("09:00", { Qt::Key_Return });
            asked << focused();
            clickInNextModal("cmdYes", dialog);
            keys("09:00", { Qt::Key_Return });
            asked << focused();
            clickInNextModal("cmdAbandon", dialog);
            keys({}, { Qt::Key_Down, Qt::Key_Return });
        });
        click(run.main(), "cmdChange");
        QVERIFY(pastDayTold);
        // The question's text: ChangeTest::endTimeCheck.
        QCOMPARE(asked, QStringList({ "cmdNo", "txtEndTime", "lstActivities" }));
        QCOMPARE(run.cell(0, 0) + u'|' + run.cell(0, 1), "21:15:00| 11 h 45 = 705");
        QVERIFY(child(run.main(), "cmdChange")->isEnabled());

        // Taken back: the day starts again at 21:15, without the question.
        clickInNextModal("cmdYes");
        click(run.main(), "cmdDelete");
        QCOMPARE(run.tracker.history().gridRowCount(), 1);
        QVERIFY(child(run.main(), "cmdChange")->isEnabled());

        // No duration: told, and back in the duration.
        QString proposed, afterWarning;
        onNextModal([&](QWidget *dialog) {
            proposed = child<QLineEdit>(dialog, "txtInvokeTime")->text();
            keys({}, { Qt::Key_Return, Qt::Key_Return, Qt::Key_Down });
            onNextModal([&](QWidget *) { keys({}, { Qt::Key_Return }); }, dialog);
            keys({}, { Qt::Key_Return });
            afterWarning = focused();
            keys("60", { Qt::Key_Return, Qt::Key_Return });
        });
        click(run.main(), "cmdChange");
        QCOMPARE(proposed + u'|' + afterWarning, "21:15:00|txtDuration");
        onNextModal([&](QWidget *) {
            keys({}, { Qt::Key_Tab, Qt::Key_Tab });
            keys("23:00", { Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return });
        });
        click(run.main(), "cmdChange");
        QCOMPARE(run.cell(1, 0) + u'|' + run.cell(1, 1), "22:15:00| 0 h 45 = 45");
        clickInNextModal("cmdCont");
        click(run.main(), "cmdQuit");
        QVERIFY(run.ended);
        QCOMPARE(readBytes(run.file("Quillmere.log")),
            "01/12/2026, 60,Dossiers,\r\n01/12/2026, 45,Réunion,\r\n");
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
