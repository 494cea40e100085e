#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qm {

class Tracker;

// The activity change dialog. Its fields live in the core's change form; the widgets only
// show them and hand every edit back.
class ChangeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ChangeDialog(Tracker &tracker, QWidget *parent = nullptr);

    // Shows the fields of the change form, modally.
    void run();
    // Puts the change form's fields into the widgets.
    void showFields();

    void reject() override;

signals:
    // The dialog went away: the window under it takes the keys again.
    void hidden();

protected:
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takeFields();
    // False when the user said the value is not meant: the focus is back in the field.
    bool runCheck(QObject *field);
    bool handleKey(QKeyEvent *event);
    void confirm();

    Tracker &m_tracker;
    QLineEdit *m_invokeTime;
    QLineEdit *m_duration;
    QLineEdit *m_endTime;
    QListWidget *m_activities;
    QLineEdit *m_comment;
    QLineEdit *m_addComment;
    QListWidget *m_comments;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QLabel *m_current;
    QLabel *m_pastDay;
};

} // namespace qm
