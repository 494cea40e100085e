#include "journal/settings.h"

#include "journal/file_reading.h"
#include "journal/line_reader.h"
#include "journal/number_reading.h"
#include "journal/text_codec.h"
#include "storage/durable_write.h"

#include <QFile>

#include <functional>
#include <optional>

namespace qm {

namespace {

// The name, the value and the third field of a line. Only these three are ever looked at, so a
// line made of thousands of "=" costs no more than any other.
struct Entry
{
    QStringView name;
    QStringView value;
    // Only a line with a second "=" has a third field; an empty one is still there.
    std::optional<QStringView> third;
};

std::optional<Entry> splitEntry(QStringView line)
{
    const qsizetype first = line.indexOf(u'=');
    // A line without "=" carries no value, whatever its name.
    if (first < 0)
        return std::nullopt;
    Entry entry { line.first(first), line.sliced(first + 1), {} };
    if (const qsizetype second = entry.value.indexOf(u'='); second >= 0) {
        QStringView third = entry.value.sliced(second + 1);
        entry.value = entry.value.first(second);
        if (const qsizetype end = third.indexOf(u'='); end >= 0)
            third = third.first(end);
        entry.third = third;
    }
    return entry;
}

// False when a read error stopped the reading before the end of the file.
bool forEachEntry(QIODevice &device, const std::function<void(const Entry &)> &onEntry)
{
    LineReader reader(device);
    QByteArrayView line;
    while (reader.next(line)) {
        if (line.isEmpty())
            continue;
        const QString text = decodeText(line);
        if (const auto entry = splitEntry(text))
            onEntry(*entry);
    }
    return !reader.failed();
}

// Only whole minutes within the window's range: a lenient reading would take a damaged line
// for 0 and turn the offer off.
std::optional<int> wholeMinutes(QStringView value, int most)
{
    bool ok = false;
    const int minutes = value.toInt(&ok);
    if (!ok || minutes < 0 || minutes > most)
        return std::nullopt;
    return minutes;
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("Vrai") : QStringLiteral("Faux");
}

} // namespace

bool readSettings(QIODevice &device, SettingsModel &model)
{
    // The lines go into a copy: a reading cut short by an error must leave the model as it was,
    // or the next save would write the shorter lists over the file.
    SettingsModel read = model;
    read.currentActivities.clear();
    read.retiredActivities.clear();
    read.activityChoices = QStringList { kPauseChoice.toString() };
    read.commentChoices = QStringList { kNoCommentChoice.toString() };
    read.absenceMinutes = kDefaultAbsenceMinutes;
    read.reminderMinutes = 0;
    const bool whole = forEachEntry(device, [&read](const Entry &entry) {
        const QString value = entry.value.toString();
        if (entry.name == u"Comment") {
            read.commentChoices.append(value);
        } else if (entry.name == u"Activity") {
            if (read.currentActivities.append(value))
                read.activityChoices.append(value);
        } else if (entry.name == u"OldActivity") {
            read.retiredActivities.append(value);
        } else if (entry.name == u"User") {
            read.userName = value;
        } else if (entry.name == u"Message") {
            // Without its third field the line says nothing about the message.
            const int n = readRoundedNumber(entry.value);
            if (!entry.third || n < 0 || n >= kMessageCount)
                return;
            read.messageEnabled[size_t(n)] = *entry.third != u"Faux" && *entry.third != u"False";
        } else if (entry.name == u"Absence") {
            if (const auto minutes = wholeMinutes(entry.value, kMaxAbsenceMinutes))
                read.absenceMinutes = *minutes;
        } else if (entry.name == u"Rappel") {
            if (const auto minutes = wholeMinutes(entry.value, kMaxReminderMinutes))
                read.reminderMinutes = *minutes;
        }
    });
    if (whole)
        model = std::move(read);
    return whole;
}

FileRead loadSettings(const QString &path, SettingsModel &model)
{
    QFile file(path);
    const FileRead opened = openForReading(file);
    if (opened == FileRead::Unreadable)
        return opened;
    if (opened == FileRead::Missing) {
        model.currentActivities.clear();
        model.retiredActivities.clear();
        return opened;
    }
    // A copy of the model, so that a reading that stops short leaves it as it was.
    SettingsModel read = model;
    if (!readSettings(file, read) || !readToItsEnd(file))
        return FileRead::Unreadable;
    model = std::move(read);
    return FileRead::Read;
}

QByteArray formatSettings(const SettingsModel &model)
{
    QString text = QStringLiteral("User=") + model.userName + QStringLiteral("\r\n");
    for (int n = 0; n < kMessageCount; ++n) {
        text += QStringLiteral("Message=") + QString::number(n) + u'='
            + booleanText(model.messageEnabled[size_t(n)]) + QStringLiteral("\r\n");
    }
    for (int i = 0; i < model.currentActivities.count(); ++i)
        text
            += QStringLiteral("Activity=") + model.currentActivities.at(i) + QStringLiteral("\r\n");
    for (int i = 0; i < model.retiredActivities.count(); ++i)
        text += QStringLiteral("OldActivity=") + model.retiredActivities.at(i)
            + QStringLiteral("\r\n");
    for (qsizetype i = 1; i < model.commentChoices.size(); ++i)
        text += QStringLiteral("Comment=") + model.commentChoices.at(i) + QStringLiteral("\r\n");
    if (model.absenceMinutes != kDefaultAbsenceMinutes)
        text += QStringLiteral("Absence=") + QString::number(model.absenceMinutes)
            + QStringLiteral("\r\n");
    // A file that never had a reminder keeps its bytes.
    if (model.reminderMinutes > 0)
        text += QStringLiteral("Rappel=") + QString::number(model.reminderMinutes)
            + QStringLiteral("\r\n");
    return encodeText(text);
}

bool saveSettings(const QString &path, const SettingsModel &model)
{
    return writeFileAtomically(path, formatSettings(model));
}

QString readSettingsUserName(const QString &path)
{
    QString userName = QStringLiteral("-");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return userName;
    forEachEntry(file, [&](const Entry &entry) {
        if (entry.name == u"User")
            userName = entry.value.toString();
    });
    return userName;
}

} // namespace qm
