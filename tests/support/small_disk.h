#pragma once

#include <QFile>
#include <QProcess>
#include <QString>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace qm::test {

// A small disk of its own mounted over `folder` while it lives, where the system lets this
// process mount one (as root); the disk is then filled up for real.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder)
        : m_folder(folder)
    {
        m_mounted = ::geteuid() == 0
            && QProcess::execute(
                   QStringLiteral("mount"), { "-t", "tmpfs", "-o", "size=1m", "tmpfs", folder })
                == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), { m_folder });
    }
    bool mounted() const { return m_mounted; }
    // Writes `filler` until the disk refuses any more.
    bool fill(const QString &filler) const
    {
        const int fd = ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) { }
        const bool full = errno == ENOSPC;
        return ::close(fd) == 0 && full;
    }

private:
    QString m_folder;
    bool m_mounted = false;
};

} // namespace qm::test
