#include "dialogs/area_dialog.h"

#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/controls.h"

namespace {

int32_t Registered(int32_t resId) {
    if (resId == kAreaDialogId && !pl::FindDialogTemplate(kAreaDialogId)) RegisterAreaDialogTemplate();
    return resId;
}

// The fourth level counts in the total but has no line of its own.
constexpr int32_t kFourthLevelRecord = kFourthLevel + kFloorRecordBase;

std::string AreaText(int64_t area) {
    return std::to_string(area) + (MetricUnits == 1 ? " sq. metres" : " sq. ft");
}

} // namespace

TAreadlg::TAreadlg(QWidget* parent, int32_t resId)
    : TDialog(parent, Registered(resId)), Total(new TStatic(this, areadlg::kTotal, areadlg::kTextLimit)),
      Ground(new TStatic(this, areadlg::kGround, areadlg::kTextLimit)),
      First(new TStatic(this, areadlg::kFirst, areadlg::kTextLimit)),
      Second(new TStatic(this, areadlg::kSecond, areadlg::kTextLimit)) {}

int32_t TAreadlg::Find(int32_t kind) {
    // The records are looked up by kind: a drawing whose records do not open the list still counts.
    const auto* record = dynamic_cast<const TInfoobj*>(ObjectList[ObjectList.FindKind(kind)]);
    return record ? record->value : 0;
}

void TAreadlg::SetupWindow() {
    TDialog::SetupWindow();
    const int32_t ground = Find(kGroundFloor + kFloorRecordBase);
    const int32_t first = Find(kFirstFloor + kFloorRecordBase);
    const int32_t second = Find(kSecondFloor + kFloorRecordBase);
    const int32_t fourth = Find(kFourthLevelRecord);
    // Formed in 64 bits: damaged records must not wrap the total round.
    Total->SetText(AreaText(int64_t{ground} + first + second + fourth));
    Ground->SetText(AreaText(ground));
    First->SetText(AreaText(first));
    Second->SetText(AreaText(second));
}

void TAreadlg::CmOk() {
    CloseWindow(IDOK);
}
