#pragma once

#include "tracker/core/corrections.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace qm {

class Tracker;

// "Quillmere - Correction": the start, activity and comment of a finished row of today.
class CorrectionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CorrectionDialog(Tracker &tracker, QWidget *parent = nullptr);

    // Shows the row modally; false, and nothing shown, when the row cannot be corrected.
    bool run(int gridRow);

private:
    void save();

    Tracker &m_tracker;
    int m_gridRow = -1;
    // The row as it was shown: the list the activity is chosen from.
    CorrectionFields m_fields;
    QLineEdit *m_start;
    QComboBox *m_activity;
    QLineEdit *m_comment;
    QPushButton *m_remove;
};

} // namespace qm
