#include "../core/fakes.h"
#include "../core/rig.h"
#include "modal.h"

#include "tracker/ui/frm_edit.h"
#include "tracker/ui/frm_quillmere_main.h"
#include "tracker/ui/frm_select.h"
#include "tracker/ui/tray_icon.h"
#include "tracker/ui/window_set.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTableView>

using namespace qm;
using namespace qm::test;

namespace {

// One run of the program over a program folder, with the real windows.
struct Run
{
    explicit Run(const QString &folder)
        : windows(true, [this] { ended = true; })
        , tracker(folder, clock, windows, windows, desktop)
    {
        windows.attach(tracker);
    }

    QPushButton *button(const char *name)
    {
        return windows.mainWindow()->findChild<QPushButton *>(QString::fromLatin1(name));
    }
    QString cell(int row, int column) const
    {
        return windows.mainWindow()
            ->findChild<QTableView *>(QStringLiteral("grdHistorique"))
            ->model()
            ->index(row, column)
            .data()
            .toString();
    }

    // Changer, then fills the dialog's fields through its widgets and confirms.
    void change(int activity, const QString &duration, const QString &end, const QString &comment)
    {
        onNextModal([=](QWidget *dialog) {
            auto edit = [dialog](const char *name) {
                return dialog->findChild<QLineEdit *>(QString::fromLatin1(name));
            };
            if (!duration.isEmpty()) {
                edit("txtDuration")->setFocus();
                QTest::keyClicks(edit("txtDuration"), duration);
                QTest::keyClick(edit("txtDuration"), Qt::Key_Return);
            }
            if (!end.isEmpty()) {
                edit("txtEndTime")->setFocus();
                QTest::keyClicks(edit("txtEndTime"), end);
                QTest::keyClick(edit("txtEndTime"), Qt::Key_Return);
            }
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("lstActivities"));
            list->setCurrentRow(activity);
            edit("txtComment")->setFocus();
            QTest::keyClicks(edit("txtComment"), comment);
            QTest::mouseClick(
                dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(button("cmdChange"), Qt::LeftButton);
    }

    FakeClock clock;
    FakeDesktop desktop;
    bool ended = false;
    WindowSet windows;
    Tracker tracker;
};

void typeInNextInputBox(const QString &text)
{
    onNextModal([text](QWidget *modal) {
        auto *box = qobject_cast<QInputDialog *>(modal);
        QVERIFY(box);
        QCOMPARE(box->labelText(), QStringLiteral("Saisir l'intitulé de la nouvelle activité..."));
        box->setTextValue(text);
        box->accept();
    });
}

} // namespace

class TrackerEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void firstDayThroughTheWindows();
    void quitRecoverAndSuppress();
};

void TrackerEndToEndTest::firstDayThroughTheWindows()
{
    QTemporaryDir dir;
    Run run(dir.path());
    run.clock.set(2026, 12, 5, 8, 0);
    onNextModal([](QWidget *welcome) {
        QCOMPARE(welcome->windowTitle(), QStringLiteral("Quillmere - Première exécution"));
        clickInNextModal("cmdStart");
        QTest::mouseClick(
            welcome->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    run.tracker.start();
    QWidget *editor = run.windows.editor();
    QVERIFY(editor->isVisible());
    QVERIFY(!run.windows.mainWindow()->isVisible());
    auto *add = editor->findChild<QPushButton *>(QStringLiteral("cmdAdd"));
    for (const QString &name : { u"Dossiers"_qs, u"Réunion, client"_qs, u"Courrier"_qs }) {
        typeInNextInputBox(name);
        QTest::mouseClick(add, Qt::LeftButton);
    }
    QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("cmdSave")), Qt::LeftButton);
    QVERIFY(run.windows.mainWindow()->isVisible());

    run.change(1, {}, {}, {});
    QVERIFY(!run.windows.mainWindow()->isVisible());
    QCOMPARE(run.cell(0, 1), QStringLiteral("EN COURS"));

    run.clock.set(2026, 12, 5, 9, 10);
    run.windows.trayIcon()->activate(QSystemTrayIcon::Trigger);
    QVERIFY(run.windows.mainWindow()->isVisible());
    run.change(2, QStringLiteral("30"), {}, QStringLiteral("a,b"));
    QVERIFY(run.windows.mainWindow()->isVisible());
    QCOMPARE(run.cell(1, 3), QStringLiteral("a;b"));

    run.change(3, {}, QStringLiteral("10:15"), {});
    QCOMPARE(run.cell(2, 1), QStringLiteral(" 0 h 35 = 35"));
    QCOMPARE(run.cell(2, 0), QStringLiteral("09:40:00"));

    clickInNextModal("cmdCont");
    QTest::mouseClick(run.button("cmdQuit"), Qt::LeftButton);
    QVERIFY(run.ended);
    const QString journal = QDir(dir.path()).filePath(QStringLiteral("Quillmere.log"));
    QCOMPARE(readBytes(journal), readBytes(QFINDTESTDATA("../../data/tracker/logged_day.log")));
    QVERIFY(!QFile::exists(QDir(dir.path()).filePath(QStringLiteral("Quillmere.day"))));
}

void TrackerEndToEndTest::quitRecoverAndSuppress()
{
    QTemporaryDir dir;
    writeBytes(dir.filePath(QStringLiteral("Quillmere.ini")), kThreeActivities);
    {
        Run run(dir.path());
        clickInNextModal("cmdStart");
        run.tracker.start();
        run.change(2, QStringLiteral("20"), {}, QStringLiteral("vu"));
        // Quitter: the first answer keeps the program and switches the message off.
        onNextModal([](QWidget *message) {
            message->findChild<QCheckBox *>(QStringLiteral("chkSuppr"))->setChecked(true);
            QTest::mouseClick(
                message->findChild<QPushButton *>(QStringLiteral("cmdAbandon")), Qt::LeftButton);
        });
        QTest::mouseClick(run.button("cmdHardQuit"), Qt::LeftButton);
        QVERIFY(!run.ended);
        QTest::mouseClick(run.button("cmdHardQuit"), Qt::LeftButton);
        QVERIFY(run.ended);
    }
    QVERIFY(readBytes(dir.filePath(QStringLiteral("Quillmere.ini"))).contains("Message=3=Faux"));
    {
        Run run(dir.path());
        QString shown;
        onNextModal([&shown](QWidget *message) {
            shown = message->findChild<QPushButton *>(QStringLiteral("cmdCont"))->text();
            QTest::mouseClick(
                message->findChild<QPushButton *>(QStringLiteral("cmdCont")), Qt::LeftButton);
        });
        run.tracker.start();
        QCOMPARE(shown, QStringLiteral("Récuperer"));
        QVERIFY(run.windows.mainWindow()->isVisible());
        QCOMPARE(run.cell(0, 0), QStringLiteral("09:00:00"));
        QCOMPARE(run.cell(0, 2), QStringLiteral("Réunion"));
        QCOMPARE(run.cell(0, 3), QStringLiteral("vu"));
        QTest::mouseClick(run.button("cmdHardQuit"), Qt::LeftButton);
        QVERIFY(run.ended);
    }
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("Quillmere.day"))));
}

QTEST_MAIN(TrackerEndToEndTest)
#include "tst_tracker_e2e.moc"
