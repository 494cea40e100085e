#pragma once

#include <QDate>
#include <QString>

namespace qm::stats {

// What a period box holds once the user leaves it: nothing stays nothing, a date is written
// in its one form, and anything else becomes `fallback` (the journal's earliest or latest
// date, empty for an empty journal).
QString validateDateBox(const QString &text, QDate fallback);

enum class PeriodEnd { First, Last };

// Why the period's box, showing `shown` once left, gives no report: it holds no date (nothing
// was typed, or what was typed is no date and the journal has none to put in its place). Empty
// when the box holds a date.
QString periodBoxProblem(PeriodEnd end, const QString &shown);

} // namespace qm::stats
