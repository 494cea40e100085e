#include "tests/support/locale.h"
#include "window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>

using namespace qm;
using namespace qm::test;

// The absence window, the absences setting and the correction windows over the main window's
// history and over the journal, driven through their widgets.
class SideWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void absenceWindow_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QStringList>("rows"); // the day's rows after the first: start, activity
        QTest::newRow("Compter une pause")
            << "cmdPause" << QStringList { "09:10:00", "pause", "09:30:05", "Dossiers" };
        QTest::newRow("Changer d'activité") << "cmdChange" << QStringList();
        QTest::newRow("Ignorer") << "cmdIgnore" << QStringList();
        QTest::newRow("close box") << "close" << QStringList();
    }
    void absenceWindow()
    {
        QFETCH(QString, how);
        AwayProgram program;
        QString text, proposed;
        bool pauseIsDefault = false;
        onNextModal([&](QWidget *window) {
            text = child<QLabel>(window, "lblAbsence")->text();
            pauseIsDefault = child(window, "cmdPause")->isDefault();
            if (how == "cmdChange") {
                onNextModal(
                    [&](QWidget *dialog) {
                        proposed = child<QLineEdit>(dialog, "txtInvokeTime")->text();
                        click(dialog, "cmdCancel");
                    },
                    window);
            }
            if (how == "close")
                window->close();
            else
                click(window, how.toLatin1().constData());
        });
        program.comeBack();
        QCOMPARE(text, "Aucune activité de votre part depuis 09:10:00 (21 min).");
        QVERIFY(pauseIsDefault);
        QCOMPARE(proposed, how == "cmdChange" ? "09:10:00" : "");
        QStringList rows;
        for (int row = 2; row <= program.tracker.history().rowCount(); ++row)
            rows << program.tracker.history().cell(row, HistoryModel::StartColumn)
                 << program.tracker.history().cell(row, HistoryModel::ActivityColumn);
        QTEST(rows, "rows");
    }

    // The setting from the icon's menu, or from the window's own menu where there is no icon,
    // with the reminder's, off until turned on; where the desktop gives neither its idle time
    // nor notifications, the window says so and changes nothing.
    void settingWindow_data()
    {
        QTest::addColumn<bool>("withIdleTime");
        QTest::addColumn<bool>("trayAvailable");
        QTest::addColumn<QByteArray>("saved"); // the settings file's end
        QTest::newRow("icon's menu")
            << true << true << QByteArray("client\r\nAbsence=0\r\nRappel=30\r\n");
        QTest::newRow("window's menu, no idle time") << false << false << QByteArray("client\r\n");
    }
    void settingWindow()
    {
        QFETCH(bool, withIdleTime);
        QFETCH(bool, trayAvailable);
        AwayProgram program(withIdleTime, trayAvailable);
        program.tracker.setRemindersPossible(withIdleTime);
        QMenu *menu = program.main()->trayMenu();
        if (!trayAvailable) {
            program.main()->showOnScreen();
            QWidget *central = program.main()->centralWidget();
            QContextMenuEvent event(
                QContextMenuEvent::Mouse, QPoint(5, 5), central->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(central, &event);
            QVERIFY(QTest::qWaitFor([menu] { return menu->isVisible(); }));
            menu->hide();
        }
        bool noticeShown = true, offerEnabled = false;
        onNextModal([&](QWidget *window) {
            noticeShown = child<QLabel>(window, "lblNoIdleTime")->isVisible();
            auto *offer = child<QCheckBox>(window, "chkAbsence");
            offerEnabled = offer->isEnabled();
            QVERIFY(offer->isChecked());
            QCOMPARE(child<QSpinBox>(window, "txtAbsenceMinutes")->value(), 15);
            QTest::mouseClick(offer, Qt::LeftButton);
            auto *remind = child<QCheckBox>(window, "chkReminder");
            auto *minutes = child<QSpinBox>(window, "txtReminderMinutes");
            QCOMPARE(child<QLabel>(window, "lblNoReminders")->isVisible(), !withIdleTime);
            QVERIFY(!remind->isChecked() && !minutes->isEnabled());
            QCOMPARE(minutes->value(), 120);
            QCOMPARE(remind->isEnabled(), withIdleTime);
            QTest::mouseClick(remind, Qt::LeftButton);
            minutes->setValue(30);
            click(window, "cmdOK");
        });
        auto *entry = menu->findChild<QAction *>("mnuAbsences");
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(noticeShown, !withIdleTime);
        QCOMPARE(offerEnabled, withIdleTime);
        QFETCH(QByteArray, saved);
        QVERIFY(readBytes(program.file("Quillmere.ini")).endsWith(saved));
    }

    // Dossiers from 09:00, then Réunion running: the finished row opens by a double click, by
    // Enter and by Corriger; Escape leaves it as it was, Enregistrer saves it. The running row
    // does not open.
    void correctingAFinishedRow_data()
    {
        QTest::addColumn<QByteArray>("how");
        QTest::addColumn<bool>("saved");
        QTest::newRow("double click, Enregistrer") << QByteArray("double click") << true;
        QTest::newRow("Enter, Escape") << QByteArray("Enter") << false;
        QTest::newRow("Corriger, Enregistrer") << QByteArray("Corriger") << true;
    }
    void correctingAFinishedRow()
    {
        QFETCH(QByteArray, how);
        QFETCH(bool, saved);
        AwayProgram program(false);
        program.clock.set(2026, 12, 5, 9, 30);
        program.tracker.showMainWindow();
        program.change(2, {}, {}, {});
        program.tracker.showMainWindow();
        auto *grid = child<QTableView>(program.main(), "grdHistorique");
        const QByteArray dayFile = readBytes(program.file("Quillmere.day"));

        QStringList shown;
        onNextModal([&](QWidget *window) {
            shown << window->windowTitle() << child<QLineEdit>(window, "txtStart")->text()
                  << child<QComboBox>(window, "cboActivity")->currentText();
            QVERIFY(!child(window, "cmdRemove")->isEnabled());
            auto *start = child<QLineEdit>(window, "txtStart");
            start->setText("08:45");
            child<QComboBox>(window, "cboActivity")->setCurrentIndex(3);
            if (saved)
                click(window, "cmdSave");
            else
                QTest::keyClick(start, Qt::Key_Escape);
        });
        const QRect first = grid->visualRect(grid->model()->index(0, 2));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        if (how == "double click") {
            // The double click's event follows the first click's, as a mouse sends them.
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, first.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, first.center());
        } else if (how == "Enter") {
            QTest::keyClick(grid, Qt::Key_Return);
        } else {
            click(program.main(), "cmdCorrect");
        }
        QCOMPARE(shown, QStringList({ "Quillmere - Correction", "09:00:00", "Dossiers" }));
        QCOMPARE(program.cell(0, 0) + u'|' + program.cell(0, 2),
            saved ? "08:45:00|Courrier" : "09:00:00|Dossiers");
        QCOMPARE(readBytes(program.file("Quillmere.day")),
            saved ? QByteArray("05/12/2026\r\n08:45:00, 45,Courrier,\r\n") : dayFile);

        // The running row is not corrected.
        grid->setCurrentIndex(grid->model()->index(1, 0));
        QVERIFY(!child(program.main(), "cmdCorrect")->isEnabled());
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A closed day, opened from the main window: one record's activity changed through the
    // record window and saved changes that line alone and keeps the old journal; the undo puts
    // it back byte for byte. Leaving with an edit not saved asks first.
    void correctingAClosedDay()
    {
        Program program;
        const QByteArray journal = "03/12/2026, 60,Dossiers,client\r\n"
                                   "03/12/2026, 30,R\xC3\xA9union,\n"
                                   "04/12/2026, 90,Courrier,\r\n";
        writeBytes(program.file("Quillmere.log"), journal);
        program.startNormally();

        QStringList shown;
        QByteArray saved;
        onNextModal([&](QWidget *window) {
            auto *days = child<QTreeWidget>(window, "lstDays");
            shown << window->windowTitle() << days->topLevelItem(0)->text(0)
                  << days->topLevelItem(0)->text(1);
            days->setCurrentItem(days->topLevelItem(1));
            auto *grid = child<QTableWidget>(window, "grdRecords");
            shown << grid->item(1, 0)->text() + u',' + grid->item(1, 1)->text();
            QVERIFY(!child(window, "cmdSave")->isEnabled());
            grid->selectRow(1);
            onNextModal(
                [&](QWidget *record) {
                    shown << record->windowTitle()
                          << QString::number(child<QSpinBox>(record, "txtMinutes")->value());
                    child<QComboBox>(record, "cboActivity")->setCurrentText("Courrier");
                    click(record, "cmdSave");
                },
                window);
            click(window, "cmdModify");
            shown << grid->item(1, 1)->text();
            click(window, "cmdSave");
            saved = readBytes(program.file("Quillmere.log"));
            clickInNextModal("cmdYes", window);
            click(window, "cmdUndo");
            // An edit not saved: Escape asks, and "Annuler" keeps the window.
            grid->selectRow(0);
            click(window, "cmdRemove");
            clickInNextModal("cmdNo", window);
            QTest::keyClick(window, Qt::Key_Escape);
            shown << QString::number(window->isVisible());
            clickInNextModal("cmdYes", window);
            click(window, "cmdClose");
        });
        click(program.main(), "cmdJournal");
        QCOMPARE(shown,
            QStringList({ "Quillmere - Journal", "04/12/2026", "1 h 30", "30,Réunion",
                "Quillmere - Correction", "30", "Courrier", "1" }));
        QCOMPARE(saved, QByteArray(journal).replace("30,R\xC3\xA9union,\n", "30,Courrier,\n"));
        // The copies kept: JournalEditorTest::daysAndUndo.
        QCOMPARE(readBytes(program.file("Quillmere.log")), journal);
    }
};

QTEST_MAIN(SideWindowsTest)
#include "side_windows_test.moc"
