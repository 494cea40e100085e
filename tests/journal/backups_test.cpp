#include "journal/journal_backups.h"
#include "tests/support/failing_io.h"

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

// Every rewrite of the journal keeps the journal it replaces; nothing stored is ever lost.
class BackupsTest : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(BackupsTest)
#include "backups_test.moc"
