#include "journal/day_file.h"
#include "journal/journal_file.h"
#include "journal/number_reading.h"
#include "journal/settings.h"
#include "test_support.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace qm;
using namespace qm::test;

// Whatever lies in the program's files, every reader finishes and keeps what it can use.
class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void badInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("recordsOfDate");
        QTest::addColumn<qint64>("minutes");
        QTest::addColumn<int>("activities");
        QTest::addColumn<int>("dayLines");
        const QByteArray huge(10 << 20, 'x');
        const qint64 max = std::numeric_limits<int>::max();
        QTest::newRow("10 MB without line end") << huge << 0 << 0 << 0LL << 0 << 0;
        QTest::newRow("10 MB of separators")
            << "Activity=" + QByteArray(10 << 20, '=') + QByteArray(10 << 20, ',') << 1 << 0 << 0LL
            << 1 << 0;
        QTest::newRow("10 MB comment") << "05/12/2026, 5,a," + huge + "\r\n05/12/2026, 6,b,\r\n"
                                       << 2 << 2 << 11LL << 0 << 1;
        QTest::newRow("nul bytes")
            << QByteArray("\0\0,\0,\0,\0\r\n\0\n\0", 13) << 1 << 0 << 0LL << 0 << 0;
        QTest::newRow("invalid utf-8")
            << QByteArray("\xFF\xFE\r\n\xC3,\x80,\xE9,\xC0\r\nActivity=\xFF\r\n") << 1 << 0 << 0LL
            << 1 << 1;
        QTest::newRow("numbers beyond 32 bits")
            << QByteArray("05/12/2026,99999999999999999999,a,\r\nMessage=99999999999=Faux\r\n"
                          "05/12/2026,-99999999999999999999,a,\r\n")
            << 2 << 2 << -1LL << 0 << 1;
        QTest::newRow("huge sum of minutes")
            << QByteArray("05/12/2026,2147483647,a,\r\n05/12/2026, 2147483647,b,\r\n") << 2 << 2
            << 2 * max << 0 << 1;
        QTest::newRow("only line ends") << QByteArray("\r\n\n\r\n\r") << 0 << 0 << 0LL << 0 << 0;
    }
    void badInput()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        QVERIFY(writeBytes(path, bytes));

        int records = 0;
        QVERIFY(readJournal(path, [&](const JournalRecord &) { ++records; }));
        QTEST(records, "records");
        int recordsOfDate = 0;
        qint64 minutes = 0;
        QVERIFY(readJournalOfDate(path, "05/12/2026", [&](const JournalRecord &r) {
            ++recordsOfDate;
            minutes += readRoundedNumber(r.minutesText);
        }));
        QTEST(recordsOfDate, "recordsOfDate");
        QTEST(minutes, "minutes");

        SettingsModel settings;
        QVERIFY(LoadSettings(path, settings));
        QTEST(int(settings.currentActivities.count()), "activities");

        const auto day = readDayFile(path);
        QVERIFY(day);
        QTEST(int(day->lines.size()), "dayLines");
        QCOMPARE(readDayFileDate(path), day->date);
    }
};

QTEST_GUILESS_MAIN(RobustnessTest)
#include "robustness_test.moc"
