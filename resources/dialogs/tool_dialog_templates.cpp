#include "resources/dialogs/tool_dialog_templates.h"

#include "platform/win_types.h"
#include "resources/dialogs/template_controls.h"

using pl::ControlKind;
using pl::ControlTemplate;
using pl::kNoControlId;

namespace {

using templatecontrols::Button;
using templatecontrols::Label;
using templatecontrols::Radio;

ControlTemplate Group(const char* text) {
    return {.Kind = ControlKind::GroupBox, .Text = text};
}

ControlTemplate Edit(int32_t id, const char* text, int32_t limit, bool sameRow = false) {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = limit, .SameRow = sameRow};
}

} // namespace

pl::DialogTemplate LineStyleDialogTemplate() {
    using namespace tooldlg;
    return {"drawing tool style",
            {Group("tool line style"),
             Radio(kSolidThin, "solid thin line", true),
             Radio(kSolidThick, "solid thick line"),
             Radio(kDashedThin, "dashed thin line"),
             Radio(kDottedThin, "dotted thin line"),
             Radio(kDotDashThin, "dot dash thin line"),
             {.Kind = ControlKind::GroupEnd},
             Button(IDOK, "OK"),
             Button(IDCANCEL, "Cancel")}};
}

pl::DialogTemplate TextDetailsDialogTemplate() {
    using namespace tooldlg;
    return {"text details",
            {Group("text alignment"),
             Radio(kCentred, "cursor is centre point of text", true),
             Radio(kToRight, "text goes to right of cursor"),
             Group("text direction"),
             Radio(kHorizontal, "horizontal text", true),
             Radio(kVertical, "vertical text"),
             Group("currewnt font details"),
             Label("font is "),
             {.Id = kFontName, .Kind = ControlKind::Static, .Limit = 32, .SameRow = true},
             Label("weight"),
             {.Id = kFontWeight, .Kind = ControlKind::Static, .Limit = 10, .SameRow = true},
             Label("pointsize"),
             {.Id = kPointSize, .Kind = ControlKind::Static, .Limit = 5, .SameRow = true},
             {.Kind = ControlKind::GroupEnd},
             Button(IDOK, "OK"),
             Button(IDCANCEL, "Cancel"),
             Button(IDHELP, "Help")}};
}

pl::DialogTemplate LineTextDialogTemplate() {
    using namespace tooldlg;
    return {"line text",
            {Edit(kLineText, "", 22), Radio(kLeftOrAbove, "text to the LEFT or ABOVE line", true),
             Radio(kRightOrBelow, "text to the RIGHT or BELOW line"), Button(IDOK, "OK"),
             Button(IDCANCEL, "Cancel"), Button(IDHELP, "Help")}};
}

void RegisterToolDialogTemplates() {
    pl::RegisterDialogTemplate(kLineStyleDialogId, LineStyleDialogTemplate());
    pl::RegisterDialogTemplate(kTextDetailsDialogId, TextDetailsDialogTemplate());
    pl::RegisterDialogTemplate(kLineTextDialogId, LineTextDialogTemplate());
}
