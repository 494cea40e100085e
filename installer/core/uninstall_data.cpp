#include "uninstall_data.h"

#include <QFile>
#include <QSaveFile>

namespace qmi {

namespace {

// A file this long cannot be five folder names; refusing it keeps a stray file from being read.
constexpr qint64 kMaxFileSize = 64 * 1024;

QString decodeLine(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return QString::fromLocal8Bit(line);
}

} // namespace

QByteArray formatUninstallData(const UninstallData &data)
{
    QByteArray bytes;
    for (const QString *value : {&data.productName, &data.installPath, &data.desktopFolder,
                                 &data.programsFolder, &data.startupFolder}) {
        bytes += value->toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

bool writeUninstallData(const QString &path, const UninstallData &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = formatUninstallData(data);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<UninstallData> readUninstallData(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    auto line = [&lines](qsizetype i) { return i < lines.size() ? decodeLine(lines[i]) : QString(); };
    UninstallData data{line(0), line(1), line(2), line(3), line(4)};
    if (data.productName.isEmpty())
        return std::nullopt;
    return data;
}

} // namespace qmi
