#include "rig.h"
#include "tests/support/locale.h"

#include "installer/uninstaller/uninstall_plan.h"

#include <QTest>

using namespace qm::install;
using namespace qm::install::test;

namespace {

// Changes an installed tree before the uninstaller runs.
using Plant = std::function<void(Installed &)>;

} // namespace

Q_DECLARE_METATYPE(Plant)

class UninstallTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void removal_data()
    {
        QTest::addColumn<Plant>("plant");
        QTest::addColumn<bool>("removeUserFiles");
        QTest::addColumn<QStringList>("kept"); // reported
        QTest::addColumn<QStringList>("left"); // neither removed nor reported

        const QString desk = QStringLiteral("desk/Quillmere.desktop");
        const QString startup = QStringLiteral("auto/Quillmere.desktop");
        const QStringList group { "menu/Quillmere/Quillmere.desktop",
            "menu/Quillmere/QMStat.desktop", "menu/Quillmere/Aide.desktop",
            "menu/Quillmere/Uninstall.desktop" };
        const QStringList shortcuts = QStringList { desk } + group + QStringList { startup };
        const QStringList none;
        QTest::newRow("journal kept by default") << Plant() << false << none << none;
        QTest::newRow("journal removed on request") << Plant() << true << none << none;
        const QStringList foreign { "menu/Quillmere/Notes.desktop", "app/mes notes.txt" };
        QTest::newRow("files of others kept") << Plant([=](Installed &tree) {
            for (const QString &name : foreign)
                QVERIFY(tree.touch(name));
        }) << true << none << foreign;
        // A shortcut goes only when it is a plain file made for this very installation; any
        // other under the same name is kept, untouched, and reported.
        QTest::newRow("the user's own entry on the desktop") << Plant([=](Installed &tree) {
            writeBytes(tree.path(desk),
                "[Desktop Entry]\nType=Application\nName=Quillmere\nExec=/usr/bin/true\n");
        }) << false << QStringList { desk } << none;
        QTest::newRow("a second installation's entries") << Plant([=](Installed &tree) {
            for (const QString &name : group.mid(0, 2) + QStringList { startup })
                tree.touch(name, QStringLiteral("other/Quillmere"));
        }) << false << group.mid(0, 2) + QStringList { startup }
                                                         << none;
        QTest::newRow("the key outside the entry's group") << Plant([=](Installed &tree) {
            writeBytes(tree.path(startup),
                "[Desktop Entry]\nType=Application\n[X-Other]\nX-Quillmere-Installation="
                    + tree.path("app").toUtf8() + '\n');
        }) << false << QStringList { startup } << none;
        QTest::newRow("a link at a shortcut's place") << Plant([=](Installed &tree) {
            tree.touch("elsewhere/Quillmere.desktop");
            QFile::remove(tree.path(desk));
            QFile::link(tree.path("elsewhere/Quillmere.desktop"), tree.path(desk));
        }) << false << QStringList { desk } << none;
        // The data's folders in the home folder, where the user keeps an entry of the same name
        // and an empty folder named like the group; the same file named twice is listed once.
        QTest::newRow("edited data naming the home folder") << Plant([=](Installed &tree) {
            writeBytes(tree.path("home/Quillmere.desktop"), "[Desktop Entry]\nName=mine\n");
            QDir().mkpath(tree.path("home/Quillmere"));
            tree.data.desktopFolder = tree.data.startupFolder = tree.path("home");
            tree.data.programsFolder = tree.path("home/Quillmere");
        }) << false << QStringList { "home/Quillmere.desktop" }
                                                            << shortcuts;
        // An entry of this installation where a relative or empty folder would be read from,
        // wherever the uninstaller happens to run, and a group folder not named like ours.
        QTest::newRow("folders undetermined") << Plant([](Installed &tree) {
            tree.touch("home/Quillmere.desktop");
            QDir().mkpath(tree.path("home/Autres"));
            tree.data.desktopFolder.clear();
            tree.data.programsFolder = tree.path("home/Autres");
            tree.data.startupFolder = QStringLiteral(".");
        }) << false << none << shortcuts;
    }

    // What goes is what the plan said would go; a folder goes once nothing is left in it.
    void removal()
    {
        QFETCH(Plant, plant);
        QFETCH(bool, removeUserFiles);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, left);

        Installed tree;
        QVERIFY(QDir(tree.dir.path()).mkdir("home"));
        if (plant)
            plant(tree);
        const QMap<QString, QByteArray> home = snapshot(tree.path("home"));
        QHash<QString, QByteArray> before;
        for (const QString &name : kept)
            before[name] = readBytes(tree.path(name));
        const QString current = QDir::currentPath();
        QVERIFY(QDir::setCurrent(tree.path("home")));
        const UninstallPlan plan = planUninstall(tree.platform, tree.path("app"), tree.data);
        const bool folderRemoved = removesInstallFolder(tree.platform, plan, removeUserFiles);
        const bool groupRemoved = removesProgramGroup(tree.platform, plan);
        const UninstallResult result = carryOut(tree.platform, plan, removeUserFiles);
        QDir::setCurrent(current);

        QVERIFY2(result.failed.isEmpty(), qPrintable(result.failed.join(u' ')));
        QStringList reported;
        for (const QString &file : result.kept)
            reported.append(QDir(tree.dir.path()).relativeFilePath(file));
        QCOMPARE(reported, kept);
        for (const QString &name : kept)
            QCOMPARE(readBytes(tree.path(name)), before.value(name));
        const QStringList stays = kept + left + (removeUserFiles ? QStringList() : kUserFiles);
        for (const QString &name : kProductFiles + kUserFiles + left)
            QVERIFY2(tree.exists(name) == stays.contains(name), qPrintable(name));
        for (const QString &folder : { QStringLiteral("app"), QStringLiteral("menu/Quillmere") }) {
            const bool holdsSome = std::any_of(stays.begin(), stays.end(),
                [&folder](const QString &name) { return name.startsWith(folder + u'/'); });
            QVERIFY2(tree.exists(folder) == holdsSome, qPrintable(folder));
        }
        QCOMPARE(folderRemoved, !tree.exists("app"));
        QCOMPARE(groupRemoved, !tree.exists("menu/Quillmere"));
        QVERIFY(tree.exists("desk/Other.desktop") && tree.exists("menu"));
        QCOMPARE(snapshot(tree.path("home")), home);
    }
};

QTEST_GUILESS_MAIN(UninstallTest)
#include "uninstall_test.moc"
