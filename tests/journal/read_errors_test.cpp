#include "journal/day_file.h"
#include "journal/journal_file.h"
#include "journal/line_reader.h"
#include "journal/settings.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"

#include <QLocale>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

constexpr qint64 kChunk = 16;

// A few reads' worth of each file, so that a read can fail before, inside and after its lines.
const QByteArray kSettings("User=Anne\r\nMessage=3=Faux\r\nActivity=Dossiers\r\n"
                           "Activity=R\xC3\xA9union\r\nOldActivity=vieux\r\nComment=client\r\n");
const QByteArray kDayFile("05/12/2026\r\n08:30:00, 65,R\xC3\xA9union,client;devis\r\n"
                          "09:35:00, 15,pause,\r\n09:50:00, 40,Dossiers,\r\n");
const QByteArray kJournal("04/12/2026, 30,Dossiers,\r\n05/12/2026, 65,R\xC3\xA9union,devis\r\n"
                          "05/12/2026, 40,Dossiers,\r\n05/12/2026, 10,Courrier,\r\n");

// The reads a device of `bytes` takes until a reader sees its end: full chunks, then the read
// that finds nothing more.
int readsToTheEnd(const QByteArray &bytes)
{
    return int((bytes.size() + kChunk - 1) / kChunk) + 1;
}

} // namespace

class ReadErrorsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // A read error is no end of file, wherever it strikes: each reader says so and leaves what
    // it fills as it was, since part of a file would pass for the whole of it.
    void readErrorIsNoEnd_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("failingRead"); // 0: no error
        const std::pair<QString, QByteArray> files[] = { { "settings", kSettings },
            { "day file", kDayFile }, { "journal", kJournal }, { "journal of a date", kJournal } };
        for (const auto &[file, bytes] : files) {
            const std::pair<QString, int> failures[] = { { "whole", 0 }, { "first read", 1 },
                { "middle", 3 }, { "read of the end", readsToTheEnd(bytes) } };
            for (const auto &[when, failingRead] : failures)
                QTest::addRow("%s, %s", qPrintable(file), qPrintable(when)) << file << failingRead;
        }
    }
    void readErrorIsNoEnd()
    {
        QFETCH(QString, file);
        QFETCH(int, failingRead);
        const bool whole = failingRead == 0;
        if (file == u"settings") {
            FailingDevice device(kSettings, failingRead, kChunk);
            SettingsModel model;
            model.userName = "kept";
            model.currentActivities.append("kept");
            QCOMPARE(readSettings(device, model), whole);
            QCOMPARE(model.userName, whole ? "Anne" : "kept");
            QCOMPARE(model.currentActivities.toList(),
                whole ? QStringList({ "Dossiers", "Réunion" }) : QStringList { "kept" });
            QCOMPARE(model.messageEnabled[3], !whole);
        } else if (file == u"day file") {
            FailingDevice device(kDayFile, failingRead, kChunk);
            DayFileContent content { "kept", { { "kept", "", "", "" } } };
            QCOMPARE(readDayFile(device, content), whole);
            QCOMPARE(content.date, whole ? "05/12/2026" : "kept");
            QCOMPARE(content.lines.size(), whole ? 3 : 1);
        } else {
            FailingDevice device(kJournal, failingRead, kChunk);
            int records = 0;
            const auto count = [&](const JournalRecord &) {
                ++records;
            };
            QCOMPARE(file == u"journal" ? readJournal(device, count)
                                        : readJournalOfDate(device, "05/12/2026", count),
                whole);
            // The records seen before the error are those of whole lines only.
            QVERIFY(records <= 4);
            if (whole)
                QCOMPARE(records, file == u"journal" ? 4 : 3);
        }
    }

    // The line that an error cuts is not given as a last line without its end.
    void lineReaderStopsAtTheError()
    {
        FailingDevice device("first\r\nsecond line cut", 2, kChunk);
        LineReader reader(device, kChunk);
        QByteArrayView line;
        QVERIFY(reader.next(line));
        QCOMPARE(line, "first");
        QVERIFY(!reader.next(line));
        QVERIFY(reader.failed());
        QVERIFY(!reader.next(line));
    }
};

QTEST_GUILESS_MAIN(ReadErrorsTest)
#include "read_errors_test.moc"
