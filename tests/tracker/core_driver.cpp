// Quillmere's core over the program folder given as first argument, for the fault-injection
// tests, which run it under strace or a shim and look at what stayed on disk. The second says
// what the user does after the start, which recovers a day left behind:
// - "work": changes activity, then closes the day;
// - "recover": closes whatever was recovered;
// - "abandon": abandons the day left behind;
// - "quit": changes to an activity of a fixed duration, which puts it into the day file at
//   once, then quits without closing the day;
// - "correct": in the journal window, makes the first record of 04/12/2026 a Réunion and
//   saves it.
// Prints what the user would be told and how many rows the day took.

#include "rig.h"

#include <QCoreApplication>

#include <cstdio>

using namespace qm;
using namespace qm::test;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString mode = args.at(2);
    FakeClock clock;
    clock.set(2026, 12, 5, 10, 0);
    FakeQuestions questions;
    if (mode == u"abandon")
        questions.answers[Code::Recovery] = { false };
    FakeScreens screens;
    Tracker tracker(args.at(1), clock, questions, screens, screens);
    tracker.start();
    if (!tracker.hasEnded() && (mode == u"work" || mode == u"quit")) {
        tracker.openChangeDialog();
        ChangeForm &form = tracker.changeForm();
        if (mode == u"quit") {
            form.fields().duration = QStringLiteral("15");
            form.checkDuration();
        }
        form.fields().activityIndex = mode == u"quit" ? 1 : 2;
        tracker.confirmChange();
        if (mode == u"quit") {
            tracker.quitWithoutSaving();
        } else {
            clock.set(2026, 12, 5, 10, 30);
            tracker.showMainWindow();
            tracker.closeDay();
        }
    } else if (!tracker.hasEnded() && mode == u"correct") {
        tracker.openJournal();
        JournalEditor &journal = tracker.journal();
        journal.choose(QStringLiteral("04/12/2026"));
        if (std::optional<RecordFields> fields = journal.fieldsOf(0)) {
            fields->activityIndex = int(fields->activities.indexOf(QStringLiteral("Réunion")));
            journal.modify(0, *fields);
            std::printf("saved: %d\n", int(journal.save()));
        }
    } else if (!tracker.hasEnded() && mode == u"recover"
        && tracker.state().dayActivityCount() > 0) {
        tracker.closeDay();
    }
    std::printf("rows: %d\n", tracker.state().dayActivityCount());
    for (const QString &warning : questions.warnings)
        std::printf("warning: %s\n", qPrintable(warning));
    std::printf("%s\n", tracker.hasEnded() ? "ended" : "still open");
    return 0;
}
