#include "journal/datetime.h"
#include "language/ui_language.h"
#include "stats/core/statistics.h"
#include "stats/ui/command_export.h"
#include "stats/ui/stats_window.h"
#include "stats/ui/user_notice.h"
#include "storage/program_log.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {

// For measuring: how long the figures took to reach the screen, and the peak memory so far.
void reportStartUp(const QElapsedTimer &sinceStart)
{
    QFile status(QStringLiteral("/proc/self/status"));
    QByteArray peak = "?";
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed();
        }
    }
    std::fprintf(stderr, "QMStat: figures on screen after %lld ms, peak memory %s\n",
        static_cast<long long>(sinceStart.elapsed()), peak.constData());
}

// Options ask for the command line, which shows no window.
bool hasOptions(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    qm::nameProgramLog("qm.stats");
    const bool commandLine = hasOptions(argc, argv);
    // An export runs in a shell with no display at all.
    if (commandLine && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("QMStat"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QM_VERSION));
    app.setQuitOnLastWindowClosed(false);
    // Every window and message of the program carries its picture, not the desktop's generic one.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/qmstat/quillmere.png")));
    qm::installUiLanguage(QStringLiteral("qmstat"));
    if (commandLine) {
        qm::SystemClock clock;
        return qm::stats::runCommandLine(
            QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), clock);
    }

    qm::stats::Statistics stats;
    stats.initPaths(QCoreApplication::applicationDirPath());
    qm::SystemClock clock;
    qm::stats::MessageBoxNotice notice;
    qm::stats::StatsWindow window(stats, clock, notice);
    QObject::connect(&window, &qm::stats::StatsWindow::closed, &app, &QCoreApplication::quit);
    window.present();
    // The window is on screen, with its initial figures, while the journal loads.
    QCoreApplication::processEvents();

    stats.loadUserName();
    stats.loadJournal();
    stats.orderByDate();
    stats.buildDays();
    stats.buildActivities();
    window.fillActivityList();
    window.showOverallFigures();

    if (qEnvironmentVariableIntValue("QMSTAT_QUIT_AFTER_SHOW") == 1) {
        window.repaint();
        QCoreApplication::processEvents();
        reportStartUp(sinceStart);
        return 0;
    }
    return app.exec();
}
