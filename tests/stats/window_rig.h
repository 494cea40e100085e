#pragma once

#include "rig.h"
#include "stats/ui/by_activity_window.h"
#include "stats/ui/by_date_window.h"
#include "stats/ui/frozen_column_view.h"
#include "stats/ui/stats_window.h"
#include "stats/ui/user_notice.h"
#include "tests/support/widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <memory>

namespace qm::stats::test {

inline void clickButton(QWidget *parent, const QString &button)
{
    QTest::mouseClick(qm::test::findWidget<QPushButton>(parent, button), Qt::LeftButton);
}

// Keeps what the program would have told the user instead of opening message boxes.
class RecordingNotice final : public UserNotice
{
public:
    void inform(QWidget *, const QString &text) override { informed.append(text); }
    void warn(QWidget *, const QString &text) override { warned.append(text); }
    std::optional<ExportChoice> askExport(QWidget *, const QString &proposedPath) override
    {
        proposed.append(proposedPath);
        return exportChoice;
    }
    bool askReplace(QWidget *, const QString &path) override
    {
        replaceAsked.append(path);
        return replace;
    }

    QStringList informed;
    QStringList warned;
    QStringList proposed;
    std::optional<ExportChoice> exportChoice; // nothing: the dialog is cancelled
    QStringList replaceAsked;
    bool replace = true;
};

// The main window and the two report windows over the journal a test writes (none when null),
// each made when first asked for.
class ReportWindows
{
public:
    explicit ReportWindows(const QByteArray &journal, const QByteArray &settings = {})
    {
        if ((!journal.isNull() && !folder.writeJournal(journal))
            || (!settings.isEmpty() && !folder.writeSettings(settings)))
            QTest::qFail("the test's program folder cannot be written", __FILE__, __LINE__);
        stats = folder.load();
    }

    ByDateWindow &byDate() { return made(m_byDate); }
    ByActivityWindow &byActivity() { return made(m_byActivity); }
    StatsWindow &main() { return made(m_main); }
    ReportWindow &report(bool byActivityReport)
    {
        return byActivityReport ? static_cast<ReportWindow &>(byActivity()) : byDate();
    }
    void press(bool byActivityReport, const QString &button)
    {
        clickButton(&report(byActivityReport), button);
    }
    void exportTo(bool byActivityReport, const QString &path, bool pdf)
    {
        notice.exportChoice = ExportChoice { path, pdf };
        press(byActivityReport, QStringLiteral("cmdExport"));
    }

    ProgramFolder folder;
    Statistics stats;
    FixedClock clock;
    RecordingNotice notice;

private:
    template<typename W> W &made(std::unique_ptr<W> &window)
    {
        if (!window)
            window = std::make_unique<W>(stats, clock, notice);
        return *window;
    }

    std::unique_ptr<ByDateWindow> m_byDate;
    std::unique_ptr<ByActivityWindow> m_byActivity;
    std::unique_ptr<StatsWindow> m_main;
};

// Both reports over tests/data/stats/export.log (or the journal given) as a user first sees them:
// by date from 2 to 5 March, by activity on "Réunion" (or the activity given).
struct ShownReports : ReportWindows
{
    explicit ShownReports(const QByteArray &journal = golden("export.log"),
        const QString &activity = QStringLiteral("Réunion"))
        : ReportWindows(journal, "User=Dupont\r\n")
    {
        byDate().showReportByDate(march(2), march(5));
        byActivity().showReportByActivity(activityNamed(stats, activity));
    }
};

// The main window over a journal (none when null), filled and shown as at start-up.
struct Session : ReportWindows
{
    explicit Session(const QByteArray &journal)
        : ReportWindows(journal, "User=Dupont\r\n")
    {
        main().fillActivityList();
        main().showOverallFigures();
        main().show();
        main().activateWindow();
    }

    // A child of the main window, or of `parent`.
    template<typename T> T *child(const QString &name, QObject *parent = nullptr)
    {
        return qm::test::findWidget<T>(parent ? parent : &main(), name);
    }
    QStringList texts(const QStringList &labels, QObject *parent = nullptr)
    {
        QStringList shown;
        for (const QString &label : labels)
            shown.append(child<QLabel>(label, parent)->text());
        return shown;
    }

    void type(const QString &box, const QString &text)
    {
        auto *edit = child<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(const QString &button, QWidget *parent = nullptr)
    {
        clickButton(parent ? parent : &main(), button);
    }
    // Picks an item of the activity list the way the keyboard does.
    void chooseActivity(int item)
    {
        auto *combo = child<QComboBox>("cmbActivities");
        combo->setFocus();
        combo->setCurrentIndex(item == 0 ? 1 : item - 1);
        QTest::keyClick(combo, item == 0 ? Qt::Key_Up : Qt::Key_Down);
    }
};

// The report by date of the first week of March, and its sheet opened from Feuille de temps.
struct OpenSheet
{
    OpenSheet()
        : windows(golden("export.log"))
    {
        windows.byDate().showReportByDate(march(2), march(8));
        clickButton(&windows.byDate(), "cmdTimeSheet");
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == u"frmTimeSheet" && top->isVisible())
                window = top;
        if (window)
            grid = qm::test::findWidget<FrozenColumnView>(window, "grdSheet");
    }
    QString heading(int column) const
    {
        return grid->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }

    ReportWindows windows;
    QWidget *window = nullptr;
    FrozenColumnView *grid = nullptr;
};

} // namespace qm::stats::test
