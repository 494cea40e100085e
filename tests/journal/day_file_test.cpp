#include "journal/day_file.h"
#include "test_support.h"

#include <QBuffer>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

namespace {

QStringList lineTexts(const QList<DayLine> &lines)
{
    QStringList texts;
    for (const DayLine &l : lines)
        texts.append(l.start + u'|' + l.minutesText + u'|' + l.activity + u'|' + l.comment);
    return texts;
}

const QList<DayLine> kTwoLines { { "08:30:00", " 65", "Réunion", "client;devis" },
    { "09:35:12", " 0", "pause", "" } };
const QByteArray kTwoLinesFile("05/12/2026\r\n08:30:00, 65,R\xC3\xA9union,client;devis\r\n"
                               "09:35:12, 0,pause,\r\n");

} // namespace

class DayFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void format_data()
    {
        QTest::addColumn<QList<DayLine>>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("date line only") << QList<DayLine>() << QByteArray("05/12/2026\r\n");
        QTest::newRow("two activities") << kTwoLines << kTwoLinesFile;
        QTest::newRow("negative minutes") << QList<DayLine> { { "23:59:59", "-1", "a", "b" } }
                                          << QByteArray("05/12/2026\r\n23:59:59,-1,a,b\r\n");
    }
    void format()
    {
        QFETCH(QList<DayLine>, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(formatDayFile("05/12/2026", lines), bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        QVERIFY(writeDayFile(path, "05/12/2026", lines));
        QCOMPARE(readBytes(path), bytes);
        const auto content = readDayFile(path);
        QVERIFY(content);
        QCOMPARE(content->date, "05/12/2026");
        QCOMPARE(content->lines, lines);
    }

    void goldenRoundTrip()
    {
        const QString golden = QFINDTESTDATA("../data/journal/recovered.day");
        QVERIFY(!golden.isEmpty());
        const auto content = readDayFile(golden);
        QVERIFY(content);
        QCOMPARE(content->lines.size(), 17);
        QCOMPARE(formatDayFile(content->date, content->lines), readBytes(golden));
    }

    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("lines");
        const QStringList one { "08:30:00| 65|a|" };
        QTest::newRow("empty file") << QByteArray() << "" << QStringList();
        QTest::newRow("date only, no line end")
            << QByteArray("05/12/2026") << "05/12/2026" << QStringList();
        QTest::newRow("LF and no final end")
            << QByteArray("05/12/2026\n08:30:00, 65,a,") << "05/12/2026" << one;
        QTest::newRow("short and empty lines skipped")
            << QByteArray("05/12/2026\r\n\r\n08:30:00\r\n08:30:00, 65,a,\r\n1,2,3\r\n\r\n")
            << "05/12/2026" << one;
        QTest::newRow("fifth field dropped") << QByteArray("d\r\n08:30:00, 65,a,b,c\r\n") << "d"
                                             << QStringList { "08:30:00| 65|a|b" };
        QTest::newRow("byte-order marks") << QByteArray(
            "\xEF\xBB\xBF"
            "d\r\n08:30:00, 65,a,\xEF\xBB\xBF"
            "x\r\n") << "d" << QStringList { "08:30:00| 65|a|" + QString(QChar(0xFEFF)) + u'x' };
        QTest::newRow("date line kept as it is")
            << QByteArray(" hier, peut-\xEAtre\r\n08:30:00, 65,a,\r\n") << " hier, peut-être"
            << one;
    }
    void read()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        QVERIFY(writeBytes(path, bytes));
        const auto content = readDayFile(path);
        QVERIFY(content);
        QTEST(content->date, "date");
        QTEST(lineTexts(content->lines), "lines");
        QTEST(readDayFileDate(path).value_or("missing"), "date");

        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QTEST(lineTexts(readDayFile(buffer).lines), "lines");
    }

    void missing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        QVERIFY(!readDayFileDate(path));
        QVERIFY(!readDayFile(path));
        QVERIFY(removeDayFile(path));
        QVERIFY(writeDayFile(path, "05/12/2026", kTwoLines));
        QVERIFY(removeDayFile(path));
        QVERIFY(!QFile::exists(path));
    }

    void writeFailure_data() { addWriteFailureRows(); }
    void writeFailure()
    {
        QFETCH(WriteFailure, how);
        if (!canSimulate(how))
            QSKIP("folder permissions do not stop root");
        QTemporaryDir dir;
        const QString path = dir.filePath("Quillmere.day");
        const QByteArray old("04/12/2026\r\n08:00:00, 5,a,\r\n");
        QVERIFY(writeBytes(path, old));
        QVERIFY(!runFailingWrite(how, dir, "Quillmere.day",
            [](const QString &target) { return writeDayFile(target, "05/12/2026", kTwoLines); }));
        QCOMPARE(readBytes(path), old);
    }
};

QTEST_GUILESS_MAIN(DayFileTest)
#include "day_file_test.moc"
