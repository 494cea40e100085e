#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/absence_dialog.h"
#include "tracker/ui/absence_settings_dialog.h"
#include "tracker/ui/editor_window.h"
#include "tracker/ui/first_run_dialog.h"
#include "tracker/ui/message_dialog.h"
#include "tracker/ui/start_window.h"

#include <QAccessible>
#include <QSet>

using namespace qm;
using namespace qm::test;

namespace {

// Every captioned button of the window has its own Alt letter, and a screen reader reads the
// caption as shown.
void checkMnemonics(QWidget *window)
{
    QSet<QKeySequence> taken;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString text = button->text();
        if (text.isEmpty())
            continue;
        const QKeySequence mnemonic = QKeySequence::mnemonic(text);
        const QString where = window->objectName() + u' ' + text;
        QVERIFY2(!mnemonic.isEmpty(), qPrintable(where));
        QVERIFY2(!taken.contains(mnemonic), qPrintable(where));
        taken.insert(mnemonic);
        const QString read = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        QCOMPARE(read, QString(text).remove(u'&'));
        QCOMPARE(button->accessibleName(), read);
    }
    QVERIFY2(!taken.isEmpty(), qPrintable(window->objectName()));
}

} // namespace

// Escape and the Alt letters in the program's windows.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void escapeAbandonsTheChange_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::newRow("change time") << QByteArray("txtInvokeTime");
        QTest::newRow("duration") << QByteArray("txtDuration");
        QTest::newRow("activity list") << QByteArray("lstActivities");
        QTest::newRow("comment") << QByteArray("txtComment");
        QTest::newRow("comment types") << QByteArray("lstComments");
        QTest::newRow("Confirmer") << QByteArray("cmdOK");
    }
    void escapeAbandonsTheChange()
    {
        QFETCH(QByteArray, focus);
        Program program;
        program.startNormally();
        program.change(1, {}, {}, {});
        program.clock.set(2026, 12, 5, 9, 30);
        program.tracker.showMainWindow();
        program.change(2, "15", {}, "suivi");
        const QByteArray dayFile = readBytes(program.file("Quillmere.day"));
        QVERIFY(dayFile.contains("suivi"));

        bool hidden = false;
        onNextModal([&](QWidget *dialog) {
            QTest::keyClicks(child<QLineEdit>(dialog, "txtDuration"), "20");
            QTest::keyClicks(child<QLineEdit>(dialog, "txtComment"), "oubli");
            child<QListWidget>(dialog, "lstActivities")->setCurrentRow(3);
            QWidget *focused = child<QWidget>(dialog, focus.constData());
            focused->setFocus();
            QTest::keyClick(focused, Qt::Key_Escape);
            hidden = !dialog->isVisible();
            if (!hidden)
                click(dialog, "cmdCancel");
        });
        click(program.main(), "cmdChange");
        QVERIFY(hidden);
        QCOMPARE(readBytes(program.file("Quillmere.day")), dayFile);
        QCOMPARE(program.tracker.state().dayActivityCount(), 2);
        QCOMPARE(program.tracker.state().currentActivity(), "Réunion");
        QVERIFY(program.main()->isVisible());
    }

    // Enter in the change dialog: the time fields move on, the rest act as Confirmer, the
    // default button; the dialog opens active, in the change time.
    void enterInTheChangeDialog_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<int>("activity"); // -1: none chosen
        QTest::addColumn<QByteArray>("focusAfter"); // empty: the change is recorded
        const auto row = [](const char *name, const char *focus, int activity, const char *after) {
            QTest::newRow(name) << QByteArray(focus) << activity << QByteArray(after);
        };
        row("change time", "txtInvokeTime", 2, "txtDuration");
        row("duration", "txtDuration", 2, "lstActivities");
        row("end time", "txtEndTime", 2, "lstActivities");
        row("activity list", "lstActivities", 2, "");
        row("activity list, nothing chosen", "lstActivities", -1, "lstActivities");
        row("comment", "txtComment", 2, "");
        row("comment types", "lstComments", 2, "");
        row("Confirmer", "cmdOK", 2, "");
    }
    void enterInTheChangeDialog()
    {
        QFETCH(QByteArray, focus);
        QFETCH(int, activity);
        QFETCH(QByteArray, focusAfter);
        OpenChangeDialog d;
        QCOMPARE(QApplication::focusWidget(), d.edit("txtInvokeTime"));
        QVERIFY(child(&d.dialog, "cmdOK")->isDefault());
        child<QListWidget>(&d.dialog, "lstActivities")->setCurrentRow(activity);
        QWidget *focused = child<QWidget>(&d.dialog, focus.constData());
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return);
        QCOMPARE(d.rig.state().dayActivityCount(), focusAfter.isEmpty() ? 2 : 1);
        if (!focusAfter.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(focusAfter));
    }

    // The welcome window opens active on Fermer, its default button, and each of these keys
    // closes it.
    void keysCloseTheWelcome_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void keysCloseTheWelcome()
    {
        QFETCH(int, key);
        FirstRunDialog welcome;
        QWidget *focused = nullptr;
        bool closed = false;
        onNextModal([&](QWidget *window) {
            QCoreApplication::processEvents();
            focused = QApplication::focusWidget();
            if (focused)
                QTest::keyClick(focused, Qt::Key(key));
            closed = !window->isVisible();
            window->hide();
        });
        welcome.exec();
        auto *close = child(&welcome, "cmdOK");
        QCOMPARE(focused, close);
        QVERIFY(close->isDefault());
        QVERIFY(closed);
    }

    // On the first run Abandonner would end the program with the list being made: Escape
    // leaves the editor alone there. The welcome window closes on Escape.
    void escapeOnTheFirstRun()
    {
        Program program;
        onNextModal([](QWidget *welcome) {
            QCOMPARE(welcome->objectName(), "frmFirstExe");
            clickInNextModal("cmdStart", welcome);
            QTest::keyClick(welcome, Qt::Key_Escape);
        });
        program.tracker.start();
        EditorWindow *editor = program.windows.editor();
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QTest::keyClick(child(editor, "cmdAdd"), Qt::Key_Escape);
        QVERIFY(editor->isVisible());
        QVERIFY(!program.ended);
    }

    void mnemonicsOfEachWindow()
    {
        Program program;
        program.startNormally();
        for (QWidget *window : std::initializer_list<QWidget *> { program.main(),
                 program.windows.changeDialog(), program.windows.editor(),
                 program.windows.startWindow(), program.windows.welcomeWindow(),
                 program.windows.absenceWindow(), program.windows.absenceSettingsWindow() })
            checkMnemonics(window);
        MessageDialog *messages = program.windows.messageWindow();
        for (auto code : { StockMessage::Code::Recovery, StockMessage::Code::JournalRowsShown,
                 StockMessage::Code::QuitWithoutSaving, StockMessage::Code::CloseDay,
                 StockMessage::Code::NoJournal, StockMessage::Code::NewDay }) {
            onNextModal([](QWidget *message) {
                checkMnemonics(message);
                click(message, "cmdCont");
            });
            bool suppress = false;
            messages->ask(*stockMessage(code), suppress);
        }
    }

    void altLetterPressesTheButton()
    {
        Program program;
        program.startNormally();
        QVERIFY(QTest::qWaitForWindowActive(program.main()));
        QTest::keyClick(program.main(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(program.windows.editor()->isVisible());
        QVERIFY(!program.main()->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
