#include "stats/core/export_request.h"

#include "journal/datetime.h"
#include "stats/core/statistics.h"

#include <QCoreApplication>

#include <algorithm>

namespace qm::stats {

namespace {

bool refused(const QString &reason, QString *why)
{
    if (why)
        *why = reason;
    return false;
}

// The date of an option, or the reason it has none.
bool readDate(const QString &option, const QString &text, QDate &date, QString *why)
{
    if (text.isEmpty())
        return refused(QCoreApplication::translate(
                           "qm::stats::CommandLine", "L'option --%1 manque (jj/mm/aaaa).")
                           .arg(option),
            why);
    const std::optional<QDate> read = parseUserDate(text);
    if (!read)
        return refused(QCoreApplication::translate(
                           "qm::stats::CommandLine", "« %1 » n'est pas une date (jj/mm/aaaa).")
                           .arg(text),
            why);
    date = *read;
    return true;
}

} // namespace

std::optional<ExportRequest> exportRequest(const QString &kind, const QString &from,
    const QString &to, const QString &activity, const QString &output, QString *why)
{
    ExportRequest request;
    if (kind == u"by-date")
        request.kind = ExportRequest::Kind::ByDate;
    else if (kind == u"by-activity")
        request.kind = ExportRequest::Kind::ByActivity;
    else if (kind == u"timesheet")
        request.kind = ExportRequest::Kind::TimeSheet;
    else {
        refused(QCoreApplication::translate("qm::stats::CommandLine",
                    "L'export « %1 » n'existe pas : by-date, by-activity ou timesheet.")
                    .arg(kind),
            why);
        return std::nullopt;
    }
    if (request.kind == ExportRequest::Kind::ByActivity) {
        if (activity.isEmpty()) {
            refused(QCoreApplication::translate(
                        "qm::stats::CommandLine", "L'option --activity manque."),
                why);
            return std::nullopt;
        }
        request.activity = activity;
    } else {
        if (!readDate(QStringLiteral("from"), from, request.from, why)
            || !readDate(QStringLiteral("to"), to, request.to, why))
            return std::nullopt;
        if (request.to < request.from) {
            refused(QCoreApplication::translate(
                        "qm::stats::CommandLine", "La période se termine avant de commencer."),
                why);
            return std::nullopt;
        }
    }
    request.pdf = output.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    if (!request.pdf && !output.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        refused(QCoreApplication::translate("qm::stats::CommandLine",
                    "Le fichier de l'option --output doit finir par .csv ou .pdf."),
            why);
        return std::nullopt;
    }
    request.output = output;
    return request;
}

int activityNamed(const Statistics &stats, const QString &name)
{
    const auto &all = stats.activities();
    const auto found = std::find_if(
        all.begin(), all.end(), [&](const ActivitySummary &a) { return a.name == name; });
    return found == all.end() ? -1 : int(found - all.begin());
}

} // namespace qm::stats
