#include "stats/core/number_style.h"

#include <QCoreApplication>
#include <QString>

namespace qm::stats {

QString uiLanguageCode()
{
    // The translation says which language it is, so that the figures can never speak another
    // language than the captions around them.
    //: The code of the language of this translation ("fr", "en"): it chooses how figures with a
    //: fraction and the spreadsheet exports are written.
    return QCoreApplication::translate("qm::stats::NumberStyle", "fr");
}

NumberStyle uiNumberStyle()
{
    return uiLanguageCode() == u"fr" ? kFrenchNumbers : kEnglishNumbers;
}

} // namespace qm::stats
