#include "journal/datetime.h"

#include <QLocale>
#include <QTest>

using namespace qm;

namespace {

const QDateTime kStart = makeDateTime(QDate(2026, 12, 5), QTime(10, 0));

} // namespace

class DateTimeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void elapsedMinutes_data()
    {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<qint64>("msecs");
        QTest::addColumn<int>("minutes");
        QTest::newRow("equal") << kStart << 0LL << 1;
        QTest::newRow("30 s") << kStart << 30'000LL << 1;
        QTest::newRow("60 s") << kStart << 60'000LL << 1;
        QTest::newRow("61 s") << kStart << 61'000LL << 2;
        QTest::newRow("119.9 s") << kStart << 119'900LL << 2;
        QTest::newRow("120 s") << kStart << 120'000LL << 2;
        QTest::newRow("60.5 s") << kStart << 60'500LL << 1;
        QTest::newRow("3600 s") << kStart << 3'600'000LL << 60;
        QTest::newRow("3601 s") << kStart << 3'601'000LL << 61;
        QTest::newRow("2 h") << kStart << 7'200'000LL << 120;
        QTest::newRow("-0.5 s") << kStart << -500LL << 0;
        QTest::newRow("-30 s") << kStart << -30'000LL << 0;
        QTest::newRow("-60 s") << kStart << -60'000LL << -1;
        QTest::newRow("-61 s") << kStart << -61'000LL << -1;
        QTest::newRow("-120 s") << kStart << -120'000LL << -2;
        QTest::newRow("across midnight")
            << makeDateTime(QDate(2026, 12, 5), QTime(23, 0)) << 70 * 60'000LL << 70;
        // Wall-clock arithmetic: the night the clocks go back still has 60 minutes per hour.
        QTest::newRow("across a clock change")
            << makeDateTime(QDate(2026, 10, 25), QTime(1, 30)) << 3'600'000LL << 60;
    }
    void elapsedMinutes()
    {
        QFETCH(QDateTime, start);
        QFETCH(qint64, msecs);
        QTEST(ElapsedMinutes(start, start.addMSecs(msecs)), "minutes");
    }

    void addMinutesIsWallClock()
    {
        const QDateTime night = makeDateTime(QDate(2026, 3, 29), QTime(1, 30));
        QCOMPARE(addMinutes(night, 60), makeDateTime(QDate(2026, 3, 29), QTime(2, 30)));
        QCOMPARE(addMinutes(night, -24 * 60), makeDateTime(QDate(2026, 3, 28), QTime(1, 30)));
    }

    void userDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date"); // invalid: refused
        QTest::newRow("one-digit day") << "3/12/2026" << QDate(2026, 12, 3);
        QTest::newRow("full") << "05/12/2026" << QDate(2026, 12, 5);
        QTest::newRow("leap day") << "29/02/2028" << QDate(2028, 2, 29);
        QTest::newRow("two-digit year 29") << "1/1/29" << QDate(2029, 1, 1);
        QTest::newRow("two-digit year 30") << "1/1/30" << QDate(1930, 1, 1);
        QTest::newRow("31 February") << "31/02/2026" << QDate();
        QTest::newRow("29 February 2026") << "29/02/2026" << QDate();
        QTest::newRow("month 13") << "1/13/2026" << QDate();
        QTest::newRow("year only") << "2026" << QDate();
        QTest::newRow("letters") << "abc" << QDate();
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("two parts") << "5/12" << QDate();
        QTest::newRow("four parts") << "5/12/2026/1" << QDate();
        QTest::newRow("three-digit year") << "5/12/202" << QDate();
        QTest::newRow("signed day") << "+5/12/2026" << QDate();
        QTest::newRow("other separator") << "05-12-2026" << QDate();
    }
    void userDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(parseUserDate(text).value_or(QDate()), date);
    }

    void userTime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QTime>("time"); // invalid: refused
        QTest::newRow("h:m") << "10:30" << QTime(10, 30);
        QTest::newRow("h:m:s") << "10:30:15" << QTime(10, 30, 15);
        QTest::newRow("one digit") << "9:5" << QTime(9, 5);
        QTest::newRow("midnight") << "0:00" << QTime(0, 0);
        QTest::newRow("hour 25") << "25:00" << QTime();
        QTest::newRow("hour 24") << "24:00" << QTime();
        QTest::newRow("minute 60") << "10:60" << QTime();
        QTest::newRow("hour only") << "10" << QTime();
        QTest::newRow("four parts") << "1:2:3:4" << QTime();
        QTest::newRow("letters") << "ab:cd" << QTime();
        QTest::newRow("empty minutes") << "10:" << QTime();
        QTest::newRow("fraction") << "10:30.5" << QTime();
    }
    void userTime()
    {
        QFETCH(QString, text);
        QFETCH(QTime, time);
        QCOMPARE(parseUserTime(text).value_or(QTime()), time);
    }

    void journalDate_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QDate>("date"); // invalid: not a journal date
        QTest::newRow("full") << QByteArray("05/12/2026") << QDate(2026, 12, 5);
        QTest::newRow("short") << QByteArray("5/1/2026") << QDate(2026, 1, 5);
        QTest::newRow("not a day") << QByteArray("31/02/2026") << QDate();
        QTest::newRow("two-digit year") << QByteArray("05/12/26") << QDate();
        QTest::newRow("three-digit day") << QByteArray("005/12/2026") << QDate();
        QTest::newRow("blank") << QByteArray(" 05/12/2026") << QDate();
        QTest::newRow("four parts") << QByteArray("05/12/2026/1") << QDate();
        QTest::newRow("empty day") << QByteArray("/12/2026") << QDate();
        QTest::newRow("empty") << QByteArray() << QDate();
        QTest::newRow("huge year") << QByteArray("05/12/99999999") << QDate();
    }
    void journalDate()
    {
        QFETCH(QByteArray, field);
        QTEST(parseJournalDate(field), "date");
    }
};

QTEST_GUILESS_MAIN(DateTimeTest)
#include "datetime_test.moc"
