#include "rig.h"

#include <QProcess>
#include <QtTest>

using namespace qm::stats::test;
using qm::test::readBytes;

namespace {

const QStringList kPeriod { "--from", "02/03/2026", "--to", "05/03/2026" };

} // namespace

// QMStat's exports from a shell with no display: the window's files, its checks, its exit codes.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    // The program beside a journal of its own, as it is installed.
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_program = m_folder.filePath("QMStat");
        QVERIFY(QFile::copy(QStringLiteral(QM_STATS_PROGRAM), m_program));
        QVERIFY(writeBytes(m_folder.filePath("Quillmere.log"), golden("export.log")));
    }

    void exports_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("told"); // on stderr
        QTest::addColumn<QString>("golden"); // the file written; "%PDF" for a PDF
        const auto row = [](const char *name, const QStringList &arguments, int exitCode,
                             const char *told, const char *golden = "") {
            QTest::newRow(name) << arguments << exitCode << QString(told) << QString(golden);
        };
        const QStringList byDate = QStringList { "--export", "by-date" } + kPeriod;
        const QStringList byActivity { "--export", "by-activity", "--activity", "Réunion" };
        const QStringList sheet = QStringList { "--export", "timesheet" } + kPeriod;
        row("by date", byDate, 0, "", "export_by_date.csv");
        row("by activity", byActivity, 0, "", "export_by_activity.csv");
        row("time sheet", sheet, 0, "", "timesheet.csv");
        row("by date as PDF", byDate, 0, "", "%PDF");
        row("by activity as PDF", byActivity, 0, "", "%PDF");
        row("time sheet as PDF", sheet, 0, "", "%PDF");
        row("unknown activity", { "--export", "by-activity", "--activity", "Inconnu" }, 1,
            "L'activité « Inconnu » n'est pas dans le journal.");
        row("not a date", { "--export", "by-date", "--from", "31/02/2026", "--to", "05/03/2026" },
            1, "« 31/02/2026 » n'est pas une date");
        row("period backwards",
            { "--export", "timesheet", "--from", "05/03/2026", "--to", "02/03/2026" }, 1,
            "La période se termine avant de commencer.");
        row("unknown kind", QStringList { "--export", "by-week" } + kPeriod, 1,
            "L'export « by-week » n'existe pas");
        row("unknown option", { "--export", "by-date", "--colour" }, 64, "--output");
        row("no folder to write in", byDate, 3, "n'a pas pu être écrit");
        row("PDF, no folder to write in", byActivity, 3, "n'a pas pu être écrit");
    }
    void exports()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, golden);
        QFETCH(QString, told);
        const bool pdf = golden == u"%PDF" || QByteArray(QTest::currentDataTag()).contains("PDF");
        QString output = m_folder.filePath(pdf ? "export.pdf" : "export.csv");
        if (QByteArray(QTest::currentDataTag()).contains("no folder to write in"))
            output = m_folder.filePath(pdf ? "missing/export.pdf" : "missing/export.csv");
        QFile::remove(output);
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        if (!arguments.contains("--colour"))
            arguments << "--output" << output;
        process.start(m_program, arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString errors = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(errors.contains(told), qPrintable(errors));
        QTEST(process.exitCode(), "exitCode");
        if (golden.isEmpty())
            QVERIFY(!QFile::exists(output));
        else if (golden == u"%PDF")
            QVERIFY(readBytes(output).startsWith("%PDF"));
        else
            QCOMPARE(readBytes(output), qm::stats::test::golden(golden));
        // The journal is only read.
        QCOMPARE(
            readBytes(m_folder.filePath("Quillmere.log")), qm::stats::test::golden("export.log"));
    }

private:
    QTemporaryDir m_folder;
    QString m_program;
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
