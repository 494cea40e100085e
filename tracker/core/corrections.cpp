#include "tracker/core/corrections.h"

#include "journal/datetime.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/day.h"
#include "tracker/core/questions.h"

#include <QCoreApplication>

namespace qm {

Corrections::Corrections(Day &day, const SettingsModel &settings, Questions &questions)
    : m_day(day)
    , m_settings(settings)
    , m_questions(questions)
{ }

int Corrections::indexOf(int gridRow) const
{
    const int index = gridRow - m_day.state().historyRowOffset() - 1;
    return m_day.correction().isCorrectable(index) ? index : -1;
}

std::optional<CorrectionFields> Corrections::fieldsOf(int gridRow) const
{
    const int index = indexOf(gridRow);
    if (index < 0)
        return std::nullopt;
    const DayCorrection correction = m_day.correction();
    const DayLine line = correction.line(index);
    CorrectionFields fields;
    fields.start = line.start;
    fields.activities = m_settings.activityChoices;
    fields.activityIndex = line.activity == kPauseActivity
        ? 0
        : int(fields.activities.indexOf(line.activity, fields.activities.isEmpty() ? 0 : 1));
    if (fields.activityIndex < 0) {
        fields.activities.append(line.activity);
        fields.activityIndex = int(fields.activities.size()) - 1;
    }
    fields.comment = line.comment;
    fields.removable = correction.isRemovable(index);
    return fields;
}

bool Corrections::save(int gridRow, const CorrectionFields &fields)
{
    const int index = indexOf(gridRow);
    if (index < 0 || fields.activityIndex < 0 || fields.activityIndex >= fields.activities.size())
        return false;
    const DayCorrection correction = m_day.correction();
    const QDateTime start = dateTimeOfDay(m_day.state().dayDate(), fields.start);
    const QString activity = fields.activityIndex == 0 && fields.activities.first() == kPauseChoice
        ? kPauseActivity.toString()
        : fields.activities.at(fields.activityIndex);
    const auto lines = correction.corrected(index, start, activity, fields.comment);
    if (!lines) {
        m_questions.warn(QCoreApplication::translate("qm::Corrections", "Quillmere - Correction"),
            QCoreApplication::translate("qm::Corrections",
                "Le début de cette activité doit être une heure comprise entre %1 et %2.")
                .arg(timeText(correction.earliestStart(index).time()),
                    timeText(correction.latestStart(index).time())));
        return false;
    }
    m_day.replaceLines(*lines);
    return true;
}

void Corrections::remove(int gridRow)
{
    const DayCorrection correction = m_day.correction();
    const int index = indexOf(gridRow);
    if (index >= 0 && correction.isRemovable(index))
        m_day.replaceLines(correction.removed(index));
}

} // namespace qm
