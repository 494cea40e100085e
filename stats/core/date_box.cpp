#include "stats/core/date_box.h"

#include "journal/datetime.h"
#include "journal/text_formats.h"

namespace qm::stats {

QString validateDateBox(const QString &text, QDate fallback)
{
    if (text.isEmpty())
        return text;
    const std::optional<QDate> date = text.contains(u'/') ? parseUserDate(text) : std::nullopt;
    if (!date || !date->isValid())
        return fallback.isValid() ? dateText(fallback) : QString();
    return dateText(*date);
}

} // namespace qm::stats
