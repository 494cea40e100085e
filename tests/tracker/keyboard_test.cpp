#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/frm_about.h"
#include "tracker/ui/frm_absence.h"
#include "tracker/ui/frm_absences.h"
#include "tracker/ui/frm_edit.h"
#include "tracker/ui/frm_first_exe.h"
#include "tracker/ui/frm_message.h"

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
        QCOMPARE(program.tracker.state().dayActivityCount, 2);
        QCOMPARE(program.tracker.state().currentActivity, "Réunion");
        QVERIFY(program.main()->isVisible());
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
        frmEdit *editor = program.windows.editor();
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
        frmMessage *messages = program.windows.messageWindow();
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
