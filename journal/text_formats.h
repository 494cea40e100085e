#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>

namespace qm {

// "␣65", "␣0", "-5": decimal with one leading blank unless negative.
QString numberText(std::int64_t value);

// "␣1 h 05"; from 99 hours on only the hours ("␣99 h").
QString formatDuration(std::int32_t minutes);

// "1 h 05": the same without the leading blank.
QString durationText(std::int64_t minutes);

// The Durée cell of the history: "␣1 h 05 =␣65".
QString durationCellText(std::int32_t minutes);

// The day total labels: "␣1 h 05 (=␣65 min.)".
QString dayTotalText(std::int32_t minutes);

// Whatever follows the first "=" of a duration cell; the whole text when there is none.
QStringView minutesTextOfCell(QStringView cell);

// Every "," becomes ";", so that user text never splits a comma-separated line.
QString replaceCommas(QString text);

// What a typed or pasted text becomes before it is stored: one field of one line. Commas become
// semicolons; line breaks, tabs and other control characters become blanks, a CR LF being one
// line break, and those at either end go.
QString storableText(const QString &text);

QString dateText(QDate date); // "dd/mm/yyyy"
QString timeText(QTime time); // "hh:mm:ss"
QString shortTimeText(QTime time); // "hh:mm"

} // namespace qm
