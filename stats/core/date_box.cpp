#include "stats/core/date_box.h"

#include "journal/datetime.h"
#include "journal/text_formats.h"

#include <QCoreApplication>

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

QString periodBoxProblem(PeriodEnd end, const QString &shown)
{
    if (!shown.isEmpty())
        return {};
    return end == PeriodEnd::First
        ? QCoreApplication::translate("qm::stats::DateBox",
            "Saisissez le premier jour de la période, sous la forme jj/mm/aaaa.")
        : QCoreApplication::translate("qm::stats::DateBox",
            "Saisissez le dernier jour de la période, sous la forme jj/mm/aaaa.");
}

} // namespace qm::stats
