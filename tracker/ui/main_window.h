#pragma once

#include <QMainWindow>

#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace qm {

class CorrectionDialog;
class Tracker;

// The main window: the day's history, its totals and the commands.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(Tracker &tracker, bool trayAvailable, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The pop-up menu of the notification-area icon.
    QMenu *trayMenu() const { return m_trayMenu; }

    // Shows the day's date, totals and the state of Changer.
    void updateFromState();
    void showOnScreen();
    // Hides the window, or minimises it when there is no notification area to come back from.
    void hideToTray();
    // The change dialog over this window, as the notification area's "Changer d'activité…"
    // opens it, for every way in from outside; nothing while a modal window waits.
    void changeActivity();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Enter in the history corrects the chosen row.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QPushButton *command(const char *name, const QString &caption, const QString &toolTip);
    void scrollToRow(int gridRow);
    // Opens the correction window over a finished row of the day; other rows are left alone.
    void correctRow(int gridRow);
    void updateCorrectButton();
    // Each column as wide as its heading; the comment column takes what the grid has over.
    void fitColumns();

    Tracker &m_tracker;
    bool m_trayAvailable;
    // The window is being brought back by the program itself, not from the task bar.
    bool m_restoring = false;
    QMenu *m_trayMenu;
    QTableView *m_grid;
    QPushButton *m_change;
    QPushButton *m_correct;
    QLabel *m_dayDuration;
    QLabel *m_dayDurationWP;
    QLabel *m_today;
    // A window of its own, as the program's other dialogs are.
    std::unique_ptr<CorrectionDialog> m_correction;
};

} // namespace qm
