#include "language/ui_language.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// What the code around a text relies on: its place-holders, its line breaks, and the spaces
// that the log and the message boxes line up with. French puts a space before a colon that
// English does not: " : enregistré" becomes ": registered".
QString shape(const QString &original)
{
    const QString text = QString(original).replace(QStringLiteral(" :"), QStringLiteral(":"));
    static const QRegularExpression kMarks(QStringLiteral("%\\d|\n|^ +| +$"));
    QStringList marks;
    for (const QRegularExpressionMatch &m : kMarks.globalMatch(text)) {
        const bool leading = m.capturedStart() == 0 && m.captured().startsWith(u' ');
        marks.append((leading ? QStringLiteral("leading") : QString()) + m.captured());
    }
    marks.sort();
    return u'[' + marks.join(u'|') + u']';
}

} // namespace

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

    // The language goes before the suffix of the file's own name, never into a folder's; the
    // French edition is the file itself.
    void documentEdition_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("english");
        QTest::newRow("no suffix") << QString("/opt/q.3/Guide") << "/opt/q.3/Guide-en";
    }
    void documentEdition()
    {
        QFETCH(QString, file);
        QTEST(qm::documentEdition(file, u"en"), "english");
        QCOMPARE(qm::documentEdition(file, u"fr"), file);
    }

    // A program whose translation is not in the resources says so; French needs none.
    void missingTranslation()
    {
        QVERIFY(!qm::installTranslations(QStringLiteral("nosuchprogram"), QStringLiteral("en")));
        QVERIFY(qm::installTranslations(QStringLiteral("nosuchprogram"), QStringLiteral("fr")));
    }

    // Every translation checked in is complete and fits the code that shows it.
    void translationsComplete_data()
    {
        QTest::addColumn<QString>("path"); // in the source tree
        QTest::newRow("Quillmere") << "tracker/translations/quillmere_en.ts";
        QTest::newRow("QMStat") << "stats/translations/qmstat_en.ts";
        QTest::newRow("installer") << "installer/translations/install_en.ts";
    }
    void translationsComplete()
    {
        QFETCH(QString, path);
        QFile file(QStringLiteral(QM_SOURCE_DIR "/") + path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        QStringList wrong;
        int messages = 0;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            if (!xml.isStartElement()) {
                continue;
            } else if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                source = xml.readElementText();
            } else if (xml.name() == u"translation") {
                ++messages;
                const QString where = QStringLiteral("%1: \"%2\": ").arg(context, source);
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                const QString translation = xml.readElementText();
                if (!type.isEmpty())
                    wrong.append(where + type);
                else if (translation.trimmed().isEmpty())
                    wrong.append(where + QStringLiteral("no translation"));
                else if (shape(translation) != shape(source))
                    wrong.append(where + shape(translation) + QStringLiteral(" instead of ")
                        + shape(source));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 20);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(UiLanguageTest)
#include "ui_language_test.moc"
