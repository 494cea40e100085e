#pragma once

#include <QDate>
#include <QString>

namespace qm::stats {

// What a period box holds once the user leaves it: nothing stays nothing, a date is written
// in its one form, and anything else becomes `fallback` (the journal's earliest or latest
// date, empty for an empty journal).
QString validateDateBox(const QString &text, QDate fallback);

} // namespace qm::stats
