#include "resources/dialogs/file_templates.h"

#include "platform/win_types.h"

using pl::ControlKind;

pl::DialogTemplate NewDrawingDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "new drawing";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "title of drawing"},
        {.Id = kNewNameEdit, .Kind = ControlKind::Edit, .Text = "client", .Limit = kClientNameLimit},
        {.Kind = ControlKind::Static, .Text = "(up to 24 letters - no file extension)"},
        {.Kind = ControlKind::GroupBox, .Text = "start with..."},
        {.Id = kStartRoomsRadio,
         .Kind = ControlKind::RadioButton,
         .Text = "layout design rooms",
         .GroupStart = true},
        {.Id = kStartWallsRadio, .Kind = ControlKind::RadioButton, .Text = "drawing external walls"},
        {.Kind = ControlKind::GroupBox, .Text = "drawing measurements"},
        {.Id = kNewMetricRadio,
         .Kind = ControlKind::RadioButton,
         .Text = "metric dimensions",
         .GroupStart = true},
        {.Id = kNewImperialRadio, .Kind = ControlKind::RadioButton, .Text = "dimensions in feet && inches"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel", .SameRow = true},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help", .SameRow = true},
    };
    return box;
}

pl::DialogTemplate UnitsDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "measuring units";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "select system"},
        {.Id = kUnitsMetricRadio,
         .Kind = ControlKind::RadioButton,
         .Text = "metric - m.m.",
         .GroupStart = true},
        {.Id = kUnitsImperialRadio, .Kind = ControlKind::RadioButton, .Text = "feet && inches"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
    };
    return box;
}

pl::DialogTemplate SaveQuestionDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "save drawing changes ?";
    box.Controls = {
        {.Kind = ControlKind::Static, .Text = "  Do you wish to save the drawing changes?"},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "YES"},
        {.Id = IDNO, .Kind = ControlKind::PushButton, .Text = "NO", .SameRow = true},
    };
    return box;
}

pl::DialogTemplate SaveAsDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "copy drawings";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "copy drawings to new client name"},
        {.Kind = ControlKind::Static, .Text = "new client name"},
        {.Id = kSaveAsNameEdit, .Kind = ControlKind::Edit, .Limit = kClientNameLimit},
        {.Kind = ControlKind::Static, .Text = "(  up to 24 letters - no file extension )"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel", .SameRow = true},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help", .SameRow = true},
    };
    return box;
}

void RegisterFileDialogTemplates() {
    pl::RegisterDialogTemplate(kNewDrawingDialogId, NewDrawingDialogTemplate());
    pl::RegisterDialogTemplate(kUnitsDialogId, UnitsDialogTemplate());
    pl::RegisterDialogTemplate(kSaveQuestionDialogId, SaveQuestionDialogTemplate());
    pl::RegisterDialogTemplate(kSaveAsDialogId, SaveAsDialogTemplate());
}
