#include "resources/dialogs/library_templates.h"

#include "platform/win_types.h"

namespace {

pl::DialogTemplate AddToLibraryTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "new library file";
    box.Controls = {
        {.Kind = ControlKind::Static, .Text = "new file description name"},
        {.Id = kLibraryNameEditId, .Kind = ControlKind::Edit, .Limit = 25},
        {.Kind = ControlKind::Static, .Text = "max 24 letters - no file extension"},
        {.Kind = ControlKind::GroupBox, .Text = "Library File Group"},
        {.Id = kPlumbingRadioId, .Kind = ControlKind::RadioButton, .Text = "Plumbing", .GroupStart = true},
        {.Id = kElectricalRadioId, .Kind = ControlKind::RadioButton, .Text = "Electrical"},
        {.Id = kFurnitureRadioId, .Kind = ControlKind::RadioButton, .Text = "Furniture"},
        {.Id = kMiscellaneousRadioId, .Kind = ControlKind::RadioButton, .Text = "Miscellaneous"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel", .SameRow = true},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help", .SameRow = true},
    };
    return box;
}

pl::DialogTemplate LibraryListTemplate() {
    using pl::ControlKind;
    pl::DialogTemplate box;
    box.Caption = "library files";
    box.Controls = {
        {.Id = kLibraryListBoxId, .Kind = ControlKind::ListBox},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel", .SameRow = true},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help", .SameRow = true},
    };
    return box;
}

} // namespace

void RegisterLibraryDialogTemplates() {
    pl::RegisterDialogTemplate(kAddToLibraryDialogId, AddToLibraryTemplate());
    pl::RegisterDialogTemplate(kLibraryListDialogId, LibraryListTemplate());
}
