#include "journal/datetime.h"
#include "journal/line_reader.h"
#include "journal/number_reading.h"
#include "journal/text_formats.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"

#include <QTest>

#include <limits>

using namespace qm;

namespace {

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

// The lines of `bytes` read in blocks of `blockSize`, then "failed" when the `failingRead`th read
// (from 1; 0 for none) fails.
QByteArrayList readLines(const QByteArray &bytes, qsizetype blockSize, int failingRead = 0)
{
    qm::test::FailingDevice device(bytes, failingRead, blockSize);
    LineReader reader(device, blockSize);
    QByteArrayList lines;
    QByteArrayView line;
    while (reader.next(line))
        lines.append(line.toByteArray());
    // Once at the end, it stays there.
    if (reader.next(line))
        lines.append("read past the end");
    if (reader.failed())
        lines.append("failed");
    return lines;
}

} // namespace

class TextTest : public QObject
{
    Q_OBJECT

private slots:
    // A French locale would write "1 234,5": every text here must ignore it.
    void initTestCase() { qm::test::useFrenchLocale(); }

    // From 10:00 on 05/12/2026, whole seconds only.
    void minutesElapsed_data()
    {
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<int>("minutes");
        QTest::newRow("equal") << qint64(0) << 1;
        QTest::newRow("60.5 s") << qint64(60'500) << 1;
        QTest::newRow("61 s") << qint64(61'000) << 2;
        QTest::newRow("-1 ms") << qint64(-1) << 0;
        QTest::newRow("-61 s") << qint64(-61'000) << -1;
    }
    void minutesElapsed()
    {
        QFETCH(qint64, msecs);
        const QDateTime start = makeDateTime(QDate(2026, 12, 5), QTime(10, 0));
        QTEST(elapsedMinutes(start, start.addMSecs(msecs)), "minutes");
    }

    // Each reader against what it takes (in the program's own form) or refuses (empty).
    void reading_data()
    {
        QTest::addColumn<QString>("reader");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read");
        using Taken = std::initializer_list<std::pair<const char *, const char *>>;
        const auto rows
            = [](const char *reader, Taken taken, std::initializer_list<const char *> refused) {
                  for (const auto &[text, read] : taken)
                      QTest::addRow("%s \"%s\"", reader, text) << reader << text << read;
                  for (const char *text : refused)
                      QTest::addRow("%s \"%s\"", reader, text) << reader << text << "";
              };
        rows("user date",
            { { "3/12/2026", "03/12/2026" }, { "29/02/2028", "29/02/2028" },
                { "1/1/29", "01/01/2029" }, { "1/1/30", "01/01/1930" } },
            { "29/02/2026", "", "5/12/2026/1", "5/12/202", "+5/12/2026" });
        rows("user time",
            { { "10:30:15", "10:30:15" }, { "9:5", "09:05:00" }, { "0:00", "00:00:00" } },
            { "24:00", "10:60", "10", "1:2:3:4", "10:", "10:30.5" });
        rows("journal date", { { "5/1/2026", "05/01/2026" }, { " 05/12/2026 ", "05/12/2026" } },
            { "31/02/2026", "05/12/26", "005/12/2026", "05/ 12/2026", "/12/2026", "",
                "05/12/99999999" });
    }
    void reading()
    {
        QFETCH(QString, reader);
        QFETCH(QString, text);
        // An invalid date or time shows as no text.
        if (reader == u"user date")
            QTEST(dateText(parseUserDate(text).value_or(QDate())), "read");
        else if (reader == u"user time")
            QTEST(timeText(parseUserTime(text).value_or(QTime())), "read");
        else
            QTEST(dateText(parseJournalDate(text.toLatin1())), "read");
    }

    void durations_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("cell");
        const auto row = [](int minutes, const char *cell) {
            QTest::addRow("%d", minutes) << minutes << QString(cell);
        };
        row(0, " 0 h 00 = 0");
        row(5939, " 98 h 59 = 5939");
        row(5940, " 99 h = 5940");
        row(-1, "-1 h 59 =-1");
        row(-60, "-1 h 00 =-60");
        row(kMax, " 35791394 h = 2147483647");
        row(kMin, "-35791395 h 52 =-2147483648");
    }
    void durations()
    {
        QFETCH(int, minutes);
        QFETCH(QString, cell);
        QCOMPARE(durationCellText(minutes), cell);
        const QString duration = cell.section(QStringLiteral(" ="), 0, 0);
        QCOMPARE(durationText(minutes), duration.trimmed());
        QCOMPARE(dayTotalText(minutes), duration + " (=" + numberText(minutes) + " min.)");
        QCOMPARE(readRoundedNumber(minutesTextOfCell(cell)), minutes);
        // Cells typed by hand: only the first "=" separates.
        QCOMPARE(minutesTextOfCell(u"a=b=c"), u"b=c");
        QCOMPARE(minutesTextOfCell(u"abc"), u"abc");
    }

    // Whatever is typed or pasted stays one field of one line of the journal and the day file.
    void storableText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        // Every break and control is a blank; CR LF is one break, LF CR two.
        QTest::newRow("breaks and controls")
            << QString::fromUtf16(u"a\nb\rc\r\nd\n\re\r\n\r\nf\tg\0h\x7fi\x85j\u2028k\u2029l", 28)
            << "a b c d  e  f g h i j k l";
        QTest::newRow("only line breaks") << QString("\r\n\n\t") << "";
    }
    void storableText()
    {
        QFETCH(QString, typed);
        QTEST(qm::storableText(typed), "stored");
    }

    // Minutes are also read as seconds, with no binary fraction on the way: 0.35 minutes are 21
    // seconds, not 20.999...
    void numberReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rounded");
        QTest::addColumn<int>("floored");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("isNumber");
        const auto row = [](const char *text, int rounded, int floored, qint64 seconds, bool exact,
                             bool isNumber = true) {
            QTest::newRow(text) << QString::fromUtf8(text) << rounded << floored << seconds << exact
                                << isNumber;
        };
        row("", 0, 0, 0, true, false);
        row(" \t  42 x", 42, 42, 2520, true);
        row("+7", 7, 7, 420, true);
        row("- 5", 0, 0, 0, true, false);
        row("13.5", 14, 13, 810, true);
        row("-2.5", -2, -3, -150, true);
        row("12.51", 13, 12, 750, false);
        row("12.5000", 12, 12, 750, true);
        row(".6", 1, 0, 36, true);
        row(".", 0, 0, 0, true, false);
        row("12,7", 12, 12, 720, true);
        row("0.35", 0, 0, 21, true);
        row("1.99999999999999999999", 2, 1, 119, false);
        row("-0.001", 0, -1, -1, false);
        row("2147483648", kMax, kMax, qint64(kMax) * 60, false);
        row("99999999999999999999999999", kMax, kMax, qint64(kMax) * 60, false);
        row("-2147483648", kMin, kMin, qint64(kMin) * 60, true);
        row("-2147483649.5", kMin, kMin, qint64(kMin) * 60, false);
        row("\u0661\u0662", 0, 0, 0, true, false);
    }
    void numberReading()
    {
        QFETCH(QString, text);
        QFETCH(bool, exact);
        QTEST(readRoundedNumber(QStringView(text)), "rounded");
        QTEST(readRoundedNumber(QByteArrayView(text.toUtf8())), "rounded");
        QTEST(readFlooredNumber(text), "floored");
        QTEST(startsWithNumber(text), "isNumber");
        bool read = !exact;
        QTEST(qint64(readScaledNumber(text, 60, &read)), "seconds");
        QCOMPARE(read, exact);
    }

    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArrayList>("lines");
        const auto row = [](const char *name, const QByteArray &bytes, const char *lines) {
            QTest::newRow(name) << bytes << QByteArray(lines).split('|');
        };
        row("final CR alone", "ab\r\ncd\r", "ab|cd");
        row("empty lines", "\n\r\n\nx\n", "|||x");
        row("byte-order mark of the file only", "\357\273\277a\n\357\273\277b\n",
            "a|\357\273\277b");
        row("several byte-order marks", "\357\273\277\357\273\277a\n", "a");
        QTest::newRow("nul bytes")
            << QByteArray("a\0b\n", 4) << QByteArrayList { QByteArray("a\0b", 3) };
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        // Every block size cuts the lines somewhere else, CR LF pairs included.
        for (const qsizetype blockSize : { 1, 2, 3, 7, 64, 1 << 18 })
            QTEST(readLines(bytes, blockSize), "lines");
        // An error at the read that would find the end: the line it cuts is not given.
        QFETCH(QByteArrayList, lines);
        if (!bytes.endsWith('\n') && !lines.isEmpty())
            lines.removeLast();
        QCOMPARE(readLines(bytes, 16, int(bytes.size() + 15) / 16 + 1), lines << "failed");
    }
};

QTEST_GUILESS_MAIN(TextTest)
#include "text_test.moc"
