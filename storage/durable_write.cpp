#include "storage/durable_write.h"

#include "storage/program_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

SyncCall syncCall = ::fsync;

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The system's reason is kept in errno; a file's own error text often says only "Unknown error"
// of data that failed to leave its buffer.
QString reasonOf(const QFileDevice &file)
{
    return errno != 0 ? reasonOf(errno) : file.errorString();
}

bool failed(const char *what, const QString &path, const QString &reason, QString *why = nullptr)
{
    qCWarning(programLog(), "%s %s: %s", what, qUtf8Printable(QDir::toNativeSeparators(path)),
        qUtf8Printable(reason));
    if (why)
        *why = reason;
    return false;
}

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

// How the new file takes the place of the old one.
struct Placement
{
    QString target; // the name renamed over
    std::optional<mode_t> mode; // none: a new file's, 0666 under the umask
    QDateTime modified;
    bool folderSyncCounts = true;
};

QByteArray folderOf(const QByteArray &target)
{
    const qsizetype slash = target.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
}

// A file without a name in the target's folder, which a crash leaves no trace of; -1 with
// EOPNOTSUPP where the system cannot make one or could not give it a name afterwards.
int openUnnamed(const QByteArray &target, mode_t mode)
{
    static const bool kNamed = ::access("/proc/self/fd", F_OK) == 0;
    if (!kNamed) {
        errno = EOPNOTSUPP;
        return -1;
    }
    return ::open(folderOf(target).constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

QByteArray temporaryName(const QByteArray &target)
{
    static constexpr char kLetters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    // Seven bytes longer than the target's name, which may already be as long as a name can be
    // (an export named after a long activity): such a name is cut to leave them room.
    const qsizetype nameStart = target.lastIndexOf('/') + 1;
    QByteArray name = target.left(std::min(target.size(), nameStart + NAME_MAX - 7)) + '.';
    for (int i = 0; i < 6; ++i)
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    return name;
}

// Creates `<target>.XXXXXX` beside the target, a name no one else holds: an existing file, or a
// link planted there, makes the creation try another name instead of writing into it.
int createTemporary(const QByteArray &target, mode_t mode, QByteArray &name)
{
    for (int tries = 0; tries < 100; ++tries) {
        name = temporaryName(target);
        const int fd
            = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the unnamed file the target's name when nothing is there; otherwise a temporary name
// beside it, kept in `temporary`, for the rename over the target. 0 or the system's error.
int nameUnnamed(int fd, const QByteArray &target, QByteArray &temporary)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    const auto linkAs = [&self](const QByteArray &name) {
        return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW)
            == 0;
    };
    if (linkAs(target))
        return 0;
    for (int tries = 0; errno == EEXIST && tries < 100; ++tries) {
        temporary = temporaryName(target);
        if (linkAs(temporary))
            return 0;
    }
    temporary.clear();
    return errno != 0 ? errno : EIO;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written == 0)
            errno = ENOSPC;
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

// The bytes go to a new file in the target's folder, are checked written and put on disk, and only
// then does that file take the target's name: until then the old file is whole, after it the new
// one is.
bool place(const QByteArray &bytes, const Placement &how, QString *why)
{
    const QByteArray target = QFile::encodeName(how.target);
    // The mode is set after creation, so that the user's umask plays no part in it.
    const mode_t created = how.mode ? S_IRUSR | S_IWUSR : 0666;
    QByteArray temporary;
    int fd = openUnnamed(target, created);
    const bool unnamed = fd >= 0;
    if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR))
        fd = createTemporary(target, created, temporary);
    if (fd < 0)
        return failed("cannot create a file beside", how.target, reasonOf(errno), why);
    int error = 0;
    const auto done = [&error](bool ok) {
        if (!ok)
            error = errno != 0 ? errno : EIO;
        return ok;
    };
    errno = 0;
    (void)(done(writeAll(fd, bytes)) && (!how.mode || done(::fchmod(fd, *how.mode) == 0))
        && done(setModified(fd, how.modified)) && done(syncCall(fd) == 0));
    if (error == 0 && unnamed)
        error = nameUnnamed(fd, target, temporary);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && !temporary.isEmpty()
        && std::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    if (error != 0) {
        if (!temporary.isEmpty())
            ::unlink(temporary.constData());
        return failed("cannot write", how.target, reasonOf(error), why);
    }
    // The new name is on disk only once the folder is.
    if (!syncFolderOf(how.target)) {
        const QString reason = reasonOf(errno);
        if (how.folderSyncCounts)
            return failed("cannot sync the folder of", how.target, reason, why);
        failed("cannot sync the folder of", how.target, reason);
    }
    return true;
}

// The file that a link at `path` names, through links of links, as the user's file is updated
// where it really is; `path` itself when it is no link or the links go round.
QString linkedFile(const QString &path)
{
    QFileInfo file(path);
    int depth = 128;
    while (--depth > 0 && file.isSymLink())
        file.setFile(file.symLinkTarget());
    return depth > 0 ? file.filePath() : path;
}

} // namespace

SyncCall replaceSyncCall(SyncCall call)
{
    const SyncCall previous = syncCall;
    syncCall = call;
    return previous;
}

bool syncToDisk(QFileDevice &file)
{
    return file.flush() && syncCall(file.handle()) == 0;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *why)
{
    Placement how;
    how.target = linkedFile(path);
    struct stat existing
    {
    };
    const QByteArray target = QFile::encodeName(how.target);
    if (::stat(target.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode))
            return failed("cannot write", path, reasonOf(EISDIR), why);
        if (::access(target.constData(), W_OK) != 0)
            return failed("cannot write", path, reasonOf(errno), why);
        how.mode = existing.st_mode & 0777;
    }
    return place(bytes, how, why);
}

bool writeFileAtomically(
    const QString &path, const QByteArray &bytes, const FileStamp &stamp, QString *why)
{
    Placement how;
    how.target = path;
    how.mode = modeOf(stamp.permissions);
    how.modified = stamp.modified;
    how.folderSyncCounts = false;
    return place(bytes, how, why);
}

bool syncFolderOf(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!synced)
        errno = error;
    return closed && synced;
}

bool removeFileDurably(const QString &path)
{
    // Deleting first tells "already gone" (ENOENT) from a file whose state is not known: asking
    // whether it exists could fail, and that failure would read as "not there".
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return errno == ENOENT || failed("cannot delete", path, reasonOf(errno));
    return syncFolderOf(path) || failed("cannot sync the folder of", path, reasonOf(errno));
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
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed("cannot open", path, reasonOf(file));
    if (file.write(bytes) != bytes.size() || !syncToDisk(file))
        return failed("cannot append to", path, reasonOf(file));
    return !created || syncFolderOf(path)
        || failed("cannot sync the folder of", path, reasonOf(errno));
}

bool truncateDurably(const QString &path, qint64 size)
{
    if (size < 0)
        return removeFileDurably(path);
    QFile file(path);
    errno = 0;
    return (file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) && file.resize(size)
               && syncToDisk(file))
        || failed("cannot cut back", path, reasonOf(file));
}

} // namespace qm
