#include "installer/core/uninstall_data.h"

#include <QFile>
#include <QStringDecoder>

namespace qm::install {

namespace {

// A file this long cannot be five folder names; refusing it keeps a stray file from being read.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The 0x80-0x9F block of Windows-1252, where it differs from Latin-1.
constexpr char16_t kWindows1252High[32]
    = { 0x20AC, 0x81, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
          0x2039, 0x0152, 0x8D, 0x017D, 0x8F, 0x90, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
          0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D, 0x017E, 0x0178 };

// A file carried over from a Windows machine is in its code page rather than in UTF-8.
QString decodeLine(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    text.clear();
    for (const char byte : std::as_const(line)) {
        const auto code = static_cast<unsigned char>(byte);
        text += (code >= 0x80 && code < 0xA0) ? QChar(kWindows1252High[code - 0x80]) : QChar(code);
    }
    return text;
}

// The lines end where the writer ends them: a lone line feed or carriage return is part of a
// folder's name, which may hold one.
QList<QByteArray> splitLines(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf("\r\n", start);
        if (end < 0)
            end = bytes.size();
        lines.append(bytes.mid(start, end - start));
        start = end + 2;
    }
    return lines;
}

} // namespace

QByteArray formatUninstallData(const UninstallData &data)
{
    QByteArray bytes;
    for (const QString *value : { &data.productName, &data.installPath, &data.desktopFolder,
             &data.programsFolder, &data.startupFolder }) {
        bytes += value->toLocal8Bit();
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<UninstallData> readUninstallData(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return std::nullopt;
    const QList<QByteArray> lines = splitLines(file.readAll());
    auto line = [&lines](qsizetype i) {
        return i < lines.size() ? decodeLine(lines[i]) : QString();
    };
    UninstallData data { line(0), line(1), line(2), line(3), line(4) };
    if (data.productName.isEmpty())
        return std::nullopt;
    return data;
}

} // namespace qm::install
