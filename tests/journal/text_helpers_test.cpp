#include "journal/number_reading.h"
#include "journal/text_codec.h"
#include "journal/text_formats.h"

#include <QLocale>
#include <QTest>

#include <limits>

using namespace qm;

class TextHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    // A French locale would write "1 234,5": every text here must ignore it.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void durations_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("formatted");
        QTest::addColumn<QString>("plain");
        QTest::newRow("0") << 0 << " 0 h 00"
                           << "0 h 00";
        QTest::newRow("59") << 59 << " 0 h 59"
                            << "0 h 59";
        QTest::newRow("60") << 60 << " 1 h 00"
                            << "1 h 00";
        QTest::newRow("65") << 65 << " 1 h 05"
                            << "1 h 05";
        QTest::newRow("750") << 750 << " 12 h 30"
                             << "12 h 30";
        QTest::newRow("5939") << 5939 << " 98 h 59"
                              << "98 h 59";
        QTest::newRow("5940") << 5940 << " 99 h"
                              << "99 h";
        QTest::newRow("6000") << 6000 << " 100 h"
                              << "100 h";
        QTest::newRow("-1") << -1 << "-1 h 59"
                            << "-1 h 59";
        QTest::newRow("-5") << -5 << "-1 h 55"
                            << "-1 h 55";
        QTest::newRow("-60") << -60 << "-1 h 00"
                             << "-1 h 00";
        QTest::newRow("-61") << -61 << "-2 h 59"
                             << "-2 h 59";
        QTest::newRow("largest") << std::numeric_limits<int>::max() << " 35791394 h"
                                 << "35791394 h";
        QTest::newRow("smallest") << std::numeric_limits<int>::min() << "-35791395 h 52"
                                  << "-35791395 h 52";
    }
    void durations()
    {
        QFETCH(int, minutes);
        QTEST(FormatDuration(minutes), "formatted");
        QTEST(DurationText(minutes), "plain");
    }

    void composites_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("total");
        QTest::newRow("65") << 65 << " 65"
                            << " 1 h 05 = 65"
                            << " 1 h 05 (= 65 min.)";
        QTest::newRow("450") << 450 << " 450"
                             << " 7 h 30 = 450"
                             << " 7 h 30 (= 450 min.)";
        QTest::newRow("0") << 0 << " 0"
                           << " 0 h 00 = 0"
                           << " 0 h 00 (= 0 min.)";
        QTest::newRow("-5") << -5 << "-5"
                            << "-1 h 55 =-5"
                            << "-1 h 55 (=-5 min.)";
        QTest::newRow("12345") << 12345 << " 12345"
                               << " 205 h = 12345"
                               << " 205 h (= 12345 min.)";
    }
    void composites()
    {
        QFETCH(int, minutes);
        QTEST(NumberText(minutes), "number");
        QTEST(DurationCellText(minutes), "cell");
        QTEST(DayTotalText(minutes), "total");
        QFETCH(QString, cell);
        QCOMPARE(readRoundedNumber(minutesTextOfCell(cell)), minutes);
    }

    void cellMinutes_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("minutes");
        QTest::newRow("cell") << " 1 h 05 = 65"
                              << " 65";
        QTest::newRow("first = only") << "a=b=c"
                                      << "b=c";
        QTest::newRow("no =") << "abc"
                              << "abc";
        QTest::newRow("ends with =") << "abc="
                                     << "";
    }
    void cellMinutes()
    {
        QFETCH(QString, cell);
        QTEST(minutesTextOfCell(cell).toString(), "minutes");
    }

    void replaceCommas_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("replaced");
        QTest::newRow("several") << "a,b,,c"
                                 << "a;b;;c";
        QTest::newRow("none") << "client;devis"
                              << "client;devis";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only commas") << ",,,"
                                     << ";;;";
    }
    void replaceCommas()
    {
        QFETCH(QString, text);
        QTEST(ReplaceCommas(text), "replaced");
    }

    void numberReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rounded");
        QTest::addColumn<int>("floored");
        QTest::addColumn<bool>("isNumber");
        const int max = std::numeric_limits<int>::max();
        const int min = std::numeric_limits<int>::min();
        QTest::newRow("leading blank") << " 65" << 65 << 65 << true;
        QTest::newRow("bare") << "65" << 65 << 65 << true;
        QTest::newRow("trailing letters") << "65abc" << 65 << 65 << true;
        QTest::newRow("letters") << "abc" << 0 << 0 << false;
        QTest::newRow("empty") << "" << 0 << 0 << false;
        QTest::newRow("blanks and tab") << " \t  42 x" << 42 << 42 << true;
        QTest::newRow("plus") << "+7" << 7 << 7 << true;
        QTest::newRow("sign alone") << "-" << 0 << 0 << false;
        QTest::newRow("blank after sign") << "- 5" << 0 << 0 << false;
        QTest::newRow("half to even down") << "12.5" << 12 << 12 << true;
        QTest::newRow("half to even up") << "13.5" << 14 << 13 << true;
        QTest::newRow("negative half") << "-2.5" << -2 << -3 << true;
        QTest::newRow("negative half odd") << "-3.5" << -4 << -4 << true;
        QTest::newRow("above half") << "12.51" << 13 << 12 << true;
        QTest::newRow("below half") << "12.49999" << 12 << 12 << true;
        QTest::newRow("trailing zeros of a half") << "12.5000" << 12 << 12 << true;
        QTest::newRow("fraction only") << ".6" << 1 << 0 << true;
        QTest::newRow("negative fraction") << "-0.2" << 0 << -1 << true;
        QTest::newRow("dot alone") << "." << 0 << 0 << false;
        QTest::newRow("comma is no decimal point") << "12,7" << 12 << 12 << true;
        QTest::newRow("exponent ignored") << "1e5" << 1 << 1 << true;
        QTest::newRow("largest") << "2147483647" << max << max << true;
        QTest::newRow("beyond 32 bits") << "2147483648" << max << max << true;
        QTest::newRow("far beyond") << "99999999999999999999999999" << max << max << true;
        QTest::newRow("smallest") << "-2147483648" << min << min << true;
        QTest::newRow("below 32 bits") << "-2147483649.5" << min << min << true;
        QTest::newRow("non-ascii digits") << "\u0661\u0662" << 0 << 0 << false;
    }
    void numberReading()
    {
        QFETCH(QString, text);
        QTEST(readRoundedNumber(QStringView(text)), "rounded");
        QTEST(readRoundedNumber(QByteArrayView(text.toUtf8())), "rounded");
        QTEST(readFlooredNumber(text), "floored");
        QTEST(startsWithNumber(text), "isNumber");
    }

    void decoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("abc") << "abc";
        QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC") << "café €";
        QTest::newRow("1252 e acute") << QByteArray("caf\xE9") << "café";
        QTest::newRow("1252 euro") << QByteArray("\x80") << "€";
        QTest::newRow("1252 quotes") << QByteArray("\x93x\x94\x85") << "“x”…";
        QTest::newRow("1252 unassigned") << QByteArray("\x81") << QString(QChar(0x81));
        QTest::newRow("cut sequence") << QByteArray("a\xC3") << "aÃ";
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") << "í\u00A0€";
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << "À¯";
        QTest::newRow("nul") << QByteArray("a\0b", 3) << QString("a") + QChar(0) + "b";
        // QString::fromUtf8() would drop the mark from the expected text itself.
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBFx") << QString(QChar(0xFEFF)) + u'x';
    }
    void decoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeText(bytes), text);
        QCOMPARE(decodeText(encodeText(text)), text);
    }

    void dateAndTimeTexts_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("dateText");
        QTest::addColumn<QString>("timeText");
        QTest::addColumn<QString>("shortTimeText");
        QTest::newRow("padded") << QDate(2026, 3, 5) << QTime(7, 4, 9) << "05/03/2026"
                                << "07:04:09"
                                << "07:04";
        QTest::newRow("afternoon") << QDate(2026, 12, 31) << QTime(23, 59, 59) << "31/12/2026"
                                   << "23:59:59"
                                   << "23:59";
        QTest::newRow("midnight") << QDate(2027, 1, 1) << QTime(0, 0) << "01/01/2027"
                                  << "00:00:00"
                                  << "00:00";
    }
    void dateAndTimeTexts()
    {
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QTEST(dateText(date), "dateText");
        QTEST(timeText(time), "timeText");
        QTEST(shortTimeText(time), "shortTimeText");
    }
};

QTEST_GUILESS_MAIN(TextHelpersTest)
#include "text_helpers_test.moc"
