#include "dialogs/opening_dialog_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "dialogs/dialog_building.h"
#include "dialogs/fraction_entry.h"
#include "document/program_state.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "resources/dialogs/opening_templates.h"

namespace openingdialogs {

int32_t WithTemplates(int32_t resId) {
    return dialogs::WithTemplates<RegisterOpeningDialogTemplates>(resId);
}

int32_t ShownLength(double length, int32_t most) {
    // Rounded once, from the length as read: a size converted from millimetres is offered as the
    // inch it is closest to, not as the inch closest to the eighth it was kept as.
    const int32_t shown =
        MetricUnits != 0 ? static_cast<int32_t>(std::lround(length)) : NearestWholeInches(length);
    return std::clamp(shown, kLeastSize, most);
}

int32_t StoredLength(int32_t shown) {
    return MetricUnits == 0 ? shown * kUnitsPerInch : shown;
}

OpeningSettings WrittenBack(OpeningFile file, const OpeningSettings& read, bool sizesUntouched) {
    if (sizesUntouched) return read.AsStored();
    // A size converted from the other units can lie just outside what this drawing's dialogs take.
    OpeningSettings s = read;
    const auto ranges = OpeningRanges(file, MetricUnits);
    for (size_t i = 0; i < ranges.size(); ++i)
        s.values[i] = std::clamp(s.values[i], ranges[i].low, ranges[i].high);
    return s;
}

void CopyLabel(char (&to)[31], const std::string& from) {
    const size_t n = std::min(from.size(), sizeof to - 1);
    std::memcpy(to, from.data(), n);
    to[n] = 0;
}

bool Save(TDialog* dialog, OpeningFile file, const OpeningSettings& settings) {
    if (WriteOpeningSettings(file, settings)) return true;
    const bool window = file == OpeningFile::Window;
    MessageBox(dialog,
               window ? "The window settings could not be saved in CFG/WIND.CFG."
                      : "The door settings could not be saved in CFG/DOOR.CFG.",
               window ? "WINDOWS" : "DOORS", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

} // namespace openingdialogs
