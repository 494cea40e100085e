#include "fuzz_input.h"
#include "journal/day_file.h"

using namespace qm;
using namespace qm::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputDevice input(data, size);
    DayFileContent content;
    require(readDayFile(input, content));
    require(!content.date.contains(u'\n'));

    // The day file the program would write from it reads back as the same day.
    InputDevice written(formatDayFile(content.date, content.lines));
    DayFileContent again;
    require(readDayFile(written, again));
    require(again.date == content.date);
    require(again.lines == content.lines);
    return 0;
}
