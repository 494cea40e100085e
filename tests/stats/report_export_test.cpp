#include "rig.h"
#include "stats/core/report_export.h"

#include <QTest>

using namespace qm::stats;
using namespace qm::stats::test;

class ReportExportTest : public QObject
{
    Q_OBJECT

private slots:
    // Names with ";" and a quote, equal totals in the order they first appear, an activity first
    // seen on a later day, a single day, a period without entries; by activity, every day of the
    // activity's span is a line, those without it at 0.
    void spreadsheets_data()
    {
        QTest::addColumn<QString>("activity"); // empty: the report by date
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("golden");
        QTest::newRow("whole span") << "" << march(2) << march(5) << "export_by_date.csv";
        QTest::newRow("single day") << "" << march(3) << march(3) << "export_single_day.csv";
        QTest::newRow("empty period") << "" << march(10) << march(12) << "export_empty_period.csv";
        QTest::newRow("by activity") << "Réunion" << QDate() << QDate() << "export_by_activity.csv";
    }
    void spreadsheets()
    {
        QFETCH(QString, activity);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, golden);
        ProgramFolder folder;
        QVERIFY(folder.writeJournal(qm::stats::test::golden("export.log")));
        const Statistics stats = folder.load();
        QCOMPARE(stats.entryCount(), 6);
        const QByteArray expected = qm::stats::test::golden(golden);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(activity.isEmpty() ? exportByDate(stats, from, to)
                                    : exportByActivity(stats, activityIndex(stats, activity)),
            expected);
    }

    // An activity logged several times in a day: its day's line and its total add them all.
    void severalTimesADay_data()
    {
        QTest::addColumn<bool>("byActivity");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("by date") << false
                                 << QByteArray("\xEF\xBB\xBF"
                                               "Activité;Minutes;Durée;Part (%)\r\n"
                                               "Réunion;60;1 h 00;80,0\r\n"
                                               "Dossiers;15;0 h 15;20,0\r\n"
                                               "Total;75;1 h 15;100,0\r\n");
        QTest::newRow("by activity") << true
                                     << QByteArray("\xEF\xBB\xBF"
                                                   "Date;Minutes;Durée\r\n"
                                                   "02/03/2026;50;0 h 50\r\n"
                                                   "03/03/2026;10;0 h 10\r\n"
                                                   "Total;60;1 h 00\r\n");
    }
    void severalTimesADay()
    {
        QFETCH(bool, byActivity);
        ProgramFolder folder;
        QVERIFY(folder.writeJournal("02/03/2026, 30,Réunion,\r\n02/03/2026, 15,Dossiers,\r\n"
                                    "02/03/2026, 20,Réunion,suite\r\n03/03/2026, 10,Réunion,\r\n"));
        const Statistics stats = folder.load();
        QTEST(byActivity ? exportByActivity(stats, activityIndex(stats, "Réunion"))
                         : exportByDate(stats, march(2), march(3)),
            "expected");
    }

    // A name that spreadsheets would run is written as text; the figures, negative ones too, stay
    // numbers.
    void formulaNames()
    {
        ProgramFolder folder;
        QVERIFY(folder.writeJournal("02/03/2026, 30,=HYPERLINK(\"http://x\";\"y\"),\r\n"
                                    "02/03/2026, -10,-1+1,\r\n"));
        QCOMPARE(exportByDate(folder.load(), march(2), march(2)),
            QByteArray("\xEF\xBB\xBF"
                       "Activité;Minutes;Durée;Part (%)\r\n"
                       "\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\";30;0 h 30;150,0\r\n"
                       "'-1+1;-10;-1 h 50;-50,0\r\n"
                       "Total;20;0 h 20;100,0\r\n"));
    }

    // A proposed name fits in a file name with its suffix (255 bytes of UTF-8), cut after a whole
    // character.
    void names_data()
    {
        QTest::addColumn<QString>("activity");
        QTest::addColumn<QString>("name");
        const QString caption = QStringLiteral("Quillmere - ");
        QTest::newRow("300 \"é\"") << QString(300, u'é') << caption + QString(119, u'é');
        QTest::newRow("just fits") << QString(239, u'a') << caption + QString(239, u'a');
        QTest::newRow("emoji not split")
            << QString(60, u'a') + QString::fromUtf8("👍").repeated(50)
            << caption + QString(60, u'a') + QString::fromUtf8("👍").repeated(44);
        QTest::newRow("accent not split")
            << QString(238, u'a') + QString::fromUtf8("e\u0301") << caption + QString(238, u'a');
        QTest::newRow("plain") << "Réunion"
                               << "Quillmere - Réunion";
        QTest::newRow("path characters") << "a/b\\c:d*e?f\"g<h>i|j"
                                         << "Quillmere - a_b_c_d_e_f_g_h_i_j";
        QTest::newRow("control character") << "a\tb"
                                           << "Quillmere - a_b";
    }
    void names()
    {
        QFETCH(QString, activity);
        QTEST(byActivityExportName(activity), "name");
        QCOMPARE(byDateExportName(march(2), march(31)), "Quillmere du 02-03-2026 au 31-03-2026");
    }
};

QTEST_GUILESS_MAIN(ReportExportTest)
#include "report_export_test.moc"
