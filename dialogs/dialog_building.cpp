#include "dialogs/dialog_building.h"

#include "platform/controls.h"
#include "platform/validators.h"

namespace dialogs {

TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t limit, int32_t low, int32_t high) {
    auto* edit = new TEdit(dialog, id, limit);
    edit->SetValidator(new TRangeValidator(low, high));
    return edit;
}

} // namespace dialogs
