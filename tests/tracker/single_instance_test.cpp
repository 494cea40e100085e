#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void secondStartEndsAtOnce();
};

void SingleInstanceTest::secondStartEndsAtOnce()
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
}

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
