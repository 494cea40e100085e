#include "installer/platform/shortcut_owner.h"

#include "installer/core/install_values.h"

#include <QDir>
#include <QFile>

#include <optional>

namespace qm::install {

namespace {

// A shortcut file this long is not one the installer wrote.
constexpr qint64 kMaxEntrySize = 64 * 1024;

QChar unescaped(QChar c)
{
    switch (c.unicode()) {
    case u's':
        return u' ';
    case u'n':
        return u'\n';
    case u't':
        return u'\t';
    case u'r':
        return u'\r';
    default:
        return c;
    }
}

QString unescapeValue(const QByteArray &value)
{
    const QString text = QString::fromUtf8(value);
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\\' || i + 1 == text.size()) {
            plain += text.at(i);
            continue;
        }
        plain += unescaped(text.at(++i));
    }
    return plain;
}

// The installation folder a desktop entry says it was made for, or nothing.
std::optional<QString> installationOf(const QString &entry)
{
    QFile file(entry);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxEntrySize)
        return std::nullopt;
    const QByteArray key = kInstallationKey.toUtf8() + '=';
    bool inMainGroup = false;
    for (QByteArray line : file.readAll().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith('['))
            inMainGroup = line == "[Desktop Entry]";
        else if (inMainGroup && line.startsWith(key))
            return unescapeValue(line.mid(key.size()));
    }
    return std::nullopt;
}

QString realFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

bool isShortcutOf(const QFileInfo &file, const QString &installFolder)
{
    if (file.isSymLink() || !file.isFile())
        return false;
    const std::optional<QString> folder = installationOf(file.filePath());
    return folder && !folder->isEmpty() && realFolder(*folder) == realFolder(installFolder);
}

} // namespace qm::install
