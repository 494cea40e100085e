#include "rig.h"
#include "tests/support/locale.h"

#include "tracker/core/reminder.h"
#include "tracker/core/remote_commands.h"
#include "tracker/core/tray_text.h"

#include <QDir>
#include <QJsonDocument>
#include <QTest>

using namespace qm;
using namespace qm::test;

// The user's commands besides the change, the command line's requests, and what the program
// tells the user unasked.
class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void editorOperations()
    {
        Rig rig;
        rig.startDay();
        ActivityEditor &editor = rig.tracker.editor();
        rig.tracker.openEditor();
        // Opening it again while it is open keeps the copy that Abandonner goes back to.
        editor.retire(0);
        rig.tracker.openEditor();
        rig.tracker.cancelEditor();
        rig.tracker.openEditor();
        QCOMPARE(editor.moveUp(0), 0);
        QCOMPARE(editor.moveDown(2), 2);
        QCOMPARE(editor.retire(-1), -1);
        QCOMPARE(editor.retire(3), 3);
        QCOMPARE(editor.bringBack(0), 0);
        QCOMPARE(editor.currentList(), (QStringList { "Dossiers", "Réunion", "Courrier" }));
        editor.retire(1);
        editor.retire(0);
        QCOMPARE(editor.bringBack(1), -1);
        rig.tracker.saveEditor();
        QVERIFY(rig.bytes(kSettingsFileName)
                    .endsWith("Activity=Courrier\r\nActivity=Dossiers\r\nOldActivity=Réunion\r\n"
                              "Comment=client\r\n"));
        QCOMPARE(rig.tracker.settings().activityChoices,
            (QStringList { "pause (activité pré-définie)", "Courrier", "Dossiers" }));
    }

    void fullListsRefuseMore()
    {
        QByteArray settings("User=-\r\nOldActivity=old\r\n");
        for (int i = 0; i < ActivityArray::kCapacity; ++i)
            settings += "Activity=a" + QByteArray::number(i) + "\r\n";
        Rig rig;
        rig.startDay(settings);
        ActivityEditor &editor = rig.tracker.editor();
        rig.tracker.openEditor();
        rig.questions.texts = { "one more" };
        rig.tracker.addActivity();
        QCOMPARE(rig.questions.warnings.size(), 1);
        QCOMPARE(editor.bringBack(0), 0);
        QCOMPARE(rig.questions.warnings.size(), 2);
        QCOMPARE(editor.currentList().size(), ActivityArray::kCapacity);
        QCOMPARE(editor.currentList().last(), "a300");
        QCOMPARE(editor.retiredList(), QStringList { "old" });
    }

    // When the desktop cannot open them, Aide names the file and Web the address. The status
    // request has nothing to tell before the day's first change; after it, the command line's
    // own run shows the tooltip without the program's name.
    void desktopActions()
    {
        Rig rig;
        rig.startDay();
        QCOMPARE(RemoteCommands(rig.tracker, rig.screens, rig.clock).status().text, QString());
        rig.tracker.openHelp();
        rig.tracker.openWeb();
        QCOMPARE(rig.questions.warnings, QStringList());
        rig.screens.canOpen = false;
        rig.tracker.openHelp();
        rig.tracker.openWeb();
        QCOMPARE(rig.questions.warnings.size(), 2);
        const QString folder = QDir::toNativeSeparators(rig.dir.path());
        for (const QString &shown : { folder + QDir::separator() + "Quillmere.pdf",
                 QStringLiteral("https://quillmere.example.org/") }) {
            const QString warning = rig.questions.warnings.takeFirst();
            QVERIFY2(warning.startsWith("Quillmere - Erreur|"), qPrintable(warning));
            QVERIFY2(warning.contains(u'\n' + shown + u'\n'), qPrintable(warning));
        }
        rig.screens.canOpen = true;
        // No journal yet: message 7, and the statistics stay closed.
        rig.tracker.startStats();
        QCOMPARE(rig.questions.asked, (QList<Code> { Code::NoJournal }));
        QVERIFY(rig.screens.mainVisible);
        writeBytes(rig.file(kJournalFileName), "");
        rig.tracker.startStats();
        QVERIFY(!rig.screens.mainVisible);
        rig.screens.canStart = false;
        rig.tracker.startStats();
        QVERIFY(rig.screens.mainVisible);
        QCOMPARE(rig.screens.opened,
            (QStringList { rig.file(u"Quillmere.pdf"), "https://quillmere.example.org/",
                rig.file(u"Quillmere.pdf"), "https://quillmere.example.org/", rig.file(u"QMStat"),
                rig.file(u"QMStat") }));
        // In English, Aide opens the English edition where there is one.
        rig.screens.opened.clear();
        writeBytes(rig.file(u"Quillmere-en.pdf"), "en");
        for (const char *language : { "fr", "en" }) {
            rig.tracker.setLanguage(language);
            rig.tracker.openHelp();
        }
        QVERIFY(QFile::remove(rig.file(u"Quillmere-en.pdf")));
        rig.tracker.openHelp();
        QCOMPARE(rig.screens.opened,
            (QStringList { rig.file(u"Quillmere.pdf"), rig.file(u"Quillmere-en.pdf"),
                rig.file(u"Quillmere.pdf") }));
    }

    // The requests of the command line, answered by the running program: Dossiers runs since
    // 10:00, it is 10:30.
    void switches_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("running"); // what runs after it, since when, with what comment
        const auto row = [](const char *name, const QByteArray &request, int exit, const char *told,
                             const char *running = "Dossiers 10:00:00 ", bool modal = false) {
            QTest::newRow(name) << request << modal << exit << QString(told) << QString(running);
        };
        const auto reunionWith = [](const QByteArray &field) {
            return R"({"command":"switch","activity":"Réunion",)" + field + '}';
        };
        row("now", R"({"command":"switch","activity":"Réunion"})", 0, "", "Réunion 10:30:00 ");
        row("at a time", R"({"command":"switch","activity":"Courrier","at":"10:12"})", 0, "",
            "Courrier 10:12:00 ");
        row("ago", R"({"command":"switch","activity":"pause","ago":"20"})", 0, "",
            "pause 10:10:00 ");
        row("not in the list", R"({"command":"switch","activity":"Archives"})", 1,
            "L'activité « Archives » n'est pas dans la liste des activités actuelles.");
        row("a minute after the start at the earliest", reunionWith(R"("at":"10:00:30")"), 1,
            "L'heure 10:00:30 ne convient pas");
        row("in the future", reunionWith(R"("at":"10:31")"), 1, "L'heure 10:31:00 ne convient pas");
        row("not a time", reunionWith(R"("at":"25:00")"), 1, "« 25:00 » n'est pas une heure");
        for (const QByteArray ago : { "0", "1000", "dix" })
            row(("ago " + ago).constData(), reunionWith("\"ago\":\"" + ago + '"'), 1,
                "--ago prend un nombre de minutes de 1 à 999.");
        row("a modal window up", R"({"command":"switch","activity":"Réunion"})", 2,
            "Quillmere attend une réponse", "Dossiers 10:00:00 ", true);
        row("no JSON: no request known", "{", 1, "Quillmere ne connaît pas cette demande.");
    }
    void switches()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, modal);
        Rig rig;
        rig.runDossiersSinceTen();
        rig.screens.modalOpen = modal;
        RemoteCommands commands(rig.tracker, rig.screens, rig.clock);
        const QJsonObject answer = QJsonDocument::fromJson(commands.answer(request)).object();
        QTEST(answer.value("exit").toInt(), "exit");
        QFETCH(QString, told);
        QVERIFY2(answer.value("text").toString().startsWith(told),
            qPrintable(answer.value("text").toString()));
        const DayState &day = rig.state();
        QTEST(day.currentActivity() + u' ' + timeText(day.currentStart().time()) + u' '
                + day.currentComment(),
            "running");
        // A change is in the day file before the answer; a refusal writes nothing.
        QCOMPARE(rig.bytes(kDayFileName).contains("10:00:00,"), answer.value("exit").toInt() == 0);
    }

    void toolTip_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<int>("duration");
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("expected");
        const auto at = [](int day, int h, int mi, int s = 0) {
            return makeDateTime(QDate(2026, 12, day), QTime(h, mi, s));
        };
        const int running = DayState::kRunning;
        QTest::newRow("nothing recorded yet")
            << "start" << at(5, 9, 0) << running << at(5, 9, 40) << "Quillmere";
        QTest::newRow("running, minutes cut down from the start's second")
            << "Réunion; client" << at(5, 9, 55, 30) << running << at(5, 11, 0, 29)
            << "Quillmere - Réunion; client depuis 09:55 (1 h 04)";
        QTest::newRow("pause has no duration") << "pause" << at(5, 12, 5) << running << at(5, 13, 0)
                                               << "Quillmere - pause depuis 12:05";
    }
    void toolTip()
    {
        QFETCH(QString, activity);
        QFETCH(QDateTime, start);
        QFETCH(int, duration);
        QFETCH(QDateTime, now);
        QTEST(trayToolTip(activity, start, duration == DayState::kRunning, now), "expected");
    }
    // The reminder over a working day: each step looks at a minute after 09:40, with what runs
    // since when and what the user is doing; a notice is "minute: summary | body".
    void reminders_data()
    {
        QTest::addColumn<int>("period");
        // "minute activity@start", then "modal" when a modal window shows.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("notices");
        const QString first = "120: Toujours « Réunion » ? | Depuis 09:40 (2 h 00).";
        QTest::newRow("just reached, then one more period later")
            << 120
            << QStringList { "120 Réunion@0", "180 Réunion@0", "239 Réunion@0", "240 Réunion@0" }
            << QStringList { first, "240: Toujours « Réunion » ? | Depuis 09:40 (4 h 00)." };
        QTest::newRow("pause") << 120 << QStringList { "200 pause@0" } << QStringList {};
        QTest::newRow("a modal window starts the count again")
            << 120
            << QStringList { "110 Réunion@0 modal", "120 Réunion@0", "229 Réunion@0",
                   "230 Réunion@0" }
            << QStringList { "230: Toujours « Réunion » ? | Depuis 09:40 (3 h 50)." };
        QTest::newRow("after a sleep of one more period to the minute, once")
            << 60 << QStringList { "120 Réunion@0", "121 Réunion@0" } << QStringList { first };
        QTest::newRow("off") << 0 << QStringList { "600 Réunion@0" } << QStringList {};
    }
    void reminders()
    {
        QFETCH(int, period);
        QFETCH(QStringList, steps);
        const QDateTime nineForty = makeDateTime(QDate(2026, 12, 5), QTime(9, 40));
        Reminder reminder;
        reminder.setMinutes(period);
        QStringList notices;
        for (const QString &step : std::as_const(steps)) {
            const QStringList parts = step.split(u' ');
            const QStringList running = parts.at(1).split(u'@');
            ReminderSituation situation;
            situation.activity = running.at(0);
            situation.start = addMinutes(nineForty, running.at(1).toInt());
            situation.running = true;
            situation.interrupted = parts.contains("modal");
            const int minute = parts.at(0).toInt();
            if (const auto notice = reminder.check(situation, addMinutes(nineForty, minute)))
                notices
                    << QStringLiteral("%1: %2 | %3").arg(minute).arg(notice->summary, notice->body);
        }
        QTEST(notices, "notices");
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "commands_test.moc"
