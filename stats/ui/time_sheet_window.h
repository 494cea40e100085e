#pragma once

#include <QWidget>

namespace qm::stats {

class FrozenColumnView;
class Statistics;
class TimeSheetModel;
class UserNotice;

// "Quillmere - Feuille de temps du … au …": the period of the report by date, activities by
// day, exported and printed as they are shown.
class TimeSheetWindow : public QWidget
{
    Q_OBJECT

public:
    TimeSheetWindow(const Statistics &stats, UserNotice &notice);

    void showTimeSheet(QDate from, QDate to);

private:
    void exportSheet();
    void printSheet();

    const Statistics &m_stats;
    UserNotice &m_notice;
    TimeSheetModel *m_model;
    FrozenColumnView *m_grid;
};

} // namespace qm::stats
