#include "rig.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"
#include "tests/support/small_disk.h"
#include "tests/support/test_conditions.h"

#include "installer/core/install_paths.h"
#include "installer/core/installation_run.h"
#include "installer/core/log_sink.h"
#include "installer/core/start_up.h"
#include "installer/platform/desktop_entry.h"
#include "installer/platform/system_platform.h"

#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace qm::install;
using namespace qm::install::test;

namespace {

// The name of a file that a write cut short leaves beside its target.
const QRegularExpression kPartialName(QStringLiteral("^.+\\.[A-Za-z0-9]{6}$"));

// A new program in a temporary folder, dated as built, to be copied over whatever the target
// then is; a program it started is ended with it.
struct CopyRig
{
    CopyRig()
    {
        writeBytes(source, "new program");
        QFile file(source);
        if (file.open(QIODevice::ReadWrite))
            file.setFileTime(built, QFileDevice::FileModificationTime);
    }
    ~CopyRig()
    {
        running.kill();
        running.waitForFinished();
    }

    SystemPlatform platform;
    QTemporaryDir dir;
    QString source = dir.filePath("QM0.dat");
    QString target = dir.filePath("Quillmere");
    QDateTime built { QDate(2021, 6, 10), QTime(9, 30) };
    QProcess running;
};

using CopySetup = std::function<void(CopyRig &)>;

// A fresh account and a release set of small files, installed through this system's platform.
struct Account
{
    Account()
    {
        QDir().mkpath(home());
        useAccount(home());
        QDir().mkpath(release());
        for (const PayloadEntry &entry : standardPayload().entries) {
            const QString file = release() + u'/' + entry.source;
            writeBytes(file, "#!/bin/sh\n# " + entry.source.toUtf8() + '\n');
            if (QStringList { "QM0.dat", "QM2.dat", "QM3.dat" }.contains(entry.source))
                QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    QString home(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? path("home") : path("home/" + relative);
    }
    QString release() const { return path("release"); }
    FinishButton install()
    {
        log = TextLog();
        state = prepareInstallState(platform, programFilesFolder());
        state.sourceDir = release();
        return InstallationRun(platform, answers, log, payload, state)
            .runInstallation(ShortcutChoice { true, true, true });
    }

    QTemporaryDir dir;
    SystemPlatform platform;
    DefaultAnswers answers;
    PayloadTable payload = standardPayload();
    InstallState state;
    TextLog log;
};

} // namespace

Q_DECLARE_METATYPE(CopySetup)

// This system's platform in a temporary account: its desktop entries, icons, copies and file
// queries, and the installation run over it.
class SystemPlatformTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qm::test::useFrenchLocale();
        useAccount(m_home.path());
        // Whatever the toolkit caches is not the installer's doing.
        qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit());
    }

    // Only a lock that a live Quillmere holds says that it runs.
    void runningTracker_data()
    {
        QTest::addColumn<QByteArray>("leftover"); // null: the lock is held
        QTest::addColumn<bool>("running");
        QTest::newRow("held") << QByteArray() << true;
        QTest::newRow("left by a Quillmere that died")
            << QByteArray("999999\nQuillmere\n") << false;
        QTest::newRow("none") << QByteArray("") << false;
    }
    void runningTracker()
    {
        QFETCH(QByteArray, leftover);
        QTemporaryDir folder;
        QLockFile lock(folder.filePath("Quillmere.lock"));
        if (leftover.isNull())
            QVERIFY(lock.tryLock(0));
        else if (!leftover.isEmpty())
            QVERIFY(writeBytes(folder.filePath("Quillmere.lock"), leftover));
        SystemPlatform platform;
        QTEST(platform.isTrackerRunning(folder.path()), "running");
        QCOMPARE(QFileInfo::exists(folder.filePath("Quillmere.lock")),
            !leftover.isEmpty() || leftover.isNull());
    }

    // The menu shows the French names; the files keep theirs. Each row's entry is the data
    // folder's file of the row's name, of which the desktop's own checker says nothing.
    void desktopEntries_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("icon"); // a document's is themed
        // The link's target and its picture in /opt/Quillmere.
        const auto row
            = [](const char *name, const char *link, const char *target, const char *picture) {
                  const QString folder = QStringLiteral("/opt/Quillmere/");
                  QTest::newRow(name) << QString(link) << folder + target
                                      << (*picture ? folder + picture : "application-pdf");
              };
        row("program", "Quillmere.lnk", "a $b \"c\" 100%\\d", "a $b \"c\" 100%\\d.png");
        row("document", "Quillmere.lnk", "Aide à lire.pdf", "");
        row("uninstaller", "Uninstall.lnk", "Uninstall", "Quillmere.png");
    }

    void desktopEntries()
    {
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, icon);
        const QString entry = QFINDTESTDATA(
            QStringLiteral("../data/installer/%1.desktop").arg(QTest::currentDataTag()));
        const QByteArray golden = readBytes(entry);
        QVERIFY(!golden.isEmpty());
        const Shortcut shortcut { "/menu/" + link, target, QStringLiteral("/opt/Quillmere"), 4,
            target + QStringLiteral(", 0") };
        QCOMPARE(formatDesktopEntry(shortcut, icon != u"application-pdf", icon), golden);

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (validator.isEmpty())
            QM_SKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        QProcess check;
        check.start(validator, { entry });
        QVERIFY(check.waitForFinished(30000));
        const QByteArray output = check.readAllStandardOutput() + check.readAllStandardError();
        // Not even a hint.
        QVERIFY2(check.exitCode() == 0 && output.isEmpty(), output.constData());
    }

    void desktopIcons_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("blocked");
        QTest::newRow("program of another folder") << "other/Quillmere" << QString();
        QTest::newRow("picture that cannot be written") << "app/Quillmere"
                                                        << "app/Quillmere.png";
    }
    // A desktop shows no picture from inside a program: the entry names a picture written beside
    // the programs of the installation folder (seen in installs()), else a themed icon. A picture
    // that cannot be written makes the shortcut fail, which the run reports.
    void desktopIcons()
    {
        QFETCH(QString, target);
        QFETCH(QString, blocked);

        QTemporaryDir dir;
        for (const char *folder : { "app", "other", "menu" })
            QVERIFY(QDir(dir.path()).mkdir(QLatin1String(folder)));
        QVERIFY(blocked.isEmpty() || QDir(dir.path()).mkdir(blocked));
        const QString targetPath = dir.filePath(target);
        QVERIFY(writeBytes(targetPath, "#!/bin/sh\n"));
        QVERIFY(QFile::setPermissions(targetPath, QFile::ReadOwner | QFile::ExeOwner));
        const QString link = dir.filePath("menu/Quillmere.lnk");
        QCOMPARE(SystemPlatform().createShortcut(
                     Shortcut { link, targetPath, dir.filePath("app"), 4, targetPath + ", 0" }),
            blocked.isEmpty());

        QCOMPARE(
            iconOf(shortcutFilePath(link)), blocked.isEmpty() ? "application-x-shellscript" : "");
        QVERIFY(!QDirIterator(dir.path(), { "*.png" }, QDir::Files, QDirIterator::Subdirectories)
                     .hasNext());
    }

    void copies_data()
    {
        QTest::addColumn<CopySetup>("setup");
        QTest::addColumn<bool>("copied");
        QTest::addColumn<bool>("byPermissions");

        const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto exe = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QTest::newRow("over an older file")
            << CopySetup([](CopyRig &rig) { QVERIFY(writeBytes(rig.target, "older program")); })
            << true << false;
        QTest::newRow("from a file dated before 1970") << CopySetup([](CopyRig &rig) {
            // Qt itself refuses to set such a date.
            QCOMPARE(
                QProcess::execute("touch", { "-d", "1969-12-31 23:59:59.5 UTC", rig.source }), 0);
            rig.built = QFileInfo(rig.source).lastModified();
            QCOMPARE(rig.built.toMSecsSinceEpoch(), -500);
        }) << true << false;
        QTest::newRow("from a read-only release set, twice") << CopySetup([=](CopyRig &rig) {
            QVERIFY(QFile::setPermissions(rig.source, readOnly | exe));
            QVERIFY(rig.platform.copyFile(rig.source, rig.target));
        }) << true << false;
        QTest::newRow("over a running program") << CopySetup([](CopyRig &rig) {
            QVERIFY(QFile::copy(QStringLiteral("/bin/sleep"), rig.target));
            rig.running.start(rig.target, { QStringLiteral("600") });
            QVERIFY(rig.running.waitForStarted());
        }) << false << false;
        QTest::newRow("over a read-only file") << CopySetup([=](CopyRig &rig) {
            QVERIFY(writeBytes(rig.target, "older program"));
            QVERIFY(QFile::setPermissions(rig.target, readOnly));
        }) << false << true;
        QTest::newRow("into a missing folder")
            << CopySetup([](CopyRig &rig) { rig.target = rig.dir.filePath("absent/Quillmere"); })
            << false << false;
        QTest::newRow("from a missing file")
            << CopySetup([](CopyRig &rig) { rig.source = rig.dir.filePath("absent"); }) << false
            << false;
        QTest::newRow("over a folder")
            << CopySetup([](CopyRig &rig) { QVERIFY(QDir().mkdir(rig.target)); }) << false << false;
    }

    void copies()
    {
        QFETCH(CopySetup, setup);
        QFETCH(bool, copied);
        QFETCH(bool, byPermissions);

        CopyRig rig;
        setup(rig);
        if (QTest::currentTestFailed())
            return;
        // Root may write into read-only files.
        std::optional<qm::test::AsAnotherUser> user;
        if (byPermissions) {
            user.emplace(QStringList { rig.dir.path(), rig.source, rig.target });
            QVERIFY(user->ready());
        }
        const QByteArray before = readBytes(rig.target);
        const QFile::Permissions permissions = QFileInfo(rig.source).permissions();

        QCOMPARE(rig.platform.copyFile(rig.source, rig.target), copied);
        QCOMPARE(readBytes(rig.target), copied ? QByteArray("new program") : before);
        if (copied) {
            const QFile::Permissions forUs = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
            QCOMPARE(QFileInfo(rig.target).permissions() & ~forUs,
                (permissions | QFile::WriteOwner) & ~forUs);
            QCOMPARE(rig.platform.lastModified(rig.target), rig.built);
        }
        // A failed copy leaves no partial file behind.
        QVERIFY(QDir(rig.dir.path()).entryList({ QStringLiteral("Quillmere.??????") }).isEmpty());
    }

    // The run on a full disk. Each account points the account folders at itself.
    void fullDisk_data()
    {
        QTest::addColumn<bool>("installedBefore");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("logEnd");
        QTest::addColumn<bool>("realDisk");

        const QString noCopy = QStringLiteral(
            "Copie des fichiers...\r\n  - Quillmere : ERREUR, fichier existant et utilisé");
        const QString noData
            = QStringLiteral("\r\n  - uninstall.dat : ERREUR, écriture impossible");
        QTest::newRow("fresh account, no room at all") << false << 0 << noCopy << false;
        QTest::newRow("fresh account, room for the programs only")
            << false << 64 << noData << false;
        QTest::newRow("over an installation, no room at all") << true << 0 << noCopy << false;
        QTest::newRow("over an installation, room for the programs only")
            << true << 64 << noData << false;
        QTest::newRow("over an installation, a small disk filled up")
            << true << 0 << noCopy << true;
    }

    // No write is half done: a file is either the earlier one or the new one, never empty, and
    // the run ends on an error instead of a success.
    void fullDisk()
    {
        QFETCH(bool, installedBefore);
        QFETCH(int, limit);
        QFETCH(QString, logEnd);
        QFETCH(bool, realDisk);

        Account account;
        std::optional<qm::test::SmallDisk> disk;
        if (realDisk) {
            disk.emplace(account.home());
            if (!disk->mounted())
                QM_SKIP("no small disk can be mounted here (only root may mount one)");
        }
        if (installedBefore)
            QCOMPARE(account.install().caption, kFinishNextCaption);
        QVERIFY(!disk || disk->fill(account.home("filler")));
        const QMap<QString, QByteArray> before = snapshot(account.home());
        FinishButton finish;
        const auto install = [&finish, &account](const QString &) {
            finish = account.install();
            return true;
        };
        if (disk) {
            install(QString());
        } else {
            // No file may grow past the size of "room", as when the disk fills midway.
            QVERIFY(writeBytes(account.path("room"), QByteArray(limit, 'x')));
            qm::test::runFailingWrite(
                qm::test::WriteFailure::DiskFull, account.dir, "room", install);
        }

        QVERIFY2(account.log.text().endsWith(logEnd), qPrintable(account.log.text()));
        QVERIFY(!account.log.text().contains(u"INSTALLATION TERMINEE"));
        QCOMPARE(finish.caption, kFinishCloseCaption);
        const QMap<QString, QByteArray> after = snapshot(account.home());
        if (installedBefore)
            QCOMPARE(after, before);
        for (auto it = after.begin(); it != after.end(); ++it) {
            QVERIFY2(!QFileInfo(it.key()).fileName().contains(kPartialName), qPrintable(it.key()));
            QVERIFY2(!it.value().endsWith(' '), qPrintable(it.key() + " is empty"));
        }
        if (!installedBefore) {
            for (const char *name : { "Quillmere.png", "uninstall.dat" })
                QVERIFY(!after.contains(QStringLiteral("Applications/Quillmere/") + name));
        }
    }

    // A whole run where the system gets in the way. The registering program, started from a
    // folder with a blank in its name, gets the component's path whole. Links at every place the
    // run writes, to files elsewhere and to files that do not exist, are each replaced by the
    // run's own file, and nothing elsewhere is written or created.
    void wholeRun()
    {
        // Every file a run writes, shortcuts on all three places included, as an account of its own
        // shows them.
        QStringList targets;
        {
            Account scratch;
            qputenv("XDG_DATA_HOME", scratch.home("my data").toLocal8Bit());
            QCOMPARE(scratch.install().caption, kFinishNextCaption);
            targets = snapshot(scratch.home(), QDir::Files).keys();
        }
        QCOMPARE(targets.size(), 18);
        Account account;
        qputenv("XDG_DATA_HOME", account.home("my data").toLocal8Bit());
        const QString system32 = account.home("my data/Quillmere/windows/system32");
        QVERIFY(QDir().mkpath(system32));
        QVERIFY(writeBytes(system32 + "/regsvr32.exe", "x"));
        const QString program = system32 + "/regsvr32";
        QVERIFY(writeBytes(program,
            "#!/bin/sh\nline=\nfor a; do line=\"$line$a|\"; done\n"
            "printf '%s\\n' \"$line\" >> \"$0.args\"\n"));
        QVERIFY(
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QString elsewhere = account.path("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        for (QString &target : targets) {
            const QString victim = elsewhere + u'/' + QString(target).replace(u'/', u'_');
            target = account.home(target);
            // The components are linked to missing files, which the run then places, and one
            // program file to a folder.
            if (target.endsWith(u"/Quillmere.pdf"))
                QVERIFY(QDir().mkpath(victim + "/inside"));
            else if (!target.contains(u"/system32/"))
                QVERIFY(writeBytes(victim, "the user's own file"));
            QVERIFY(QDir().mkpath(QFileInfo(target).path()));
            QVERIFY(QFile::link(victim, target));
        }
        const QMap<QString, QByteArray> outside = snapshot(elsewhere);

        QCOMPARE(account.install().caption, kFinishNextCaption);

        QCOMPARE(snapshot(elsewhere), outside);
        for (const QString &target : targets) {
            const QFileInfo info(target);
            QVERIFY2(!info.isSymLink() && info.isFile() && info.size() > 0, qPrintable(target));
        }
        QStringList expected;
        for (const char *name : { "MSFLXGRD.OCX", "MSSTDFMT.DLL", "RICHTX32.OCX" })
            expected.append("/s|" + system32 + u'/' + QLatin1String(name) + u'|');
        auto recorded = [&program] {
            QStringList lines = QString::fromUtf8(readBytes(program + ".args")).split(u'\n');
            lines.removeAll(QString());
            lines.sort();
            return lines;
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), expected, 20000);
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_cache;
};

QTEST_MAIN(SystemPlatformTest)
#include "system_platform_test.moc"
