#include "resources/dialogs/wall_templates.h"

#include "platform/win_types.h"

namespace {

using pl::ControlKind;
using pl::ControlTemplate;

ControlTemplate Radio(int32_t id, const char* text, bool first = false) {
    return {.Id = id, .Kind = ControlKind::RadioButton, .Text = text, .GroupStart = first};
}

ControlTemplate Edit(int32_t id, int32_t limit, const char* text = "", bool sameRow = false) {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = limit, .SameRow = sameRow};
}

ControlTemplate Label(const char* text, bool sameRow = true) {
    return {.Kind = ControlKind::Static, .Text = text, .SameRow = sameRow};
}

// An inches edit with its fraction, numerator "/" denominator, on one row.
void AddInchesRow(std::vector<ControlTemplate>& controls, int32_t inchesId, const char* label) {
    controls.push_back(Label(label, false));
    controls.push_back(Edit(inchesId, 5, " "));
    controls.push_back(Edit(inchesId + 1, 3, "0", true));
    controls.push_back(Label("/"));
    controls.push_back(Edit(inchesId + 2, 3, "0", true));
}

void AddOkHelp(std::vector<ControlTemplate>& controls) {
    controls.push_back({.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"});
    controls.push_back({.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"});
}

} // namespace

pl::DialogTemplate PlanDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "external wall";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "external wall"},
        Radio(kPlanCustom, "custom wall - your sizes (max 4 lines)", true),
        Radio(kPlanCavity275, "cavity brick - 275 m.m (4 lines)"),
        Radio(kPlanSolid230, "solid brick - 230 m.m  (2 lines)"),
        Radio(kPlanVeneer240, "brick veneer = 240 m.m (4 lines)"),
        Radio(kPlanWalling200, "200 m.m walling (2 lines)"),
        Radio(kPlanWalling150, "150 m.m walling (2 lines)"),
        Radio(kPlanWalling100, "100 m.m walling (2 lines)"),
        Radio(kPlanWalling75, "75 m.m walling (2 lines)"),
        {.Kind = ControlKind::GroupEnd},
    };
    AddOkHelp(box.Controls);
    return box;
}

pl::DialogTemplate PlanImpDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "external wall";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "external wall type"},
        Radio(kPlanImpCustom, "custom wall - your sizes, max 4 lines", true),
        Radio(kPlanImpCavity264, "cavity brick, 11 inch thick, 4 lines"),
        Radio(kPlanImpSolid216, "solid brick, 9 inches thick"),
        Radio(kPlanImpVeneer228, "brick veneer, 9 1/2 inches thick, 4 lines"),
        Radio(kPlanImpWalling192, "8 inch thick walling"),
        Radio(kPlanImpWalling144, "6 inch thick walling"),
        Radio(kPlanImpWalling96, "4 inch thick walling"),
        Radio(kPlanImpWalling72, "3 inch thick walling"),
        {.Kind = ControlKind::GroupEnd},
    };
    AddOkHelp(box.Controls);
    return box;
}

pl::DialogTemplate PlanCustDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "custom external wall";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "owner drawn external wall"},
        Edit(kPlanCustLines, 4),
        Label("number of lines                                 ( solid wall 2, cavity wall 4 lines)"),
        Edit(kPlanCustTotal, 5),
        Label("total width of external wall      range 25 - 900 m.m."),
        {.Kind = ControlKind::GroupBox, .Text = "ONLY needed if drawing a 4 line cavity wall "},
        Edit(kPlanCustOutside, 5),
        Label("space between OUTSIDE line && 2nd line - range 0-800 m.m."),
        Edit(kPlanCustCavity, 5),
        Label("space between 2nd && 3rd line (cavity) - range 0-700 m.m."),
        {.Kind = ControlKind::GroupEnd},
    };
    AddOkHelp(box.Controls);
    return box;
}

pl::DialogTemplate PlanImpCustDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "custom external wall";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "owner drawn external wall"},
        Label("total number of lines  2 or 4", false),
        Edit(kPlanImpCustLines, 4, " ", true),
    };
    AddInchesRow(box.Controls, kPlanImpCustTotal, "total width of external wall   range 1 - 30 inches");
    box.Controls.push_back({.Kind = ControlKind::GroupBox, .Text = "ONLY needed if drawing a 4 line wall"});
    AddInchesRow(box.Controls, kPlanImpCustOutside,
                 "space between OUTSIDE line && 2nd line   range 0 - 25 inches");
    AddInchesRow(box.Controls, kPlanImpCustCavity,
                 "space between 2nd && 3rd line (cavity)  range 0 - 20 inches");
    box.Controls.push_back({.Kind = ControlKind::GroupEnd});
    AddOkHelp(box.Controls);
    return box;
}

pl::DialogTemplate ExtSideDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "multi line drawing";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "secondary lines to be :-"},
        Radio(kExtSideBelow, "BELOW main line", true),
        Radio(kExtSideAbove, "ABOVE main line"),
        Radio(kExtSideLeft, "LEFT of main line"),
        Radio(kExtSideRight, "RIGHT of main line"),
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
    return box;
}

void RegisterWallDialogTemplates() {
    pl::RegisterDialogTemplate(kPlanDialogId, PlanDialogTemplate());
    pl::RegisterDialogTemplate(kPlanImpDialogId, PlanImpDialogTemplate());
    pl::RegisterDialogTemplate(kPlanCustDialogId, PlanCustDialogTemplate());
    pl::RegisterDialogTemplate(kPlanImpCustDialogId, PlanImpCustDialogTemplate());
    pl::RegisterDialogTemplate(kExtSideDialogId, ExtSideDialogTemplate());
}
