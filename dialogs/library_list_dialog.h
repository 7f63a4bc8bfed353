// The library-files dialog (resource 15500): lists the library files of one group for the units in
// force and, while it is open, previews each pick in the drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/dialog.h"

class TListBox;

// The extension of a group's library files: ".PLM" for metric plumbing, ".PLI" for imperial, and so
// on; empty for a group outside 1 to 4.
std::string LibraryExtension(int32_t group, int32_t metricUnits);

class TLiblistdlg : public TDialog {
public:
    TLiblistdlg(QWidget* parent, int32_t resId, int32_t group);

    // Notes the preview mark and lists the group's files (their names without the extension),
    // sorted without regard to case.
    void SetupWindow() override;
    // Replaces the previous preview with the picked symbol, writes the working file and tells the
    // owner through Previewed.
    void EvSelChange(int32_t id) override;
    void CmOk() override;
    void CmHelp() override;

    // Called after each preview so the owner can repaint where the symbol shows.
    std::function<void()> Previewed;

    int32_t Group;
    int32_t PreviewMark = 0; // the document's object count when the list opened
    char FileName[30] = {};  // after OK: the chosen name and the extension
    std::string Extension;

private:
    TListBox* List;
};
