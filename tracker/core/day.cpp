#include "tracker/core/day.h"

#include "journal/datetime.h"
#include "journal/journal_file.h"
#include "journal/number_reading.h"
#include "journal/text_codec.h"
#include "journal/text_formats.h"
#include "tracker/core/app_state.h"
#include "tracker/core/history_model.h"
#include "tracker/core/questions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace qm {

namespace {

// A Durée cell rebuilt from the minutes text of a file: the text is kept as it was read.
QString durationCellOfText(const QString &minutesText)
{
    return FormatDuration(readRoundedNumber(minutesText)) + QStringLiteral(" =") + minutesText;
}

const QString kErrorTitle = QStringLiteral("Quillmere - Erreur");

} // namespace

bool Day::isHistoryFull() const
{
    return lastRow() >= kMaxDayRows;
}

QDateTime dateTimeOfDay(const QString &dayDate, QStringView time)
{
    const auto date = parseUserDate(dayDate);
    const auto clock = parseUserTime(time);
    if (!date || !clock)
        return {};
    return makeDateTime(*date, *clock);
}

Day::Day(AppState &state, HistoryModel &history, const Clock &clock, Questions &questions)
    : m_state(state)
    , m_history(history)
    , m_clock(clock)
    , m_questions(questions)
{ }

void Day::resetHistory(const QString &layout)
{
    m_state.dayActivityCount = 0;
    m_state.historyRowOffset = 0;
    m_history.reset(layout);
}

int Day::lastRow() const
{
    return m_state.historyRowOffset + m_state.dayActivityCount;
}

void Day::addToTotals(std::int32_t minutes, const QString &activity, int sign)
{
    // A hand-edited journal can hold any minutes: the sum must neither overflow nor wrap.
    const auto add = [change = std::int64_t(sign) * minutes](std::int32_t &total) {
        total = std::int32_t(std::clamp<std::int64_t>(total + change,
            std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    };
    add(m_state.dayTotalMinutes);
    if (activity != kPauseActivity)
        add(m_state.dayTotalWithoutPauseMinutes);
}

JournalRows Day::LoadDayFromJournal()
{
    bool matched = false;
    const FileRead read
        = readJournalOfDate(m_state.journalPath, m_state.dayDate, [&](const JournalRecord &record) {
              if (lastRow() >= kMaxDayRows)
                  return;
              matched = true;
              ++m_state.historyRowOffset;
              const int row = lastRow();
              m_history.appendRow({ kInLogText.toString(), durationCellOfText(record.minutesText),
                                      record.activity, record.comment },
                  true);
              m_history.showAsLastVisible(row);
              addToTotals(readRoundedNumber(record.minutesText), record.activity);
          });
    if (read == FileRead::Unreadable)
        return JournalRows::Unreadable;
    return matched ? JournalRows::Shown : JournalRows::None;
}

bool Day::WriteDayToJournal()
{
    if (m_state.dayActivityCount < 1)
        return true;
    QList<JournalRecord> records;
    for (int k = 1; k <= m_state.dayActivityCount; ++k) {
        const int row = m_state.historyRowOffset + k;
        const QString activity = m_history.cell(row, HistoryModel::ActivityColumn);
        if (activity == kPauseActivity)
            continue;
        records.append(JournalRecord { m_state.dayDate,
            minutesTextOfCell(m_history.cell(row, HistoryModel::DurationColumn)).toString(),
            activity, m_history.cell(row, HistoryModel::CommentColumn) });
    }
    const QFileInfo journal(m_state.journalPath);
    const qint64 sizeBefore = journal.isFile() ? journal.size() : -1;
    if (!appendToJournal(m_state.journalPath, records)) {
        // Part of the lines may have reached the file: take them back, so that closing the
        // day again once the disk is fixed does not log them twice.
        if (sizeBefore >= 0)
            QFile::resize(m_state.journalPath, sizeBefore);
        else if (QFileInfo(m_state.journalPath).isFile())
            QFile::remove(m_state.journalPath);
        m_questions.warn(kErrorTitle,
            QStringLiteral("Le log n'a pas pu être écrit (%1).\nLa journée reste "
                           "enregistrée dans le fichier %2 et vous sera proposée au "
                           "prochain démarrage.")
                .arg(m_state.journalPath, m_state.dayFilePath));
        return false;
    }
    if (!removeDayFile(m_state.dayFilePath)) {
        // The journal holds the day now: recovering the day file would log it twice.
        m_questions.warn(kErrorTitle,
            QStringLiteral("La journée est enregistrée dans le log, mais le fichier "
                           "%1 n'a pas pu être supprimé.\nSupprimez-le avant le "
                           "prochain démarrage pour ne pas l'enregistrer deux fois.")
                .arg(m_state.dayFilePath));
    }
    return true;
}

FileRead Day::ReadDayFileDate()
{
    QString date;
    const FileRead read = readDayFileDate(m_state.dayFilePath, date);
    if (read != FileRead::Read)
        return read;
    // The date goes into every journal record of the day: it must be one that the journal's
    // readers take for a date, or the statistics would skip the whole day. A date line that is
    // not would leave no day to log: the day stays today's, and the file's lines are still
    // offered.
    const QDate parsed = parseJournalDate(encodeText(date));
    if (parsed.isValid()) {
        m_state.dayDate = date;
        m_state.currentStart = makeDateTime(parsed, m_clock.now().time());
    }
    return read;
}

FileRead Day::LoadDayFile()
{
    DayFileContent content;
    const FileRead read = readDayFile(m_state.dayFilePath, content);
    if (read != FileRead::Read)
        return read;
    for (const DayLine &line : content.lines) {
        if (lastRow() >= kMaxDayRows)
            break;
        ++m_state.dayActivityCount;
        const int row = lastRow();
        m_history.appendRow(
            { line.start, durationCellOfText(line.minutesText), line.activity, line.comment },
            false);
        m_history.showAsLastVisible(row);
        addToTotals(readRoundedNumber(line.minutesText), line.activity);
    }
    if (m_state.dayActivityCount < 1)
        return read;
    const int row = lastRow();
    m_state.currentActivity = m_history.cell(row, HistoryModel::ActivityColumn);
    m_state.currentComment = m_history.cell(row, HistoryModel::CommentColumn);
    const QDateTime start
        = dateTimeOfDay(m_state.dayDate, m_history.cell(row, HistoryModel::StartColumn));
    if (start.isValid())
        m_state.currentStart = start;
    m_state.currentDuration
        = readRoundedNumber(minutesTextOfCell(m_history.cell(row, HistoryModel::DurationColumn)));
    return read;
}

void Day::CloseRunningActivity()
{
    if (m_state.dayActivityCount < 1 || m_state.currentDuration != -1)
        return;
    m_state.currentDuration = ElapsedMinutes(m_state.currentStart, m_state.changeTime);
    m_history.setCell(
        lastRow(), HistoryModel::DurationColumn, DurationCellText(m_state.currentDuration));
    addToTotals(m_state.currentDuration, m_state.currentActivity);
}

void Day::RecordChange()
{
    ++m_state.dayActivityCount;
    const int row = lastRow();
    const bool running = m_state.currentDuration == -1;
    m_history.appendRow(
        { timeText(m_state.changeTime.time()),
            running ? kRunningText.toString() : DurationCellText(m_state.currentDuration),
            m_state.currentActivity, m_state.currentComment },
        false);
    m_history.showAsLastVisible(row);
    if (m_state.dayActivityCount < 2 && running)
        return;
    writeDayLines(running ? m_state.dayActivityCount - 1 : m_state.dayActivityCount);
}

void Day::deleteLastActivity()
{
    if (m_state.dayActivityCount < 1)
        return;
    int row = lastRow();
    if (m_state.currentDuration != -1)
        addToTotals(m_state.currentDuration, m_history.cell(row, HistoryModel::ActivityColumn), -1);
    m_history.removeLastRow();
    --m_state.dayActivityCount;
    --row;
    if (row > m_state.historyRowOffset) {
        m_state.currentActivity = m_history.cell(row, HistoryModel::ActivityColumn);
        m_state.currentComment = m_history.cell(row, HistoryModel::CommentColumn);
        const QDateTime start
            = dateTimeOfDay(m_state.dayDate, m_history.cell(row, HistoryModel::StartColumn));
        if (start.isValid())
            m_state.currentStart = start;
        m_state.currentDuration = readRoundedNumber(
            minutesTextOfCell(m_history.cell(row, HistoryModel::DurationColumn)));
    } else {
        m_state.currentActivity = kStartActivity.toString();
        m_state.currentComment.clear();
        m_state.currentStart = m_state.changeTime;
        m_state.currentDuration = -1;
    }
    if (m_state.dayActivityCount != 0) {
        writeDayLines(m_state.dayActivityCount);
    } else if (!removeDayFile(m_state.dayFilePath)) {
        m_questions.warn(kErrorTitle,
            QStringLiteral("Le fichier %1 n'a pas pu être supprimé.").arg(m_state.dayFilePath));
    }
}

bool Day::saveDayFile()
{
    const int count
        = m_state.currentDuration == -1 ? m_state.dayActivityCount - 1 : m_state.dayActivityCount;
    return count < 1 || writeDayLines(count);
}

QList<DayLine> Day::dayLines(int count) const
{
    QList<DayLine> lines;
    lines.reserve(count);
    for (int k = 1; k <= count; ++k) {
        const int row = m_state.historyRowOffset + k;
        lines.append(DayLine { m_history.cell(row, HistoryModel::StartColumn),
            minutesTextOfCell(m_history.cell(row, HistoryModel::DurationColumn)).toString(),
            m_history.cell(row, HistoryModel::ActivityColumn),
            m_history.cell(row, HistoryModel::CommentColumn) });
    }
    return lines;
}

bool Day::writeDayLines(int count)
{
    if (writeDayFile(m_state.dayFilePath, m_state.dayDate, dayLines(count)))
        return true;
    m_questions.warn(kErrorTitle,
        QStringLiteral("Le fichier de la journée %1 n'a pas pu être écrit.\nLes "
                       "dernières activités ne pourront pas être récupérées si "
                       "Quillmere s'arrête avant la clôture de la journée.")
            .arg(m_state.dayFilePath));
    return false;
}

} // namespace qm
