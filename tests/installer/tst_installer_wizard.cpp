#include "fake_platform.h"

#include "installer/core/questions.h"
#include "installer/core/start_up.h"
#include "installer/ui/wizard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace qmi;

namespace {

class AnsweringQuestions : public Questions
{
public:
    bool askYesNo(const QString &text, const QString &title) override
    {
        asked.append(title + u'|' + text);
        return answer;
    }

    bool answer = false;
    QStringList asked;
};

const QString kConfirmation = QStringLiteral("Confirmez|   Abandonner l'installation ?   ");

struct WizardRig
{
    explicit WizardRig(const QStringList &drives = { QStringLiteral("/") })
        : state(prepareInstallState(platform, platform.programFiles()))
        , wizard(platform, questions, state, drives)
    {
        platform.writePayload();
        wizard.start();
    }

    template<typename T> T *find(const char *name) const
    {
        QWidget *window = wizard.currentWindow();
        return window ? window->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    }

    void click(const char *button) const
    {
        QPushButton *target = find<QPushButton>(button);
        QVERIFY2(target, button);
        QTest::mouseClick(target, Qt::LeftButton);
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

    QString windowName() const
    {
        QWidget *window = wizard.currentWindow();
        return window ? window->objectName() : QString();
    }

    FakePlatform platform;
    AnsweringQuestions questions;
    InstallState state;
    Wizard wizard;
};

void goToLog(WizardRig &rig)
{
    rig.click("cmdInstall");
    rig.click("cmdInstall");
    rig.click("cmdInstall");
}

} // namespace

class TstInstallerWizard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void abandon_data();
    void abandon();
    void closeBoxAsksLikeAbandon();
    void failedRunEndsOnClose();
    void successfulRunEndsOnEndWindow();
    void folderProposals_data();
    void folderProposals();
    void typedPathWins();
    void unusableDriveIsUndone();
};

void TstInstallerWizard::texts_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("welcome 1") << 0 << "Label1"
                               << "Cet assistant va installer";
    QTest::newRow("welcome 2") << 0 << "Label2"
                               << "Quillmere";
    QTest::newRow("welcome 3") << 0 << "Label3"
                               << "sur votre PC.";
    QTest::newRow("welcome next") << 0 << "cmdInstall"
                                  << "Suivant >";
    QTest::newRow("welcome abandon") << 0 << "cmdCancel"
                                     << "Abandon";
    QTest::newRow("folder caption") << 1 << "Label5"
                                    << "Dossier d'installation :";
    QTest::newRow("folder change") << 1 << "Label1"
                                   << "Changer de dossier d'installation ...";
    QTest::newRow("shortcuts caption") << 2 << "Label5"
                                       << "Quels raccourcis faut-il créer ?";
    QTest::newRow("frame") << 2 << "Frame1"
                           << " Quillmere ";
    QTest::newRow("start menu") << 2 << "chkStart"
                                << " groupe dans Démarrer/Programmes";
    QTest::newRow("startup") << 2 << "chkStartup"
                             << " au démarrage de Windows";
    QTest::newRow("desktop") << 2 << "chkDesktop"
                             << " sur le bureau";
}

void TstInstallerWizard::texts()
{
    QFETCH(int, step);
    QFETCH(QString, name);
    QFETCH(QString, text);

    WizardRig rig;
    for (int i = 0; i < step; ++i)
        rig.click("cmdInstall");
    QCOMPARE(rig.wizard.currentWindow()->windowTitle(), QStringLiteral("Quillmere - installation"));
    QObject *control = rig.wizard.currentWindow()->findChild<QObject *>(name);
    QVERIFY(control);
    if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), text);
    else
        QFAIL("unexpected control");
    if (step == 1) {
        QCOMPARE(rig.find<QLineEdit>("txtInstallPath")->text(), rig.state.InstallPath);
        QCOMPARE(rig.find<QLabel>("Label5")->buddy(), rig.find<QLineEdit>("txtInstallPath"));
    }
    if (step == 2) {
        QVERIFY(rig.find<QCheckBox>("chkStart")->isChecked());
        QVERIFY(rig.find<QCheckBox>("chkStartup")->isChecked());
        QVERIFY(!rig.find<QCheckBox>("chkDesktop")->isChecked());
    }
}

void TstInstallerWizard::abandon_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("answer");
    QTest::newRow("welcome, no") << 0 << false;
    QTest::newRow("folder, no") << 1 << false;
    QTest::newRow("shortcuts, no") << 2 << false;
    QTest::newRow("welcome, yes") << 0 << true;
    QTest::newRow("shortcuts, yes") << 2 << true;
}

void TstInstallerWizard::abandon()
{
    QFETCH(int, step);
    QFETCH(bool, answer);

    WizardRig rig;
    QSignalSpy finished(&rig.wizard, &Wizard::finished);
    for (int i = 0; i < step; ++i)
        rig.click("cmdInstall");
    const QString window = rig.windowName();
    rig.questions.answer = answer;
    rig.click("cmdCancel");

    QCOMPARE(rig.questions.asked, QStringList { kConfirmation });
    QCOMPARE(finished.size(), answer ? 1 : 0);
    QCOMPARE(rig.windowName(), answer ? QString() : window);
    if (!answer)
        QVERIFY(rig.wizard.currentWindow()->isVisible());
    QVERIFY(rig.platform.copyTargets.isEmpty());
}

void TstInstallerWizard::closeBoxAsksLikeAbandon()
{
    WizardRig rig;
    rig.click("cmdInstall");
    QVERIFY(!rig.wizard.currentWindow()->close());
    QCOMPARE(rig.questions.asked, QStringList { kConfirmation });
    QCOMPARE(rig.windowName(), QStringLiteral("frmInstall"));
    QVERIFY(rig.wizard.currentWindow()->isVisible());

    rig.questions.answer = true;
    rig.wizard.currentWindow()->close();
    QCOMPARE(rig.windowName(), QString());
}

void TstInstallerWizard::failedRunEndsOnClose()
{
    WizardRig rig;
    QFile::remove(rig.platform.sourceFolder() + QStringLiteral("/QM3.dat"));
    QSignalSpy finished(&rig.wizard, &Wizard::finished);
    goToLog(rig);

    QCOMPARE(rig.windowName(), QStringLiteral("frmLog"));
    auto *finish = rig.find<QPushButton>("cmdFinish");
    QCOMPARE(finish->text(), QStringLiteral("Fermer"));
    QVERIFY(finish->isEnabled());
    QVERIFY(rig.find<QPlainTextEdit>("txtLog")->toPlainText().endsWith(
        QStringLiteral("\n  ERREUR : QM3.dat est absent")));
    QCOMPARE(rig.platform.errors.size(), 1);
    rig.click("cmdFinish");
    QCOMPARE(rig.windowName(), QString());
    QCOMPARE(finished.size(), 1);
    QVERIFY(rig.questions.asked.isEmpty());
}

void TstInstallerWizard::successfulRunEndsOnEndWindow()
{
    WizardRig rig;
    QSignalSpy finished(&rig.wizard, &Wizard::finished);
    rig.click("cmdInstall");
    rig.click("cmdInstall");
    rig.find<QCheckBox>("chkStartup")->click();
    rig.find<QCheckBox>("chkDesktop")->click();
    rig.click("cmdInstall");

    auto *finish = rig.find<QPushButton>("cmdFinish");
    QCOMPARE(finish->text(), QStringLiteral("Suivant >"));
    QVERIFY(finish->isEnabled());
    QVERIFY(rig.find<QPlainTextEdit>("txtLog")->toPlainText().endsWith(
        QStringLiteral("\n\nINSTALLATION TERMINEE")));
    QCOMPARE(rig.platform.shortcuts.size(), 4);
    QVERIFY(rig.platform.shortcuts.first().linkPath.contains(QStringLiteral("Desktop")));
    QVERIFY(QFileInfo::exists(rig.state.InstallPath + QStringLiteral("/Quillmere")));

    rig.click("cmdFinish");
    QCOMPARE(rig.windowName(), QStringLiteral("frmEnd"));
    QCOMPARE(rig.find<QLabel>("Label1")->text(), QStringLiteral("Installation terminée !"));
    QVERIFY(!rig.wizard.currentWindow()->close());
    QCOMPARE(rig.windowName(), QString());
    QCOMPARE(finished.size(), 1);
}

void TstInstallerWizard::folderProposals_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("root") << QStringLiteral("/") << QStringLiteral("/Quillmere");
    QTest::newRow("release folder")
        << QStringLiteral("release") << QStringLiteral("release/Quillmere");
    QTest::newRow("subfolder") << QStringLiteral("release/Mes programmes")
                               << QStringLiteral("release/Mes programmes/Quillmere");
}

void TstInstallerWizard::folderProposals()
{
    QFETCH(QString, entry);
    QFETCH(QString, proposed);

    WizardRig rig;
    QVERIFY(QDir(rig.platform.sourceFolder()).mkpath(QStringLiteral("Mes programmes")));
    rig.click("cmdInstall");
    rig.find<QWidget>("drvList")->setFocus();
    rig.find<QComboBox>("drvList")->setCurrentIndex(0);
    const auto *list = rig.find<QListWidget>("dirList");
    const QString root = rig.platform.root() + u'/';
    const QString full = entry.startsWith(u'/') ? entry : root + entry;
    const QString expected = proposed.startsWith(u'/') ? proposed : root + proposed;
    if (entry.contains(u' ')) {
        // The subfolder is listed once the release folder has been opened.
        QWidget *window = rig.wizard.currentWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        rig.clickFolder(rig.platform.sourceFolder());
        QVERIFY(list->hasFocus());
        rig.find<QLineEdit>("txtInstallPath")->setFocus();
        QVERIFY(!list->hasFocus());
    }
    rig.clickFolder(full);
    QCOMPARE(rig.find<QLineEdit>("txtInstallPath")->text(), expected);
    QCOMPARE(rig.state.InstallPath, expected);
    rig.click("cmdInstall");
    QCOMPARE(rig.windowName(), QStringLiteral("frmShort"));
    QCOMPARE(rig.state.InstallPath, expected);
}

void TstInstallerWizard::typedPathWins()
{
    WizardRig rig;
    rig.click("cmdInstall");
    rig.clickFolder(QStringLiteral("/"));
    auto *path = rig.find<QLineEdit>("txtInstallPath");
    path->selectAll();
    QTest::keyClicks(path, QStringLiteral("/srv/mon choix"));
    QTest::keyClick(path, Qt::Key_Return);
    QCOMPARE(rig.windowName(), QStringLiteral("frmShort"));
    QCOMPARE(rig.state.InstallPath, QStringLiteral("/srv/mon choix"));
}

void TstInstallerWizard::unusableDriveIsUndone()
{
    WizardRig rig({ QStringLiteral("/"), QStringLiteral("/nonexistent-medium") });
    rig.click("cmdInstall");
    auto *drives = rig.find<QComboBox>("drvList");
    QCOMPARE(drives->currentText(), QStringLiteral("/"));
    const QStringList before = [&rig] {
        QStringList entries;
        const auto *list = rig.find<QListWidget>("dirList");
        for (int row = 0; row < list->count(); ++row)
            entries.append(list->item(row)->data(Qt::UserRole).toString());
        return entries;
    }();
    drives->setCurrentIndex(1);
    QCOMPARE(drives->currentText(), QStringLiteral("/"));
    const auto *list = rig.find<QListWidget>("dirList");
    QCOMPARE(list->count(), before.size());
    QCOMPARE(list->item(list->count() - 1)->data(Qt::UserRole).toString(), before.last());
}

QTEST_MAIN(TstInstallerWizard)
#include "tst_installer_wizard.moc"
