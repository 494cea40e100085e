#include "journal/line_reader.h"

#include <QBuffer>
#include <QLocale>
#include <QTest>

using namespace qm;

namespace {

QByteArrayList readLines(QByteArray bytes, qsizetype blockSize)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, blockSize);
    QByteArrayList lines;
    QByteArrayView line;
    while (reader.next(line))
        lines.append(line.toByteArray());
    // Once at the end, it stays there.
    if (reader.next(line))
        lines.append("read past the end");
    return lines;
}

} // namespace

class LineReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::newRow("empty") << QByteArray() << QByteArrayList();
        QTest::newRow("CR LF") << QByteArray("ab\r\ncd\r\n") << QByteArrayList { "ab", "cd" };
        QTest::newRow("LF") << QByteArray("ab\ncd\n") << QByteArrayList { "ab", "cd" };
        QTest::newRow("no final end") << QByteArray("ab\r\ncd") << QByteArrayList { "ab", "cd" };
        QTest::newRow("final CR alone")
            << QByteArray("ab\r\ncd\r") << QByteArrayList { "ab", "cd" };
        QTest::newRow("empty lines")
            << QByteArray("\n\r\n\nx\n") << QByteArrayList { "", "", "", "x" };
        QTest::newRow("only one CR is the end")
            << QByteArray("a\r\r\nb") << QByteArrayList { "a\r", "b" };
        QTest::newRow("CR inside a line") << QByteArray("a\rb\n") << QByteArrayList { "a\rb" };
        QTest::newRow("nul bytes") << QByteArray("a\0b\n\0\n", 6)
                                   << QByteArrayList { QByteArray("a\0b", 3), QByteArray(1, '\0') };
        QTest::newRow("byte-order mark of the file") << QByteArray("\xEF\xBB\xBF"
                                                                   "a\n\xEF\xBB\xBF"
                                                                   "b\n")
                                                     << QByteArrayList { "a",
                                                            "\xEF\xBB\xBF"
                                                            "b" };
        QTest::newRow("byte-order mark alone") << QByteArray("\xEF\xBB\xBF") << QByteArrayList();
        QTest::newRow("start of a byte-order mark")
            << QByteArray("\xEF\xBB") << QByteArrayList { "\xEF\xBB" };
        QTest::newRow("long lines")
            << QByteArray(1000, 'x') + "\r\n" + QByteArray(999, 'y')
            << QByteArrayList { QByteArray(1000, 'x'), QByteArray(999, 'y') };
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArrayList, lines);
        // Every block size cuts the lines somewhere else, CR LF pairs included.
        for (const qsizetype blockSize : { 1, 2, 3, 7, 64, 1 << 18 })
            QCOMPARE(readLines(bytes, blockSize), lines);
    }

    void tenMegabyteLineWithoutEnd()
    {
        QByteArray bytes(10 << 20, 'x');
        bytes[0] = 'a';
        bytes[bytes.size() - 1] = 'z';
        const QByteArrayList lines = readLines(bytes, 4096);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first(), bytes);
    }
};

QTEST_GUILESS_MAIN(LineReaderTest)
#include "line_reader_test.moc"
