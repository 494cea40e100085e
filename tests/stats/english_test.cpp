#include "language/ui_language.h"
#include "rig.h"
#include "stats/ui/stats_window.h"
#include "tests/support/clipping.h"
#include "tests/support/locale.h"
#include "tests/support/widgets.h"
#include "window_rig.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace qm::stats;
using namespace qm::stats::test;
using qm::test::findWidget;

namespace {

QString caption(const QWidget *window, const char *button)
{
    return findWidget<QPushButton>(const_cast<QWidget *>(window), QString::fromLatin1(button))
        ->text()
        .remove(u'&');
}

} // namespace

// QMStat under an English desktop: its windows and reports read in English, every text shows
// whole in the layout drawn for the French ones, the dates are those the French windows show and
// the figures differ only by their decimal point.
class EnglishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qm::test::useFrenchLocale();
        QVERIFY(qm::installTranslations(QStringLiteral("qmstat"), QStringLiteral("en")));
    }

    void mainWindow()
    {
        ShownReports s;
        StatsWindow window(s.stats, s.clock, s.notice);
        window.fillActivityList();
        window.showOverallFigures();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), "Quillmere 3 - Statistics");
        QCOMPARE(findWidget<QGroupBox>(&window, "Frame1")->title(), "Overall statistics");
        QCOMPARE(findWidget<QGroupBox>(&window, "Frame3")->title(), "Statistics by activity");
        QCOMPARE(caption(&window, "cmdGoByDate"), "Show");
        QCOMPARE(caption(&window, "cmdClose"), "Close");
        QCOMPARE(findWidget<QLabel>(&window, "lblDmin")->text(), "02/03/2026");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

    // English writes its decimals after a ".", and tells of unreadable durations in English.
    void mainWindowNumbers_data()
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
    void mainWindowNumbers()
    {
        QFETCH(QByteArray, added);
        ReportWindows r(golden("export.log") + added);
        StatsWindow window(r.stats, r.clock, r.notice);
        window.showOverallFigures();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTEST(findWidget<QLabel>(&window, "lblAJ")->text(), "entriesPerDay");
        QTEST(findWidget<QLabel>(&window, "lblUnreadableDurations")->text(), "notice");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

    void reports_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        QTest::newRow("by date") << false << "Quillmere 3 - Statistics by date"
                                 << "Period from 02/03/2026 to 05/03/2026";
        QTest::newRow("by activity")
            << true << "Quillmere 3 - Statistics by activity" << u"Activity: Réunion"_qs;
    }
    void reports()
    {
        QFETCH(bool, byActivity);
        ShownReports s;
        ReportWindow &window = s.report(byActivity);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTEST(window.windowTitle(), "title");
        QTEST(findWidget<QLabel>(&window, "lblTitle")->text(), "heading");
        QCOMPARE(caption(&window, "cmdExport"), "Export");
        QCOMPARE(caption(&window, "cmdPrint"), "Print");
        QCOMPARE(qm::test::clippedTexts(&window), QStringList());
    }

    // The spreadsheet is an English one: English headings, "," between fields and "." before
    // the decimals; the dates and activity names are the French export's.
    void exports_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("by date") << false
                                 << QByteArray("\xEF\xBB\xBF"
                                               "Activity,Minutes,Duration,Share (%)\r\n"
                                               "\"le \"\"gros\"\" dossier\",75,1 h 15,35.7\r\n"
                                               "Réunion,75,1 h 15,35.7\r\n"
                                               "Dossiers,45,0 h 45,21.4\r\n"
                                               "client;devis,15,0 h 15,7.1\r\n"
                                               "Total,210,3 h 30,100.0\r\n");
        QTest::newRow("by activity") << true
                                     << QByteArray("\xEF\xBB\xBF"
                                                   "Date,Minutes,Duration\r\n"
                                                   "02/03/2026,45,0 h 45\r\n"
                                                   "03/03/2026,0,0 h 00\r\n"
                                                   "04/03/2026,0,0 h 00\r\n"
                                                   "05/03/2026,30,0 h 30\r\n"
                                                   "Total,75,1 h 15\r\n");
    }
    void exports()
    {
        QFETCH(bool, byActivity);
        ShownReports s;
        const QString path = s.folder.file(QStringLiteral("report.csv"));
        s.exportTo(byActivity, path, false);
        QTEST(qm::test::readBytes(path), "bytes");
        QVERIFY(s.notice.proposed.constFirst().contains(byActivity
                ? u"Quillmere - Réunion"_qs
                : u"Quillmere from 02-03-2026 to 05-03-2026"_qs));
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
