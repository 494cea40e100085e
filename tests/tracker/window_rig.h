#pragma once

#include "rig.h"
#include "tests/support/widgets.h"

#include "tracker/ui/change_dialog.h"
#include "tracker/ui/main_window.h"
#include "tracker/ui/program_icon.h"
#include "tracker/ui/window_set.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

namespace qm::test {

template<typename T = QPushButton> T *child(QWidget *window, const char *name)
{
    return findWidget<T>(window, QString::fromLatin1(name));
}

inline void click(QWidget *window, const char *button)
{
    QTest::mouseClick(child(window, button), Qt::LeftButton);
}

// Every window of the program carries its icon, and every box its "Quillmere - " title. The
// test fails without stopping, so that the window is still answered.
inline void checkProgramWindow(const QWidget *window)
{
    const bool box
        = qobject_cast<const QMessageBox *>(window) || qobject_cast<const QInputDialog *>(window);
    if (window->windowIcon().pixmap(16).toImage() != programPicture(16).toImage()
        || (box && !window->windowTitle().startsWith(QStringLiteral("Quillmere - "))))
        QTest::qFail(qPrintable(window->windowTitle()), __FILE__, __LINE__);
}

// Runs `act` on the next modal window once it is on screen, from inside its own event loop.
inline void onNextModal(std::function<void(QWidget *)> act, QWidget *previous = nullptr)
{
    QTimer::singleShot(10, qApp, [act = std::move(act), previous] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == previous || !modal->isVisible()) {
            onNextModal(act, previous);
        } else {
            checkProgramWindow(modal);
            act(modal);
        }
    });
}

inline void clickInNextModal(const char *button, QWidget *previous = nullptr)
{
    onNextModal([button](QWidget *modal) { click(modal, button); }, previous);
}

// Through the clipboard, as a line break cannot be typed into a line edit.
inline void paste(QLineEdit *edit, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    edit->setFocus();
    QTest::keySequence(edit, QKeySequence::Paste);
}

// The real windows over a program folder.
struct Program
{
    explicit Program(const QString &otherFolder = {}, bool trayAvailable = true)
        : folder(otherFolder.isEmpty() ? own.path() : otherFolder)
        , windows(trayAvailable, [this] { ended = true; })
        , tracker(this->folder, clock, windows, windows, desktop)
    {
        windows.attach(tracker);
    }
    ~Program()
    {
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (qobject_cast<const QDialog *>(window) || qobject_cast<const QMainWindow *>(window))
                checkProgramWindow(window);
        }
    }

    // A start with three activities, through the start window.
    void startNormally(const QByteArray &settings = kThreeActivities)
    {
        writeBytes(QDir(folder).filePath("Quillmere.ini"), settings);
        clickInNextModal("cmdStart");
        tracker.start();
    }
    MainWindow *main() const { return windows.mainWindow(); }
    QString file(const char *name) const { return QDir(folder).filePath(name); }
    QString cell(int row, int column) const
    {
        const auto *grid = child<QTableView>(main(), "grdHistorique");
        return grid->model()->index(row, column).data().toString();
    }

    // Changer, then fills the dialog's fields through its widgets and confirms; activity -1 is
    // the last one. The comment is pasted into the field `pasteInto` when one is given.
    void change(int activity, const QString &duration, const QString &end, const QString &comment,
        const char *pasteInto = nullptr)
    {
        onNextModal([=](QWidget *dialog) {
            const auto type = [dialog](const char *name, const QString &text, bool enter) {
                auto *edit = child<QLineEdit>(dialog, name);
                edit->setFocus();
                QTest::keyClicks(edit, text);
                if (enter)
                    QTest::keyClick(edit, Qt::Key_Return);
            };
            if (!duration.isEmpty())
                type("txtDuration", duration, true);
            if (!end.isEmpty())
                type("txtEndTime", end, true);
            auto *activities = child<QListWidget>(dialog, "lstActivities");
            activities->setCurrentRow(activity < 0 ? activities->count() - 1 : activity);
            if (pasteInto)
                paste(child<QLineEdit>(dialog, pasteInto), comment);
            else
                type("txtComment", comment, false);
            click(dialog, "cmdOK");
        });
        click(main(), "cmdChange");
    }

    QTemporaryDir own;
    QString folder;
    FakeClock clock;
    FakeScreens desktop;
    bool ended = false;
    WindowSet windows;
    Tracker tracker;
};

// The real windows, with Dossiers running since 09:00 and a desktop whose idle time the test
// sets.
struct AwayProgram : Program
{
    explicit AwayProgram(bool withIdleTime = true, bool trayAvailable = true)
        : Program({}, trayAvailable)
    {
        if (withIdleTime)
            tracker.absences().setIdleSource(&idle, &steady);
        startNormally();
        change(1, {}, {}, {});
        QCoreApplication::processEvents();
    }

    // The desktop was left at 09:10:00 and found again at 09:30:05.
    void comeBack()
    {
        for (const auto &[time, idleMs] :
            { std::pair { QTime(9, 30), 20 * 60'000 }, std::pair { QTime(9, 30, 10), 5'000 } }) {
            clock.current = makeDateTime(QDate(2026, 12, 5), time);
            idle.idleMs = idleMs;
            tracker.absences().watch()->look();
        }
    }

    FakeIdle idle;
    FakeSteadyClocks steady { clock };
};

// The change dialog over a core with fake screens: Dossiers runs since 10:00, it is 10:30.
struct OpenChangeDialog
{
    OpenChangeDialog()
        : dialog(rig.tracker)
    {
        rig.runDossiersSinceTen();
        rig.screens.onChangeDialog = [this] {
            dialog.showFields();
            dialog.show();
        };
        rig.tracker.openChangeDialog();
        if (!QTest::qWaitForWindowActive(&dialog))
            qFatal("the change dialog did not become active");
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(&dialog, name); }

    Rig rig;
    qm::ChangeDialog dialog;
};

} // namespace qm::test
