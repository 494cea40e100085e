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

class QMstat;
class UserNotice;
class frmByActivity;
class frmByDate;

// The statistics program's main window: the global figures, the period and the activity of
// the two reports, and the way out.
class frmMain : public QWidget
{
    Q_OBJECT
public:
    frmMain(const QMstat &stats, const Clock &clock, UserNotice &notice);
    ~frmMain() override;

    // Shows the window in front and active, the focus in the first date box.
    void present();
    void FillActivityList();
    void ShowOverallFigures();

    // The report windows, once shown (null before).
    frmByDate *byDateWindow() const { return m_byDate.get(); }
    frmByActivity *byActivityWindow() const { return m_byActivity.get(); }

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
    void txtFromDate_Validate();
    void txtToDate_Validate();
    void cmdGoByDate_Click();
    void cmdGoByActivity_Click();
    void cmdClose_Click();

    const QMstat &m_stats;
    const Clock &m_clock;
    UserNotice &m_notice;
    QVBoxLayout *m_layout = nullptr;
    std::array<QLabel *, 9> m_values {};
    QLabel *m_unreadableDurations = nullptr;
    QLineEdit *m_txtFromDate = nullptr;
    QLineEdit *m_txtToDate = nullptr;
    QComboBox *m_cmbActivities = nullptr;
    // Only an item chosen from the list counts, never a name typed into the edit field.
    int m_chosenItem = -1;
    std::unique_ptr<frmByDate> m_byDate;
    std::unique_ptr<frmByActivity> m_byActivity;
};

} // namespace qm::stats
