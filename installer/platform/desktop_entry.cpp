#include "installer/platform/desktop_entry.h"

#include "installer/core/install_values.h"

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

QString commentOf(const QString &link)
{
    if (isLink(link, kUninstallLinkName))
        return QStringLiteral("Désinstaller ") + kProductName;
    if (isLink(link, kHelpLinkName))
        return QStringLiteral("Lire l'aide de ") + kProductName;
    return QStringLiteral("Tenir le journal du temps passé à chaque activité");
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
    text += QStringLiteral("Name=") + escapeValue(QFileInfo(shortcut.linkPath).completeBaseName())
        + u'\n';
    text += QStringLiteral("Comment=") + commentOf(link) + u'\n';
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
    text += QStringLiteral("Icon=") + escapeValue(icon) + u'\n';
    text += kInstallationKey + u'=' + escapeValue(shortcut.workingDirectory) + u'\n';
    return text.toUtf8();
}

} // namespace qm::install
