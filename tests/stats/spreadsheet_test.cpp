#include "stats/core/spreadsheet.h"

#include <QTest>

using namespace qm::stats;

class SpreadsheetTest : public QObject
{
    Q_OBJECT

private slots:
    // The document starts with its byte order mark, then one CR LF line per row.
    void fields_data()
    {
        QTest::addColumn<QList<QStringList>>("lines");
        QTest::addColumn<QByteArray>("bytes");
        using Lines = QList<QStringList>;
        QTest::newRow("no line") << Lines() << QByteArray();
        QTest::newRow("two lines") << Lines { { "a" }, { "b" } } << QByteArray("a\r\nb\r\n");
        QTest::newRow("plain") << Lines { { "Réunion", "65", "1 h 05" } }
                               << QByteArray("Réunion;65;1 h 05\r\n");
        QTest::newRow("semicolon")
            << Lines { { "client;devis", "5" } } << QByteArray("\"client;devis\";5\r\n");
        QTest::newRow("quote") << Lines { { "le \"gros\" dossier" } }
                               << QByteArray("\"le \"\"gros\"\" dossier\"\r\n");
        QTest::newRow("line breaks")
            << Lines { { "a\nb", "c\rd" } } << QByteArray("\"a\nb\";\"c\rd\"\r\n");
        QTest::newRow("comma stays bare") << Lines { { "1,5", "" } } << QByteArray("1,5;\r\n");
    }
    void fields()
    {
        QFETCH(QList<QStringList>, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(spreadsheetBytes(lines), "\xEF\xBB\xBF" + bytes);
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
        QTest::newRow("whole") << qint64(7) << qint64(7) << "100,0";
        QTest::newRow("third") << qint64(1) << qint64(3) << "33,3";
        QTest::newRow("two thirds") << qint64(2) << qint64(3) << "66,7";
        QTest::newRow("half to even, down") << qint64(1) << qint64(16) << "6,2"; // 6.25
        QTest::newRow("half to even, up") << qint64(3) << qint64(16) << "18,8"; // 18.75
        QTest::newRow("nothing") << qint64(0) << qint64(5) << "0,0";
        QTest::newRow("no time at all") << qint64(0) << qint64(0) << "0,0";
        QTest::newRow("negative minutes") << qint64(-1) << qint64(16) << "-6,2";
        QTest::newRow("large totals")
            << qint64(1'000'000'000'000) << qint64(2'000'000'000'000) << "50,0";
    }
    void shares()
    {
        QFETCH(qint64, part);
        QFETCH(qint64, whole);
        QTEST(shareText(part, whole), "text");
    }
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "spreadsheet_test.moc"
