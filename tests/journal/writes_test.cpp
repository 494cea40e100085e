#include "journal/day_closing.h"
#include "journal/journal_backups.h"
#include "journal/journal_rewrite.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

Q_DECLARE_METATYPE(qm::Settlement)

namespace {

const QList<JournalRecord> kDay { { "05/12/2026", " 45", "Dossiers", "" },
    { "05/12/2026", " 30", "Réunion", "client" } };
const QByteArray kDayBytes = "05/12/2026, 45,Dossiers,\r\n05/12/2026, 30,Réunion,client\r\n";
const QByteArray kOld = "05/12/2026, 10,a,\r\n";
const QByteArray kNew = "05/12/2026, 15,b,\r\n";
const QDateTime kNow(QDate(2026, 12, 9), QTime(10, 15), Qt::UTC);

// The program's files in a folder of their own, the journal holding `journal` unless it is null.
struct Folder
{
    explicit Folder(const QByteArray &journal)
    {
        if (!journal.isNull())
            writeBytes(paths.journal, journal);
    }
    QTemporaryDir dir;
    ClosingFiles paths { dir.filePath("Quillmere.log"), dir.filePath("Quillmere.day"),
        dir.filePath("Quillmere.closing") };
    QString copies = dir.filePath("Sauvegardes");
    JournalBackups backups { paths.journal, copies };
};

} // namespace

// Every change to the journal: a day closed into it, a date's records rewritten in it (only the
// lines of that date change), and the copy each rewrite keeps of the journal it replaces.
// Nothing stored is ever lost.
class WritesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useFrenchLocale(); }

    // Whatever way the journal's last line ends, the day starts on a line of its own and the old
    // line keeps its text, through the close of the day as through a plain append.
    void appendEndsAnUnfinishedLine_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no journal") << QByteArray() << kDayBytes;
        QTest::newRow("empty journal") << QByteArray("") << kDayBytes;
        QTest::newRow("CR LF") << QByteArray("x,\r\n") << "x,\r\n" + kDayBytes;
        QTest::newRow("no line end") << QByteArray("x,") << "x,\r\n" + kDayBytes;
        QTest::newRow("torn CR LF") << QByteArray("x,\r") << "x,\r\n" + kDayBytes;
    }
    void appendEndsAnUnfinishedLine()
    {
        QFETCH(QByteArray, journal);
        Folder folder(journal);
        QCOMPARE(closeDayIntoJournal(folder.paths, kDay), ClosingOutcome::Closed);
        QTEST(readBytes(folder.paths.journal), "expected");
        QVERIFY(!QFile::exists(folder.paths.closing));

        const QString appended = folder.dir.filePath("appended.log");
        if (!journal.isNull())
            QVERIFY(writeBytes(appended, journal));
        for (const JournalRecord &record : kDay)
            QVERIFY(appendToJournal(appended, { record }));
        QTEST(readBytes(appended), "expected");
    }

    // A close cut short at any point of its append: the next start finishes it when the day is
    // still the one it was writing, takes it back when the day went on after a failed close, and
    // leaves exactly as it is a journal that someone changed since.
    void interruptedCloseIsSettledOnce_data()
    {
        QTest::addColumn<QByteArray>("oldJournal");
        // Bytes of the append that reached the journal; -1: the journal was then rewritten as
        // `expected`.
        QTest::addColumn<int>("reached");
        QTest::addColumn<int>("day"); // 0 no day file, 1 the same day, 2 the day went on
        QTest::addColumn<Settlement>("settlement");
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char *name, const QByteArray &oldJournal, int reached, int day,
                             Settlement settlement, const QByteArray &expected) {
            QTest::newRow(name) << oldJournal << reached << day << settlement << expected;
        };
        using enum Settlement;
        const QByteArray old = "04/12/2026, 60,Courrier,\r\n";
        const int all = int(kDayBytes.size());
        row("nothing appended yet", old, 0, 1, Finished, old + kDayBytes);
        row("torn in a record", old, 10, 1, Finished, old + kDayBytes);
        row("torn between CR and LF", old, all - 1, 1, Finished, old + kDayBytes);
        row("append done", old, all, 1, Finished, old + kDayBytes);
        row("day file gone", old, all, 0, Finished, old + kDayBytes);
        row("no journal before", QByteArray(), 10, 1, Finished, kDayBytes);
        row("old line unfinished", "x,\r", 0, 1, Finished, "x,\r\n" + kDayBytes);
        row("day went on", old, 10, 2, TakenBack, old);
        row("day went on, no journal before", QByteArray(), all, 2, TakenBack, QByteArray());
        row("other lines after it", old, -1, 0, JournalChanged,
            old + "05/12/2026, 45,Dossiers,\r\nautre\r\n");
        row("shorter than before", old, -1, 0, JournalChanged, "04");
        row("longer than the day", old, -1, 0, JournalChanged, old + kDayBytes + "x");
    }
    void interruptedCloseIsSettledOnce()
    {
        QFETCH(QByteArray, oldJournal);
        QFETCH(int, reached);
        QFETCH(int, day);
        QFETCH(QByteArray, expected);
        Folder folder(oldJournal);
        // A day file that cannot be deleted (here a folder) keeps the closing file, as a crash
        // right after the append would; the journal is then cut to where the crash left it.
        QVERIFY(QDir(folder.dir.path()).mkpath("Quillmere.day/x"));
        QCOMPARE(closeDayIntoJournal(folder.paths, kDay), ClosingOutcome::DayFileKept);
        QVERIFY(QFile::exists(folder.paths.closing));
        const qsizetype cut = oldJournal.size() + (oldJournal.endsWith('\r') ? 1 : 0) + reached;
        QVERIFY(reached < 0 ? writeBytes(folder.paths.journal, expected)
                            : QFile::resize(folder.paths.journal, cut));
        QVERIFY(QDir(folder.paths.dayFile).removeRecursively());

        std::optional<QList<JournalRecord>> left;
        if (day > 0) {
            left
                = day == 1 ? kDay : kDay + QList<JournalRecord> { { "05/12/2026", " 5", "a", "" } };
            QVERIFY(writeBytes(folder.paths.dayFile, "05/12/2026\r\n"));
        }
        const InterruptedClose settled = settleInterruptedClose(folder.paths, left);
        QTEST(settled.settlement, "settlement");
        QCOMPARE(settled.dayDate, "05/12/2026");
        QCOMPARE(readBytes(folder.paths.journal), expected);
        QCOMPARE(QFile::exists(folder.paths.journal), !expected.isNull());
        QCOMPARE(QFile::exists(folder.paths.dayFile), day == 2);
        QVERIFY(!QFile::exists(folder.paths.closing));

        // Settled once and for all: nothing is left to do, the day is in the journal once.
        QCOMPARE(settleInterruptedClose(folder.paths, left).settlement, Settlement::NothingPending);
        QCOMPARE(readBytes(folder.paths.journal), expected);
    }

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
        row("every record removed", scattered, {}, "04/12/2026, 5,x,\r\n06/12/2026, 7,y,\r\n");
        row("byte-order mark on a first line of the date", "\357\273\27705/12/2026, 10,a,\r\n", {},
            "\357\273\277");
        row("last line left unfinished", "04/12/2026, 5,x,\r\n05/12/2026, 10,a,",
            { " 10|b|", " 2|c|" }, "04/12/2026, 5,x,\r\n05/12/2026, 10,b,\r\n05/12/2026, 2,c,");
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
        QCOMPARE(result.value_or(QByteArray()), rewritten);
    }

    // Rewrites, the newest 20 copies kept under names that only grow, then undone: the copy the
    // undo keeps of the journal it replaces counts among the 20.
    void rewritesAndUndo()
    {
        Folder folder(kOld);
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
        QCOMPARE(readBytes(folder.paths.journal), kNew + "20");
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
        Folder folder(kOld);
        QString why;
        JournalRewrite result = JournalRewrite::Done;
        runFailingWrite(
            how, folder.dir, limited.isEmpty() ? "Sauvegardes" : limited, [&](const QString &path) {
                // Where the folder is a file, the copies go below that file.
                const QString copies = how == WriteFailure::FolderIsAFile ? path : folder.copies;
                JournalBackups backups(folder.paths.journal, copies);
                result = backups.rewrite(kOld, kNew + QByteArray(4096, 'x'), kNow, &why);
                return result == JournalRewrite::Done;
            });
        QCOMPARE(result, JournalRewrite::Failed);
        QVERIFY(!why.isEmpty());
        QCOMPARE(readBytes(folder.paths.journal), kOld);
        const QStringList copies = folder.backups.copies();
        QCOMPARE(copies.size(), copied ? 1 : 0);
        if (copied)
            QCOMPARE(readBytes(copies.first()), kOld);
    }
};

QTEST_GUILESS_MAIN(WritesTest)
#include "writes_test.moc"
