#pragma once

#include "tracker/core/questions.h"

#include <QDialog>

class QLabel;

namespace qm {

// The question asked on the user's return after an absence.
class AbsenceDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AbsenceDialog(QWidget *parent = nullptr);

    // Shows the text modally and returns the answer; the close box and Escape ignore it.
    AbsenceAnswer ask(const QString &text);

private:
    QLabel *m_text;
    AbsenceAnswer m_answer = AbsenceAnswer::Ignore;
};

} // namespace qm
