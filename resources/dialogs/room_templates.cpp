#include "resources/dialogs/room_templates.h"

#include <string>

#include "platform/win_types.h"
#include "resources/dialogs/template_controls.h"

using pl::ControlKind;
using pl::ControlTemplate;

namespace {

using templatecontrols::Button;
using templatecontrols::Label;
using templatecontrols::Radio;

ControlTemplate Edit(int32_t id, const char* text, int32_t limit, bool sameRow = true) {
    return {.Id = id, .Kind = ControlKind::Edit, .Text = text, .Limit = limit + 1, .SameRow = sameRow};
}

void AddRadios(pl::DialogTemplate& t, int32_t colourFirst, int32_t sizeFirst) {
    t.Controls.push_back(Label("show room in :-"));
    const char* colours[] = {"no colour", "wet area colour", "bedroom colour", "other rooms colour"};
    for (int32_t i = 0; i < 4; ++i)
        t.Controls.push_back(Radio(colourFirst + i, colours[i], i == 0));
    t.Controls.push_back({.Kind = ControlKind::EtchedLine});
    t.Controls.push_back(Label("show dimensions on PLAN"));
    const char* sizes[] = {"show no sizes", "both sizes with arrows", "horizontal size &&  arrows",
                           "vertical size && arrows"};
    for (int32_t i = 0; i < 4; ++i)
        t.Controls.push_back(Radio(sizeFirst + i, sizes[i], i == 0));
    t.Controls.push_back({.Kind = ControlKind::GroupEnd});
    for (const ControlTemplate& b : {Button(IDOK, "OK"), Button(IDCANCEL, "Cancel"), Button(IDHELP, "Help")})
        t.Controls.push_back(b);
}

pl::DialogTemplate MetricRoom(const char* caption, int32_t base, const char* preset) {
    using namespace roomdlg;
    pl::DialogTemplate t{caption,
                         {{.Kind = ControlKind::GroupBox, .Text = "room details"},
                          Label("room name"),
                          Edit(base + kName, "room ", 16),
                          Label("15 letters/numbers max"),
                          Label("horizontal size"),
                          Edit(base + kHorizontal, preset, 6),
                          Label("vertical size"),
                          Edit(base + kVertical, preset, 6),
                          {.Kind = ControlKind::GroupBox}},
                         false};
    AddRadios(t, base + kColourFirst, base + kSizeFirst);
    return t;
}

void AddFeetRow(pl::DialogTemplate& t, const char* label, int32_t first, const char* feet,
                const char* inches) {
    t.Controls.push_back(Label(label));
    t.Controls.push_back(Edit(first, feet, 4));
    t.Controls.push_back(Label("feet", true));
    t.Controls.push_back(Edit(first + 1, inches, 4));
    t.Controls.push_back(Label("inches", true));
    t.Controls.push_back(Edit(first + 2, "0", 4));
    t.Controls.push_back(Label("/", true));
    t.Controls.push_back(Edit(first + 3, "0", 3));
}

pl::DialogTemplate ImperialRoom(const char* caption, int32_t base, const char* feet, const char* inches) {
    using namespace roomdlg;
    pl::DialogTemplate t{caption,
                         {{.Kind = ControlKind::GroupBox, .Text = "room details"},
                          Label("room name"),
                          Edit(base + kName, "room", 16),
                          Label("15 letters/numbers max")},
                         false};
    AddFeetRow(t, "horizontal size", base + kWidthFeet, feet, inches);
    AddFeetRow(t, "vertical size", base + kLengthFeet, feet, inches);
    t.Controls.push_back({.Kind = ControlKind::GroupBox});
    AddRadios(t, base + kImpColourFirst, base + kImpSizeFirst);
    return t;
}

constexpr const char* kPartitionCaption = "Internal wall size for room functions";
constexpr const char* kPartitionNote = "( will be used for all rooms drawn on this floor )";

pl::DialogTemplate MetricPartition() {
    return {kPartitionCaption,
            {{.Kind = ControlKind::GroupBox},
             Label("internal wall thickness"),
             Edit(roomdlg::kThickness, " ", 4),
             Label("m.m", true),
             Label(kPartitionNote),
             {.Kind = ControlKind::GroupEnd},
             Button(IDOK, "OK"),
             Button(IDHELP, "Help")},
            false};
}

pl::DialogTemplate ImperialPartition() {
    return {kPartitionCaption,
            {{.Kind = ControlKind::GroupBox},
             Label("internal wall thickness"),
             Label("inches"),
             Edit(roomdlg::kInches, " ", 4),
             Edit(roomdlg::kNumerator, "0", 3),
             Label("/", true),
             Edit(roomdlg::kDenominator, "0", 3),
             Label(kPartitionNote),
             {.Kind = ControlKind::GroupEnd},
             Button(IDOK, "OK"),
             Button(IDHELP, "Help")},
            false};
}

} // namespace

void RegisterRoomDialogTemplates() {
    pl::RegisterDialogTemplate(kRoomPartitionDialogId, MetricPartition());
    pl::RegisterDialogTemplate(kRoomPartitionImpDialogId, ImperialPartition());
    pl::RegisterDialogTemplate(kNewRoomDialogId, MetricRoom("new design room", kNewRoomDialogId, "3000"));
    pl::RegisterDialogTemplate(kNewRoomImpDialogId,
                               ImperialRoom("new design room", kNewRoomImpDialogId, "10", "0"));
    pl::RegisterDialogTemplate(kMaxRoomDialogId,
                               MetricRoom("maximum size for new design room", kMaxRoomDialogId, ""));
    pl::RegisterDialogTemplate(kMaxRoomImpDialogId,
                               ImperialRoom("maximum size for new design room", kMaxRoomImpDialogId, "", ""));
}
