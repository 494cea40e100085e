#include "installer/core/folder_list.h"
#include "installer/core/install_paths.h"
#include "installer/core/uninstall_data.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace qmi;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const UninstallData kSample { QStringLiteral("Quillmere"),
    QStringLiteral("/home/zoé/Applications/Quillmere"), QStringLiteral("/home/zoé/Bureau"),
    QStringLiteral("/home/zoé/.local/share/applications/Quillmere"),
    QStringLiteral("/home/zoé/.config/autostart") };

} // namespace

class TstInstallerFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void uninstallDataBytes();
    void uninstallDataReading_data();
    void uninstallDataReading();
    void uninstallDataUnwritableFolder();
    void proposedPaths_data();
    void proposedPaths();
    void shortcutFiles_data();
    void shortcutFiles();
    void folderList();
    void drives_data();
    void drives();
};

void TstInstallerFiles::uninstallDataBytes()
{
    const QByteArray golden = readAll(QFINDTESTDATA("../data/installer/uninstall.dat"));
    QVERIFY(!golden.isEmpty());
    QCOMPARE(formatUninstallData(kSample), golden);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("uninstall.dat"));
    QVERIFY(writeUninstallData(path, kSample));
    QCOMPARE(readAll(path), golden);
    const auto back = readUninstallData(path);
    QVERIFY(back.has_value());
    QCOMPARE(*back, kSample);
    QCOMPARE(formatUninstallData(*back), golden);
}

void TstInstallerFiles::uninstallDataReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("installPath");
    QTest::addColumn<QString>("startupFolder");

    QTest::newRow("line feeds only") << QByteArray("Quillmere\n/opt/Q\n/d\n/p\n/s\n") << true
                                     << QStringLiteral("/opt/Q") << QStringLiteral("/s");
    QTest::newRow("empty folder lines") << QByteArray("Quillmere\r\n/opt/Q\r\n\r\n\r\n\r\n") << true
                                        << QStringLiteral("/opt/Q") << QString();
    QTest::newRow("short file") << QByteArray("Quillmere\r\n/opt/Q") << true
                                << QStringLiteral("/opt/Q") << QString();
    QTest::newRow("Windows-1252 name") << QByteArray("Quillmere\r\n/home/zo\xe9\r\n\r\n\r\n\r\n")
                                       << true << QStringLiteral("/home/zoé") << QString();
    QTest::newRow("empty file") << QByteArray() << false << QString() << QString();
    QTest::newRow("huge file") << QByteArray(200 * 1024, 'a') << false << QString() << QString();
}

void TstInstallerFiles::uninstallDataReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    QFETCH(QString, installPath);
    QFETCH(QString, startupFolder);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("uninstall.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const auto data = readUninstallData(path);
    QCOMPARE(data.has_value(), valid);
    if (valid) {
        QCOMPARE(data->productName, QStringLiteral("Quillmere"));
        QCOMPARE(data->installPath, installPath);
        QCOMPARE(data->startupFolder, startupFolder);
    }
}

void TstInstallerFiles::uninstallDataUnwritableFolder()
{
    QTemporaryDir dir;
    QVERIFY(!writeUninstallData(dir.filePath(QStringLiteral("absent/uninstall.dat")), kSample));
    const QString taken = dir.filePath(QStringLiteral("taken"));
    QVERIFY(QDir().mkdir(taken));
    QVERIFY(!writeUninstallData(taken, kSample));
    QVERIFY(QFileInfo(taken).isDir());

    const QString folder = dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/uninstall.dat");
    QVERIFY(writeUninstallData(path, kSample));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool refused
        = !writeUninstallData(path, UninstallData { QStringLiteral("Other"), {}, {}, {}, {} });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!refused)
        QSKIP("running with rights that ignore folder permissions");
    QCOMPARE(readUninstallData(path)->productName, QStringLiteral("Quillmere"));
}

void TstInstallerFiles::proposedPaths_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/Quillmere");
    QTest::newRow("folder") << QStringLiteral("/opt") << QStringLiteral("/opt/Quillmere");
    QTest::newRow("folder with blank") << QStringLiteral("/home/zoé/Mes programmes")
                                       << QStringLiteral("/home/zoé/Mes programmes/Quillmere");
    QTest::newRow("mount point") << QStringLiteral("/media/cle/")
                                 << QStringLiteral("/media/cle/Quillmere");
}

void TstInstallerFiles::proposedPaths()
{
    QFETCH(QString, entry);
    QFETCH(QString, proposed);
    QCOMPARE(proposedInstallPath(entry, QStringLiteral("Quillmere")), proposed);
}

void TstInstallerFiles::shortcutFiles_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("file");
    QTest::newRow("program") << QStringLiteral("/d/Quillmere.lnk")
                             << QStringLiteral("/d/Quillmere.desktop");
    QTest::newRow("upper case") << QStringLiteral("/d/Aide.LNK")
                                << QStringLiteral("/d/Aide.desktop");
    QTest::newRow("not a link") << QStringLiteral("/d/Aide.pdf") << QStringLiteral("/d/Aide.pdf");
}

void TstInstallerFiles::shortcutFiles()
{
    QFETCH(QString, link);
    QFETCH(QString, file);
    QCOMPARE(shortcutFilePath(link), file);
}

void TstInstallerFiles::folderList()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("b/inner")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("A")));
    QFile plain(dir.filePath(QStringLiteral("file.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    FolderList list(dir.path());
    QCOMPARE(list.currentFolder(), dir.path());
    QCOMPARE(list.entries().first(), QStringLiteral("/"));
    QCOMPARE(list.entries().at(list.currentIndex()), dir.path());
    QCOMPARE(list.entries().mid(list.currentIndex() + 1),
        QStringList({ dir.filePath(QStringLiteral("A")), dir.filePath(QStringLiteral("b")) }));

    QVERIFY(!list.setCurrentFolder(dir.filePath(QStringLiteral("file.txt"))));
    QVERIFY(!list.setCurrentFolder(dir.filePath(QStringLiteral("absent"))));
    QCOMPARE(list.currentFolder(), dir.path());

    QVERIFY(list.setCurrentFolder(dir.filePath(QStringLiteral("b"))));
    QCOMPARE(list.entries().mid(list.currentIndex()),
        QStringList(
            { dir.filePath(QStringLiteral("b")), dir.filePath(QStringLiteral("b/inner")) }));

    QVERIFY(list.setCurrentFolder(QStringLiteral("/")));
    QCOMPARE(list.currentIndex(), 0);
    QVERIFY(list.entries().size() > 1);
    QVERIFY(!list.entries().at(1).startsWith(QStringLiteral("//")));
}

void TstInstallerFiles::drives_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("drive");
    QTest::newRow("root drive") << QStringLiteral("/opt/x") << QStringLiteral("/");
    QTest::newRow("nested mount") << QStringLiteral("/home/zoé") << QStringLiteral("/home");
    QTest::newRow("mount itself") << QStringLiteral("/media/cle") << QStringLiteral("/media/cle");
    QTest::newRow("name sharing a prefix") << QStringLiteral("/homework") << QStringLiteral("/");
}

void TstInstallerFiles::drives()
{
    QFETCH(QString, folder);
    QFETCH(QString, drive);
    QCOMPARE(driveOf(folder, { "/", "/home", "/media/cle" }), drive);
}

QTEST_GUILESS_MAIN(TstInstallerFiles)
#include "tst_installer_files.moc"
