#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/absence_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>

using namespace qm;
using namespace qm::test;

// The absence window and the absences setting, driven through their widgets.
class AbsenceWindowTest : public QObject
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
        QTest::newRow("Entrée") << "Enter"
                                << QStringList { "09:10:00", "pause", "09:30:05", "Dossiers" };
        QTest::newRow("Changer d'activité") << "cmdChange" << QStringList();
        QTest::newRow("Ignorer") << "cmdIgnore" << QStringList();
        QTest::newRow("Escape") << "Escape" << QStringList();
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
            if (how == "Escape")
                QTest::keyClick(window, Qt::Key_Escape);
            else if (how == "Enter")
                QTest::keyClick(window, Qt::Key_Return);
            else if (how == "close")
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
        QVERIFY(!program.windows.absenceWindow()->isVisible());
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
        QTest::newRow("window's menu")
            << true << false << QByteArray("client\r\nAbsence=0\r\nRappel=30\r\n");
        QTest::newRow("no idle time") << false << true << QByteArray("client\r\n");
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
        QCOMPARE(program.tracker.absences().isWatching(), false);
        QFETCH(QByteArray, saved);
        QVERIFY(readBytes(program.file("Quillmere.ini")).endsWith(saved));
    }
};

QTEST_MAIN(AbsenceWindowTest)
#include "absence_window_test.moc"
