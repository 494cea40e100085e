#include "fuzz_input.h"
#include "journal/datetime.h"
#include "journal/journal_file.h"
#include "journal/number_reading.h"

#include <QList>

#include <algorithm>

using namespace qm;
using namespace qm::fuzz;

namespace {

void checkRecord(const JournalRecord &record)
{
    for (const QString *field :
        { &record.date, &record.minutesText, &record.activity, &record.comment }) {
        require(!field->contains(u',') && !field->contains(u'\n'));
    }
    // The bytes and the decoded text give the same minutes: only ASCII makes a number.
    const std::int32_t minutes = readRoundedNumber(record.minutesText);
    require(minutes == readRoundedNumber(QByteArrayView(record.minutesText.toUtf8())));
    const std::int32_t floored = readFlooredNumber(record.minutesText);
    require(floored <= minutes && std::int64_t(minutes) - floored <= 1);
    parseJournalDate(record.date.toLatin1());

    // Once written by the program, a record reads back as itself.
    const QByteArray line = formatJournalRecord(record);
    require(parseJournalLine(QByteArrayView(line).chopped(2)) == record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputDevice input(data, size);
    QList<JournalRecord> all;
    require(readJournal(input, [&](const JournalRecord &record) {
        checkRecord(record);
        all.append(record);
    }));

    // The records of one date are exactly those of the whole reading that carry it.
    if (!all.isEmpty()) {
        const QString date = all.first().date;
        InputDevice again(data, size);
        qsizetype matched = 0;
        require(readJournalOfDate(again, date, [&](const JournalRecord &record) {
            require(record.date == date);
            ++matched;
        }));
        require(matched == std::count_if(all.cbegin(), all.cend(), [&](const JournalRecord &r) {
            return r.date == date;
        }));
    }
    return 0;
}
