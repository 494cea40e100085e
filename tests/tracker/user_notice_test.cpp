#include "rig.h"
#include "tests/support/locale.h"

#include <QDir>
#include <QTest>

using namespace qm;
using namespace qm::test;

// What the program tells the user when it refuses or cannot do what was asked.
class UserNoticeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void duplicateActivity_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("current");
        const QStringList unchanged { "Dossiers", "Réunion; client", "Courrier" };
        QTest::newRow("a current activity")
            << "Courrier"
            << "Quillmere - Activité existante|L'activité \"Courrier\" existe déjà dans la liste "
               "des activités actuellement en cours.\nSaisissez un autre intitulé."
            << unchanged;
        QTest::newRow("a retired activity")
            << "Ancien"
            << "Quillmere - Activité existante|L'activité \"Ancien\" existe déjà dans la liste "
               "des activités définitivement terminées.\nSaisissez un autre intitulé."
            << unchanged;
        QTest::newRow("the same once its comma is replaced")
            << "Réunion, client"
            << "Quillmere - Activité existante|L'activité \"Réunion; client\" existe déjà dans "
               "la liste des activités actuellement en cours.\nSaisissez un autre intitulé."
            << unchanged;
        QTest::newRow("another case is another name")
            << "courrier" << QString() << unchanged + QStringList { "courrier" };
        QTest::newRow("a trailing blank is another name")
            << "Ancien " << QString() << unchanged + QStringList { "Ancien " };
    }
    void duplicateActivity()
    {
        QFETCH(QString, typed);
        QFETCH(QString, warning);
        QFETCH(QStringList, current);
        Rig rig;
        rig.startDay("User=-\r\nActivity=Dossiers\r\nActivity=Réunion; client\r\n"
                     "Activity=Courrier\r\nOldActivity=Ancien\r\n");
        rig.tracker.openEditor();
        rig.tracker.editor().moveDown(0);
        rig.questions.texts = { typed };
        rig.tracker.addActivity();
        QCOMPARE(
            rig.questions.warnings, warning.isEmpty() ? QStringList() : QStringList { warning });
        // A refusal changes nothing else: the move made before it stays, the editor stays open,
        // and the next name is taken.
        QStringList expected = current;
        expected.swapItemsAt(0, 1);
        QCOMPARE(rig.tracker.editor().currentList(), expected);
        QCOMPARE(rig.tracker.editor().retiredList(), QStringList { "Ancien" });
        QVERIFY(rig.screens.editorVisible);
        rig.questions.texts = { "Nouveau" };
        rig.tracker.addActivity();
        QCOMPARE(rig.tracker.editor().currentList().last(), "Nouveau");
    }

    void desktopCannotOpen_data()
    {
        QTest::addColumn<bool>("help");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Aide gives the file")
            << true << QDir::toNativeSeparators("%1/Quillmere.pdf");
        QTest::newRow("Web gives the address") << false << "https://quillmere.example.org/";
    }
    void desktopCannotOpen()
    {
        QFETCH(bool, help);
        QFETCH(QString, shown);
        Rig rig;
        rig.startDay();
        const auto open = [&] {
            help ? rig.tracker.openHelp() : rig.tracker.openWeb();
        };
        open();
        QCOMPARE(rig.questions.warnings, QStringList());
        rig.screens.canOpen = false;
        open();
        QCOMPARE(rig.questions.warnings.size(), 1);
        const QString warning = rig.questions.warnings.first();
        QVERIFY2(warning.startsWith("Quillmere - Erreur|"), qPrintable(warning));
        QVERIFY2(
            warning.contains(u'\n' + shown.arg(QDir::toNativeSeparators(rig.dir.path())) + u'\n'),
            qPrintable(warning));
        QVERIFY(rig.screens.mainVisible);
    }
};

QTEST_GUILESS_MAIN(UserNoticeTest)
#include "user_notice_test.moc"
