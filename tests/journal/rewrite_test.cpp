#include "journal/journal_rewrite.h"
#include "tests/support/locale.h"

#include <QTest>

using namespace qm;

// A date's records rewritten in the journal's bytes: only the lines of that date change.
class RewriteTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qm::test::useFrenchLocale(); }

    void rewrite_data()
    {
        QTest::addColumn<QByteArray>("journal");
        QTest::addColumn<QStringList>("records"); // "minutes|activity|comment" for 05/12/2026
        QTest::addColumn<QByteArray>("rewritten"); // null: no such date, nothing written
        const auto row = [](const char *name, const QByteArray &journal, const QStringList &records,
                             const QByteArray &rewritten) {
            QTest::newRow(name) << journal << records << rewritten;
        };
        const QByteArray scattered = "05/12/2026, 10,a,\r\n04/12/2026, 5,x,\r\n"
                                     "05/12/2026, 20,b,c\r\n06/12/2026, 7,y,\r\n";
        row("CR LF, scattered", scattered, { " 15|a|", " 20|b|c" },
            "05/12/2026, 15,a,\r\n04/12/2026, 5,x,\r\n05/12/2026, 20,b,c\r\n06/12/2026, 7,y,\r\n");
        row("LF, more records than lines", "05/12/2026, 10,a,\n04/12/2026, 5,x,\n",
            { " 10|a|", " 30|Réunion|d;e" },
            "05/12/2026, 10,a,\n05/12/2026, 30,R\xC3\xA9union,d;e\n04/12/2026, 5,x,\n");
        row("lines the readers skip stay",
            "\xEF\xBB\xBFx\r\n\r\n05/12/2026,short\r\n5/12/2026, 1,a,\r\n"
            "05/12/2026, 10,a,\r\n",
            { " 11|a|" },
            "\xEF\xBB\xBFx\r\n\r\n05/12/2026,short\r\n5/12/2026, 1,a,\r\n05/12/2026, 11,a,\r\n");
        // An unchanged record keeps its bytes; a changed one is written as the program writes.
        row("windows-1252", "05/12/2026, 10,caf\xE9,\r\n05/12/2026, 5,\xE9t\xE9,\r\n",
            { " 10|café|", " 6|été|" },
            "05/12/2026, 10,caf\xE9,\r\n05/12/2026, 6,\xC3\xA9t\xC3\xA9,\r\n");
        row("fifth field kept while unchanged", "05/12/2026, 10,a,b,c\r\n", { " 10|a|b" },
            "05/12/2026, 10,a,b,c\r\n");
        row("every record removed", scattered, {}, "04/12/2026, 5,x,\r\n06/12/2026, 7,y,\r\n");
        row("byte-order mark on a first line of the date",
            "\xEF\xBB\xBF"
            "05/12/2026, 10,a,\r\n",
            {}, "\xEF\xBB\xBF");
        row("last line left unfinished", "04/12/2026, 5,x,\r\n05/12/2026, 10,a,",
            { " 10|b|", " 2|c|" }, "04/12/2026, 5,x,\r\n05/12/2026, 10,b,\r\n05/12/2026, 2,c,");
        row("no such date", "04/12/2026, 5,x,\r\n", { " 10|a|" }, QByteArray());
        row("empty journal", "", { " 10|a|" }, QByteArray());
    }
    void rewrite()
    {
        QFETCH(QByteArray, journal);
        QFETCH(QStringList, records);
        QList<JournalRecord> parsed;
        for (const QString &record : std::as_const(records))
            parsed.append({ "05/12/2026", record.section(u'|', 0, 0), record.section(u'|', 1, 1),
                record.section(u'|', 2, 2) });
        const std::optional<QByteArray> result = rewriteJournalDate(journal, "05/12/2026", parsed);
        QFETCH(QByteArray, rewritten);
        QCOMPARE(result.has_value(), !rewritten.isNull());
        if (result)
            QCOMPARE(*result, rewritten);
    }
};

QTEST_GUILESS_MAIN(RewriteTest)
#include "rewrite_test.moc"
