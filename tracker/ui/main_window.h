#pragma once

#include <QMainWindow>

class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace qm {

class Tracker;

// The main window: the day's history, its totals and the commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(Tracker &tracker, bool trayAvailable, QWidget *parent = nullptr);

    // The pop-up menu of the notification-area icon.
    QMenu *trayMenu() const { return m_trayMenu; }

    // Shows the day's date, totals and the state of Changer.
    void updateFromState();
    void showOnScreen();
    // Hides the window, or minimises it when there is no notification area to come back from.
    void hideToTray();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPushButton *command(const char *name, const QString &caption, const QString &toolTip);
    void scrollToRow(int gridRow);

    Tracker &m_tracker;
    bool m_trayAvailable;
    // The window is being brought back by the program itself, not from the task bar.
    bool m_restoring = false;
    QMenu *m_trayMenu;
    QTableView *m_grid;
    QPushButton *m_change;
    QLabel *m_dayDuration;
    QLabel *m_dayDurationWP;
    QLabel *m_today;
};

} // namespace qm
