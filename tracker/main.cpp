#include "journal/datetime.h"
#include "language/ui_language.h"
#include "storage/program_log.h"
#include "tracker/core/tracker.h"
#include "tracker/platform/desktop_idle.h"
#include "tracker/platform/desktop_notifications.h"
#include "tracker/platform/logind_sleep.h"
#include "tracker/ui/instance_link.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/reminders.h"
#include "tracker/ui/system_desktop.h"
#include "tracker/ui/tray_icon.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLockFile>
#include <QSystemTrayIcon>

#include <cstdio>

namespace {

bool hasOptions(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
    }
    return false;
}

void printLine(std::FILE *stream, const QString &text)
{
    if (!text.isEmpty())
        std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

// Quillmere's command line: it asks the Quillmere running for this folder, and ends.
int runCommandLine(const QString &folder)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("qm::CommandLine", "Le journal de temps Quillmere."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption change(QStringLiteral("switch"),
        QCoreApplication::translate("qm::CommandLine",
            "Passe à l'activité donnée ; sans activité, ouvre la fenêtre de changement."));
    const QCommandLineOption at(QStringLiteral("at"),
        QCoreApplication::translate("qm::CommandLine", "L'heure du changement."),
        QCoreApplication::translate("qm::CommandLine", "hh:mm[:ss]"));
    const QCommandLineOption ago(QStringLiteral("ago"),
        QCoreApplication::translate(
            "qm::CommandLine", "Le changement a eu lieu il y a tant de minutes."),
        QCoreApplication::translate("qm::CommandLine", "minutes"));
    const QCommandLineOption comment(QStringLiteral("comment"),
        QCoreApplication::translate("qm::CommandLine", "Le commentaire de la nouvelle activité."),
        QCoreApplication::translate("qm::CommandLine", "texte"));
    const QCommandLineOption status(QStringLiteral("status"),
        QCoreApplication::translate("qm::CommandLine", "Affiche l'activité en cours."));
    parser.addOptions({ change, at, ago, comment, status });
    parser.addPositionalArgument(QCoreApplication::translate("qm::CommandLine", "activité"),
        QCoreApplication::translate("qm::CommandLine", "L'activité de --switch."));
    const auto usage = [&parser](const QString &error) {
        printLine(stderr, error);
        std::fprintf(stderr, "%s", parser.helpText().toUtf8().constData());
        return 64;
    };
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fprintf(stdout, "%s", parser.helpText().toUtf8().constData());
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout, QStringLiteral("Quillmere " QM_VERSION));
        return 0;
    }
    const QStringList activities = parser.positionalArguments();
    QJsonObject request;
    if (parser.isSet(status) && !parser.isSet(change) && activities.isEmpty()) {
        request.insert(qm::remote::kCommand, qm::remote::kStatus.toString());
    } else if (parser.isSet(change) && !parser.isSet(status) && activities.size() <= 1
        && !(parser.isSet(at) && parser.isSet(ago))) {
        if (activities.isEmpty()) {
            request.insert(qm::remote::kCommand, qm::remote::kChangeDialog.toString());
        } else {
            request.insert(qm::remote::kCommand, qm::remote::kSwitch.toString());
            request.insert(qm::remote::kActivity, activities.first());
            for (const QCommandLineOption *option : { &at, &ago, &comment }) {
                if (parser.isSet(*option))
                    request.insert(option->names().first(), parser.value(*option));
            }
        }
    } else {
        return usage(QCoreApplication::translate(
            "qm::CommandLine", "Une seule demande à la fois : --switch [activité] ou --status."));
    }
    const std::optional<qm::RemoteAnswer> answer = qm::askRunningInstance(folder, request);
    if (!answer) {
        printLine(stderr,
            QCoreApplication::translate(
                "qm::CommandLine", "Quillmere ne fonctionne pas pour le dossier %1.")
                .arg(QDir::toNativeSeparators(folder)));
        return qm::RemoteAnswer::Busy;
    }
    printLine(answer->code == qm::RemoteAnswer::Done ? stdout : stderr, answer->text);
    return answer->code;
}

} // namespace

int main(int argc, char *argv[])
{
    qm::nameProgramLog("qm.tracker");
    const bool commandLine = hasOptions(argc, argv);
    // A script may run with no display at all.
    if (commandLine && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The program lives in the notification area: closing a window never ends it.
    app.setQuitOnLastWindowClosed(false);
    const QString folder = QCoreApplication::applicationDirPath();
    if (commandLine) {
        qm::installUiLanguage(QStringLiteral("quillmere"));
        return runCommandLine(folder);
    }

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
    // Reminders go through the desktop's notifications, or else the icon's messages.
    qm::DesktopNotifications notifications(QDBusConnection::sessionBus());
    qm::Reminders reminders(tracker, windows, clock);
    if (notifications.isAvailable()) {
        reminders.setSender([&notifications](const qm::ReminderNotice &notice) {
            return notifications.show(notice.summary, notice.body);
        });
        QObject::connect(&notifications, &qm::DesktopNotifications::changeRequested,
            windows.mainWindow(), &qm::MainWindow::changeActivity);
    } else if (QSystemTrayIcon::isSystemTrayAvailable() && QSystemTrayIcon::supportsMessages()) {
        qm::TrayIcon *tray = windows.trayIcon();
        reminders.setSender([tray](const qm::ReminderNotice &notice) {
            return tray->showMessage(notice.summary, notice.body);
        });
        QObject::connect(tray, &qm::TrayIcon::messageClicked, windows.mainWindow(),
            &qm::MainWindow::changeActivity);
    }
    // Listening before the first window: a second start during the start-up raises that window.
    qm::InstanceLink instances(tracker, windows, clock);
    instances.listen(folder);
    tracker.start();
    if (tracker.hasEnded())
        return 0;
    return app.exec();
}
