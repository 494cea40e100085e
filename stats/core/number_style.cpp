#include "stats/core/number_style.h"

#include <QCoreApplication>
#include <QString>

namespace qm::stats {

NumberStyle uiNumberStyle()
{
    // The translation says which language it is, so that the figures can never speak another
    // language than the captions around them.
    //: The code of the language of this translation ("fr", "en"): it chooses how figures with a
    //: fraction and the spreadsheet exports are written.
    const QString language = QCoreApplication::translate("qm::stats::NumberStyle", "fr");
    return language == u"fr" ? kFrenchNumbers : kEnglishNumbers;
}

} // namespace qm::stats
