#include "dialogs/library_list_dialog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <QString>

#include "dialogs/dialog_building.h"
#include "dialogs/dialog_help.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/controls.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "resources/dialogs/library_templates.h"

namespace {

constexpr int32_t kLibraryHelp = 330;

void RemovePreview(int32_t mark) {
    while (ObjectList.count > mark)
        ObjectList.RemoveAt(ObjectList.count - 1);
}

} // namespace

std::string LibraryExtension(int32_t group, int32_t metricUnits) {
    static const char* const kMetric[4] = {".PLM", ".ELM", ".FUM", ".MSM"};
    static const char* const kImperial[4] = {".PLI", ".ELI", ".FUI", ".MSI"};
    if (group < 1 || group > 4) return {};
    return (metricUnits == 1 ? kMetric : kImperial)[group - 1];
}

TLiblistdlg::TLiblistdlg(QWidget* parent, int32_t resId, int32_t group)
    : TDialog(parent, dialogs::WithTemplates<RegisterLibraryDialogTemplates>(resId)), Group(group),
      List(new TListBox(this, kLibraryListBoxId)) {}

void TLiblistdlg::SetupWindow() {
    TDialog::SetupWindow();
    PreviewMark = ObjectList.count;
    Extension = LibraryExtension(Group, MetricUnits);
    if (Extension.empty()) return;
    std::vector<std::string> names = pl::FindFiles(ObjectList.ProgramDirectory + "LIBS/*" + Extension);
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) < 0;
    });
    for (const std::string& name : names)
        if (name.size() > Extension.size())
            List->AddString(name.substr(0, name.size() - Extension.size()).c_str());
}

void TLiblistdlg::EvSelChange(int32_t) {
    RemovePreview(PreviewMark);
    char picked[25] = {};
    if (List->GetSelString(picked, sizeof picked) == LB_ERR) return;
    const std::string fileName = picked + Extension;
    if (ObjectList.InsertLibrary(fileName.c_str()) == FileResult::Damaged) {
        // Half a symbol would be worse than none: it goes, and the user hears why.
        RemovePreview(PreviewMark);
        const std::string text = "The library file LIBS/" + fileName + " is damaged and was not inserted.";
        MessageBox(this, text.c_str(), "LIBRARY", MB_OK | MB_ICONEXCLAMATION);
    }
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    if (Previewed) Previewed();
}

void TLiblistdlg::CmOk() {
    char picked[25] = {};
    if (List->GetSelString(picked, sizeof picked) == LB_ERR) picked[0] = '\0';
    std::snprintf(FileName, sizeof FileName, "%s%s", picked, Extension.c_str());
    CloseWindow(IDOK);
}

void TLiblistdlg::CmHelp() {
    dialogs::ShowDialogHelp(this, "tvhelp.chm::/library.htm>wind", kLibraryHelp);
}
