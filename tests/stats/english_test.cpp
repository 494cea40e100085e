#include "language/ui_language.h"
#include "rig.h"
#include "stats/ui/frm_main.h"
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
// whole in the layout drawn for the French ones, and the figures and dates are those the French
// windows show.
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
        frmMain window(s.stats, s.clock, s.notice);
        window.FillActivityList();
        window.ShowOverallFigures();
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

    // The spreadsheet speaks the user's language in its headings only: its figures, dates and
    // activity names are the French export's, byte for byte.
    void exports_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QByteArray>("heading");
        QTest::newRow("by date") << false << "export_by_date.csv"
                                 << QByteArray("\xEF\xBB\xBF"
                                               "Activity;Minutes;Duration;Share (%)");
        QTest::newRow("by activity") << true << "export_by_activity.csv"
                                     << QByteArray("\xEF\xBB\xBF"
                                                   "Date;Minutes;Duration");
    }
    void exports()
    {
        QFETCH(bool, byActivity);
        QFETCH(QString, french);
        QFETCH(QByteArray, heading);
        ShownReports s;
        const QString path = s.folder.file(QStringLiteral("report.csv"));
        s.exportTo(byActivity, path, false);
        QList<QByteArray> lines = qm::test::readBytes(path).split('\n');
        QList<QByteArray> frenchLines = golden(french).split('\n');
        QCOMPARE(lines.takeFirst(), heading + '\r');
        frenchLines.removeFirst();
        QCOMPARE(lines, frenchLines);
        QVERIFY(s.notice.proposed.constFirst().contains(byActivity
                ? u"Quillmere - Réunion"_qs
                : u"Quillmere from 02-03-2026 to 05-03-2026"_qs));
    }
};

QTEST_MAIN(EnglishTest)
#include "english_test.moc"
