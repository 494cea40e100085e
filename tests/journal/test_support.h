#pragma once

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>

#include <sys/resource.h>

namespace qm::test {

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file that cannot be opened (its folder is a plain file), or one that opens but whose new
// bytes cannot go out (the disk is full from the file's present size). Folder permissions would
// not do: they stop no one running as root.
enum class WriteFailure { FolderIsAFile, DiskFull };

// Runs `write` on the file `name` of `dir` in a way that makes it fail, and returns its result.
inline bool runFailingWrite(WriteFailure how, const QTemporaryDir &dir, const QString &name,
    const std::function<bool(const QString &path)> &write)
{
    if (how == WriteFailure::FolderIsAFile) {
        const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
        writeBytes(blocker, "x");
        return write(blocker + u'/' + name);
    }
    const QString path = dir.filePath(name);
    // Going over the limit raises SIGXFSZ, which would end the test instead of failing the write.
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit full = saved;
    full.rlim_cur = rlim_t(QFileInfo(path).size());
    setrlimit(RLIMIT_FSIZE, &full);
    const bool written = write(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);
    return written;
}

} // namespace qm::test
