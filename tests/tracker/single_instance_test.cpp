#include "tracker/ui/instance_link.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using qm::instanceName;

namespace {

bool answers(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    return socket.waitForConnected(200);
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartEndsAtOnce()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("Quillmere"));
        QVERIFY(QFile::copy(QStringLiteral(QM_TRACKER_PROGRAM), program));

        // The first start waits in its welcome window.
        QProcess first;
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("Quillmere.lock"))));
        QCOMPARE(first.state(), QProcess::Running);
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

        QProcess second;
        second.start(program, {});
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
        QCOMPARE(first.state(), QProcess::Running);

        first.kill();
        first.waitForFinished();
        QLocalServer::removeServer(instanceName(dir.path()));
    }

    // This test stands for the running program: it holds the folder's lock and listens.
    void secondStartAsksTheRunningOne()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("Quillmere"));
        QVERIFY(QFile::copy(QStringLiteral(QM_TRACKER_PROGRAM), program));
        QLockFile lock(dir.filePath(QStringLiteral("Quillmere.lock")));
        QVERIFY(lock.tryLock(0));
        QLocalServer running;
        QVERIFY(running.listen(instanceName(dir.path())));
        const QStringList filesBefore = QDir(dir.path()).entryList(QDir::Files);

        QProcess second;
        second.start(program, {});
        QVERIFY(running.waitForNewConnection(5000));
        QLocalSocket *request = running.nextPendingConnection();
        QVERIFY(request);
        while (request->bytesAvailable() < 5 && request->waitForReadyRead(2000)) { }
        QCOMPARE(request->readAll(), "show\n");
        QVERIFY(second.waitForFinished(5000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), filesBefore);
    }

    void crashLeavesNoBlockingName()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("Quillmere"));
        QVERIFY(QFile::copy(QStringLiteral(QM_TRACKER_PROGRAM), program));
        const QString name = instanceName(dir.path());

        QProcess crashed;
        crashed.start(program, {});
        QVERIFY(crashed.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(answers(name), 10000);
        crashed.kill();
        QVERIFY(crashed.waitForFinished());
        QVERIFY(!answers(name));

        QProcess next;
        next.start(program, {});
        QVERIFY(next.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(answers(name), 10000);
        next.kill();
        next.waitForFinished();
        QLocalServer::removeServer(name);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
