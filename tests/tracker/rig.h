#pragma once

#include "journal/datetime.h"
#include "journal/file_names.h"
#include "journal/text_formats.h"
#include "tests/support/failing_io.h"
#include "tracker/core/desktop.h"
#include "tracker/core/idle_source.h"
#include "tracker/core/questions.h"
#include "tracker/core/screens.h"
#include "tracker/core/tracker.h"

#include <QMap>

#include <functional>

namespace qm::test {

class FakeClock final : public Clock
{
public:
    QDateTime now() const override { return current; }
    void set(int y, int mo, int d, int h, int mi, int s = 0)
    {
        current = makeDateTime(QDate(y, mo, d), QTime(h, mi, s));
    }
    QDateTime current = makeDateTime(QDate(2026, 12, 5), QTime(9, 0));
};

// The desktop's idle time, as a test sets it; nothing while it cannot say.
class FakeIdle final : public IdleSource
{
public:
    std::optional<qint64> idleMilliseconds() override { return idleMs; }
    std::optional<qint64> idleMs = 0;
};

// Monotonic and boot-time clocks that run with the fake wall clock, but for the time it was set
// by hand and, for the monotonic one, the time the machine slept.
class FakeSteadyClocks final : public SteadyClocks
{
public:
    explicit FakeSteadyClocks(const FakeClock &wall)
        : m_wall(wall)
    { }
    qint64 bootMs() const override { return kOrigin.msecsTo(m_wall.current) - setMs; }
    qint64 monotonicMs() const override { return bootMs() - sleptMs; }
    qint64 setMs = 0;
    qint64 sleptMs = 0;

private:
    inline static const QDateTime kOrigin = makeDateTime(QDate(2026, 1, 1), QTime(0, 0));
    const FakeClock &m_wall;
};

// Answers the stock messages from a script; a code without a scripted answer gets the right
// button. Input boxes take the scripted texts in turn, then are cancelled.
using Code = StockMessage::Code;

class FakeQuestions final : public Questions
{
public:
    bool askStockMessage(const StockMessage &message, bool &suppress) override
    {
        asked.append(message.code);
        if (onAsk)
            onAsk(message.code);
        suppress = suppressCodes.contains(message.code);
        return answers[message.code].isEmpty() || answers[message.code].takeFirst();
    }
    std::optional<QString> askText(const QString &, const QString &) override
    {
        return texts.isEmpty() ? std::nullopt : texts.takeFirst();
    }
    void warn(const QString &title, const QString &text) override
    {
        warnings.append(title + u'|' + text);
    }
    void inform(const QString &title, const QString &text) override { warn(title, text); }
    bool confirm(
        const QString &title, const QString &text, const QString &yes, const QString &no) override
    {
        confirmations.append(QStringList { title, text, yes, no }.join(u'|'));
        return confirmAnswer;
    }
    // Absence offers take the scripted answers in turn, then are ignored.
    AbsenceAnswer askAbsence(const QString &text) override
    {
        absenceOffers.append(text);
        if (onAbsence)
            onAbsence();
        return absenceAnswers.isEmpty() ? AbsenceAnswer::Ignore : absenceAnswers.takeFirst();
    }

    QMap<Code, QList<bool>> answers;
    QList<Code> suppressCodes, asked;
    QList<std::optional<QString>> texts;
    QStringList warnings;
    QStringList confirmations;
    bool confirmAnswer = true;
    // What the user does elsewhere while a message is up.
    std::function<void(Code code)> onAsk;
    QList<AbsenceAnswer> absenceAnswers;
    QStringList absenceOffers;
    std::function<void()> onAbsence;
};

// Records what the core asks of the windows, and of the desktop.
class FakeScreens final : public Screens, public Desktop
{
public:
    void showWelcome() override { log.append("welcome"); }
    bool runStartWindow() override { return note("start", true); }
    void showMainWindow() override { mainVisible = note("showMain", true); }
    void hideMainWindow() override { mainVisible = note("hideMain", false); }
    void updateMainWindow() override { }
    void runChangeDialog() override
    {
        log.append("change");
        if (onChangeDialog)
            onChangeDialog();
    }
    void hideChangeDialog() override { log.append("hideChange"); }
    void showEditor() override { editorVisible = note("editor", true); }
    void hideEditor() override { editorVisible = note("hideEditor", false); }
    bool isEditorVisible() const override { return editorVisible; }
    bool isOtherWindowVisible() const override { return editorVisible; }
    bool isModalWindowOpen() const override { return editorVisible || modalOpen; }
    void runAbsenceSettings() override { log.append("absences"); }
    void runJournal() override { log.append("journal"); }
    void addTrayIcon() override { log.append("addTray"); }
    void removeTrayIcon() override { log.append("removeTray"); }
    void endProgram() override { log.append("end"); }

    bool openFile(const QString &path, std::function<void()> /*failedLater*/) override
    {
        opened.append(path);
        return canOpen;
    }
    bool openUrl(const QString &address, std::function<void()> failedLater) override
    {
        return openFile(address, std::move(failedLater));
    }
    bool startProgram(const QString &path) override
    {
        opened.append(path);
        return canStart;
    }

    QStringList log, opened;
    bool mainVisible = false, editorVisible = false, canStart = true, canOpen = true,
         modalOpen = false;
    std::function<void()> onChangeDialog;

private:
    bool note(const char *what, bool visible)
    {
        log.append(what);
        return visible;
    }
};

inline const QByteArray kThreeActivities = "User=-\r\nActivity=Dossiers\r\nActivity=Réunion\r\n"
                                           "Activity=Courrier\r\nComment=client\r\n";

// A Tracker over a temporary program folder, with fakes for the user, windows and desktop.
struct Rig
{
    Rig()
        : tracker(dir.path(), clock, questions, screens, screens)
    { }

    QString file(QStringView name) const { return dir.filePath(name.toString()); }
    QByteArray bytes(QStringView name) const { return readBytes(file(name)); }
    const DayState &state() const { return tracker.state(); }
    ChangeFields &fields() { return tracker.changeForm().fields(); }
    QString cell(int row, int column) { return tracker.history().cell(row, column); }

    // Everything a change could leave different: the grid, the totals, the day file.
    QStringList day()
    {
        QStringList seen;
        for (int row = 1; row < tracker.history().gridRowCount(); ++row)
            for (int column = 0; column < HistoryModel::ColumnCount; ++column)
                seen.append(cell(row, column));
        return seen << QString::number(state().dayTotalMinutes())
                    << QString::number(state().dayTotalWithoutPauseMinutes())
                    << QString::fromUtf8(bytes(kDayFileName));
    }

    // Starts with a settings file and today's date in the start window.
    void startDay(const QByteArray &settings = kThreeActivities)
    {
        writeBytes(file(kSettingsFileName), settings);
        tracker.start();
    }

    // Drives the change dialog as its window does: open, type, leave each field, confirm.
    bool change(int activity, const QString &time, const QString &duration = {},
        const QString &end = {}, const QString &comment = {})
    {
        tracker.openChangeDialog();
        ChangeForm &form = tracker.changeForm();
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
        return tracker.confirmChange();
    }

    // Starts the day at 09:00, then makes the changes "index@hh:mm:ss[@comment[@minutes]]" in
    // turn, each at its time; false when one is refused.
    bool logChanges(const QStringList &changes, const QByteArray &settings = kThreeActivities)
    {
        clock.set(2026, 12, 5, 9, 0);
        startDay(settings);
        bool recorded = true;
        for (const QString &step : changes) {
            const QString time = step.section(u'@', 1, 1);
            clock.current = makeDateTime(QDate(2026, 12, 5), QTime::fromString(time));
            recorded = change(step.section(u'@', 0, 0).toInt(), time, step.section(u'@', 3, 3), {},
                           step.section(u'@', 2, 2))
                && recorded;
        }
        return recorded;
    }

    // Dossiers runs since 10:00 and the main window was shown at 10:30.
    void runDossiersSinceTen()
    {
        clock.set(2026, 12, 5, 10, 0);
        startDay();
        change(1, "10:00");
        showAt(10, 30);
    }

    // Shows the main window from the notification area at the given time.
    void showAt(int h, int mi, int s = 0, int day = 5)
    {
        clock.set(2026, 12, day, h, mi, s);
        screens.mainVisible = false;
        tracker.showMainWindow();
    }

    QTemporaryDir dir;
    FakeClock clock;
    FakeQuestions questions;
    FakeScreens screens;
    Tracker tracker;
};

} // namespace qm::test

// Tables list the messages asked.
Q_DECLARE_METATYPE(qm::StockMessage::Code)
