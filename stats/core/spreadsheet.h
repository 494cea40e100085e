#pragma once

#include "stats/core/number_style.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace qm::stats {

// A table as spreadsheets of the style's language open it without asking: UTF-8 with a byte-order
// mark, the style's separator between fields (";" in French, "," in English), CR LF after each
// line, a field quoted only when it holds the separator, a quote or a line break, with its quotes
// doubled.
QByteArray spreadsheetBytes(const QList<QStringList> &lines, NumberStyle style);

// A cell of the user's text (a name, a comment) that spreadsheets would read as a formula, one
// beginning with "=", "+", "-", "@", a tab or a CR, with an apostrophe before it; other text as it
// is. Figures never go through it: they stay numbers.
QString textCell(const QString &text);

// The share of `part` in `whole` in percent, with one decimal after the style's decimal point,
// rounded half to even: "12,5" in French, "12.5" in English. Zero when `whole` is not positive.
QString shareText(std::int64_t part, std::int64_t whole, NumberStyle style);

} // namespace qm::stats
