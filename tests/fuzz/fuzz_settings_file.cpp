#include "fuzz_input.h"
#include "journal/settings.h"

using namespace qm;
using namespace qm::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputDevice input(data, size);
    SettingsModel model;
    require(readSettings(input, model));
    require(model.currentActivities.count() <= ActivityArray::kCapacity);
    require(model.retiredActivities.count() <= ActivityArray::kCapacity);
    require(model.activityChoices.size() == model.currentActivities.count() + 1);
    require(model.commentChoices.first() == kNoCommentChoice);

    // What the program saves, it loads back unchanged.
    const QByteArray saved = formatSettings(model);
    InputDevice again(saved);
    SettingsModel reloaded;
    require(readSettings(again, reloaded));
    require(formatSettings(reloaded) == saved);
    require(reloaded.activityChoices == model.activityChoices);
    require(reloaded.commentChoices == model.commentChoices);
    return 0;
}
