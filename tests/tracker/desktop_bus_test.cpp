#include "tests/support/locale.h"
#include "tests/tracker/idle_rig.h"
#include "tests/tracker/window_rig.h"
#include "tracker/platform/desktop_idle.h"
#include "tracker/platform/desktop_notifications.h"
#include "tracker/platform/logind_sleep.h"
#include "tracker/ui/reminders.h"

#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>

using namespace qm;
using namespace qm::test;

namespace {

enum class Presence { Absent, Answers, Fails };
using Readings = QList<QPair<qint64, uint>>;

const QString kMutterMethod = QStringLiteral("GetIdletime");
const QString kSaverMethod = QStringLiteral("GetSessionIdleTime");

std::unique_ptr<FakeDesktopService> fakeNotifications(const QString &busAddress)
{
    auto service = std::make_unique<FakeDesktopService>(
        busAddress, "org.freedesktop.Notifications", "/org/freedesktop/Notifications");
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

// The desktop's services on a private session bus, with fakes of the test's own: the idle time,
// the sleeps, and the reminders' notifications.
class DesktopBusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useFrenchLocale();
        QVERIFY(m_bus.start());
    }

    void cleanup()
    {
        // A watch of a name set up while the news of the last test's service leaving is still on
        // its way would take that late news for the new owner's, and miss every signal after it:
        // the news is let in before the next test.
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        for (const char *name : { "org.gnome.Mutter.IdleMonitor", "org.freedesktop.ScreenSaver" })
            QTRY_VERIFY(!bus->isServiceRegistered(QString::fromLatin1(name)).value());
        QCoreApplication::processEvents();
    }

    // The compositor's idle time before the screen saver's, each only when it answers a number.
    void choice_data()
    {
        QTest::addColumn<Presence>("compositor");
        QTest::addColumn<QVariant>("reply"); // the compositor's; the screen saver answers 8000
        QTest::addColumn<Presence>("screenSaver");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<std::optional<qint64>>("idle");
        const auto row = [](const char *name, Presence compositor, const QVariant &reply,
                             Presence screenSaver, const char *chosen, std::optional<qint64> idle) {
            QTest::newRow(name) << compositor << reply << screenSaver << QString(chosen) << idle;
        };
        const Presence absent = Presence::Absent, answers = Presence::Answers,
                       fails = Presence::Fails;
        // The compositor's reading is taken, beyond 32 bits too.
        row("both answer", answers, QVariant::fromValue(6000000000ULL), answers, "compositor",
            6000000000);
        row("compositor, wrong type", answers, QStringLiteral("12"), answers, "screen saver", 8000);
        // Not on X11 here: nothing else can answer.
        row("screen saver fails", absent, {}, fails, "none", {});
    }
    void choice()
    {
        QFETCH(Presence, compositor);
        QFETCH(QVariant, reply);
        QFETCH(Presence, screenSaver);
        const auto mutter = service(true, compositor, reply);
        const auto saver = service(false, screenSaver, QVariant::fromValue(uint(8000)));
        const std::unique_ptr<IdleSource> source = desktopIdleSource();
        QTEST(backendName(source.get()), "chosen");
        QTEST(source ? source->idleMilliseconds() : std::nullopt, "idle");
    }

    void screenSaverUnit_data()
    {
        QTest::addColumn<Readings>("readings"); // (steady clock in ms, the service's reading)
        QTest::addColumn<qint64>("lastMs");
        const auto row = [](const char *name, const Readings &readings, qint64 lastMs) {
            QTest::newRow(name) << readings << lastMs;
        };
        row("seconds not yet after two gaps", { { 0, 100 }, { 10000, 110 }, { 20000, 120 } }, 120);
        row("input just after a reading",
            { { 0, 100 }, { 1000, 0 }, { 11000, 10 }, { 21000, 20 }, { 31000, 30 } }, 30000);
        // A gap of neither unit starts the count of seconds again.
        row("a busy user's milliseconds",
            { { 0, 100 }, { 10000, 110 }, { 20000, 3000 }, { 30000, 3010 }, { 40000, 3020 } },
            3020);
        row("milliseconds lagging behind the clock, once seen, stay",
            { { 0, 500 }, { 10000, 9800 }, { 20000, 10 }, { 30000, 20 }, { 40000, 30 },
                { 50000, 40 } },
            40);
    }
    void screenSaverUnit()
    {
        QFETCH(Readings, readings);
        const auto fake = screenSaver();
        QVERIFY(fake);
        qint64 now = 0;
        ScreenSaverIdle source(QDBusConnection::sessionBus(), [&now] { return now; });
        std::optional<qint64> idle;
        for (const auto &[at, reading] : readings) {
            now = at;
            fake->answer(kSaverMethod, QVariant::fromValue(reading));
            idle = source.idleMilliseconds();
        }
        QFETCH(qint64, lastMs);
        QCOMPARE(idle, std::optional<qint64>(lastMs));
    }

    void lockCountsAsAway()
    {
        const auto fake = screenSaver();
        QVERIFY(fake);
        ScreenSaverIdle source(QDBusConnection::sessionBus());
        QCOMPARE(source.idleMilliseconds(), std::optional<qint64>(0));

        QElapsedTimer sinceLock;
        sinceLock.start();
        // A new watcher of a service's signals may miss the first ones while the bus sets up its
        // routing; the lock is announced again meanwhile, which must not move its moment.
        QDeadlineTimer deadline(30000);
        do {
            fake->emitSignal(QStringLiteral("ActiveChanged"), QVariantList { true });
            QTest::qWait(50);
        } while (source.idleMilliseconds().value_or(0) < 1000 && !deadline.hasExpired());
        const qint64 idle = source.idleMilliseconds().value_or(0);
        QCOMPARE_GE(idle, 1000);
        // Two clocks that each count whole milliseconds may differ by one.
        QCOMPARE_LE(idle, sinceLock.elapsed() + 1);

        fake->emitSignal(QStringLiteral("ActiveChanged"), QVariantList { false });
        QTRY_COMPARE_WITH_TIMEOUT(source.idleMilliseconds(), std::optional<qint64>(0), 30000);
    }

    void lockedBeforeTheStart()
    {
        const auto fake = screenSaver();
        QVERIFY(fake);
        fake->answer(QStringLiteral("GetActive"), true);
        qint64 now = 5000;
        ScreenSaverIdle source(QDBusConnection::sessionBus(), [&now] { return now; });
        now += 60000;
        QCOMPARE(source.idleMilliseconds(), std::optional<qint64>(60000));
    }

    // The session manager's signal on the system bus, in both directions.
    void sleepSignal()
    {
        const auto logind = fakeLogind(m_bus.address());
        QVERIFY(logind->appear());
        QList<bool> heard;
        LogindSleep sleep(QDBusConnection::systemBus(), [&heard](bool start) { heard << start; });
        QVERIFY(sleep.isListening());
        // As for the lock: the first signals may come before the bus routes them to us.
        QDeadlineTimer deadline(30000);
        do {
            logind->emitSignal(QStringLiteral("PrepareForSleep"), QVariantList { true });
            QTest::qWait(50);
        } while (heard.isEmpty() && !deadline.hasExpired());
        logind->emitSignal(QStringLiteral("PrepareForSleep"), QVariantList { false });
        QTRY_VERIFY_WITH_TIMEOUT(heard.contains(false), 30000);
        QVERIFY(heard.first());
        QVERIFY(!heard.last());
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
    // The compositor's service or the screen saver's on the bus, its idle-time method answering
    // `value` or failing, the screen not locked.
    std::unique_ptr<FakeDesktopService> service(
        bool compositor, Presence presence, const QVariant &value)
    {
        if (presence == Presence::Absent)
            return nullptr;
        auto fake = compositor ? fakeMutter(m_bus.address()) : fakeScreenSaver(m_bus.address());
        fake->answer(compositor ? kMutterMethod : kSaverMethod,
            presence == Presence::Answers ? value : QVariant());
        fake->answer(QStringLiteral("GetActive"), false);
        if (!fake->appear())
            return nullptr;
        return fake;
    }
    std::unique_ptr<FakeDesktopService> screenSaver()
    {
        return service(false, Presence::Answers, QVariant::fromValue(uint(0)));
    }

    PrivateSessionBus m_bus;
};

QTEST_MAIN(DesktopBusTest)
#include "desktop_bus_test.moc"
