#include "rig.h"

#include "journal/text_formats.h"
#include "tracker/core/remote_commands.h"

#include <QJsonDocument>
#include <QTest>

using namespace qm;
using namespace qm::test;

// The requests of the command line, answered by the running program: Dossiers runs since 10:00,
// it is 10:30.
class RemoteCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void switches_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<int>("exit");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("running"); // what runs after it, since when, with what comment
        const QString unchanged = "Dossiers 10:00:00 ";
        QTest::newRow("now") << QByteArray(R"({"command":"switch","activity":"Réunion"})") << false
                             << 0 << ""
                             << "Réunion 10:30:00 ";
        QTest::newRow("at a time")
            << QByteArray(R"({"command":"switch","activity":"Courrier","at":"10:12"})") << false
            << 0 << ""
            << "Courrier 10:12:00 ";
        QTest::newRow("ago") << QByteArray(R"({"command":"switch","activity":"pause","ago":"20"})")
                             << false << 0 << ""
                             << "pause 10:10:00 ";
        QTest::newRow("a comment with a comma and a line break")
            << QByteArray(
                   R"({"command":"switch","activity":"Réunion","comment":"lu, répondu\nfin"})")
            << false << 0 << ""
            << "Réunion 10:30:00 lu; répondu fin";
        QTest::newRow("not in the list")
            << QByteArray(R"({"command":"switch","activity":"Archives"})") << false << 1
            << "L'activité « Archives » n'est pas dans la liste des activités actuelles."
            << unchanged;
        QTest::newRow("a minute after the start at the earliest")
            << QByteArray(R"({"command":"switch","activity":"Réunion","at":"10:00:30"})") << false
            << 1 << "L'heure 10:00:30 ne convient pas" << unchanged;
        QTest::newRow("in the future")
            << QByteArray(R"({"command":"switch","activity":"Réunion","at":"10:31"})") << false << 1
            << "L'heure 10:31:00 ne convient pas" << unchanged;
        QTest::newRow("not a time")
            << QByteArray(R"({"command":"switch","activity":"Réunion","at":"25:00"})") << false << 1
            << "« 25:00 » n'est pas une heure" << unchanged;
        for (const char *ago : { "0", "1000", "dix" })
            QTest::newRow(qPrintable(QStringLiteral("ago %1").arg(ago)))
                << QStringLiteral(R"({"command":"switch","activity":"Réunion","ago":"%1"})")
                       .arg(ago)
                       .toUtf8()
                << false << 1 << "--ago prend un nombre de minutes de 1 à 999." << unchanged;
        QTest::newRow("a modal window up")
            << QByteArray(R"({"command":"switch","activity":"Réunion"})") << true << 2
            << "Quillmere attend une réponse" << unchanged;
        QTest::newRow("unknown request") << QByteArray(R"({"command":"jump"})") << false << 1
                                         << "Quillmere ne connaît pas cette demande." << unchanged;
        QTest::newRow("no JSON") << QByteArray("{") << false << 1
                                 << "Quillmere ne connaît pas cette demande." << unchanged;
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
        const QByteArray dayFile = rig.bytes(kDayFileName);
        QCOMPARE(dayFile.contains("10:00:00,"), answer.value("exit").toInt() == 0);
    }

    // The status line is the notification area's tooltip without the program's name; nothing
    // before the day's first change.
    void status()
    {
        Rig rig;
        rig.clock.set(2026, 12, 5, 10, 0);
        rig.startDay();
        RemoteCommands commands(rig.tracker, rig.screens, rig.clock);
        QCOMPARE(commands.status().text, QString());
        rig.change(1, "10:00");
        rig.clock.set(2026, 12, 5, 11, 5);
        QCOMPARE(commands.status().text, "Dossiers depuis 10:00 (1 h 05)");
        QCOMPARE(commands.status().code, RemoteAnswer::Done);
    }
};

QTEST_GUILESS_MAIN(RemoteCommandsTest)
#include "remote_commands_test.moc"
