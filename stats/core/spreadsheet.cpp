#include "stats/core/spreadsheet.h"

namespace qm::stats {

namespace {

QString fieldText(const QString &field, QChar separator)
{
    const bool quoted = field.contains(separator) || field.contains(u'"') || field.contains(u'\n')
        || field.contains(u'\r');
    if (!quoted)
        return field;
    QString text = field;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

} // namespace

QByteArray spreadsheetBytes(const QList<QStringList> &lines, NumberStyle style)
{
    QString text;
    for (const QStringList &line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (i > 0)
                text += style.fieldSeparator;
            text += fieldText(line.at(i), style.fieldSeparator);
        }
        text += QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QString textCell(const QString &text)
{
    if (text.isEmpty() || !QStringView(u"=+-@\t\r").contains(text.front()))
        return text;
    return u'\'' + text;
}

QString shareText(std::int64_t part, std::int64_t whole, NumberStyle style)
{
    if (whole <= 0)
        return u'0' + style.decimalPoint + u'0';
    // A hand-edited journal can give an activity negative minutes.
    if (part < 0)
        return u'-' + shareText(-part, whole, style);
    // Tenths of a percent in whole numbers, so that a half is seen exactly: 1000 * part / whole.
    // The journal's totals stay far below the range where the product could overflow.
    const std::int64_t scaled = 1000 * part;
    std::int64_t tenths = scaled / whole;
    const std::int64_t twiceRest = 2 * (scaled % whole);
    if (twiceRest > whole || (twiceRest == whole && tenths % 2 != 0))
        ++tenths;
    return QString::number(tenths / 10) + style.decimalPoint + QString::number(tenths % 10);
}

} // namespace qm::stats
