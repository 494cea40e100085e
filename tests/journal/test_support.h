#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include <sys/resource.h>

namespace qm::test {

QByteArray readBytes(const QString &path);
bool writeBytes(const QString &path, const QByteArray &bytes);

// A path whose folder cannot exist because a plain file takes its place; no user, root
// included, can create a file there.
QString pathUnderAFile(const QTemporaryDir &dir, const QString &name);

// While alive, this process cannot grow any file beyond `bytes`: writes fail as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};

// How a write is made to fail. A read-only folder stops no one running as root.
enum class WriteFailure { FolderIsAFile, ReadOnlyFolder, DiskFull };

// The column "how" with one row per kind of failure.
void addWriteFailureRows();
bool canSimulate(WriteFailure how);

// Runs `write` on the file `name` of `dir` in a way that makes it fail, and returns its result.
// The disk counts as full from the size the file has before the write.
bool runFailingWrite(WriteFailure how, const QTemporaryDir &dir, const QString &name,
    const std::function<bool(const QString &path)> &write);

} // namespace qm::test
