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

// Each of these would end the line or the field in one reader or another.
bool isControl(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString numberText(std::int64_t value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString durationText(std::int64_t minutes)
{
    const std::int64_t hours = floorDiv(minutes, 60);
    const int rest = int(minutes - 60 * hours);
    if (hours >= 99)
        return QString::number(hours) + QStringLiteral(" h");
    return QString::number(hours) + QStringLiteral(" h ") + twoDigits(rest);
}

QString formatDuration(std::int32_t minutes)
{
    const std::int64_t hours = floorDiv(minutes, 60);
    const int rest = int(std::int64_t(minutes) - 60 * hours);
    if (hours >= 99)
        return numberText(hours) + QStringLiteral(" h");
    return numberText(hours) + QStringLiteral(" h ") + twoDigits(rest);
}

QString durationCellText(std::int32_t minutes)
{
    return formatDuration(minutes) + QStringLiteral(" =") + numberText(minutes);
}

QString dayTotalText(std::int32_t minutes)
{
    return formatDuration(minutes) + QStringLiteral(" (=") + numberText(minutes)
        + QStringLiteral(" min.)");
}

QStringView minutesTextOfCell(QStringView cell)
{
    const qsizetype eq = cell.indexOf(u'=');
    return eq < 0 ? cell : cell.mid(eq + 1);
}

QString replaceCommas(QString text)
{
    text.replace(u',', u';');
    return text;
}

QString storableText(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    // A line copied whole brings its line break along; it is no part of the text.
    while (begin < end && isControl(text.at(begin)))
        ++begin;
    while (end > begin && isControl(text.at(end - 1)))
        --end;
    QString kept;
    kept.reserve(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text.at(i);
        if (!isControl(c)) {
            kept.append(c);
            continue;
        }
        // The same text pasted from a Windows or a Linux program must give the same name, or
        // the statistics would count two activities.
        if (c == u'\r' && text.at(i + 1) == u'\n')
            ++i;
        kept.append(u' ');
    }
    return replaceCommas(std::move(kept));
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
