#include "installer/platform/desktop_entry.h"

#include <QFileInfo>
#include <QUrl>

namespace qmi {

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
    QString text = QStringLiteral("[Desktop Entry]\n");
    text += isProgram ? QStringLiteral("Type=Application\n") : QStringLiteral("Type=Link\n");
    text += QStringLiteral("Name=") + escapeValue(QFileInfo(shortcut.linkPath).completeBaseName())
        + u'\n';
    if (isProgram) {
        text += QStringLiteral("Exec=") + desktopExecArgument(shortcut.targetPath) + u'\n';
        text += QStringLiteral("Path=") + escapeValue(shortcut.workingDirectory) + u'\n';
        text += QStringLiteral("Terminal=false\n");
    } else {
        text += QStringLiteral("URL=")
            + escapeValue(QString::fromUtf8(
                QUrl::fromLocalFile(shortcut.targetPath).toEncoded(QUrl::FullyEncoded)))
            + u'\n';
    }
    text += QStringLiteral("Icon=") + escapeValue(icon) + u'\n';
    return text.toUtf8();
}

} // namespace qmi
