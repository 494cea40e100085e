#pragma once

#include "tracker/core/remote_commands.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <optional>

class QLocalServer;

namespace qm {

class Clock;
class Tracker;
class WindowSet;

// The local socket of a program folder: one name per folder, so that programs installed in two
// folders never answer for each other, in the user's runtime folder, which only the user may
// enter. Empty when that folder is missing, or not the user's own with mode 0700.
QString instanceName(const QString &programFolder);

// A second start asks the running program to come forward, and waits briefly for the request
// to be taken; false when no program answered.
bool askRunningInstanceToShow(const QString &programFolder);

// Sends a command to the running program and waits for its answer; nothing when no program
// of that folder answered.
std::optional<RemoteAnswer> askRunningInstance(
    const QString &programFolder, const QJsonObject &request);

// The running program's side: a request from a second start brings it forward as a click on
// the notification-area icon would; a command line's request gets its answer.
class InstanceLink : public QObject
{
    Q_OBJECT

public:
    InstanceLink(
        Tracker &tracker, WindowSet &windows, const Clock &clock, QObject *parent = nullptr);

    // False when the name could not be had; the program then runs without it.
    bool listen(const QString &programFolder);

    // The main window, or the window that keeps it away.
    void bringForward();

private:
    void takeConnection();

    Tracker &m_tracker;
    WindowSet &m_windows;
    RemoteCommands m_commands;
    QLocalServer *m_server;
};

} // namespace qm
