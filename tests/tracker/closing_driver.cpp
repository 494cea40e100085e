// One working session of Quillmere's core over a real program folder, for the fault-injection
// test: start (recovering a day left behind), then change of activity and close of the day; with
// "recover" only the close of whatever was recovered; with "abandon" the day left behind is
// abandoned at the start. Prints what the user would be told and how many rows the day took.

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
    FakeClock clock;
    clock.set(2026, 12, 5, 10, 0);
    FakeQuestions questions;
    if (args.at(2) == u"abandon")
        questions.answers[Code::Recovery] = { false };
    FakeScreens screens;
    Tracker tracker(args.at(1), clock, questions, screens, screens);
    tracker.start();
    if (!tracker.hasEnded() && args.at(2) == u"work") {
        tracker.openChangeDialog();
        tracker.changeForm().fields().activityIndex = 2;
        tracker.confirmChange();
        clock.set(2026, 12, 5, 10, 30);
        tracker.showMainWindow();
        tracker.closeDay();
    } else if (!tracker.hasEnded() && tracker.state().dayActivityCount() > 0) {
        tracker.closeDay();
    }
    std::printf("rows: %d\n", tracker.state().dayActivityCount());
    for (const QString &warning : questions.warnings)
        std::printf("warning: %s\n", qPrintable(warning));
    std::printf("%s\n", tracker.hasEnded() ? "ended" : "still open");
    return 0;
}
