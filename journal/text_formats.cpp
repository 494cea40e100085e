#include "journal/text_formats.h"

namespace qm {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

QString NumberText(std::int64_t value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString DurationText(std::int64_t minutes)
{
    const std::int64_t hours = floorDiv(minutes, 60);
    const int rest = int(minutes - 60 * hours);
    if (hours >= 99)
        return QString::number(hours) + QStringLiteral(" h");
    return QString::number(hours) + QStringLiteral(" h ") + twoDigits(rest);
}

QString FormatDuration(std::int32_t minutes)
{
    const std::int64_t hours = floorDiv(minutes, 60);
    const int rest = int(std::int64_t(minutes) - 60 * hours);
    if (hours >= 99)
        return NumberText(hours) + QStringLiteral(" h");
    return NumberText(hours) + QStringLiteral(" h ") + twoDigits(rest);
}

QString DurationCellText(std::int32_t minutes)
{
    return FormatDuration(minutes) + QStringLiteral(" =") + NumberText(minutes);
}

QString DayTotalText(std::int32_t minutes)
{
    return FormatDuration(minutes) + QStringLiteral(" (=") + NumberText(minutes)
        + QStringLiteral(" min.)");
}

QStringView minutesTextOfCell(QStringView cell)
{
    const qsizetype eq = cell.indexOf(u'=');
    return eq < 0 ? cell : cell.mid(eq + 1);
}

QString ReplaceCommas(QString text)
{
    text.replace(u',', u';');
    return text;
}

QString dateText(QDate date)
{
    return date.toString(u"dd/MM/yyyy");
}

QString timeText(QTime time)
{
    return time.toString(u"HH:mm:ss");
}

QString shortTimeText(QTime time)
{
    return time.toString(u"HH:mm");
}

} // namespace qm
