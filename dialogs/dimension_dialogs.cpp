#include "dialogs/dimension_dialogs.h"

#include <string>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "resources/dialogs/dimension_templates.h"

namespace {

constexpr const char* kHelpPage = "tvhelp.chm::/custom.htm>wind";
constexpr int32_t kHelpContext = 310;
constexpr int32_t kSizes[2] = {9, 10};

TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t limit, OffsetRange range) {
    return dialogs::RangeEdit(dialog, id, limit, range.low, range.high);
}

OffsetRange Shown(OffsetRange r, int32_t units) {
    return {r.low / units, r.high / units};
}

int32_t ReadNumber(const TEdit* edit) {
    return pl::atol(edit->GetText().c_str());
}

// A settings file that cannot be written leaves the dialog open, so that nothing the user chose is
// silently lost.
bool Written(TDialog& dialog, bool ok) {
    if (!ok)
        MessageBox(&dialog, "The settings could not be written to CFG/ and are unchanged.", "SETTINGS",
                   MB_OK | MB_ICONEXCLAMATION);
    return ok;
}

} // namespace

TOffsetdlgBase::TOffsetdlgBase(QWidget* parent, int32_t resId, const Ids& ids, int32_t metricUnits)
    : TDialog(parent, dialogs::WithTemplates<RegisterDimensionDialogTemplates>(resId)), Metric(metricUnits) {
    const OffsetRange ranges[3] = {RoomOffsetRange(metricUnits), ExternalOffsetRange(metricUnits),
                                   OverallOffsetRange(metricUnits)};
    for (int32_t i = 0; i < 3; ++i)
        Offsets[i] = RangeEdit(this, ids.offsets[i], 6, Shown(ranges[i], Units()));
    Horizontal = new TRadioButton(this, ids.horizontal);
    Parallel = new TRadioButton(this, ids.parallel);
    for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = 0; j < 2; ++j)
            Sizes[i][j] = new TRadioButton(this, ids.sizes[i][j]);
}

void TOffsetdlgBase::SetupWindow() {
    TDialog::SetupWindow();
    Settings = ReadDimensionSettings(Metric);
    const int32_t offsets[3] = {Settings.roomOffset, Settings.externalOffset, Settings.overallOffset};
    for (int32_t i = 0; i < 3; ++i)
        Offsets[i]->SetText(std::to_string(offsets[i] / Units()));
    (Settings.textOrientation > 0 ? Parallel : Horizontal)->Check();
    const int32_t sizes[3] = {Settings.dimensionTextHeight, Settings.roomDimensionTextHeight,
                              Settings.roomNameTextHeight};
    for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = 0; j < 2; ++j)
            if (sizes[i] == kSizes[j]) Sizes[i][j]->Check();
}

void TOffsetdlgBase::CmOk() {
    if (!Validate()) return;
    DimensionSettings s = Settings;
    s.roomOffset = ReadNumber(Offsets[0]) * Units();
    s.externalOffset = ReadNumber(Offsets[1]) * Units();
    s.overallOffset = ReadNumber(Offsets[2]) * Units();
    if (Horizontal->GetCheck() == BF_CHECKED) s.textOrientation = 0;
    if (Parallel->GetCheck() == BF_CHECKED) s.textOrientation = kParallelText;
    int32_t* sizes[3] = {&s.dimensionTextHeight, &s.roomDimensionTextHeight, &s.roomNameTextHeight};
    for (int32_t i = 0; i < 3; ++i)
        for (int32_t j = 0; j < 2; ++j)
            if (Sizes[i][j]->GetCheck() == BF_CHECKED) *sizes[i] = kSizes[j];
    if (!Written(*this, WriteDimensionSettings(Metric, s))) return;
    Settings = s;
    CloseWindow(IDOK);
}

void TOffsetdlgBase::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}

TOffsetdlg::TOffsetdlg(QWidget* parent, int32_t resId)
    : TOffsetdlgBase(parent, resId,
                     {{dimdlg::kRoomOffset, dimdlg::kExternalOffset, dimdlg::kOverallOffset},
                      dimdlg::kHorizontal,
                      dimdlg::kParallel,
                      {{dimdlg::kDimension9, dimdlg::kDimension10},
                       {dimdlg::kRoomDimension9, dimdlg::kRoomDimension10},
                       {dimdlg::kRoomName9, dimdlg::kRoomName10}}},
                     1) {}

TOffsetimpdlg::TOffsetimpdlg(QWidget* parent, int32_t resId)
    : TOffsetdlgBase(parent, resId,
                     {{dimdlg::kImpRoomOffset, dimdlg::kImpExternalOffset, dimdlg::kImpOverallOffset},
                      dimdlg::kImpHorizontal,
                      dimdlg::kImpParallel,
                      {{dimdlg::kImpDimension9, dimdlg::kImpDimension10},
                       {dimdlg::kImpRoomDimension9, dimdlg::kImpRoomDimension10},
                       {dimdlg::kImpRoomName9, dimdlg::kImpRoomName10}}},
                     0) {}

TArrowdlg::TArrowdlg(QWidget* parent, int32_t resId)
    : TDialog(parent, dialogs::WithTemplates<RegisterDimensionDialogTemplates>(resId)) {
    const FieldRange stored = ArrowLengthRange(MetricUnits);
    Length = RangeEdit(this, dimdlg::kArrowLength, 5, Shown({stored.low, stored.high}, Units()));
    for (int32_t i = 0; i < 4; ++i)
        Styles[i] = new TRadioButton(this, dimdlg::kHeadStyle1 + i);
}

int32_t TArrowdlg::Units() const {
    return MetricUnits == 0 ? 24 : 1;
}

void TArrowdlg::SetupWindow() {
    TDialog::SetupWindow();
    Settings = ReadArrowSettings(MetricUnits);
    Length->SetText(std::to_string(Settings.length / Units()));
    Styles[Settings.headStyle - 1]->Check();
}

void TArrowdlg::CmOk() {
    if (!Validate()) return;
    ArrowSettings a = Settings;
    a.length = ReadNumber(Length) * Units();
    for (int32_t i = 3; i >= 0; --i)
        if (Styles[i]->GetCheck() == BF_CHECKED) a.headStyle = i + 1;
    if (!Written(*this, WriteArrowSettings(a))) return;
    Settings = a;
    CloseWindow(IDOK);
}

void TArrowdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, kHelpPage, kHelpContext);
}
