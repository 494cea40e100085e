#include "journal/journal_backups.h"

#include "journal/file_reading.h"
#include "storage/durable_write.h"
#include "storage/program_log.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace qm {

namespace {

const QString kTimeFormat = QStringLiteral("yyyyMMdd-HHmmss");
const QString kPrefix = QStringLiteral("Quillmere-");

QString copyName(const QDateTime &at)
{
    return kPrefix + at.toString(kTimeFormat) + QStringLiteral(".log");
}

std::optional<QByteArray> bytesOf(const QString &path)
{
    QByteArray bytes;
    if (readWholeFile(path, bytes) != FileRead::Read)
        return std::nullopt;
    return bytes;
}

// Logs a failure of the backups' own, as the storage layer logs its own, and gives its reason.
bool failed(const QString &reason, QString *why)
{
    qCWarning(programLog(), "%s", qUtf8Printable(reason));
    if (why)
        *why = reason;
    return false;
}

} // namespace

JournalBackups::JournalBackups(const QString &journalPath, const QString &folder)
    : m_journalPath(journalPath)
    , m_folder(folder)
{ }

QStringList JournalBackups::copies() const
{
    static const QRegularExpression kCopy(QStringLiteral("^Quillmere-\\d{8}-\\d{6}\\.log$"));
    QStringList names = QDir(m_folder).entryList(
        { QStringLiteral("Quillmere-*.log") }, QDir::Files, QDir::Name | QDir::Reversed);
    names = names.filter(kCopy);
    for (QString &name : names)
        name = QDir(m_folder).filePath(name);
    return names;
}

QDateTime JournalBackups::newestCopyTime() const
{
    const QStringList all = copies();
    if (all.isEmpty())
        return {};
    const QString name = QFileInfo(all.first()).completeBaseName();
    return QDateTime::fromString(name.sliced(kPrefix.size()), kTimeFormat);
}

bool JournalBackups::keepCopy(const QByteArray &bytes, const QDateTime &now, QString *why)
{
    if (!QDir().mkpath(m_folder))
        return failed(QStringLiteral("cannot create the folder %1").arg(m_folder), why);
    // Names only ever grow, so that the newest copy is the last by name, even for two
    // rewrites within a second.
    const QStringList existing = copies();
    QDateTime at = now;
    while (!existing.isEmpty() && QDir(m_folder).filePath(copyName(at)) <= existing.first())
        at = at.addSecs(1);
    const QString path = QDir(m_folder).filePath(copyName(at));
    if (!writeFileAtomically(path, bytes, FileStamp {}, why))
        return false;
    if (bytesOf(path) != bytes)
        return failed(QStringLiteral("the copy %1 does not read back as written").arg(path), why);
    removeOldCopies();
    return true;
}

void JournalBackups::removeOldCopies() const
{
    const QStringList all = copies();
    for (qsizetype i = kKept; i < all.size(); ++i)
        removeFileDurably(all.at(i));
}

JournalRewrite JournalBackups::rewrite(
    const QByteArray &read, const QByteArray &rewritten, const QDateTime &now, QString *why)
{
    const std::optional<QByteArray> current = bytesOf(m_journalPath);
    if (!current) {
        failed(QStringLiteral("cannot read %1").arg(m_journalPath), why);
        return JournalRewrite::Failed;
    }
    if (*current != read)
        return JournalRewrite::Changed;
    if (!keepCopy(read, now, why) || !writeFileAtomically(m_journalPath, rewritten, why))
        return JournalRewrite::Failed;
    return JournalRewrite::Done;
}

JournalRewrite JournalBackups::restoreNewest(const QDateTime &now, QString *why)
{
    const QStringList all = copies();
    const std::optional<QByteArray> newest = all.isEmpty() ? std::nullopt : bytesOf(all.first());
    const std::optional<QByteArray> current = bytesOf(m_journalPath);
    if (!newest || !current) {
        failed(QStringLiteral("no copy of %1 to put back").arg(m_journalPath), why);
        return JournalRewrite::Failed;
    }
    if (!keepCopy(*current, now, why) || !writeFileAtomically(m_journalPath, *newest, why))
        return JournalRewrite::Failed;
    return JournalRewrite::Done;
}

} // namespace qm
