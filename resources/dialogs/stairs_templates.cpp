#include "resources/dialogs/stairs_templates.h"

#include <iterator>

#include "platform/win_types.h"
#include "resources/dialogs/template_controls.h"

using pl::ControlKind;
using pl::ControlTemplate;

namespace {

using templatecontrols::Label;
using templatecontrols::Radio;

ControlTemplate Edit(int32_t id, int32_t characters, const char* text) {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = characters + 1, .SameRow = true};
}

struct ChoiceIds {
    int32_t halfway, straight, top, right, bottom, left;
};

// The two radio groups and the buttons, the same in both dialogs.
void AppendChoices(pl::DialogTemplate& t, const ChoiceIds& id) {
    const ControlTemplate rest[] = {
        {.Kind = ControlKind::GroupBox, .Text = "kind of stair"},
        Radio(id.halfway, "halfway return landing", true),
        Radio(id.straight, "straight flight"),
        {.Kind = ControlKind::GroupBox, .Text = "top tread position"},
        Radio(id.top, "top of screen", true),
        Radio(id.right, "right side of screen"),
        Radio(id.bottom, "bottom of screen"),
        Radio(id.left, "left side of screen"),
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
    t.Controls.insert(t.Controls.end(), std::begin(rest), std::end(rest));
}

} // namespace

pl::DialogTemplate StairsDialogTemplate() {
    using namespace stairsdlg;
    pl::DialogTemplate t{"stairs",
                         {{.Kind = ControlKind::GroupBox, .Text = "sizes (mm)"},
                          Label("width of one flight"),
                          Edit(kWidth, 6, "900"),
                          Label("stairwell length of a straight flight (0 = full run)"),
                          Edit(kStairwell, 6, "0"),
                          Label("storey height, floor to floor"),
                          Edit(kStorey, 6, "2600")}};
    AppendChoices(t, {kHalfwayLanding, kStraightFlight, kTopAtTop, kTopAtRight, kTopAtBottom, kTopAtLeft});
    return t;
}

pl::DialogTemplate StairsImpDialogTemplate() {
    using namespace stairsdlg;
    pl::DialogTemplate t{"stairs",
                         {{.Kind = ControlKind::GroupBox, .Text = "sizes"},
                          Label("width of one flight (inches)"),
                          Edit(kImpWidth, 5, "36"),
                          Label("stairwell length of a straight flight (0 = full run)  feet"),
                          Edit(kImpStairwellFeet, 4, "0"),
                          Label("inches", true),
                          Edit(kImpStairwellInches, 4, "0"),
                          Label("storey height, floor to floor  feet"),
                          Edit(kImpStoreyFeet, 6, "8"),
                          Label("inches", true),
                          Edit(kImpStoreyInches, 4, "6")}};
    AppendChoices(t, {kImpHalfwayLanding, kImpStraightFlight, kImpTopAtTop, kImpTopAtRight, kImpTopAtBottom,
                      kImpTopAtLeft});
    return t;
}

void RegisterStairsDialogTemplates() {
    pl::RegisterDialogTemplate(kStairsDialogId, StairsDialogTemplate());
    pl::RegisterDialogTemplate(kStairsImpDialogId, StairsImpDialogTemplate());
}
