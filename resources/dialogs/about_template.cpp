#include "resources/dialogs/about_template.h"

#include "platform/win_types.h"

pl::DialogTemplate AboutDialogTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "About TREVALYN";
    box.Controls = {
        {.Kind = ControlKind::Static, .Text = "TREVALYN v6.1"},
        {.Kind = ControlKind::Static, .Text = "Floor plans for houses: walls, rooms, doors and windows,"},
        {.Kind = ControlKind::Static, .Text = "drawn to scale in millimetres or in feet and inches."},
        {.Kind = ControlKind::EtchedLine},
        {.Kind = ControlKind::Static, .Text = "Drawings are kept in DWGS, symbol libraries in LIBS and"},
        {.Kind = ControlKind::Static, .Text = "settings in CFG, beside the program."},
        {.Kind = ControlKind::Static, .Text = "Press F1 in a drawing window for help on the current step."},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
    };
    return box;
}

void RegisterAboutDialogTemplate() {
    pl::RegisterDialogTemplate(kAboutDialogId, AboutDialogTemplate());
}
