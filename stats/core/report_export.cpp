#include "stats/core/report_export.h"

#include "journal/text_formats.h"
#include "stats/core/number_style.h"
#include "stats/core/period_totals.h"
#include "stats/core/spreadsheet.h"
#include "stats/core/statistics.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace qm::stats {

namespace {

// The exports are read by the user, so their headings speak the windows' language, and their
// separators and decimal point are those of that language's spreadsheets; the dates do not change
// with it.
QString heading(const char *text)
{
    return QCoreApplication::translate("qm::stats::Export", text);
}

QString totalCaption()
{
    return QCoreApplication::translate("qm::stats::Export", "Total");
}

// The longest file name common file systems take, in bytes of UTF-8, and the suffix's share of it.
constexpr qsizetype kMaxFileNameBytes = 255;
constexpr qsizetype kSuffixBytes = 4; // ".csv", ".pdf"

// The text cut after its last whole character that keeps it within `bytes` bytes of UTF-8.
QString cutToBytes(const QString &text, qsizetype bytes)
{
    if (text.toUtf8().size() <= bytes)
        return text;
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype kept = 0;
    qsizetype keptBytes = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0;
         next = characters.toNextBoundary()) {
        keptBytes += QStringView(text).sliced(kept, next - kept).toUtf8().size();
        if (keptBytes > bytes)
            break;
        kept = next;
    }
    return text.first(kept);
}

QStringList figuresLine(const QString &caption, std::int64_t minutes)
{
    return { caption, QString::number(minutes), durationText(minutes) };
}

} // namespace

QByteArray exportByDate(const Statistics &stats, QDate from, QDate to)
{
    const PeriodTotals totals
        = periodTotals(stats, DayNumber(from.toJulianDay()), DayNumber(to.toJulianDay()));
    const std::vector<std::int64_t> &minutes = totals.minutes;
    const std::int64_t total = totals.total;

    const NumberStyle style = uiNumberStyle();
    QList<QStringList> lines { { heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Activité")),
        heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Minutes")),
        heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Durée")),
        heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Part (%)")) } };
    for (const std::size_t a : totals.order) {
        lines.append(figuresLine(textCell(stats.activities()[a].name), minutes[a])
            << shareText(minutes[a], total, style));
    }
    lines.append(
        figuresLine(totalCaption(), total) << QStringLiteral("100") + style.decimalPoint + u'0');
    return spreadsheetBytes(lines, style);
}

QByteArray exportByActivity(const Statistics &stats, std::int32_t activityIndex)
{
    const ActivitySummary &summary = stats.activities().at(std::size_t(activityIndex));
    const auto spanDays = std::size_t(std::int64_t(summary.lastDate) - summary.firstDate + 1);
    std::vector<std::int64_t> perDay(spanDays, 0);
    const auto &dates = stats.entryDates();
    const auto &entryMinutes = stats.entryMinutes();
    const auto &activity = stats.entryActivityIndices();
    for (std::size_t e = 0; e < activity.size(); ++e) {
        if (activity[e] == activityIndex)
            perDay[std::size_t(dates[e] - summary.firstDate)] += entryMinutes[e];
    }
    // A span can hold a hundred thousand days: its lines hold only digits and the duration, so
    // they are put together as bytes rather than through the general table writer.
    const NumberStyle style = uiNumberStyle();
    const char separator = char(style.fieldSeparator.unicode());
    QByteArray bytes
        = spreadsheetBytes({ { heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Date")),
                               heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Minutes")),
                               heading(QT_TRANSLATE_NOOP("qm::stats::Export", "Durée")) } },
            style);
    bytes.reserve(bytes.size() + qsizetype(spanDays + 1) * 28);
    // Most days hold a few hours at most: their line ends are made once each.
    std::vector<QByteArray> lineEnds(24 * 60 + 1);
    const auto lineEnd = [&](std::int64_t minutes) {
        const auto make = [minutes, separator] {
            return separator + QByteArray::number(minutes) + separator
                + durationText(minutes).toUtf8() + "\r\n";
        };
        if (minutes < 0 || minutes >= std::int64_t(lineEnds.size()))
            return make();
        QByteArray &cached = lineEnds[std::size_t(minutes)];
        if (cached.isEmpty())
            cached = make();
        return cached;
    };
    char date[11] = "dd/mm/yyyy";
    std::int64_t total = 0;
    for (std::size_t d = 0; d < spanDays; ++d) {
        int year = 0, month = 0, day = 0;
        QDate::fromJulianDay(summary.firstDate + std::int64_t(d)).getDate(&year, &month, &day);
        date[0] = char('0' + day / 10);
        date[1] = char('0' + day % 10);
        date[3] = char('0' + month / 10);
        date[4] = char('0' + month % 10);
        for (int i = 9; i >= 6; --i, year /= 10)
            date[i] = char('0' + year % 10);
        bytes.append(date, 10);
        bytes += lineEnd(perDay[d]);
        total += perDay[d];
    }
    // The total line goes through the table writer like every other export line.
    return bytes + spreadsheetBytes({ figuresLine(totalCaption(), total) }, style).sliced(3);
}

QString byDateExportName(QDate from, QDate to)
{
    const QString format = QStringLiteral("dd-MM-yyyy");
    //: The proposed name of the exported file; the dates are day-month-year.
    return QCoreApplication::translate("qm::stats::Export", "Quillmere du %1 au %2")
        .arg(from.toString(format), to.toString(format));
}

QString byActivityExportName(const QString &activity)
{
    QString name = activity;
    // What no common file system takes in a name, and what would make it a path.
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    // The name is the one part without a bound: it is cut so that the suffix still fits.
    const QString caption = QStringLiteral("Quillmere - ");
    return caption
        + cutToBytes(name.trimmed(), kMaxFileNameBytes - kSuffixBytes - caption.toUtf8().size())
              .trimmed();
}

} // namespace qm::stats
