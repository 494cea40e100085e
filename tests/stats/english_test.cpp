#include "language/ui_language.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "window_rig.h"

#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::findWidget;

// QMStat under an English desktop: every text shows whole in the layout drawn for the French ones,
// the dates are those the French windows show and the figures differ only by their decimal point.
class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qm::test::useFrenchLocale();
        QVERIFY(qm::installTranslations(QStringLiteral("qmstat"), QStringLiteral("en")));
    }

    // English writes its decimals after a ".", and tells of unreadable durations in English.
    void mainWindow_data()
    {
        QTest::addColumn<QByteArray>("added");
        QTest::addColumn<QString>("entriesPerDay");
        QTest::addColumn<QString>("notice");
        QTest::newRow("one unreadable")
            << QByteArray("06/03/2026,quarante-cinq,Dossiers,\r\n") << " 1.75"
            << "1 journal line has an unreadable duration (line 7): it counts as 0 min.";
        QTest::newRow("two unreadable")
            << QByteArray("06/03/2026,abc,Dossiers,\r\n06/03/2026,,Dossiers,\r\n") << " 2"
            << "2 journal lines have an unreadable duration (first: line 7): they count as 0 min.";
    }
    void mainWindow()
    {
        QFETCH(QByteArray, added);
        Session s(golden("export.log") + added);
        StatsWindow &window = s.main();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(findWidget<QLabel>(&window, "lblDmin")->text(), "02/03/2026");
        QTEST(findWidget<QLabel>(&window, "lblAJ")->text(), "entriesPerDay");
        QTEST(findWidget<QLabel>(&window, "lblUnreadableDurations")->text(), "notice");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
        // "From:" and "To:" end in no blank, yet stand apart from their fields: by more than the
        // layout's own 6 pixels.
        for (const char *name : { "Label10", "Label11" }) {
            const auto *label = findWidget<QLabel>(&window, name);
            const int textEnd = label->x() + label->contentsRect().x()
                + label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(label->buddy()->x() - textEnd >= 8, name);
        }
    }

    // The spreadsheet is an English one: English headings, "," between fields and "." before
    // the decimals; the dates and activity names are the French export's.
    void reports_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("golden");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("by date") << false << "Period from 02/03/2026 to 05/03/2026"
                                 << "export_english_by_date.csv"
                                 << "Quillmere from 02-03-2026 to 05-03-2026.csv";
        QTest::newRow("by activity")
            << true << u"Activity: Réunion"_qs << "export_english_by_activity.csv"
            << u"Quillmere - Réunion.csv"_qs;
    }
    void reports()
    {
        QFETCH(bool, byActivity);
        QFETCH(QString, golden);
        ShownReports s;
        ReportWindow &window = s.report(byActivity);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTEST(findWidget<QLabel>(&window, "lblTitle")->text(), "heading");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
        const QString path = s.folder.file(QStringLiteral("report.csv"));
        s.exportTo(byActivity, path, false);
        QCOMPARE(qm::test::readBytes(path), qm::stats::test::golden(golden));
        QTEST(QFileInfo(s.notice.proposed.constFirst()).fileName(), "proposed");
    }
    // The time sheet's weekdays and title are English ones; the dates stay as they are.
    void timeSheet()
    {
        OpenSheet s;
        QVERIFY(s.window);
        QCOMPARE(s.window->windowTitle(), "Quillmere - Time sheet from 02/03/2026 to 08/03/2026");
        QCOMPARE(s.heading(1), "Mon 02/03");
        QVERIFY(QTest::qWaitForWindowExposed(s.window));
        QCOMPARE(qm::test::clippedTexts(s.window), QStringList());
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
