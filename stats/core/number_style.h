#pragma once

#include <QChar>
#include <QString>

namespace qm::stats {

// How the windows' language writes a figure with a fraction and a spreadsheet line: French
// writes "8,14" and puts ";" between fields, so that a French spreadsheet opens the file without
// asking; English writes "8.14" and ",". Only what is shown and exported follows the language:
// the journal is read the same way under both.
struct NumberStyle
{
    QChar decimalPoint;
    QChar fieldSeparator;
};

inline constexpr NumberStyle kFrenchNumbers { u',', u';' };
inline constexpr NumberStyle kEnglishNumbers { u'.', u',' };

// The style of the translation the windows speak; French when none is installed.
NumberStyle uiNumberStyle();
// The language of the windows' texts, "fr" or "en".
QString uiLanguageCode();

} // namespace qm::stats
