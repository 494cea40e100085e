#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/journal_window.h"

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

    // Enter in the change dialog: the time fields move on (see DialogsTest), the rest act as
    // Confirmer, the default button. Escape abandons the change from anywhere, with what was
    // typed. The dialog opens active, in the change time.
    void keysInTheChangeDialog_data()
    {
        QTest::addColumn<QByteArray>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("activity"); // -1: none chosen
        QTest::addColumn<QByteArray>("focusAfter"); // empty: the change is recorded; -: abandoned
        const auto row
            = [](const char *name, const char *focus, int key, int activity, const char *after) {
                  QTest::newRow(name) << QByteArray(focus) << key << activity << QByteArray(after);
              };
        row("Enter, activity list", "lstActivities", Qt::Key_Return, 2, "");
        row("Enter, nothing chosen", "lstActivities", Qt::Key_Return, -1, "lstActivities");
        row("Enter, comment", "txtComment", Qt::Key_Return, 2, "");
        row("Enter, comment types", "lstComments", Qt::Key_Return, 2, "");
        row("Enter, Confirmer", "cmdOK", Qt::Key_Return, 2, "");
        for (const char *focus : { "txtInvokeTime", "txtDuration", "lstActivities", "txtComment",
                 "lstComments", "cmdOK" })
            row(focus, focus, Qt::Key_Escape, 3, "-");
    }
    void keysInTheChangeDialog()
    {
        QFETCH(QByteArray, focus);
        QFETCH(int, key);
        QFETCH(int, activity);
        QFETCH(QByteArray, focusAfter);
        OpenChangeDialog d;
        QCOMPARE(QApplication::focusWidget(), d.edit("txtInvokeTime"));
        QVERIFY(child(&d.dialog, "cmdOK")->isDefault());
        const QByteArray dayFile = d.rig.bytes(kDayFileName);
        d.type("txtDuration", "20");
        d.type("txtComment", "oubli");
        child<QListWidget>(&d.dialog, "lstActivities")->setCurrentRow(activity);
        QWidget *focused = child<QWidget>(&d.dialog, focus.constData());
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key(key));
        if (focusAfter == "-") {
            QVERIFY(!d.dialog.isVisible());
            QCOMPARE(d.rig.bytes(kDayFileName), dayFile);
            QCOMPARE(d.rig.state().currentActivity(), "Dossiers");
        }
        QCOMPARE(d.rig.state().dayActivityCount(), focusAfter.isEmpty() ? 2 : 1);
        if (!focusAfter.isEmpty() && focusAfter != "-")
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

    // Each window's captions have their Alt letters, and an Alt letter presses its button.
    void mnemonicsOfEachWindow()
    {
        Program program;
        program.startNormally();
        for (QWidget *window :
            std::initializer_list<QWidget *> { program.main(), program.windows.changeDialog(),
                program.windows.editor(), program.windows.startWindow(),
                program.windows.welcomeWindow(), program.windows.absenceWindow(),
                program.windows.absenceSettingsWindow(), program.windows.journalWindow() })
            checkMnemonics(window);
        QVERIFY(QTest::qWaitForWindowActive(program.main()));
        QTest::keyClick(program.main(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(program.windows.editor()->isVisible());
        QVERIFY(!program.main()->isVisible());
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
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
