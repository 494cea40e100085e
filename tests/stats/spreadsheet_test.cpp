#include "stats/core/spreadsheet.h"

#include <QTest>

using namespace qm::stats;

class SpreadsheetTest : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "spreadsheet_test.moc"
