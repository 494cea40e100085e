#include "journal/journal_file.h"
#include "journal/text_formats.h"
#include "test_support.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

QString recordText(const JournalRecord &r)
{
    return r.date + u'|' + r.minutesText + u'|' + r.activity + u'|' + r.comment;
}

QStringList readAllRecords(QByteArray bytes, const QString &date = {})
{
    QStringList records;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto sink = [&](const JournalRecord &r) {
        records.append(recordText(r));
    };
    if (date.isNull())
        readJournal(buffer, sink);
    else
        readJournalOfDate(buffer, date, sink);
    return records;
}

} // namespace

class JournalFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void formatRecord_data()
    {
        QTest::addColumn<JournalRecord>("record");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("comment") << JournalRecord { "05/12/2026", NumberText(65), "Réunion",
            "client;devis" } << QByteArray("05/12/2026, 65,R\xC3\xA9union,client;devis\r\n");
        QTest::newRow("empty comment") << JournalRecord { "05/12/2026", NumberText(0), "Courrier",
            "" } << QByteArray("05/12/2026, 0,Courrier,\r\n");
        QTest::newRow("negative") << JournalRecord { "31/12/2026", NumberText(-5), "a", "b" }
                                  << QByteArray("31/12/2026,-5,a,b\r\n");
        QTest::newRow("all empty") << JournalRecord {} << QByteArray(",,,\r\n");
    }
    void formatRecord()
    {
        QFETCH(JournalRecord, record);
        QFETCH(QByteArray, bytes);
        QCOMPARE(formatJournalRecord(record), bytes);
        QCOMPARE(parseJournalLine(QByteArrayView(bytes).chopped(2)), record);
    }

    void parseLine_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("record"); // empty: the line is skipped
        QTest::newRow("four fields") << QByteArray("05/12/2026, 65,a,b") << "05/12/2026| 65|a|b";
        QTest::newRow("empty comment") << QByteArray("d,m,a,") << "d|m|a|";
        QTest::newRow("only separators") << QByteArray(",,,") << "|||";
        QTest::newRow("fifth field dropped") << QByteArray("d,m,a,b,lost,too") << "d|m|a|b";
        QTest::newRow("three fields") << QByteArray("d,m,a") << "";
        QTest::newRow("no separator") << QByteArray("05/12/2026") << "";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("utf-8") << QByteArray("d,m,caf\xC3\xA9,\xE2\x82\xAC") << "d|m|café|€";
        QTest::newRow("windows-1252") << QByteArray("d,m,caf\xE9,\x80 5") << "d|m|café|€ 5";
        QTest::newRow("cut utf-8 sequence") << QByteArray("d,m,a\xC3,b") << "d|m|aÃ|b";
        QTest::newRow("nul byte") << QByteArray("d,m,a\0b,c", 9)
                                  << QString("d|m|a") + QChar(0) + "b|c";
    }
    void parseLine()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, record);
        const auto parsed = parseJournalLine(line);
        QCOMPARE(parsed.has_value(), !record.isEmpty());
        if (parsed)
            QCOMPARE(recordText(*parsed), record);
    }

    void readAll_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("records");
        const QStringList two { "05/12/2026| 65|a|", "06/12/2026|-5|b|c" };
        QTest::newRow("CR LF") << QByteArray("05/12/2026, 65,a,\r\n06/12/2026,-5,b,c\r\n") << two;
        QTest::newRow("LF") << QByteArray("05/12/2026, 65,a,\n06/12/2026,-5,b,c\n") << two;
        QTest::newRow("no final line end")
            << QByteArray("05/12/2026, 65,a,\r\n06/12/2026,-5,b,c") << two;
        QTest::newRow("empty lines anywhere")
            << QByteArray("\r\n\n05/12/2026, 65,a,\r\n\r\n\r\n06/12/2026,-5,b,c\r\n\r\n") << two;
        QTest::newRow("short lines skipped")
            << QByteArray("x\r\n05/12/2026, 65,a,\r\n1,2,3\r\n06/12/2026,-5,b,c\r\n,\r\n") << two;
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("encodings per line") << QByteArray("d,1,caf\xE9,\r\nd,2,caf\xC3\xA9,\r\n")
                                            << QStringList { "d|1|café|", "d|2|café|" };
    }
    void readAll()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, records);
        QCOMPARE(readAllRecords(bytes), records);
    }

    void readOfDate_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("records");
        const QByteArray journal("05/12/2026, 10,a,\r\n5/12/2026, 20,b,\r\n05/12/2026 , 30,c,\r\n"
                                 "06/12/2026, 40,d,\r\n\r\n05/12/2026, 50,e,x,y\r\n05/12/2026\r\n");
        QTest::newRow("textual match")
            << journal << "05/12/2026" << QStringList { "05/12/2026| 10|a|", "05/12/2026| 50|e|x" };
        QTest::newRow("short date is another text")
            << journal << "5/12/2026" << QStringList { "5/12/2026| 20|b|" };
        QTest::newRow("no record") << journal << "07/12/2026" << QStringList();
        QTest::newRow("non-ascii date in windows-1252")
            << QByteArray("\xE9t\xE9,1,a,\r\n\xC3\xA9t\xC3\xA9,2,b,\r\n") << "été"
            << QStringList { "été|1|a|", "été|2|b|" };
    }
    void readOfDate()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, date);
        QFETCH(QStringList, records);
        QCOMPARE(readAllRecords(bytes, date), records);
    }

    void readFromFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.log");
        int calls = 0;
        const auto count = [&](const JournalRecord &) {
            ++calls;
        };
        QVERIFY(!readJournal(path, count));
        QVERIFY(!readJournalOfDate(path, "05/12/2026", count));
        QCOMPARE(calls, 0);
        QVERIFY(writeBytes(path, "05/12/2026, 65,a,\r\n06/12/2026, 5,b,\r\n"));
        QVERIFY(readJournal(path, count));
        QVERIFY(readJournalOfDate(path, "06/12/2026", count));
        QCOMPARE(calls, 3);
    }

    void append_data()
    {
        QTest::addColumn<QByteArray>("existing"); // null: no journal yet
        QTest::addColumn<QByteArray>("expected");
        const QByteArray added("05/12/2026, 65,a,b\r\n05/12/2026,-1,c,\r\n");
        QTest::newRow("created") << QByteArray() << added;
        QTest::newRow("kept as it is")
            << QByteArray("1/1/2020,x,y,z\n\r\n") << "1/1/2020,x,y,z\n\r\n" + added;
        QTest::newRow("unfinished last line")
            << QByteArray("01/01/2020, 5,y,z") << "01/01/2020, 5,y,z\r\n" + added;
        QTest::newRow("empty file") << QByteArray("") << added;
    }
    void append()
    {
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.log");
        if (!existing.isNull())
            QVERIFY(writeBytes(path, existing));
        QVERIFY(appendToJournal(path, { { "05/12/2026", " 65", "a", "b" } }));
        QVERIFY(appendToJournal(path, { { "05/12/2026", "-1", "c", "" } }));
        QCOMPARE(readBytes(path), expected);
    }

    void appendFailure_data() { addWriteFailureRows(); }
    void appendFailure()
    {
        QFETCH(WriteFailure, how);
        if (!canSimulate(how))
            QSKIP("folder permissions do not stop root");
        QTemporaryDir dir;
        const QByteArray old("01/01/2020, 5,y,z\r\n");
        if (how == WriteFailure::DiskFull)
            QVERIFY(writeBytes(dir.filePath("Quillmere.log"), old));
        const QList<JournalRecord> records { { "05/12/2026", " 65", "a", "b" } };
        QVERIFY(!runFailingWrite(how, dir, "Quillmere.log",
            [&](const QString &path) { return appendToJournal(path, records); }));
        if (how == WriteFailure::DiskFull)
            QCOMPARE(readBytes(dir.filePath("Quillmere.log")), old);
    }
};

QTEST_GUILESS_MAIN(JournalFileTest)
#include "journal_file_test.moc"
