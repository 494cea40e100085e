#include "journal/day_closing.h"
#include "tests/support/failing_io.h"

#include <QDir>

using namespace qm;
using namespace qm::test;

Q_DECLARE_METATYPE(qm::Settlement)

namespace {

const QList<JournalRecord> kDay { { "05/12/2026", " 45", "Dossiers", "" },
    { "05/12/2026", " 30", "Réunion", "client" } };
const QByteArray kDayBytes = "05/12/2026, 45,Dossiers,\r\n05/12/2026, 30,Réunion,client\r\n";

struct Files
{
    Files()
        : paths { dir.filePath("Quillmere.log"), dir.filePath("Quillmere.day"),
            dir.filePath("Quillmere.closing") }
    { }
    QTemporaryDir dir;
    ClosingFiles paths;
};

} // namespace

class ClosingTest : public QObject
{
    Q_OBJECT

private slots:
    // Whatever way the journal's last line ends, the day starts on a line of its own and the old
    // line keeps its text, through the close of the day as through a plain append.
    void appendEndsAnUnfinishedLine_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("no journal") << QByteArray() << kDayBytes;
        QTest::newRow("empty journal") << QByteArray("") << kDayBytes;
        QTest::newRow("CR LF") << QByteArray("x,\r\n") << "x,\r\n" + kDayBytes;
        QTest::newRow("LF") << QByteArray("x,\n") << "x,\n" + kDayBytes;
        QTest::newRow("no line end") << QByteArray("x,") << "x,\r\n" + kDayBytes;
        QTest::newRow("torn CR LF") << QByteArray("x,\r") << "x,\r\n" + kDayBytes;
        QTest::newRow("empty lines kept") << QByteArray("x\n\r\n") << "x\n\r\n" + kDayBytes;
    }
    void appendEndsAnUnfinishedLine()
    {
        QFETCH(QByteArray, journal);
        Files files;
        if (!journal.isNull())
            QVERIFY(writeBytes(files.paths.journal, journal));
        QCOMPARE(closeDayIntoJournal(files.paths, kDay), ClosingOutcome::Closed);
        QTEST(readBytes(files.paths.journal), "expected");
        QVERIFY(!QFile::exists(files.paths.closing));

        const QString appended = files.dir.filePath("appended.log");
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
        const QByteArray old = "04/12/2026, 60,Courrier,\r\n";
        const int all = int(kDayBytes.size());
        QTest::newRow("nothing appended yet")
            << old << 0 << 1 << Settlement::Finished << old + kDayBytes;
        QTest::newRow("torn in a record")
            << old << 10 << 1 << Settlement::Finished << old + kDayBytes;
        QTest::newRow("torn between CR and LF")
            << old << all - 1 << 1 << Settlement::Finished << old + kDayBytes;
        QTest::newRow("append done") << old << all << 1 << Settlement::Finished << old + kDayBytes;
        QTest::newRow("day file gone")
            << old << all << 0 << Settlement::Finished << old + kDayBytes;
        QTest::newRow("no journal before")
            << QByteArray() << 10 << 1 << Settlement::Finished << kDayBytes;
        QTest::newRow("old line unfinished")
            << QByteArray("x,\r") << 0 << 1 << Settlement::Finished << "x,\r\n" + kDayBytes;
        QTest::newRow("day went on") << old << 10 << 2 << Settlement::TakenBack << old;
        QTest::newRow("day went on, no journal before")
            << QByteArray() << all << 2 << Settlement::TakenBack << QByteArray();
        QTest::newRow("other lines after it") << old << -1 << 0 << Settlement::JournalChanged
                                              << old + "05/12/2026, 45,Dossiers,\r\nautre\r\n";
        QTest::newRow("shorter than before")
            << old << -1 << 0 << Settlement::JournalChanged << QByteArray("04");
        QTest::newRow("longer than the day")
            << old << -1 << 0 << Settlement::JournalChanged << old + kDayBytes + "x";
    }
    void interruptedCloseIsSettledOnce()
    {
        QFETCH(QByteArray, oldJournal);
        QFETCH(int, reached);
        QFETCH(int, day);
        QFETCH(QByteArray, expected);
        Files files;
        if (!oldJournal.isNull())
            QVERIFY(writeBytes(files.paths.journal, oldJournal));
        // A day file that cannot be deleted (here a folder) keeps the closing file, as a crash
        // right after the append would; the journal is then cut to where the crash left it.
        QVERIFY(QDir(files.dir.path()).mkpath("Quillmere.day/x"));
        QCOMPARE(closeDayIntoJournal(files.paths, kDay), ClosingOutcome::DayFileKept);
        QVERIFY(QFile::exists(files.paths.closing));
        const qsizetype cut = oldJournal.size() + (oldJournal.endsWith('\r') ? 1 : 0) + reached;
        QVERIFY(reached < 0 ? writeBytes(files.paths.journal, expected)
                            : QFile::resize(files.paths.journal, cut));
        QVERIFY(QDir(files.paths.dayFile).removeRecursively());

        std::optional<QList<JournalRecord>> left;
        if (day > 0)
            left
                = day == 1 ? kDay : kDay + QList<JournalRecord> { { "05/12/2026", " 5", "a", "" } };
        if (day > 0)
            QVERIFY(writeBytes(files.paths.dayFile, "05/12/2026\r\n"));
        const InterruptedClose settled = settleInterruptedClose(files.paths, left);
        QTEST(settled.settlement, "settlement");
        QCOMPARE(settled.dayDate, "05/12/2026");
        QCOMPARE(readBytes(files.paths.journal), expected);
        QCOMPARE(QFile::exists(files.paths.journal), !expected.isNull());
        QCOMPARE(QFile::exists(files.paths.dayFile), day == 2);
        QVERIFY(!QFile::exists(files.paths.closing));

        // Settled once and for all: nothing is left to do, the day is in the journal once.
        QCOMPARE(settleInterruptedClose(files.paths, left).settlement, Settlement::NothingPending);
        QCOMPARE(readBytes(files.paths.journal), expected);
    }
};

QTEST_GUILESS_MAIN(ClosingTest)
#include "closing_test.moc"
