#include "rig.h"

#include "journal/text_formats.h"

#include <QLocale>
#include <QTest>

using namespace qm;
using namespace qm::test;

class ChangeFormTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    void changeTimeCheck_data();
    void changeTimeCheck();
    void durationCheck_data();
    void durationCheck();
    void endTimeCheck_data();
    void endTimeCheck();
    void commentChoice_data();
    void commentChoice();
    void pauseCountsInTheDayTotalOnly();
    void closingRoundsUpToWholeMinutes_data();
    void closingRoundsUpToWholeMinutes();
    void confirmWithoutActivityStaysOpen();
    void reopeningKeepsTypedTimes();
    void deleteCommentType();
    void dayFileOnlyForFinishedActivities();
};

namespace {

// A day with Dossiers running since 10:00, the window shown at 10:30.
void runningSinceTen(Rig &rig)
{
    rig.clock.set(2026, 12, 5, 10, 0);
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("10:00")));
    rig.showAt(10, 30);
    rig.tracker->openChangeDialog();
}

} // namespace

void ChangeFormTest::changeTimeCheck_data()
{
    QTest::addColumn<bool>("firstChange");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QTime>("changeTime");

    QTest::newRow("later time") << false << "10:45"
                                << "10:45" << QTime(10, 45);
    QTest::newRow("with seconds") << false << "10:20:15"
                                  << "10:20:15" << QTime(10, 20, 15);
    QTest::newRow("one minute after the start") << false << "10:01"
                                                << "10:01" << QTime(10, 1);
    QTest::newRow("before start plus one minute") << false << "10:00:30"
                                                  << "10:30:00" << QTime(10, 30);
    QTest::newRow("no colon") << false << "1045"
                              << "10:30:00" << QTime(10, 30);
    QTest::newRow("no time") << false << "25:00"
                             << "10:30:00" << QTime(10, 30);
    QTest::newRow("empty") << false << ""
                           << "10:30:00" << QTime(10, 30);
    QTest::newRow("first change takes any time") << true << "06:00"
                                                 << "06:00" << QTime(6, 0);
}

void ChangeFormTest::changeTimeCheck()
{
    QFETCH(bool, firstChange);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QTime, changeTime);

    Rig rig;
    if (firstChange) {
        rig.clock.set(2026, 12, 5, 10, 30);
        rig.startDay();
        rig.tracker->openChangeDialog();
    } else {
        runningSinceTen(rig);
    }
    rig.fields().invokeTime = typed;
    rig.tracker->changeForm().checkChangeTime();
    QCOMPARE(rig.fields().invokeTime, shown);
    QCOMPARE(rig.state().changeTime, makeDateTime(QDate(2026, 12, 5), changeTime));
}

void ChangeFormTest::durationCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("duration");
    QTest::addColumn<QString>("endTime");
    QTest::addColumn<int>("recorded");

    QTest::newRow("zero") << "0"
                          << ""
                          << "09:99" << -1;
    QTest::newRow("negative") << "-5"
                              << ""
                              << "09:99" << -1;
    QTest::newRow("beyond a day") << "1441"
                                  << ""
                                  << "09:99" << -1;
    QTest::newRow("no number") << "abc"
                               << ""
                               << "09:99" << -1;
    QTest::newRow("a whole day") << "1440"
                                 << "1440"
                                 << "10:30" << 1440;
    QTest::newRow("ninety minutes") << "90 min"
                                    << "90 min"
                                    << "12:00" << 90;
    QTest::newRow("half to even, down") << "2.5"
                                        << "2.5"
                                        << "10:32" << 2;
    QTest::newRow("half to even, up") << "3.5"
                                      << "3.5"
                                      << "10:34" << 4;
}

void ChangeFormTest::durationCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, duration);
    QFETCH(QString, endTime);
    QFETCH(int, recorded);

    Rig rig;
    runningSinceTen(rig);
    rig.fields().endTime = QStringLiteral("09:99");
    rig.fields().duration = typed;
    rig.tracker->changeForm().checkDuration();
    QCOMPARE(rig.fields().duration, duration);
    QCOMPARE(rig.fields().endTime, endTime);
    rig.fields().activityIndex = 2;
    // A whole day ends tomorrow: keep today open to look at it.
    rig.questions.answers[8] = { false };
    QVERIFY(rig.tracker->confirmChange());
    QCOMPARE(rig.state().currentDuration, recorded);
    QCOMPARE(rig.tracker->history().cell(2, 1),
        recorded == -1 ? QStringLiteral("EN COURS") : DurationCellText(recorded));
    QCOMPARE(rig.screens.mainVisible, recorded != -1);
}

void ChangeFormTest::endTimeCheck_data()
{
    QTest::addColumn<QString>("changeAt");
    QTest::addColumn<QString>("end");
    QTest::addColumn<QString>("endShown");
    QTest::addColumn<QString>("duration");

    QTest::newRow("through midnight") << "23:30:00"
                                      << "00:15"
                                      << "00:15"
                                      << "45";
    QTest::newRow("equal to the change") << "10:00:00"
                                         << "10:00"
                                         << "10:00"
                                         << "1";
    QTest::newRow("half a minute before") << "10:00:30"
                                          << "10:00"
                                          << "10:00"
                                          << "1439";
    QTest::newRow("with seconds") << "10:00:00"
                                  << "12:30:30"
                                  << "12:30:30"
                                  << "150";
    QTest::newRow("no colon") << "10:00:00"
                              << "1230"
                              << ""
                              << "7";
    QTest::newRow("no time") << "10:00:00"
                             << "12:75"
                             << ""
                             << "7";
}

void ChangeFormTest::endTimeCheck()
{
    QFETCH(QString, changeAt);
    QFETCH(QString, end);
    QFETCH(QString, endShown);
    QFETCH(QString, duration);

    Rig rig;
    rig.clock.set(2026, 12, 5, 8, 0);
    rig.startDay();
    rig.tracker->openChangeDialog();
    rig.fields().invokeTime = changeAt;
    rig.tracker->changeForm().checkChangeTime();
    rig.fields().duration = QStringLiteral("7");
    rig.fields().endTime = end;
    rig.tracker->changeForm().checkEndTime();
    QCOMPARE(rig.fields().endTime, endShown);
    QCOMPARE(rig.fields().duration, duration);
}

void ChangeFormTest::commentChoice_data()
{
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("addComment");
    QTest::addColumn<int>("commentIndex");
    QTest::addColumn<QString>("recorded");
    QTest::addColumn<QString>("commentShown");
    QTest::addColumn<QStringList>("types");

    const QStringList types { "(Aucun commentaire)", "client" };
    QTest::newRow("one-off with a comma") << "a,b"
                                          << "" << 1 << "a;b"
                                          << "a;b" << types;
    QTest::newRow("one-off wins over a new type") << "ici"
                                                  << "neuf" << 1 << "ici"
                                                  << "ici" << types;
    QTest::newRow("new type") << ""
                              << "x,y" << 0 << "x;y"
                              << "" << QStringList { "(Aucun commentaire)", "client", "x;y" };
    QTest::newRow("new type equal to an old one")
        << ""
        << "client" << 0 << "client"
        << "" << QStringList { "(Aucun commentaire)", "client", "client" };
    QTest::newRow("existing type") << ""
                                   << "" << 1 << "client"
                                   << "" << types;
    QTest::newRow("no comment") << ""
                                << "" << 0 << ""
                                << "" << types;
}

void ChangeFormTest::commentChoice()
{
    QFETCH(QString, comment);
    QFETCH(QString, addComment);
    QFETCH(int, commentIndex);
    QFETCH(QString, recorded);
    QFETCH(QString, commentShown);
    QFETCH(QStringList, types);

    Rig rig;
    rig.startDay();
    rig.tracker->openChangeDialog();
    rig.fields().comment = comment;
    rig.fields().addComment = addComment;
    rig.fields().commentIndex = commentIndex;
    rig.fields().activityIndex = 1;
    QVERIFY(rig.tracker->confirmChange());
    QCOMPARE(rig.state().currentComment, recorded);
    QCOMPARE(rig.tracker->history().cell(1, 3), recorded);
    QCOMPARE(rig.fields().comment, commentShown);
    QCOMPARE(rig.state().settings.commentChoices, types);
    QVERIFY(!rig.state().newCommentTypePending);
    const QByteArray saved = readBytes(rig.file(kSettingsFileName));
    QCOMPARE(saved.count("Comment="), types.size() - 1);
}

void ChangeFormTest::pauseCountsInTheDayTotalOnly()
{
    Rig rig;
    rig.startDay();
    QVERIFY(rig.change(0, QStringLiteral("09:00"), QStringLiteral("25")));
    QCOMPARE(rig.state().currentActivity, QStringLiteral("pause"));
    QCOMPARE(rig.tracker->history().cell(1, 2), QStringLiteral("pause"));
    QCOMPARE(rig.state().dayTotalMinutes, 25);
    QCOMPARE(rig.state().dayTotalWithoutPauseMinutes, 0);
}

void ChangeFormTest::closingRoundsUpToWholeMinutes_data()
{
    QTest::addColumn<QTime>("changeAt");
    QTest::addColumn<QString>("cell");

    QTest::newRow("30 seconds") << QTime(10, 0, 30) << " 0 h 01 = 1";
    QTest::newRow("61 seconds") << QTime(10, 1, 1) << " 0 h 02 = 2";
    QTest::newRow("exactly an hour") << QTime(11, 0) << " 1 h 00 = 60";
}

void ChangeFormTest::closingRoundsUpToWholeMinutes()
{
    QFETCH(QTime, changeAt);
    QFETCH(QString, cell);

    Rig rig;
    rig.clock.set(2026, 12, 5, 10, 0);
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("10:00:00")));
    rig.showAt(changeAt.hour(), changeAt.minute(), changeAt.second());
    QVERIFY(rig.change(2, QString()));
    QCOMPARE(rig.tracker->history().cell(1, 1), cell);
}

void ChangeFormTest::confirmWithoutActivityStaysOpen()
{
    Rig rig;
    rig.startDay();
    rig.tracker->openChangeDialog();
    rig.fields().activityIndex = -1;
    QVERIFY(!rig.tracker->confirmChange());
    QCOMPARE(rig.state().dayActivityCount, 0);
    QVERIFY(!rig.screens.log.contains(QStringLiteral("hideChange")));
}

void ChangeFormTest::reopeningKeepsTypedTimes()
{
    Rig rig;
    runningSinceTen(rig);
    rig.fields().invokeTime = QStringLiteral("10:40");
    rig.fields().duration = QStringLiteral("12");
    rig.fields().comment = QStringLiteral("typed");
    rig.fields().activityIndex = 3;
    rig.tracker->openChangeDialog();
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("10:40"));
    QCOMPARE(rig.fields().duration, QStringLiteral("12"));
    QCOMPARE(rig.fields().comment, QString());
    QCOMPARE(rig.fields().activityIndex, 0);
    QCOMPARE(rig.fields().current, QStringLiteral("Dossiers"));
}

void ChangeFormTest::deleteCommentType()
{
    Rig rig;
    rig.startDay();
    rig.tracker->openChangeDialog();
    ChangeForm &form = rig.tracker->changeForm();
    QVERIFY(!form.removeSelectedCommentType());
    rig.fields().commentIndex = 1;
    QVERIFY(form.removeSelectedCommentType());
    QCOMPARE(rig.fields().commentIndex, 0);
    QCOMPARE(rig.state().settings.commentChoices, QStringList { "(Aucun commentaire)" });
    rig.tracker->changeDialogKeyPressed();
    QVERIFY(!readBytes(rig.file(kSettingsFileName)).contains("Comment="));

    // A key that changes nothing does not rewrite the file.
    writeBytes(rig.file(kSettingsFileName), "User=hand\r\n");
    rig.tracker->changeDialogKeyPressed();
    QCOMPARE(readBytes(rig.file(kSettingsFileName)), QByteArray("User=hand\r\n"));
}

void ChangeFormTest::dayFileOnlyForFinishedActivities()
{
    Rig running;
    running.startDay();
    QVERIFY(running.change(1, QStringLiteral("09:00")));
    QVERIFY(!QFile::exists(running.file(kDayFileName)));

    Rig fixed;
    fixed.startDay();
    QVERIFY(
        fixed.change(2, QStringLiteral("09:00"), QStringLiteral("15"), {}, QStringLiteral("vu")));
    QCOMPARE(readBytes(fixed.file(kDayFileName)),
        QByteArray("05/12/2026\r\n09:00:00, 15,Réunion,vu\r\n"));
}

QTEST_GUILESS_MAIN(ChangeFormTest)
#include "tst_change_form.moc"
