#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace qm {

class Tracker;

// The start window: the date of the day to log.
class StartWindow : public QDialog
{
    Q_OBJECT

public:
    explicit StartWindow(Tracker &tracker, QWidget *parent = nullptr);

    // Modal; true for "Démarrer", false for "Quitter".
    bool run();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void checkDate();

    Tracker &m_tracker;
    QLineEdit *m_today;
    QPushButton *m_start;
    QPushButton *m_quit;
    bool m_started = false;
};

} // namespace qm
