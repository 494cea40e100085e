#include "rig.h"
#include "tests/support/locale.h"

#include "installer/platform/system_platform.h"
#include "installer/uninstaller/uninstall_plan.h"

#include <QTest>

using namespace qm::install;
using namespace qm::install::test;

namespace {

struct Installed;
// Changes an installed tree before the uninstaller runs.
using Plant = std::function<void(Installed &)>;

// An installed tree for the uninstaller: what the installer writes, and the user's own files.
const QStringList kProductFiles { "app/Quillmere", "app/Quillmere.pdf", "app/Quillmere-en.pdf",
    "app/Quillmere.manifest", "app/Uninstall", "app/QMStat", "app/QMStat.manifest",
    "app/uninstall.dat", "app/Quillmere.lock", "app/Quillmere.png", "desk/Quillmere.desktop",
    "menu/Quillmere/Quillmere.desktop", "menu/Quillmere/QMStat.desktop",
    "menu/Quillmere/Aide.desktop", "menu/Quillmere/Uninstall.desktop", "auto/Quillmere.desktop" };
const QStringList kUserFiles { "app/Quillmere.log", "app/Quillmere.ini", "app/Quillmere.day",
    "app/Quillmere.closing" };

struct Installed
{
    Installed()
    {
        for (const QString &name :
            kProductFiles + kUserFiles + QStringList { "desk/Other.desktop" })
            touch(name);
    }
    QString path(const QString &relative) const { return dir.path() + u'/' + relative; }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    // A desktop entry is made as the installer makes it, for the installation in `app`.
    bool touch(const QString &relative, const QString &installation = QStringLiteral("app")) const
    {
        const QByteArray bytes = relative.endsWith(u".desktop")
            ? "[Desktop Entry]\nType=Application\nX-Quillmere-Installation="
                + path(installation).toUtf8() + '\n'
            : QByteArray("x");
        return QDir().mkpath(QFileInfo(path(relative)).path()) && writeBytes(path(relative), bytes);
    }
    UninstallResult uninstall(bool removeUserFiles) const
    {
        return carryOut(platform, planUninstall(platform, path("app"), data), removeUserFiles);
    }

    mutable SystemPlatform platform;
    QTemporaryDir dir;
    UninstallData data { "Quillmere", path("app"), path("desk"), path("menu/Quillmere"),
        path("auto") };
};

} // namespace

Q_DECLARE_METATYPE(Plant)

class UninstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void removal_data()
    {
        QTest::addColumn<bool>("removeUserFiles");
        QTest::addColumn<bool>("foreignFiles");
        QTest::newRow("journal kept by default") << false << false;
        QTest::newRow("journal removed on request") << true << false;
        QTest::newRow("files of others kept") << true << true;
    }

    void removal()
    {
        QFETCH(bool, removeUserFiles);
        QFETCH(bool, foreignFiles);

        Installed installed;
        const QStringList foreign { "menu/Quillmere/Notes.desktop", "app/mes notes.txt" };
        for (const QString &name : foreign)
            QVERIFY(!foreignFiles || installed.touch(name));
        const UninstallPlan plan
            = planUninstall(installed.platform, installed.path("app"), installed.data);
        const bool folderRemoved = removesInstallFolder(installed.platform, plan, removeUserFiles);
        const bool groupRemoved = removesProgramGroup(installed.platform, plan);
        const UninstallResult result = carryOut(installed.platform, plan, removeUserFiles);

        QVERIFY2(result.failed.isEmpty(), qPrintable(result.failed.join(u' ')));
        QCOMPARE(folderRemoved, !installed.exists("app"));
        QCOMPARE(groupRemoved, !installed.exists("menu/Quillmere"));
        for (const QString &name : kProductFiles)
            QVERIFY2(!installed.exists(name), qPrintable(name));
        for (const QString &name : kUserFiles)
            QCOMPARE(installed.exists(name), !removeUserFiles);
        for (const QString &name : foreign)
            QCOMPARE(installed.exists(name), foreignFiles);
        QVERIFY(installed.exists("desk/Other.desktop"));
        QVERIFY(installed.exists("menu"));
        QCOMPARE(installed.exists("menu/Quillmere"), foreignFiles);
        QCOMPARE(installed.exists("app"), !removeUserFiles || foreignFiles);
    }

    void othersShortcutsAreKept_data()
    {
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("removed");

        const QString desk = QStringLiteral("desk/Quillmere.desktop");
        const QString startup = QStringLiteral("auto/Quillmere.desktop");
        const QStringList group { "menu/Quillmere/Quillmere.desktop",
            "menu/Quillmere/QMStat.desktop", "menu/Quillmere/Aide.desktop",
            "menu/Quillmere/Uninstall.desktop" };
        QTest::newRow("the user's own entry on the desktop") << Plant([=](Installed &tree) {
            writeBytes(tree.path(desk),
                "[Desktop Entry]\nType=Application\nName=Quillmere\nExec=/usr/bin/true\n");
        }) << QStringList { desk } << group + QStringList { startup };
        QTest::newRow("a second installation's entries") << Plant([=](Installed &tree) {
            for (const QString &name : group.mid(0, 2) + QStringList { startup })
                tree.touch(name, QStringLiteral("other/Quillmere"));
        }) << group.mid(0, 2) + QStringList { startup } << QStringList { desk } + group.mid(2);
        QTest::newRow("the key outside the entry's group") << Plant([=](Installed &tree) {
            writeBytes(tree.path(startup),
                "[Desktop Entry]\nType=Application\n[X-Other]\nX-Quillmere-Installation="
                    + tree.path("app").toUtf8() + '\n');
        }) << QStringList { startup } << group + QStringList { desk };
        QTest::newRow("a link at a shortcut's place") << Plant([=](Installed &tree) {
            tree.touch("elsewhere/Quillmere.desktop");
            QFile::remove(tree.path(desk));
            QFile::link(tree.path("elsewhere/Quillmere.desktop"), tree.path(desk));
        }) << QStringList { desk } << group + QStringList { startup };
        // The data's folders in the home folder, where the user keeps entries of the same names
        // and an empty folder named like the group; the same file named twice is listed once.
        const auto writeOwnEntries = [](Installed &tree) {
            for (const char *name : { "Quillmere", "Aide", "Uninstall" })
                writeBytes(tree.path(QStringLiteral("home/%1.desktop").arg(name)),
                    "[Desktop Entry]\nName=mine\n");
        };
        QTest::newRow("edited data naming the home folder") << Plant([=](Installed &tree) {
            writeOwnEntries(tree);
            QDir().mkpath(tree.path("home/Quillmere"));
            tree.data.desktopFolder = tree.data.startupFolder = tree.path("home");
            tree.data.programsFolder = tree.path("home/Quillmere");
        }) << QStringList { "home/Quillmere.desktop" } << QStringList();
        QTest::newRow("edited data naming the home folder as the group")
            << Plant([=](Installed &tree) {
                   writeOwnEntries(tree);
                   tree.data.programsFolder = tree.path("home");
               })
            << QStringList { "home/Quillmere.desktop", "home/Aide.desktop",
                   "home/Uninstall.desktop" }
            << QStringList { "desk/Quillmere.desktop", "auto/Quillmere.desktop" };
        // An entry of this installation where a relative or empty folder would be read from,
        // wherever the uninstaller happens to run, and a group folder not named like ours.
        QTest::newRow("folders undetermined") << Plant([](Installed &tree) {
            tree.touch("home/Quillmere.desktop");
            QDir().mkpath(tree.path("home/Autres"));
            tree.data.desktopFolder.clear();
            tree.data.programsFolder = tree.path("home/Autres");
            tree.data.startupFolder = QStringLiteral(".");
        }) << QStringList() << QStringList();
    }

    // A shortcut goes only when it is a plain file made for this very installation; any other
    // under the same name is kept, untouched, and reported.
    void othersShortcutsAreKept()
    {
        QFETCH(Plant, plant);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, removed);

        Installed tree;
        QVERIFY(QDir(tree.dir.path()).mkdir("home"));
        plant(tree);
        const QMap<QString, QByteArray> home = snapshot(tree.path("home"));
        QHash<QString, QByteArray> before;
        for (const QString &name : kept)
            before[name] = readBytes(tree.path(name));
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tree.path("home")));
        const UninstallResult result = tree.uninstall(false);
        QDir::setCurrent(current);

        QVERIFY2(result.failed.isEmpty(), qPrintable(result.failed.join(u' ')));
        QStringList reported;
        for (const QString &file : result.kept)
            reported.append(QDir(tree.dir.path()).relativeFilePath(file));
        QCOMPARE(reported, kept);
        for (const QString &name : kept) {
            QVERIFY2(QFileInfo(tree.path(name)).isSymLink() || tree.exists(name), qPrintable(name));
            QCOMPARE(readBytes(tree.path(name)), before.value(name));
        }
        for (const QString &name : removed)
            QVERIFY2(!tree.exists(name), qPrintable(name));
        QCOMPARE(snapshot(tree.path("home")), home);
    }
};

QTEST_GUILESS_MAIN(UninstallTest)
#include "uninstall_test.moc"
