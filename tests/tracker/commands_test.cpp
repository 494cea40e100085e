#include "rig.h"
#include "tests/support/locale.h"

#include "journal/text_formats.h"

#include <QDir>
#include <QLocale>
#include <QTest>

#include <limits>

using namespace qm;
using namespace qm::test;

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

    void desktopActions()
    {
        Rig rig;
        rig.startDay();
        rig.tracker.openHelp();
        rig.tracker.openWeb();
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
                rig.file(u"QMStat"), rig.file(u"QMStat") }));
    }

    void helpFollowsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("englishThere");
        QTest::addColumn<QString>("opened");
        QTest::newRow("english") << "en" << true << "Quillmere-en.pdf";
        QTest::newRow("english missing") << "en" << false << "Quillmere.pdf";
        QTest::newRow("french") << "fr" << true << "Quillmere.pdf";
    }

    void helpFollowsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, englishThere);
        QFETCH(QString, opened);
        Rig rig;
        writeBytes(rig.file(u"Quillmere.pdf"), "fr");
        if (englishThere)
            writeBytes(rig.file(u"Quillmere-en.pdf"), "en");
        rig.tracker.setLanguage(language);
        rig.startDay();
        rig.tracker.openHelp();
        QCOMPARE(rig.screens.opened, QStringList { rig.file(opened) });
    }
};

QTEST_GUILESS_MAIN(CommandsTest)
#include "commands_test.moc"
