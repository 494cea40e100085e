#pragma once

#include <QString>
#include <QStringList>

namespace qm {

// The programs are written in French; every other desktop language gets English, the one
// translation they carry.
inline constexpr QStringView kFrench = u"fr";
inline constexpr QStringView kEnglish = u"en";

// "fr" when the first of the desktop's languages ("fr-BE", "fr", "fr_CA", …) is French, "en"
// for any other first language. A desktop that names none (the C or POSIX locale, or an empty
// list) keeps the programs' own French.
QString uiLanguageFor(const QStringList &uiLanguages);

// Chooses the language from QLocale::system().uiLanguages() (which follows LANGUAGE, then the
// locale), then installs on the application the program's own translation, read from the
// resources as ":/i18n/<program>_<language>.qm", and Qt's, so that the file, print and message
// dialogs speak the same language. French installs only Qt's: it is the programs' own. Must be
// called once the QCoreApplication exists; returns the language chosen.
QString installUiLanguage(const QString &program);

// The name of a document's edition in `language`: "Quillmere.pdf" (or a path to it) gives
// "Quillmere-en.pdf" for English. The edition in the programs' own French is the document itself.
QString documentEdition(const QString &fileName, QStringView language);

// The same with the language given, for tests and for a program that has already chosen.
// False when the program's translation is missing from the resources.
bool installTranslations(const QString &program, const QString &language);

} // namespace qm
