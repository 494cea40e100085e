// Drives a working session of Quillmere's core under strace, killing it or failing it at each
// system call it makes on its program folder, then starts it again to recover and close the day.
// Whatever the point, the journal must end up holding the day exactly once, and every file must
// read back whole.

#include "tests/support/files.h"
#include "tests/support/test_conditions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using qm::test::readBytes;
using qm::test::writeBytes;

namespace {

const QByteArray kSettings
    = "User=-\r\nActivity=Dossiers\r\nActivity=Réunion\r\nActivity=Courrier\r\n";
const QByteArray kOldJournal = "04/12/2026, 60,Courrier,\r\n";
const QByteArray kDayFile = "05/12/2026\r\n08:30:00, 45,Dossiers,\r\n09:15:00, 30,pause,café\r\n";
// What a restart makes of the day file alone: the activity that was running is lost by design.
const QByteArray kRecoveredOnly = kOldJournal + "05/12/2026, 45,Dossiers,\r\n";

const QStringList kSyscalls { "openat", "read", "write", "fsync", "fdatasync", "ftruncate",
    "rename", "renameat", "renameat2", "unlink", "unlinkat", "linkat", "close" };
// The calls that ask whether a file is there; with the deletions, each fails with EIO and EACCES
// on the day file and the closing record. An error must never read as "not there".
const QStringList kChecks { "access", "faccessat", "faccessat2", "newfstatat", "statx" };
const QStringList kTraced = kSyscalls + kChecks;

const char *const kNotLeftovers[]
    = { "Quillmere.day.bak", "Quillmere.log.Ab3dE6", "Quillmere.ini.Ab3dE6x" };

struct Folder
{
    Folder()
    {
        QVERIFY(writeBytes(file("Quillmere.ini"), kSettings));
        QVERIFY(writeBytes(file("Quillmere.log"), kOldJournal));
        QVERIFY(writeBytes(file("Quillmere.day"), kDayFile));
        // Not what a replacement leaves behind: these are the user's and stay.
        for (const char *name : kNotLeftovers)
            QVERIFY(writeBytes(file(name), name));
    }
    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray bytes(const char *name) const { return readBytes(file(name)); }
    bool has(const char *name) const { return QFile::exists(file(name)); }

    QTemporaryDir dir;
};

// One system call on the program folder: the n-th call of that name in the whole process.
struct Call
{
    // The strace fault, "error=EIO" or "signal=KILL", injected at this call.
    QString fault(const QString &what) const
    {
        return QStringLiteral("%1:%2:when=%3").arg(name, what).arg(ordinal);
    }

    QString name;
    int ordinal = 0;
    QByteArray line;
};

} // namespace

class ClosingFaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySystemCall_data();
    void everySystemCall();
    void abandonedDayThatCannotBeDeleted();
    void correctionAtEverySystemCall();

private:
    // The driver's output; strace's own record of the run goes to `trace` when it is given.
    QByteArray run(const Folder &folder, const char *mode, const QStringList &strace = {},
        const QString &trace = {});

    QString m_strace;
    QList<Call> m_calls;
    QList<Call> m_checks;
    QByteArray m_cleanJournal;
    QByteArray m_cleanSettings;
};

QByteArray ClosingFaultsTest::run(
    const Folder &folder, const char *mode, const QStringList &strace, const QString &trace)
{
    QProcess process;
    QStringList args { QStringLiteral(QM_CORE_DRIVER), folder.dir.path(), mode };
    QString program = args.takeFirst();
    if (!strace.isEmpty()) {
        args = QStringList { "-qq", "-y", "-o", trace.isEmpty() ? "/dev/null" : trace } + strace
            + QStringList { program } + args;
        program = m_strace;
    }
    process.start(program, args);
    if (!process.waitForFinished(30000))
        qWarning("the driver did not finish");
    return process.readAllStandardOutput();
}

void ClosingFaultsTest::initTestCase()
{
    m_strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (m_strace.isEmpty())
        QM_SKIP("strace is not installed: the system calls cannot be failed one by one");
    Folder folder;
    const QString trace = folder.dir.filePath("trace");
    const QByteArray output = run(folder, "work", { "-e", "trace=" + kTraced.join(u',') }, trace);
    if (!output.contains("ended"))
        QM_SKIP("strace cannot trace here (no ptrace in this sandbox?)");
    QVERIFY2(!output.contains("warning"), output.constData());

    // The clean run logs the recovered activity and the one it changed to, once each.
    m_cleanJournal = folder.bytes("Quillmere.log");
    m_cleanSettings = folder.bytes("Quillmere.ini");
    QCOMPARE(m_cleanJournal.count("05/12/2026,"), 2);
    QVERIFY(m_cleanJournal.startsWith(kRecoveredOnly));
    QVERIFY(!folder.has("Quillmere.day"));

    const QRegularExpression call(QStringLiteral("^(\\w+)\\("));
    QMap<QString, int> seen;
    const QString path = folder.dir.path();
    for (const QByteArray &line : readBytes(trace).split('\n')) {
        const auto match = call.match(QString::fromUtf8(line));
        if (!match.hasMatch())
            continue;
        const int ordinal = ++seen[match.captured(1)];
        if (!line.contains(path.toUtf8()) || line.contains("/trace"))
            continue;
        const Call found { match.captured(1), ordinal, line };
        if (!kChecks.contains(found.name))
            m_calls.append(found);
        // By name, not through a handle already open: those are the existence checks.
        if ((kChecks.contains(found.name) || found.name.startsWith(u"unlink"))
            && (line.contains("Quillmere.day\"") || line.contains("Quillmere.closing\"")))
            m_checks.append(found);
    }
    // Reading the three files, the day file's rewrite, the journal's append, the deletions and
    // the settings' save: well over fifty calls.
    QVERIFY2(m_calls.size() > 50, qPrintable(QString::number(m_calls.size())));
    QVERIFY2(m_checks.size() > 4, qPrintable(QString::number(m_checks.size())));
    // A replacement is on disk once its folder is: each rename is followed by the folder's fsync.
    const QList<QByteArray> lines = readBytes(trace).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith("rename") || !lines.at(i).contains(path.toUtf8()))
            continue;
        const auto synced = std::find_if(lines.begin() + i, lines.end(),
            [](const QByteArray &line) { return line.startsWith("fsync"); });
        QVERIFY2(synced != lines.end() && synced->contains(path.toUtf8() + ">)"),
            lines.at(i).constData());
    }
}

void ClosingFaultsTest::everySystemCall_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("told");
    for (const Call &call : std::as_const(m_calls)) {
        QStringList faults { "signal=KILL", "error=EIO" };
        if (call.name == u"write")
            faults.append("error=ENOSPC");
        for (const QString &fault : faults) {
            const QString name
                = QStringLiteral("%1 #%2, %3").arg(call.name).arg(call.ordinal).arg(fault);
            QTest::newRow(qPrintable(name)) << QStringList { call.fault(fault) } << QString();
        }
    }
    for (const Call &call : std::as_const(m_checks)) {
        for (const char *error : { "EIO", "EACCES" }) {
            const QString fault = call.fault("error=" + QLatin1String(error));
            QTest::newRow(
                qPrintable(fault + (call.line.contains(".day\"") ? " (day)" : " (closing)")))
                << QStringList { fault } << QString();
        }
    }
    // The append fails, and so does taking it back: the journal may hold part of the day.
    for (const Call &call : std::as_const(m_calls)) {
        if (!call.line.contains("Quillmere.log>")
            || (call.name != u"write" && call.name != u"fsync"))
            continue;
        const QString fault = call.name == u"write" ? "error=ENOSPC" : "error=EIO";
        QTest::newRow(qPrintable(call.name + ", then the cut-back fails"))
            << QStringList { call.fault(fault), "ftruncate:error=EIO" }
            << QStringLiteral("ce qui en a été écrit n'a pas pu être retiré");
    }
}

void ClosingFaultsTest::everySystemCall()
{
    QFETCH(QStringList, faults);
    Folder folder;
    const QString trace = folder.dir.filePath("trace");
    QStringList strace { "-e", "trace=" + kTraced.join(u',') };
    for (const QString &fault : std::as_const(faults))
        strace << "-e"
               << "inject=" + fault;
    const QByteArray output = run(folder, "work", strace, trace);
    QFETCH(QString, told);
    QVERIFY2(output.contains(told.toUtf8()), output.constData());
    const QByteArray traced = readBytes(trace);
    QVERIFY2(traced.contains("INJECTED") || traced.contains("killed by SIGKILL"),
        "the fault never hit the run");

    const QByteArray journal = folder.bytes("Quillmere.log");
    const bool closeCutShort = folder.has("Quillmere.closing");
    const bool completed = journal == m_cleanJournal && !folder.has("Quillmere.day")
        && !folder.has("Quillmere.closing");
    if (!faults.first().contains("KILL")) {
        // The run went on after the failure: whatever it could not do, it said so, and the
        // journal is either untouched with the day kept, or complete.
        QVERIFY2(journal == kOldJournal || journal == m_cleanJournal, journal.constData());
        if (journal == kOldJournal)
            QVERIFY(folder.has("Quillmere.day"));
        if (!completed)
            QVERIFY2(output.contains("warning: "), output.constData());
    }

    const QByteArray recovery = run(folder, "recover");
    const QByteArray recovered = folder.bytes("Quillmere.log");
    QVERIFY2(recovered == kRecoveredOnly || recovered == m_cleanJournal, recovered.constData());
    // A close cut short is put right, and the user is told how, as news rather than an error.
    if (closeCutShort)
        QVERIFY2(recovery.contains("Quillmere - Clôture de la journée|La clôture de la journée "
                                   "du 05/12/2026"),
            recovery.constData());
    // No day file or closing record is left, nothing of a replacement cut short stays behind,
    // and nothing else goes.
    QStringList expected { "Quillmere.ini", "Quillmere.log", "trace" };
    for (const char *name : kNotLeftovers)
        expected.append(QString::fromLatin1(name));
    expected.sort();
    QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    const QByteArray settings = folder.bytes("Quillmere.ini");
    QVERIFY2(settings == kSettings || settings == m_cleanSettings, settings.constData());

    // A further start finds nothing left to put right.
    QVERIFY(!run(folder, "recover").contains("warning"));
    QCOMPARE(folder.bytes("Quillmere.log"), recovered);
}

// Abandonner at the start deletes the day left behind; when it cannot be deleted, its rows must
// not be taken into the day chosen next, from where they would reach the journal under its date.
void ClosingFaultsTest::abandonedDayThatCannotBeDeleted()
{
    Folder folder;
    const QString trace = folder.dir.filePath("trace");
    const QByteArray output = run(folder, "abandon",
        { "-e", "trace=unlink", "-e", "inject=unlink:error=EACCES:when=1" }, trace);
    QVERIFY(readBytes(trace).contains("Quillmere.day\") = -1 EACCES"));
    QVERIFY2(output.contains("la journée abandonnée n'est pas reprise"), output.constData());
    QVERIFY2(output.contains("rows: 0"), output.constData());
    QCOMPARE(folder.bytes("Quillmere.day"), kDayFile);
    QCOMPARE(folder.bytes("Quillmere.log"), kOldJournal);
}

// A closed day corrected in the journal window, killed or failed at each system call on the
// journal and its copies: the journal holds its old bytes or the corrected ones, never anything
// else, a failure is told, and a corrected journal always has its old bytes kept as a copy.
void ClosingFaultsTest::correctionAtEverySystemCall()
{
    const QByteArray corrected = "04/12/2026, 60,R\xC3\xA9union,\r\n";
    const QStringList traced { "-e", "trace=" + kSyscalls.join(u',') };
    QList<Call> calls;
    {
        Folder folder;
        const QString trace = folder.dir.filePath("trace");
        QVERIFY(run(folder, "correct", traced, trace).contains("saved: 1"));
        QCOMPARE(folder.bytes("Quillmere.log"), corrected);
        const QRegularExpression call(QStringLiteral("^(\\w+)\\("));
        QMap<QString, int> seen;
        for (const QByteArray &line : readBytes(trace).split('\n')) {
            const auto match = call.match(QString::fromUtf8(line));
            if (!match.hasMatch())
                continue;
            const int ordinal = ++seen[match.captured(1)];
            if (line.contains("Quillmere.log") || line.contains("/Sauvegardes"))
                calls.append({ match.captured(1), ordinal, line });
        }
    }
    // Reading the journal, writing and reading back its copy, replacing it.
    QVERIFY2(calls.size() > 15, qPrintable(QString::number(calls.size())));
    for (const Call &call : std::as_const(calls)) {
        QStringList faults { "signal=KILL", call.name == u"write" ? "error=ENOSPC" : "error=EIO" };
        for (const QString &fault : faults) {
            const QString name
                = QStringLiteral("%1 #%2, %3").arg(call.name).arg(call.ordinal).arg(fault);
            Folder folder;
            const QByteArray output = run(
                folder, "correct", traced + QStringList { "-e", "inject=" + call.fault(fault) });
            const QByteArray journal = folder.bytes("Quillmere.log");
            QVERIFY2(journal == kOldJournal || journal == corrected, qPrintable(name));
            if (!fault.contains("KILL") && journal == kOldJournal)
                QVERIFY2(output.contains("warning: "), qPrintable(name + ": " + output));
            const QDir copies(folder.file("Sauvegardes"));
            const QStringList kept = copies.entryList({ "Quillmere-*.log" }, QDir::Files);
            for (const QString &copy : kept)
                QVERIFY2(readBytes(copies.filePath(copy)) == kOldJournal, qPrintable(name));
            if (journal == corrected)
                QVERIFY2(kept.size() == 1, qPrintable(name));
        }
    }
}

QTEST_GUILESS_MAIN(ClosingFaultsTest)
#include "closing_faults_test.moc"
