#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>
#include <QString>

namespace qm {

// The names of the requests and of their fields, the same in every language.
namespace remote {
inline constexpr QStringView kCommand = u"command";
inline constexpr QStringView kSwitch = u"switch";
inline constexpr QStringView kStatus = u"status";
inline constexpr QStringView kChangeDialog = u"change-dialog";
inline constexpr QStringView kActivity = u"activity";
inline constexpr QStringView kAt = u"at";
inline constexpr QStringView kAgo = u"ago";
inline constexpr QStringView kComment = u"comment";
inline constexpr QStringView kExit = u"exit";
inline constexpr QStringView kText = u"text";
} // namespace remote

class Clock;
class Screens;
class Tracker;

// What a command from another process came to: the exit code that process ends with, and
// what it prints.
struct RemoteAnswer
{
    enum Code { Done = 0, Refused = 1, Busy = 2 };

    Code code = Done;
    QString text;

    // As the answer's line, and read back from it.
    QByteArray toLine() const;
    static RemoteAnswer fromLine(const QByteArray &line);
};

// The commands that scripts and desktop shortcuts send to the running Quillmere, one line of
// JSON each way: {"command":"switch","activity":…,"at":"hh:mm[:ss]"|"ago":"N","comment":…}
// changes activity with the change dialog's checks, {"command":"status"} tells what runs.
class RemoteCommands
{
public:
    RemoteCommands(Tracker &tracker, const Screens &screens, const Clock &clock);

    // The answer to a request line, as a line of JSON: {"exit":0,"text":"…"}.
    QByteArray answer(QByteArrayView request);
    // The same for a request already read.
    RemoteAnswer answer(const QJsonObject &request);

    RemoteAnswer switchTo(const QJsonObject &request);
    RemoteAnswer status() const;

private:
    // Busy while the user has something to answer or a window of the program open.
    bool isBusy() const;

    Tracker &m_tracker;
    const Screens &m_screens;
    const Clock &m_clock;
};

} // namespace qm
