#include "resources/dialogs/area_template.h"

#include "platform/win_types.h"

pl::DialogTemplate AreaDialogTemplate() {
    using pl::ControlKind;
    using namespace areadlg;
    const auto label = [](const char* text) {
        return pl::ControlTemplate{.Kind = ControlKind::Static, .Text = text};
    };
    const auto value = [](int32_t id) {
        return pl::ControlTemplate{.Id = id, .Kind = ControlKind::Static, .Text = " ", .SameRow = true};
    };
    pl::DialogTemplate box;
    box.Caption = "floor area";
    box.CloseBox = false;
    box.Controls = {
        {.Kind = ControlKind::GroupBox},
        label("TOTAL floor area"),
        value(kTotal),
        label(" ground floor area"),
        value(kGround),
        label("first floor area"),
        value(kFirst),
        label("second floor area"),
        value(kSecond),
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
    };
    return box;
}

void RegisterAreaDialogTemplate() {
    pl::RegisterDialogTemplate(kAreaDialogId, AreaDialogTemplate());
}
