#include "../core/fakes.h"
#include "../core/rig.h"
#include "modal.h"

#include "journal/text_formats.h"
#include "tracker/ui/frm_about.h"
#include "tracker/ui/frm_edit.h"
#include "tracker/ui/frm_message.h"
#include "tracker/ui/frm_quillmere_main.h"
#include "tracker/ui/tray_icon.h"
#include "tracker/ui/window_set.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QTableView>
#include <QTextBrowser>
#include <QToolButton>

using namespace qm;
using namespace qm::test;

namespace {

// The real windows over a temporary program folder.
struct Program
{
    explicit Program(bool trayAvailable = true)
        : windows(trayAvailable, [this] { ended = true; })
        , tracker(dir.path(), clock, windows, windows, desktop)
    {
        windows.attach(tracker);
    }

    QString file(QStringView name) const { return dir.filePath(name.toString()); }
    // A start with three activities, through the start window.
    void startNormally()
    {
        writeBytes(file(kSettingsFileName), kThreeActivities);
        clickInNextModal("cmdStart");
        tracker.start();
    }
    template<typename T> T *find(QWidget *window, const char *name)
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    QTemporaryDir dir;
    FakeClock clock;
    FakeDesktop desktop;
    bool ended = false;
    WindowSet windows;
    Tracker tracker;
};

} // namespace

class TrackerWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void messageWindow_data();
    void messageWindow();
    void startWindowEnter();
    void startWindowCloseBoxQuits();
    void editorThroughItsImages();
    void mainWindowShowsTheDay();
    void mainWindowCloseBoxHides_data();
    void mainWindowCloseBoxHides();
    void trayIconAndMenu();
};

void TrackerWindowsTest::messageWindow_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("suppressed");
    QTest::addColumn<QString>("leftCaption");

    QTest::newRow("3, Ne pas quitter, ticked")
        << 3 << QByteArray("cmdAbandon") << true << false << true << "Ne pas quitter";
    QTest::newRow("4, Clôturer") << 4 << QByteArray("cmdCont") << false << true << false
                                 << "Ne pas clôturer";
    QTest::newRow("2, single button") << 2 << QByteArray("cmdCont") << false << true << false << "";
    QTest::newRow("3, close box") << 3 << QByteArray() << false << false << false
                                  << "Ne pas quitter";
    QTest::newRow("1, close box keeps the day")
        << 1 << QByteArray() << false << true << false << "Abandonner";
    QTest::newRow("8, no switch") << 8 << QByteArray("cmdAbandon") << true << false << false
                                  << "Ne pas enregistrer";
}

void TrackerWindowsTest::messageWindow()
{
    QFETCH(int, code);
    QFETCH(QByteArray, button);
    QFETCH(bool, tick);
    QFETCH(bool, answer);
    QFETCH(bool, suppressed);
    QFETCH(QString, leftCaption);

    frmMessage window;
    const StockMessage message = *stockMessage(code);
    QString html;
    bool checkVisible = false;
    bool leftVisible = false;
    QString left;
    onNextModal([&](QWidget *modal) {
        html = modal->findChild<QTextBrowser *>(QStringLiteral("txtMessage"))->toHtml();
        auto *check = modal->findChild<QCheckBox *>(QStringLiteral("chkSuppr"));
        checkVisible = check->isVisible();
        if (tick)
            check->setChecked(true);
        auto *abandon = modal->findChild<QPushButton *>(QStringLiteral("cmdAbandon"));
        leftVisible = abandon->isVisible();
        left = abandon->text();
        if (button.isEmpty())
            modal->close();
        else
            QTest::mouseClick(
                modal->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    });
    bool suppress = false;
    QCOMPARE(window.ask(message, suppress), answer);
    QCOMPARE(suppress, suppressed);
    QCOMPARE(checkVisible, message.offersSuppression);
    QCOMPARE(leftVisible, !leftCaption.isEmpty());
    if (leftVisible)
        QCOMPARE(left, leftCaption);
    QVERIFY(html.contains(QStringLiteral("color:#ff0000")));
    QVERIFY(html.contains(QStringLiteral("font-weight:700")));
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillmere - Message"));
}

void TrackerWindowsTest::startWindowEnter()
{
    Program program;
    frmAbout *start = program.windows.startWindow();
    bool shownDate = false;
    onNextModal([&](QWidget *modal) {
        auto *today = program.find<QLineEdit>(modal, "txtToday");
        shownDate = today->text() == u"05/12/2026" && today->selectedText() == today->text();
        QTest::keyClicks(today, QStringLiteral("3/12/2026"));
        QTest::keyClick(today, Qt::Key_Return);
        if (today->text() != u"03/12/2026") {
            modal->close();
            return;
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdStart"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    program.tracker.state().dayDate = QStringLiteral("05/12/2026");
    QVERIFY(start->run());
    QVERIFY(shownDate);
    QCOMPARE(program.tracker.state().dayDate, QStringLiteral("03/12/2026"));
    QCOMPARE(program.find<QLabel>(start, "lblVers")->text(), QStringLiteral("v 3.13"));
}

void TrackerWindowsTest::startWindowCloseBoxQuits()
{
    Program program;
    onNextModal([](QWidget *modal) {
        QCOMPARE(modal->objectName(), QStringLiteral("frmFirstExe"));
        onNextModal([](QWidget *start) { start->close(); }, modal);
        modal->close();
    });
    program.tracker.start();
    QVERIFY(program.ended);
    QVERIFY(program.tracker.hasEnded());
    QVERIFY(!QFile::exists(program.file(kSettingsFileName)));
}

void TrackerWindowsTest::editorThroughItsImages()
{
    Program program;
    program.startNormally();
    frmEdit *editor = program.windows.editor();
    program.tracker.OpenEditor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->focusWidget());
    QCOMPARE(editor->focusWidget()->objectName(), QStringLiteral("cmdAdd"));
    auto *current = program.find<QListWidget>(editor, "lstAct");
    auto *retired = program.find<QListWidget>(editor, "lstObs");
    QCOMPARE(current->count(), 3);
    current->setCurrentRow(0);
    QTest::mouseClick(program.find<QToolButton>(editor, "imgDown"), Qt::LeftButton);
    QCOMPARE(current->item(1)->text(), QStringLiteral("Dossiers"));
    QCOMPARE(current->currentRow(), 1);
    QTest::mouseClick(program.find<QToolButton>(editor, "imgUp"), Qt::LeftButton);
    QCOMPARE(current->currentRow(), 0);
    QTest::mouseClick(program.find<QToolButton>(editor, "imgGoObs"), Qt::LeftButton);
    QCOMPARE(current->count(), 2);
    QCOMPARE(retired->item(0)->text(), QStringLiteral("Dossiers"));
    QCOMPARE(program.find<QToolButton>(editor, "imgGoObs")->toolTip(),
        QStringLiteral("Changer le statut de l'activité à 'terminée'"));
    // The close box drops the changes, as Abandonner does.
    editor->close();
    QVERIFY(!editor->isVisible());
    QCOMPARE(program.tracker.editor().currentList(),
        (QStringList { "Dossiers", "Réunion", "Courrier" }));
    QVERIFY(program.windows.mainWindow()->isVisible());
}

void TrackerWindowsTest::mainWindowShowsTheDay()
{
    Program program;
    writeBytes(program.file(kSettingsFileName), kThreeActivities);
    writeBytes(program.file(kJournalFileName), "05/12/2026, 65,Réunion,client\r\n");
    clickInNextModal("cmdStart");
    onNextModal(
        [](QWidget *message) {
            QCOMPARE(message->objectName(), QStringLiteral("frmMessage"));
            QTest::mouseClick(
                message->findChild<QPushButton *>(QStringLiteral("cmdCont")), Qt::LeftButton);
        },
        program.windows.startWindow());
    program.tracker.start();
    frmQuillmereMain *main = program.windows.mainWindow();
    QVERIFY(main->isVisible());
    QCOMPARE(main->windowTitle(), QStringLiteral("Quillmere - v 3.13    BRISQUEL"));
    QCOMPARE(program.find<QLabel>(main, "lblToday")->text(), QStringLiteral("05/12/2026"));
    QCOMPARE(program.find<QLabel>(main, "lblDayDuration")->text(),
        QStringLiteral(" 1 h 05 (= 65 min.)"));
    QCOMPARE(program.find<QLabel>(main, "lblDayDurationWP")->text(),
        QStringLiteral(" 1 h 05 (= 65 min.)"));
    auto *grid = program.find<QTableView>(main, "grdHistorique");
    QCOMPARE(grid->accessibleName(), QStringLiteral("Historique de la journée"));
    QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("(dans log)"));
    QVERIFY(grid->columnWidth(3) > grid->columnWidth(1));
    QCOMPARE(
        program.find<QPushButton>(main, "cmdInternet")->toolTip(), program.tracker.webToolTip());
    QCOMPARE(program.find<QPushButton>(main, "cmdQuit")->toolTip(),
        QStringLiteral("Terminer la journée (Enregistrer le log)"));

    QTest::mouseClick(program.find<QPushButton>(main, "cmdContinuer"), Qt::LeftButton);
    QVERIFY(!main->isVisible());
    program.tracker.state().changeEnabled = false;
    program.windows.updateMainWindow();
    QVERIFY(!program.find<QPushButton>(main, "cmdChange")->isEnabled());
}

void TrackerWindowsTest::mainWindowCloseBoxHides_data()
{
    QTest::addColumn<bool>("trayAvailable");
    QTest::newRow("with a notification area") << true;
    QTest::newRow("without one: minimised") << false;
}

void TrackerWindowsTest::mainWindowCloseBoxHides()
{
    QFETCH(bool, trayAvailable);

    Program program(trayAvailable);
    program.startNormally();
    frmQuillmereMain *main = program.windows.mainWindow();
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
    QTRY_COMPARE(program.tracker.changeForm().fields().invokeTime, QStringLiteral("09:20:00"));
}

void TrackerWindowsTest::trayIconAndMenu()
{
    Program program;
    program.startNormally();
    frmQuillmereMain *main = program.windows.mainWindow();
    QMenu *menu = main->trayMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("mnuInTray"));
    const auto actions = menu->actions();
    QCOMPARE(actions.size(), 3);
    QCOMPARE(actions[0]->text(), QStringLiteral("Montrer Quillmere"));
    QCOMPARE(menu->defaultAction(), actions[0]);
    QVERIFY(actions[0]->font().bold());
    QCOMPARE(actions[1]->text(), QStringLiteral("Terminer la journée"));
    QCOMPARE(actions[2]->text(), QStringLiteral("Quitter sans sauvegarder"));

    program.tracker.hideMainWindow();
    program.clock.set(2026, 12, 5, 9, 45);
    program.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
    QVERIFY(main->isVisible());
    QCOMPARE(program.tracker.changeForm().fields().invokeTime, QStringLiteral("09:00:00"));

    program.tracker.hideMainWindow();
    program.tracker.OpenEditor();
    program.windows.trayIcon()->activate(QSystemTrayIcon::DoubleClick);
    QVERIFY(!main->isVisible());
    program.windows.editor()->hide();
    program.windows.trayIcon()->activate(QSystemTrayIcon::MiddleClick);
    QVERIFY(!main->isVisible());
    program.windows.trayIcon()->activate(QSystemTrayIcon::DoubleClick);
    QVERIFY(main->isVisible());

    clickInNextModal("cmdCont");
    actions[2]->trigger();
    QVERIFY(program.ended);
}

QTEST_MAIN(TrackerWindowsTest)
#include "tst_tracker_windows.moc"
