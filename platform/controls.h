// Handles on a dialog's controls, bound by id. A handle is owned by its control: made with new in a
// dialog's constructor it is deleted with the dialog; as a member it may also live by value.
#pragma once

#include <cstdint>
#include <QObject>
#include <string>

class QWidget;
class QLineEdit;
class QAbstractButton;
class QLabel;
class QGroupBox;
class QListWidget;
class TDialog;
class TValidator;

constexpr unsigned BF_UNCHECKED = 0;
constexpr unsigned BF_CHECKED = 1;
constexpr int LB_ERR = -1;

class TControl : public QObject {
public:
    // A missing id binds a hidden stand-in control, so the program keeps working; a warning is logged.
    TControl(TDialog* dialog, int32_t resId);
    int32_t GetId() const { return id_; }
    QWidget* Widget() const { return widget_; }
    void EnableWindow(bool enable);
    void SetFocus();

protected:
    // Adopts the dialog's control (or a stand-in) as the widget this handle works on.
    void Attach(QWidget* widget);
    int32_t id_;
    TDialog* dialog_;
    QWidget* widget_ = nullptr;
};

class TEdit : public TControl {
public:
    // textLimit counts the terminating zero (25 lets 24 characters be typed); 0 keeps the template's.
    TEdit(TDialog* dialog, int32_t resId, int32_t textLimit = 0);

    // Copies at most maxChars - 1 characters and a terminator; returns the number copied.
    int GetText(char* buffer, int maxChars) const;
    int GetWindowText(char* buffer, int maxChars) const { return GetText(buffer, maxChars); }
    std::string GetText() const;
    int GetTextLen() const;
    void SetText(const char* text);
    void SetText(const std::string& text) { SetText(text.c_str()); }
    // Characters that can be typed, not counting a terminator.
    void LimitText(int32_t maxChars);
    void SetSelection(int start, int end);

    // Takes ownership; replaces any earlier validator.
    void SetValidator(TValidator* validator);
    TValidator* GetValidator() const;
    // Whether the validator (if any) accepts the text; with reportError its message is shown.
    bool IsValid(bool reportError = false);

private:
    QLineEdit* edit() const;
};

class TCheckBox : public TControl {
public:
    TCheckBox(TDialog* dialog, int32_t resId);
    void Check() { SetCheck(BF_CHECKED); }
    void Uncheck() { SetCheck(BF_UNCHECKED); }
    void Toggle();
    unsigned GetCheck() const;
    void SetCheck(unsigned state);

protected:
    QAbstractButton* button() const;
};

// Radio buttons exclude each other within their group; Uncheck may leave a group with none checked.
class TRadioButton : public TCheckBox {
public:
    TRadioButton(TDialog* dialog, int32_t resId);
};

class TStatic : public TControl {
public:
    TStatic(TDialog* dialog, int32_t resId, int32_t textLimit = 0);
    // Shows the text as written: an '&' is not a mnemonic.
    void SetText(const char* text);
    void SetText(const std::string& text) { SetText(text.c_str()); }
    std::string GetText() const;

private:
    int32_t limit_;
};

class TGroupBox : public TControl {
public:
    TGroupBox(TDialog* dialog, int32_t resId);
};

class TListBox : public TControl {
public:
    TListBox(TDialog* dialog, int32_t resId);
    // Returns the new string's index (its sorted place in a sorted list box).
    int AddString(const char* text);
    int InsertString(const char* text, int index);
    int DeleteString(int index);
    void ClearList();
    int GetCount() const;
    // LB_ERR when nothing is selected.
    int GetSelIndex() const;
    // LB_ERR for an index out of range; -1 clears the selection.
    int SetSelIndex(int index);
    // Copies at most maxChars - 1 characters of the selected string; LB_ERR when none is selected.
    int GetSelString(char* buffer, int maxChars) const;
    std::string GetSelString() const;
    std::string GetString(int index) const;
    int FindExactString(const char* text, int startIndex = -1) const;

private:
    QListWidget* list() const;
};
