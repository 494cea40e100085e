#include "stats/ui/command_export.h"

#include "journal/datetime.h"
#include "stats/core/by_activity.h"
#include "stats/core/by_date.h"
#include "stats/core/export_request.h"
#include "stats/core/report_export.h"
#include "stats/core/statistics.h"
#include "stats/core/time_sheet.h"
#include "stats/ui/report_exporter.h"
#include "stats/ui/report_page.h"
#include "stats/ui/report_printer.h"
#include "stats/ui/time_sheet_printer.h"
#include "storage/durable_write.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

namespace qm::stats {

namespace {

void printLine(std::FILE *stream, const QString &text)
{
    std::fprintf(stream, "%s\n", text.toUtf8().constData());
}

} // namespace

ExportOutcome runExport(
    const Statistics &stats, const ExportRequest &request, const Clock &clock, QString *message)
{
    if (stats.journalRead() == FileRead::Unreadable) {
        *message = QCoreApplication::translate("qm::stats::CommandLine",
            "Le fichier %1 n'a pas pu être lu en entier : rien n'a été exporté.")
                       .arg(QDir::toNativeSeparators(stats.journalPath()));
        return ExportOutcome::Refused;
    }
    const int activity = request.kind == ExportRequest::Kind::ByActivity
        ? activityNamed(stats, request.activity)
        : -1;
    if (request.kind == ExportRequest::Kind::ByActivity && activity < 0) {
        *message = QCoreApplication::translate(
            "qm::stats::CommandLine", "L'activité « %1 » n'est pas dans le journal.")
                       .arg(request.activity);
        return ExportOutcome::Refused;
    }
    QString why;
    bool written = false;
    if (!request.pdf) {
        QByteArray bytes;
        switch (request.kind) {
        case ExportRequest::Kind::ByDate:
            bytes = exportByDate(stats, request.from, request.to);
            break;
        case ExportRequest::Kind::ByActivity:
            bytes = exportByActivity(stats, activity);
            break;
        case ExportRequest::Kind::TimeSheet:
            bytes = exportTimeSheet(timeSheet(stats, request.from, request.to));
            break;
        }
        written = writeFileAtomically(request.output, bytes, &why);
    } else if (request.kind == ExportRequest::Kind::TimeSheet) {
        const TimeSheet sheet = timeSheet(stats, request.from, request.to);
        written = writeReportPdf(
            [&sheet](QPagedPaintDevice &device) { return printTimeSheet(sheet, device); },
            request.output, &why);
    } else {
        // The page of the report, as Exporter writes it.
        const QDate today = clock.now().date();
        PageDrawing draw;
        if (request.kind == ExportRequest::Kind::ByDate)
            draw = [report = reportByDate(stats, request.from, request.to, today)](
                       QPagedPaintDevice &device) {
                return printReportByDate(report, device);
            };
        else
            draw = [report = reportByActivity(stats, activity, today)](QPagedPaintDevice &device) {
                return printReportByActivity(report, device);
            };
        written = writeReportPdf(draw, request.output, &why);
    }
    if (written)
        return ExportOutcome::Written;
    *message = QCoreApplication::translate(
        "qm::stats::CommandLine", "Le fichier %1 n'a pas pu être écrit (%2).")
                   .arg(QDir::toNativeSeparators(request.output), why);
    return ExportOutcome::NotWritten;
}

int runCommandLine(const QStringList &arguments, const QString &programFolder, const Clock &clock)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "qm::stats::CommandLine", "Les statistiques du journal de Quillmere."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption kind(QStringLiteral("export"),
        QCoreApplication::translate("qm::stats::CommandLine",
            "Écrit l'export sans ouvrir de fenêtre : by-date, by-activity ou timesheet."),
        QCoreApplication::translate("qm::stats::CommandLine", "type"));
    const QCommandLineOption from(QStringLiteral("from"),
        QCoreApplication::translate("qm::stats::CommandLine", "Premier jour de la période."),
        QCoreApplication::translate("qm::stats::CommandLine", "jj/mm/aaaa"));
    const QCommandLineOption to(QStringLiteral("to"),
        QCoreApplication::translate("qm::stats::CommandLine", "Dernier jour de la période."),
        QCoreApplication::translate("qm::stats::CommandLine", "jj/mm/aaaa"));
    const QCommandLineOption activity(QStringLiteral("activity"),
        QCoreApplication::translate("qm::stats::CommandLine", "L'activité du rapport."),
        QCoreApplication::translate("qm::stats::CommandLine", "nom"));
    const QCommandLineOption output(QStringLiteral("output"),
        QCoreApplication::translate(
            "qm::stats::CommandLine", "Le fichier à écrire ; .csv ou .pdf choisit le format."),
        QCoreApplication::translate("qm::stats::CommandLine", "fichier"));
    parser.addOptions({ kind, from, to, activity, output });
    const auto usage = [&parser](const QString &error) {
        printLine(stderr, error);
        std::fprintf(stderr, "%s", parser.helpText().toUtf8().constData());
        return 64;
    };
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(help)) {
        std::fprintf(stdout, "%s", parser.helpText().toUtf8().constData());
        return 0;
    }
    if (parser.isSet(version)) {
        printLine(stdout,
            QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
        return 0;
    }
    if (!parser.isSet(kind) || !parser.positionalArguments().isEmpty())
        return usage(QCoreApplication::translate(
            "qm::stats::CommandLine", "L'option --export est nécessaire."));
    if (!parser.isSet(output))
        return usage(QCoreApplication::translate(
            "qm::stats::CommandLine", "L'option --output est nécessaire."));
    QString why;
    const std::optional<ExportRequest> request = exportRequest(parser.value(kind),
        parser.value(from), parser.value(to), parser.value(activity), parser.value(output), &why);
    if (!request) {
        printLine(stderr, why);
        return int(ExportOutcome::Refused);
    }
    Statistics stats;
    stats.load(programFolder);
    const ExportOutcome outcome = runExport(stats, *request, clock, &why);
    if (outcome != ExportOutcome::Written)
        printLine(stderr, why);
    return int(outcome);
}

} // namespace qm::stats
