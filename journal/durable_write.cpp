#include "journal/durable_write.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace qm {

namespace {

int systemSync(int handle)
{
#ifdef Q_OS_WIN
    return ::_commit(handle);
#else
    return ::fsync(handle);
#endif
}

SyncCall g_syncCall = systemSync;

} // namespace

SyncCall replaceSyncCall(SyncCall call)
{
    const SyncCall previous = g_syncCall;
    g_syncCall = call;
    return previous;
}

bool syncToDisk(QFileDevice &file)
{
    return file.flush() && g_syncCall(file.handle()) == 0;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *why)
{
    QSaveFile file(path);
    // The system's reason is kept in errno; the file's own error text often says only "Unknown
    // error" of data that failed to leave its buffer.
    errno = 0;
    const auto failed = [&] {
        if (why)
            *why = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    // QSaveFile::commit() only looks at errors of write() itself: data that fails to leave its
    // buffer (a full disk) would still replace the old file with a truncated one. Its own sync
    // ignores a failure too, so the data is put on disk here, where a failure counts.
    if (file.write(bytes) != bytes.size() || !syncToDisk(file))
        return failed();
    // The rename is on disk only once the folder is.
    return (file.commit() && syncFolderOf(path)) || failed();
}

bool syncFolderOf(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return true;
#else
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
#endif
}

bool removeFileDurably(const QString &path)
{
#ifdef Q_OS_WIN
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    return QFile::remove(path) && syncFolderOf(path);
#else
    // Deleting first tells "already gone" (ENOENT) from a file whose state is not known: asking
    // whether it exists could fail, and that failure would read as "not there".
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return errno == ENOENT;
    return syncFolderOf(path);
#endif
}

void removeReplacementLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QDir folder = target.absoluteDir();
    const QString pattern = target.fileName() + QStringLiteral(".??????");
    bool removed = false;
    for (const QFileInfo &file : folder.entryInfoList(
             { pattern }, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        const QString name = file.fileName();
        const QStringView suffix = QStringView(name).right(6);
        const bool temporary = std::all_of(suffix.begin(), suffix.end(), [](QChar c) {
            return c.isDigit() || (c.toLatin1() >= 'a' && c.toLatin1() <= 'z')
                || (c.toLatin1() >= 'A' && c.toLatin1() <= 'Z');
        });
        if (temporary && QFile::remove(file.filePath()))
            removed = true;
    }
    if (removed)
        syncFolderOf(path);
}

bool appendDurably(const QString &path, const QByteArray &bytes)
{
    const bool created = !QFileInfo::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    return file.write(bytes) == bytes.size() && syncToDisk(file)
        && (!created || syncFolderOf(path));
}

bool truncateDurably(const QString &path, qint64 size)
{
    if (size < 0)
        return removeFileDurably(path);
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && file.resize(size)
        && syncToDisk(file);
}

} // namespace qm
