#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QSpinBox;

namespace qm {

class Tracker;

// The absences setting: whether a return is offered as a pause, and after how long.
class AbsenceSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AbsenceSettingsDialog(Tracker &tracker, QWidget *parent = nullptr);

    // Shows the setting modally; OK hands it to the core.
    void run();

private:
    void save();

    Tracker &m_tracker;
    QCheckBox *m_offer;
    QSpinBox *m_minutes;
    QLabel *m_noIdleTime;
    QCheckBox *m_remind;
    QSpinBox *m_reminderMinutes;
    QLabel *m_noReminders;
};

} // namespace qm
