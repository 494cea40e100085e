#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace qm {

// How a rewrite of the journal ended.
enum class JournalRewrite {
    Done,
    // The journal is no longer what was read: nothing was written, it is to be read again.
    Changed,
    // Nothing of the journal changed; the reason was logged and given.
    Failed,
};

// The journal's rewrites, each kept behind a copy of the journal as it was: the copies live in
// a folder of their own (Sauvegardes, beside the journal), named Quillmere-yyyyMMdd-hhmmss.log,
// the newest 20 kept. Files of that folder with other names are never touched.
class JournalBackups
{
public:
    static constexpr int kKept = 20;

    JournalBackups(const QString &journalPath, const QString &folder);

    // The copies, newest first.
    QStringList copies() const;
    // When the newest copy was made, as its name tells; invalid when there is none.
    QDateTime newestCopyTime() const;

    // Replaces the journal, which must still hold `read`, by `rewritten`. The copy of `read`
    // comes first and is read back before the journal is touched; the replace is atomic.
    JournalRewrite rewrite(const QByteArray &read, const QByteArray &rewritten,
        const QDateTime &now, QString *why = nullptr);
    // Puts the newest copy back as the journal, the journal it replaces becoming the newest
    // copy itself: an undo can be undone. Failed, and nothing changed, when there is no copy.
    JournalRewrite restoreNewest(const QDateTime &now, QString *why = nullptr);

private:
    // A copy of `bytes`, read back whole; false when it could not be made.
    bool keepCopy(const QByteArray &bytes, const QDateTime &now, QString *why);
    void removeOldCopies() const;

    QString m_journalPath;
    QString m_folder;
};

} // namespace qm
