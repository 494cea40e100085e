#include "tests/tracker/idle_rig.h"
#include "tracker/platform/desktop_idle.h"

#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QElapsedTimer>

using namespace qm;
using namespace qm::test;

namespace {

enum class Presence { Absent, Answers, Fails };
using Readings = QList<QPair<qint64, uint>>;

} // namespace

class IdleBusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void answer_data();
    void answer();
    void choice_data();
    void choice();
    void screenSaverUnit_data();
    void screenSaverUnit();
    void lockCountsAsAway();
    void lockedBeforeTheStart();

private:
    std::unique_ptr<FakeDesktopService> service(
        const QString &name, Presence presence, const QString &method, const QVariant &value);

    PrivateSessionBus m_bus;
};

void IdleBusTest::initTestCase()
{
    QVERIFY(m_bus.start());
}

void IdleBusTest::cleanup()
{
    // A watch of a name set up while the news of the last test's service leaving is still on its
    // way would take that late news for the new owner's, and miss every signal after it: the
    // news is let in before the next test.
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    for (const char *name : { "org.gnome.Mutter.IdleMonitor", "org.freedesktop.ScreenSaver" })
        QTRY_VERIFY(!bus->isServiceRegistered(QString::fromLatin1(name)).value());
    QCoreApplication::processEvents();
}

std::unique_ptr<FakeDesktopService> IdleBusTest::service(
    const QString &name, Presence presence, const QString &method, const QVariant &value)
{
    if (presence == Presence::Absent)
        return nullptr;
    auto fake = name == QLatin1String("compositor") ? fakeMutter(m_bus.address())
                                                    : fakeScreenSaver(m_bus.address());
    fake->answer(method, presence == Presence::Answers ? value : QVariant());
    fake->answer(QStringLiteral("GetActive"), false);
    if (!fake->appear())
        return nullptr;
    return fake;
}

void IdleBusTest::answer_data()
{
    QTest::addColumn<QString>("backend");
    QTest::addColumn<Presence>("presence");
    QTest::addColumn<QVariant>("reply");
    QTest::addColumn<std::optional<qint64>>("expected");

    const QVariant noReply;
    const std::optional<qint64> nothing;
    QTest::newRow("compositor") << "compositor" << Presence::Answers
                                << QVariant::fromValue(quint64(4242000))
                                << std::optional<qint64>(4242000);
    QTest::newRow("compositor, beyond 32 bits")
        << "compositor" << Presence::Answers << QVariant::fromValue(quint64(6000000000))
        << std::optional<qint64>(6000000000);
    QTest::newRow("compositor fails") << "compositor" << Presence::Fails << noReply << nothing;
    QTest::newRow("compositor, wrong type") << "compositor" << Presence::Answers
                                            << QVariant::fromValue(QStringLiteral("12")) << nothing;
    QTest::newRow("screen saver") << "screen saver" << Presence::Answers
                                  << QVariant::fromValue(uint(1234)) << std::optional<qint64>(1234);
    QTest::newRow("screen saver fails") << "screen saver" << Presence::Fails << noReply << nothing;
}

void IdleBusTest::answer()
{
    QFETCH(QString, backend);
    QFETCH(Presence, presence);
    QFETCH(QVariant, reply);
    QFETCH(std::optional<qint64>, expected);

    const bool compositor = backend == QLatin1String("compositor");
    const auto fake = service(backend, presence,
        compositor ? QStringLiteral("GetIdletime") : QStringLiteral("GetSessionIdleTime"), reply);
    QVERIFY(fake);
    std::unique_ptr<IdleSource> source;
    if (compositor)
        source = std::make_unique<MutterIdle>(QDBusConnection::sessionBus());
    else
        source = std::make_unique<ScreenSaverIdle>(QDBusConnection::sessionBus());
    QCOMPARE(source->idleMilliseconds(), expected);
}

void IdleBusTest::choice_data()
{
    QTest::addColumn<Presence>("compositor");
    QTest::addColumn<Presence>("screenSaver");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("both answer") << Presence::Answers << Presence::Answers << "compositor";
    QTest::newRow("compositor only") << Presence::Answers << Presence::Absent << "compositor";
    QTest::newRow("compositor fails") << Presence::Fails << Presence::Answers << "screen saver";
    QTest::newRow("screen saver only") << Presence::Absent << Presence::Answers << "screen saver";
    QTest::newRow("screen saver fails") << Presence::Absent << Presence::Fails << "none";
    QTest::newRow("both fail") << Presence::Fails << Presence::Fails << "none";
    // Not on X11 here: nothing else can answer.
    QTest::newRow("nothing") << Presence::Absent << Presence::Absent << "none";
}

void IdleBusTest::choice()
{
    QFETCH(Presence, compositor);
    QFETCH(Presence, screenSaver);
    QFETCH(QString, chosen);

    const auto mutter = service(QStringLiteral("compositor"), compositor,
        QStringLiteral("GetIdletime"), QVariant::fromValue(quint64(7000)));
    const auto saver = service(QStringLiteral("screen saver"), screenSaver,
        QStringLiteral("GetSessionIdleTime"), QVariant::fromValue(uint(8000)));
    const std::unique_ptr<IdleSource> source = desktopIdleSource();
    QCOMPARE(backendName(source.get()), chosen);
}

void IdleBusTest::screenSaverUnit_data()
{
    QTest::addColumn<Readings>("readings");
    QTest::addColumn<qint64>("lastMs");

    // (steady clock in ms, the service's reading)
    QTest::newRow("milliseconds growing with the clock")
        << Readings { { 0, 500 }, { 10000, 10500 } } << qint64(10500);
    QTest::newRow("milliseconds, once seen, stay") << Readings { { 0, 500 }, { 10000, 10500 },
        { 20000, 10 }, { 30000, 20 }, { 40000, 30 }, { 50000, 40 } }
                                                   << qint64(40);
    QTest::newRow("seconds after three steady gaps") << Readings { { 0, 100 }, { 10000, 110 },
        { 20000, 120 }, { 30000, 130 } } << qint64(130000);
    QTest::newRow("seconds not yet after two gaps")
        << Readings { { 0, 100 }, { 10000, 110 }, { 20000, 120 } } << qint64(120);
    QTest::newRow("seconds at an irregular pace")
        << Readings { { 0, 100 }, { 9600, 109 }, { 21000, 121 }, { 33200, 133 } } << qint64(133000);
    QTest::newRow("input between readings starts the evidence again") << Readings { { 0, 100 },
        { 10000, 110 }, { 20000, 120 }, { 25000, 2 }, { 35000, 12 }, { 45000, 22 } }
                                                                      << qint64(22);
    QTest::newRow("readings too close together are no evidence")
        << Readings { { 0, 100 }, { 400, 100 }, { 10000, 110 }, { 20000, 120 }, { 30000, 130 } }
        << qint64(130000);
    QTest::newRow("input just after a reading")
        << Readings { { 0, 100 }, { 1000, 0 }, { 11000, 10 }, { 21000, 20 }, { 31000, 30 } }
        << qint64(30000);
    QTest::newRow("a busy user's milliseconds") << Readings { { 0, 100 }, { 10000, 110 },
        { 20000, 3000 }, { 30000, 3010 }, { 40000, 50 }, { 50000, 60 } }
                                                << qint64(60);
    QTest::newRow("milliseconds lagging behind the clock") << Readings { { 0, 500 },
        { 10000, 9800 }, { 20000, 10 }, { 30000, 20 }, { 40000, 30 }, { 50000, 40 } }
                                                           << qint64(40);
}

void IdleBusTest::screenSaverUnit()
{
    QFETCH(Readings, readings);
    QFETCH(qint64, lastMs);

    const auto fake = service(QStringLiteral("screen saver"), Presence::Answers,
        QStringLiteral("GetSessionIdleTime"), QVariant::fromValue(uint(0)));
    QVERIFY(fake);
    qint64 now = 0;
    ScreenSaverIdle source(QDBusConnection::sessionBus(), [&now] { return now; });
    std::optional<qint64> idle;
    for (const auto &[at, reading] : readings) {
        now = at;
        fake->answer(QStringLiteral("GetSessionIdleTime"), QVariant::fromValue(reading));
        idle = source.idleMilliseconds();
    }
    QCOMPARE(idle, std::optional<qint64>(lastMs));
}

void IdleBusTest::lockCountsAsAway()
{
    const auto fake = service(QStringLiteral("screen saver"), Presence::Answers,
        QStringLiteral("GetSessionIdleTime"), QVariant::fromValue(uint(0)));
    QVERIFY(fake);
    ScreenSaverIdle source(QDBusConnection::sessionBus());
    QCOMPARE(source.idleMilliseconds(), std::optional<qint64>(0));

    QElapsedTimer sinceLock;
    sinceLock.start();
    // A new watcher of a service's signals may miss the first ones while the bus sets up its
    // routing; the lock is announced again meanwhile, which must not move its moment.
    QDeadlineTimer deadline(30000);
    do {
        fake->emitSignal(QStringLiteral("ActiveChanged"), true);
        QTest::qWait(50);
    } while (source.idleMilliseconds().value_or(0) < 1000 && !deadline.hasExpired());
    const qint64 idle = source.idleMilliseconds().value_or(0);
    QCOMPARE_GE(idle, 1000);
    // Two clocks that each count whole milliseconds may differ by one.
    QCOMPARE_LE(idle, sinceLock.elapsed() + 1);

    fake->emitSignal(QStringLiteral("ActiveChanged"), false);
    QTRY_COMPARE_WITH_TIMEOUT(source.idleMilliseconds(), std::optional<qint64>(0), 30000);
}

void IdleBusTest::lockedBeforeTheStart()
{
    const auto fake = service(QStringLiteral("screen saver"), Presence::Answers,
        QStringLiteral("GetSessionIdleTime"), QVariant::fromValue(uint(0)));
    QVERIFY(fake);
    fake->answer(QStringLiteral("GetActive"), true);
    qint64 now = 5000;
    ScreenSaverIdle source(QDBusConnection::sessionBus(), [&now] { return now; });
    now += 60000;
    QCOMPARE(source.idleMilliseconds(), std::optional<qint64>(60000));
}

QTEST_GUILESS_MAIN(IdleBusTest)
#include "idle_bus_test.moc"
