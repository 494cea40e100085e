#include "journal/number_reading.h"
#include "journal_generator.h"
#include "stats_fixture.h"

#include <QLocale>
#include <QtTest>

using namespace qm::stats;
using qm::stats::test::journalLine;
using qm::stats::test::ProgramFolder;

namespace {

QDate day(int d, int m = 3, int y = 2026)
{
    return QDate(y, m, d);
}

DayNumber dayNumber(QDate date)
{
    return DayNumber(date.toJulianDay());
}

// The tables built the plain way: a chain sorted by insertion, days from walking it, and
// activities found by scanning those already seen. Slow, but obviously right.
struct Reference
{
    std::vector<DayNumber> dates;
    std::vector<std::int32_t> minutes;
    std::vector<QString> names;
    std::vector<std::int32_t> byDate;
    std::vector<DaySummary> days;
    std::vector<std::int32_t> dayOf;
    std::vector<ActivitySummary> activities;
    std::vector<std::int32_t> activityOf;

    explicit Reference(const QString &path)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return;
        for (QByteArray line : file.readAll().split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            const QList<QByteArray> fields = line.split(',');
            if (fields.size() < 3)
                continue;
            const QDate date = QDate::fromString(QString::fromLatin1(fields[0]), u"d/M/yyyy");
            if (!date.isValid())
                continue;
            dates.push_back(dayNumber(date));
            minutes.push_back(qm::readRoundedNumber(fields[1]));
            names.push_back(QString::fromUtf8(fields[2]));
        }
        order();
        buildDays();
        buildActivities();
    }

    void order()
    {
        const int n = int(dates.size());
        std::vector<int> next(std::size_t(n), -1);
        int first = 0, last = 0;
        for (int i = 1; i < n; ++i) {
            if (dates[i] >= dates[last]) {
                next[last] = i;
                last = i;
            } else if (dates[i] < dates[first]) {
                next[i] = first;
                first = i;
            } else {
                int c = first;
                while (dates[i] >= dates[next[c]])
                    c = next[c];
                next[i] = next[c];
                next[c] = i;
            }
        }
        for (int c = n ? first : -1; c >= 0; c = next[c])
            byDate.push_back(c);
    }

    void buildDays()
    {
        dayOf.assign(dates.size(), -1);
        for (std::int32_t e : byDate) {
            if (days.empty() || days.back().date != dates[e])
                days.push_back({ dates[e], 0 });
            days.back().totalMinutes += minutes[e];
            dayOf[e] = std::int32_t(days.size() - 1);
        }
    }

    void buildActivities()
    {
        for (std::size_t e = 0; e < names.size(); ++e) {
            std::size_t i = 0;
            while (i < activities.size() && activities[i].name != names[e])
                ++i;
            if (i == activities.size())
                activities.push_back({ names[e], 0, dates[e], dates[e] });
            activities[i].totalMinutes += minutes[e];
            activities[i].firstDate = std::min(activities[i].firstDate, dates[e]);
            activities[i].lastDate = std::max(activities[i].lastDate, dates[e]);
            activityOf.push_back(std::int32_t(i));
        }
    }
};

} // namespace

class TestStatsLoading : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void daysComeInDateOrder_data();
    void daysComeInDateOrder();
    void equalDatesKeepFileOrder();
    void minutesReading_data();
    void minutesReading();
    void malformedLinesAreSkipped_data();
    void malformedLinesAreSkipped();
    void activitiesByFirstAppearance();
    void sameNameInTwoEncodingsIsOneActivity();
    void totalsDoNotOverflow();
    void missingOrEmptyJournal_data();
    void missingOrEmptyJournal();
    void userName_data();
    void userName();
    void matchesPlainAlgorithms_data();
    void matchesPlainAlgorithms();
};

void TestStatsLoading::daysComeInDateOrder_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QList<QDate>>("dayDates");
    QTest::addColumn<QList<qint64>>("dayTotals");

    QTest::newRow("in order") << journalLine(day(1), 10, "a") + journalLine(day(2), 20, "b")
                              << QList<QDate> { day(1), day(2) } << QList<qint64> { 10, 20 };
    QTest::newRow("an old day closed late")
        << journalLine(day(2), 10, "a") + journalLine(day(3), 20, "a")
            + journalLine(day(1), 30, "b") + journalLine(day(4), 40, "a")
        << QList<QDate> { day(1), day(2), day(3), day(4) } << QList<qint64> { 30, 10, 20, 40 };
    QTest::newRow("two runs of one date")
        << journalLine(day(1), 10, "a") + journalLine(day(2), 20, "b") + journalLine(day(1), 5, "c")
            + journalLine(day(1), 7, "a")
        << QList<QDate> { day(1), day(2) } << QList<qint64> { 22, 20 };
    QTest::newRow("newest first") << journalLine(day(9), 1, "a") + journalLine(day(5), 2, "a")
            + journalLine(day(1, 1), 3, "a")
                                  << QList<QDate> { day(1, 1), day(5), day(9) }
                                  << QList<qint64> { 3, 2, 1 };
    QTest::newRow("short and long day forms are one day")
        << QByteArray("05/12/2026, 10,a,\r\n5/12/2026, 20,b,\r\n05/2/2026, 1,a,\r\n"
                      "5/02/2026, 2,a,\r\n")
        << QList<QDate> { day(5, 2), day(5, 12) } << QList<qint64> { 3, 30 };
}

void TestStatsLoading::daysComeInDateOrder()
{
    QFETCH(QByteArray, journal);
    QFETCH(QList<QDate>, dayDates);
    QFETCH(QList<qint64>, dayTotals);
    ProgramFolder folder;
    QVERIFY(folder.writeJournal(journal));
    const QMstat stats = folder.load();

    QCOMPARE(stats.dayCount(), dayDates.size());
    for (qsizetype i = 0; i < dayDates.size(); ++i) {
        QCOMPARE(QDate::fromJulianDay(stats.days()[std::size_t(i)].date), dayDates[i]);
        QCOMPARE(stats.days()[std::size_t(i)].totalMinutes, dayTotals[i]);
    }
    QCOMPARE(stats.earliestDate(), dayDates.first());
    QCOMPARE(stats.latestDate(), dayDates.last());
    for (std::size_t e = 0; e < stats.entryDates().size(); ++e)
        QCOMPARE(stats.days()[std::size_t(stats.entryDayIndices()[e])].date, stats.entryDates()[e]);
    for (qsizetype d = 0; d < dayDates.size(); ++d)
        QCOMPARE(stats.findDay(dayNumber(dayDates[d])), qint64(d));
    QCOMPARE(stats.findDay(dayNumber(day(20, 7))), -1);
}

void TestStatsLoading::equalDatesKeepFileOrder()
{
    ProgramFolder folder;
    QVERIFY(folder.writeJournal(journalLine(day(2), 1, "a") + journalLine(day(1), 2, "b")
        + journalLine(day(2), 3, "c") + journalLine(day(1), 4, "d") + journalLine(day(3), 5, "e")
        + journalLine(day(1), 6, "f")));
    const QMstat stats = folder.load();
    const std::vector<std::int32_t> expected { 1, 3, 5, 0, 2, 4 };
    QCOMPARE(stats.entriesByDate(), expected);
}

void TestStatsLoading::minutesReading_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("minutes");
    QTest::newRow("leading blank") << QByteArray(" 65") << 65;
    QTest::newRow("plain") << QByteArray("65") << 65;
    QTest::newRow("trailing letters") << QByteArray("65abc") << 65;
    QTest::newRow("no number") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
    QTest::newRow("half down to even") << QByteArray("12.5") << 12;
    QTest::newRow("half up to even") << QByteArray("13.5") << 14;
    QTest::newRow("negative") << QByteArray("-5") << -5;
}

void TestStatsLoading::minutesReading()
{
    QFETCH(QByteArray, field);
    QFETCH(int, minutes);
    ProgramFolder folder;
    QVERIFY(folder.writeJournal("01/03/2026," + field + ",a,\r\n01/03/2026, 100,b,\r\n"));
    const QMstat stats = folder.load();
    QCOMPARE(stats.entryCount(), 2);
    QCOMPARE(stats.entryMinutes().front(), minutes);
    QCOMPARE(stats.totalMinutes(), minutes + 100);
    QCOMPARE(stats.activities().front().totalMinutes, minutes);
    QCOMPARE(stats.days().front().totalMinutes, minutes + 100);
}

void TestStatsLoading::malformedLinesAreSkipped_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("entries");
    QTest::newRow("three fields") << QByteArray("01/03/2026, 20,a") << 1;
    QTest::newRow("five fields") << QByteArray("01/03/2026, 20,a,b,c") << 1;
    QTest::newRow("empty line") << QByteArray("") << 0;
    QTest::newRow("blanks") << QByteArray("   ") << 0;
    QTest::newRow("two fields") << QByteArray("01/03/2026, 20") << 0;
    QTest::newRow("not a date") << QByteArray("hier, 20,a,") << 0;
    QTest::newRow("impossible date") << QByteArray("31/02/2026, 20,a,") << 0;
    QTest::newRow("date without year") << QByteArray("01/03, 20,a,") << 0;
    QTest::newRow("lone LF") << QByteArray("\n01/03/2026, 20,a,") << 1;
    QTest::newRow("blanks around the date") << QByteArray(" 01/03/2026 , 20,a,") << 1;
    QTest::newRow("blank inside the date") << QByteArray("01/ 03/2026, 20,a,") << 0;
}

void TestStatsLoading::malformedLinesAreSkipped()
{
    QFETCH(QByteArray, line);
    QFETCH(int, entries);
    ProgramFolder folder;
    QVERIFY(folder.writeJournal(
        journalLine(day(1), 10, "x") + line + "\r\n\r\n" + journalLine(day(2), 30, "x")));
    const QMstat stats = folder.load();
    QCOMPARE(stats.entryCount(), entries + 2);
    QCOMPARE(stats.totalMinutes(), 40 + 20 * entries);
    QCOMPARE(stats.activityCount(), 1 + entries);
    QCOMPARE(stats.latestDate(), day(2));
}

void TestStatsLoading::activitiesByFirstAppearance()
{
    ProgramFolder folder;
    QVERIFY(
        folder.writeJournal(journalLine(day(5), 10, "Réunion") + journalLine(day(2), 20, "Zèbre")
            + journalLine(day(1), 30, "Réunion ") + journalLine(day(9), 40, "Réunion")
            + journalLine(day(3), 50, "réunion") + journalLine(day(4), 60, "Zèbre")));
    const QMstat stats = folder.load();
    const auto &a = stats.activities();
    QCOMPARE(a.size(), 4u);
    const QStringList names { "Réunion", "Zèbre", "Réunion ", "réunion" };
    const QList<qint64> totals { 50, 80, 30, 50 };
    const QList<QDate> firsts { day(5), day(2), day(1), day(3) };
    const QList<QDate> lasts { day(9), day(4), day(1), day(3) };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(a[i].name, names[i]);
        QCOMPARE(a[i].totalMinutes, totals[i]);
        QCOMPARE(QDate::fromJulianDay(a[i].firstDate), firsts[i]);
        QCOMPARE(QDate::fromJulianDay(a[i].lastDate), lasts[i]);
    }
    const std::vector<std::int32_t> indices { 0, 1, 2, 0, 3, 1 };
    QCOMPARE(stats.entryActivityIndices(), indices);
}

void TestStatsLoading::sameNameInTwoEncodingsIsOneActivity()
{
    ProgramFolder folder;
    QVERIFY(folder.writeJournal(QByteArray("01/03/2026, 10,R\xc3\xa9union,\r\n"
                                           "02/03/2026, 20,R\xe9union,\r\n")));
    const QMstat stats = folder.load();
    QCOMPARE(stats.activityCount(), 1);
    QCOMPARE(stats.activities().front().name, QStringLiteral("Réunion"));
    QCOMPARE(stats.activities().front().totalMinutes, 30);
}

void TestStatsLoading::totalsDoNotOverflow()
{
    ProgramFolder folder;
    QVERIFY(folder.writeJournal(journalLine(day(1), 2'000'000'000, "a")
        + journalLine(day(1), 2'000'000'000, "a") + journalLine(day(2), 2'000'000'000, "b")));
    const QMstat stats = folder.load();
    QCOMPARE(stats.totalMinutes(), 6'000'000'000LL);
    QCOMPARE(stats.days().front().totalMinutes, 4'000'000'000LL);
    QCOMPARE(stats.activities().front().totalMinutes, 4'000'000'000LL);
}

void TestStatsLoading::missingOrEmptyJournal_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("journal");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
    QTest::newRow("only bad lines") << true << QByteArray("\r\nabc\r\n,,,\r\n");
}

void TestStatsLoading::missingOrEmptyJournal()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, journal);
    ProgramFolder folder;
    if (exists)
        QVERIFY(folder.writeJournal(journal));
    const QMstat stats = folder.load();
    QCOMPARE(stats.entryCount(), 0);
    QCOMPARE(stats.dayCount(), 0);
    QCOMPARE(stats.activityCount(), 0);
    QCOMPARE(stats.totalMinutes(), 0);
    QVERIFY(!stats.earliestDate().isValid());
    QVERIFY(!stats.latestDate().isValid());
    QCOMPARE(stats.findDay(dayNumber(day(1))), -1);
}

void TestStatsLoading::userName_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("userName");
    QTest::newRow("no file") << false << QByteArray() << "-";
    QTest::newRow("no User line") << true << QByteArray("Version=3\r\n") << "-";
    QTest::newRow("one") << true << QByteArray("Version=3\r\nUser=Dupont\r\n") << "Dupont";
    QTest::newRow("last one wins")
        << true << QByteArray("User=Dupont\r\n\r\nUser=Martin\r\n") << "Martin";
    QTest::newRow("up to the next =") << true << QByteArray("User=a=b\r\n") << "a";
    QTest::newRow("key is case-sensitive") << true << QByteArray("user=x\r\nUSER=y\r\n") << "-";
    QTest::newRow("User without =") << true << QByteArray("User=Léa\r\nUser\r\n") << "Léa";
}

void TestStatsLoading::userName()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, settings);
    QFETCH(QString, userName);
    ProgramFolder folder;
    if (exists)
        QVERIFY(folder.writeSettings(settings));
    QVERIFY(folder.writeJournal(journalLine(day(1), 1, "a")));
    QCOMPARE(folder.load().userName(), userName);
}

void TestStatsLoading::matchesPlainAlgorithms_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<double>("outOfOrder");
    QTest::newRow("in order") << 3000 << 0.0;
    QTest::newRow("2 % late") << 3000 << 2.0;
    QTest::newRow("30 % late") << 3000 << 30.0;
}

void TestStatsLoading::matchesPlainAlgorithms()
{
    QFETCH(int, entries);
    QFETCH(double, outOfOrder);
    ProgramFolder folder;
    qm::journalgen::GeneratorOptions options;
    options.entries = entries;
    options.seed = 7;
    options.outOfOrderPercent = outOfOrder;
    QVERIFY(qm::journalgen::generateJournal(
        folder.file(QStringLiteral("Quillmere.log")).toStdString(), options));
    const QMstat stats = folder.load();
    const Reference ref(folder.file(QStringLiteral("Quillmere.log")));

    QCOMPARE(stats.entryCount(), entries);
    QCOMPARE(stats.entryDates(), ref.dates);
    QCOMPARE(stats.entryMinutes(), ref.minutes);
    QCOMPARE(stats.entriesByDate(), ref.byDate);
    QCOMPARE(stats.entryDayIndices(), ref.dayOf);
    QCOMPARE(stats.entryActivityIndices(), ref.activityOf);
    QCOMPARE(stats.dayCount(), qint64(ref.days.size()));
    for (std::size_t d = 0; d < ref.days.size(); ++d) {
        QCOMPARE(stats.days()[d].date, ref.days[d].date);
        QCOMPARE(stats.days()[d].totalMinutes, ref.days[d].totalMinutes);
    }
    QCOMPARE(stats.activityCount(), qint64(ref.activities.size()));
    std::int64_t sum = 0;
    for (std::size_t i = 0; i < ref.activities.size(); ++i) {
        QCOMPARE(stats.activities()[i].name, ref.activities[i].name);
        QCOMPARE(stats.activities()[i].totalMinutes, ref.activities[i].totalMinutes);
        QCOMPARE(stats.activities()[i].firstDate, ref.activities[i].firstDate);
        QCOMPARE(stats.activities()[i].lastDate, ref.activities[i].lastDate);
        sum += stats.activities()[i].totalMinutes;
    }
    QCOMPARE(sum, stats.totalMinutes());
}

QTEST_GUILESS_MAIN(TestStatsLoading)
#include "tst_stats_loading.moc"
