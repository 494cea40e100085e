#pragma once

#include "storage/durable_write.h"
#include "tests/support/files.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <utility>

#include <sys/resource.h>

namespace qm::test {

// A file that cannot be opened (its folder is a plain file), one that opens but whose new bytes
// cannot go out (the disk is full from the file's present size), or one whose bytes the disk
// fails to keep (the sync to disk fails, as on a failing disk or a lost network share). Folder
// permissions would not do: they stop no one running as root.
enum class WriteFailure { FolderIsAFile, DiskFull, SyncFails };

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
    if (how == WriteFailure::SyncFails) {
        const SyncCall saved = replaceSyncCall([](int) {
            errno = EIO;
            return -1;
        });
        const bool written = write(path);
        replaceSyncCall(saved);
        return written;
    }
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

// The bytes of a file, served `chunk` bytes per read, whose reads fail from the `failingRead`th
// on (counted from 1; 0 for never), as a disk that cannot give the rest of the file.
class FailingDevice final : public QIODevice
{
public:
    FailingDevice(QByteArray bytes, int failingRead, qint64 chunk)
        : m_bytes(std::move(bytes))
        , m_failingRead(failingRead)
        , m_chunk(chunk)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }

    qint64 size() const override { return m_bytes.size(); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_failingRead > 0 && ++m_reads >= m_failingRead)
            return -1;
        const qint64 n = std::min({ maxSize, m_chunk, qint64(m_bytes.size()) - pos() });
        std::memcpy(data, m_bytes.constData() + pos(), size_t(n));
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    int m_failingRead;
    qint64 m_chunk;
    int m_reads = 0;
};

} // namespace qm::test
