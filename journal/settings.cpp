#include "journal/settings.h"

#include "journal/durable_write.h"
#include "journal/line_reader.h"
#include "journal/number_reading.h"
#include "journal/text_codec.h"

#include <QFile>

#include <functional>

namespace qm {

namespace {

bool forEachEntry(const QString &path, const std::function<void(const QStringList &)> &onEntry)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    LineReader reader(file);
    QByteArrayView line;
    while (reader.next(line)) {
        if (line.isEmpty())
            continue;
        const QStringList pieces = decodeText(line).split(u'=');
        // A line without "=" carries no value, whatever its name.
        if (pieces.size() >= 2)
            onEntry(pieces);
    }
    return true;
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("Vrai") : QStringLiteral("Faux");
}

} // namespace

bool LoadSettings(const QString &path, SettingsModel &model)
{
    model.currentActivities.clear();
    model.retiredActivities.clear();
    if (!QFile::exists(path))
        return false;

    model.activityChoices = QStringList{kPauseChoice.toString()};
    model.commentChoices = QStringList{kNoCommentChoice.toString()};
    return forEachEntry(path, [&](const QStringList &pieces) {
        const QString &name = pieces[0];
        const QString &value = pieces[1];
        if (name == u"Comment") {
            model.commentChoices.append(value);
        } else if (name == u"Activity") {
            if (model.currentActivities.append(value))
                model.activityChoices.append(value);
        } else if (name == u"OldActivity") {
            model.retiredActivities.append(value);
        } else if (name == u"User") {
            model.userName = value;
        } else if (name == u"Message") {
            const int n = readRoundedNumber(value);
            if (n < 0 || n >= kMessageCount)
                return;
            const QString flag = pieces.size() > 2 ? pieces[2] : QString();
            model.messageEnabled[size_t(n)] = flag != u"Faux" && flag != u"False";
        }
    });
}

QByteArray formatSettings(const SettingsModel &model)
{
    QString text = QStringLiteral("User=") + model.userName + QStringLiteral("\r\n");
    for (int n = 0; n < kMessageCount; ++n) {
        text += QStringLiteral("Message=") + QString::number(n) + u'=' + booleanText(model.messageEnabled[size_t(n)])
            + QStringLiteral("\r\n");
    }
    for (int i = 0; i < model.currentActivities.count(); ++i)
        text += QStringLiteral("Activity=") + model.currentActivities.at(i) + QStringLiteral("\r\n");
    for (int i = 0; i < model.retiredActivities.count(); ++i)
        text += QStringLiteral("OldActivity=") + model.retiredActivities.at(i) + QStringLiteral("\r\n");
    for (qsizetype i = 1; i < model.commentChoices.size(); ++i)
        text += QStringLiteral("Comment=") + model.commentChoices.at(i) + QStringLiteral("\r\n");
    return encodeText(text);
}

bool SaveSettings(const QString &path, const SettingsModel &model)
{
    return writeFileAtomically(path, formatSettings(model));
}

QString readSettingsUserName(const QString &path)
{
    QString userName = QStringLiteral("-");
    forEachEntry(path, [&](const QStringList &pieces) {
        if (pieces[0] == u"User")
            userName = pieces[1];
    });
    return userName;
}

} // namespace qm
