#include "idle_rig.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/platform/desktop_notifications.h"
#include "tracker/ui/reminders.h"

#include <QSignalSpy>

using namespace qm;
using namespace qm::test;

namespace {

std::unique_ptr<FakeDesktopService> fakeNotifications(const QString &busAddress)
{
    auto service = std::make_unique<FakeDesktopService>(busAddress,
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"));
    service->answer(QStringLiteral("Notify"), QVariant::fromValue(uint(7)));
    return service;
}

// What a Notify call asked: replaces_id, summary, body and the actions' keys and captions.
QStringList notified(const QDBusMessage &call)
{
    const QVariantList arguments = call.arguments();
    return { arguments.value(1).toString(), arguments.value(3).toString(),
        arguments.value(4).toString(), arguments.value(5).toStringList().join(u'|') };
}

} // namespace

// Reminders through a notification service of the test's own, on a private session bus.
class ReminderBusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useFrenchLocale();
        if (!m_bus.start())
            QSKIP("dbus-daemon cannot start here");
    }

    // A reminder after a minute of Dossiers; "Changer d'activité" opens the change dialog over
    // the main window, "Continuer" and another program's notification do nothing.
    void remindsAndOpensTheChangeDialog()
    {
        const auto service = fakeNotifications(m_bus.address());
        DesktopNotifications notifications(QDBusConnection::sessionBus());
        QVERIFY(!notifications.isAvailable());
        QVERIFY(service->appear());
        QTRY_VERIFY(notifications.isAvailable());

        Program program;
        program.clock.set(2026, 12, 5, 9, 0);
        program.startNormally();
        program.tracker.setReminderMinutes(1);
        Reminders reminders(program.tracker, program.windows, program.clock);
        reminders.setSender([&notifications](const ReminderNotice &notice) {
            return notifications.show(notice.summary, notice.body);
        });
        connect(&notifications, &DesktopNotifications::changeRequested, program.main(),
            &MainWindow::changeActivity);
        program.change(1, {}, {}, {});
        QVERIFY(!program.main()->isVisible());
        program.clock.set(2026, 12, 5, 9, 0, 59);
        reminders.check();
        QVERIFY(service->calls().isEmpty());
        program.clock.set(2026, 12, 5, 9, 1);
        reminders.check();
        reminders.check();
        QCOMPARE(service->calls().size(), 1);
        QCOMPARE(notified(service->calls().first()),
            QStringList({ "0", "Toujours « Dossiers » ?", "Depuis 09:00 (0 h 01).",
                "default||switch|Changer d'activité|continue|Continuer" }));

        QSignalSpy asked(&notifications, &DesktopNotifications::changeRequested);
        service->emitSignal("ActionInvoked", QVariantList { uint(7), QStringLiteral("continue") });
        service->emitSignal("ActionInvoked", QVariantList { uint(8), QStringLiteral("switch") });
        QString opened;
        onNextModal([&](QWidget *dialog) {
            opened = dialog->windowTitle();
            click(dialog, "cmdCancel");
        });
        service->emitSignal("ActionInvoked", QVariantList { uint(7), QStringLiteral("switch") });
        QTRY_COMPARE(opened, "Quillmere - Sélection de l'activité");
        QCOMPARE(asked.size(), 1);
        QVERIFY(program.main()->isVisible());

        // The next one replaces the one on screen, until that one is closed.
        program.tracker.hideMainWindow();
        program.clock.set(2026, 12, 5, 9, 2);
        reminders.check();
        QCOMPARE(service->calls().size(), 2);
        QCOMPARE(notified(service->calls().last()).first(), "7");
        service->emitSignal("NotificationClosed", QVariantList { uint(7), uint(2) });
        QTest::qWait(100);
        program.clock.set(2026, 12, 5, 9, 3);
        reminders.check();
        QCOMPARE(service->calls().size(), 3);
        QCOMPARE(notified(service->calls().last()).first(), "0");
    }

private:
    PrivateSessionBus m_bus;
};

QTEST_MAIN(ReminderBusTest)
#include "reminder_bus_test.moc"
