#include "rig.h"
#include "tests/support/locale.h"

#include <QImage>
#include <QProcess>
#include <QTest>

using namespace qm::install;
using namespace qm::install::test;

namespace {

// The programs run as they are shipped, with no one to click: told so by the environment, they
// keep every default and tell their outcome by their exit code and on stderr.
int runUnattended(const QString &program, const QString &folder, const QString &value,
    QByteArray *errors, const QMap<QString, QString> &desktop = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QUILLMERE_UNATTENDED"), value);
    for (auto it = desktop.begin(); it != desktop.end(); ++it)
        environment.insert(it.key(), it.value());
    process.setProcessEnvironment(environment);
    process.start(program, {});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    *errors = process.readAllStandardError();
    return process.exitCode();
}

} // namespace

// The release set as built, installed through the wizard in a temporary account, the
// installed program started and the installation removed.
class ReleaseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qm::test::useFrenchLocale();
        QVERIFY(QFileInfo(m_release + QStringLiteral("/Install")).isExecutable());
        useAccount(m_home.path());
        // Whatever the toolkit caches is not the installer's doing.
        qputenv("XDG_CACHE_HOME", m_cache.path().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QFileInfo::exists(m_release + QStringLiteral("/QM3.dat"))) {
            // Built without the statistics program: a copy of the set with a stand-in for it, so
            // that everything else is still installed for real.
            for (const QString &name : QDir(m_release).entryList(QDir::Files))
                QVERIFY(QFile::copy(m_release + u'/' + name, m_releaseCopy.filePath(name)));
            QVERIFY(writeBytes(m_releaseCopy.filePath("QM3.dat"), "#!/bin/sh\n"));
            QFile::setPermissions(m_releaseCopy.filePath("QM3.dat"),
                QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            m_release = m_releaseCopy.path();
        }
        QVERIFY(QDir::setCurrent(m_release));
    }

    void refusedInstallation_data()
    {
        QTest::addColumn<bool>("emptyRelease");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("incomplete release set")
            << true << "Applications/Quillmere" << QByteArray("Certains fichiers sont absents");
        // As the wizard does: it would break the uninstall data's lines.
        QTest::newRow("line break in the folder")
            << false << "Mes\nprogrammes/Quillmere" << QByteArray("caractère de contrôle");
    }

    // A refused installation leaves nothing in the account.
    void refusedInstallation()
    {
        QFETCH(bool, emptyRelease);
        QFETCH(QString, folder);
        QFETCH(QByteArray, error);
        QTemporaryDir empty;
        QByteArray errors;
        QCOMPARE(runUnattended(m_release + QStringLiteral("/Install"),
                     emptyRelease ? empty.path() : m_release, home(folder), &errors),
            1);
        QVERIFY2(errors.contains(error), errors.constData());
        QCOMPARE(snapshot(m_home.path()).keys(), QStringList());
    }

    // Into a folder typed with a trailing separator, on an account that lacks ~/Applications.
    void installs()
    {
        m_installPath = home("Applications/Quillmere");
        const QString typed = m_installPath + u'/';
        QByteArray errors;
        QCOMPARE(
            runUnattended(m_release + QStringLiteral("/Install"), m_release, typed, &errors), 0);

        for (const char *name : { "Quillmere", "QMStat", "Uninstall" })
            QVERIFY2(QFileInfo(installed(QLatin1String(name))).isExecutable(), name);
        for (const char *name : { "Quillmere.pdf", "Quillmere-en.pdf" })
            QVERIFY2(readBytes(installed(QLatin1String(name))).startsWith("%PDF"), name);
        QVERIFY(readBytes(installed("Quillmere-en.pdf")) != readBytes(installed("Quillmere.pdf")));

        // Each entry is the data folder's file of its kind, for an installation in /opt/Quillmere.
        const QString group = home(".local/share/applications/Quillmere");
        for (const char *entry :
            { "Quillmere|tracker", "QMStat|statistics", "Aide|help", "Uninstall|uninstaller" }) {
            const QString file = group + u'/' + QString(entry).section(u'|', 0, 0) + ".desktop";
            QCOMPARE(readBytes(file).replace(m_installPath.toUtf8(), "/opt/Quillmere"),
                readBytes(QFINDTESTDATA(
                    "../data/installer/" + QString(entry).section(u'|', 1) + ".desktop")));
        }
        QCOMPARE(readBytes(home(".config/autostart/Quillmere.desktop")),
            readBytes(group + "/Quillmere.desktop"));
        QVERIFY(QFileInfo(group + "/Quillmere.desktop").isExecutable());
        QVERIFY(!QImage(installed("Quillmere.png")).isNull());
        // The desktop is not ticked by default, and its folder is not made for nothing.
        QVERIFY(!QFileInfo::exists(home("Desktop")));
        QCOMPARE(readBytes(installed("uninstall.dat")),
            (QStringLiteral("Quillmere\r\n") + typed + "\r\n" + home("Desktop") + "\r\n" + group
                + "\r\n" + home(".config/autostart") + "\r\n")
                .toUtf8());
    }

    void installedProgramStarts()
    {
        QVERIFY(!m_installPath.isEmpty());
        QProcess program;
        program.setProgram(installed("Quillmere"));
        program.setWorkingDirectory(m_installPath);
        program.start();
        QVERIFY(program.waitForStarted());
        // Its lock says it is up; with no settings yet it waits in its first-run window.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(installed("Quillmere.lock")), 30000);
        QCOMPARE(program.state(), QProcess::Running);
        QVERIFY(!QFileInfo::exists(installed("Quillmere.ini")));
        // Neither a new installation nor the uninstaller takes its files from under it.
        for (const QString &other : { m_release + "/Install", installed("Uninstall") }) {
            QByteArray errors;
            QCOMPARE(runUnattended(other, m_release, m_installPath, &errors), 1);
            QVERIFY2(errors.contains("Quillmere est en cours d'exécution"), errors.constData());
        }
        QVERIFY(QFileInfo::exists(installed("Quillmere")));
        QVERIFY(QFileInfo::exists(installed("uninstall.dat")));
        program.kill();
        program.waitForFinished();
        QFile::remove(installed("Quillmere.lock"));
    }

    // A second installation in the account, on an English desktop, and the user's own desktop
    // entry under the product's name: removing the first keeps the journal alone of its folder,
    // the second's shortcuts, which replaced its own, and the user's entry, and says so; removing
    // the second then takes its shortcuts and both editions of the help away.
    void installationsSideBySide()
    {
        QVERIFY(!m_installPath.isEmpty());
        const QString mine = home("Desktop/Quillmere.desktop");
        const QByteArray mineBytes("[Desktop Entry]\nType=Application\nName=Quillmere\nExec=qm\n");
        QVERIFY(QDir().mkpath(home("Desktop")));
        QVERIFY(writeBytes(mine, mineBytes));
        QVERIFY(writeBytes(installed("Quillmere.log"), "12/03/2024,09:00,Lecture, 30,\r\n"));
        const QString second = home("Applications/Second");
        const QString group = home(".local/share/applications/Quillmere");
        const QString startup = home(".config/autostart/Quillmere.desktop");
        const QMap<QString, QString> english { { "LANGUAGE", "en" }, { "LC_ALL", "en_US.UTF-8" } };
        QByteArray errors;
        QCOMPARE(runUnattended(m_release + "/Install", m_release, second, &errors, english), 0);
        const QMap<QString, QByteArray> secondsShortcuts = snapshot(group);
        // The help shortcut alone follows the language, and the menu shows its English name.
        QVERIFY(secondsShortcuts.value("Aide.desktop").contains("/Quillmere-en.pdf\n"));
        QVERIFY(secondsShortcuts.value("Aide.desktop").contains("\nName=Help\n"));

        QCOMPARE(runUnattended(installed("Uninstall"), m_release, "1", &errors), 0);
        QCOMPARE(
            QDir(m_installPath).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList { "Quillmere.log" });
        QCOMPARE(readBytes(mine), mineBytes);
        QCOMPARE(snapshot(group), secondsShortcuts);
        QVERIFY(readBytes(startup).contains(("Exec=\"" + second + "/Quillmere\"").toUtf8()));
        for (const QString &kept : { mine, group + "/Aide.desktop", startup })
            QVERIFY2(errors.contains(kept.toUtf8()), errors.constData());

        QCOMPARE(runUnattended(second + "/Uninstall", m_release, "1", &errors, english), 0);
        QVERIFY(!QFileInfo::exists(second));
        QVERIFY(!QFileInfo::exists(group));
        QVERIFY(!QFileInfo::exists(startup));
        QCOMPARE(readBytes(mine), mineBytes);
    }

private:
    QString home(const QString &relative) const { return m_home.path() + u'/' + relative; }
    QString installed(const QString &name) const { return m_installPath + u'/' + name; }

    QTemporaryDir m_home;
    QTemporaryDir m_cache;
    QTemporaryDir m_releaseCopy;
    QString m_release = QStringLiteral(QM_RELEASE_DIR);
    QString m_installPath;
};

QTEST_MAIN(ReleaseTest)
#include "release_test.moc"
