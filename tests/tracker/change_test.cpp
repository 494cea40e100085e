#include "rig.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

using namespace qm;
using namespace qm::test;

// The change dialog's fields, their checks and the change they record.
class ChangeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    // The change time proposed when the window is shown, and the minutes the running activity
    // gets when the change is confirmed there: whole minutes, rounded up.
    void changeTimeProposal_data()
    {
        QTest::addColumn<QString>("duration"); // null: nothing recorded
        QTest::addColumn<QTime>("shownAt");
        QTest::addColumn<QString>("proposal");
        QTest::addColumn<QString>("closed");
        const auto row = [](const char *name, const char *duration, QTime shownAt,
                             const char *proposal, const char *closed) {
            QTest::newRow(name) << QString(duration) << shownAt << QString(proposal)
                                << QString(closed);
        };
        row("nothing recorded: the start of the day", nullptr, QTime(11, 0), "09:00:00",
            "EN COURS");
        row("running, a second past the hour", "", QTime(10, 30, 1), "10:30:01", " 1 h 01 = 61");
        row("running, exactly an hour", "", QTime(10, 30), "10:30:00", " 1 h 00 = 60");
        row("running, clock at its start: one minute on", "", QTime(9, 30), "09:31:00",
            " 0 h 01 = 1");
        row("fixed duration: its end", "50", QTime(9, 40), "10:20:00", " 0 h 50 = 50");
    }
    void changeTimeProposal()
    {
        QFETCH(QString, duration);
        QFETCH(QTime, shownAt);
        Rig rig;
        rig.startDay();
        if (!duration.isNull())
            QVERIFY(rig.change(1, "09:30", duration));
        rig.showAt(shownAt.hour(), shownAt.minute(), shownAt.second());
        QTEST(rig.fields().invokeTime, "proposal");
        QCOMPARE(rig.fields().duration, QString());
        QVERIFY(rig.screens.mainVisible);
        const QSignalSpy repainted(&rig.tracker.history(), &QAbstractItemModel::dataChanged);
        QVERIFY(rig.change(2, QString()));
        QTEST(rig.cell(1, 1), "closed");
        // The grid is told of the duration closed in the first row, not of a neighbour's.
        for (const QList<QVariant> &cells : repainted)
            QCOMPARE(cells.at(0).value<QModelIndex>().row(), 0);
    }

    // A typed change time, or "-N", N minutes before now, checked as a typed time and then shown
    // as one; Dossiers runs since 10:00 and it is 10:30, or nothing is recorded yet and any time
    // of the day is taken.
    void typedChangeTime_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the proposal when refused
        const auto row = [](const char *typed, const char *shown, bool running = true) {
            QTest::newRow(typed) << running << QString(typed) << QString(shown);
        };
        row(" -29 ", "10:01:00");
        row("-30", "10:30:00"); // not a minute after the running activity's start
        for (const char *refused : { "-0", "-1000", "- 5", "-5x", "20" })
            row(refused, "10:30:00");
        row("06:00:00", "06:00:00", false);
        row("-631", "10:00:00", false); // yesterday: the day's start stays proposed
    }
    void typedChangeTime()
    {
        QFETCH(bool, running);
        Rig rig;
        rig.clock.set(2026, 12, 5, 10, 0);
        rig.startDay();
        if (running)
            QVERIFY(rig.change(1, "10:00"));
        rig.showAt(10, 30);
        QFETCH(QString, typed);
        QVERIFY(rig.change(2, typed));
        QTEST(rig.state().currentStart().time().toString(u"HH:mm:ss"), "shown");
        QTEST(rig.fields().invokeTime, "shown");
    }

    // The end time the duration writes, then an end time typed over it, with the change time
    // on the minute or 40 seconds past it.
    void durationCheck_data()
    {
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("endTime"); // "09:99" left as it was: refused
        QTest::addColumn<QString>("retypedEnd"); // empty: Tab through the end time written
        QTest::addColumn<int>("recorded");
        for (const char *refused : { "0", "-5", "-0.4", "1441", "1440.5", "1440.001", "abc" })
            QTest::newRow(refused) << 40 << QString(refused) << QString("09:99") << QString() << -1;
        const auto row = [](const char *name, int second, const char *typed, const char *end,
                             const char *retyped, int recorded) {
            QTest::newRow(name) << second << QString(typed) << QString(end) << QString(retyped)
                                << recorded;
        };
        row("a whole day", 40, "1440", "10:30", "", 1440);
        // The end time is taken from the typed value, the recorded minutes are rounded.
        row("half to even, down", 40, "2.5", "10:33", "", 2);
        row("half to even, down, on the minute", 0, "2.5", "10:32", "", 2);
        row("half to even, up", 40, "3.5", "10:34", "", 4);
        row("less than a second", 40, "0.001", "10:30", "", 0);
        // The end typed last wins, counted from the change time's seconds.
        row("an end typed over", 40, "30", "11:00", "11:30", 59);
        row("an end with seconds typed over", 40, "30", "11:00", "11:30:40", 60);
    }
    void durationCheck()
    {
        QFETCH(int, second);
        QFETCH(QString, typed);
        QFETCH(QString, retypedEnd);
        QFETCH(int, recorded);
        Rig rig;
        rig.runDossiersSinceTen();
        rig.showAt(10, 30, second);
        rig.tracker.openChangeDialog();
        rig.fields().endTime = "09:99";
        rig.fields().duration = typed;
        rig.tracker.changeForm().checkDuration();
        QCOMPARE(rig.fields().duration, recorded == -1 ? QString() : typed);
        QTEST(rig.fields().endTime, "endTime");
        if (!retypedEnd.isEmpty()) {
            rig.fields().endTime = retypedEnd;
            QVERIFY(rig.tracker.changeForm().checkEndTime());
            QCOMPARE(rig.fields().duration, QString::number(recorded));
        } else {
            // Tab goes on through the end time the check wrote: the typed duration stays.
            QVERIFY(rig.tracker.changeForm().checkEndTime());
            QCOMPARE(rig.fields().duration, recorded == -1 ? QString() : typed);
        }
        rig.fields().activityIndex = 2;
        // A whole day ends tomorrow: keep today open to look at it.
        rig.questions.answers[Code::NewDay] = { false };
        QVERIFY(rig.tracker.confirmChange());
        QCOMPARE(rig.state().currentDuration(), recorded);
        QCOMPARE(rig.screens.mainVisible, recorded != -1);
        QCOMPARE(rig.questions.confirmations, QStringList {});
    }

    // A field left through the close box has not been checked; the next opening keeps its
    // text, and Confirmer checks it, in the order of the fields.
    void timesLeftUnchecked_data()
    {
        QTest::addColumn<QString>("invokeTime");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("endTime");
        QTest::addColumn<QTime>("start");
        QTest::addColumn<int>("recorded");
        const auto row = [](const char *name, const char *at, const char *duration, const char *end,
                             QTime start, int recorded) {
            QTest::newRow(name) << QString(at) << QString(duration) << QString(end) << start
                                << recorded;
        };
        row("more than a day", "", "5000", "", QTime(10, 30), -1);
        row("a change time before the running one's start", "09:00", "20", "", QTime(10, 30), 20);
        row("change time, then the end", "10:40", "", "11:00", QTime(10, 40), 20);
    }
    void timesLeftUnchecked()
    {
        Rig rig;
        rig.runDossiersSinceTen();
        rig.tracker.openChangeDialog();
        QFETCH(QString, invokeTime);
        QFETCH(QString, duration);
        QFETCH(QString, endTime);
        if (!invokeTime.isEmpty())
            rig.fields().invokeTime = invokeTime;
        rig.fields().duration = duration;
        rig.fields().endTime = endTime;
        rig.fields().activityIndex = 2;
        QVERIFY(rig.tracker.confirmChange());
        QTEST(rig.state().currentStart().time(), "start");
        QTEST(rig.state().currentDuration(), "recorded");
    }

    // An end before the change time is on the next day, once the user has said so.
    void endTimeCheck_data()
    {
        QTest::addColumn<QString>("changeAt");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("meant");
        QTest::addColumn<QString>("duration"); // "7" left as it was
        QTest::addColumn<QString>("asked"); // the next-day question, empty when not asked
        const auto row = [](const char *name, const char *at, const char *end, bool meant,
                             const char *minutes, const char *asked) {
            QTest::newRow(name) << QString(at) << QString(end) << meant << QString(minutes)
                                << QString(asked);
        };
        row("through midnight", "23:30:00", "00:15", true, "45", "00:15 (0 h 45)");
        row("equal to the change", "10:00:00", "10:00", true, "1", "");
        row("half a minute before", "10:00:30", "10:00", true, "1439", "10:00 (23 h 59)");
        row("a typo, not meant", "21:15:30", "09:00", false, "7", "09:00 (11 h 44)");
        row("next day with seconds", "21:15:00", "09:00:30", true, "705", "09:00:30 (11 h 45)");
        row("with seconds", "10:00:00", "12:30:30", true, "150", "");
        row("no colon", "10:00:00", "1230", true, "7", "");
        row("no time", "10:00:00", "12:75", true, "7", "");
    }
    void endTimeCheck()
    {
        QFETCH(QString, end);
        QFETCH(bool, meant);
        QFETCH(QString, duration);
        QFETCH(QString, asked);
        Rig rig;
        rig.clock.set(2026, 12, 5, 8, 0);
        rig.startDay();
        rig.tracker.openChangeDialog();
        QFETCH(QString, changeAt);
        rig.fields().invokeTime = changeAt;
        rig.tracker.changeForm().checkChangeTime();
        rig.fields().duration = "7";
        rig.tracker.changeForm().checkDuration();
        rig.fields().endTime = end;
        rig.questions.confirmAnswer = meant;
        QCOMPARE(rig.tracker.changeForm().checkEndTime(), meant);
        // Not meant: the end time stays, to be put right.
        QCOMPARE(rig.fields().endTime, duration == u"7" && meant ? QString() : end);
        QCOMPARE(rig.fields().duration, duration);
        QCOMPARE(rig.questions.confirmations.size(), asked.isEmpty() ? 0 : 1);
        QVERIFY(asked.isEmpty()
            || rig.questions.confirmations.first().contains("le lendemain à " + asked + ". "));
        // Confirmer asks again about an end time not yet settled, and records nothing without it.
        rig.fields().activityIndex = 1;
        QCOMPARE(rig.tracker.confirmChange(), meant);
        QCOMPARE(rig.tracker.changeForm().fieldToFix(),
            meant ? ChangeForm::Field::None : ChangeForm::Field::EndTime);
        QCOMPARE(rig.questions.confirmations.size(), asked.isEmpty() ? 0 : meant ? 1 : 2);
    }

    void commentChoice_data()
    {
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("addComment");
        QTest::addColumn<int>("commentIndex");
        QTest::addColumn<QString>("recorded");
        QTest::addColumn<QString>("newType");
        const auto row = [](const char *name, const char *comment, const char *add, int index,
                             const char *recorded, const char *newType) {
            QTest::newRow(name) << QString(comment) << QString(add) << index << QString(recorded)
                                << QString(newType);
        };
        row("one-off wins over a new type", "ici", "neuf", 1, "ici", "");
        row("new type", "", "x,y", 0, "x;y", "x;y");
        row("new type equal to an old one", "", "client", 0, "client", "client");
        row("no comment", "", "", 0, "", "");
        row("one-off pasted with its line", "a,\tb\r\n", "", 1, "a; b", "");
        row("line breaks only: the existing type", "\r\n", "\n", 1, "client", "");
    }
    void commentChoice()
    {
        QFETCH(QString, comment);
        QFETCH(QString, newType);
        Rig rig;
        rig.startDay();
        rig.tracker.openChangeDialog();
        rig.fields().comment = comment;
        QFETCH(QString, addComment);
        rig.fields().addComment = addComment;
        QFETCH(int, commentIndex);
        rig.fields().commentIndex = commentIndex;
        rig.fields().activityIndex = 1;
        QVERIFY(rig.tracker.confirmChange());
        QTEST(rig.state().currentComment(), "recorded");
        QTEST(rig.cell(1, 3), "recorded");
        // A one-off comment stays in its field, replaced commas included.
        QCOMPARE(rig.fields().comment, storableText(comment));
        QStringList types { "(Aucun commentaire)", "client" };
        if (!newType.isEmpty())
            types.append(newType);
        QCOMPARE(rig.tracker.settings().commentChoices, types);
        QCOMPARE(rig.bytes(kSettingsFileName).count("Comment="), types.size() - 1);
    }

    void reopeningTheDialogAndSavingTheSettings()
    {
        Rig rig;
        rig.startDay();
        rig.tracker.openChangeDialog();
        rig.fields().activityIndex = -1;
        QVERIFY(!rig.tracker.confirmChange());
        QVERIFY(!rig.screens.log.contains("hideChange"));
        QVERIFY(rig.change(1, "09:00"));
        rig.fields().invokeTime = "10:40";
        rig.fields().duration = "12";
        rig.fields().comment = "typed";
        rig.fields().activityIndex = 3;
        // Typed times stay; the rest starts afresh.
        rig.tracker.openChangeDialog();
        QCOMPARE(rig.fields().invokeTime + u'|' + rig.fields().duration, "10:40|12");
        QCOMPARE(rig.fields().comment, QString());
        QCOMPARE(rig.fields().activityIndex, 0);
        QCOMPARE(rig.fields().current, "Dossiers");
        // A key that changes nothing does not rewrite the settings.
        rig.tracker.changeDialogKeyPressed();
        writeBytes(rig.file(kSettingsFileName), "User=hand\r\n");
        rig.tracker.changeDialogKeyPressed();
        QCOMPARE(rig.bytes(kSettingsFileName), "User=hand\r\n");

        // Every key that changes them saves the settings; a file that cannot be written is told
        // once per content.
        QVERIFY(QFile::remove(rig.file(kSettingsFileName)));
        QVERIFY(QDir(rig.dir.path()).mkdir(kSettingsFileName.toString()));
        rig.tracker.openChangeDialog();
        rig.fields().commentIndex = 1;
        QVERIFY(rig.tracker.changeForm().removeSelectedCommentType());
        for (int key = 0; key < 3; ++key)
            rig.tracker.changeDialogKeyPressed();
        QCOMPARE(rig.questions.warnings.size(), 1);
        rig.questions.suppressCodes = { Code::QuitWithoutSaving };
        rig.tracker.showStockMessage(Code::QuitWithoutSaving);
        rig.tracker.changeDialogKeyPressed();
        rig.tracker.changeDialogKeyPressed();
        QCOMPARE(rig.questions.warnings.size(), 2);
        // Quitting is asked for by the user: its failure is told whatever came before.
        rig.tracker.quitWithoutSaving();
        QCOMPARE(rig.questions.warnings.size(), 3);
    }
};

QTEST_GUILESS_MAIN(ChangeTest)
#include "change_test.moc"
