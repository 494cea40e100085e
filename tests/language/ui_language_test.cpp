#include "language/ui_language.h"

#include <QCoreApplication>
#include <QtTest>

// French for a French first language, whatever the region or the spelling the desktop gives
// it, and where the desktop names no language; English for every other one.
class UiLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("French") << QStringList { "fr" } << "fr";
        QTest::newRow("French of France first") << QStringList { "fr-FR", "en-US" } << "fr";
        QTest::newRow("Canadian, upper case") << QStringList { "FR_ca" } << "fr";
        QTest::newRow("English before French") << QStringList { "en-GB", "fr-FR" } << "en";
        QTest::newRow("German") << QStringList { "de-DE" } << "en";
        QTest::newRow("starts like French") << QStringList { "fra", "frr-DE" } << "en";
        QTest::newRow("C locale") << QStringList { "C" } << "fr";
        QTest::newRow("POSIX locale") << QStringList { "POSIX" } << "fr";
        QTest::newRow("none") << QStringList {} << "fr";
    }
    void choice()
    {
        QFETCH(QStringList, uiLanguages);
        QTEST(qm::uiLanguageFor(uiLanguages), "language");
    }

    // The language goes before the suffix of the file's own name, never into a folder's.
    void documentEdition_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("edition");
        const auto row
            = [](const char *name, const char *file, const char *language, const char *edition) {
                  QTest::newRow(name) << QString(file) << QString(language) << QString(edition);
              };
        row("English", "Quillmere.pdf", "en", "Quillmere-en.pdf");
        row("French", "Quillmere.pdf", "fr", "Quillmere.pdf");
        row("dotted folder", "/opt/q.3/Quillmere.pdf", "en", "/opt/q.3/Quillmere-en.pdf");
        row("no suffix", "/opt/q.3/Quillmere", "en", "/opt/q.3/Quillmere-en");
    }
    void documentEdition()
    {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QTEST(qm::documentEdition(file, language), "edition");
    }

    // A program whose translation is not in the resources says so; French needs none.
    void missingTranslation()
    {
        QVERIFY(!qm::installTranslations(QStringLiteral("nosuchprogram"), QStringLiteral("en")));
        QVERIFY(qm::installTranslations(QStringLiteral("nosuchprogram"), QStringLiteral("fr")));
    }
};

QTEST_GUILESS_MAIN(UiLanguageTest)
#include "ui_language_test.moc"
