#include "journal/datetime.h"
#include "language/ui_language.h"
#include "storage/program_log.h"
#include "tracker/core/tracker.h"
#include "tracker/platform/desktop_idle.h"
#include "tracker/platform/logind_sleep.h"
#include "tracker/ui/instance_link.h"
#include "tracker/ui/system_desktop.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QSystemTrayIcon>

int main(int argc, char *argv[])
{
    qm::nameProgramLog("qm.tracker");
    QApplication app(argc, argv);
    // The program lives in the notification area: closing a window never ends it.
    app.setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();

    // A second start ends here, before it opens any window or file of the program, once it has
    // asked the running one to come forward.
    QLockFile lock(QDir(folder).filePath(QStringLiteral("Quillmere.lock")));
    lock.setStaleLockTime(0);
    // A folder where no lock can be made still gets its program: only a lock held by another
    // instance ends the start.
    if (!lock.tryLock(0) && lock.error() == QLockFile::LockFailedError) {
        qm::askRunningInstanceToShow(folder);
        return 0;
    }

    const QString language = qm::installUiLanguage(QStringLiteral("quillmere"));

    qm::SystemClock clock;
    qm::SystemDesktop desktop;
    qm::WindowSet windows(QSystemTrayIcon::isSystemTrayAvailable());
    // Where the desktop cannot tell its idle time, absences are simply never offered.
    const std::unique_ptr<qm::IdleSource> idle = qm::desktopIdleSource();
    qm::Tracker tracker(folder, clock, windows, windows, desktop);
    tracker.absences().setIdleSource(idle.get());
    // A suspended machine counts as away; without the session manager, the clocks tell.
    qm::LogindSleep sleep(QDBusConnection::systemBus(), [&tracker](bool start) {
        if (start)
            tracker.absences().sleeping();
        else
            tracker.absences().wokeUp();
    });
    tracker.setLanguage(language);
    windows.attach(tracker);
    // Listening before the first window: a second start during the start-up raises that window.
    qm::InstanceLink instances(tracker, windows);
    instances.listen(folder);
    tracker.start();
    if (tracker.hasEnded())
        return 0;
    return app.exec();
}
