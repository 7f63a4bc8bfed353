#include "resources/register_resources.h"

#include "platform/resources.h"
#include "resources/command_texts.h"
#include "resources/control_bar_layout.h"
#include "resources/glyphs.h"
#include "resources/main_menu.h"

namespace res {

namespace {

TMenuTable MenuTable() {
    TMenuTable table;
    for (const auto& popup : MainMenu()) {
        TMenuPopup converted{popup.Caption, {}};
        for (const auto& item : popup.Items)
            converted.Items.push_back(TMenuItem{item.Command, item.Text});
        table.push_back(std::move(converted));
    }
    return table;
}

} // namespace

void RegisterProgramResources() {
    pl::RegisterMenu(kMainMenuId, MenuTable());
    for (const auto& text : CommandTexts())
        pl::RegisterString(text.Id, text.HintAndTip);
    for (const auto& gadget : ControlBarLayout())
        if (gadget.Kind == GadgetKind::Button) pl::RegisterBitmap(gadget.Bitmap, Glyph(gadget.Bitmap));
    pl::RegisterIcon(kProgramIconId, ProgramIcon());
}

} // namespace res
