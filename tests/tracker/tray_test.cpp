#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/editor_window.h"
#include "tracker/ui/tray_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>

using namespace qm;
using namespace qm::test;

// The notification-area icon's tooltip and its menu's change entry, over the real windows.
class TrayTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void toolTipFollowsTheDay()
    {
        Program program;
        const auto toolTip = [&] {
            return program.windows.trayIcon()->findChild<QSystemTrayIcon *>()->toolTip();
        };
        program.startNormally();
        QCOMPARE(toolTip(), "Quillmere");
        program.change(2, {}, {}, {});
        QCOMPARE(toolTip(), "Quillmere - Réunion depuis 09:00 (0 h 00)");
        program.clock.set(2026, 12, 5, 10, 25);
        program.tracker.showMainWindow();
        QCOMPARE(toolTip(), "Quillmere - Réunion depuis 09:00 (1 h 25)");
        program.change(0, {}, {}, {});
        QCOMPARE(toolTip(), "Quillmere - pause depuis 10:25");
        program.tracker.showMainWindow();
        program.change(1, "30", {}, {});
        QCOMPARE(toolTip(), "Quillmere");
    }

    void changeEntryOpensTheDialog()
    {
        Program program;
        program.startNormally();
        program.change(1, {}, {}, {});
        QVERIFY(!program.main()->isVisible());
        QList<QAction *> actions = program.main()->trayMenu()->actions();
        QCOMPARE(actions.first()->objectName(), "mnuChange");
        QCOMPARE(actions.first()->text(), "Changer d'activité…");

        program.clock.set(2026, 12, 5, 9, 50);
        QString invokeTime;
        bool mainShown = false;
        onNextModal([&](QWidget *dialog) {
            invokeTime = child<QLineEdit>(dialog, "txtInvokeTime")->text();
            mainShown = program.main()->isVisible();
            click(dialog, "cmdCancel");
        });
        actions.first()->trigger();
        // The change time that showing the window proposes, not the one of the last change.
        QCOMPARE(invokeTime, "09:50:00");
        QVERIFY(mainShown);

        // Not while the editor keeps the main window away.
        program.tracker.hideMainWindow();
        program.tracker.openEditor();
        actions.first()->trigger();
        QVERIFY(!program.windows.changeDialog()->isVisible());
        QVERIFY(!program.main()->isVisible());
        QVERIFY(program.windows.editor()->isVisible());
    }
};

QTEST_MAIN(TrayTest)
#include "tray_test.moc"
