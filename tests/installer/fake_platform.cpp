#include "fake_platform.h"

#include "installer/core/install_values.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

const QDateTime kDefaultDate(QDate(2020, 1, 15), QTime(12, 0));

} // namespace

FakePlatform::FakePlatform()
{
    QDir dir(m_root.path());
    for (const char *folder : { "release", "windows/system32", "programs", "home/Desktop",
             "home/Programs", "home/Startup" })
        dir.mkpath(QString::fromLatin1(folder));
    m_windowsFolder = windows();
    m_special[QStringLiteral("Desktop")] = path(QStringLiteral("home/Desktop"));
    m_special[QStringLiteral("Programs")] = path(QStringLiteral("home/Programs"));
    m_special[QStringLiteral("Startup")] = path(QStringLiteral("home/Startup"));
}

QString FakePlatform::path(const QString &relative) const
{
    return m_root.path() + u'/' + relative;
}

void FakePlatform::writeFile(
    const QString &file, const QByteArray &content, const QDateTime &modified)
{
    QFile out(file);
    if (out.open(QIODevice::WriteOnly))
        out.write(content);
    if (modified.isValid())
        m_dates[file] = modified;
}

void FakePlatform::writePayload()
{
    for (const qmi::PayloadEntry &entry : qmi::standardPayload().entries)
        writeFile(sourceFolder() + u'/' + entry.source, entry.source.toUtf8());
}

QByteArray FakePlatform::fileContent(const QString &file)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return QByteArray();
    return in.readAll();
}

QStringList FakePlatform::allFiles() const
{
    QStringList files;
    QDirIterator it(m_root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(m_root.path()).relativeFilePath(it.next()));
    files.sort();
    return files;
}

bool FakePlatform::fileExists(const QString &file)
{
    return QFileInfo(file).isFile();
}

bool FakePlatform::folderExists(const QString &folder)
{
    return QFileInfo(folder).isDir();
}

bool FakePlatform::createFolder(const QString &folder)
{
    createdFolders.append(folder);
    return QDir().mkdir(folder);
}

bool FakePlatform::copyFile(const QString &source, const QString &target)
{
    copyTargets.append(target);
    if (m_failingTargets.contains(target) || !QFileInfo(source).isFile()
        || !QFileInfo(QFileInfo(target).path()).isDir())
        return false;
    QFile::remove(target);
    if (!QFile::copy(source, target))
        return false;
    // A copy keeps the date of the file it was made from.
    m_dates[target] = lastModified(source);
    return true;
}

QDateTime FakePlatform::lastModified(const QString &file)
{
    return m_dates.value(file, kDefaultDate);
}

bool FakePlatform::createShortcut(const qmi::Shortcut &shortcut)
{
    shortcuts.append(shortcut);
    QFile out(shortcut.linkPath);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    out.write(shortcut.targetPath.toUtf8());
    return true;
}

void FakePlatform::showError(const QString &text, const QString &title)
{
    errors.append({ text, title });
}
