#include "tracker/core/journal_editor.h"

#include "journal/datetime.h"
#include "journal/file_reading.h"
#include "journal/journal_rewrite.h"
#include "journal/number_reading.h"
#include "journal/settings.h"
#include "journal/text_formats.h"
#include "tracker/core/program_files.h"
#include "tracker/core/questions.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QMap>

#include <algorithm>

namespace qm {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("qm::JournalEditor", text);
}

std::int64_t minutesOf(const QList<JournalRecord> &records)
{
    std::int64_t minutes = 0;
    for (const JournalRecord &record : records)
        minutes += readRoundedNumber(record.minutesText);
    return minutes;
}

} // namespace

JournalEditor::JournalEditor(const ProgramFiles &files, const SettingsModel &settings,
    Questions &questions, const Clock &clock)
    : m_settings(settings)
    , m_questions(questions)
    , m_clock(clock)
    , m_journalPath(files.journalPath)
    , m_backups(files.journalPath, files.backupFolderPath)
{ }

void JournalEditor::warn(const QString &text) const
{
    m_questions.warn(tr("Quillmere - Journal"), text);
}

bool JournalEditor::load(const QString &dayFileDate)
{
    m_dayFileDate = dayFileDate;
    return reload();
}

bool JournalEditor::reload()
{
    QByteArray bytes;
    if (readWholeFile(m_journalPath, bytes) == FileRead::Unreadable) {
        warn(tr("Le journal %1 ne peut pas être lu.").arg(m_journalPath));
        return false;
    }
    m_bytes = bytes;
    QMap<QString, std::int64_t> totals;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    readJournal(buffer, [&](const JournalRecord &record) {
        if (record.date != m_dayFileDate && parseUserDate(record.date))
            totals[record.date] += readRoundedNumber(record.minutesText);
    });
    m_days.clear();
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        m_days.append({ it.key(), it.value() });
    std::stable_sort(m_days.begin(), m_days.end(), [](const JournalDay &a, const JournalDay &b) {
        return *parseUserDate(a.date) > *parseUserDate(b.date);
    });
    choose(m_chosen);
    return true;
}

void JournalEditor::choose(const QString &date)
{
    m_saved.clear();
    const bool listed = std::any_of(
        m_days.cbegin(), m_days.cend(), [&](const JournalDay &day) { return day.date == date; });
    m_chosen = listed ? date : QString();
    if (listed) {
        QBuffer buffer(&m_bytes);
        buffer.open(QIODevice::ReadOnly);
        readJournalOfDate(
            buffer, date, [this](const JournalRecord &record) { m_saved.append(record); });
    }
    m_records = m_saved;
}

bool JournalEditor::mayDropEdits()
{
    return !isModified()
        || m_questions.confirm(tr("Quillmere - Journal"),
            tr("Les corrections du %1 ne sont pas enregistrées. Les abandonner ?").arg(m_chosen),
            tr("Abandonner"), tr("Annuler"));
}

RecordFields JournalEditor::newFields() const
{
    // Pauses never reach the journal: only activities are on offer.
    RecordFields fields;
    fields.activities = m_settings.currentActivities.toList();
    for (const QString &retired : m_settings.retiredActivities.toList())
        if (!fields.activities.contains(retired))
            fields.activities.append(retired);
    return fields;
}

std::optional<RecordFields> JournalEditor::fieldsOf(int row) const
{
    if (row < 0 || row >= m_records.size())
        return std::nullopt;
    const JournalRecord &record = m_records.at(row);
    RecordFields fields = newFields();
    fields.minutes
        = int(std::clamp(readRoundedNumber(record.minutesText), 1, RecordFields::kMaxMinutes));
    fields.activityIndex = int(fields.activities.indexOf(record.activity));
    if (fields.activityIndex < 0) {
        fields.activities.append(record.activity);
        fields.activityIndex = int(fields.activities.size()) - 1;
    }
    fields.comment = record.comment;
    return fields;
}

std::optional<JournalRecord> JournalEditor::recordOf(const RecordFields &fields) const
{
    if (fields.minutes < 1 || fields.minutes > RecordFields::kMaxMinutes || fields.activityIndex < 0
        || fields.activityIndex >= fields.activities.size()) {
        return std::nullopt;
    }
    return JournalRecord { m_chosen, numberText(fields.minutes),
        storableText(fields.activities.at(fields.activityIndex)), storableText(fields.comment) };
}

bool JournalEditor::fitsInADay(const QList<JournalRecord> &records) const
{
    const std::int64_t minutes = minutesOf(records);
    if (minutes <= RecordFields::kMaxMinutes)
        return true;
    warn(tr("Les activités d'une journée ne peuvent pas dépasser 24 h en tout (ici %1).")
             .arg(durationText(minutes)));
    return false;
}

bool JournalEditor::modify(int row, const RecordFields &fields)
{
    const std::optional<JournalRecord> record = recordOf(fields);
    if (!record || row < 0 || row >= m_records.size())
        return false;
    // A field left as it was keeps its text, and so the line its bytes.
    const RecordFields shown = *fieldsOf(row);
    QList<JournalRecord> records = m_records;
    JournalRecord &changed = records[row];
    if (fields.minutes != shown.minutes)
        changed.minutesText = record->minutesText;
    if (fields.activities.value(fields.activityIndex)
        != shown.activities.value(shown.activityIndex))
        changed.activity = record->activity;
    if (fields.comment != shown.comment)
        changed.comment = record->comment;
    if (!fitsInADay(records))
        return false;
    m_records = records;
    return true;
}

bool JournalEditor::add(const RecordFields &fields)
{
    const std::optional<JournalRecord> record = recordOf(fields);
    if (!record || m_chosen.isEmpty())
        return false;
    QList<JournalRecord> records = m_records;
    records.append(*record);
    if (!fitsInADay(records))
        return false;
    m_records = records;
    return true;
}

void JournalEditor::remove(int row)
{
    if (row >= 0 && row < m_records.size())
        m_records.removeAt(row);
}

bool JournalEditor::save()
{
    if (m_chosen.isEmpty() || !isModified())
        return false;
    const std::optional<QByteArray> rewritten = rewriteJournalDate(m_bytes, m_chosen, m_records);
    QString why;
    const JournalRewrite done = rewritten
        ? m_backups.rewrite(m_bytes, *rewritten, m_clock.now(), &why)
        : JournalRewrite::Changed;
    if (done == JournalRewrite::Failed) {
        warn(tr("Le journal n'a pas été modifié : %1").arg(why));
        return false;
    }
    if (done == JournalRewrite::Changed) {
        const QString date = m_chosen;
        if (reload()) {
            warn(tr("Le journal a changé depuis qu'il a été lu : il vient d'être relu. "
                    "Refaites les corrections du %1.")
                     .arg(date));
        }
        return false;
    }
    reload();
    return true;
}

bool JournalEditor::canUndo() const
{
    return !m_backups.copies().isEmpty();
}

bool JournalEditor::undoLastCorrection()
{
    if (!canUndo())
        return false;
    const QDateTime made = m_backups.newestCopyTime();
    QString text = tr("Le journal va être remis tel qu'il était le %1 à %2, avant la dernière "
                      "correction. Ce qui y a été écrit depuis (une correction, une journée "
                      "clôturée) en sera retiré ; le journal actuel est gardé dans le dossier "
                      "Sauvegardes.")
                       .arg(dateText(made.date()), timeText(made.time()));
    if (isModified())
        text += u' '
            + tr("Les corrections du %1 qui ne sont pas enregistrées seront abandonnées.")
                  .arg(m_chosen);
    text += u' ' + tr("Continuer ?");
    if (!m_questions.confirm(tr("Quillmere - Journal"), text, tr("Oui"), tr("Non")))
        return false;
    QString why;
    const JournalRewrite done = m_backups.restoreNewest(m_clock.now(), &why);
    if (done != JournalRewrite::Done)
        warn(tr("Le journal n'a pas été modifié : %1").arg(why));
    reload();
    return done == JournalRewrite::Done;
}

} // namespace qm
