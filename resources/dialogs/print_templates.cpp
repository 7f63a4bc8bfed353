#include "resources/dialogs/print_templates.h"

#include "platform/win_types.h"

namespace {

using pl::ControlKind;
using pl::ControlTemplate;

ControlTemplate Text(const char* text) {
    return {.Kind = ControlKind::Static, .Text = text};
}
ControlTemplate Group(const char* text) {
    return {.Kind = ControlKind::GroupBox, .Text = text};
}
ControlTemplate End() {
    return {.Kind = ControlKind::GroupEnd};
}
ControlTemplate Edit(int32_t id, int32_t limit, bool sameRow = false, const char* text = "") {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = limit, .SameRow = sameRow};
}
ControlTemplate Radio(int32_t id, const char* text, bool groupStart = false) {
    return {.Id = id, .Kind = ControlKind::RadioButton, .Text = text, .GroupStart = groupStart};
}
ControlTemplate Check(int32_t id, const char* text) {
    return {.Id = id, .Kind = ControlKind::CheckBox, .Text = text};
}
ControlTemplate Button(int32_t id, const char* text) {
    return {.Id = id, .Kind = ControlKind::PushButton, .Text = text};
}
void AddButtons(pl::DialogTemplate& t, bool help = true) {
    t.Controls.push_back(Button(IDOK, "OK"));
    t.Controls.push_back(Button(IDCANCEL, "Cancel"));
    if (help) t.Controls.push_back(Button(IDHELP, "Help"));
}

pl::DialogTemplate PrintPlanTemplate() {
    pl::DialogTemplate t{"print plan views", {}};
    t.Controls = {
        Group("copies"),
        Text("ground floor"),
        Edit(19501, 5, true, "1"),
        Text("first floor"),
        Edit(19502, 5, true, "0"),
        Text("second floor"),
        Edit(19503, 5, true, "0"),
        Text("site plan"),
        Edit(20006, 5, true, "0"),
        End(),
        Group("scale  1 :"),
        Text("ground floor"),
        Edit(19504, 5, true),
        Text("first floor"),
        Edit(19505, 5, true),
        Text("second floor"),
        Edit(19506, 5, true),
        Text("site plan"),
        Edit(2253, 5, true),
        End(),
        Group("line weight"),
        Radio(19512, "light", true),
        Radio(19513, "medium"),
        Radio(19514, "heavy"),
        End(),
        Group("text size"),
        Radio(11519, "small", true),
        Radio(11520, "medium"),
        Radio(11521, "large"),
        End(),
        Group("walls"),
        Radio(19515, "show walls as normal", true),
        Radio(19516, "show walls cross hatched"),
        Radio(19517, "show walls solid"),
        End(),
        Check(19509, "print NO external dimensions"),
        Check(19510, "print NO drawing scale"),
    };
    AddButtons(t);
    return t;
}

pl::DialogTemplate TitlesTemplate() {
    pl::DialogTemplate t{"drawing titles", {}};
    t.Controls = {
        Text("show title of ground floor plan as :-"),
        Edit(20001, 25),
        Text("show title of first floor plan as :-"),
        Edit(20002, 25),
        Text("show title of second floor plan as :-"),
        Edit(20003, 25),
        Text("show title of site plan as"),
        Edit(20005, 25),
        Text("maximum of 24 letters/spaces"),
    };
    AddButtons(t);
    return t;
}

pl::DialogTemplate CalibrateMetricTemplate() {
    pl::DialogTemplate t{"printer calibration", {}};
    t.Controls = {
        Text("15000 m.m  printed out at 100:1 scale"),
        Text("shows as"),
        Edit(3201, 7, true),
        Text("m.m."),
    };
    AddButtons(t);
    return t;
}

pl::DialogTemplate CalibrateImperialTemplate() {
    pl::DialogTemplate t{"printer calibration", {}};
    t.Controls = {
        Text("52 feet printed out at 96:1 scale"),
        Text("(1/4 inch to 1 foot)"),
        Text("shows as"),
        Edit(3302, 4, true),
        Text("feet"),
        Edit(3301, 4, true),
        Text("inches"),
    };
    AddButtons(t);
    return t;
}

pl::DialogTemplate ManipulateTemplate() {
    pl::DialogTemplate t{"manipulate drawing file", {}};
    t.Controls = {
        Text("for a NEW file for this rotation/mirror, please insert new name - else leave as shown"),
        Edit(19001, 25),
        Text("( 24 letters max - NO file extension )"),
        Group("change whole file"),
        Radio(19002, "90 degree clockwise rotation", true),
        Radio(19003, "180 degree clockwise rotation"),
        Radio(19004, "270 degree clockwise rotation"),
        Radio(19005, "mirror existing drawing"),
        End(),
    };
    AddButtons(t);
    return t;
}

} // namespace

void RegisterPrintDialogTemplates() {
    pl::RegisterDialogTemplate(kPrintPlanDialogId, PrintPlanTemplate());
    pl::RegisterDialogTemplate(kTitlesDialogId, TitlesTemplate());
    pl::RegisterDialogTemplate(kCalibrateMetricDialogId, CalibrateMetricTemplate());
    pl::RegisterDialogTemplate(kCalibrateImperialDialogId, CalibrateImperialTemplate());
    pl::RegisterDialogTemplate(kManipulateDialogId, ManipulateTemplate());
}
