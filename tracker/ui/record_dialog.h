#pragma once

#include "tracker/core/journal_editor.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QLineEdit;
class QSpinBox;

namespace qm {

// "Quillmere - Correction" over one record of a closed day: its duration, activity and comment.
class RecordDialog : public QDialog
{
    Q_OBJECT

public:
    // `accept` takes the fields the user saved; when it refuses them the window stays open.
    using Acceptor = std::function<bool(const RecordFields &)>;

    explicit RecordDialog(QWidget *parent = nullptr);

    // Shows the fields modally; true when they were saved.
    bool run(const RecordFields &fields, const Acceptor &accept);

private:
    void save();

    RecordFields m_fields;
    Acceptor m_accept;
    QSpinBox *m_minutes;
    QComboBox *m_activity;
    QLineEdit *m_comment;
};

} // namespace qm
