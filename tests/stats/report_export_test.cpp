#include "rig.h"
#include "stats/core/report_export.h"
#include "stats/core/spreadsheet.h"

#include <QTest>

using namespace qm::stats;
using namespace qm::stats::test;

// The spreadsheet files of the two reports, and the fields and numbers they are made of.
class ReportExportTest : public QObject
{
    Q_OBJECT

private slots:
    // Names with ";" and a quote, equal totals in the order they first appear, an activity first
    // seen on a later day, a single day, a period without entries; by activity, every day of the
    // activity's span is a line, those without it at 0. An activity logged several times in a day
    // adds them all; a name that spreadsheets would run is written as text, while the figures,
    // negative ones too, stay numbers.
    void spreadsheets_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QString>("activity"); // empty: the report by date
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("golden");
        const QByteArray log = golden("export.log");
        const QByteArray severalTimes(
            "02/03/2026, 30,Réunion,\r\n02/03/2026, 15,Dossiers,\r\n"
            "02/03/2026, 20,Réunion,suite\r\n03/03/2026, 10,Réunion,\r\n");
        QTest::newRow("whole span") << log << "" << march(2) << march(5) << "export_by_date.csv";
        QTest::newRow("single day") << log << "" << march(3) << march(3) << "export_single_day.csv";
        QTest::newRow("empty period")
            << log << "" << march(10) << march(12) << "export_empty_period.csv";
        QTest::newRow("by activity")
            << log << "Réunion" << QDate() << QDate() << "export_by_activity.csv";
        QTest::newRow("several times a day, by date")
            << severalTimes << "" << march(2) << march(3) << "export_several_times_by_date.csv";
        QTest::newRow("several times a day, by activity")
            << severalTimes << "Réunion" << QDate() << QDate()
            << "export_several_times_by_activity.csv";
        QTest::newRow("formula names")
            << QByteArray("02/03/2026, 30,=HYPERLINK(\"http://x\";\"y\"),"
                          "\r\n02/03/2026, -10,-1+1,\r\n")
            << "" << march(2) << march(2) << "export_formula_names.csv";
    }
    void spreadsheets()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QString, activity);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, golden);
        const Statistics stats = loaded(journal);
        const QByteArray expected = qm::stats::test::golden(golden);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(activity.isEmpty() ? exportByDate(stats, from, to)
                                    : exportByActivity(stats, activityIndex(stats, activity)),
            expected);
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

    // The document starts with its byte order mark, then one CR LF line per row; French fields
    // are parted by ";", English ones by ",".
    void fields_data()
    {
        QTest::addColumn<QList<QStringList>>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("english");
        using Lines = QList<QStringList>;
        QTest::newRow("no line") << Lines() << QByteArray() << false;
        QTest::newRow("two lines")
            << Lines { { "a" }, { "b" } } << QByteArray("a\r\nb\r\n") << false;
        QTest::newRow("plain") << Lines { { "Réunion", "65", "1 h 05" } }
                               << QByteArray("Réunion;65;1 h 05\r\n") << false;
        QTest::newRow("semicolon")
            << Lines { { "client;devis", "5" } } << QByteArray("\"client;devis\";5\r\n") << false;
        QTest::newRow("quote") << Lines { { "le \"gros\" dossier" } }
                               << QByteArray("\"le \"\"gros\"\" dossier\"\r\n") << false;
        QTest::newRow("line breaks")
            << Lines { { "a\nb", "c\rd" } } << QByteArray("\"a\nb\";\"c\rd\"\r\n") << false;
        QTest::newRow("comma stays bare")
            << Lines { { "1,5", "" } } << QByteArray("1,5;\r\n") << false;
        QTest::newRow("english plain") << Lines { { "Réunion", "65", "1 h 05" } }
                                       << QByteArray("Réunion,65,1 h 05\r\n") << true;
        QTest::newRow("english comma") << Lines { { "client,devis", "1.5" } }
                                       << QByteArray("\"client,devis\",1.5\r\n") << true;
        QTest::newRow("english semicolon stays bare")
            << Lines { { "client;devis", "" } } << QByteArray("client;devis,\r\n") << true;
    }
    void fields()
    {
        QFETCH(QList<QStringList>, lines);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, english);
        QCOMPARE(spreadsheetBytes(lines, english ? kEnglishNumbers : kFrenchNumbers),
            "\xEF\xBB\xBF" + bytes);
    }

    // What spreadsheets would run as a formula gets an apostrophe before it; other text is kept.
    void textCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        for (const char *formula : { "=HYPERLINK(\"x\")", "+1", "-1", "@SUM(A1)", "\tx", "\rx" })
            QTest::newRow(formula) << formula << QString(u'\'' + QString(formula));
        QTest::newRow("plain") << "Réunion"
                               << "Réunion";
        QTest::newRow("sign inside") << "a=b-c"
                                     << "a=b-c";
        QTest::newRow("empty") << ""
                               << "";
    }
    void textCells()
    {
        QFETCH(QString, text);
        QTEST(textCell(text), "cell");
    }

    void shares_data()
    {
        QTest::addColumn<qint64>("part");
        QTest::addColumn<qint64>("whole");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("english");
        QTest::newRow("whole") << qint64(7) << qint64(7) << "100,0" << false;
        QTest::newRow("third") << qint64(1) << qint64(3) << "33,3" << false;
        QTest::newRow("two thirds") << qint64(2) << qint64(3) << "66,7" << false;
        QTest::newRow("half to even, down") << qint64(1) << qint64(16) << "6,2" << false; // 6.25
        QTest::newRow("half to even, up") << qint64(3) << qint64(16) << "18,8" << false; // 18.75
        QTest::newRow("nothing") << qint64(0) << qint64(5) << "0,0" << false;
        QTest::newRow("no time at all") << qint64(0) << qint64(0) << "0,0" << false;
        QTest::newRow("negative minutes") << qint64(-1) << qint64(16) << "-6,2" << false;
        QTest::newRow("large totals")
            << qint64(1'000'000'000'000) << qint64(2'000'000'000'000) << "50,0" << false;
        QTest::newRow("english half to even") << qint64(3) << qint64(16) << "18.8" << true;
        QTest::newRow("english no time") << qint64(0) << qint64(0) << "0.0" << true;
        QTest::newRow("english negative") << qint64(-1) << qint64(16) << "-6.2" << true;
    }
    void shares()
    {
        QFETCH(qint64, part);
        QFETCH(qint64, whole);
        QFETCH(bool, english);
        QTEST(shareText(part, whole, english ? kEnglishNumbers : kFrenchNumbers), "text");
    }
};

QTEST_GUILESS_MAIN(ReportExportTest)
#include "report_export_test.moc"
