#include "fuzz_input.h"
#include "journal/day_file.h"

#include <QBuffer>

using namespace qm;
using namespace qm::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputDevice input(data, size);
    DayFileContent content;
    require(readDayFile(input.device(), content));
    require(!content.date.contains(u'\n'));

    // The day file the program would write from it reads back as the same day.
    QByteArray written = formatDayFile(content.date, content.lines);
    QBuffer buffer(&written);
    buffer.open(QIODevice::ReadOnly);
    DayFileContent again;
    require(readDayFile(buffer, again));
    require(again.date == content.date);
    require(again.lines == content.lines);
    return 0;
}
