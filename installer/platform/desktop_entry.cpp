#include "installer/platform/desktop_entry.h"

#include "installer/core/install_values.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace qm::install {

namespace {

QString escapeValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        if (c == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (c == u'\n')
            escaped += QStringLiteral("\\n");
        else if (c == u'\r')
            escaped += QStringLiteral("\\r");
        else if (c == u'\t')
            escaped += QStringLiteral("\\t");
        else
            escaped += c;
    }
    return escaped;
}

bool isLink(const QString &fileName, const QString &linkName)
{
    return fileName.compare(linkName, Qt::CaseInsensitive) == 0;
}

// What the menus show of an entry speaks the installer's language; the entry's file keeps its
// name in every language, since that is how the uninstaller finds it.
QString translated(const char *text)
{
    return QCoreApplication::translate("qm::install::DesktopEntry", text);
}

QString nameOf(const QString &link)
{
    if (isLink(link, kUninstallLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "Désinstaller"));
    if (isLink(link, kHelpLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "Aide"));
    if (isLink(link, kStatsLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "%1 - Statistiques"))
            .arg(kProductName);
    return QFileInfo(link).completeBaseName();
}

QString commentOf(const QString &link)
{
    if (isLink(link, kUninstallLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "Désinstaller %1"))
            .arg(kProductName);
    if (isLink(link, kHelpLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "Lire l'aide de %1"))
            .arg(kProductName);
    if (isLink(link, kStatsLinkName))
        return translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry",
            "Voir le temps passé à chaque activité, par date et par "
            "activité"));
    return translated(QT_TRANSLATE_NOOP(
        "qm::install::DesktopEntry", "Tenir le journal du temps passé à chaque activité"));
}

} // namespace

QString desktopExecArgument(const QString &path)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        if (c == u'%')
            quoted += u'%';
        quoted += c;
    }
    quoted += u'"';
    return escapeValue(quoted);
}

QByteArray formatDesktopEntry(const Shortcut &shortcut, bool isProgram, const QString &icon)
{
    const QString link = QFileInfo(shortcut.linkPath).fileName();
    QString text = QStringLiteral("[Desktop Entry]\n");
    text += isProgram ? QStringLiteral("Type=Application\n") : QStringLiteral("Type=Link\n");
    text += QStringLiteral("Name=") + escapeValue(nameOf(link)) + u'\n';
    text += QStringLiteral("Comment=") + escapeValue(commentOf(link)) + u'\n';
    if (isProgram) {
        text += QStringLiteral("Exec=") + desktopExecArgument(shortcut.targetPath) + u'\n';
        text += QStringLiteral("Path=") + escapeValue(shortcut.workingDirectory) + u'\n';
        text += QStringLiteral("Terminal=false\n");
        // One main category each, or the menus show the entry twice.
        text += isLink(link, kUninstallLinkName)
            ? QStringLiteral("Categories=Utility;\n")
            : QStringLiteral("Categories=Office;ProjectManagement;\n");
    } else {
        text += QStringLiteral("URL=")
            + escapeValue(QString::fromUtf8(
                QUrl::fromLocalFile(shortcut.targetPath).toEncoded(QUrl::FullyEncoded)))
            + u'\n';
    }
    // Quillmere's own entries offer the change of activity, for a key of the desktop to run.
    const bool switches = isProgram && isLink(link, linkName());
    if (switches)
        text += QStringLiteral("Actions=switch;\n");
    text += QStringLiteral("Icon=") + escapeValue(icon) + u'\n';
    text += kInstallationKey + u'=' + escapeValue(shortcut.workingDirectory) + u'\n';
    if (switches) {
        text += QStringLiteral("\n[Desktop Action switch]\n");
        text += QStringLiteral("Name=")
            + escapeValue(
                translated(QT_TRANSLATE_NOOP("qm::install::DesktopEntry", "Changer d'activité")))
            + u'\n';
        text += QStringLiteral("Exec=") + desktopExecArgument(shortcut.targetPath)
            + QStringLiteral(" --switch\n");
    }
    return text.toUtf8();
}

} // namespace qm::install
