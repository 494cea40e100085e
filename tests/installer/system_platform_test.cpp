#include "rig.h"
#include "tests/support/locale.h"

#include "installer/core/install_paths.h"
#include "installer/platform/desktop_entry.h"
#include "installer/platform/system_platform.h"

#include <QImage>
#include <QLocale>
#include <QProcess>
#include <QTest>

#include <functional>

#include <unistd.h>

using namespace qm::install;
using namespace qm::install::test;

namespace {

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

} // namespace

Q_DECLARE_METATYPE(CopySetup)

// This system's platform in a temporary account: its desktop entries, icons, copies and file
// queries.
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

    void desktopEntries_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("program");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QByteArray>("entry");

        QTest::newRow("awkward folder")
            << "/opt/Quillmere/a $b \"c\" 100%\\d" << true
            << "/opt/Quillmere/a $b \"c\" 100%\\d.png"
            << QByteArray("[Desktop Entry]\nType=Application\nName=Quillmere\n"
                          "Comment=Tenir le journal du temps passé à chaque activité\n"
                          "Exec=\"/opt/Quillmere/a \\\\$b \\\\\"c\\\\\" 100%%\\\\\\\\d\"\n"
                          "Path=/opt/Quillmere\nTerminal=false\n"
                          "Categories=Office;ProjectManagement;\n"
                          "Icon=/opt/Quillmere/a $b \"c\" 100%\\\\d.png\n"
                          "X-Quillmere-Installation=/opt/Quillmere\n");
        QTest::newRow("document")
            << "/opt/Quillmere/Aide à lire.pdf" << false << "application-pdf"
            << QByteArray("[Desktop Entry]\nType=Link\nName=Quillmere\n"
                          "Comment=Tenir le journal du temps passé à chaque activité\n"
                          "URL=file:///opt/Quillmere/Aide%20%C3%A0%20lire.pdf\n"
                          "Icon=application-pdf\n"
                          "X-Quillmere-Installation=/opt/Quillmere\n");
    }

    void desktopEntries()
    {
        QFETCH(QString, target);
        QFETCH(bool, program);
        QFETCH(QString, icon);
        QFETCH(QByteArray, entry);
        const Shortcut shortcut { QStringLiteral("/menu/Quillmere.lnk"), target,
            QStringLiteral("/opt/Quillmere"), 4, target + QStringLiteral(", 0") };
        QCOMPARE(formatDesktopEntry(shortcut, program, icon), entry);
    }

    void desktopIcons_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("blocked");
        QTest::newRow("program of another folder") << "other/Quillmere"
                                                   << "";
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
        QTest::newRow("from a read-only release set") << CopySetup([=](CopyRig &rig) {
            QVERIFY(QFile::setPermissions(rig.source, readOnly | exe));
        }) << true << false;
        QTest::newRow("from a read-only release set, again") << CopySetup([=](CopyRig &rig) {
            QVERIFY(QFile::setPermissions(rig.source, readOnly));
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

        if (byPermissions && geteuid() == 0)
            QSKIP("running as root, who may write into read-only files");
        CopyRig rig;
        setup(rig);
        if (QTest::currentTestFailed())
            return;
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
        QVERIFY(QDir(rig.dir.path()).entryList({ QStringLiteral("*.part") }).isEmpty());
    }

    void fileQueries()
    {
        QTemporaryDir dir;
        SystemPlatform platform;
        QVERIFY(
            writeBytes(dir.filePath("Quillmere"), "x") && writeBytes(dir.filePath(".hidden"), "x"));
        QVERIFY(platform.fileExists(dir.filePath("Quillmere")));
        QVERIFY(!platform.fileExists(dir.path()));
        QVERIFY(!platform.fileExists(dir.filePath(".hidden")));
        QVERIFY(!platform.createFolder(dir.filePath("a/b")));
        QVERIFY(
            platform.createFolder(dir.filePath("a")) && platform.folderExists(dir.filePath("a")));
        QVERIFY(!platform.createShortcut(Shortcut { dir.filePath("absent/Quillmere.lnk"),
            dir.filePath("Quillmere"), dir.path(), 4, QString() }));
    }

private:
    QTemporaryDir m_home;
    QTemporaryDir m_cache;
};

QTEST_MAIN(SystemPlatformTest)
#include "system_platform_test.moc"
