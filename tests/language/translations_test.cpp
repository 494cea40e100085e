#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type;
};

QList<Message> readMessages(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            Message message { context, {}, {}, {} };
            while (xml.readNextStartElement()) {
                if (xml.name() == u"source") {
                    message.source = xml.readElementText();
                } else if (xml.name() == u"translation") {
                    message.type = xml.attributes().value(QStringLiteral("type")).toString();
                    message.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

// What the code around a text relies on: its place-holders, its line breaks, and the spaces
// that the log and the message boxes line up with. French puts a space before a colon that
// English does not: " : enregistré" becomes ": registered".
QString shape(const QString &original)
{
    const QString text = QString(original).replace(QStringLiteral(" :"), QStringLiteral(":"));
    static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
    QStringList marks;
    for (const QRegularExpressionMatch &m : kPlaceholder.globalMatch(text))
        marks.append(m.captured());
    marks.sort();
    const qsizetype lead = text.size() - QString(text).remove(QRegularExpression("^ +")).size();
    const qsizetype trail = text.size() - QString(text).remove(QRegularExpression(" +$")).size();
    return QStringLiteral("%1 | %2 lines | %3 leading, %4 trailing spaces")
        .arg(marks.join(u' '))
        .arg(text.count(u'\n'))
        .arg(lead)
        .arg(trail);
}

} // namespace

// Every translation checked in is complete and fits the code that shows it.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void complete_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("QMStat") << QStringLiteral(QM_SOURCE_DIR "/stats/translations/qmstat_en.ts");
        QTest::newRow("installer")
            << QStringLiteral(QM_SOURCE_DIR "/installer/translations/install_en.ts");
    }
    void complete()
    {
        QFETCH(QString, path);
        QString error;
        const QList<Message> messages = readMessages(path, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(messages.size() > 20);
        QStringList wrong;
        for (const Message &m : messages) {
            const QString where = QStringLiteral("%1: \"%2\": ").arg(m.context, m.source);
            if (!m.type.isEmpty())
                wrong.append(where + m.type);
            else if (m.translation.trimmed().isEmpty())
                wrong.append(where + QStringLiteral("no translation"));
            else if (shape(m.translation) != shape(m.source))
                wrong.append(where + shape(m.translation) + QStringLiteral(" instead of ")
                    + shape(m.source));
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "translations_test.moc"
