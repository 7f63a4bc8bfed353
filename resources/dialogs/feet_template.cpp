#include "resources/dialogs/feet_template.h"

#include "platform/win_types.h"

pl::DialogTemplate FeetDialogTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "measurement";
    box.Controls = {
        {.Kind = ControlKind::Static, .Text = "length"},
        {.Kind = ControlKind::Static, .Text = "feet            inches"},
        {.Id = kFeetEditId, .Kind = ControlKind::Edit, .Text = "0", .Limit = 6},
        {.Id = kInchesEditId, .Kind = ControlKind::Edit, .Text = "0", .Limit = 7, .SameRow = true},
        {.Id = kNumeratorEditId, .Kind = ControlKind::Edit, .Text = "0", .Limit = 4, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "/", .SameRow = true},
        {.Id = kDenominatorEditId, .Kind = ControlKind::Edit, .Text = "0", .Limit = 4, .SameRow = true},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel", .SameRow = true},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help", .SameRow = true},
    };
    return box;
}

void RegisterFeetDialogTemplate() {
    pl::RegisterDialogTemplate(kFeetDialogId, FeetDialogTemplate());
}
