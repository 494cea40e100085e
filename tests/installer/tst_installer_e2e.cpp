#include "installer/core/questions.h"
#include "installer/core/start_up.h"
#include "installer/platform/system_platform.h"
#include "installer/ui/wizard.h"
#include "installer/uninstaller/uninstall_plan.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace qmi;

namespace {

class NoQuestions : public Questions
{
public:
    bool askYesNo(const QString &, const QString &) override
    {
        ++asked;
        return false;
    }
    int asked = 0;
};

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The release set as built, installed through the wizard on this system's platform into a
// temporary account, then the installed program started and the installation removed.
class TstInstallerE2e : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void installThroughTheWizard();
    void installedProgramStarts();
    void uninstallKeepsTheJournal();

private:
    QString home(const QString &relative) const { return m_home.path() + u'/' + relative; }
    QString installed(const QString &name) const { return m_installPath + u'/' + name; }

    QTemporaryDir m_home;
    QTemporaryDir m_releaseCopy;
    QString m_release = QStringLiteral(QM_RELEASE_DIR);
    QString m_installPath;
};

void TstInstallerE2e::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QVERIFY(QFileInfo(m_release + QStringLiteral("/Install")).isExecutable());
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", home(QStringLiteral(".local/share")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home(QStringLiteral(".config")).toLocal8Bit());
    if (!QFileInfo::exists(m_release + QStringLiteral("/QM3.dat"))) {
        // Built without the statistics program: a copy of the set with a stand-in for it, so
        // that everything else is still installed for real.
        QDirIterator it(m_release, QDir::Files);
        while (it.hasNext()) {
            const QString file = it.next();
            QVERIFY(QFile::copy(file, m_releaseCopy.filePath(QFileInfo(file).fileName())));
        }
        QFile standIn(m_releaseCopy.filePath(QStringLiteral("QM3.dat")));
        QVERIFY(standIn.open(QIODevice::WriteOnly));
        standIn.write("#!/bin/sh\n");
        standIn.setPermissions(standIn.permissions() | QFile::ExeOwner);
        m_release = m_releaseCopy.path();
    }
    QVERIFY(QDir::setCurrent(m_release));
}

void TstInstallerE2e::installThroughTheWizard()
{
    SystemPlatform platform;
    NoQuestions questions;
    InstallState state = prepareInstallState(platform, programFilesFolder());
    QCOMPARE(state.InstallPath, home(QStringLiteral("Applications/Quillmere")));
    QCOMPARE(state.SourceDir, m_release);
    Wizard wizard(platform, questions, state, { QStringLiteral("/") });
    QSignalSpy finished(&wizard, &Wizard::finished);
    wizard.start();

    auto click = [&wizard](const char *name) {
        auto *button = wizard.currentWindow()->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY(button && button->isEnabled());
        QTest::mouseClick(button, Qt::LeftButton);
    };
    click("cmdInstall");
    click("cmdInstall");
    wizard.currentWindow()->findChild<QCheckBox *>(QStringLiteral("chkDesktop"))->click();
    click("cmdInstall");
    QCOMPARE(wizard.currentWindow()->objectName(), QStringLiteral("frmLog"));
    auto *finish = wizard.currentWindow()->findChild<QPushButton *>(QStringLiteral("cmdFinish"));
    QCOMPARE(finish->text(), QStringLiteral("Suivant >"));
    click("cmdFinish");
    QCOMPARE(wizard.currentWindow()->objectName(), QStringLiteral("frmEnd"));
    click("cmdFinish");
    QCOMPARE(finished.size(), 1);
    QCOMPARE(questions.asked, 0);

    m_installPath = state.InstallPath;
    for (const char *name : { "Quillmere", "QMStat", "Uninstall" })
        QVERIFY2(QFileInfo(installed(QString::fromLatin1(name))).isExecutable(), name);
    QCOMPARE(readAll(installed(QStringLiteral("Quillmere.pdf"))),
        readAll(m_release + QStringLiteral("/Quillmere.pdf")));
    QVERIFY(readAll(installed(QStringLiteral("Quillmere.pdf"))).startsWith("%PDF"));
    QCOMPARE(readAll(installed(QStringLiteral("QMStat.manifest"))),
        readAll(m_release + QStringLiteral("/QM4.dat")));
    QVERIFY(QFileInfo::exists(
        home(QStringLiteral(".local/share/Quillmere/windows/system32/MSFLXGRD.OCX"))));

    const QString group = home(QStringLiteral(".local/share/applications/Quillmere"));
    const QString desktop = QFileInfo(home(QStringLiteral("Desktop"))).absoluteFilePath();
    const QByteArray menuEntry = readAll(group + QStringLiteral("/Quillmere.desktop"));
    QVERIFY(menuEntry.contains("Type=Application\n"));
    QVERIFY(
        menuEntry.contains(("Exec=\"" + installed(QStringLiteral("Quillmere")) + "\"\n").toUtf8()));
    QVERIFY(menuEntry.contains(("Path=" + m_installPath + "\n").toUtf8()));
    QVERIFY(readAll(group + QStringLiteral("/Aide.desktop")).contains("Type=Link\n"));
    QVERIFY(readAll(group + QStringLiteral("/Uninstall.desktop")).contains("/Uninstall\"\n"));
    QVERIFY(QFileInfo::exists(home(QStringLiteral(".config/autostart/Quillmere.desktop"))));
    QVERIFY(QFileInfo::exists(desktop + QStringLiteral("/Quillmere.desktop")));

    QCOMPARE(readAll(installed(QStringLiteral("uninstall.dat"))),
        (QStringLiteral("Quillmere\r\n") + m_installPath + QStringLiteral("\r\n") + desktop
            + QStringLiteral("\r\n") + group + QStringLiteral("\r\n")
            + home(QStringLiteral(".config/autostart")) + QStringLiteral("\r\n"))
            .toUtf8());
}

void TstInstallerE2e::installedProgramStarts()
{
    QVERIFY(!m_installPath.isEmpty());
    if (readAll(m_release + QStringLiteral("/QM0.dat")).startsWith("#!"))
        QSKIP("the release set holds no Quillmere program in this build");
    QProcess program;
    program.setWorkingDirectory(m_installPath);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(installed(QStringLiteral("Quillmere")), {});
    QVERIFY(program.waitForStarted());
    QVERIFY2(!program.waitForFinished(2000), program.readAllStandardError().constData());
    QCOMPARE(program.state(), QProcess::Running);
    QVERIFY(!QFileInfo::exists(installed(QStringLiteral("Quillmere.ini"))));
    program.kill();
    program.waitForFinished();
}

void TstInstallerE2e::uninstallKeepsTheJournal()
{
    QVERIFY(!m_installPath.isEmpty());
    QFile journal(installed(QStringLiteral("Quillmere.log")));
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.write("12/03/2024,09:00,Lecture, 30,\r\n");
    journal.close();

    const auto data = readUninstallData(installed(QStringLiteral("uninstall.dat")));
    QVERIFY(data.has_value());
    const UninstallResult result = carryOut(planUninstall(m_installPath, *data), false);
    QVERIFY2(result.failed.isEmpty(), qPrintable(result.failed.join(u' ')));
    QVERIFY(QFileInfo::exists(installed(QStringLiteral("Quillmere.log"))));
    for (const char *name :
        { "Quillmere", "QMStat", "Uninstall", "Quillmere.pdf", "uninstall.dat" })
        QVERIFY2(!QFileInfo::exists(installed(QString::fromLatin1(name))), name);
    QVERIFY(!QFileInfo::exists(home(QStringLiteral(".local/share/applications/Quillmere"))));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral(".config/autostart/Quillmere.desktop"))));
    QVERIFY(!QFileInfo::exists(home(QStringLiteral("Desktop/Quillmere.desktop"))));
}

QTEST_MAIN(TstInstallerE2e)
#include "tst_installer_e2e.moc"
