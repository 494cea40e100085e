#include "journal/file_reading.h"

#ifndef Q_OS_WIN
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qm {

FileRead openForReading(QFile &file)
{
#ifdef Q_OS_WIN
    if (file.open(QIODevice::ReadOnly))
        return FileRead::Read;
    return QFileInfo::exists(file.fileName()) ? FileRead::Unreadable : FileRead::Missing;
#else
    // QFile keeps no errno, and asking again whether the file exists can fail differently.
    const int fd = ::open(QFile::encodeName(file.fileName()).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileRead::Missing : FileRead::Unreadable;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileRead::Unreadable;
    }
    return FileRead::Read;
#endif
}

bool readToItsEnd(const QFile &file)
{
    return file.pos() >= file.size();
}

FileRead readWholeFile(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened != FileRead::Read)
        return opened;
    const qint64 size = file.size();
    QByteArray read(size, Qt::Uninitialized);
    qint64 got = 0;
    while (got < size) {
        const qint64 n = file.read(read.data() + got, size - got);
        if (n <= 0)
            return FileRead::Unreadable;
        got += n;
    }
    bytes = std::move(read);
    return FileRead::Read;
}

std::optional<qint64> sizeOrAbsent(const QString &path)
{
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    return info.exists() ? info.size() : -1;
#else
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        return qint64(status.st_size);
    if (errno == ENOENT)
        return -1;
    return std::nullopt;
#endif
}

} // namespace qm
