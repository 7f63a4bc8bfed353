// The modal dialog of the program: built from the template registered under its resource id, run with
// Execute(), answered through virtual handlers for its buttons. Derived dialogs bind the controls they
// use by id in their constructors (TEdit, TRadioButton, ...), fill them in SetupWindow and read them in
// CmOk before calling CloseWindow(IDOK).
#pragma once

#include <cstdint>
#include <map>
#include <QDialog>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/win_types.h"

class QAbstractButton;
class QButtonGroup;
class QPixmap;

namespace pl {
// The picture an icon control with this id shows (the program registers its icons at start-up).
void RegisterDialogIcon(int32_t iconId, const QPixmap& picture);
} // namespace pl

class TDialog : public QDialog {
public:
    // parent may be null (application-modal). A resource id with no registered template gives an
    // empty dialog with an OK button, so the program never crashes on a missing table.
    TDialog(QWidget* parent, int32_t resId);
    ~TDialog() override;

    int32_t GetResourceId() const { return resId_; }

    // Runs the dialog modally: SetupWindow, then the user's (or the test script's) answer. Returns the
    // value CloseWindow was given: IDOK, IDCANCEL, IDNO, ...
    int Execute();

    // Called once by Execute after the controls exist and before the dialog shows.
    virtual void SetupWindow();

    // Button handlers. CmOk closes with IDOK through the validators; CmCancel (the Cancel button,
    // Escape and the close box) closes with IDCANCEL; CmNo closes with IDNO; CmHelp does nothing.
    // A Yes/No question without a Cancel button never reaches CmCancel: there Escape and the close
    // box do nothing, so a stray key cannot pick an answer the user did not choose.
    virtual void CmOk();
    virtual void CmCancel();
    virtual void CmNo();
    virtual void CmHelp();
    // Any other push button.
    virtual void EvCommand(int32_t id);
    // A list box's selection changed (LBN_SELCHANGE).
    virtual void EvSelChange(int32_t id);

    // Ends the dialog with retValue after every edit's validator accepts its text; on a refusal the
    // validator's message shows, the field gets the focus with its text selected, the dialog stays
    // open and false is returned. IDCANCEL closes without validating.
    bool CloseWindow(int retValue = IDOK);
    // Ends the dialog with retValue without validating.
    void Destroy(int retValue);
    // Runs the validators as CloseWindow does, without closing: lets a CmOk check every field before
    // it writes its settings file.
    bool Validate();

    // The control with the given id (its Qt object name is the decimal id); null when absent.
    QWidget* Control(int32_t id) const;
    // Acts as if the push button id had been clicked (IDCANCEL, as Escape, also works without a Cancel
    // button, except on a Yes/No question).
    void PressButton(int32_t id);
    // True once CloseWindow/Destroy has ended the dialog.
    bool HasEnded() const { return ended_; }

    // The exclusive group a radio button belongs to (the layer's controls use it to uncheck).
    QButtonGroup* RadioGroupOf(int32_t id) const;

    // "id=value" pairs of every addressable control, in template order (edits quoted).
    std::string DescribeControls() const;

protected:
    void reject() override; // Escape and the close box
    void accept() override; // Enter on the default button arrives as a click, not here

private:
    void Build(const pl::DialogTemplate& dialogTemplate);
    // The first control the Tab key stops at; null when none takes the focus.
    QWidget* FirstTabStop() const;
    // The control typing goes to: the focused one, else the first tab stop.
    QWidget* FocusedControl() const;
    // Gives the edit field the dialog opens on the focus, its offered text selected.
    void FocusOpeningField();
    int ExecuteScripted();
    // The scripted user's move of the focus to another control by Tab or by a click, with the focus
    // events the control would get.
    void MoveScriptedFocus(QWidget* to, Qt::FocusReason reason);
    void ApplyScriptedValue(int32_t id, const std::string& value);
    void Dispatch(int32_t id);
    // A No button and no Cancel button: only the buttons answer.
    bool AnswersOnlyByButtons() const;

    int32_t resId_;
    bool setUp_ = false;
    bool ended_ = false;
    std::vector<std::pair<int32_t, QWidget*>> controls_; // template order
    std::map<int32_t, QButtonGroup*> radioGroups_;
};
