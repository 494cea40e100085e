#include "rig.h"

#include "installer/core/install_paths.h"
#include "installer/core/start_up.h"
#include "installer/ui/message_questions.h"
#include "installer/ui/wizard.h"
#include "installer/uninstaller/frm_uninstall.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace qmi;
using namespace qmi::test;

namespace {

const QString kConfirmation = QStringLiteral("Confirmez|   Abandonner l'installation ?   ");

using Reply = std::function<void(QMessageBox *)>;

// Acts on the message box that the next question opens, from inside that box's own loop, the
// way a user at the keyboard would; keeps the text of the box it acted on.
class NextMessageBox
{
public:
    explicit NextMessageBox(Reply act)
    {
        m_timer.setSingleShot(true);
        m_timer.callOnTimeout([this, act] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                seen = box->text();
                act(box);
            }
        });
        m_timer.start(0);
    }

    QString seen;

private:
    QTimer m_timer;
};

void clickButton(QMessageBox *box, const QString &caption)
{
    for (QAbstractButton *button : box->buttons()) {
        if (button->text() == caption)
            button->click();
    }
}

struct WizardRig
{
    explicit WizardRig(const QStringList &drives = { QStringLiteral("/") })
        : state(prepareInstallState(platform, platform.programFiles()))
        , wizard(platform, questions, state, drives)
    {
        platform.writePayload();
        wizard.start();
    }

    template<typename T> T *find(const QString &name) const
    {
        QWidget *window = wizard.currentWindow();
        return window ? window->findChild<T *>(name) : nullptr;
    }
    QString windowName() const
    {
        return wizard.currentWindow() ? wizard.currentWindow()->objectName() : QString();
    }
    void click(const QString &button, int times = 1) const
    {
        for (int i = 0; i < times; ++i) {
            QPushButton *target = find<QPushButton>(button);
            QVERIFY2(target, qPrintable(button));
            QTest::mouseClick(target, Qt::LeftButton);
        }
    }
    void clickFolder(const QString &path) const
    {
        auto *list = find<QListWidget>("dirList");
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->data(Qt::UserRole).toString() == path) {
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(row)).center());
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no entry ") + path));
    }

    FakePlatform platform;
    AnsweringQuestions questions;
    InstallState state;
    Wizard wizard;
    QSignalSpy finished { &wizard, &Wizard::finished };
};

} // namespace

Q_DECLARE_METATYPE(Reply)

class TstInstallerWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void abandon_data();
    void abandon();
    void endings_data();
    void endings();
    void folderChoice_data();
    void folderChoice();
    void folderKeys_data();
    void folderKeys();
    void unusableDriveIsUndone();
    void uninstallerQuestion_data();
    void uninstallerQuestion();
    void uninstallerGroup_data();
    void uninstallerGroup();
};

void TstInstallerWizard::texts_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("welcome") << 0
                             << QStringList { "Label1|Cet assistant va installer",
                                    "Label2|Quillmere", "Label3|sur votre PC.",
                                    "cmdInstall|Suivant >", "cmdCancel|Abandon" };
    QTest::newRow("folder") << 1
                            << QStringList { "Label5|Dossier d'installation :",
                                   "Label1|Changer de dossier d'installation ...",
                                   "cmdInstall|Suivant >", "cmdCancel|Abandon" };
    QTest::newRow("shortcuts") << 2
                               << QStringList { "Label5|Quels raccourcis faut-il créer ?",
                                      "Frame1| Quillmere ",
                                      "chkStart| groupe dans Démarrer/Programmes",
                                      "chkStartup| au démarrage de Windows",
                                      "chkDesktop| sur le bureau" };
}

void TstInstallerWizard::texts()
{
    QFETCH(int, step);
    QFETCH(QStringList, texts);

    WizardRig rig;
    rig.click("cmdInstall", step);
    QCOMPARE(rig.wizard.currentWindow()->windowTitle(), QStringLiteral("Quillmere - installation"));
    for (const QString &pair : texts) {
        auto *control = rig.find<QWidget>(pair.section(u'|', 0, 0));
        auto *label = qobject_cast<QLabel *>(control);
        auto *button = qobject_cast<QAbstractButton *>(control);
        auto *frame = qobject_cast<QGroupBox *>(control);
        QCOMPARE(label   ? label->text()
                : button ? button->text()
                : frame  ? frame->title()
                         : QString(),
            pair.section(u'|', 1));
    }
}

void TstInstallerWizard::abandon_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("answer");
    QTest::newRow("welcome, no") << 0 << false << false;
    QTest::newRow("folder, no") << 1 << false << false;
    QTest::newRow("shortcuts, no") << 2 << false << false;
    QTest::newRow("welcome, yes") << 0 << false << true;
    QTest::newRow("shortcuts, yes") << 2 << false << true;
    QTest::newRow("folder, close box, no") << 1 << true << false;
    QTest::newRow("folder, close box, yes") << 1 << true << true;
}

void TstInstallerWizard::abandon()
{
    QFETCH(int, step);
    QFETCH(bool, closeBox);
    QFETCH(bool, answer);

    WizardRig rig;
    rig.click("cmdInstall", step);
    const QString window = rig.windowName();
    rig.questions.answer = answer;
    if (closeBox)
        rig.wizard.currentWindow()->close();
    else
        rig.click("cmdCancel");

    QCOMPARE(rig.questions.asked, QStringList { kConfirmation });
    QCOMPARE(rig.questions.defaults, QList<Answer> { Answer::Yes });
    QCOMPARE(rig.finished.size(), answer ? 1 : 0);
    QCOMPARE(rig.windowName(), answer ? QString() : window);
    QVERIFY(answer || rig.wizard.currentWindow()->isVisible());
    QVERIFY(rig.platform.copyTargets.isEmpty());
}

void TstInstallerWizard::endings_data()
{
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("logEnd");
    QTest::addColumn<bool>("closeBox");
    const QString missing = QStringLiteral("\n  ERREUR : QM3.dat est absent");
    const QString done = QStringLiteral("\n\nINSTALLATION TERMINEE");
    QTest::newRow("failed run") << false << "Fermer" << missing << false;
    QTest::newRow("successful run") << true << "Suivant >" << done << false;
    // The installation is over either way: closing the log quits, without the end window.
    QTest::newRow("failed run, log closed") << false << "Fermer" << missing << true;
    QTest::newRow("successful run, log closed") << true << "Suivant >" << done << true;
}

void TstInstallerWizard::endings()
{
    QFETCH(bool, complete);
    QFETCH(QString, caption);
    QFETCH(QString, logEnd);
    QFETCH(bool, closeBox);

    WizardRig rig;
    QSignalSpy pages(&rig.wizard.flow(), &WizardFlow::pageChanged);
    if (!complete)
        QFile::remove(rig.platform.source() + QStringLiteral("/QM3.dat"));
    rig.click("cmdInstall", 2);
    rig.find<QCheckBox>("chkStartup")->click();
    rig.find<QCheckBox>("chkDesktop")->click();
    QString behindTheMessage;
    rig.platform.onError = [&rig, &behindTheMessage] {
        const auto *button = rig.find<QPushButton>("cmdFinish");
        behindTheMessage = button->text() + (button->isEnabled() ? "|enabled" : "|disabled");
    };
    rig.click("cmdInstall");

    QCOMPARE(behindTheMessage, complete ? QString() : QStringLiteral("Fermer|disabled"));
    QCOMPARE(rig.windowName(), QStringLiteral("frmLog"));
    auto *finish = rig.find<QPushButton>("cmdFinish");
    QCOMPARE(finish->text(), caption);
    QVERIFY(finish->isEnabled());
    QVERIFY(rig.find<QPlainTextEdit>("txtLog")->toPlainText().endsWith(logEnd));
    QCOMPARE(rig.platform.errors.size(), complete ? 0 : 1);
    // The desktop ticked and the start-up folder unticked: the desktop and the group.
    QCOMPARE(rig.platform.shortcuts.size(), complete ? 4 : 0);
    QVERIFY(
        !complete || rig.platform.shortcuts.first().linkPath.contains(QStringLiteral("Desktop")));
    if (closeBox)
        rig.wizard.currentWindow()->close();
    else
        rig.click("cmdFinish");
    if (complete && !closeBox) {
        QCOMPARE(rig.windowName(), QStringLiteral("frmEnd"));
        QCOMPARE(rig.find<QLabel>("Label1")->text(), QStringLiteral("Installation terminée !"));
        QCOMPARE(rig.finished.size(), 0);
        rig.wizard.currentWindow()->close();
    }
    QCOMPARE(rig.windowName(), QString());
    QCOMPARE(rig.finished.size(), 1);
    QVERIFY(rig.questions.asked.isEmpty());
    QCOMPARE(pages.contains({ QVariant::fromValue(WizardPage::End) }), complete && !closeBox);
}

void TstInstallerWizard::folderChoice_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("typed");
    QTest::newRow("root") << "/"
                          << "/Quillmere" << QString();
    QTest::newRow("release folder") << "release"
                                    << "release/Quillmere" << QString();
    QTest::newRow("subfolder") << "release/Mes programmes"
                               << "release/Mes programmes/Quillmere" << QString();
    QTest::newRow("typed path wins") << "/"
                                     << "/Quillmere"
                                     << "/srv/mon choix";
}

void TstInstallerWizard::folderChoice()
{
    QFETCH(QString, entry);
    QFETCH(QString, proposed);
    QFETCH(QString, typed);

    WizardRig rig;
    QVERIFY(QDir(rig.platform.source()).mkpath(QStringLiteral("Mes programmes")));
    rig.click("cmdInstall");
    auto full = [&rig](const QString &path) {
        return path.startsWith(u'/') ? path : rig.platform.path(path);
    };
    auto *path = rig.find<QLineEdit>("txtInstallPath");
    QCOMPARE(rig.find<QLabel>("Label5")->buddy(), path);
    if (entry.contains(u' ')) {
        // The subfolder is listed once the release folder has been opened by leaving the list.
        QWidget *window = rig.wizard.currentWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        rig.clickFolder(rig.platform.source());
        path->setFocus();
    }
    rig.clickFolder(full(entry));
    QCOMPARE(path->text(), full(proposed));
    QCOMPARE(rig.state.InstallPath, full(proposed));
    if (typed.isEmpty()) {
        rig.click("cmdInstall");
    } else {
        path->selectAll();
        QTest::keyClicks(path, typed);
        QTest::keyClick(path, Qt::Key_Return);
    }
    QCOMPARE(rig.windowName(), QStringLiteral("frmShort"));
    QCOMPARE(rig.state.InstallPath, typed.isEmpty() ? full(proposed) : typed);
}

void TstInstallerWizard::folderKeys_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("opened");
    QTest::newRow("arrow key") << "down" << false;
    QTest::newRow("arrow key, then Enter") << "down enter" << true;
    QTest::newRow("double click") << "double click" << true;
}

void TstInstallerWizard::folderKeys()
{
    QFETCH(QString, action);
    QFETCH(bool, opened);

    // The list starts in the release folder; the folder above it is chosen.
    WizardRig rig;
    rig.click("cmdInstall");
    auto *list = rig.find<QListWidget>("dirList");
    const QString chosen = rig.platform.root.path();
    const QListWidgetItem *above = list->item(list->currentRow() - 1);
    QCOMPARE(above->data(Qt::UserRole).toString(), chosen);
    if (action == u"double click") {
        // A double click is a click followed by a second press.
        const QPoint at = list->visualItemRect(above).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    } else {
        QTest::keyClick(list, Qt::Key_Up);
        if (action.contains(u"enter"))
            QTest::keyClick(list, Qt::Key_Return);
    }

    QCOMPARE(rig.windowName(), QStringLiteral("frmInstall"));
    QCOMPARE(rig.find<QLineEdit>("txtInstallPath")->text(), chosen + QStringLiteral("/Quillmere"));
    QCOMPARE(rig.state.InstallPath, chosen + QStringLiteral("/Quillmere"));
    // Once opened, the list shows the folders beside the release folder.
    QStringList entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(list->item(row)->data(Qt::UserRole).toString());
    QCOMPARE(entries.contains(rig.platform.path(QStringLiteral("windows"))), opened);
    QCOMPARE(list->currentItem()->data(Qt::UserRole).toString(), chosen);
}

void TstInstallerWizard::unusableDriveIsUndone()
{
    WizardRig rig({ QStringLiteral("/"), QStringLiteral("/nonexistent-medium") });
    rig.click("cmdInstall");
    auto *drives = rig.find<QComboBox>("drvList");
    const auto *list = rig.find<QListWidget>("dirList");
    QCOMPARE(drives->currentText(), QStringLiteral("/"));
    const int rows = list->count();
    const QString last = list->item(rows - 1)->data(Qt::UserRole).toString();
    drives->setCurrentIndex(1);
    QCOMPARE(drives->currentText(), QStringLiteral("/"));
    QCOMPARE(list->count(), rows);
    QCOMPARE(list->item(rows - 1)->data(Qt::UserRole).toString(), last);
}

void TstInstallerWizard::uninstallerQuestion_data()
{
    QTest::addColumn<bool>("journal");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<bool>("folderKept");
    const Reply enter = [](QMessageBox *box) {
        QTest::keyClick(box, Qt::Key_Return);
    };
    QTest::newRow("Enter keeps the journal") << true << enter << true;
    QTest::newRow("Oui removes it")
        << true << Reply([](QMessageBox *box) { clickButton(box, QStringLiteral("Oui")); })
        << false;
    QTest::newRow("nothing of the user's") << false << enter << false;
}

void TstInstallerWizard::uninstallerQuestion()
{
    QFETCH(bool, journal);
    QFETCH(Reply, reply);
    QFETCH(bool, folderKept);

    QTemporaryDir dir;
    for (const char *name : { "Quillmere", "Uninstall", "uninstall.dat" })
        QVERIFY(writeBytes(dir.filePath(QLatin1String(name)), "x"));
    QVERIFY(!journal || writeBytes(dir.filePath("Quillmere.log"), "x"));
    MessageQuestions questions;
    frmUninstall window(
        planUninstall(dir.path(), UninstallData { kProductName, dir.path(), {}, {}, {} }),
        questions);
    window.show();
    // The folder is listed for removal only when it will go without a question.
    QCOMPARE(!window.findChild<QListWidget *>("lstFiles")
                  ->findItems(dir.path(), Qt::MatchExactly)
                  .isEmpty(),
        !journal);
    NextMessageBox answer(reply);
    QTest::mouseClick(window.findChild<QPushButton *>("cmdUninstall"), Qt::LeftButton);

    QCOMPARE(answer.seen.startsWith(QStringLiteral("Supprimer aussi votre journal")), journal);
    QCOMPARE(window.result().failed, QStringList());
    QCOMPARE(QFileInfo::exists(dir.filePath("Quillmere.log")), folderKept);
    QCOMPARE(QFileInfo::exists(dir.path()), folderKept);
    QVERIFY(!QFileInfo::exists(dir.filePath("Quillmere")));
}

void TstInstallerWizard::uninstallerGroup_data()
{
    QTest::addColumn<QStringList>("groupFiles");
    QTest::addColumn<bool>("listed");
    QTest::newRow("only the shortcuts")
        << QStringList { "Quillmere.desktop", "Aide.desktop", "Uninstall.desktop" } << true;
    QTest::newRow("an entry of the user's")
        << QStringList { "Quillmere.desktop", "Notes.desktop" } << false;
    QTest::newRow("no group") << QStringList() << false;
}

// The program group is listed for removal only when it will be removed.
void TstInstallerWizard::uninstallerGroup()
{
    QFETCH(QStringList, groupFiles);
    QFETCH(bool, listed);

    QTemporaryDir dir;
    const QString group = dir.filePath("menu/Quillmere");
    QVERIFY(QDir().mkpath(dir.filePath("app")));
    QVERIFY(groupFiles.isEmpty() || QDir().mkpath(group));
    for (const QString &name : groupFiles)
        QVERIFY(writeBytes(group + u'/' + name, "x"));
    AnsweringQuestions questions;
    frmUninstall window(planUninstall(dir.filePath("app"),
                            UninstallData { kProductName, dir.filePath("app"), {}, group, {} }),
        questions);
    QCOMPARE(
        !window.findChild<QListWidget *>("lstFiles")->findItems(group, Qt::MatchExactly).isEmpty(),
        listed);
    window.uninstall();

    QCOMPARE(window.result().failed, QStringList());
    QCOMPARE(QFileInfo::exists(group), !groupFiles.isEmpty() && !listed);
}

QTEST_MAIN(TstInstallerWizard)
#include "wizard_test.moc"
