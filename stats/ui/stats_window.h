#pragma once

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace qm {
class Clock;
}

namespace qm::stats {

class Statistics;
class UserNotice;
class ByActivityWindow;
class ByDateWindow;

// The statistics program's main window: the global figures, the period and the activity of
// the two reports, and the way out.
class StatsWindow : public QWidget
{
    Q_OBJECT
public:
    StatsWindow(const Statistics &stats, const Clock &clock, UserNotice &notice);
    ~StatsWindow() override;

    // Shows the window in front and active, the focus in the first date box.
    void present();
    void fillActivityList();
    void showOverallFigures();

    // The report windows, once shown (null before).
    ByDateWindow *byDateWindow() const { return m_byDate.get(); }
    ByActivityWindow *byActivityWindow() const { return m_byActivity.get(); }

signals:
    // The window is gone: the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createFigures();
    void createPeriod();
    void createActivityChoice();
    void showUnreadableDurations(const QString &text);
    void validateFromDate();
    void validateToDate();
    void openReportByDate();
    void openReportByActivity();
    void closeClicked();

    const Statistics &m_stats;
    const Clock &m_clock;
    UserNotice &m_notice;
    QVBoxLayout *m_layout = nullptr;
    std::array<QLabel *, 9> m_values {};
    QLabel *m_unreadableDurations = nullptr;
    QLineEdit *m_fromDate = nullptr;
    QLineEdit *m_toDate = nullptr;
    QComboBox *m_cmbActivities = nullptr;
    // Only an item chosen from the list counts, never a name typed into the edit field.
    int m_chosenItem = -1;
    std::unique_ptr<ByDateWindow> m_byDate;
    std::unique_ptr<ByActivityWindow> m_byActivity;
};

} // namespace qm::stats
