#include "rig.h"

#include "journal/text_formats.h"

#include <QDir>
#include <QLocale>
#include <QTest>

using namespace qm;
using namespace qm::test;

class TrackerFlowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void startupPaths_data();
    void startupPaths();
    void quitterInTheStartWindowWritesNothing();
    void startDateCheck_data();
    void startDateCheck();
    void firstRunEditorCancelEnds();
    void firstRunEditorSaveShowsTheMainWindow();
    void editorOperations();
    void failedSettingsWriteKeepsTheEditorOpen();
    void fullListsRefuseMore();
    void suppressedMessageStaysSuppressed();
    void messageWithoutSwitchCannotBeSuppressed();
    void quitterKeepsTheDayFile();
    void statsButton();
    void helpAndWeb();
    void terminerUsesTheLastProposal_data();
    void terminerUsesTheLastProposal();
};

void TrackerFlowTest::startupPaths_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("dayFile");
    QTest::addColumn<bool>("recover");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<QList<int>>("asked");
    QTest::addColumn<QString>("dayDate");

    const QStringList normal { "addTray", "start", "showMain" };
    QTest::newRow("first run") << QByteArray() << false << true
                               << QStringList { "addTray", "welcome", "start", "editor" }
                               << QList<int> {} << "05/12/2026";
    QTest::newRow("normal start") << kThreeActivities << false << true << normal << QList<int> {}
                                  << "05/12/2026";
    QTest::newRow("day file, Récuperer")
        << kThreeActivities << true << true << QStringList { "addTray", "showMain" }
        << QList<int> { 1 } << "01/12/2026";
    QTest::newRow("day file, Abandonner")
        << kThreeActivities << true << false << normal << QList<int> { 1 } << "05/12/2026";
    QTest::newRow("day file, message 1 suppressed")
        << QByteArray(kThreeActivities + "Message=1=False\r\n") << true << false
        << QStringList { "addTray", "showMain" } << QList<int> {} << "01/12/2026";
}

void TrackerFlowTest::startupPaths()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, dayFile);
    QFETCH(bool, recover);
    QFETCH(QStringList, log);
    QFETCH(QList<int>, asked);
    QFETCH(QString, dayDate);

    Rig rig;
    if (!settings.isEmpty())
        writeBytes(rig.file(kSettingsFileName), settings);
    const QByteArray day("01/12/2026\r\n10:00:00, 30,Dossiers,x\r\n");
    if (dayFile)
        writeBytes(rig.file(kDayFileName), day);
    rig.questions.answers[1] = { recover };
    rig.tracker->start();
    QCOMPARE(rig.screens.log, log);
    QCOMPARE(rig.questions.asked, asked);
    QCOMPARE(rig.state().dayDate, dayDate);
    QCOMPARE(rig.state().firstRunPending, settings.isEmpty());
    const bool resumed = dayFile && (recover || !asked.contains(1));
    QCOMPARE(rig.state().dayActivityCount, resumed ? 1 : 0);
    QCOMPARE(QFile::exists(rig.file(kDayFileName)), resumed);
    if (resumed) {
        QCOMPARE(rig.state().currentComment, QStringLiteral("x"));
        QCOMPARE(rig.fields().invokeTime, QStringLiteral("10:30:00"));
    }
}

void TrackerFlowTest::quitterInTheStartWindowWritesNothing()
{
    Rig rig;
    rig.screens.onStartWindow = [] {
        return false;
    };
    rig.tracker->start();
    QVERIFY(rig.tracker->hasEnded());
    QCOMPARE(rig.screens.log, (QStringList { "addTray", "welcome", "start", "removeTray", "end" }));
    QVERIFY(!QFile::exists(rig.file(kSettingsFileName)));
    QVERIFY(!QFile::exists(rig.file(kDayFileName)));
    QVERIFY(!QFile::exists(rig.file(kJournalFileName)));
}

void TrackerFlowTest::startDateCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("dayDate");

    QTest::newRow("short date") << "3/12/2026"
                                << "03/12/2026";
    QTest::newRow("full date") << "24/11/2025"
                               << "24/11/2025";
    QTest::newRow("no slash") << "3122026"
                              << "05/12/2026";
    QTest::newRow("no date") << "xx/yy/zzzz"
                             << "05/12/2026";
    QTest::newRow("impossible day") << "31/02/2026"
                                    << "05/12/2026";
}

void TrackerFlowTest::startDateCheck()
{
    QFETCH(QString, typed);
    QFETCH(QString, dayDate);

    Rig rig;
    rig.clock.set(2026, 12, 5, 8, 15);
    rig.screens.onStartWindow = [&] {
        rig.tracker->checkStartDate(typed);
        return true;
    };
    rig.startDay();
    QCOMPARE(rig.state().dayDate, dayDate);
    QCOMPARE(dateText(rig.state().currentStart.date()), dayDate);
    QCOMPARE(rig.state().currentStart.time(), QTime(8, 15));
    QCOMPARE(rig.fields().invokeTime, QStringLiteral("08:15:00"));
}

void TrackerFlowTest::firstRunEditorCancelEnds()
{
    Rig rig;
    rig.tracker->start();
    rig.questions.texts = { QStringLiteral("Dossiers") };
    rig.tracker->addActivity();
    rig.tracker->cancelEditor();
    QVERIFY(rig.tracker->hasEnded());
    QVERIFY(!QFile::exists(rig.file(kSettingsFileName)));
}

void TrackerFlowTest::firstRunEditorSaveShowsTheMainWindow()
{
    Rig rig;
    rig.tracker->start();
    QVERIFY(!rig.screens.mainVisible);
    rig.questions.texts = { QStringLiteral("Réunion, client"), std::nullopt, QString(),
        QStringLiteral("Dossiers") };
    for (int i = 0; i < 4; ++i)
        rig.tracker->addActivity();
    QCOMPARE(rig.questions.prompts.first(),
        QStringLiteral("Nouvelle activité|Saisir l'intitulé de la nouvelle activité..."));
    QCOMPARE(rig.tracker->editor().currentList(), (QStringList { "Réunion; client", "Dossiers" }));
    rig.tracker->saveEditor();
    QVERIFY(!rig.state().firstRunPending);
    QVERIFY(rig.screens.mainVisible);
    QVERIFY(!rig.screens.editorVisible);
    QCOMPARE(rig.state().settings.activityChoices,
        (QStringList { "pause (activité pré-définie)", "Réunion; client", "Dossiers" }));
    QCOMPARE(readBytes(rig.file(kSettingsFileName)),
        QByteArray("User=-\r\nMessage=0=Vrai\r\nMessage=1=Vrai\r\nMessage=2=Vrai\r\n"
                   "Message=3=Vrai\r\nMessage=4=Vrai\r\nMessage=5=Vrai\r\nMessage=6=Vrai\r\n"
                   "Message=7=Vrai\r\nMessage=8=Vrai\r\nMessage=9=Vrai\r\n"
                   "Activity=Réunion; client\r\nActivity=Dossiers\r\n"));
}

void TrackerFlowTest::editorOperations()
{
    Rig rig;
    rig.startDay();
    ActivityEditor &editor = rig.tracker->editor();
    rig.tracker->OpenEditor();
    QCOMPARE(editor.moveUp(0), 0);
    QCOMPARE(editor.moveDown(2), 2);
    QCOMPARE(editor.moveDown(0), 1);
    QCOMPARE(editor.currentList(), (QStringList { "Réunion", "Dossiers", "Courrier" }));
    QCOMPARE(editor.moveUp(2), 1);
    QCOMPARE(editor.currentList(), (QStringList { "Réunion", "Courrier", "Dossiers" }));
    QCOMPARE(editor.retire(0), -1);
    QCOMPARE(editor.retire(-1), -1);
    QCOMPARE(editor.retiredList(), QStringList { "Réunion" });
    rig.tracker->cancelEditor();
    QCOMPARE(editor.currentList(), (QStringList { "Dossiers", "Réunion", "Courrier" }));
    QVERIFY(editor.retiredList().isEmpty());
    QVERIFY(rig.screens.mainVisible);

    rig.tracker->OpenEditor();
    editor.retire(1);
    editor.retire(0);
    QCOMPARE(editor.bringBack(1), -1);
    QCOMPARE(editor.currentList(), (QStringList { "Courrier", "Dossiers" }));
    rig.tracker->saveEditor();
    QVERIFY(readBytes(rig.file(kSettingsFileName))
                .endsWith("Activity=Courrier\r\nActivity=Dossiers\r\nOldActivity=Réunion\r\n"
                          "Comment=client\r\n"));
    QCOMPARE(rig.state().settings.activityChoices,
        (QStringList { "pause (activité pré-définie)", "Courrier", "Dossiers" }));
}

void TrackerFlowTest::failedSettingsWriteKeepsTheEditorOpen()
{
    Rig rig;
    rig.tracker->start();
    QVERIFY(QDir(rig.dir.path()).mkdir(kSettingsFileName.toString()));
    rig.questions.texts = { QStringLiteral("Dossiers") };
    rig.tracker->addActivity();
    rig.tracker->saveEditor();
    QCOMPARE(rig.questions.warnings.size(), 1);
    QVERIFY(rig.screens.editorVisible);
    QVERIFY(!rig.screens.mainVisible);
    QVERIFY(rig.state().firstRunPending);
    QCOMPARE(rig.tracker->editor().currentList(), QStringList { "Dossiers" });
}

void TrackerFlowTest::fullListsRefuseMore()
{
    QByteArray settings("User=-\r\n");
    for (int i = 0; i < ActivityArray::kCapacity; ++i)
        settings += "Activity=a" + QByteArray::number(i) + "\r\n";
    settings += "OldActivity=old\r\n";
    Rig rig;
    rig.startDay(settings);
    ActivityEditor &editor = rig.tracker->editor();
    rig.tracker->OpenEditor();
    rig.questions.texts = { QStringLiteral("one more") };
    rig.tracker->addActivity();
    QCOMPARE(rig.questions.warnings.size(), 1);
    QCOMPARE(editor.bringBack(0), 0);
    QCOMPARE(rig.questions.warnings.size(), 2);
    QCOMPARE(editor.currentList().size(), ActivityArray::kCapacity);
    QCOMPARE(editor.currentList().last(), QStringLiteral("a300"));
    QCOMPARE(editor.retiredList(), QStringList { "old" });
}

void TrackerFlowTest::suppressedMessageStaysSuppressed()
{
    Rig rig;
    rig.startDay();
    rig.questions.answers[3] = { false };
    rig.questions.suppressCodes = { 3 };
    rig.tracker->quitWithoutSaving();
    QVERIFY(!rig.tracker->hasEnded());
    QVERIFY(!rig.state().settings.messageEnabled[3]);
    rig.questions.suppressCodes.clear();
    rig.tracker->quitWithoutSaving();
    QVERIFY(rig.tracker->hasEnded());
    QCOMPARE(rig.questions.asked, QList<int> { 3 });
    QVERIFY(readBytes(rig.file(kSettingsFileName)).contains("Message=3=Faux\r\n"));

    Rig next;
    writeBytes(next.file(kSettingsFileName), readBytes(rig.file(kSettingsFileName)));
    next.tracker->start();
    next.tracker->quitWithoutSaving();
    QVERIFY(next.tracker->hasEnded());
    QVERIFY(next.questions.asked.isEmpty());
}

void TrackerFlowTest::messageWithoutSwitchCannotBeSuppressed()
{
    Rig rig;
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("09:00")));
    rig.questions.suppressCodes = { 8 };
    rig.questions.answers[8] = { false };
    rig.showAt(0, 1, 0, 6);
    QVERIFY(rig.state().settings.messageEnabled[8]);
    QVERIFY(!rig.state().changeEnabled);
}

void TrackerFlowTest::quitterKeepsTheDayFile()
{
    Rig rig;
    rig.startDay();
    QVERIFY(rig.change(1, QStringLiteral("09:00"), QStringLiteral("30")));
    QVERIFY(rig.change(2, QStringLiteral("09:30")));
    const QByteArray day = readBytes(rig.file(kDayFileName));
    QCOMPARE(day, QByteArray("05/12/2026\r\n09:00:00, 30,Dossiers,\r\n"));
    rig.tracker->quitWithoutSaving();
    QVERIFY(rig.tracker->hasEnded());
    QCOMPARE(readBytes(rig.file(kDayFileName)), day);
    QVERIFY(!QFile::exists(rig.file(kJournalFileName)));
    QVERIFY(readBytes(rig.file(kSettingsFileName)).startsWith("User=-\r\nMessage=0=Vrai"));
}

void TrackerFlowTest::statsButton()
{
    Rig rig;
    rig.startDay();
    rig.tracker->startStats();
    QCOMPARE(rig.questions.asked, QList<int> { 7 });
    QVERIFY(rig.screens.mainVisible);
    QVERIFY(rig.desktop.started.isEmpty());

    writeBytes(rig.file(kJournalFileName), "");
    rig.tracker->startStats();
    QCOMPARE(rig.desktop.started, QStringList { rig.file(u"QMStat") });
    QVERIFY(!rig.screens.mainVisible);

    rig.desktop.canStart = false;
    rig.tracker->startStats();
    QVERIFY(rig.screens.mainVisible);
    QCOMPARE(
        rig.screens.log.mid(rig.screens.log.size() - 2), (QStringList { "hideMain", "showMain" }));
}

void TrackerFlowTest::helpAndWeb()
{
    Rig rig;
    rig.startDay();
    rig.tracker->openHelp();
    rig.tracker->openWeb();
    QCOMPARE(rig.desktop.opened,
        (QStringList { rig.file(u"Quillmere.pdf"), "https://quillmere.example.org/" }));
    QCOMPARE(rig.tracker->mainWindowTitle(), QStringLiteral("Quillmere - v 3.13    BRISQUEL"));
    QCOMPARE(rig.tracker->webToolTip(),
        QStringLiteral("Vérifier sur Internet s'il existe une nouvelle version (votre "
                       "version = v 3.13)"));
}

void TrackerFlowTest::terminerUsesTheLastProposal_data()
{
    QTest::addColumn<bool>("shownSince");
    QTest::addColumn<QByteArray>("journal");

    QTest::newRow("right after the change") << false << QByteArray("05/12/2026, 1,Courrier,\r\n");
    QTest::newRow("after showing the window") << true << QByteArray("05/12/2026, 60,Courrier,\r\n");
}

void TrackerFlowTest::terminerUsesTheLastProposal()
{
    QFETCH(bool, shownSince);
    QFETCH(QByteArray, journal);

    Rig rig;
    rig.startDay();
    QVERIFY(rig.change(3, QStringLiteral("09:00")));
    QVERIFY(!rig.screens.mainVisible);
    if (shownSince) {
        rig.showAt(10, 0);
        rig.tracker->hideMainWindow();
    }
    rig.clock.set(2026, 12, 5, 11, 0);
    rig.tracker->closeDay();
    QCOMPARE(readBytes(rig.file(kJournalFileName)), journal);
    QVERIFY(!QFile::exists(rig.file(kDayFileName)));
}

QTEST_GUILESS_MAIN(TrackerFlowTest)
#include "tst_tracker_flow.moc"
