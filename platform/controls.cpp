#include "platform/controls.h"

#include <algorithm>
#include <cstring>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/dialog.h"
#include "platform/validators.h"

namespace {

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}
QString FromLatin1(const char* text) {
    return QString::fromLatin1(text ? text : "");
}

// Copies at most maxChars - 1 characters and a terminator; returns the number copied.
int CopyOut(const std::string& text, char* buffer, int maxChars) {
    if (!buffer || maxChars <= 0) return 0;
    const int count = std::min(static_cast<int>(text.size()), maxChars - 1);
    std::memcpy(buffer, text.data(), static_cast<size_t>(count));
    buffer[count] = '\0';
    return count;
}

// The dialog's control of type W under the id, or a hidden stand-in so that a wrong id in the program
// shows up as a warning rather than a crash.
template <class W, class StandIn = W> W* Find(TDialog* dialog, int32_t id) {
    if (auto* widget = qobject_cast<W*>(dialog ? dialog->Control(id) : nullptr)) return widget;
    qWarning("dialog %d has no control %d of the kind the program expects",
             dialog ? dialog->GetResourceId() : 0, static_cast<int>(id));
    auto* standIn = new StandIn(dialog);
    standIn->hide();
    return standIn;
}

} // namespace

TControl::TControl(TDialog* dialog, int32_t resId) : id_(resId), dialog_(dialog) {}

void TControl::Attach(QWidget* widget) {
    widget_ = widget;
    setParent(widget);
}

void TControl::EnableWindow(bool enable) {
    widget_->setEnabled(enable);
}
void TControl::SetFocus() {
    widget_->setFocus();
}

TEdit::TEdit(TDialog* dialog, int32_t resId, int32_t textLimit) : TControl(dialog, resId) {
    Attach(Find<QLineEdit>(dialog, resId));
    if (textLimit > 0) edit()->setMaxLength(textLimit - 1);
}

QLineEdit* TEdit::edit() const {
    return static_cast<QLineEdit*>(widget_);
}

int TEdit::GetText(char* buffer, int maxChars) const {
    return CopyOut(GetText(), buffer, maxChars);
}
std::string TEdit::GetText() const {
    return Latin1(edit()->text());
}
int TEdit::GetTextLen() const {
    return static_cast<int>(edit()->text().size());
}
void TEdit::SetText(const char* text) {
    edit()->setText(FromLatin1(text));
}
void TEdit::LimitText(int32_t maxChars) {
    edit()->setMaxLength(std::max<int32_t>(maxChars, 0));
}
void TEdit::SetSelection(int start, int end) {
    edit()->setSelection(start, end - start);
}

void TEdit::SetValidator(TValidator* validator) {
    const QValidator* old = edit()->validator();
    if (validator) validator->setParent(edit());
    edit()->setValidator(validator);
    if (old && old != validator) delete old;
}

TValidator* TEdit::GetValidator() const {
    return dynamic_cast<TValidator*>(const_cast<QValidator*>(edit()->validator()));
}

bool TEdit::IsValid(bool reportError) {
    TValidator* validator = GetValidator();
    if (!validator || validator->IsValid(GetText())) return true;
    if (reportError) {
        validator->Error(dialog_);
        edit()->setFocus();
        edit()->selectAll();
    }
    return false;
}

TCheckBox::TCheckBox(TDialog* dialog, int32_t resId) : TControl(dialog, resId) {
    Attach(Find<QAbstractButton, QCheckBox>(dialog, resId));
}

QAbstractButton* TCheckBox::button() const {
    return static_cast<QAbstractButton*>(widget_);
}

void TCheckBox::Toggle() {
    SetCheck(GetCheck() == BF_CHECKED ? BF_UNCHECKED : BF_CHECKED);
}
unsigned TCheckBox::GetCheck() const {
    return button()->isChecked() ? BF_CHECKED : BF_UNCHECKED;
}

void TCheckBox::SetCheck(unsigned state) {
    const bool check = state == BF_CHECKED;
    if (!button()->isCheckable()) button()->setCheckable(true);
    QButtonGroup* group = dialog_ ? dialog_->RadioGroupOf(id_) : nullptr;
    if (!check && group && group->exclusive()) {
        // An exclusive group refuses to clear its checked button; the program may clear all of them.
        group->setExclusive(false);
        button()->setChecked(false);
        group->setExclusive(true);
        return;
    }
    button()->setChecked(check);
}

TRadioButton::TRadioButton(TDialog* dialog, int32_t resId) : TCheckBox(dialog, resId) {}

TStatic::TStatic(TDialog* dialog, int32_t resId, int32_t textLimit)
    : TControl(dialog, resId), limit_(textLimit) {
    Attach(Find<QLabel>(dialog, resId));
}

void TStatic::SetText(const char* text) {
    auto* label = static_cast<QLabel*>(widget_);
    label->setTextFormat(Qt::PlainText);
    label->setText(FromLatin1(text));
}

std::string TStatic::GetText() const {
    std::string text = Latin1(static_cast<QLabel*>(widget_)->text());
    if (limit_ > 0 && static_cast<int32_t>(text.size()) > limit_ - 1)
        text.resize(static_cast<size_t>(limit_ - 1));
    return text;
}

TGroupBox::TGroupBox(TDialog* dialog, int32_t resId) : TControl(dialog, resId) {
    Attach(Find<QGroupBox>(dialog, resId));
}

TListBox::TListBox(TDialog* dialog, int32_t resId) : TControl(dialog, resId) {
    Attach(Find<QListWidget>(dialog, resId));
}

QListWidget* TListBox::list() const {
    return static_cast<QListWidget*>(widget_);
}

int TListBox::AddString(const char* text) {
    const QString item = FromLatin1(text);
    int index = list()->count();
    if (list()->property("sorted").toBool()) {
        // Sorted list boxes order their strings ignoring case.
        for (int i = 0; i < list()->count(); ++i) {
            if (list()->item(i)->text().compare(item, Qt::CaseInsensitive) > 0) {
                index = i;
                break;
            }
        }
    }
    const QSignalBlocker quiet(list());
    list()->insertItem(index, item);
    return index;
}

int TListBox::InsertString(const char* text, int index) {
    if (index < 0 || index > list()->count()) index = list()->count();
    const QSignalBlocker quiet(list());
    list()->insertItem(index, FromLatin1(text));
    return index;
}

int TListBox::DeleteString(int index) {
    if (index < 0 || index >= list()->count()) return LB_ERR;
    const QSignalBlocker quiet(list());
    delete list()->takeItem(index);
    return list()->count();
}

void TListBox::ClearList() {
    const QSignalBlocker quiet(list());
    list()->clear();
}

int TListBox::GetCount() const {
    return list()->count();
}

int TListBox::GetSelIndex() const {
    QListWidgetItem* item = list()->currentItem();
    return item && item->isSelected() ? list()->row(item) : LB_ERR;
}

int TListBox::SetSelIndex(int index) {
    // Setting the selection from the program sends no selection-change notification.
    const QSignalBlocker quiet(list());
    if (index < 0) {
        list()->setCurrentRow(-1);
        list()->clearSelection();
        return 0;
    }
    if (index >= list()->count()) return LB_ERR;
    list()->setCurrentRow(index);
    return 0;
}

int TListBox::GetSelString(char* buffer, int maxChars) const {
    const int index = GetSelIndex();
    if (index == LB_ERR) return LB_ERR;
    return CopyOut(GetString(index), buffer, maxChars);
}

std::string TListBox::GetSelString() const {
    const int index = GetSelIndex();
    return index == LB_ERR ? std::string() : GetString(index);
}

std::string TListBox::GetString(int index) const {
    QListWidgetItem* item = list()->item(index);
    return item ? Latin1(item->text()) : std::string();
}

int TListBox::FindExactString(const char* text, int startIndex) const {
    const QString wanted = FromLatin1(text);
    const int count = list()->count();
    for (int step = 1; step <= count; ++step) {
        const int i = (startIndex + step) % count;
        if (i >= 0 && list()->item(i)->text().compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return LB_ERR;
}
