#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qm {

class Day;
class Questions;
struct SettingsModel;

// What the correction window shows of a finished row of the day.
struct CorrectionFields
{
    QString start; // Début, "hh:mm:ss"
    QStringList activities; // Activité's list: the change dialog's, and the row's own if retired
    int activityIndex = -1;
    QString comment;
    bool removable = false; // Supprimer; the day's first row has no row before it to take its time
};

// The correction window without its widgets: a finished row of today, its checks, and the
// correction, made through the day as the right changes would have been at the time.
class Corrections
{
public:
    Corrections(Day &day, const SettingsModel &settings, Questions &questions);

    // Whether the row is one of the day's finished rows (not the journal's, the one running or
    // the header).
    bool isCorrectable(int gridRow) const { return indexOf(gridRow) >= 0; }
    // Nullopt for a row that is not correctable.
    std::optional<CorrectionFields> fieldsOf(int gridRow) const;
    // False, the user told the allowed range and nothing changed, when the start does not fit
    // between the previous row's start and the row's end.
    bool save(int gridRow, const CorrectionFields &fields);
    // The row's time goes to the row before it.
    void remove(int gridRow);

private:
    int indexOf(int gridRow) const;

    Day &m_day;
    const SettingsModel &m_settings;
    Questions &m_questions;
};

} // namespace qm
