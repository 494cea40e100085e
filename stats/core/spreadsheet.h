#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace qm::stats {

// A table as French spreadsheets open it without asking: UTF-8 with a byte-order mark, ";"
// between fields, CR LF after each line, a field quoted only when it holds ";", a quote or a line
// break, with its quotes doubled.
QByteArray spreadsheetBytes(const QList<QStringList> &lines);

// A cell of the user's text (a name, a comment) that spreadsheets would read as a formula, one
// beginning with "=", "+", "-", "@", a tab or a CR, with an apostrophe before it; other text as it
// is. Figures never go through it: they stay numbers.
QString textCell(const QString &text);

// The share of `part` in `whole` in percent, with one decimal after a ",", rounded half to even:
// "12,5". "0,0" when `whole` is not positive.
QString shareText(std::int64_t part, std::int64_t whole);

} // namespace qm::stats
