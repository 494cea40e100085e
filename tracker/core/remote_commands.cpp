#include "tracker/core/remote_commands.h"

#include "journal/datetime.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/screens.h"
#include "tracker/core/tracker.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace qm {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("qm::RemoteCommands", text);
}

RemoteAnswer refused(const QString &text)
{
    return { RemoteAnswer::Refused, text };
}

} // namespace

QByteArray RemoteAnswer::toLine() const
{
    QJsonObject reply;
    reply.insert(remote::kExit, int(code));
    reply.insert(remote::kText, text);
    return QJsonDocument(reply).toJson(QJsonDocument::Compact) + '\n';
}

RemoteAnswer RemoteAnswer::fromLine(const QByteArray &line)
{
    const QJsonObject reply = QJsonDocument::fromJson(line).object();
    return { Code(reply.value(remote::kExit).toInt(Busy)), reply.value(remote::kText).toString() };
}

RemoteCommands::RemoteCommands(Tracker &tracker, const Screens &screens, const Clock &clock)
    : m_tracker(tracker)
    , m_screens(screens)
    , m_clock(clock)
{ }

bool RemoteCommands::isBusy() const
{
    return m_tracker.hasEnded() || m_tracker.isFirstRunPending() || m_screens.isModalWindowOpen();
}

QByteArray RemoteCommands::answer(QByteArrayView request)
{
    return answer(QJsonDocument::fromJson(request.toByteArray()).object()).toLine();
}

RemoteAnswer RemoteCommands::answer(const QJsonObject &request)
{
    const QString command = request.value(remote::kCommand).toString();
    if (command == remote::kSwitch)
        return switchTo(request);
    if (command == remote::kStatus)
        return status();
    return refused(tr("Quillmere ne connaît pas cette demande."));
}

RemoteAnswer RemoteCommands::status() const
{
    if (m_tracker.hasEnded())
        return { RemoteAnswer::Busy, tr("Quillmere s'arrête.") };
    // Before the day's first change nothing runs, and there is nothing to say.
    if (m_tracker.state().currentActivity() == kStartActivity)
        return {};
    QString text = m_tracker.trayToolTip();
    const QString prefix = QStringLiteral("Quillmere - ");
    if (text.startsWith(prefix))
        text.remove(0, prefix.size());
    return { RemoteAnswer::Done, text };
}

RemoteAnswer RemoteCommands::switchTo(const QJsonObject &request)
{
    if (isBusy())
        return { RemoteAnswer::Busy,
            tr("Quillmere attend une réponse dans une de ses fenêtres : le changement n'a pas été "
               "fait.") };
    const DayState &day = m_tracker.state();
    if (!m_tracker.isChangeEnabled() || m_tracker.isPastDay())
        return refused(tr("Le %1 est une journée passée : chaque activité y a une durée, à "
                          "indiquer dans la fenêtre de changement.")
                           .arg(day.dayDate()));

    // The change dialog's list: the pause entry first, then the current activities.
    const QString activity = request.value(remote::kActivity).toString();
    const QStringList &choices = m_tracker.settings().activityChoices;
    const int index = activity == kPauseActivity
        ? 0
        : int(choices.indexOf(activity, choices.isEmpty() ? 0 : 1));
    if (activity.isEmpty() || index < 0 || choices.isEmpty())
        return refused(
            tr("L'activité « %1 » n'est pas dans la liste des activités actuelles.").arg(activity));

    const QDateTime now = m_clock.now();
    const QString at = request.value(remote::kAt).toString();
    const QString ago = request.value(remote::kAgo).toString();
    QDateTime time = now;
    if (!at.isEmpty()) {
        if (!parseUserTime(at))
            return refused(tr("« %1 » n'est pas une heure (hh:mm ou hh:mm:ss).").arg(at));
        time = dateTimeOfDay(day.dayDate(), at);
    } else if (!ago.isEmpty()) {
        bool number = false;
        const int minutes = ago.toInt(&number);
        if (!number || minutes < 1 || minutes > 999)
            return refused(tr("--ago prend un nombre de minutes de 1 à 999."));
        time = addMinutes(now, -minutes);
    }
    const QString typed = timeText(time.time());
    const auto tooEarlyOrLate = [&] {
        return refused(tr("L'heure %1 ne convient pas : le changement vient au moins une minute "
                          "après le début de l'activité en cours (%2), et pas après maintenant "
                          "(%3).")
                           .arg(typed, timeText(day.currentStart().time()), timeText(now.time())));
    };
    if (time > now || time.date() != day.loggedDay())
        return tooEarlyOrLate();
    // To the second, as the dialog's field holds it.
    time = dateTimeOfDay(day.dayDate(), typed);

    // Through the change dialog's own form, as a user would fill it.
    ChangeForm &form = m_tracker.changeForm();
    form.proposeChangeTime();
    form.open();
    form.fields().durationNeeded = false;
    form.fields().invokeTime = typed;
    form.checkChangeTime();
    // The check puts back the proposed time when the typed one does not fit.
    if (form.fields().invokeTime != typed || day.changeTime() != time)
        return tooEarlyOrLate();
    form.fields().activityIndex = index;
    form.fields().comment = request.value(remote::kComment).toString();
    if (!m_tracker.confirmChange())
        return refused(tr("Quillmere n'a pas pu faire le changement : sa fenêtre dit pourquoi."));
    return {};
}

} // namespace qm
