#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/editor_window.h"
#include "tracker/ui/instance_link.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

using namespace qm;
using namespace qm::test;

// A second start's request, taken by the running program's windows in this process.
class InstanceLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void namedAfterTheFolder()
    {
        QTemporaryDir a, b;
        QCOMPARE(instanceName(a.path()), instanceName(a.path() + "/."));
        QVERIFY(instanceName(a.path()) != instanceName(b.path()));
        QVERIFY(!askRunningInstanceToShow(a.path()));
    }

    void requestShowsTheHiddenWindow_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden in the notification area") << "hide" << true;
        QTest::newRow("the editor keeps it away") << "editor" << false;
        QTest::newRow("the program has ended") << "end" << false;
    }
    void requestShowsTheHiddenWindow()
    {
        QFETCH(QString, before);
        Program program;
        program.startNormally();
        InstanceLink link(program.tracker, program.windows);
        QVERIFY(link.listen(program.folder));
        // Dossiers runs: the window went back to the notification area.
        program.change(1, {}, {}, {});
        program.clock.set(2026, 12, 5, 9, 40);
        if (before == "editor")
            program.tracker.openEditor();
        if (before == "end") {
            clickInNextModal("cmdCont");
            click(program.main(), "cmdHardQuit");
            QVERIFY(program.ended);
        }
        QVERIFY(!program.main()->isVisible());

        QVERIFY(askRunningInstanceToShow(program.folder));
        QFETCH(bool, shown);
        if (shown) {
            QTRY_VERIFY(program.main()->isVisible());
            // Shown as from the icon: the change time proposed is the moment it came back.
            QCOMPARE(program.tracker.state().changeTime().time(), QTime(9, 40));
        } else {
            QTest::qWait(200);
            QVERIFY(!program.main()->isVisible());
        }
        QCOMPARE(program.windows.editor()->isVisible(), before == "editor");
    }

    void requestWhileADialogIsUp()
    {
        Program program;
        program.startNormally();
        InstanceLink link(program.tracker, program.windows);
        QVERIFY(link.listen(program.folder));
        QString invokeTime;
        bool stillUp = false;
        onNextModal([&](QWidget *dialog) {
            program.clock.set(2026, 12, 5, 11, 0);
            QVERIFY(askRunningInstanceToShow(program.folder));
            QTest::qWait(200);
            // The dialog stays in front with its fields: no refresh ran behind it.
            stillUp = QApplication::activeModalWidget() == dialog;
            invokeTime = child<QLineEdit>(dialog, "txtInvokeTime")->text();
            click(dialog, "cmdCancel");
        });
        program.clock.set(2026, 12, 5, 10, 0);
        click(program.main(), "cmdChange");
        QVERIFY(stillUp);
        QCOMPARE(invokeTime, program.tracker.state().changeTime().toString("hh:mm:ss"));
    }

    // The name lies in a folder only its user may enter.
    void socketFolderIsPrivate_data()
    {
        QTest::addColumn<QByteArray>("runtime");
        QTest::addColumn<int>("mode");
        QTest::newRow("XDG_RUNTIME_DIR") << QByteArray("own") << 0700;
        QTest::newRow("XDG_RUNTIME_DIR open to others") << QByteArray("own") << 0755;
        QTest::newRow("unset: a folder of the user's own") << QByteArray() << 0700;
    }
    void socketFolderIsPrivate()
    {
        QFETCH(QByteArray, runtime);
        QFETCH(int, mode);
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtimeDir, dir;
        QVERIFY(QFile::setPermissions(
            runtimeDir.path(), QFileDevice::Permissions(mode == 0700 ? 0x7700 : 0x7755)));
        if (runtime.isEmpty())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
        const QString name = instanceName(dir.path());
        qputenv("XDG_RUNTIME_DIR", saved);
        const QFileInfo folder(QFileInfo(name).absolutePath());
        // A runtime folder open to others is not used.
        if (!runtime.isEmpty())
            QCOMPARE(folder.absoluteFilePath() == runtimeDir.path(), mode == 0700);
        QVERIFY(!folder.isSymLink());
        QCOMPARE(folder.ownerId(), ::getuid());
        QCOMPARE(int(folder.permissions() & 0x7077), 0x7000);
    }

    // Another user's process on the name /tmp used to hold, and a client that never finishes its
    // request: neither keeps the second start from reaching this program.
    void squatterAndIdleClient()
    {
        QTemporaryDir dir;
        const QByteArray hash = QCryptographicHash::hash(
            QFileInfo(dir.path()).canonicalFilePath().toUtf8(), QCryptographicHash::Sha1)
                                    .toHex();
        QLocalServer squatter;
        QVERIFY(squatter.listen("/tmp/Quillmere-" + QString::fromLatin1(hash)));
        Program program(dir.path());
        program.startNormally();
        InstanceLink link(program.tracker, program.windows);
        QVERIFY(link.listen(dir.path()));
        QLocalSocket idle;
        idle.connectToServer(instanceName(dir.path()));
        QVERIFY(idle.waitForConnected(1000));
        idle.write("sho");
        program.change(1, {}, {}, {});
        QVERIFY(!program.main()->isVisible());
        QVERIFY(askRunningInstanceToShow(dir.path()));
        QTRY_VERIFY(program.main()->isVisible());
        QVERIFY(!squatter.hasPendingConnections());
        QTRY_COMPARE_WITH_TIMEOUT(idle.state(), QLocalSocket::UnconnectedState, 8000);
    }

    void staleNameIsTakenOver()
    {
        QTemporaryDir dir;
        const QString name = instanceName(dir.path());
        // What a crash leaves: the socket's file, with nobody behind it.
        {
            QFile leftOver(QDir::temp().filePath(name));
            QVERIFY(leftOver.open(QIODevice::WriteOnly));
        }
        QLocalServer blocked;
        QVERIFY(!blocked.listen(name));

        Program program(dir.path());
        InstanceLink link(program.tracker, program.windows);
        QVERIFY(link.listen(dir.path()));
        QVERIFY(askRunningInstanceToShow(dir.path()));
    }

    void liveNameIsKept()
    {
        QTemporaryDir dir;
        QLocalServer running;
        QVERIFY(running.listen(instanceName(dir.path())));
        Program program(dir.path());
        InstanceLink link(program.tracker, program.windows);
        QVERIFY(!link.listen(dir.path()));
        // The running one still gets the requests.
        QVERIFY(askRunningInstanceToShow(dir.path()));
        QVERIFY(running.hasPendingConnections() || running.waitForNewConnection(1000));
    }
};

QTEST_MAIN(InstanceLinkTest)
#include "instance_link_test.moc"
