#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <cstdint>

namespace qm::stats {

class Statistics;

// The figures behind the report by date of the days from `from` to `to`, as a spreadsheet file:
// every activity with time in the period, most minutes first (equal ones in the order they first
// appear in the period), then the total.
QByteArray exportByDate(const Statistics &stats, QDate from, QDate to);

// The figures behind the report of one activity: its minutes on every day of its span, the days
// without it included, then its total.
QByteArray exportByActivity(const Statistics &stats, std::int32_t activityIndex);

// The names proposed for the two exports, without folder and suffix; with the suffix, each fits in
// the 255 bytes of UTF-8 a file name can hold, a long activity name cut after a whole character.
QString byDateExportName(QDate from, QDate to);
QString byActivityExportName(const QString &activity);

} // namespace qm::stats
