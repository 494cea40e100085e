#include "fuzz_input.h"
#include "journal/settings.h"

#include <QBuffer>

using namespace qm;
using namespace qm::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    InputDevice input(data, size);
    SettingsModel model;
    require(readSettings(input.device(), model));
    require(model.currentActivities.count() <= ActivityArray::kCapacity);
    require(model.retiredActivities.count() <= ActivityArray::kCapacity);
    require(model.activityChoices.size() == model.currentActivities.count() + 1);
    require(model.commentChoices.first() == kNoCommentChoice);

    // What the program saves, it loads back unchanged.
    QByteArray saved = formatSettings(model);
    QBuffer buffer(&saved);
    buffer.open(QIODevice::ReadOnly);
    SettingsModel reloaded;
    require(readSettings(buffer, reloaded));
    require(formatSettings(reloaded) == saved);
    require(reloaded.activityChoices == model.activityChoices);
    require(reloaded.commentChoices == model.commentChoices);
    return 0;
}
