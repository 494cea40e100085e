#include "tests/tracker/idle_rig.h"
#include "tracker/platform/desktop_idle.h"

#include <QGuiApplication>

using namespace qm;
using namespace qm::test;

namespace {

bool movePointerTo(int x, int y)
{
    return QProcess::execute(QStringLiteral("xdotool"),
               { QStringLiteral("mousemove"), QString::number(x), QString::number(y) })
        == 0;
}

} // namespace

class IdleX11Test : public QObject
{
    Q_OBJECT

public:
    explicit IdleX11Test(const QString &busAddress)
        : m_busAddress(busAddress)
    { }

private slots:
    void inputResetsTheIdleTime()
    {
        const auto source = X11Idle::onThisDisplay();
        QVERIFY(source);
        QVERIFY(movePointerTo(10, 10));
        const qint64 first = source->idleMilliseconds().value_or(-1);
        QVERIFY(first >= 0);
        QTRY_VERIFY_WITH_TIMEOUT(source->idleMilliseconds().value_or(-1) >= first + 1000, 30000);

        const qint64 beforeInput = source->idleMilliseconds().value_or(-1);
        QVERIFY(movePointerTo(200, 150));
        const qint64 afterInput = source->idleMilliseconds().value_or(-1);
        QCOMPARE_GE(afterInput, 0);
        QCOMPARE_LT(afterInput, beforeInput - 500);
    }

    // The desktop's services before the X server, which a Wayland session does not ask.
    void choice_data()
    {
        QTest::addColumn<QVariant>("screenSaverReply"); // invalid: the screen saver fails
        QTest::addColumn<QByteArray>("session"); // VARIABLE=value of a Wayland session
        QTest::addColumn<QString>("chosen");
        const QVariant answers = QVariant::fromValue(uint(3000));
        const QByteArray x11;
        QTest::newRow("screen saver before the X server") << answers << x11 << "screen saver";
        QTest::newRow("screen saver fails") << QVariant() << x11 << "X server";
        // The X server does not see the input to the Wayland windows.
        QTest::newRow("Wayland display, screen saver fails")
            << QVariant() << QByteArray("WAYLAND_DISPLAY=wayland-0") << "none";
        QTest::newRow("Wayland session type, screen saver fails")
            << QVariant() << QByteArray("XDG_SESSION_TYPE=wayland") << "none";
    }
    void choice()
    {
        QFETCH(QVariant, screenSaverReply);
        const auto saver = fakeScreenSaver(m_busAddress);
        saver->answer(QStringLiteral("GetSessionIdleTime"), screenSaverReply);
        QVERIFY(saver->appear());
        QFETCH(QByteArray, session);
        const QByteArray variable = session.left(session.indexOf('='));
        if (!session.isEmpty())
            qputenv(variable.constData(), session.mid(variable.size() + 1));
        const std::unique_ptr<IdleSource> source = desktopIdleSource();
        if (!session.isEmpty())
            qunsetenv(variable.constData());
        QTEST(backendName(source.get()), "chosen");
    }

private:
    QString m_busAddress;
};

int main(int argc, char *argv[])
{
    // Both must run before the application connects to its display and its session bus; an X
    // server of the test's own, as the idle time of a desktop in use would make no test. The
    // server picks a free display itself and writes its number on the descriptor.
    PrivateServer server;
    const QString display = server.start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
            QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
            QStringLiteral("tcp") });
    qputenv("DISPLAY", (u':' + display).toUtf8());
    PrivateSessionBus bus;
    if (display.isEmpty() || !bus.start()) {
        qCritical("no private X server or session bus");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    IdleX11Test test(bus.address());
    return QTest::qExec(&test, argc, argv);
}

#include "idle_x11_test.moc"
