#include "window_rig.h"

#include "installer/ui/message_questions.h"
#include "installer/ui/program_icon.h"
#include "installer/uninstaller/uninstall_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

using namespace qm::install;
using namespace qm::install::test;

namespace {

// The program's picture, not the generic one a window has without it.
bool carriesProgramIcon(const QWidget *window)
{
    return !window->windowIcon().isNull()
        && window->windowIcon().pixmap(32).toImage() == programIcon().pixmap(32).toImage();
}

// The folders a list shows, as the paths its entries stand for.
QStringList listedFolders(const QListWidget *list)
{
    QStringList paths;
    for (int row = 0; row < list->count(); ++row)
        paths.append(list->item(row)->data(Qt::UserRole).toString());
    return paths;
}

} // namespace

class WizardTest : public QObject
{
    Q_OBJECT

private slots:
    void endings_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("failed run") << false << false;
        QTest::newRow("successful run") << true << false;
        // The installation is over either way: closing the log quits, without the end window.
        QTest::newRow("successful run, log closed") << true << true;
    }

    // Each window opens where the one before it stands, the first in the middle of its screen;
    // one the user moved is where the next one opens.
    void endings()
    {
        QFETCH(bool, complete);
        QFETCH(bool, closeBox);

        WizardRig rig;
        QSignalSpy pages(&rig.wizard.flow(), &WizardFlow::pageChanged);
        if (!complete)
            QFile::remove(rig.platform.source() + QStringLiteral("/QM3.dat"));
        const QRect screen = rig.window()->screen()->availableGeometry();
        // Give or take the frame, which the system adds only once the window is shown.
        QVERIFY((rig.window()->frameGeometry().center() - screen.center()).manhattanLength() <= 8);
        QPoint place = rig.window()->pos();
        const auto goOn = [&rig, &place](const char *button, bool moved) {
            QVERIFY(carriesProgramIcon(rig.window()));
            if (moved)
                rig.window()->move(place += QPoint(30, 20));
            rig.click(button);
            QVERIFY(!rig.window() || rig.window()->pos() == place);
        };
        goOn("cmdInstall", false);
        goOn("cmdInstall", true);
        rig.find<QCheckBox>("chkStartup")->click();
        rig.find<QCheckBox>("chkDesktop")->click();
        QString behindTheMessage;
        rig.questions.onError = [&rig, &behindTheMessage] {
            const auto *button = rig.find<QPushButton>("cmdFinish");
            behindTheMessage = button->text() + (button->isEnabled() ? "|enabled" : "|disabled");
        };
        goOn("cmdInstall", false);

        QCOMPARE(behindTheMessage, complete ? QString() : QStringLiteral("Fermer|disabled"));
        QCOMPARE(rig.windowName(), QStringLiteral("frmLog"));
        auto *finish = rig.find<QPushButton>("cmdFinish");
        QCOMPARE(finish->text(), complete ? "Suivant >" : "Fermer");
        QVERIFY(finish->isEnabled());
        QVERIFY(rig.find<QPlainTextEdit>("txtLog")->toPlainText().endsWith(
            complete ? "\n\nINSTALLATION TERMINEE" : "\n  ERREUR : QM3.dat est absent"));
        // The desktop ticked and the start-up folder unticked: the desktop and the group.
        QCOMPARE(rig.platform.shortcuts.size(), complete ? 5 : 0);
        QVERIFY(!complete
            || rig.platform.shortcuts.first().linkPath.contains(QStringLiteral("Desktop")));
        if (closeBox)
            rig.wizard.currentWindow()->close();
        else
            goOn("cmdFinish", true);
        if (complete && !closeBox) {
            QCOMPARE(rig.windowName(), QStringLiteral("frmEnd"));
            QVERIFY(carriesProgramIcon(rig.window()));
            QCOMPARE(rig.finished.size(), 0);
            rig.wizard.currentWindow()->close();
        }
        QCOMPARE(rig.windowName(), QString());
        QCOMPARE(rig.finished.size(), 1);
        QVERIFY(rig.questions.asked.isEmpty());
        QCOMPARE(pages.contains({ QVariant::fromValue(WizardPage::End) }), complete && !closeBox);
    }

    // A folder of the list is chosen by a click, by the arrow keys (and opened by Enter, which
    // stays in the window) or by a double click, which opens it too: the path proposed is the
    // folder's Quillmere, which Enter in the path goes on with, unless another is typed.
    void folderChoice_data()
    {
        QTest::addColumn<QString>("entry"); // relative to the tree; empty: the tree itself
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("typed");
        QTest::newRow("subfolder")
            << "release/Mes programmes" << false << "click" << false << QString();
        QTest::newRow("typed path wins") << "/" << false << "click" << false << "/srv/mon choix";
        // The list starts in the release folder: the entry above it is the tree's.
        QTest::newRow("arrow key") << "" << false << "up" << false << QString();
        QTest::newRow("arrow key, then Enter") << "" << true << "up, Enter" << false << QString();
        QTest::newRow("double click") << "" << true << "double click" << false << QString();
        // Such a folder would break the uninstall data's lines: the window says why and stays,
        // and a corrected path then goes on.
        for (const auto &[name, typed] :
            { std::pair { "line feed", "/srv/a\nb" }, { "delete", "/srv/a\x7f" } })
            QTest::newRow(name) << "/" << false << "click" << true << QString(typed);
    }

    void folderChoice()
    {
        QFETCH(QString, entry);
        QFETCH(QString, how);
        QFETCH(QString, typed);
        QFETCH(bool, refused);

        WizardRig rig({ QStringLiteral("/"), QStringLiteral("/nonexistent-medium") });
        QVERIFY(QDir(rig.platform.source()).mkpath(QStringLiteral("Mes programmes")));
        rig.click("cmdInstall");
        const QString chosen
            = entry.startsWith(u'/') ? entry : QDir::cleanPath(rig.platform.path(entry));
        const QString proposed = QDir::cleanPath(chosen + QStringLiteral("/Quillmere"));
        auto *path = rig.find<QLineEdit>("txtInstallPath");
        auto *list = rig.find<QListWidget>("dirList");
        auto *drives = rig.find<QComboBox>("drvList");
        // A drive that cannot be read is not taken: the drive and the list stay as they were.
        const QStringList listed = listedFolders(list);
        drives->setCurrentIndex(1);
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
        QCOMPARE(listedFolders(list), listed);
        if (entry.contains(u' ')) {
            // The subfolder is listed once the release folder has been opened by leaving the list.
            QWidget *window = rig.wizard.currentWindow();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            rig.clickFolder(rig.platform.source());
            path->setFocus();
        }
        if (how == u"click") {
            rig.clickFolder(chosen);
        } else {
            const QListWidgetItem *above = list->item(list->currentRow() - 1);
            QCOMPARE(above->data(Qt::UserRole).toString(), chosen);
            const QPoint at = list->visualItemRect(above).center();
            if (how == u"double click") {
                // A double click is a click followed by a second press.
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            } else {
                QTest::keyClick(list, Qt::Key_Up);
                if (how.contains(u"Enter"))
                    QTest::keyClick(list, Qt::Key_Return);
            }
        }
        QCOMPARE(rig.windowName(), QStringLiteral("frmInstall"));
        QCOMPARE(path->text(), proposed);
        QCOMPARE(list->currentItem()->data(Qt::UserRole).toString(), chosen);
        // Once opened, the list shows the folders beside the release folder.
        QTEST(listedFolders(list).contains(rig.platform.path(QStringLiteral("windows"))), "opened");
        if (!typed.isEmpty())
            path->setText(typed);
        QTest::keyClick(path, Qt::Key_Return);
        if (refused) {
            QCOMPARE(rig.windowName(), QStringLiteral("frmInstall"));
            QCOMPARE(rig.state.installPath, proposed);
            QVERIFY(rig.find<QLabel>("lblPathError")->isVisible());
            QVERIFY(!rig.text("lblPathError").isEmpty());
            path->setText(typed = QStringLiteral("/srv/a b"));
            rig.click("cmdInstall");
        }
        QCOMPARE(rig.windowName(), QStringLiteral("frmShort"));
        QCOMPARE(rig.state.installPath, typed.isEmpty() ? proposed : typed);
    }

    // Each window of the wizard comes up in front and active, even when another window has the
    // focus, with the focus in its first field (not where it was left) and its default button
    // marked, which Enter presses. Before the run, Abandon and the close box ask first, Yes
    // marked: No leaves the window as it was, Yes ends the wizard with nothing written.
    void windows_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("abandonedBy"); // on the window Enter leads to
        QTest::newRow("welcome") << "cmdInstall" << 0 << "close box";
        QTest::newRow("folder") << "txtInstallPath" << 1 << "cmdCancel";
        QTest::newRow("shortcuts") << "chkStart" << 2 << QString();
        QTest::newRow("log of the run") << "cmdFinish" << 3 << QString();
    }
    void windows()
    {
        QFETCH(int, step);
        QFETCH(QString, abandonedBy);
        WizardRig rig;
        const QMap<QString, QByteArray> files = rig.files();
        rig.click("cmdInstall", step);
        QWidget *window = rig.window();
        const int asked = step < 3 ? 2 : 0;
        if (asked > 0) {
            rig.click("cmdCancel");
            window->close();
        }
        QCOMPARE(rig.questions.asked,
            QStringList(asked, "Quillmere - Confirmation|   Abandonner l'installation ?   "));
        QCOMPARE(rig.questions.defaults, QList<Answer>(asked, Answer::Yes));
        QVERIFY(window->isVisible());
        QCOMPARE(rig.finished.size(), 0);

        rig.find<QWidget>("Image1")->setFocusPolicy(Qt::StrongFocus);
        rig.find<QWidget>("Image1")->setFocus();
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        rig.wizard.start();
        QCOMPARE(rig.window(), window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(QApplication::focusWidget());
        QTEST(QApplication::focusWidget()->objectName(), "focus");
        QVERIFY(rig.find<QPushButton>(step < 3 ? "cmdInstall" : "cmdFinish")->isDefault());
        const QString before = rig.windowName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(rig.windowName() != before);
        if (abandonedBy.isEmpty())
            return;
        rig.questions.answer = true;
        if (abandonedBy == u"cmdCancel")
            rig.click(abandonedBy);
        else
            rig.window()->close();
        QCOMPARE(rig.finished.size(), 1);
        QCOMPARE(rig.windowName(), QString());
        QCOMPARE(rig.files(), files);
    }

    // The installer's messages come up active, the focus on their default button, which Enter
    // presses.
    void messagesComeUpActive_data()
    {
        QTest::addColumn<int>("defaultAnswer"); // -1: an error, with OK alone
        QTest::addColumn<int>("defaultButton");
        QTest::newRow("question, default yes") << int(Answer::Yes) << int(QMessageBox::Yes);
        QTest::newRow("error") << -1 << int(QMessageBox::Ok);
    }
    void messagesComeUpActive()
    {
        QFETCH(int, defaultAnswer);
        int seen = 0;
        // Acts from inside the box's own loop, the way a user at the keyboard would.
        QTimer::singleShot(0, [&seen] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            if (!QTest::qWaitForWindowActive(box) || !box->defaultButton()
                || QApplication::focusWidget() != box->defaultButton() || !carriesProgramIcon(box))
                return box->reject();
            seen = box->standardButton(box->defaultButton());
            QTest::keyClick(box, Qt::Key_Return);
        });
        MessageQuestions questions;
        if (defaultAnswer < 0)
            questions.showError("Erreur pendant la copie", "Erreur");
        else
            QCOMPARE(questions.askYesNo("Abandonner ?", "Confirmez", Answer(defaultAnswer)),
                defaultAnswer == int(Answer::Yes));
        QTEST(seen, "defaultButton");
    }

    void uninstallerQuestion_data()
    {
        QTest::addColumn<bool>("journal");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("group"); // ours, shared with an entry of the user's, or none
        QTest::addColumn<bool>("groupListed");
        QTest::newRow("journal kept; a group of shortcuts") << true << false << "ours" << true;
        QTest::newRow("journal removed; a group with an entry of the user's")
            << true << true << "shared" << false;
        QTest::newRow("nothing of the user's; no group") << false << false << "none" << false;
    }
    // Asked only when there is a journal, kept unless the user says otherwise; the folder and the
    // program group are listed for removal only when they will go without a question.
    void uninstallerQuestion()
    {
        QFETCH(bool, journal);
        QFETCH(bool, answer);
        QFETCH(QString, group);
        QFETCH(bool, groupListed);

        Installed tree;
        for (const QString &name : journal ? QStringList() : kUserFiles)
            QVERIFY(QFile::remove(tree.path(name)));
        if (group == u"none")
            QVERIFY(QDir(tree.path("menu")).removeRecursively());
        else if (group == u"shared")
            QVERIFY(writeBytes(tree.path("menu/Quillmere/Notes.desktop"), "[Desktop Entry]\n"));
        AnsweringQuestions questions;
        questions.answer = answer;
        UninstallDialog window(
            tree.platform, planUninstall(tree.platform, tree.path("app"), tree.data), questions);
        window.show();
        QVERIFY(carriesProgramIcon(&window));
        const auto listed = [&window, &tree](const char *path) {
            return !window.findChild<QListWidget *>("lstFiles")
                        ->findItems(tree.path(path), Qt::MatchExactly)
                        .isEmpty();
        };
        QCOMPARE(listed("app"), !journal);
        QCOMPARE(listed("menu/Quillmere"), groupListed);
        QTest::mouseClick(window.findChild<QPushButton *>("cmdUninstall"), Qt::LeftButton);

        QCOMPARE(questions.defaults, journal ? QList<Answer> { Answer::No } : QList<Answer>());
        QCOMPARE(questions.asked,
            journal ? QStringList { "Quillmere - Confirmation|Supprimer aussi votre journal, vos "
                                    "réglages et la journée en cours ?" }
                    : QStringList());
        QCOMPARE(window.result().failed, QStringList());
        QCOMPARE(tree.exists("app/Quillmere.log"), journal && !answer);
        QVERIFY(!tree.exists("app/Quillmere"));
    }
};

QTEST_MAIN(WizardTest)
#include "wizard_test.moc"
