#include "../core/rig.h"

#include "tracker/ui/frm_select.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace qm;
using namespace qm::test;

class FrmSelectTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }
    void init();
    void cleanup();

    void textChecksOnLeavingTheField_data();
    void textChecksOnLeavingTheField();
    void enterActsByTag_data();
    void enterActsByTag();
    void escapeDoesNotAbandon();
    void deleteInTheCommentTypes();
    void confirmWithOneOffComment();
    void tabOrderAndNames();

private:
    template<typename T> T *child(const char *name)
    {
        T *widget = m_dialog->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    void typeAndLeave(const char *name, const QString &text);

    std::unique_ptr<Rig> m_rig;
    std::unique_ptr<frmSelect> m_dialog;
};

void FrmSelectTest::init()
{
    m_rig = std::make_unique<Rig>();
    m_rig->clock.set(2026, 12, 5, 10, 0);
    m_rig->startDay();
    QVERIFY(m_rig->change(1, QStringLiteral("10:00")));
    m_rig->showAt(10, 30);
    m_dialog = std::make_unique<frmSelect>(*m_rig->tracker);
    m_rig->screens.onChangeDialog = [this] {
        m_dialog->showFields();
        m_dialog->show();
    };
    m_rig->tracker->openChangeDialog();
    QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
}

void FrmSelectTest::cleanup()
{
    m_dialog.reset();
    m_rig.reset();
}

void FrmSelectTest::typeAndLeave(const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(name);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

void FrmSelectTest::textChecksOnLeavingTheField_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("invokeTime");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("endTime");

    QTest::newRow("change time accepted") << QByteArray("txtInvokeTime") << "10:40"
                                          << "10:40"
                                          << ""
                                          << "";
    QTest::newRow("change time too early") << QByteArray("txtInvokeTime") << "10:00:20"
                                           << "10:30:00"
                                           << ""
                                           << "";
    QTest::newRow("change time no time") << QByteArray("txtInvokeTime") << "midi"
                                         << "10:30:00"
                                         << ""
                                         << "";
    QTest::newRow("duration gives the end") << QByteArray("txtDuration") << "45"
                                            << "10:30:00"
                                            << "45"
                                            << "11:15";
    QTest::newRow("duration beyond a day") << QByteArray("txtDuration") << "1441"
                                           << "10:30:00"
                                           << ""
                                           << "";
    QTest::newRow("end gives the duration") << QByteArray("txtEndTime") << "11:00"
                                            << "10:30:00"
                                            << "30"
                                            << "11:00";
    QTest::newRow("end no time") << QByteArray("txtEndTime") << "onze"
                                 << "10:30:00"
                                 << ""
                                 << "";
}

void FrmSelectTest::textChecksOnLeavingTheField()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QString, invokeTime);
    QFETCH(QString, duration);
    QFETCH(QString, endTime);

    QCOMPARE(child<QLineEdit>("txtInvokeTime")->text(), QStringLiteral("10:30:00"));
    typeAndLeave(field.constData(), typed);
    QCOMPARE(child<QLineEdit>("txtInvokeTime")->text(), invokeTime);
    QCOMPARE(child<QLineEdit>("txtDuration")->text(), duration);
    QCOMPARE(child<QLineEdit>("txtEndTime")->text(), endTime);
    QCOMPARE(m_rig->fields().invokeTime, invokeTime);
}

void FrmSelectTest::enterActsByTag_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("focusAfter");
    QTest::addColumn<QString>("endTime");

    QTest::newRow("heure") << QByteArray("txtInvokeTime") << "10:50" << QByteArray("txtDuration")
                           << "";
    QTest::newRow("minute") << QByteArray("txtDuration") << "15" << QByteArray("lstActivities")
                            << "10:45";
    QTest::newRow("fin") << QByteArray("txtEndTime") << "11:10" << QByteArray("lstActivities")
                         << "11:10";
    QTest::newRow("comment: nothing")
        << QByteArray("txtComment") << "x" << QByteArray("txtComment") << "";
}

void FrmSelectTest::enterActsByTag()
{
    QFETCH(QByteArray, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, focusAfter);
    QFETCH(QString, endTime);

    auto *edit = child<QLineEdit>(field.constData());
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(focusAfter));
    QCOMPARE(child<QLineEdit>("txtEndTime")->text(), endTime);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_rig->state().dayActivityCount, 1);

    auto *activities = child<QListWidget>("lstActivities");
    activities->setFocus();
    QTest::keyClick(activities, Qt::Key_Return);
    QCOMPARE(m_rig->state().dayActivityCount, 1);
}

void FrmSelectTest::escapeDoesNotAbandon()
{
    QTest::keyClick(child<QLineEdit>("txtInvokeTime"), Qt::Key_Escape);
    QVERIFY(m_dialog->isVisible());
    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(m_rig->state().dayActivityCount, 1);
}

void FrmSelectTest::deleteInTheCommentTypes()
{
    auto *comments = child<QListWidget>("lstComments");
    QCOMPARE(comments->count(), 2);
    comments->setFocus();
    comments->setCurrentRow(0);
    QTest::keyClick(comments, Qt::Key_Delete);
    QCOMPARE(comments->count(), 2);
    comments->setCurrentRow(1);
    QTest::keyClick(comments, Qt::Key_Delete);
    QCOMPARE(comments->count(), 1);
    QCOMPARE(comments->currentRow(), 0);
    QCOMPARE(comments->item(0)->text(), QStringLiteral("(Aucun commentaire)"));
    QVERIFY(!readBytes(m_rig->file(kSettingsFileName)).contains("Comment="));
}

void FrmSelectTest::confirmWithOneOffComment()
{
    auto *comment = child<QLineEdit>("txtComment");
    comment->setFocus();
    QTest::keyClicks(comment, QStringLiteral("a,b"));
    child<QListWidget>("lstActivities")->setCurrentRow(2);
    QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton);
    QCOMPARE(m_rig->state().currentActivity, QStringLiteral("Réunion"));
    QCOMPARE(m_rig->tracker->history().cell(2, 3), QStringLiteral("a;b"));
    QCOMPARE(m_rig->tracker->history().cell(1, 1), QStringLiteral(" 0 h 30 = 30"));
    QCOMPARE(comment->text(), QStringLiteral("a;b"));
    QVERIFY(m_rig->screens.log.contains(QStringLiteral("hideChange")));
}

void FrmSelectTest::tabOrderAndNames()
{
    const QStringList order { "txtInvokeTime", "txtDuration", "txtEndTime", "lstActivities",
        "txtComment", "txtAddComment", "lstComments", "cmdOK", "cmdCancel" };
    child<QWidget>("txtInvokeTime")->setFocus();
    for (const QString &name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Quillmere - Sélection de l'activité"));
    QCOMPARE(
        child<QLineEdit>("txtInvokeTime")->property("tag").toString(), QStringLiteral("heure"));
    QCOMPARE(
        child<QListWidget>("lstComments")->property("tag").toString(), QStringLiteral("com_type"));
    QCOMPARE(child<QLabel>("lblCurrent")->text(), QStringLiteral("Dossiers"));
    QSet<QWidget *> buddies;
    for (QLabel *label : m_dialog->findChildren<QLabel *>())
        buddies.insert(label->buddy());
    for (QLineEdit *edit : m_dialog->findChildren<QLineEdit *>())
        QVERIFY2(buddies.contains(edit), qPrintable(edit->objectName()));
    QCOMPARE(child<QListWidget>("lstActivities")->accessibleName(),
        QStringLiteral("Sélectionnez la nouvelle activité :"));
    QVERIFY(!child<QPushButton>("cmdOK")->isDefault());
}

QTEST_MAIN(FrmSelectTest)
#include "tst_frm_select.moc"
