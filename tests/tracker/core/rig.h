#pragma once

#include "fakes.h"
#include "journal/file_names.h"
#include "journal/settings.h"
#include "tracker/core/tracker.h"

#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace qm::test {

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline const QByteArray kThreeActivities = "User=-\r\nActivity=Dossiers\r\nActivity=Réunion\r\n"
                                           "Activity=Courrier\r\nComment=client\r\n";

// A Tracker over a temporary program folder, with fakes for the user, windows and desktop.
struct Rig
{
    Rig() { tracker = std::make_unique<Tracker>(dir.path(), clock, questions, screens, desktop); }

    QString file(QStringView name) const { return dir.filePath(name.toString()); }
    AppState &state() { return tracker->state(); }
    ChangeFields &fields() { return tracker->changeForm().fields(); }

    // Starts with a settings file and today's date in the start window.
    void startDay(const QByteArray &settings = kThreeActivities)
    {
        writeBytes(file(kSettingsFileName), settings);
        tracker->start();
    }

    // Drives the change dialog as its window does: open, type, leave each field, confirm.
    bool change(int activity, const QString &time, const QString &duration = {},
        const QString &end = {}, const QString &comment = {})
    {
        tracker->openChangeDialog();
        ChangeForm &form = tracker->changeForm();
        if (!time.isEmpty()) {
            fields().invokeTime = time;
            form.checkChangeTime();
        }
        if (!duration.isEmpty()) {
            fields().duration = duration;
            form.checkDuration();
        }
        if (!end.isEmpty()) {
            fields().endTime = end;
            form.checkEndTime();
        }
        fields().comment = comment;
        fields().activityIndex = activity;
        return tracker->confirmChange();
    }

    // Shows the main window from the notification area at the given time.
    void showAt(int h, int mi, int s = 0, int day = 5)
    {
        clock.set(2026, 12, day, h, mi, s);
        screens.mainVisible = false;
        tracker->showMainWindow();
    }

    QTemporaryDir dir;
    FakeClock clock;
    FakeQuestions questions;
    FakeScreens screens;
    FakeDesktop desktop;
    std::unique_ptr<Tracker> tracker;
};

} // namespace qm::test
