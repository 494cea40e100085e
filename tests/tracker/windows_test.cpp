#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/editor_window.h"
#include "tracker/ui/message_dialog.h"
#include "tracker/ui/start_window.h"
#include "tracker/ui/tray_icon.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>

using namespace qm;
using namespace qm::test;

class WindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void messageWindow_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("button"); // empty: the close box
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<QString>("leftCaption"); // empty: a single button
        QTest::addColumn<QString>("focused"); // the default button: the answer that loses nothing
        const auto row = [](const char *name, int code, const char *button, bool tick, bool answer,
                             bool suppressed, const char *left, const char *focused) {
            QTest::newRow(name) << code << QByteArray(button) << tick << answer << suppressed
                                << QString(left) << QString(focused);
        };
        row("3, Ne pas quitter, ticked", 3, "cmdAbandon", true, false, true, "Ne pas quitter",
            "cmdAbandon");
        row("4, Clôturer", 4, "cmdCont", false, true, false, "Ne pas clôturer", "cmdAbandon");
        row("2, single button", 2, "cmdCont", false, true, false, "", "cmdCont");
        row("3, close box", 3, "", false, false, false, "Ne pas quitter", "cmdAbandon");
        row("1, close box keeps the day", 1, "", false, true, false, "Abandonner", "cmdCont");
        row("8, no switch", 8, "cmdAbandon", true, false, false, "Ne pas enregistrer",
            "cmdAbandon");
    }
    void messageWindow()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, button);
        QFETCH(bool, tick);
        MessageDialog window;
        const StockMessage message = *stockMessage(StockMessage::Code(code));
        QString left;
        bool checkVisible = false;
        QString focused;
        onNextModal([&](QWidget *modal) {
            if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000))
                qWarning("the message took no focus");
            const auto *first = qobject_cast<QPushButton *>(QApplication::focusWidget());
            if (first && first->isDefault())
                focused = first->objectName();
            auto *check = child<QCheckBox>(modal, "chkSuppr");
            checkVisible = check->isVisible();
            check->setChecked(tick);
            auto *abandon = child(modal, "cmdAbandon");
            left = abandon->isVisible() ? abandon->accessibleName() : QString();
            if (button.isEmpty())
                modal->close();
            else
                click(modal, button.constData());
        });
        bool suppress = false;
        QTEST(window.ask(message, suppress), "answer");
        QTEST(suppress, "suppressed");
        QCOMPARE(checkVisible, message.offersSuppression);
        QTEST(left, "leftCaption");
        QTEST(focused, "focused");
        QVERIFY(!window.isVisible());
    }

    void startWindowEnter()
    {
        Program program;
        StartWindow *start = program.windows.startWindow();
        QString shown;
        QString focusAfterEnter;
        onNextModal([&](QWidget *modal) {
            auto *today = child<QLineEdit>(modal, "txtToday");
            shown = today->text() + u'|' + today->selectedText();
            // Escape does not quit: only the close box and Quitter do.
            QTest::keyClick(today, Qt::Key_Escape);
            QVERIFY(modal->isVisible());
            QTest::keyClicks(today, "3/12/2026");
            QTest::keyClick(today, Qt::Key_Return);
            QCOMPARE(today->text(), "03/12/2026");
            // The window's own focus: the application's may still be null when the window
            // has not been activated yet (slow runs).
            QWidget *focused = modal->focusWidget();
            focusAfterEnter = focused ? focused->objectName() : QString();
            if (focused)
                QTest::keyClick(focused, Qt::Key_Return);
            else
                modal->close();
        });
        program.tracker.checkStartDate("05/12/2026");
        QVERIFY(start->run());
        QCOMPARE(shown, "05/12/2026|05/12/2026");
        QCOMPARE(focusAfterEnter, "cmdStart");
        QCOMPARE(program.tracker.state().dayDate(), "03/12/2026");
    }

    void startWindowCloseBoxQuits()
    {
        Program program;
        onNextModal([](QWidget *modal) {
            QCOMPARE(modal->objectName(), "frmFirstExe");
            onNextModal([](QWidget *start) { start->close(); }, modal);
            modal->close();
        });
        program.tracker.start();
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
        writeBytes(program.file("Quillmere.log"), journal);
        clickInNextModal("cmdCont", program.windows.startWindow());
        program.startNormally();
        MainWindow *main = program.main();
        QVERIFY(main->isVisible());
        QCOMPARE(child<QLabel>(main, "lblToday")->text(), "05/12/2026");
        QCOMPARE(child<QLabel>(main, "lblDayDuration")->text(), " 1 h 24 (= 84 min.)");
        QCOMPARE(child<QLabel>(main, "lblDayDurationWP")->text(), " 1 h 24 (= 84 min.)");
        auto *grid = child<QTableView>(main, "grdHistorique");
        QCOMPARE(program.cell(0, 0), "(dans log)");
        // However small the window, the newest row is the last of 16 rows in sight.
        QVERIFY(QTest::qWaitForWindowExposed(main));
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

    void mainWindowCloseBoxHides_data()
    {
        QTest::addColumn<bool>("trayAvailable");
        QTest::newRow("with a notification area") << true;
        QTest::newRow("without one: minimised") << false;
    }
    void mainWindowCloseBoxHides()
    {
        QFETCH(bool, trayAvailable);
        Program program({}, trayAvailable);
        program.startNormally();
        MainWindow *main = program.main();
        QVERIFY(QTest::qWaitForWindowExposed(main));
        main->close();
        QVERIFY(!program.ended);
        QCOMPARE(main->isVisible(), !trayAvailable);
        QCOMPARE(main->isMinimized(), !trayAvailable);
        program.tracker.showMainWindow();
        QVERIFY(main->isVisible());
        QVERIFY(!main->isMinimized());
        if (trayAvailable)
            return;
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
        QVERIFY(program.windows.editor()->isVisible());
        main->showNormal();
        QTRY_VERIFY(main->isMinimized());
        QVERIFY(program.windows.editor()->isVisible());
    }

    void trayIconAndMenu()
    {
        Program program;
        program.startNormally();
        QMenu *menu = program.main()->trayMenu();
        QCOMPARE(menu->defaultAction()->objectName(), "mnuQuillmere");

        program.tracker.hideMainWindow();
        program.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
        QVERIFY(program.main()->isVisible());
        // Not while the editor is open, and not from the middle button.
        program.tracker.hideMainWindow();
        program.tracker.openEditor();
        program.windows.trayIcon()->activate(QSystemTrayIcon::DoubleClick);
        QVERIFY(!program.main()->isVisible());
        program.windows.editor()->hide();
        program.windows.trayIcon()->activate(QSystemTrayIcon::MiddleClick);
        QVERIFY(!program.main()->isVisible());
        program.windows.trayIcon()->activate(QSystemTrayIcon::DoubleClick);
        QVERIFY(program.main()->isVisible());
        clickInNextModal("cmdCont");
        menu->findChild<QAction *>("mnuHardQuit")->trigger();
        QVERIFY(program.ended);
    }

    // The icon's menu and clicks wait while a question is up; a second question is refused.
    void trayWaitsForTheModalWindow()
    {
        Program program;
        program.startNormally();
        program.tracker.hideMainWindow();
        const auto actions = program.main()->trayMenu()->actions();
        bool nested = true, suppress = true;
        QString caption;
        onNextModal([&](QWidget *message) {
            for (QAction *action : actions)
                action->trigger();
            program.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
            nested = program.windows.messageWindow()->ask(
                *stockMessage(StockMessage::Code::CloseDay), suppress);
            caption
                = message->isVisible() ? child(message, "cmdCont")->accessibleName() : QString();
            click(message, "cmdAbandon");
        });
        program.main()->trayMenu()->findChild<QAction *>("mnuHardQuit")->trigger();
        QVERIFY(!nested);
        QVERIFY(!suppress);
        QCOMPARE(caption, "Quitter");
        QVERIFY(!program.ended);
        QVERIFY(!program.main()->isVisible());
        QVERIFY(!QFile::exists(program.file("Quillmere.log")));
    }

    void firstDayThroughTheWindows()
    {
        Program run;
        run.clock.set(2026, 12, 5, 8, 0);
        onNextModal([](QWidget *welcome) {
            QCOMPARE(welcome->windowTitle(), "Quillmere - Première exécution");
            clickInNextModal("cmdStart");
            click(welcome, "cmdOK");
        });
        run.tracker.start();
        QWidget *editor = run.windows.editor();
        QVERIFY(editor->isVisible());
        QVERIFY(!run.main()->isVisible());
        for (const char *name : { "Dossiers", "Réunion, client", "Courrier" }) {
            onNextModal([name](QWidget *modal) {
                auto *box = qobject_cast<QInputDialog *>(modal);
                QVERIFY(box);
                QCOMPARE(box->labelText(), "Saisir l'intitulé de la nouvelle activité...");
                box->setTextValue(name);
                box->accept();
            });
            click(editor, "cmdAdd");
        }
        click(editor, "cmdSave");
        QVERIFY(run.main()->isVisible());
        run.change(1, {}, {}, {});
        QVERIFY(!run.main()->isVisible());
        QCOMPARE(run.cell(0, 1), "EN COURS");
        run.clock.set(2026, 12, 5, 9, 10);
        run.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
        QVERIFY(run.main()->isVisible());
        run.change(2, "30", {}, "a,b");
        QVERIFY(run.main()->isVisible());
        QCOMPARE(run.cell(1, 3), "a;b");
        run.change(3, {}, "10:15", {});
        QCOMPARE(run.cell(2, 0) + u'|' + run.cell(2, 1), "09:40:00| 0 h 35 = 35");
        clickInNextModal("cmdCont");
        click(run.main(), "cmdQuit");
        QVERIFY(run.ended);
        QCOMPARE(readBytes(run.file("Quillmere.log")),
            readBytes(QFINDTESTDATA("../data/tracker/logged_day.log")));
        QVERIFY(!QFile::exists(run.file("Quillmere.day")));
    }

    // A day gone by, logged from the keyboard to Terminer: each activity is given its end, a
    // typo that would run into the next day is caught, and a put-off change of day blocks
    // nothing.
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
        const auto keys = [&settled](const QString &text, Qt::Key last) {
            if (!settled())
                qFatal("no focus in the window in front");
            if (!text.isEmpty())
                QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), last);
        };
        onNextModal([&](QWidget *) {
            keys("01/12/2026", Qt::Key_Return);
            keys({}, Qt::Key_Return);
        });
        run.tracker.start();
        QCOMPARE(child<QLabel>(run.main(), "lblToday")->text(), "01/12/2026");

        // 21:15 to 09:00: not meant, then meant; the change of day is put off.
        QStringList asked;
        bool pastDayTold = false;
        onNextModal([&](QWidget *dialog) {
            pastDayTold = child<QLabel>(dialog, "lblPastDay")->isVisible();
            keys("21:15", Qt::Key_Return);
            keys({}, Qt::Key_Tab);
            onNextModal(
                [&](QWidget *box) {
                    asked << qobject_cast<QMessageBox *>(box)->text() << focused();
                    keys({}, Qt::Key_Return);
                },
                dialog);
            keys("09:00", Qt::Key_Return);
            asked << focused();
            clickInNextModal("cmdYes", dialog);
            keys("09:00", Qt::Key_Return);
            asked << focused();
            clickInNextModal("cmdAbandon", dialog);
            keys({}, Qt::Key_Down);
            keys({}, Qt::Key_Return);
        });
        click(run.main(), "cmdChange");
        QVERIFY(pastDayTold);
        QCOMPARE(asked,
            QStringList({ "L'activité se terminera le lendemain à 09:00 (11 h 45). Est-ce bien ce "
                          "que vous voulez ?",
                "cmdNo", "txtEndTime", "lstActivities" }));
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
            keys({}, Qt::Key_Return);
            keys({}, Qt::Key_Return);
            keys({}, Qt::Key_Down);
            onNextModal([&](QWidget *) { keys({}, Qt::Key_Return); }, dialog);
            keys({}, Qt::Key_Return);
            afterWarning = focused();
            keys("60", Qt::Key_Return);
            keys({}, Qt::Key_Return);
        });
        click(run.main(), "cmdChange");
        QCOMPARE(proposed + u'|' + afterWarning, "21:15:00|txtDuration");
        onNextModal([&](QWidget *) {
            keys({}, Qt::Key_Tab);
            keys({}, Qt::Key_Tab);
            keys("23:00", Qt::Key_Return);
            keys({}, Qt::Key_Down);
            keys({}, Qt::Key_Down);
            keys({}, Qt::Key_Return);
        });
        click(run.main(), "cmdChange");
        QCOMPARE(run.cell(1, 0) + u'|' + run.cell(1, 1), "22:15:00| 0 h 45 = 45");
        clickInNextModal("cmdCont");
        click(run.main(), "cmdQuit");
        QVERIFY(run.ended);
        QCOMPARE(readBytes(run.file("Quillmere.log")),
            "01/12/2026, 60,Dossiers,\r\n01/12/2026, 45,Réunion,\r\n");
    }

    void quitRecoverAndSuppress()
    {
        QTemporaryDir dir;
        {
            Program run(dir.path());
            run.startNormally();
            run.change(2, "20", {}, "vu");
            // Quitter: the first answer keeps the program and switches the message off.
            onNextModal([](QWidget *message) {
                child<QCheckBox>(message, "chkSuppr")->setChecked(true);
                click(message, "cmdAbandon");
            });
            click(run.main(), "cmdHardQuit");
            QVERIFY(!run.ended);
            click(run.main(), "cmdHardQuit");
            QVERIFY(run.ended);
        }
        QVERIFY(readBytes(dir.filePath("Quillmere.ini")).contains("Message=3=Faux"));
        QCOMPARE(
            readBytes(dir.filePath("Quillmere.day")), "05/12/2026\r\n09:00:00, 20,Réunion,vu\r\n");
        QVERIFY(!QFile::exists(dir.filePath("Quillmere.log")));
        Program run(dir.path());
        QString shown;
        onNextModal([&shown](QWidget *message) {
            shown = child(message, "cmdCont")->accessibleName();
            click(message, "cmdCont");
        });
        run.tracker.start();
        QCOMPARE(shown, "Récuperer");
        QVERIFY(run.main()->isVisible());
        QCOMPARE(QStringList({ run.cell(0, 0), run.cell(0, 2), run.cell(0, 3) }),
            QStringList({ "09:00:00", "Réunion", "vu" }));
        click(run.main(), "cmdHardQuit");
        QVERIFY(run.ended);
        QVERIFY(QFile::exists(dir.filePath("Quillmere.day")));
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
