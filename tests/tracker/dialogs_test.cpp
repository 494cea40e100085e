#include "tests/support/locale.h"
#include "window_rig.h"

#include "tracker/ui/absence_dialog.h"
#include "tracker/ui/absence_settings_dialog.h"
#include "tracker/ui/editor_window.h"
#include "tracker/ui/first_run_dialog.h"
#include "tracker/ui/journal_window.h"
#include "tracker/ui/message_dialog.h"
#include "tracker/ui/start_window.h"
#include "tracker/ui/system_desktop.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QToolButton>

using namespace qm;
using namespace qm::test;

namespace {

// "Ajouter une activité" with the text pasted into the input box; `warning` takes the text of
// the warning that follows, when one is expected.
void addPasted(Program &program, const QString &pasted, QString *warning = nullptr)
{
    onNextModal([=](QWidget *modal) {
        auto *box = qobject_cast<QInputDialog *>(modal);
        QVERIFY(box);
        paste(box->findChild<QLineEdit *>(), pasted);
        if (warning) {
            onNextModal(
                [warning](QWidget *message) {
                    auto *messageBox = qobject_cast<QMessageBox *>(message);
                    QVERIFY(messageBox);
                    *warning = messageBox->windowTitle() + u'|' + messageBox->text();
                    messageBox->accept();
                },
                box);
        }
        box->accept();
    });
    click(program.windows.editor(), "cmdAdd");
}

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

// The change dialog, the activity editor, the messages and the desktop's opener, driven through
// their widgets and keys, and the Alt letters of every window.
class DialogsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // A field is checked when it is left, by Tab or by Enter; Enter in a time field moves on by
    // the field's tag, elsewhere it acts as Confirmer, the default button. Escape abandons the
    // change from anywhere, with what was typed. The close box leaves without the check of the
    // field being typed in, and the next opening shows the text again: Confirmer checks it. The
    // dialog opens active, in the change time.
    void changeDialogKeys_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("focus"); // where the key is pressed; empty: the field
        QTest::addColumn<int>("key"); // 0: the close box, then Confirmer once opened again
        QTest::addColumn<int>("activity"); // -1: none chosen
        QTest::addColumn<QString>("shown"); // change time|duration|end time; empty: not looked at
        // Empty: the change is recorded; -: abandoned; =: the dialog stays; else the focus then.
        QTest::addColumn<QByteArray>("after");
        const auto typedRow = [](const char *name, const char *field, const char *typed,
                                  const char *shown, const char *after = "=") {
            QTest::newRow(name) << QByteArray(field) << QString(typed) << QByteArray()
                                << int(qstrcmp(after, "=") == 0 ? Qt::Key_Tab : Qt::Key_Return)
                                << -1 << QString(shown) << QByteArray(after);
        };
        typedRow("change time with seconds", "txtInvokeTime", "10:20:15", "10:20:15||");
        typedRow("duration gives the end", "txtDuration", "45", "10:30:00|45|11:15");
        typedRow("end gives the duration", "txtEndTime", "11:00", "10:30:00|30|11:00");
        typedRow("Enter: heure", "txtInvokeTime", "10:50", "10:50||", "txtDuration");
        typedRow("Enter: minute", "txtDuration", "15", "10:30:00|15|10:45", "lstActivities");
        typedRow("Enter: fin", "txtEndTime", "11:10", "10:30:00|40|11:10", "lstActivities");
        // 20 minutes typed, then the key pressed elsewhere.
        const auto keyRow = [](const char *name, const char *focus, int key, int activity,
                                const char *after) {
            QTest::newRow(name) << QByteArray("txtDuration") << QString("20") << QByteArray(focus)
                                << key << activity << QString() << QByteArray(after);
        };
        keyRow("Enter, activity list", "lstActivities", Qt::Key_Return, 2, "");
        keyRow("Enter, comment", "txtComment", Qt::Key_Return, 2, "");
        keyRow("Enter, comment types", "lstComments", Qt::Key_Return, 2, "");
        keyRow("Enter, Confirmer", "cmdOK", Qt::Key_Return, 2, "");
        // The Enter rows show that the keys of every widget reach the dialog.
        keyRow("lstComments", "lstComments", Qt::Key_Escape, 3, "-");
        // More than a day: the next opening shows it, and Confirmer leaves the activity running.
        QTest::newRow("close box") << QByteArray("txtDuration") << "5000" << QByteArray() << 0 << 2
                                   << QString() << QByteArray();
    }
    void changeDialogKeys()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(QByteArray, focus);
        QFETCH(int, key);
        QFETCH(int, activity);
        QFETCH(QString, shown);
        QFETCH(QByteArray, after);
        OpenChangeDialog d;
        QCOMPARE(QApplication::focusWidget(), d.edit("txtInvokeTime"));
        QVERIFY(child(&d.dialog, "cmdOK")->isDefault());
        child<QListWidget>(&d.dialog, "lstActivities")->setCurrentRow(activity);
        QLineEdit *edit = d.edit(field.constData());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QWidget *pressed = focus.isEmpty() ? edit : child<QWidget>(&d.dialog, focus.constData());
        if (key == 0) {
            d.dialog.close();
            d.rig.tracker.openChangeDialog();
            QVERIFY(QTest::qWaitForWindowActive(&d.dialog));
            QCOMPARE(edit->text(), typed);
            click(&d.dialog, "cmdOK");
        } else {
            pressed->setFocus();
            QTest::keyClick(pressed, Qt::Key(key));
        }
        if (!shown.isEmpty()) {
            const QString invokeTime = d.edit("txtInvokeTime")->text();
            QCOMPARE(invokeTime + u'|' + d.edit("txtDuration")->text() + u'|'
                    + d.edit("txtEndTime")->text(),
                shown);
            QCOMPARE(d.rig.state().changeTime().time(), QTime::fromString(invokeTime, Qt::ISODate));
        }
        QCOMPARE(d.rig.state().dayActivityCount(), after.isEmpty() ? 2 : 1);
        if (after == "-") {
            QVERIFY(!d.dialog.isVisible());
        } else if (!after.isEmpty() && after != "=") {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString(after));
            click(&d.dialog, "cmdCancel");
        }
        if (key == 0)
            QCOMPARE(d.rig.cell(2, 1), "EN COURS");
    }

    // Each window's captions have their Alt letters, and Alt+E opens the editor. The images
    // leave a list alone whose current row is not highlighted: one that was tabbed into, or
    // whose highlight Ctrl+Space took off. Highlighted, the entries move and retire; leaving
    // without Enregistrer, by the close box or by Escape, drops those changes, as Abandonner
    // does.
    void editorImages()
    {
        Program program;
        program.startNormally(kThreeActivities + "OldActivity=Archives\r\nOldActivity=Vieux\r\n");
        EditorWindow *editor = program.windows.editor();
        for (QWidget *window : std::initializer_list<QWidget *> { program.main(),
                 program.windows.changeDialog(), editor, program.windows.startWindow(),
                 program.windows.welcomeWindow(), program.windows.absenceWindow(),
                 program.windows.absenceSettingsWindow(), program.windows.journalWindow() })
            checkMnemonics(window);
        QVERIFY(QTest::qWaitForWindowActive(program.main()));
        QTest::keyClick(program.main(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(editor->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(editor));
        QVERIFY(!program.main()->isVisible());
        QCOMPARE(editor->focusWidget()->objectName(), "cmdAdd");
        const auto press = [editor](const char *name) {
            QTest::mouseClick(child<QToolButton>(editor, name), Qt::LeftButton);
        };
        const auto unhighlighted = [](const QListWidget *list) {
            return list->currentItem() && list->selectedItems().isEmpty();
        };
        auto *currentList = child<QListWidget>(editor, "lstAct");
        currentList->setFocus(Qt::TabFocusReason);
        QVERIFY(unhighlighted(currentList));
        press("imgGoObs");
        press("imgDown");
        QTest::keyClick(currentList, Qt::Key_Down);
        QCOMPARE(currentList->selectedItems().size(), 1);
        QTest::keyClick(currentList, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(unhighlighted(currentList));
        press("imgUp");
        auto *retiredList = child<QListWidget>(editor, "lstObs");
        retiredList->setFocus(Qt::TabFocusReason);
        QVERIFY(unhighlighted(retiredList));
        press("imgGoAct");
        const QStringList current { "Dossiers", "Réunion", "Courrier" };
        QCOMPARE(program.tracker.editor().currentList(), current);

        currentList->setCurrentRow(0);
        press("imgDown");
        QCOMPARE(
            currentList->item(1)->text() + QString::number(currentList->currentRow()), "Dossiers1");
        press("imgUp");
        QCOMPARE(currentList->currentRow(), 0);
        press("imgGoObs");
        QCOMPARE(currentList->count(), 2);
        QCOMPARE(retiredList->findItems("Dossiers", {}).size(), 1);
        editor->close();
        QVERIFY(!editor->isVisible());
        QCOMPARE(program.tracker.editor().currentList(), current);
        click(program.main(), "cmdEdit");
        currentList->setCurrentRow(2);
        press("imgGoObs");
        QCOMPARE(currentList->count(), 2);
        currentList->setFocus();
        QTest::keyClick(currentList, Qt::Key_Escape);
        QVERIFY(!editor->isVisible());
        QCOMPARE(program.tracker.editor().currentList(), current);
        QVERIFY(program.main()->isVisible());
        QVERIFY(!program.ended);
    }

    // Pasted into the editor's input box and into the dialog's comment fields, a text reaches
    // the settings, the grid and the journal as one field of one line (each line break and
    // control: the journal's TextTest::storableText; line breaks alone: refusedNames and
    // ChangeTest::commentChoice).
    void pastedTexts()
    {
        const QString pasted = "a\r\nb\tc,d";
        Program run;
        run.startNormally();
        click(run.main(), "cmdEdit");
        addPasted(run, pasted);
        click(run.windows.editor(), "cmdSave");
        run.change(-1, "10", {}, pasted, "txtComment");
        run.change(1, "5", {}, pasted, "txtAddComment");
        const QByteArray settings = readBytes(run.file("Quillmere.ini"));
        QVERIFY(settings.contains("\r\nActivity=a b c;d\r\n"));
        QVERIFY(settings.endsWith("\r\nComment=a b c;d\r\n"));
        clickInNextModal("cmdCont");
        click(run.main(), "cmdQuit");
        QVERIFY(run.ended);
        QCOMPARE(readBytes(run.file("Quillmere.log")),
            "05/12/2026, 10,a b c;d,a b c;d\r\n05/12/2026, 5,Dossiers,a b c;d\r\n");
    }

    // The day's markers are refused exactly as the day compares them, and so are blank names and
    // those of either list once their commas are replaced. A refusal changes nothing else: the
    // move made before it stays and the editor stays open.
    void refusedNames_data()
    {
        QTest::addColumn<QString>("typed");
        // The warning's title, then a pattern of what it names; empty: added.
        QTest::addColumn<QString>("refusal");
        const auto row = [](const char *name, const char *typed, const char *refusal) {
            QTest::newRow(name) << QString(typed) << QString(refusal);
        };
        row("start", "start", "Nom réservé|\"start\"");
        row("pause", "pause", "Nom réservé|\"pause\"");
        row("pause with its line break", "pause\r\n", "Nom réservé|\"pause\"");
        row("three blanks", "   ", "Intitulé vide|");
        row("a current activity", "Courrier", "Activité existante|\"Courrier\".* en cours");
        row("a retired activity", "Ancien", "Activité existante|\"Ancien\".* terminées");
        row("the same once its comma is replaced", "Réunion, client",
            "Activité existante|\"Réunion; client\".* en cours");
        for (const char *name : { "Pause", " start", "pauses", "courrier", "Ancien " })
            row(name, name, "");
    }
    void refusedNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        const bool refused = !refusal.isEmpty();
        Program program;
        program.startNormally("User=-\r\nActivity=Dossiers\r\nActivity=Réunion; client\r\n"
                              "Activity=Courrier\r\nOldActivity=Ancien\r\n");
        program.tracker.openEditor();
        program.tracker.editor().moveDown(0);
        QString warning;
        addPasted(program, typed, refused ? &warning : nullptr);
        QStringList expected { "Réunion; client", "Dossiers", "Courrier" };
        if (!refused)
            expected.append(typed);
        QCOMPARE(program.tracker.editor().currentList(), expected);
        QCOMPARE(program.tracker.editor().retiredList(), QStringList { "Ancien" });
        QCOMPARE(
            program.windows.editor()->findChild<QListWidget *>("lstAct")->count(), expected.size());
        QCOMPARE(warning.section(u'|', 0, 0),
            refused ? "Quillmere - " + refusal.section(u'|', 0, 0) : QString());
        QVERIFY2(
            warning.contains(QRegularExpression(refusal.section(u'|', 1))), qPrintable(warning));
        QVERIFY(program.windows.editor()->isVisible());
        addPasted(program, "Nouveau");
        QCOMPARE(program.tracker.editor().currentList().last(), "Nouveau");
    }

    // Ctrl+Space takes the highlight off a list's entry; its row stays current, and is not acted
    // on. Delete retires the highlighted comment type, never the fixed first entry.
    void changeListsActOnTheHighlightedEntry()
    {
        OpenChangeDialog d;
        auto *comments = child<QListWidget>(&d.dialog, "lstComments");
        comments->setFocus();
        comments->setCurrentRow(0);
        QTest::keyClick(comments, Qt::Key_Delete);
        QCOMPARE(comments->count(), 2);
        QTest::keyClick(comments, Qt::Key_Down);
        QTest::keyClick(comments, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(comments->currentRow() == 1);
        QTest::keyClick(comments, Qt::Key_Delete);
        QCOMPARE(comments->count(), 2);
        auto *activities = child<QListWidget>(&d.dialog, "lstActivities");
        activities->setFocus();
        QTest::keyClick(activities, Qt::Key_Space, Qt::ControlModifier);
        QVERIFY(activities->currentRow() == 0);
        click(&d.dialog, "cmdOK");
        QCOMPARE(d.rig.state().dayActivityCount(), 1);
        // Highlighted again, the activity is recorded, without the comment type that is not.
        QTest::mouseClick(activities->viewport(), Qt::LeftButton, {},
            activities->visualItemRect(activities->item(1)).center());
        click(&d.dialog, "cmdOK");
        QCOMPARE(d.rig.state().dayActivityCount(), 2);
        QCOMPARE(d.rig.cell(2, 2) + u'|' + d.rig.cell(2, 3), "Dossiers|");
        d.rig.tracker.openChangeDialog();
        comments->setFocus();
        comments->setCurrentRow(1);
        QTest::keyClick(comments, Qt::Key_Delete);
        QCOMPARE(comments->count(), 1);
        QCOMPARE(comments->currentRow(), 0);
        QVERIFY(!d.rig.bytes(kSettingsFileName).contains("Comment="));
    }

    // The desktop's opener starts, then finds no browser and no reader: that is told, the
    // address and the document with it.
    void openerGivesUp_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::newRow("a browser and a reader took them") << 0;
        QTest::newRow("no browser, no reader") << 3;
    }
    void openerGivesUp()
    {
        QFETCH(int, exitCode);
        Rig rig;
        const QString opener = rig.dir.filePath("xdg-open");
        writeBytes(opener, "#!/bin/sh\nexit " + QByteArray::number(exitCode));
        QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(rig.dir.path()) + ':' + path);
        const QString document = rig.dir.filePath("Quillmere.pdf");
        writeBytes(document, "%PDF-1.4\n");
        SystemDesktop desktop;
        Tracker tracker(rig.dir.path(), rig.clock, rig.questions, rig.screens, desktop);
        tracker.openHelp();
        tracker.openWeb();
        qputenv("PATH", path);
        if (exitCode == 0) // the openers' ends reach the program well within that
            QTest::qWait(300);
        for (const QString &named : { QDir::toNativeSeparators(document),
                 QStringLiteral("https://quillmere.example.org/") })
            QTRY_COMPARE(
                rig.questions.warnings.filter("\n" + named + "\n").size(), exitCode == 0 ? 0 : 1);
    }

    // Each button gives its answer and the close box the one that loses nothing, which is also
    // the default button; the left button and the switch show only where the message has them.
    // The text is plain, beside the style's icon; each caption has its Alt letter.
    void messageWindow_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("button"); // empty: the close box
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("suppressed");
        QTest::addColumn<QString>("focused");
        const auto row = [](const char *name, int code, const char *button, bool tick, bool answer,
                             bool suppressed, const char *focused) {
            QTest::newRow(name) << code << QByteArray(button) << tick << answer << suppressed
                                << QString(focused);
        };
        row("3, Ne pas quitter, ticked", 3, "cmdAbandon", true, false, true, "cmdAbandon");
        row("4, Clôturer", 4, "cmdCont", false, true, false, "cmdAbandon");
        row("1, close box keeps the day", 1, "", false, true, false, "cmdCont");
        row("7, single button, ticked", 7, "cmdCont", true, true, true, "cmdCont");
        row("8, close box, no switch", 8, "", true, false, false, "cmdAbandon");
    }
    void messageWindow()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, button);
        QFETCH(bool, tick);
        MessageDialog window;
        const StockMessage message = *stockMessage(StockMessage::Code(code));
        QString left;
        bool checkVisible = false;
        QString focused;
        onNextModal([&](QWidget *modal) {
            checkMnemonics(modal);
            if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 1000))
                qWarning("the message took no focus");
            const auto *first = qobject_cast<QPushButton *>(QApplication::focusWidget());
            if (first && first->isDefault())
                focused = first->objectName();
            auto *check = child<QCheckBox>(modal, "chkSuppr");
            checkVisible = check->isVisible();
            check->setChecked(tick);
            auto *abandon = child(modal, "cmdAbandon");
            left = abandon->isVisible() ? abandon->accessibleName() : QString();
            if (button.isEmpty())
                modal->close();
            else
                click(modal, button.constData());
        });
        bool suppress = false;
        QTEST(window.ask(message, suppress), "answer");
        QTEST(suppress, "suppressed");
        QCOMPARE(checkVisible, message.offersSuppression);
        QCOMPARE(left, message.leftCaption);
        QTEST(focused, "focused");
        QVERIFY(child<QLabel>(&window, "txtMessage")->textFormat() == Qt::PlainText);
        QVERIFY(!child<QLabel>(&window, "Picture1")->pixmap().isNull());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
