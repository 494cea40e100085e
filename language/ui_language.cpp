#include "language/ui_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qm {

QString uiLanguageFor(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return kFrench.toString();
    const QString first = uiLanguages.first();
    if (first == u"C" || first == u"POSIX")
        return kFrench.toString();
    // "fr", "fr-FR", "fr_CA": the language is what comes before the region; "fra" or "frisian"
    // are not French.
    const bool french = first.compare(kFrench, Qt::CaseInsensitive) == 0
        || first.startsWith(QStringLiteral("fr-"), Qt::CaseInsensitive)
        || first.startsWith(QStringLiteral("fr_"), Qt::CaseInsensitive);
    return (french ? kFrench : kEnglish).toString();
}

QString documentEdition(const QString &fileName, QStringView language)
{
    if (language == kFrench)
        return fileName;
    const qsizetype nameStart = fileName.lastIndexOf(u'/') + 1;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const qsizetype suffix = dot >= nameStart ? dot : fileName.size();
    return fileName.left(suffix) + u'-' + language.toString() + fileName.mid(suffix);
}

QString installUiLanguage(const QString &program)
{
    const QString language = uiLanguageFor(QLocale::system().uiLanguages());
    installTranslations(program, language);
    return language;
}

bool installTranslations(const QString &program, const QString &language)
{
    QCoreApplication *app = QCoreApplication::instance();
    // Qt's own texts: without qtbase_fr a French user would meet "Cancel" in the save dialog.
    auto *system = new QTranslator(app);
    if (system->load(QStringLiteral("qtbase_") + language,
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(system);
    else
        delete system;
    if (language == kFrench)
        return true;
    auto *own = new QTranslator(app);
    if (!own->load(QStringLiteral(":/i18n/%1_%2.qm").arg(program, language))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace qm
