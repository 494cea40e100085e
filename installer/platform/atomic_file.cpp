#include "installer/platform/atomic_file.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm::install {

namespace {

mode_t modeOf(QFileDevice::Permissions permissions)
{
    mode_t mode = 0;
    const std::pair<QFileDevice::Permission, mode_t> bits[] = { { QFileDevice::ReadOwner, S_IRUSR },
        { QFileDevice::WriteOwner, S_IWUSR }, { QFileDevice::ExeOwner, S_IXUSR },
        { QFileDevice::ReadGroup, S_IRGRP }, { QFileDevice::WriteGroup, S_IWGRP },
        { QFileDevice::ExeGroup, S_IXGRP }, { QFileDevice::ReadOther, S_IROTH },
        { QFileDevice::WriteOther, S_IWOTH }, { QFileDevice::ExeOther, S_IXOTH } };
    for (const auto &[permission, bit] : bits) {
        if (permissions.testFlag(permission))
            mode |= bit;
    }
    return mode;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool setModified(int fd, const QDateTime &modified)
{
    if (!modified.isValid())
        return true;
    const qint64 ms = modified.toMSecsSinceEpoch();
    // Rounded down, so that a date before 1970 keeps a positive fraction of a second.
    const qint64 seconds = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    timespec times[2] {};
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time_t(seconds);
    times[1].tv_nsec = long(ms - seconds * 1000) * 1000000;
    return ::futimens(fd, times) == 0;
}

bool fillNewFile(int fd, const QByteArray &bytes, const FileStamp &stamp)
{
    // The mode is set after creation, so that the user's umask plays no part in it.
    return writeAll(fd, bytes) && ::fchmod(fd, modeOf(stamp.permissions)) == 0
        && setModified(fd, stamp.modified) && ::fsync(fd) == 0;
}

// Once renamed, the file's name is only on the disk when its folder is; a failure here no
// longer puts the new bytes at risk, so it is not counted as the write's.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes, const FileStamp &stamp)
{
    const QByteArray target = QFile::encodeName(path);
    const QByteArray partial = target + ".part";
    // What is left of an earlier run, or a link planted there, goes first; a file made there
    // again in between makes the exclusive creation below fail instead of being written into.
    ::unlink(partial.constData());
    const int fd = ::open(partial.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
        S_IRUSR | S_IWUSR);
    if (fd < 0)
        return false;
    const bool filled = fillNewFile(fd, bytes, stamp);
    if (::close(fd) != 0 || !filled || std::rename(partial.constData(), target.constData()) != 0) {
        ::unlink(partial.constData());
        return false;
    }
    const qsizetype slash = target.lastIndexOf('/');
    syncFolder(slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash));
    return true;
}

} // namespace qm::install
