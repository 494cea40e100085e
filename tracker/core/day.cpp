#include "tracker/core/day.h"

#include "journal/datetime.h"
#include "journal/file_reading.h"
#include "journal/journal_file.h"
#include "journal/number_reading.h"
#include "journal/settings.h"
#include "journal/text_codec.h"
#include "journal/text_formats.h"
#include "tracker/core/history_model.h"
#include "tracker/core/program_files.h"
#include "tracker/core/questions.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace qm {

namespace {

// A Durée cell rebuilt from the minutes text of a file: the text is kept as it was read.
QString durationCellOfText(const QString &minutesText)
{
    return formatDuration(readRoundedNumber(minutesText)) + QStringLiteral(" =") + minutesText;
}

// What a close writes of the day's activities: each as a journal record, but the pauses.
QList<JournalRecord> journalRecordsOf(const QString &date, const QList<DayLine> &lines)
{
    QList<JournalRecord> records;
    for (const DayLine &line : lines) {
        if (line.activity != kPauseActivity)
            records.append({ date, line.minutesText, line.activity, line.comment });
    }
    return records;
}

// What the user is told when a close did not simply succeed: %1 is the journal, %2 the day file.
QString closingWarning(ClosingOutcome outcome)
{
    switch (outcome) {
    case ClosingOutcome::Closed:
        break;
    case ClosingOutcome::JournalUnchanged:
        return QCoreApplication::translate("qm::Day",
            "Le log n'a pas pu être écrit (%1).\nLa journée reste enregistrée "
            "dans le fichier %2 et vous sera proposée au prochain démarrage.");
    case ClosingOutcome::JournalDamaged:
        return QCoreApplication::translate("qm::Day",
            "Le log n'a pas pu être écrit (%1), et ce qui en a été écrit n'a "
            "pas pu être retiré.\nLa journée reste enregistrée dans le fichier "
            "%2 : Quillmere remettra le log en ordre à la prochaine clôture ou "
            "au prochain démarrage, sans enregistrer la journée deux fois.");
    case ClosingOutcome::DayFileKept:
        return QCoreApplication::translate("qm::Day",
            "La journée est enregistrée dans le log %1, mais le fichier %2 n'a "
            "pas pu être supprimé.\nQuillmere s'arrête : au prochain "
            "démarrage, il reconnaîtra cette journée et ne l'enregistrera pas "
            "deux fois.");
    }
    return {};
}

// What the user is told of a close that a crash had cut short.
QString settlementNotice(const InterruptedClose &close, const ProgramFiles &files)
{
    switch (close.settlement) {
    case Settlement::NothingPending:
        break;
    case Settlement::Finished:
        return QCoreApplication::translate("qm::Day",
            "La clôture de la journée du %1 n'avait pas pu aller à son terme "
            "(arrêt de Quillmere ou de l'ordinateur, ou erreur d'un fichier "
            "signalée alors).\nElle est maintenant terminée : la journée est "
            "enregistrée une seule fois dans le log.")
            .arg(close.dayDate);
    case Settlement::TakenBack:
        return QCoreApplication::translate("qm::Day",
            "La clôture de la journée du %1 avait échoué, puis la journée a "
            "continué.\nCe que cette clôture avait écrit dans le log en a été "
            "retiré : la journée y sera enregistrée une seule fois, à sa "
            "clôture.")
            .arg(close.dayDate);
    case Settlement::JournalChanged:
        return QCoreApplication::translate("qm::Day",
            "La clôture de la journée du %1 a été interrompue, et le log %2 a "
            "changé depuis.\nLe log n'a pas été modifié : vérifiez qu'il ne "
            "contient pas cette journée deux fois.")
            .arg(close.dayDate, files.journalPath);
    case Settlement::Failed:
        return QCoreApplication::translate("qm::Day",
            "Une clôture de journée interrompue n'a pas pu être terminée "
            "(fichiers %1, %2 et %3).\nQuillmere s'arrête sans rien écrire : "
            "vérifiez que ces fichiers peuvent être lus et que leur dossier est "
            "accessible en écriture, puis relancez Quillmere.")
            .arg(files.closingFilePath, files.journalPath, files.dayFilePath);
    }
    return {};
}

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

Day::Day(const ProgramFiles &files, HistoryModel &history, const Clock &clock, Questions &questions)
    : m_files(files)
    , m_history(history)
    , m_clock(clock)
    , m_questions(questions)
{ }

QDateTime Day::now() const
{
    return m_clock.now();
}

void Day::begin(const QDateTime &start, const QString &layout)
{
    m_state.m_currentActivity = kStartActivity.toString();
    m_state.m_currentComment.clear();
    m_state.m_currentDuration = DayState::kRunning;
    m_state.m_dayTotalMinutes = 0;
    m_state.m_dayTotalWithoutPauseMinutes = 0;
    chooseDay(start);
    resetHistory(layout);
}

void Day::chooseDay(const QDateTime &start)
{
    m_state.m_dayDate = dateText(start.date());
    m_state.m_currentStart = start;
}

void Day::setChangeTime(const QDateTime &time)
{
    m_state.m_changeTime = time;
}

void Day::changeTo(const QString &activity, const QString &comment, std::int32_t duration)
{
    closeRunningActivity();
    m_state.m_currentActivity = activity;
    m_state.m_currentComment = comment;
    m_state.m_currentStart = m_state.m_changeTime;
    m_state.m_currentDuration = duration;
    recordChange();
    if (!m_state.isRunning())
        addToTotals(m_state.m_currentDuration, activity);
}

void Day::resetHistory(const QString &layout)
{
    m_state.m_dayActivityCount = 0;
    m_state.m_historyRowOffset = 0;
    m_lines.clear();
    m_history.reset(layout);
}

int Day::lastRow() const
{
    return m_state.m_historyRowOffset + m_state.m_dayActivityCount;
}

void Day::addToTotals(std::int32_t minutes, const QString &activity, int sign)
{
    // A hand-edited journal can hold any minutes: the sum must neither overflow nor wrap.
    const auto add = [change = std::int64_t(sign) * minutes](std::int32_t &total) {
        total = std::int32_t(std::clamp<std::int64_t>(total + change,
            std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    };
    add(m_state.m_dayTotalMinutes);
    if (activity != kPauseActivity)
        add(m_state.m_dayTotalWithoutPauseMinutes);
}

JournalRows Day::loadDayFromJournal()
{
    bool matched = false;
    const FileRead read = readJournalOfDate(
        m_files.journalPath, m_state.m_dayDate, [&](const JournalRecord &record) {
            if (lastRow() >= kMaxDayRows)
                return;
            matched = true;
            ++m_state.m_historyRowOffset;
            const int row = lastRow();
            m_history.appendRow({ inLogCellText(), durationCellOfText(record.minutesText),
                                    record.activity, record.comment },
                true);
            m_history.showAsLastVisible(row);
            addToTotals(readRoundedNumber(record.minutesText), record.activity);
        });
    if (read == FileRead::Unreadable)
        return JournalRows::Unreadable;
    return matched ? JournalRows::Shown : JournalRows::None;
}

ClosingFiles Day::closingFiles() const
{
    return { m_files.journalPath, m_files.dayFilePath, m_files.closingFilePath };
}

QList<JournalRecord> Day::journalRecords() const
{
    return journalRecordsOf(m_state.m_dayDate, dayLines(m_state.m_dayActivityCount));
}

ClosingOutcome Day::writeDayToJournal()
{
    if (m_state.m_dayActivityCount < 1)
        return ClosingOutcome::Closed;
    const QList<JournalRecord> records = journalRecords();
    // An earlier close of this run may have left part of the day in the journal.
    switch (qm::settleInterruptedClose(closingFiles(), records).settlement) {
    case Settlement::Finished:
        return ClosingOutcome::Closed;
    case Settlement::Failed:
        m_questions.warn(errorTitle(),
            QCoreApplication::translate("qm::Day",
                "Le log %1 n'a pas pu être remis en ordre après l'échec de la "
                "clôture précédente.\nLa journée reste enregistrée dans le fichier "
                "%2.")
                .arg(m_files.journalPath, m_files.dayFilePath));
        return ClosingOutcome::JournalDamaged;
    case Settlement::NothingPending:
    case Settlement::TakenBack:
    case Settlement::JournalChanged:
        break;
    }
    const ClosingOutcome outcome = closeDayIntoJournal(closingFiles(), records);
    if (const QString warning = closingWarning(outcome); !warning.isEmpty())
        m_questions.warn(errorTitle(), warning.arg(m_files.journalPath, m_files.dayFilePath));
    return outcome;
}

bool Day::settleInterruptedClose()
{
    // Only a record the system says is not there means no close is pending.
    if (sizeOrAbsent(m_files.closingFilePath) == -1)
        return true;
    std::optional<QList<JournalRecord>> day;
    DayFileContent content;
    InterruptedClose close { Settlement::Failed, {} };
    switch (readDayFile(m_files.dayFilePath, content)) {
    case FileRead::Missing:
        close = qm::settleInterruptedClose(closingFiles(), day);
        break;
    case FileRead::Unreadable:
        break;
    case FileRead::Read:
        day = journalRecordsOf(content.date, content.lines);
        close = qm::settleInterruptedClose(closingFiles(), day);
        break;
    }
    if (close.settlement == Settlement::NothingPending)
        return true;
    const bool settled = close.settlement != Settlement::Failed;
    const QString notice = settlementNotice(close, m_files);
    if (close.settlement == Settlement::Finished || close.settlement == Settlement::TakenBack)
        m_questions.inform(
            QCoreApplication::translate("qm::Day", "Quillmere - Clôture de la journée"), notice);
    else
        m_questions.warn(errorTitle(), notice);
    return settled;
}

FileRead Day::readDayFileDate()
{
    QString date;
    const FileRead read = readDayFileDateLine(m_files.dayFilePath, date);
    if (read != FileRead::Read)
        return read;
    // The date goes into every journal record of the day: it must be one that the journal's
    // readers take for a date, or the statistics would skip the whole day. A date line that is
    // not would leave no day to log: the day stays today's, and the file's lines are still
    // offered.
    const QDate parsed = parseJournalDate(encodeText(date));
    if (parsed.isValid()) {
        m_state.m_dayDate = date;
        m_state.m_currentStart = makeDateTime(parsed, m_clock.now().time());
    }
    return read;
}

FileRead Day::loadDayFile()
{
    DayFileContent content;
    const FileRead read = readDayFile(m_files.dayFilePath, content);
    if (read != FileRead::Read)
        return read;
    for (const DayLine &line : content.lines) {
        if (lastRow() >= kMaxDayRows)
            break;
        appendLine(line, false);
        m_history.showAsLastVisible(lastRow());
    }
    if (!m_lines.isEmpty())
        resumeAfter(m_lines.last());
    return read;
}

void Day::appendLine(const DayLine &line, bool running)
{
    ++m_state.m_dayActivityCount;
    m_lines.append(line);
    m_history.appendRow(
        { line.start, running ? runningCellText() : durationCellOfText(line.minutesText),
            line.activity, line.comment },
        false);
    if (!running)
        addToTotals(readRoundedNumber(line.minutesText), line.activity);
}

void Day::resumeAfter(const DayLine &line)
{
    m_state.m_currentActivity = line.activity;
    m_state.m_currentComment = line.comment;
    const QDateTime start = dateTimeOfDay(m_state.m_dayDate, line.start);
    if (start.isValid())
        m_state.m_currentStart = start;
    m_state.m_currentDuration = readRoundedNumber(line.minutesText);
}

void Day::closeRunningActivity()
{
    if (m_state.m_dayActivityCount < 1 || !m_state.isRunning())
        return;
    m_state.m_currentDuration = elapsedMinutes(m_state.m_currentStart, m_state.m_changeTime);
    m_lines.last().minutesText = numberText(m_state.m_currentDuration);
    m_history.setCell(
        lastRow(), HistoryModel::DurationColumn, durationCellText(m_state.m_currentDuration));
    addToTotals(m_state.m_currentDuration, m_state.m_currentActivity);
}

void Day::recordChange()
{
    ++m_state.m_dayActivityCount;
    const int row = lastRow();
    const bool running = m_state.isRunning();
    m_lines.append({ timeText(m_state.m_changeTime.time()),
        running ? QString() : numberText(m_state.m_currentDuration), m_state.m_currentActivity,
        m_state.m_currentComment });
    m_history.appendRow(
        { timeText(m_state.m_changeTime.time()),
            running ? runningCellText() : durationCellText(m_state.m_currentDuration),
            m_state.m_currentActivity, m_state.m_currentComment },
        false);
    m_history.showAsLastVisible(row);
    if (m_state.m_dayActivityCount < 2 && running)
        return;
    writeDayLines(running ? m_state.m_dayActivityCount - 1 : m_state.m_dayActivityCount);
}

void Day::deleteLastActivity()
{
    if (m_state.m_dayActivityCount < 1)
        return;
    if (!m_state.isRunning())
        addToTotals(m_state.m_currentDuration, m_lines.last().activity, -1);
    m_history.removeLastRow();
    --m_state.m_dayActivityCount;
    const QString deletedStart = m_lines.takeLast().start;
    if (!m_lines.isEmpty()) {
        resumeAfter(m_lines.last());
    } else {
        // The day starts again where the activity taken back began: the change time may lie
        // in the next day, and the day would then ask to be closed with nothing in it.
        const QDateTime start = dateTimeOfDay(m_state.m_dayDate, deletedStart);
        m_state.m_currentActivity = kStartActivity.toString();
        m_state.m_currentComment.clear();
        m_state.m_currentStart = start.isValid() ? start : m_state.m_changeTime;
        m_state.m_currentDuration = DayState::kRunning;
    }
    if (m_state.m_dayActivityCount != 0) {
        writeDayLines(m_state.m_dayActivityCount);
    } else if (!removeDayFile(m_files.dayFilePath)) {
        m_questions.warn(errorTitle(),
            QCoreApplication::translate("qm::Day", "Le fichier %1 n'a pas pu être supprimé.")
                .arg(m_files.dayFilePath));
    }
}

void Day::replaceLines(QList<DayLine> lines)
{
    const bool running = m_state.isRunning() && m_state.m_dayActivityCount > 0;
    // A correction keeps the running activity where it is, the last of the day.
    if (lines.isEmpty() || (running && lines.last() != m_lines.last()))
        return;
    // The day's rows go, the journal's stay; the running activity has no minutes in the totals.
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (!running || i + 1 < m_lines.size())
            addToTotals(readRoundedNumber(m_lines.at(i).minutesText), m_lines.at(i).activity, -1);
        m_history.removeLastRow();
    }
    m_lines.clear();
    m_state.m_dayActivityCount = 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        appendLine(lines.at(i), running && i + 1 == lines.size());
    m_history.showAsLastVisible(lastRow());
    if (!running)
        resumeAfter(m_lines.last());
    saveDayFile();
}

bool Day::saveDayFile()
{
    const int count
        = m_state.isRunning() ? m_state.m_dayActivityCount - 1 : m_state.m_dayActivityCount;
    return count < 1 || writeDayLines(count);
}

QList<DayLine> Day::dayLines(int count) const
{
    return m_lines.first(count);
}

bool Day::writeDayLines(int count)
{
    if (writeDayFile(m_files.dayFilePath, m_state.m_dayDate, dayLines(count)))
        return true;
    m_questions.warn(errorTitle(),
        QCoreApplication::translate("qm::Day",
            "Le fichier de la journée %1 n'a pas pu être écrit.\nLes "
            "dernières activités ne pourront pas être récupérées si "
            "Quillmere s'arrête avant la clôture de la journée.")
            .arg(m_files.dayFilePath));
    return false;
}

} // namespace qm
