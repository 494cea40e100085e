#pragma once

#include <QList>
#include <QString>

namespace qm::install {

inline const QString kProductName = QStringLiteral("Quillmere");
inline const QString kHelpLinkName = QStringLiteral("Aide.lnk");
inline const QString kUninstallLinkName = QStringLiteral("Uninstall.lnk");
inline const QString kStatsLinkName = QStringLiteral("QMStat.lnk");
inline const QString kForcedMode = QStringLiteral("forced");
// The key by which a shortcut names the installation folder it was made for: the uninstaller
// removes only the shortcuts of its own installation.
inline const QString kInstallationKey = QStringLiteral("X-Quillmere-Installation");

QString exeName();
QString linkName();
QString helpFileName();
// The help document's English edition, installed beside the French one.
QString englishHelpFileName();
// The edition that the help shortcut opens for a program speaking `language` ("fr", "en"):
// the English one for English, the programs' own French one for any other.
QString helpFileFor(const QString &language);
QString uninstallExeName();
QString statsExeName();
// The product's picture, written beside the programs where shortcuts cannot show a program's own.
QString iconImageName();

// One file of the release set: for a component `target` is its update mode, for a program file
// the name it is installed under.
struct PayloadEntry
{
    QString source;
    QString target;
};

struct PayloadTable
{
    QList<PayloadEntry> entries;
    qsizetype componentCount = 0;
};

PayloadTable standardPayload();

// The values the run works from, set at start-up and by the wizard.
struct InstallState
{
    QString installPath;
    QString winDir;
    QString sourceDir;
    QString desktopFolder;
    QString programsFolder;
    QString startupFolder;
    // What the help shortcut opens: the edition of the language the installer speaks.
    QString helpFile = helpFileName();
};

struct ShortcutChoice
{
    bool start = true;
    bool startup = true;
    bool desktop = false;
};

} // namespace qm::install
