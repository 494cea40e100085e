#include "installer/core/install_values.h"
#include "installer/platform/desktop_entry.h"
#include "installer/platform/system_platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TstSystemPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void desktopEntries_data();
    void desktopEntries();
    void specialFolders();
    void copyReplaces();
    void copyFailures();

private:
    QTemporaryDir m_home;
};

void TstSystemPlatform::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (m_home.path() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_home.path() + QStringLiteral("/config")).toLocal8Bit());
}

void TstSystemPlatform::desktopEntries_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("program");
    QTest::addColumn<QByteArray>("entry");

    QTest::newRow("program") << QStringLiteral("/opt/Quillmere/Quillmere") << true
                             << QByteArray("[Desktop Entry]\nType=Application\nName=Quillmere\n"
                                           "Exec=\"/opt/Quillmere/Quillmere\"\n"
                                           "Path=/opt/Quillmere\nTerminal=false\n"
                                           "Icon=/opt/Quillmere/Quillmere\n");
    QTest::newRow("awkward folder")
        << QStringLiteral("/opt/Quillmere/a $b \"c\" 100%\\d") << true
        << QByteArray("[Desktop Entry]\nType=Application\nName=Quillmere\n"
                      "Exec=\"/opt/Quillmere/a \\\\$b \\\\\"c\\\\\" 100%%\\\\\\\\d\"\n"
                      "Path=/opt/Quillmere\nTerminal=false\n"
                      "Icon=/opt/Quillmere/a $b \"c\" 100%\\\\d\n");
    QTest::newRow("document") << QStringLiteral("/opt/Quillmere/Aide à lire.pdf") << false
                              << QByteArray("[Desktop Entry]\nType=Link\nName=Quillmere\n"
                                            "URL=file:///opt/Quillmere/Aide%20%C3%A0%20lire.pdf\n"
                                            "Icon=/opt/Quillmere/Aide \xc3\xa0 lire.pdf\n");
}

void TstSystemPlatform::desktopEntries()
{
    QFETCH(QString, target);
    QFETCH(bool, program);
    QFETCH(QByteArray, entry);
    Shortcut shortcut { QStringLiteral("/menu/Quillmere.lnk"), target,
        QStringLiteral("/opt/Quillmere"), 4, target + QStringLiteral(", 0") };
    QCOMPARE(formatDesktopEntry(shortcut, program), entry);
}

void TstSystemPlatform::specialFolders()
{
    SystemPlatform platform;
    const QString data = m_home.path() + QStringLiteral("/data");
    QCOMPARE(
        platform.specialFolder(QStringLiteral("Programs")), data + QStringLiteral("/applications"));
    QCOMPARE(platform.specialFolder(QStringLiteral("Startup")),
        m_home.path() + QStringLiteral("/config/autostart"));
    QVERIFY(QFileInfo(platform.specialFolder(QStringLiteral("Desktop"))).isDir());
    QVERIFY(platform.specialFolder(QStringLiteral("Fonts")).isEmpty());
    QCOMPARE(platform.windowsFolder(), data + QStringLiteral("/Quillmere/windows"));
    QVERIFY(QFileInfo(data + QStringLiteral("/Quillmere/windows/system32")).isDir());
    QCOMPARE(programFilesFolder(), m_home.path() + QStringLiteral("/Applications"));

    Shortcut shortcut { data + QStringLiteral("/applications/Quillmere.lnk"),
        QStringLiteral("/absent/Quillmere.pdf"), QStringLiteral("/absent"), 4, QString() };
    QVERIFY(platform.createShortcut(shortcut));
    const QString file = data + QStringLiteral("/applications/Quillmere.desktop");
    QVERIFY(readAll(file).contains("Type=Link\n"));
    QVERIFY(QFileInfo(file).isExecutable());
    QVERIFY(!QFileInfo::exists(shortcut.linkPath));
    shortcut.linkPath = m_home.path() + QStringLiteral("/absent/Quillmere.lnk");
    QVERIFY(!platform.createShortcut(shortcut));
}

void TstSystemPlatform::copyReplaces()
{
    QTemporaryDir dir;
    SystemPlatform platform;
    const QString source = dir.filePath(QStringLiteral("QM0.dat"));
    const QString target = dir.filePath(QStringLiteral("Quillmere"));
    write(source, "new program");
    QFile::setPermissions(source, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QDateTime built(QDate(2021, 6, 10), QTime(9, 30));
    {
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(built, QFileDevice::FileModificationTime));
    }
    write(target, "older program, still running");

    QVERIFY(platform.copyFile(source, target));
    QCOMPARE(readAll(target), QByteArray("new program"));
    QVERIFY(QFileInfo(target).isExecutable());
    QCOMPARE(platform.lastModified(target), built);
    QVERIFY(!QFileInfo::exists(target + QStringLiteral(".part")));
    QVERIFY(platform.fileExists(target));
    QVERIFY(!platform.fileExists(dir.path()));
    write(dir.filePath(QStringLiteral(".hidden")), "x");
    QVERIFY(!platform.fileExists(dir.filePath(QStringLiteral(".hidden"))));
}

void TstSystemPlatform::copyFailures()
{
    QTemporaryDir dir;
    SystemPlatform platform;
    const QString source = dir.filePath(QStringLiteral("QM0.dat"));
    write(source, "program");
    QVERIFY(!platform.copyFile(source, dir.filePath(QStringLiteral("absent/Quillmere"))));
    QVERIFY(!platform.copyFile(
        dir.filePath(QStringLiteral("nothing")), dir.filePath(QStringLiteral("x"))));
    QVERIFY(QDir().mkdir(dir.filePath(QStringLiteral("folder"))));
    QVERIFY(!platform.copyFile(source, dir.filePath(QStringLiteral("folder"))));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("folder"))).isDir());
    QVERIFY(!platform.createFolder(dir.filePath(QStringLiteral("a/b"))));
    QVERIFY(platform.createFolder(dir.filePath(QStringLiteral("a"))));
    QVERIFY(platform.folderExists(dir.filePath(QStringLiteral("a"))));
}

QTEST_MAIN(TstSystemPlatform)
#include "tst_system_platform.moc"
