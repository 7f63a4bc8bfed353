#include "resources/dialogs/display_templates.h"

#include "platform/win_types.h"

pl::DialogTemplate OverlayDialogTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "overlays";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "select "},
        {.Id = kOverlayGround, .Kind = ControlKind::CheckBox, .Text = "ground floor"},
        {.Id = kOverlayFirst, .Kind = ControlKind::CheckBox, .Text = "first floor"},
        {.Id = kOverlaySecond, .Kind = ControlKind::CheckBox, .Text = "second floor"},
        {.Kind = ControlKind::GroupEnd},
        {.Kind = ControlKind::Static, .Text = "NOTE: highest floor checked will be the working floor"},
        {.Id = kOverlayDimensions, .Kind = ControlKind::CheckBox, .Text = "show  dimensions"},
        {.Kind = ControlKind::Static, .Text = "on working floor", .SameRow = true},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
    return box;
}

pl::DialogTemplate DisplayModeDialogTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "plan views - display mode";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "external dimensions"},
        {.Id = kDisplayAllDimensions, .Kind = ControlKind::CheckBox, .Text = "show all dimensions"},
        {.Kind = ControlKind::GroupBox, .Text = "show walls as :-"},
        {.Id = kDisplayNormal, .Kind = ControlKind::RadioButton, .Text = "normal", .GroupStart = true},
        {.Id = kDisplayHatched, .Kind = ControlKind::RadioButton, .Text = "cross hatched"},
        {.Id = kDisplaySolid, .Kind = ControlKind::RadioButton, .Text = "solid ( for advertising )"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
    return box;
}

void RegisterDisplayDialogTemplates() {
    pl::RegisterDialogTemplate(kOverlayDialogId, OverlayDialogTemplate());
    pl::RegisterDialogTemplate(kDisplayModeDialogId, DisplayModeDialogTemplate());
}
