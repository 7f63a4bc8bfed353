// Dialog templates: each dialog of the program is described by a table of controls, registered under
// its resource id before the dialog is first built. No coordinates exist: the layer lays the controls
// out itself (a vertical form, group boxes holding the controls that follow them, push buttons in a
// row at the bottom), so the table only says what is there, in reading order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pl {

enum class ControlKind {
    Static,   // a text label; may carry an id so the program can rewrite it
    GroupBox, // a titled frame: the controls after it go inside, up to GroupEnd or the next GroupBox
    GroupEnd, // closes the open group box (makes no control)
    Edit,     // one-line edit; Limit counts the terminating zero as the program's buffers do
    RadioButton,
    CheckBox,
    ListBox,
    PushButton, // IDOK 1, IDCANCEL 2, IDNO 7, IDHELP 9, or any other id (reaches TDialog::EvCommand)
    EtchedLine, // a horizontal separator
    Icon,       // a static picture: Text names nothing; the picture registered under IconId is shown
};

// The id of controls the program never addresses.
constexpr int32_t kNoControlId = -1;

struct ControlTemplate {
    int32_t Id = kNoControlId;
    ControlKind Kind = ControlKind::Static;
    std::string Text;        // verbatim, odd blanks and all; "&&" shows one '&'
    int32_t Limit = 0;       // edits: text limit counting the terminator (0: none)
    bool GroupStart = false; // radio buttons: starts a new exclusive group (as WS_GROUP); labels,
                             // separators and icons between radios do not end a group
    bool SameRow = false;    // placed to the right of the previous control instead of below it
    bool Sorted = false;     // list boxes: keep the strings sorted
    int32_t IconId = 0;      // icons: the picture's resource id
};

struct DialogTemplate {
    std::string Caption;
    std::vector<ControlTemplate> Controls;
    bool CloseBox = true; // a title-bar close box (Escape cancels either way)
};

// The program fills the registry at start-up (and tests with their own templates). Registering an id
// again replaces its template.
void RegisterDialogTemplate(int32_t resId, DialogTemplate dialogTemplate);

// Null when no template is registered under the id.
const DialogTemplate* FindDialogTemplate(int32_t resId);

} // namespace pl
