#include "resources/dialogs/fixed_room_templates.h"

#include "platform/win_types.h"
#include "resources/dialogs/template_controls.h"

using pl::ControlKind;
using pl::ControlTemplate;

namespace {

using templatecontrols::Button;
using templatecontrols::Label;
using templatecontrols::Radio;

constexpr const char* kCaption = "new fixed room";

ControlTemplate Edit(int32_t id, const char* text, int32_t limit, bool sameRow = true) {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = limit + 1, .SameRow = sameRow};
}

void AddSizeRadios(pl::DialogTemplate& t, int32_t first, const char* none) {
    t.Controls.push_back({.Kind = ControlKind::GroupBox});
    const char* texts[] = {none, "show BOTH sizes with arrows", "show HORIZONTAL size with arrows",
                           "show VERTICAL size with arrows"};
    for (int32_t i = 0; i < 4; ++i)
        t.Controls.push_back(Radio(first + i, texts[i], i == 0));
    t.Controls.push_back({.Kind = ControlKind::GroupEnd});
    for (const ControlTemplate& b : {Button(IDOK, "OK"), Button(IDCANCEL, "Cancel"), Button(IDHELP, "Help")})
        t.Controls.push_back(b);
}

pl::DialogTemplate Metric() {
    using namespace fixedroomdlg;
    pl::DialogTemplate t{kCaption,
                         {{.Kind = ControlKind::GroupBox},
                          Label("room name"),
                          Edit(kName, "room", 16),
                          Label("(max of 15 letters/numbers)"),
                          Label("size horizontallly   "),
                          Edit(kHorizontal, " ", 6),
                          Label("size vertically       "),
                          Edit(kVertical, " ", 6)},
                         false};
    AddSizeRadios(t, kSizeFirst, "show NO sizes");
    return t;
}

void AddFeetRow(pl::DialogTemplate& t, const char* label, int32_t first, const char* inches) {
    t.Controls.push_back(Label(label));
    t.Controls.push_back(Edit(first, " ", 4));
    t.Controls.push_back(Edit(first + 1, inches, 4));
    t.Controls.push_back(Edit(first + 2, "0", 4));
    t.Controls.push_back(Label("/", true));
    t.Controls.push_back(Edit(first + 3, "0", 4));
}

pl::DialogTemplate Imperial() {
    using namespace fixedroomdlg;
    pl::DialogTemplate t{kCaption,
                         {{.Kind = ControlKind::GroupBox},
                          Label("room name "),
                          Edit(kImpName, "room", 16),
                          Label("max 15 letters/numbers"),
                          Label("feet        inches")},
                         false};
    AddFeetRow(t, "size horizontally", kImpWidthFeet, " ");
    AddFeetRow(t, "size vertically", kImpWidthFeet + 4, "");
    AddSizeRadios(t, kImpSizeFirst, "show NO room sizes");
    return t;
}

} // namespace

void RegisterFixedRoomDialogTemplates() {
    pl::RegisterDialogTemplate(kFixedRoomDialogId, Metric());
    pl::RegisterDialogTemplate(kFixedRoomImpDialogId, Imperial());
}
