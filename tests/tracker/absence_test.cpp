#include "rig.h"
#include "tests/support/locale.h"

#include <QCoreApplication>
#include <QTest>

using namespace qm;
using namespace qm::test;

Q_DECLARE_METATYPE(qm::AbsenceAnswer)

namespace {

QDateTime at(int day, const char *time)
{
    return makeDateTime(QDate(2026, 12, day), QTime::fromString(QString::fromLatin1(time)));
}

// A day whose changes are made through the change dialog, with the absence watch over a fake
// desktop.
struct AbsenceRig : Rig
{
    AbsenceRig() { tracker.absences().setIdleSource(&idle, &steady); }

    AbsenceWatch &watch() { return *tracker.absences().watch(); }
    // The core follows its commands once they are done, from the event loop.
    void settle() { QCoreApplication::processEvents(); }

    void startWith(const QStringList &changes, const QByteArray &settings = kThreeActivities)
    {
        logChanges(changes, settings);
        settle();
        lastInputMs = steady.monotonicMs();
        dueMs = steady.monotonicMs() + watch().nextLookMs();
    }

    // The user works until `left`, is away until `back`, works 5 seconds more and is quiet
    // again until `until`, the watch looking when its timer would.
    void away(const QDateTime &left, const QDateTime &back, const QDateTime &until)
    {
        passTo(left, true);
        // A look at the very moment of the return sees the input.
        passTo(back.addMSecs(-1), false);
        passTo(back.addSecs(5), true);
        passTo(until, false);
    }

    // Closes the day at 11:00 and returns the journal.
    QByteArray journal()
    {
        showAt(11, 0);
        tracker.closeDay();
        return bytes(kJournalFileName);
    }

    // Plays a day of "verb argument" steps from where startWith left it, the watch looking when
    // its monotonic timer would: "work hh:mm:ss" and "quiet hh:mm:ss" (on day 6 with "6 "
    // first) with or without input until then, "input", "sleep minutes" told by the session,
    // "suspend minutes" untold, "set minutes" (the wall clock set by hand), "modal 0|1".
    void play(const QStringList &steps)
    {
        for (const QString &step : steps) {
            const QString verb = step.section(u' ', 0, 0);
            const QString arg = step.section(u' ', 1);
            const qint64 minutesMs = arg.toLongLong() * 60'000;
            if (verb == "work" || verb == "quiet")
                passTo(arg.size() > 8 ? at(6, qPrintable(arg.mid(2))) : at(5, qPrintable(arg)),
                    verb == "work");
            else if (verb == "input")
                lastInputMs = steady.monotonicMs();
            else if (verb == "modal") {
                screens.modalOpen = arg == "1";
                if (!screens.modalOpen)
                    tracker.absences().follow();
            } else {
                if (verb == "sleep")
                    lookAt([this] { tracker.absences().sleeping(); });
                clock.current = clock.current.addMSecs(minutesMs);
                (verb == "set" ? steady.setMs : steady.sleptMs) += minutesMs;
                if (verb == "sleep")
                    lookAt([this] { tracker.absences().wokeUp(); });
            }
        }
    }
    void passTo(const QDateTime &until, bool working)
    {
        while (watch().isWatching()) {
            const QDateTime next = clock.current.addMSecs(dueMs - steady.monotonicMs());
            if (next > until)
                break;
            clock.current = next;
            if (working)
                lastInputMs = steady.monotonicMs();
            lookAt([this] { watch().look(); });
        }
        clock.current = until;
        if (working)
            lastInputMs = steady.monotonicMs();
    }
    void lookAt(const std::function<void()> &look)
    {
        idle.idleMs = steady.monotonicMs() - lastInputMs;
        look();
        dueMs = steady.monotonicMs() + watch().nextLookMs();
        settle();
    }

    FakeIdle idle;
    FakeSteadyClocks steady { clock };
    qint64 dueMs = 0;
    qint64 lastInputMs = 0;
};

} // namespace

// When an absence is offered: the threshold, the running activity, the windows up, the day.
class AbsenceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void offer_data()
    {
        QTest::addColumn<QByteArray>("threshold"); // the settings' Absence line
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QDateTime>("left");
        QTest::addColumn<QDateTime>("back");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<QString>("offer"); // empty: none
        const QStringList dossiers { "1@10:00:00" };
        const auto row
            = [](const char *name, const QByteArray &threshold, const QStringList &changes,
                  const QDateTime &left, const QDateTime &back, bool modal, const char *offer) {
                  QTest::newRow(name)
                      << threshold << changes << left << back << modal << QString::fromUtf8(offer);
              };
        row("threshold just reached", "", dossiers, at(5, "10:20:00"), at(5, "10:35:01"), false,
            "Aucune activité de votre part depuis 10:20:00 (16 min).");
        row("threshold just missed", "", dossiers, at(5, "10:20:00"), at(5, "10:34:59"), false, "");
        row("threshold of the settings", "Absence=2\r\n", dossiers, at(5, "10:20:00"),
            at(5, "10:22:30"), false, "Aucune activité de votre part depuis 10:20:00 (3 min).");
        row("threshold 0: off", "Absence=0\r\n", dossiers, at(5, "10:20:00"), at(5, "11:00:00"),
            false, "");
        row("fixed duration", "", { "1@10:00:00", "2@10:05:00@@120" }, at(5, "10:20:00"),
            at(5, "11:00:00"), false, "");
        row("modal window open, offered once it closes", "", dossiers, at(5, "10:20:00"),
            at(5, "10:50:00"), true, "Aucune activité de votre part depuis 10:20:00 (30 min).");
        row("away since the activity's first minute", "", dossiers, at(5, "10:00:10"),
            at(5, "10:30:00"), false, "Aucune activité de votre part depuis 10:01:00 (29 min).");
        row("too short once the first minute is left out", "", dossiers, at(5, "10:00:10"),
            at(5, "10:15:30"), false, "");
        row("back after midnight", "", { "1@23:00:00" }, at(5, "23:50:00"), at(6, "00:20:00"),
            false, "");
    }
    void offer()
    {
        QFETCH(QByteArray, threshold);
        QFETCH(QStringList, changes);
        QFETCH(QDateTime, left);
        QFETCH(QDateTime, back);
        QFETCH(bool, modal);
        AbsenceRig rig;
        rig.startWith(changes, kThreeActivities + threshold);
        rig.screens.modalOpen = modal;
        rig.away(left, back, back.addSecs(60));
        QFETCH(QString, offer);
        if (modal) {
            QCOMPARE(rig.questions.absenceOffers, QStringList());
            rig.screens.modalOpen = false;
            rig.tracker.absences().follow();
        }
        QCOMPARE(
            rig.questions.absenceOffers, offer.isEmpty() ? QStringList() : QStringList { offer });
        // Offered once: the quiet that follows the return is no second absence.
        rig.passTo(back.addSecs(3600), false);
        QCOMPARE(rig.questions.absenceOffers.size(), offer.isEmpty() ? 0 : 1);
    }

    // Real days: the machine sleeps, the wall clock is set by hand, the night passes. The wall
    // clock's moments are only ever read together with the clocks the user cannot set.
    void days_data()
    {
        QTest::addColumn<QString>("started"); // the activity's start, 1@hh:mm:ss
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("offer"); // empty: none
        const QStringList lunch { "work 11:59:48", "quiet 11:59:50" };
        const QStringList back { "quiet 13:44:00", "input", "quiet 13:45:00" };
        const char *lunchOffer = "Aucune activité de votre part depuis 11:59:48 (105 min).";
        QTest::newRow("sleep told by the session")
            << "1@10:00:00" << lunch + QStringList { "sleep 104" } + back << lunchOffer;
        // Back a second after the wake-up, then still: the idle count never falls below the
        // one seen at the wake-up, yet input came.
        QTest::newRow("back right after the wake-up")
            << "1@10:00:00"
            << lunch + QStringList { "sleep 104", "quiet 13:43:51", "input", "quiet 13:45:00" }
            << lunchOffer;
        QTest::newRow("sleep seen on the boot-time clock")
            << "1@10:00:00" << lunch + QStringList { "suspend 104" } + back << lunchOffer;
        QTest::newRow("sleep shorter than the threshold")
            << "1@10:00:00"
            << QStringList { "work 11:59:48", "sleep 10", "quiet 12:09:58", "input",
                   "quiet 12:15:00" }
            << "";
        const QStringList forward { "work 10:20:00", "quiet 10:36:00", "set 180" };
        const char *forwardOffer = "Aucune activité de votre part depuis 13:20:00 (17 min).";
        QTest::newRow("clock set forward while idle")
            << "1@10:00:00" << forward + QStringList { "quiet 13:36:10", "input", "quiet 13:37:00" }
            << forwardOffer;
        QTest::newRow("clock set forward, back before the next look")
            << "1@10:00:00" << forward + QStringList { "quiet 13:36:03", "input", "quiet 13:37:00" }
            << forwardOffer;
        QTest::newRow("clock set back while idle")
            << "1@09:30:00"
            << QStringList { "work 11:20:00", "quiet 11:36:00", "set -60", "quiet 10:36:10",
                   "input", "quiet 10:37:00" }
            << "Aucune activité de votre part depuis 10:20:00 (17 min).";
        QTest::newRow("the night with a modal window left open")
            << "1@21:00:00"
            << QStringList { "work 22:00:00", "modal 1", "quiet 23:00:00", "input",
                   "quiet 6 08:00:00", "modal 0", "quiet 6 08:30:00" }
            << "";
    }
    void days()
    {
        QFETCH(QString, started);
        QFETCH(QStringList, steps);
        QFETCH(QString, offer);
        AbsenceRig rig;
        rig.startWith({ started });
        rig.questions.absenceAnswers = { AbsenceAnswer::CountPause };
        rig.play(steps);
        QCOMPARE(
            rig.questions.absenceOffers, offer.isEmpty() ? QStringList() : QStringList { offer });
        // The pause counted and the activity resumed, never after now.
        QVERIFY(rig.state().currentStart() <= rig.clock.current);
    }

    // While the user works, the desktop is asked once per threshold; while they are away,
    // every 10 seconds; never more often; and not at all when nothing can be offered.
    void looks_data()
    {
        QTest::addColumn<std::optional<qint64>>("idle");
        QTest::addColumn<int>("nextLook");
        QTest::newRow("quiet for a while") << std::optional<qint64>(600'000) << 300'000;
        QTest::newRow("away") << std::optional<qint64>(3'600'000) << 10'000;
        QTest::newRow("desktop cannot say") << std::optional<qint64>() << 900'000;
    }
    void looks()
    {
        AbsenceRig rig;
        rig.startWith({});
        QCOMPARE(rig.watch().nextLookMs(), -1);
        rig.clock.current = at(5, "10:00:00");
        rig.change(1, "10:00:00");
        rig.settle();
        QFETCH(std::optional<qint64>, idle);
        rig.idle.idleMs = idle;
        rig.watch().look();
        QTEST(rig.watch().nextLookMs(), "nextLook");
        rig.change(0, "10:30:00");
        rig.settle();
        QCOMPARE(rig.watch().nextLookMs(), -1);
    }

    // Each answer leaves the day as the change dialog would have: the rows, the totals, the day
    // file and, once the day is closed, the journal. The question's own event loop may run any
    // command: what it did wins over the answer.
    void answers_data()
    {
        QTest::addColumn<AbsenceAnswer>("answer");
        QTest::addColumn<QString>("meanwhile"); // done while the question is up
        QTest::addColumn<QStringList>("dialogChanges"); // what the user would have done instead
        const auto row = [](const char *name, AbsenceAnswer answer, const char *meanwhile,
                             const QStringList &changes) {
            QTest::newRow(name) << answer << QString(meanwhile) << changes;
        };
        row("Compter une pause", AbsenceAnswer::CountPause, "", { "0@10:20:00", "1@10:50:06" });
        row("Changer d'activité", AbsenceAnswer::ChangeActivity, "", { "2@10:20:00" });
        row("Ignorer", AbsenceAnswer::Ignore, "", {});
        row("a change made meanwhile", AbsenceAnswer::CountPause, "change", { "3@10:51:00" });
        row("a pause made meanwhile", AbsenceAnswer::CountPause, "pause", { "0@10:51:00" });
        row("the day closed meanwhile", AbsenceAnswer::CountPause, "close", {});
    }
    void answers()
    {
        QFETCH(AbsenceAnswer, answer);
        QFETCH(QString, meanwhile);
        AbsenceRig rig;
        rig.startWith({ "1@10:00:00@client" });
        rig.questions.absenceAnswers = { answer };
        QString proposed;
        if (meanwhile.isEmpty()) {
            rig.screens.onChangeDialog = [&rig, &proposed] {
                proposed = rig.fields().invokeTime;
                rig.fields().activityIndex = 2;
                rig.tracker.confirmChange();
            };
        } else {
            rig.questions.onAbsence = [&] {
                rig.clock.current = at(5, "10:51:00");
                if (meanwhile == "close")
                    rig.tracker.closeDay();
                else
                    rig.change(meanwhile == "pause" ? 0 : 3, "10:51:00");
            };
        }
        rig.away(at(5, "10:20:00"), at(5, "10:50:01"), at(5, "10:51:00"));
        QCOMPARE(rig.questions.absenceOffers.size(), 1);
        QCOMPARE(proposed, answer == AbsenceAnswer::ChangeActivity ? "10:20:00" : "");

        QFETCH(QStringList, dialogChanges);
        AbsenceRig dialog;
        dialog.startWith(QStringList { "1@10:00:00@client" } + dialogChanges);
        if (meanwhile == "close")
            dialog.tracker.closeDay();
        QCOMPARE(rig.tracker.hasEnded(), meanwhile == "close");
        QCOMPARE(rig.day(), dialog.day());
        QCOMPARE(rig.journal(), dialog.journal());
    }

    // The setting window's choice is kept in the settings file at once.
    void settingSaved()
    {
        AbsenceRig rig;
        rig.startWith({ "1@10:00:00" });
        rig.tracker.absences().setMinutes(0);
        QVERIFY(!rig.tracker.absences().isWatching());
        QVERIFY(rig.bytes(kSettingsFileName).endsWith("Comment=client\r\nAbsence=0\r\n"));
        rig.tracker.absences().setMinutes(15);
        QVERIFY(rig.tracker.absences().isWatching());
        QVERIFY(rig.bytes(kSettingsFileName).endsWith("Comment=client\r\n"));
    }
};

QTEST_GUILESS_MAIN(AbsenceTest)
#include "absence_test.moc"
