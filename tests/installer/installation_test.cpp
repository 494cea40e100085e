#include "rig.h"
#include "tests/support/locale.h"

#include "installer/core/folder_list.h"
#include "installer/core/installation_run.h"
#include "installer/core/log_sink.h"
#include "installer/core/start_up.h"

#include <QTest>

using namespace qm::install;
using namespace qm::install::test;

namespace {

// One installation in a fresh tree: the payload in the release folder, the installation folder
// under the tree's programs folder, the registering program in system32.
struct Rig
{
    Rig()
    {
        platform.writePayload();
        writeBytes(component("regsvr32.exe"), "x");
        state = prepareInstallState(platform, platform.programFiles() + u'/');
    }
    FinishButton run()
    {
        return InstallationRun(platform, questions, log, payload, state).runInstallation(choice);
    }
    QString installed(const QString &name) const { return state.installPath + u'/' + name; }
    QString component(const QString &name) const { return platform.system32() + u'/' + name; }

    FakePlatform platform;
    AnsweringQuestions questions;
    TextLog log;
    PayloadTable payload = standardPayload();
    InstallState state;
    ShortcutChoice choice;
};

using Setup = std::function<void(Rig &)>;

// The program files in the order the run copies them, and the release files they come from.
const QStringList kProgramFiles { "Quillmere", "Quillmere.pdf", "Quillmere.manifest", "Uninstall",
    "QMStat", "QMStat.manifest", "Quillmere-en.pdf" };
const QStringList kSources { "QM0.dat", "Quillmere.pdf", "QM1.dat", "QM2.dat", "QM3.dat", "QM4.dat",
    "Quillmere-en.pdf" };

} // namespace

Q_DECLARE_METATYPE(Setup)

class InstallationTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void runs_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("log"); // the data folder's file of the whole log
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("programFiles");
        QTest::addColumn<int>("registrations");
        QTest::addColumn<bool>("uninstallData");
        QTest::addColumn<QStringList>("links");

        const QString missing
            = QStringLiteral("    Certains fichiers sont absents - voir le log    ");
        const QString copy = QStringLiteral("    Erreur pendant la copie - voir le log    ");
        const QString write = QStringLiteral("    Erreur pendant l'écriture - voir le log    ");
        const QStringList group { "Programs/Quillmere/Quillmere.lnk",
            "Programs/Quillmere/QMStat.lnk", "Programs/Quillmere/Aide.lnk",
            "Programs/Quillmere/Uninstall.lnk" };
        const QStringList ticked = group + QStringList { "Startup/Quillmere.lnk" };
        const QStringList none;

        const auto row = [](const char *name, const char *log, const QString &message,
                             int programFiles, int registrations, bool uninstallData,
                             const QStringList &links, const Setup &setup) {
            QTest::newRow(name) << setup << QString(log) << message << programFiles << registrations
                                << uninstallData << links;
        };
        const auto succeeds
            = [&row](const char *name, const QStringList &links, const Setup &setup) {
                  row(name, "successful_run.log", QString(), 7, 3, true, links, setup);
              };
        succeeds("clean machine", ticked, Setup());
        row("Quillmere left running", "run_tracker_running.log",
            QStringLiteral("    Quillmere est en cours d'exécution - voir le log    "), 0, 0, false,
            none, [](Rig &rig) { rig.platform.trackerRunningChecks = 100; });
        row("two payload files missing", "run_files_missing.log", missing, 0, 0, false, none,
            [](Rig &rig) {
                QFile::remove(rig.platform.source() + QStringLiteral("/Quillmere.pdf"));
                QFile::remove(rig.platform.source() + QStringLiteral("/QM2.dat"));
            });
        row("installation folder cannot be created", "run_copy_failed.log", copy, 0, 3, false, none,
            [](Rig &rig) { rig.state.installPath = rig.platform.path("absent/Quillmere"); });
        row("relative installation folder", "run_copy_failed.log", copy, 0, 3, false, none,
            [](Rig &rig) { rig.state.installPath = QStringLiteral("Quillmere"); });
        row("absent component cannot be placed", "run_component_not_placed.log", QString(), 7, 2,
            true, ticked,
            [](Rig &rig) { rig.platform.failingTargets.insert(rig.component("MSFLXGRD.OCX")); });
        row("forced component in use", "run_component_in_use.log", copy, 0, 0, false, none,
            [](Rig &rig) {
                const QString installed = rig.component("MSFLXGRD.OCX");
                writeBytes(installed, "old");
                rig.platform.dates[installed] = QDateTime(QDate(2019, 3, 1), QTime(8, 0));
                rig.platform.failingTargets.insert(installed);
            });
        row("program file in use", "run_program_in_use.log", copy, 4, 3, false, none,
            [](Rig &rig) { rig.platform.failingTargets.insert(rig.installed("QMStat")); });
        row("uninstall data cannot be written", "run_no_uninstall_data.log", write, 7, 3, false,
            ticked, [](Rig &rig) {
                rig.platform.failingTargets.insert(rig.installed(kUninstallDataFileName));
            });
        // The others are still made, and the uninstall data names them all.
        row("shortcut cannot be written", "run_no_shortcut.log", write, 7, 3, true, ticked,
            [](Rig &rig) {
                rig.platform.failingTargets.insert(
                    rig.platform.path("home/Programs/Quillmere/QMStat.lnk"));
            });
        succeeds("shell folders unknown", none, [](Rig &rig) {
            rig.choice = { true, true, true };
            rig.platform.special.clear();
        });
    }

    void runs()
    {
        QFETCH(Setup, setup);
        QFETCH(QString, log);
        QFETCH(QString, message);
        QFETCH(int, programFiles);
        QFETCH(int, registrations);
        QFETCH(bool, uninstallData);

        Rig rig;
        if (setup)
            setup(rig);
        const QMap<QString, QByteArray> before = snapshot(rig.platform.root.path(), QDir::Files);
        const FinishButton finish = rig.run();

        QCOMPARE(QString(rig.log.text()).replace(rig.platform.root.path(), "<root>").toUtf8(),
            readBytes(QFINDTESTDATA("../data/installer/" + log)));
        QVERIFY(finish.enabled);
        QCOMPARE(finish.caption, QString(message.isEmpty() ? "Suivant >" : "Fermer"));
        QCOMPARE(rig.questions.errors,
            message.isEmpty() ? QStringList()
                              : QStringList { QStringLiteral("Erreur|") + message });
        for (qsizetype i = 0; i < kProgramFiles.size(); ++i)
            QVERIFY2((readBytes(rig.installed(kProgramFiles[i])) == kSources[i].toUtf8())
                    == (i < programFiles),
                qPrintable(kProgramFiles[i]));
        QCOMPARE(rig.platform.started.size(), registrations);
        QCOMPARE(rig.questions.asked,
            QString(QTest::currentDataTag()).startsWith("Quillmere")
                ? QStringList { "Quillmere|Quillmere est en cours d'exécution : quittez-le avant "
                                "de continuer.\n\nRéessayer ?" }
                : QStringList());
        const QMap<QString, QByteArray> after = snapshot(rig.platform.root.path(), QDir::Files);
        if (programFiles == 0 && registrations == 0)
            QCOMPARE(after, before);
        // Nothing is written outside the installation, system and shell folders.
        const QStringList allowed { "programs/Quillmere/", "windows/system32/", "home/Desktop/",
            "home/Programs/", "home/Startup/" };
        for (const QString &file : after.keys()) {
            const bool inside = std::any_of(allowed.begin(), allowed.end(),
                [&file](const QString &place) { return file.startsWith(place); });
            QVERIFY2(inside || before.contains(file), qPrintable(file));
        }
        for (const QString &target : std::as_const(rig.platform.copyTargets))
            QVERIFY2(target.startsWith(rig.platform.root.path() + u'/'), qPrintable(target));

        // The shortcuts point into the folder, whatever separators it was typed with.
        QString folder = rig.state.installPath;
        while (folder.endsWith(u'/'))
            folder.chop(1);
        const QHash<QString, QString> targets { { "Aide.lnk", rig.state.helpFile },
            { "Uninstall.lnk", "Uninstall" }, { "QMStat.lnk", "QMStat" } };
        QStringList made;
        for (const Shortcut &shortcut : std::as_const(rig.platform.shortcuts)) {
            made.append(QDir(rig.platform.path("home")).relativeFilePath(shortcut.linkPath));
            const QString link = QFileInfo(shortcut.linkPath).fileName();
            const QString target = folder + u'/' + targets.value(link, "Quillmere");
            QCOMPARE(shortcut.targetPath, target);
            QCOMPARE(shortcut.workingDirectory, folder);
            QCOMPARE(shortcut.iconLocation, target + QStringLiteral(", 0"));
        }
        QTEST(made, "links");
        const QString group = rig.platform.path("home/Programs/Quillmere");
        QCOMPARE(QFileInfo(group).isDir(), made.contains("Programs/Quillmere/Quillmere.lnk"));
        // Written whole each time, never added to an earlier file: the folder as it was typed,
        // and every shortcut folder, ticked or not, for the uninstaller.
        const QStringList folders = rig.platform.special.isEmpty()
            ? QStringList { QString(), QString(), QString() }
            : QStringList { rig.platform.path("home/Desktop"), group,
                  rig.platform.path("home/Startup") };
        QCOMPARE(readBytes(rig.installed(kUninstallDataFileName)),
            uninstallData ? (QStringList { "Quillmere", rig.state.installPath } + folders
                + QStringList { QString() })
                                .join(QStringLiteral("\r\n"))
                                .toUtf8()
                          : QByteArray());
        if (!setup) {
            QCOMPARE(
                rig.installed("Quillmere"), rig.platform.programFiles() + "/Quillmere/Quillmere");
            QCOMPARE(readBytes(rig.component("RICHTX32.OCX")), QByteArray("RICHTX32.OCX"));
        }
    }

    void componentDates_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDateTime>("installedDate");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<bool>("replaced");

        // Every component is shipped dated 10 June 2021, 9:30.
        const QString same = QStringLiteral(" : existe déja sur votre système");
        const QString updated = QStringLiteral(" : une version antérieure a été mise à jour");
        QTest::newRow("newer installed")
            << "MSFLXGRD.OCX" << QDateTime(QDate(2022, 1, 1), QTime(0, 0)) << same << false;
        QTest::newRow("older forced, the day before")
            << "MSFLXGRD.OCX" << QDateTime(QDate(2021, 6, 9), QTime(23, 59)) << updated << true;
        QTest::newRow("older with empty mode")
            << "MSSTDFMT.DLL" << QDateTime(QDate(2018, 2, 2), QTime(10, 0))
            << QStringLiteral(" : une version antérieure existe sur votre système") << false;
    }

    void componentDates()
    {
        QFETCH(QString, name);
        QFETCH(QDateTime, installedDate);
        QFETCH(QString, outcome);
        QFETCH(bool, replaced);

        Rig rig;
        writeBytes(rig.component(name), "installed");
        rig.platform.dates[rig.component(name)] = installedDate;
        rig.platform.dates[rig.platform.source() + u'/' + name]
            = QDateTime(QDate(2021, 6, 10), QTime(9, 30));
        rig.run();

        QVERIFY2(rig.log.text().contains(QStringLiteral("\r\n  - ") + name + outcome + u'\r'),
            qPrintable(rig.log.text()));
        QCOMPARE(
            readBytes(rig.component(name)), replaced ? name.toUtf8() : QByteArray("installed"));
        QCOMPARE(rig.platform.started.contains(rig.platform.system32()
                     + QStringLiteral("/regsvr32 /s ") + rig.component(name)),
            replaced);
    }

    void uninstallDataReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("rewritten"); // the values written again give the same bytes

        QTest::newRow("as written")
            << readBytes(QFINDTESTDATA("../data/installer/uninstall.dat"))
            << QStringList { "Quillmere", "/home/zoé/Applications/Quillmere", "/home/zoé/Bureau",
                   "/home/zoé/.local/share/applications/Quillmere", "/home/zoé/.config/autostart" }
            << true;
        // The writer ends lines with CR LF only; anything else is part of a value.
        QTest::newRow("line breaks inside a folder")
            << formatUninstallData({ "Quillmere", "/home/a\nb", "/d\r", "/p\r\r", "/s" })
            << QStringList { "Quillmere", "/home/a\nb", "/d\r", "/p\r\r", "/s" } << true;
        QTest::newRow("short file") << QByteArray("Quillmere\r\n/opt/Q")
                                    << QStringList { "Quillmere", "/opt/Q", "", "", "" } << false;
        QTest::newRow("Windows-1252 name")
            << QByteArray("Quillmere\r\n/home/zo\xe9\r\n\x80\r\n")
            << QStringList { "Quillmere", "/home/zoé", "€", "", "" } << false;
        QTest::newRow("empty file") << QByteArray() << QStringList() << false;
        QTest::newRow("huge file") << QByteArray(200 * 1024, 'a') << QStringList() << false;
    }

    void uninstallDataReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, values);

        QTemporaryDir dir;
        const QString path = dir.filePath(kUninstallDataFileName);
        QVERIFY(writeBytes(path, bytes));
        const auto data = readUninstallData(path);
        const QStringList read = data ? QStringList { data->productName, data->installPath,
            data->desktopFolder, data->programsFolder, data->startupFolder }
                                      : QStringList();
        QCOMPARE(read, values);
        QTEST(data && formatUninstallData(*data) == bytes, "rewritten");
    }

    void folders()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("b/inner"));
        QVERIFY(QDir(dir.path()).mkpath("A"));
        QVERIFY(writeBytes(dir.filePath("file.txt"), "x"));

        FakePlatform platform;
        FolderList list(platform, dir.path());
        QCOMPARE(list.entries().first(), QStringLiteral("/"));
        QCOMPARE(list.entries().mid(list.currentIndex()),
            QStringList({ dir.path(), dir.filePath("A"), dir.filePath("b") }));
        QVERIFY(!list.setCurrentFolder(dir.filePath("file.txt")));
        QVERIFY(!list.setCurrentFolder(dir.filePath("absent")));
        QCOMPARE(list.currentFolder(), dir.path());
        QVERIFY(list.setCurrentFolder(dir.filePath("b")));
        QCOMPARE(list.entries().mid(list.currentIndex()),
            QStringList({ dir.filePath("b"), dir.filePath("b/inner") }));
        QVERIFY(list.setCurrentFolder("/"));
        QCOMPARE(list.currentIndex(), 0);
        QVERIFY(list.entries().size() > 1);
        QVERIFY(!list.entries().at(1).startsWith("//"));
        // The drive a folder is on is the longest mount point it lies within.
        const QStringList drives { "/", "/home", "/media/cle" };
        QCOMPARE(driveOf("/opt/x", drives), QStringLiteral("/"));
        QCOMPARE(driveOf("/home/zoé", drives), QStringLiteral("/home"));
        QCOMPARE(driveOf("/media/cle", drives), QStringLiteral("/media/cle"));
        QCOMPARE(driveOf("/homework", drives), QStringLiteral("/"));
    }
};

QTEST_GUILESS_MAIN(InstallationTest)
#include "installation_test.moc"
