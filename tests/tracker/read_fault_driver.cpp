#include "rig.h"

#include <QCoreApplication>

#include <cstdio>

using namespace qm;
using namespace qm::test;

// Quillmere's core over the program folder given as argument, with a user who starts it, takes
// the day back, changes activity and quits without closing the day: the day file and the
// settings are both written on the way. Its warnings go to the standard output. Tests run it
// under a fault injector and look at what stayed on disk.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    FakeClock clock;
    FakeQuestions questions;
    FakeScreens screens;
    Tracker tracker(QCoreApplication::arguments().value(1), clock, questions, screens, screens);
    tracker.start();
    if (!tracker.hasEnded()) {
        tracker.openChangeDialog();
        // A fixed duration puts the new activity into the day file at once.
        tracker.changeForm().fields().duration = QStringLiteral("15");
        tracker.changeForm().checkDuration();
        tracker.changeForm().fields().activityIndex = 1;
        tracker.confirmChange();
        tracker.quitWithoutSaving();
    }
    for (const QString &warning : std::as_const(questions.warnings))
        std::printf("%s\n", qPrintable(warning));
    return 0;
}
