#include "fake_platform.h"

#include "installer/core/installation_run.h"
#include "installer/core/log_sink.h"
#include "installer/core/start_up.h"
#include "installer/core/uninstall_data.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

using namespace qmi;

namespace {

const QString kInUse = QStringLiteral(" : ERREUR, fichier existant et utilisé");
const QString kCopyMessage = QStringLiteral("    Erreur pendant la copie - voir le log    ");
const QString kMissingMessage
    = QStringLiteral("    Certains fichiers sont absents - voir le log    ");

enum class Setup {
    MissingTwoFiles,
    FolderNotCreatable,
    RelativeFolder,
    AbsentComponentCopyFails,
    ForcedReplacementFails,
    NoRegistrationProgram,
    ProgramFileCopyFails,
    ShellUnavailable,
    UninstallDataUnwritable,
};

// One installation in a fresh tree: the payload in the release folder, the installation folder
// under the tree's programs folder, the registering program in system32.
struct Rig
{
    Rig()
    {
        platform.writePayload();
        platform.writeFile(platform.system32() + QStringLiteral("/regsvr32.exe"));
        state = prepareInstallState(platform, platform.programFiles() + u'/');
    }

    FinishButton run(const ShortcutChoice &choice = ShortcutChoice())
    {
        InstallationRun installation(platform, log, payload, state);
        return installation.RunInstallation(choice);
    }

    QString installed(const QString &name) const { return state.InstallPath + u'/' + name; }
    QString component(const QString &name) const { return platform.system32() + u'/' + name; }

    FakePlatform platform;
    TextLog log;
    PayloadTable payload = standardPayload();
    InstallState state;
};

QString registration(const Rig &rig, const QString &name)
{
    return rig.platform.system32() + QStringLiteral("/regsvr32 /s ") + rig.component(name);
}

} // namespace

class TstInstallationRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void startValues();
    void successfulRunLogsEveryStep();
    void failures_data();
    void failures();
    void componentDates_data();
    void componentDates();
    void shortcuts_data();
    void shortcuts();
    void secondInstallReplacesFiles();
    void writesOnlyInsideItsFolders();
};

void TstInstallationRun::startValues()
{
    FakePlatform platform;
    platform.m_windowsFolder = platform.windows() + QStringLiteral("//");
    const InstallState state = prepareInstallState(platform, QStringLiteral("/opt/"));
    QCOMPARE(state.InstallPath, QStringLiteral("/opt/Quillmere"));
    QCOMPARE(state.WinDir, platform.windows());
    QCOMPARE(state.SourceDir, platform.sourceFolder());
    QCOMPARE(prepareInstallState(platform, QStringLiteral("/")).InstallPath,
        QStringLiteral("/Quillmere"));
}

void TstInstallationRun::successfulRunLogsEveryStep()
{
    Rig rig;
    const FinishButton finish = rig.run();

    QFile golden(QFINDTESTDATA("../data/installer/successful_run.log"));
    QVERIFY(golden.open(QIODevice::ReadOnly));
    QCOMPARE(rig.log.text().toUtf8(), golden.readAll());
    QCOMPARE(finish.caption, QStringLiteral("Suivant >"));
    QVERIFY(finish.enabled);
    QVERIFY(rig.platform.errors.isEmpty());
    QCOMPARE(rig.platform.started,
        QStringList({ registration(rig, QStringLiteral("MSFLXGRD.OCX")),
            registration(rig, QStringLiteral("RICHTX32.OCX")),
            registration(rig, QStringLiteral("MSSTDFMT.DLL")) }));
    const QList<QPair<QString, QString>> files = { { QStringLiteral("QM0.dat"), exeName() },
        { QStringLiteral("Quillmere.pdf"), QStringLiteral("Quillmere.pdf") },
        { QStringLiteral("QM1.dat"), exeName() + QStringLiteral(".manifest") },
        { QStringLiteral("QM2.dat"), uninstallExeName() },
        { QStringLiteral("QM3.dat"), QStringLiteral("QMStat") },
        { QStringLiteral("QM4.dat"), QStringLiteral("QMStat.manifest") } };
    for (const auto &[source, target] : files)
        QCOMPARE(FakePlatform::fileContent(rig.installed(target)), source.toUtf8());
    QCOMPARE(FakePlatform::fileContent(rig.component(QStringLiteral("RICHTX32.OCX"))),
        QByteArray("RICHTX32.OCX"));
    QVERIFY(QFileInfo::exists(rig.installed(QStringLiteral("uninstall.dat"))));
}

void TstInstallationRun::failures_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("logEnd");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("uninstallData");
    QTest::addColumn<int>("registrations");

    QTest::newRow("two payload files missing")
        << Setup::MissingTwoFiles
        << QStringLiteral("\r\n\r\nVérification des fichiers nécessaires...\r\n  ERREUR : "
                          "Quillmere.pdf est absent\r\n  ERREUR : QM2.dat est absent")
        << kMissingMessage << false << 0;
    QTest::newRow("installation folder cannot be created")
        << Setup::FolderNotCreatable
        << QStringLiteral("Copie des fichiers...\r\n  - Quillmere") + kInUse << kCopyMessage
        << false << 3;
    QTest::newRow("relative installation folder")
        << Setup::RelativeFolder
        << QStringLiteral("Copie des fichiers...\r\n  - Quillmere") + kInUse << kCopyMessage
        << false << 3;
    QTest::newRow("absent component cannot be placed")
        << Setup::AbsentComponentCopyFails
        << QStringLiteral("Enregistrement des composants...\r\n  - MSFLXGRD.OCX : ERREUR, copie "
                          "impossible\r\n  - RICHTX32.OCX : enregistré")
        << QString() << true << 2;
    QTest::newRow("forced component in use")
        << Setup::ForcedReplacementFails
        << QStringLiteral("Enregistrement des composants...\r\n  - MSFLXGRD.OCX") + kInUse
        << kCopyMessage << false << 0;
    QTest::newRow("no registering program")
        << Setup::NoRegistrationProgram
        << QStringLiteral("  - MSSTDFMT.DLL : enregistré\r\n\r\nCopie des fichiers...  terminé")
        << QString() << true << 0;
    QTest::newRow("program file in use")
        << Setup::ProgramFileCopyFails
        << QStringLiteral("Copie des fichiers...\r\n  - QMStat") + kInUse << kCopyMessage << false
        << 3;
    QTest::newRow("shell folders unavailable")
        << Setup::ShellUnavailable
        << QStringLiteral("Création des raccourcis...  terminé\r\n\r\nINSTALLATION TERMINEE")
        << QString() << true << 3;
    QTest::newRow("uninstall data cannot be written")
        << Setup::UninstallDataUnwritable
        << QStringLiteral("Création des raccourcis...  terminé\r\n\r\nINSTALLATION TERMINEE")
        << QString() << false << 3;
}

void TstInstallationRun::failures()
{
    QFETCH(Setup, setup);
    QFETCH(QString, logEnd);
    QFETCH(QString, message);
    QFETCH(bool, uninstallData);
    QFETCH(int, registrations);

    Rig rig;
    switch (setup) {
    case Setup::MissingTwoFiles:
        QFile::remove(rig.platform.sourceFolder() + QStringLiteral("/Quillmere.pdf"));
        QFile::remove(rig.platform.sourceFolder() + QStringLiteral("/QM2.dat"));
        break;
    case Setup::FolderNotCreatable:
        rig.state.InstallPath = rig.platform.path(QStringLiteral("absent/Quillmere"));
        break;
    case Setup::RelativeFolder:
        rig.state.InstallPath = QStringLiteral("Quillmere");
        break;
    case Setup::AbsentComponentCopyFails:
        rig.platform.failCopyTo(rig.component(QStringLiteral("MSFLXGRD.OCX")));
        break;
    case Setup::ForcedReplacementFails:
        rig.platform.writeFile(rig.component(QStringLiteral("MSFLXGRD.OCX")), "old",
            QDateTime(QDate(2019, 3, 1), QTime(8, 0)));
        rig.platform.failCopyTo(rig.component(QStringLiteral("MSFLXGRD.OCX")));
        break;
    case Setup::NoRegistrationProgram:
        QFile::remove(rig.platform.system32() + QStringLiteral("/regsvr32.exe"));
        break;
    case Setup::ProgramFileCopyFails:
        rig.platform.failCopyTo(rig.installed(QStringLiteral("QMStat")));
        break;
    case Setup::ShellUnavailable:
        for (const char *name : { "Desktop", "Programs", "Startup" })
            rig.platform.setSpecialFolder(QString::fromLatin1(name), QString());
        break;
    case Setup::UninstallDataUnwritable:
        QDir().mkpath(rig.installed(QStringLiteral("uninstall.dat")));
        break;
    }
    const QStringList before = rig.platform.allFiles();
    const FinishButton finish = rig.run();

    QVERIFY2(rig.log.text().endsWith(logEnd) || rig.log.text().contains(logEnd + u'\r'),
        qPrintable(rig.log.text()));
    QVERIFY(finish.enabled);
    if (message.isEmpty()) {
        QVERIFY(rig.platform.errors.isEmpty());
        QCOMPARE(finish.caption, QStringLiteral("Suivant >"));
        QVERIFY(rig.log.text().endsWith(QStringLiteral("\r\n\r\nINSTALLATION TERMINEE")));
    } else {
        QCOMPARE(rig.platform.errors.size(), 1);
        QCOMPARE(rig.platform.errors.first().first, message);
        QCOMPARE(rig.platform.errors.first().second, QStringLiteral("Erreur"));
        QCOMPARE(finish.caption, QStringLiteral("Fermer"));
        QVERIFY(rig.log.text().endsWith(logEnd));
        QVERIFY(rig.platform.shortcuts.isEmpty());
    }
    QCOMPARE(QFileInfo(rig.installed(QStringLiteral("uninstall.dat"))).isFile(), uninstallData);
    QCOMPARE(rig.platform.started.size(), registrations);
    if (setup == Setup::MissingTwoFiles) {
        QCOMPARE(rig.platform.allFiles(), before);
        QVERIFY(!QFileInfo::exists(rig.state.InstallPath));
    }
    if (setup == Setup::AbsentComponentCopyFails)
        QVERIFY(!rig.platform.started.contains(registration(rig, QStringLiteral("MSFLXGRD.OCX"))));
    if (setup == Setup::ProgramFileCopyFails) {
        QVERIFY(QFileInfo::exists(rig.installed(QStringLiteral("Uninstall"))));
        QVERIFY(!QFileInfo::exists(rig.installed(QStringLiteral("QMStat.manifest"))));
    }
    if (setup == Setup::ForcedReplacementFails)
        QVERIFY(!QFileInfo::exists(rig.installed(QStringLiteral("Quillmere"))));
    if (setup == Setup::ShellUnavailable) {
        QVERIFY(rig.platform.shortcuts.isEmpty());
        const auto data = readUninstallData(rig.installed(QStringLiteral("uninstall.dat")));
        QVERIFY(data.has_value());
        QCOMPARE(FakePlatform::fileContent(rig.installed(QStringLiteral("uninstall.dat"))),
            (QStringLiteral("Quillmere\r\n") + rig.state.InstallPath
                + QStringLiteral("\r\n\r\n\r\n\r\n"))
                .toUtf8());
    }
}

void TstInstallationRun::componentDates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDateTime>("installedDate");
    QTest::addColumn<QDateTime>("shippedDate");
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<bool>("replaced");

    const QDateTime shipped(QDate(2021, 6, 10), QTime(9, 30));
    QTest::newRow("same day, earlier time")
        << QStringLiteral("MSFLXGRD.OCX") << QDateTime(QDate(2021, 6, 10), QTime(8, 0)) << shipped
        << QStringLiteral(" : existe déja sur votre système") << false;
    QTest::newRow("same day, later time")
        << QStringLiteral("RICHTX32.OCX") << QDateTime(QDate(2021, 6, 10), QTime(23, 59)) << shipped
        << QStringLiteral(" : existe déja sur votre système") << false;
    QTest::newRow("newer installed")
        << QStringLiteral("MSFLXGRD.OCX") << QDateTime(QDate(2022, 1, 1), QTime(0, 0)) << shipped
        << QStringLiteral(" : existe déja sur votre système") << false;
    QTest::newRow("older forced, a year before")
        << QStringLiteral("RICHTX32.OCX") << QDateTime(QDate(2020, 12, 31), QTime(23, 0)) << shipped
        << QStringLiteral(" : une version antérieure a été mise à jour") << true;
    QTest::newRow("older forced, the day before")
        << QStringLiteral("MSFLXGRD.OCX") << QDateTime(QDate(2021, 6, 9), QTime(23, 59)) << shipped
        << QStringLiteral(" : une version antérieure a été mise à jour") << true;
    QTest::newRow("older with empty mode")
        << QStringLiteral("MSSTDFMT.DLL") << QDateTime(QDate(2018, 2, 2), QTime(10, 0)) << shipped
        << QStringLiteral(" : une version antérieure existe sur votre système") << false;
}

void TstInstallationRun::componentDates()
{
    QFETCH(QString, name);
    QFETCH(QDateTime, installedDate);
    QFETCH(QDateTime, shippedDate);
    QFETCH(QString, outcome);
    QFETCH(bool, replaced);

    Rig rig;
    rig.platform.writeFile(rig.component(name), "installed", installedDate);
    rig.platform.setDate(rig.platform.sourceFolder() + u'/' + name, shippedDate);
    rig.run();

    QVERIFY2(rig.log.text().contains(QStringLiteral("\r\n  - ") + name + outcome + u'\r'),
        qPrintable(rig.log.text()));
    QCOMPARE(FakePlatform::fileContent(rig.component(name)),
        replaced ? name.toUtf8() : QByteArray("installed"));
    QCOMPARE(rig.platform.started.contains(registration(rig, name)), replaced);
    QCOMPARE(rig.platform.started.size(), replaced ? 3 : 2);
}

void TstInstallationRun::shortcuts_data()
{
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("startup");
    QTest::addColumn<bool>("desktop");
    QTest::addColumn<QStringList>("links");

    QTest::newRow("all ticked") << true << true << true
                                << QStringList { "home/Desktop/Quillmere.lnk",
                                       "home/Programs/Quillmere/Quillmere.lnk",
                                       "home/Programs/Quillmere/Aide.lnk",
                                       "home/Programs/Quillmere/Uninstall.lnk",
                                       "home/Startup/Quillmere.lnk" };
    QTest::newRow("defaults") << true << true << false
                              << QStringList { "home/Programs/Quillmere/Quillmere.lnk",
                                     "home/Programs/Quillmere/Aide.lnk",
                                     "home/Programs/Quillmere/Uninstall.lnk",
                                     "home/Startup/Quillmere.lnk" };
    QTest::newRow("desktop only") << false << false << true
                                  << QStringList { "home/Desktop/Quillmere.lnk" };
    QTest::newRow("none ticked") << false << false << false << QStringList();
}

void TstInstallationRun::shortcuts()
{
    QFETCH(bool, start);
    QFETCH(bool, startup);
    QFETCH(bool, desktop);
    QFETCH(QStringList, links);

    Rig rig;
    rig.run(ShortcutChoice { start, startup, desktop });

    QStringList made;
    for (const Shortcut &shortcut : std::as_const(rig.platform.shortcuts)) {
        made.append(QDir(rig.platform.root()).relativeFilePath(shortcut.linkPath));
        const QString target = shortcut.linkPath.endsWith(QStringLiteral("Aide.lnk"))
            ? QStringLiteral("Quillmere.pdf")
            : shortcut.linkPath.endsWith(QStringLiteral("Uninstall.lnk")) ? uninstallExeName()
                                                                          : exeName();
        QCOMPARE(shortcut.targetPath, rig.installed(target));
        QCOMPARE(shortcut.workingDirectory, rig.state.InstallPath);
        QCOMPARE(shortcut.windowStyle, 4);
        QCOMPARE(shortcut.iconLocation, rig.installed(target) + QStringLiteral(", 0"));
    }
    QCOMPARE(made, links);
    const QString group = rig.platform.path(QStringLiteral("home/Programs/Quillmere"));
    QCOMPARE(QFileInfo(group).isDir(), start);
    QCOMPARE(rig.platform.createdFolders.contains(group), start);

    // The file names every folder, ticked or not, for the uninstaller.
    const QByteArray expected = (QStringLiteral("Quillmere\r\n") + rig.state.InstallPath
        + QStringLiteral("\r\n") + rig.platform.path(QStringLiteral("home/Desktop"))
        + QStringLiteral("\r\n") + group + QStringLiteral("\r\n")
        + rig.platform.path(QStringLiteral("home/Startup")) + QStringLiteral("\r\n"))
                                    .toUtf8();
    QCOMPARE(FakePlatform::fileContent(rig.installed(QStringLiteral("uninstall.dat"))), expected);
}

void TstInstallationRun::secondInstallReplacesFiles()
{
    Rig rig;
    QVERIFY(QDir().mkpath(rig.state.InstallPath));
    rig.platform.writeFile(rig.installed(QStringLiteral("uninstall.dat")),
        "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\n");
    rig.platform.writeFile(rig.installed(QStringLiteral("Quillmere")), "newer installed copy",
        QDateTime(QDate(2030, 1, 1), QTime(0, 0)));
    rig.run();
    QVERIFY(!rig.platform.createdFolders.contains(rig.state.InstallPath));

    rig.platform.writeFile(rig.platform.sourceFolder() + QStringLiteral("/QM0.dat"), "second");
    TextLog secondLog;
    InstallationRun second(rig.platform, secondLog, rig.payload, rig.state);
    const FinishButton finish = second.RunInstallation(ShortcutChoice { false, false, false });

    QCOMPARE(finish.caption, QStringLiteral("Suivant >"));
    QCOMPARE(FakePlatform::fileContent(rig.installed(QStringLiteral("Quillmere"))),
        QByteArray("second"));
    const QByteArray data
        = FakePlatform::fileContent(rig.installed(QStringLiteral("uninstall.dat")));
    QCOMPARE(data.count("\r\n"), 5);
    QVERIFY(data.startsWith("Quillmere\r\n"));
    QVERIFY(secondLog.text().contains(
        QStringLiteral("  - MSFLXGRD.OCX : existe déja sur votre système\r\n")));
}

void TstInstallationRun::writesOnlyInsideItsFolders()
{
    Rig rig;
    const QStringList before = rig.platform.allFiles();
    rig.run(ShortcutChoice { true, true, true });

    const QStringList allowed { QStringLiteral("programs/Quillmere/"),
        QStringLiteral("windows/system32/"), QStringLiteral("home/Desktop/"),
        QStringLiteral("home/Programs/"), QStringLiteral("home/Startup/") };
    for (const QString &file : rig.platform.allFiles()) {
        if (before.contains(file))
            continue;
        const bool inside = std::any_of(allowed.begin(), allowed.end(),
            [&file](const QString &folder) { return file.startsWith(folder); });
        QVERIFY2(inside, qPrintable(file));
    }
    for (const QString &target : std::as_const(rig.platform.copyTargets))
        QVERIFY2(target.startsWith(rig.platform.root() + u'/'), qPrintable(target));
}

QTEST_GUILESS_MAIN(TstInstallationRun)
#include "tst_installation_run.moc"
