#include "journal/datetime.h"
#include "tracker/core/reminder.h"

#include <QTest>

using namespace qm;

namespace {

const QDateTime kStart = makeDateTime(QDate(2026, 12, 5), QTime(9, 40));

QDateTime at(int minutes)
{
    return addMinutes(kStart, minutes);
}

} // namespace

// The reminder over a working day: each step looks at a minute after 09:40, with what runs
// since when and what the user is doing; a notice is "minute: summary | body".
class ReminderTest : public QObject
{
    Q_OBJECT

private slots:
    void reminders_data()
    {
        QTest::addColumn<int>("period");
        // "minute activity@start flags", flags among "modal", "offer", "window", "fixed".
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("notices");
        const QString first = "120: Toujours « Réunion » ? | Depuis 09:40 (2 h 00).";
        QTest::newRow("just missed, just reached")
            << 120 << QStringList { "119 Réunion@0", "120 Réunion@0" } << QStringList { first };
        QTest::newRow("repeats one more period later")
            << 120
            << QStringList { "120 Réunion@0", "180 Réunion@0", "239 Réunion@0", "240 Réunion@0" }
            << QStringList { first, "240: Toujours « Réunion » ? | Depuis 09:40 (4 h 00)." };
        QTest::newRow("a change in between")
            << 120 << QStringList { "100 Dossiers@100", "120 Dossiers@100", "220 Dossiers@100" }
            << QStringList { "220: Toujours « Dossiers » ? | Depuis 11:20 (2 h 00)." };
        QTest::newRow("pause") << 120 << QStringList { "200 pause@0" } << QStringList {};
        QTest::newRow("a fixed duration")
            << 120 << QStringList { "200 Réunion@0 fixed" } << QStringList {};
        QTest::newRow("a modal window starts the count again")
            << 120
            << QStringList { "110 Réunion@0 modal", "120 Réunion@0", "229 Réunion@0",
                   "230 Réunion@0" }
            << QStringList { "230: Toujours « Réunion » ? | Depuis 09:40 (3 h 50)." };
        QTest::newRow("an absence being offered")
            << 120 << QStringList { "125 Réunion@0 offer", "130 Réunion@0", "245 Réunion@0" }
            << QStringList { "245: Toujours « Réunion » ? | Depuis 09:40 (4 h 05)." };
        QTest::newRow("while the main window shows")
            << 120 << QStringList { "120 Réunion@0 window", "125 Réunion@0" }
            << QStringList { "125: Toujours « Réunion » ? | Depuis 09:40 (2 h 05)." };
        QTest::newRow("after a sleep, once")
            << 60
            << QStringList { "500 Réunion@0", "520 Réunion@0", "559 Réunion@0", "560 Réunion@0" }
            << QStringList { "500: Toujours « Réunion » ? | Depuis 09:40 (8 h 20).",
                   "560: Toujours « Réunion » ? | Depuis 09:40 (9 h 20)." };
        QTest::newRow("off") << 0 << QStringList { "600 Réunion@0" } << QStringList {};
    }
    void reminders()
    {
        QFETCH(int, period);
        QFETCH(QStringList, steps);
        Reminder reminder;
        reminder.setMinutes(period);
        QStringList notices;
        for (const QString &step : std::as_const(steps)) {
            const QStringList parts = step.split(u' ');
            const QStringList running = parts.at(1).split(u'@');
            ReminderSituation situation;
            situation.activity = running.at(0);
            situation.start = at(running.at(1).toInt());
            situation.running = !parts.contains("fixed");
            situation.interrupted = parts.contains("modal") || parts.contains("offer");
            situation.watched = parts.contains("window");
            const int minute = parts.at(0).toInt();
            if (const auto notice = reminder.check(situation, at(minute)))
                notices
                    << QStringLiteral("%1: %2 | %3").arg(minute).arg(notice->summary, notice->body);
        }
        QTEST(notices, "notices");
    }
};

QTEST_GUILESS_MAIN(ReminderTest)
#include "reminder_test.moc"
