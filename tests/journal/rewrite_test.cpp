#include "journal/journal_backups.h"
#include "journal/journal_rewrite.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

const QByteArray kOld = "05/12/2026, 10,a,\r\n";
const QByteArray kNew = "05/12/2026, 15,b,\r\n";
const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 15), Qt::UTC);

struct Folder
{
    Folder() { writeBytes(journal, kOld); }
    QTemporaryDir dir;
    QString journal = dir.filePath("Quillmere.log");
    QString copies = dir.filePath("Sauvegardes");
    JournalBackups backups { journal, copies };
};

} // namespace

// A date's records rewritten in the journal's bytes: only the lines of that date change. Every
// rewrite of the journal keeps the journal it replaces; nothing stored is ever lost.
class RewriteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFrenchLocale(); }

    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QStringList>("records"); // "minutes|activity|comment" for 05/12/2026
        QTest::addColumn<QByteArray>("rewritten"); // null: no such date, nothing written
        const auto row = [](const char *name, const QByteArray &journal, const QStringList &records,
                             const QByteArray &rewritten) {
            QTest::newRow(name) << journal << records << rewritten;
        };
        const QByteArray scattered = "05/12/2026, 10,a,\r\n04/12/2026, 5,x,\r\n"
                                     "05/12/2026, 20,b,c\r\n06/12/2026, 7,y,\r\n";
        row("CR LF, scattered", scattered, { " 15|a|", " 20|b|c" },
            "05/12/2026, 15,a,\r\n04/12/2026, 5,x,\r\n05/12/2026, 20,b,c\r\n06/12/2026, 7,y,\r\n");
        row("LF, more records than lines", "05/12/2026, 10,a,\n04/12/2026, 5,x,\n",
            { " 10|a|", " 30|Réunion|d;e" },
            "05/12/2026, 10,a,\n05/12/2026, 30,R\xC3\xA9union,d;e\n04/12/2026, 5,x,\n");
        row("lines the readers skip stay",
            "\xEF\xBB\xBFx\r\n\r\n05/12/2026,short\r\n5/12/2026, 1,a,\r\n"
            "05/12/2026, 10,a,\r\n",
            { " 11|a|" },
            "\xEF\xBB\xBFx\r\n\r\n05/12/2026,short\r\n5/12/2026, 1,a,\r\n05/12/2026, 11,a,\r\n");
        // An unchanged record keeps its bytes; a changed one is written as the program writes.
        row("windows-1252", "05/12/2026, 10,caf\xE9,\r\n05/12/2026, 5,\xE9t\xE9,\r\n",
            { " 10|café|", " 6|été|" },
            "05/12/2026, 10,caf\xE9,\r\n05/12/2026, 6,\xC3\xA9t\xC3\xA9,\r\n");
        row("fifth field kept while unchanged", "05/12/2026, 10,a,b,c\r\n", { " 10|a|b" },
            "05/12/2026, 10,a,b,c\r\n");
        row("every record removed", scattered, {}, "04/12/2026, 5,x,\r\n06/12/2026, 7,y,\r\n");
        row("byte-order mark on a first line of the date",
            "\xEF\xBB\xBF"
            "05/12/2026, 10,a,\r\n",
            {}, "\xEF\xBB\xBF");
        row("last line left unfinished", "04/12/2026, 5,x,\r\n05/12/2026, 10,a,",
            { " 10|b|", " 2|c|" }, "04/12/2026, 5,x,\r\n05/12/2026, 10,b,\r\n05/12/2026, 2,c,");
        row("no such date", "04/12/2026, 5,x,\r\n", { " 10|a|" }, QByteArray());
        row("empty journal", "", { " 10|a|" }, QByteArray());
    }
    void rewrite()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QStringList, records);
        QList<JournalRecord> parsed;
        for (const QString &record : std::as_const(records))
            parsed.append({ "05/12/2026", record.section(u'|', 0, 0), record.section(u'|', 1, 1),
                record.section(u'|', 2, 2) });
        const std::optional<QByteArray> result = rewriteJournalDate(journal, "05/12/2026", parsed);
        QFETCH(QByteArray, rewritten);
        QCOMPARE(result.has_value(), !rewritten.isNull());
        if (result)
            QCOMPARE(*result, rewritten);
    }

    // A journal changed since it was read is not written over. Rewrites, the newest 20 copies
    // kept under names that only grow, then undone twice.
    void rewritesAndUndo()
    {
        Folder folder;
        QCOMPARE(folder.backups.rewrite("other bytes", kNew, kNow), JournalRewrite::Changed);
        QCOMPARE(readBytes(folder.journal), kOld);
        QVERIFY(folder.backups.copies().isEmpty());
        QDir().mkpath(folder.copies);
        writeBytes(folder.copies + "/Quillmere-notes.log", "mine");
        QByteArray read = kOld;
        for (int i = 0; i < 22; ++i) {
            const QByteArray next = kNew + QByteArray::number(i);
            // Two rewrites within the same second, every second time.
            QCOMPARE(folder.backups.rewrite(read, next, kNow.addSecs(i / 2)), JournalRewrite::Done);
            read = next;
        }
        const QStringList copies = folder.backups.copies();
        QCOMPARE(copies.size(), JournalBackups::kKept);
        QCOMPARE(QFileInfo(copies.first()).fileName(), "Quillmere-20261209-101521.log");
        QCOMPARE(readBytes(copies.first()), kNew + "20");
        QCOMPARE(readBytes(folder.copies + "/Quillmere-notes.log"), "mine");

        QCOMPARE(folder.backups.restoreNewest(kNow), JournalRewrite::Done);
        QCOMPARE(readBytes(folder.journal), kNew + "20");
        QCOMPARE(folder.backups.restoreNewest(kNow), JournalRewrite::Done);
        QCOMPARE(readBytes(folder.journal), kNew + "21");
        QCOMPARE(folder.backups.copies().size(), JournalBackups::kKept);
    }

    // Whatever fails, the journal keeps its bytes; a copy made before a failed replace stays.
    void failures_data()
    {
        QTest::addColumn<WriteFailure>("how");
        QTest::addColumn<QString>("limited"); // the file whose size the disk-full limit takes
        QTest::addColumn<bool>("copied");
        QTest::newRow("no folder for the copies") << WriteFailure::FolderIsAFile << "" << false;
        QTest::newRow("disk full at the copy") << WriteFailure::DiskFull << "Sauvegardes" << false;
        QTest::newRow("disk fails the copy") << WriteFailure::SyncFails << "" << false;
        // The copy is no larger than the journal; the new journal is.
        QTest::newRow("disk full at the replace")
            << WriteFailure::DiskFull << "Quillmere.log" << true;
    }
    void failures()
    {
        QFETCH(WriteFailure, how);
        QFETCH(QString, limited);
        QFETCH(bool, copied);
        Folder folder;
        QString why;
        JournalRewrite result = JournalRewrite::Done;
        runFailingWrite(
            how, folder.dir, limited.isEmpty() ? "Sauvegardes" : limited, [&](const QString &path) {
                // Where the folder is a file, the copies go below that file.
                const QString copies = how == WriteFailure::FolderIsAFile ? path : folder.copies;
                JournalBackups backups(folder.journal, copies);
                result = backups.rewrite(kOld, kNew + QByteArray(4096, 'x'), kNow, &why);
                return result == JournalRewrite::Done;
            });
        QCOMPARE(result, JournalRewrite::Failed);
        QVERIFY(!why.isEmpty());
        QCOMPARE(readBytes(folder.journal), kOld);
        const QStringList copies = folder.backups.copies();
        QCOMPARE(copies.size(), copied ? 1 : 0);
        if (copied)
            QCOMPARE(readBytes(copies.first()), kOld);
    }
};

QTEST_GUILESS_MAIN(RewriteTest)
#include "rewrite_test.moc"
