#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/editor_window.h"
#include "tracker/ui/instance_link.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>

#include <unistd.h>

using namespace qm;
using namespace qm::test;

namespace {

bool answers(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(200);
}

// The program itself, copied into the folder.
QString copyOfTheProgram(const QTemporaryDir &dir)
{
    const QString program = dir.filePath(QStringLiteral("Quillmere"));
    return QFile::copy(QStringLiteral(QM_TRACKER_PROGRAM), program) ? program : QString();
}

} // namespace

// A second start's request, taken by the running program's windows in this process or by the
// program itself.
class InstanceLinkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The name follows the folder. A running program's is kept, and that program still gets the
    // requests; what a crash leaves on it is taken over (secondStartAsksTheRunningOne).
    void nameOfTheFolder()
    {
        QTemporaryDir dir, other;
        const QString name = instanceName(dir.path());
        QCOMPARE(instanceName(dir.path() + "/."), name);
        QVERIFY(instanceName(other.path()) != name);
        QVERIFY(!askRunningInstanceToShow(dir.path()));
        QLocalServer server;
        QVERIFY(server.listen(name));
        Program program(dir.path());
        InstanceLink link(program.tracker, program.windows, program.clock);
        QVERIFY(!link.listen(dir.path()));
        QVERIFY(askRunningInstanceToShow(dir.path()));
        QVERIFY(server.hasPendingConnections() || server.waitForNewConnection(1000));
    }

    void requestShowsTheHiddenWindow_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("shown");
        QTest::newRow("hidden in the notification area") << "hide" << true;
        QTest::newRow("the editor keeps it away") << "editor" << false;
        QTest::newRow("the program has ended") << "end" << false;
    }
    // Neither another user's process on the name /tmp used to hold nor a client that never
    // finishes its request keeps the second start from reaching this program.
    void requestShowsTheHiddenWindow()
    {
        QFETCH(QString, before);
        Program program;
        program.startNormally();
        const QByteArray hash = QCryptographicHash::hash(
            QFileInfo(program.folder).canonicalFilePath().toUtf8(), QCryptographicHash::Sha1)
                                    .toHex();
        QLocalServer squatter;
        QVERIFY(squatter.listen("/tmp/Quillmere-" + QString::fromLatin1(hash)));
        InstanceLink link(program.tracker, program.windows, program.clock);
        QVERIFY(link.listen(program.folder));
        QLocalSocket idle;
        idle.connectToServer(instanceName(program.folder));
        QVERIFY(idle.waitForConnected(1000));
        idle.write("sho");
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
        QVERIFY(!squatter.hasPendingConnections());
        if (shown)
            QTRY_COMPARE_WITH_TIMEOUT(idle.state(), QLocalSocket::UnconnectedState, 8000);
    }

    void requestWhileADialogIsUp()
    {
        Program program;
        program.startNormally();
        InstanceLink link(program.tracker, program.windows, program.clock);
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

    // The real command line against the program running here: a switch whose day file is on
    // disk when it ends, a refusal, the status, and nobody to answer for another folder.
    void commandLine()
    {
        Program program;
        program.clock.set(2026, 12, 5, 9, 0);
        program.startNormally();
        InstanceLink link(program.tracker, program.windows, program.clock);
        QVERIFY(link.listen(program.folder));
        program.change(1, {}, {}, {});
        program.clock.set(2026, 12, 5, 9, 40);
        QTemporaryDir other;
        const QString client = copyOfTheProgram(program.own);
        const QString stranger = copyOfTheProgram(other);
        QVERIFY(!client.isEmpty() && !stranger.isEmpty());
        const auto run = [](const QString &path, const QStringList &arguments) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.remove(QStringLiteral("DISPLAY"));
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
            process.setProcessEnvironment(environment);
            process.start(path, arguments);
            // The answer comes from this process's event loop.
            QDeadlineTimer deadline(20000);
            while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
                QTest::qWait(10);
            return QStringList { QString::number(process.exitCode()),
                QString::fromUtf8(process.readAllStandardOutput()).trimmed(),
                QString::fromUtf8(process.readAllStandardError()).trimmed() };
        };
        QCOMPARE(run(client, { "--switch", "Courrier", "--comment", "lu, répondu" }).mid(0, 2),
            QStringList({ "0", "" }));
        QCOMPARE(readBytes(program.file("Quillmere.day")),
            QByteArray("05/12/2026\r\n09:00:00, 40,Dossiers,\r\n"));
        QCOMPARE(program.tracker.state().currentComment(), "lu; répondu");
        QCOMPARE(run(client, { "--status" }).mid(0, 2),
            QStringList({ "0", "Courrier depuis 09:40 (0 h 00)" }));
        const QStringList refused = run(client, { "--switch", "Inconnu" });
        QCOMPARE(refused.first(), "1");
        QVERIFY2(refused.last().contains("L'activité « Inconnu » n'est pas dans la liste"),
            qPrintable(refused.last()));
        QCOMPARE(run(stranger, { "--status" }).first(), "2");
        QCOMPARE(
            run(client, { "--switch", "Réunion", "--at", "9:50", "--ago", "5" }).first(), "64");
        // A request is one line of at most 64 KiB: a longer one gets no answer.
        QLocalSocket flood;
        flood.connectToServer(instanceName(program.folder));
        QVERIFY(flood.waitForConnected(1000));
        flood.write(QByteArray(70 * 1024, 'x') + '\n');
        QTRY_COMPARE(flood.state(), QLocalSocket::UnconnectedState);
        QVERIFY(flood.readAll().isEmpty());
        QCOMPARE(program.tracker.state().currentActivity(), "Courrier");
        QVERIFY(!program.main()->isVisible());
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

    // A second start asks the running program, which holds the folder's lock and listens (this
    // test stands for it), to show itself, then ends at once and writes nothing. Killed, as by a
    // crash, the running program leaves no name that blocks the next start.
    void secondStartAsksTheRunningOne()
    {
        QTemporaryDir dir;
        const QString program = copyOfTheProgram(dir);
        QVERIFY(!program.isEmpty());
        const QString name = instanceName(dir.path());
        {
            QLockFile lock(dir.filePath(QStringLiteral("Quillmere.lock")));
            QVERIFY(lock.tryLock(0));
            QLocalServer running;
            QVERIFY(running.listen(name));
            const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);
            QProcess second;
            second.start(program, {});
            QVERIFY(running.waitForNewConnection(5000));
            QLocalSocket *request = running.nextPendingConnection();
            QVERIFY(request);
            while (request->bytesAvailable() < 5 && request->waitForReadyRead(2000)) { }
            QCOMPARE(request->readAll(), "show\n");
            QVERIFY(second.waitForFinished(5000));
            QCOMPARE(second.exitStatus(), QProcess::NormalExit);
            QCOMPARE(second.exitCode(), 0);
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
        }
        // The program waits in its welcome window, killed; then started again.
        for (int start = 0; start < 2; ++start) {
            QProcess first;
            first.start(program, {});
            QVERIFY(first.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(answers(name), 10000);
            QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Quillmere.lock"))));
            first.kill();
            QVERIFY(first.waitForFinished());
            QVERIFY(!answers(name));
        }
        QLocalServer::removeServer(name);
    }
};

QTEST_MAIN(InstanceLinkTest)
#include "instance_link_test.moc"
