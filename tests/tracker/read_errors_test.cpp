#include "journal/file_names.h"
#include "tests/support/failing_io.h"
#include "tests/support/test_conditions.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

// The settings of a user with 40 activities and two comment types, then `comments` more.
QByteArray settingsFile(int comments = 0)
{
    QByteArray bytes = readBytes(QFINDTESTDATA("../data/tracker/forty_activities.ini"));
    for (int i = 0; i < comments; ++i)
        bytes += "Comment=commentaire " + QByteArray::number(i) + "\r\n";
    return bytes;
}

QByteArray dayFile(int lines)
{
    QByteArray bytes("05/12/2026\r\n");
    for (int i = 0; i < lines; ++i)
        bytes += "08:30:00, 1,Dossier 100,ligne " + QByteArray::number(i) + "\r\n";
    return bytes;
}

QByteArray journal(int lines)
{
    QByteArray bytes;
    for (int i = 0; i < lines; ++i)
        bytes += (i % 2 ? "04/12/2026" : "05/12/2026") + QByteArray(", 30,Dossier 101,\r\n");
    return bytes;
}

// Files bigger than one block of the line reader (256 KiB), for a read error after the first.
constexpr int kLongLists = 20'000;

} // namespace

// A read error on any of the three files, at its first read or in the middle, runs the real
// system calls of the program into EIO: the program says which file it could not read and ends
// without writing, so every file keeps all its bytes.
class ReadErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void readErrorWritesNothing_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<int>("failingRead");
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QByteArray>("day");
        QTest::addColumn<QByteArray>("log");
        const QByteArray settings = settingsFile(), day = dayFile(3), log = journal(6);
        QVERIFY(settings.contains("Activity=Dossier 139\r\n"));
        const QString ini = kSettingsFileName.toString(), dayName = kDayFileName.toString(),
                      logName = kJournalFileName.toString();
        QTest::addRow("settings of %d bytes, first read", int(settings.size()))
            << ini << 1 << settings << day << log;
        QTest::newRow("settings, second block")
            << ini << 2 << settingsFile(kLongLists) << day << log;
        // The date line is read on its own first, then the whole file.
        const QByteArray longDay = dayFile(kLongLists);
        QTest::newRow("day file, date line") << dayName << 1 << settings << longDay << log;
        QTest::newRow("day file, first read of its lines")
            << dayName << 2 << settings << longDay << log;
        QTest::newRow("day file, second block") << dayName << 3 << settings << longDay << log;
        QTest::newRow("journal, first read") << logName << 1 << settings << day << log;
        QTest::newRow("journal, second block")
            << logName << 2 << settings << day << journal(kLongLists);
    }
    void readErrorWritesNothing()
    {
        const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
        if (strace.isEmpty())
            QM_SKIP("strace is needed to make a system call fail (tools/setup.sh installs it)");
        QFETCH(QString, failing);
        QFETCH(int, failingRead);
        QTemporaryDir dir;
        QFETCH(QByteArray, settings);
        QFETCH(QByteArray, day);
        QFETCH(QByteArray, log);
        const std::pair<QString, QByteArray> written[]
            = { { kSettingsFileName.toString(), settings }, { kDayFileName.toString(), day },
                  { kJournalFileName.toString(), log } };
        for (const auto &[name, bytes] : written)
            QVERIFY(writeBytes(dir.filePath(name), bytes));

        QProcess driver;
        driver.start(strace,
            { "-qq", "-o", "/dev/null", "-P", dir.filePath(failing), "-e", "trace=read", "-e",
                "inject=read:error=EIO:when=" + QString::number(failingRead),
                QStringLiteral(QM_CORE_DRIVER), dir.path(), "quit" });
        QVERIFY(driver.waitForFinished(60'000));
        const QString output = QString::fromUtf8(driver.readAllStandardOutput());
        const QByteArray errors = driver.readAllStandardError();
        if (driver.exitCode() != 0 && errors.contains("ptrace"))
            QM_SKIP(qPrintable("strace cannot trace here: " + errors));
        QCOMPARE(driver.exitCode(), 0);
        QVERIFY2(output.contains(dir.filePath(failing) + " existe mais ne peut pas être lu"),
            qPrintable(output));
        for (const auto &[name, bytes] : written)
            QVERIFY2(readBytes(dir.filePath(name)) == bytes, qPrintable(name));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
    }

    // A restart after a crash between the journal's append and the day file's deletion, with the
    // closing record read short: the record must not be taken for a different close (that would
    // drop it and offer the day again, into the journal a second time).
    void closingRecordReadShort_data()
    {
        QTest::addColumn<QByteArray>("mode");
        QTest::newRow("short read, then an end") << QByteArray("short");
        QTest::newRow("short read, then EIO") << QByteArray("eio");
    }
    void closingRecordReadShort()
    {
        QFETCH(QByteArray, mode);
        QTemporaryDir dir;
        const QByteArray log = journal(2), day = "05/12/2026, 45,Dossier 100,ligne 0\r\n";
        const std::pair<QString, QByteArray> written[] = {
            { kSettingsFileName.toString(), settingsFile() },
            { kDayFileName.toString(), "05/12/2026\r\n08:30:00, 45,Dossier 100,ligne 0\r\n" },
            { kJournalFileName.toString(), log + day },
            { kClosingFileName.toString(),
                QByteArray::number(log.size()) + "\r\n05/12/2026\r\n" + day },
        };
        for (const auto &[name, bytes] : written)
            QVERIFY(writeBytes(dir.filePath(name), bytes));
        QProcess driver;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", QM_SHORT_READ_SHIM);
        // Under the address sanitizer the shim comes before its runtime, which it accepts
        // only when told to.
        env.insert("ASAN_OPTIONS",
            env.value("ASAN_OPTIONS") + QStringLiteral(":verify_asan_link_order=0"));
        env.insert("QM_SHORT_READ_FILE", "/" + kClosingFileName.toString());
        env.insert("QM_SHORT_READ_MODE", mode);
        driver.setProcessEnvironment(env);
        driver.start(QM_CORE_DRIVER, { dir.path(), "quit" });
        QVERIFY(driver.waitForFinished(60'000));
        const QString output = QString::fromUtf8(driver.readAllStandardOutput());
        QVERIFY2(output.contains("n'a pas pu être terminée"), qPrintable(output));
        for (const auto &[name, bytes] : written)
            QVERIFY2(readBytes(dir.filePath(name)) == bytes, qPrintable(name));

        // Read whole, the record finishes the close: the day is in the journal once.
        driver.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
        driver.start(QM_CORE_DRIVER, { dir.path(), "quit" });
        QVERIFY(driver.waitForFinished(60'000));
        QCOMPARE(readBytes(dir.filePath(kJournalFileName.toString())), log + day);
        QVERIFY(!QFile::exists(dir.filePath(kClosingFileName.toString())));
    }
};

QTEST_GUILESS_MAIN(ReadErrorsTest)
#include "read_errors_test.moc"
