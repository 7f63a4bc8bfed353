// The save question asked before a modified drawing is left, and the dialog that names the copy of a
// drawing made by Save As.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/dialog.h"
#include "resources/dialogs/file_templates.h"

class TSavedlg : public TDialog {
public:
    TSavedlg(QWidget* parent, int32_t resId = kSaveQuestionDialogId);

    // YES: the drawing goes to the working file and the saved copy. A failed write is reported and
    // sets SaveFailed.
    void CmOk() override;
    // NO: the working file goes back to the saved copy; a drawing never saved loses its working file.
    // A saved copy that cannot be read changes nothing on disk and is reported.
    void CmNo() override;

    bool SaveFailed = false;
};

class TSaveasdlg : public TDialog {
public:
    TSaveasdlg(QWidget* parent, int32_t resId = kSaveAsDialogId);

    void SetupWindow() override;
    void CmOk() override;
    void CmHelp() override;

    TEdit* NameEdit;
    char NewName[25] = {}; // at most 24 characters
};
