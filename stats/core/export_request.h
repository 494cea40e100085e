#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm::stats {

class Statistics;

// What an export asked on the command line writes, checked before anything is read.
struct ExportRequest
{
    enum class Kind { ByDate, ByActivity, TimeSheet };

    Kind kind = Kind::ByDate;
    QDate from;
    QDate to;
    QString activity;
    QString output;
    bool pdf = false;
};

// The request of `--export KIND` with its options' values (empty when not given); nothing, and
// `why` says what is wrong in the language of the windows, when they do not make one: an unknown
// kind, a missing or malformed option, a period that ends before it starts, an output that is
// neither .csv nor .pdf.
std::optional<ExportRequest> exportRequest(const QString &kind, const QString &from,
    const QString &to, const QString &activity, const QString &output, QString *why);

// The index of the named activity in the journal, -1 when it has none of that name.
int activityNamed(const Statistics &stats, const QString &name);

} // namespace qm::stats
