#include "language/ui_language.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QPushButton>

using namespace qm;
using namespace qm::test;

class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useFrenchLocale();
        QVERIFY(installTranslations(QStringLiteral("quillmere"), QStringLiteral("en")));
    }

    // The main window reads in English, and every caption shows whole in the French layout.
    void mainWindow()
    {
        Program program;
        program.startNormally();
        QVERIFY(program.main());
        QCOMPARE(child<QPushButton>(program.main(), "cmdChange")->text().remove(u'&'),
            QStringLiteral("Change"));
        QCOMPARE(child<QPushButton>(program.main(), "cmdQuit")->toolTip(),
            QStringLiteral("End the day (Save the log)"));
        QCOMPARE(clippedTexts(program.main()), QStringList {});
    }

    // The start window, then the change dialog over the main window: English and whole.
    void modalWindows()
    {
        Program program;
        writeBytes(program.file("Quillmere.ini"), kThreeActivities);
        QStringList clipped;
        QString start;
        onNextModal([&](QWidget *window) {
            clipped += clippedTexts(window);
            start = child<QPushButton>(window, "cmdStart")->text().remove(u'&');
            click(window, "cmdStart");
        });
        program.tracker.start();
        QCOMPARE(start, QStringLiteral("Start"));
        QString confirm;
        onNextModal([&](QWidget *dialog) {
            clipped += clippedTexts(dialog);
            confirm = child<QPushButton>(dialog, "cmdOK")->text().remove(u'&');
            click(dialog, "cmdCancel");
        });
        click(program.main(), "cmdChange");
        QCOMPARE(confirm, QStringLiteral("Confirm"));
        QCOMPARE(clipped, QStringList {});
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
