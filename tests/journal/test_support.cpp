#include "test_support.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>

#include <unistd.h>

namespace qm::test {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString pathUnderAFile(const QTemporaryDir &dir, const QString &name)
{
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    writeBytes(blocker, "x");
    return blocker + u'/' + name;
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    // Going over the limit raises SIGXFSZ, which would end the test instead of failing the write.
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_saved);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}

void addWriteFailureRows()
{
    QTest::addColumn<WriteFailure>("how");
    QTest::newRow("folder is a file") << WriteFailure::FolderIsAFile;
    QTest::newRow("read-only folder") << WriteFailure::ReadOnlyFolder;
    QTest::newRow("disk full") << WriteFailure::DiskFull;
}

bool canSimulate(WriteFailure how)
{
    return how != WriteFailure::ReadOnlyFolder || geteuid() != 0;
}

bool runFailingWrite(WriteFailure how, const QTemporaryDir &dir, const QString &name,
    const std::function<bool(const QString &path)> &write)
{
    const QString path = dir.filePath(name);
    switch (how) {
    case WriteFailure::FolderIsAFile:
        return write(pathUnderAFile(dir, name));
    case WriteFailure::ReadOnlyFolder: {
        const auto permissions = QFile::permissions(dir.path());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = write(path);
        QFile::setPermissions(dir.path(), permissions);
        return written;
    }
    case WriteFailure::DiskFull: {
        const FileSizeLimit full(rlim_t(QFileInfo(path).size()));
        return write(path);
    }
    }
    return false;
}

} // namespace qm::test
