#include "journal/number_reading.h"
#include "journal/text_codec.h"
#include "journal_generator.h"
#include "rig.h"
#include "tests/support/failing_io.h"
#include "tests/support/locale.h"

#include <QtTest>

#include <algorithm>
#include <numeric>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::FileRead;

namespace {

// The tables built the plain way: a stable sort for the date order, days from walking it, and
// activities found by scanning those already seen, names decoded as the journal's text. Slow, but
// obviously right.
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
            const QList<QByteArray> fields = line.trimmed().split(',');
            const QDate date = QDate::fromString(QString::fromLatin1(fields[0]), u"d/M/yyyy");
            if (fields.size() < 3 || !date.isValid())
                continue;
            dates.push_back(DayNumber(date.toJulianDay()));
            minutes.push_back(qm::readRoundedNumber(fields[1]));
            names.push_back(qm::decodeText(fields[2]));
        }
        byDate.resize(dates.size());
        std::iota(byDate.begin(), byDate.end(), 0);
        std::stable_sort(byDate.begin(), byDate.end(),
            [this](std::int32_t a, std::int32_t b) { return dates[a] < dates[b]; });
        dayOf.assign(dates.size(), -1);
        for (std::int32_t e : byDate) {
            if (days.empty() || days.back().date != dates[e])
                days.push_back({ dates[e], 0 });
            days.back().totalMinutes += minutes[e];
            dayOf[e] = std::int32_t(days.size() - 1);
        }
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

// Each activity as "name minutes first-last", so that the tables compare whole.
QStringList summaries(const std::vector<ActivitySummary> &activities)
{
    QStringList texts;
    for (const ActivitySummary &a : activities)
        texts.append(a.name + u' ' + QString::number(a.totalMinutes) + u' '
            + QDate::fromJulianDay(a.firstDate).toString(u"d/M/yy") + u'-'
            + QDate::fromJulianDay(a.lastDate).toString(u"d/M/yy"));
    return texts;
}

} // namespace

class LoadingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // A journal read only in part gives no entry at all, and says so. One that cannot be opened is
    // WindowsTest::unreadableJournalShowsNoFigures.
    void unreadJournalGivesNoEntry_data()
    {
        QTest::addColumn<int>("failingRead"); // 0: no error
        QTest::addColumn<FileRead>("read");
        QTest::newRow("whole") << 0 << FileRead::Read;
        QTest::newRow("first read fails") << 1 << FileRead::Unreadable;
        QTest::newRow("read in the middle fails") << 3 << FileRead::Unreadable;
    }
    void unreadJournalGivesNoEntry()
    {
        QFETCH(int, failingRead);
        QFETCH(FileRead, read);
        QByteArray journal;
        for (int d = 1; d <= 6; ++d)
            journal += journalLine(march(d), 10, "a");
        Statistics stats;
        qm::test::FailingDevice device(journal, failingRead, 40);
        stats.loadJournal(device);
        QCOMPARE(stats.journalRead(), read);
        const bool whole = read == FileRead::Read;
        QCOMPARE(stats.entryCount(), whole ? 6 : 0);
        QCOMPARE(stats.totalMinutes(), whole ? 60 : 0);
    }

    // Without a settings file the user is "-"; the file's lines themselves are read as in
    // tests/journal/files_test.cpp, and a user named there shows in WindowsTest::reportWindows.
    void userName() { QCOMPARE(ProgramFolder().load().userName(), "-"); }

    // The tables as the plain way builds them, over a generated journal and small ones: days
    // written in both forms, totals beyond 32 bits, activities in the order they first appear, one
    // of them also written by an older version, in Windows-1252; one line between two good ones,
    // read or not. The dates and numbers a field holds are read as in tests/journal/text_test.cpp.
    void matchesPlainAlgorithms_data()
    {
        QTest::addColumn<QByteArray>("journal"); // null: 2000 generated entries
        QTest::addColumn<double>("outOfOrder");
        QTest::newRow("generated, 30 % late") << QByteArray() << 30.0;
        QTest::newRow("short and long day forms are one day") << QByteArray(
            "05/12/2026, 10,a,\r\n5/12/2026, 20,b,\r\n05/2/2026, 1,a,\r\n"
            "5/02/2026, 2,a,\r\n") << 0.0;
        QTest::newRow("totals beyond 32 bits")
            << journalLine(march(1), 2'000'000'000, "a") + journalLine(march(1), 2'000'000'000, "a")
                + journalLine(march(2), 2'000'000'000, "b")
            << 0.0;
        QTest::newRow("activities by first appearance") << journalLine(march(5), 10, "Réunion")
                + journalLine(march(2), 20, "Zèbre") + journalLine(march(1), 30, "Réunion ")
                + journalLine(march(9), 40, "Réunion") + journalLine(march(3), 50, "réunion")
                + journalLine(march(4), 60, "Zèbre")
                + "06/03/2026, 5,R\xe9union,\r\n" << 0.0;
        const auto between = [](const char *name, const QByteArray &line) {
            const QByteArray before = journalLine(march(1), 10, "x") + line + "\r\n\r\n";
            QTest::newRow(name) << before + journalLine(march(2), 30, "x") << 0.0;
        };
        between("no number", "01/03/2026,abc,a,");
        between("three fields", "01/03/2026, 20,a");
        between("three fields, the last empty", "01/03/2026, 20,");
        between("five fields", "01/03/2026, 20,a,b,c");
        between("blanks", "   ");
        between("two fields", "01/03/2026, 20");
        between("date without year", "01/03, 20,a,");
    }
    void matchesPlainAlgorithms()
    {
        QFETCH(QByteArray, journal);
        QFETCH(double, outOfOrder);
        ProgramFolder folder;
        qm::journalgen::GeneratorOptions options;
        options.entries = 2000;
        options.seed = 7;
        options.outOfOrderPercent = outOfOrder;
        const QString path = folder.file(QStringLiteral("Quillmere.log"));
        QVERIFY(journal.isNull() ? qm::journalgen::generateJournal(path.toStdString(), options)
                                 : folder.writeJournal(journal));
        const Statistics stats = folder.load();
        const Reference ref(path);
        QVERIFY(!ref.days.empty());
        QCOMPARE(stats.entryDates(), ref.dates);
        QCOMPARE(stats.entryMinutes(), ref.minutes);
        QCOMPARE(stats.entriesByDate(), ref.byDate);
        QCOMPARE(stats.entryDayIndices(), ref.dayOf);
        QCOMPARE(stats.entryActivityIndices(), ref.activityOf);
        QCOMPARE(stats.dayCount(), qint64(ref.days.size()));
        for (std::size_t d = 0; d < ref.days.size(); ++d) {
            QCOMPARE(stats.days()[d].date, ref.days[d].date);
            QCOMPARE(stats.days()[d].totalMinutes, ref.days[d].totalMinutes);
            QCOMPARE(stats.findDay(ref.days[d].date), qint64(d));
        }
        QCOMPARE(stats.findDay(ref.days.front().date - 1), -1);
        QCOMPARE(stats.earliestDate(), QDate::fromJulianDay(ref.days.front().date));
        QCOMPARE(stats.latestDate(), QDate::fromJulianDay(ref.days.back().date));
        QCOMPARE(summaries(stats.activities()), summaries(ref.activities));
        QCOMPARE(
            stats.totalMinutes(), std::accumulate(ref.minutes.begin(), ref.minutes.end(), 0LL));
    }
};

QTEST_GUILESS_MAIN(LoadingTest)
#include "loading_test.moc"
