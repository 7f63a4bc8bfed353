#include "platform/dialog.h"

#include <exception>
#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include "platform/cursor.h"
#include "platform/message_box.h"
#include "platform/modal_run.h"
#include "platform/test_script.h"
#include "platform/validators.h"

namespace {

std::string Latin1(const QString& text) {
    return text.toLatin1().toStdString();
}

pl::DialogTemplate MissingTemplate(int32_t resId) {
    qWarning("no dialog template is registered under %d", static_cast<int>(resId));
    pl::DialogTemplate stand_in;
    stand_in.Controls.push_back({IDOK, pl::ControlKind::PushButton, "OK"});
    return stand_in;
}

// Shown with its dialog: neither the control nor a box holding it was hidden by the program (before
// the dialog shows, every control still counts as hidden).
bool ShownWith(const QWidget* widget, const QWidget* dialog) {
    for (; widget && widget != dialog; widget = widget->parentWidget())
        if (widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide)) return false;
    return widget == dialog;
}

} // namespace

TDialog::TDialog(QWidget* parent, int32_t resId) : QDialog(parent), resId_(resId) {
    if (!parent) setWindowModality(Qt::ApplicationModal);
    const pl::DialogTemplate* found = pl::FindDialogTemplate(resId);
    Build(found ? *found : MissingTemplate(resId));
}

TDialog::~TDialog() = default;

int TDialog::Execute() {
    if (!setUp_) {
        setUp_ = true;
        SetupWindow();
    }
    ended_ = false;
    // A modal dialog takes the mouse: a capture held by a window it disables is cancelled first, or
    // its buttons could not be clicked.
    ReleaseCapture();
    FocusOpeningField();
    const std::string initial = DescribeControls();
    const int result = pl::script::Enabled() ? ExecuteScripted() : pl::RunModal(*this);
    pl::TestLog("Dialog " + std::to_string(resId_) + " " + pl::script::Quote(Latin1(windowTitle())) +
                " initial{" + initial + "} final{" + DescribeControls() +
                "} result=" + std::to_string(result));
    return result;
}

void TDialog::SetupWindow() {}

QWidget* TDialog::FirstTabStop() const {
    for (QWidget* widget = nextInFocusChain(); widget && widget != this;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && ShownWith(widget, this))
            return widget;
    }
    return nullptr;
}

QWidget* TDialog::FocusedControl() const {
    return focusWidget() ? focusWidget() : FirstTabStop();
}

void TDialog::FocusOpeningField() {
    // As the platform's own dialogs open: the field the program gave the focus, else the first tab
    // stop, has its offered text selected, so that what the user types replaces the offer instead of
    // being added to it. Where that is no edit field, the platform's own choice stands.
    auto* edit = qobject_cast<QLineEdit*>(FocusedControl());
    if (!edit) return;
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
}

void TDialog::CmOk() {
    CloseWindow(IDOK);
}
void TDialog::CmCancel() {
    Destroy(IDCANCEL);
}
void TDialog::CmNo() {
    Destroy(IDNO);
}
void TDialog::CmHelp() {}
void TDialog::EvCommand(int32_t) {}
void TDialog::EvSelChange(int32_t) {}

bool TDialog::CloseWindow(int retValue) {
    if (retValue != IDCANCEL && !Validate()) return false;
    Destroy(retValue);
    return true;
}

void TDialog::Destroy(int retValue) {
    ended_ = true;
    done(retValue);
}

bool TDialog::Validate() {
    for (const auto& [id, widget] : controls_) {
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (!edit) continue;
        auto* validator = dynamic_cast<const TValidator*>(edit->validator());
        if (!validator || validator->IsValid(Latin1(edit->text()))) continue;
        validator->Error(this);
        edit->setFocus();
        edit->selectAll();
        return false;
    }
    return true;
}

QWidget* TDialog::Control(int32_t id) const {
    if (id == pl::kNoControlId) return nullptr;
    for (const auto& [controlId, widget] : controls_)
        if (controlId == id) return widget;
    return nullptr;
}

QButtonGroup* TDialog::RadioGroupOf(int32_t id) const {
    auto found = radioGroups_.find(id);
    return found == radioGroups_.end() ? nullptr : found->second;
}

void TDialog::PressButton(int32_t id) {
    Dispatch(id);
}

bool TDialog::AnswersOnlyByButtons() const {
    return Control(IDNO) != nullptr && Control(IDCANCEL) == nullptr;
}

void TDialog::reject() {
    Dispatch(IDCANCEL);
}
void TDialog::accept() {
    Dispatch(IDOK);
}

void TDialog::Dispatch(int32_t id) {
    // Handlers are the program's code: nothing they throw may unwind through Qt's event loop.
    try {
        switch (id) {
        case IDOK:
            CmOk();
            break;
        case IDCANCEL:
            if (!AnswersOnlyByButtons()) CmCancel();
            break;
        case IDNO:
            CmNo();
            break;
        case IDHELP:
            CmHelp();
            break;
        default:
            EvCommand(id);
            break;
        }
    } catch (const std::exception& error) {
        MessageBox(this, error.what(), nullptr, MB_OK | MB_ICONHAND);
    } catch (...) {
        MessageBox(this, "Unexpected error", nullptr, MB_OK | MB_ICONHAND);
    }
}

std::string TDialog::DescribeControls() const {
    std::string text;
    for (const auto& [id, widget] : controls_) {
        if (id == pl::kNoControlId) continue;
        std::string value;
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            value = pl::script::Quote(Latin1(edit->text()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!button->isCheckable()) continue;
            value.assign(1, button->isChecked() ? '1' : '0');
        } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QListWidgetItem* item = list->currentItem();
            value = item && item->isSelected() ? pl::script::Quote(Latin1(item->text())) : "none";
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->pixmap().isNull() && !label->text().isEmpty())
                value = pl::script::Quote(Latin1(label->text()));
            else
                continue;
        } else {
            continue;
        }
        if (!text.empty()) text += ' ';
        text += std::to_string(id) + "=" + value;
    }
    return text;
}

int TDialog::ExecuteScripted() {
    using namespace pl::script;
    const std::string what = std::to_string(resId_) + " " + Quote(Latin1(windowTitle()));
    std::optional<Answer> answer = Take(AnswerKind::Dialog, what);
    if (answer && answer->ResId != 0 && answer->ResId != resId_) {
        RecordError("dialog " + what + " found an answer for dialog " + std::to_string(answer->ResId));
        answer.reset();
    }
    if (!answer) {
        Destroy(IDCANCEL);
        return IDCANCEL;
    }
    for (const DialogStep& step : answer->Steps) {
        for (const auto& [id, value] : step.Values)
            ApplyScriptedValue(id, value);
        if (step.Button != IDCANCEL) {
            auto* button = qobject_cast<QAbstractButton*>(Control(step.Button));
            if (!button || button->isCheckable()) {
                RecordError("dialog " + what + " has no button " + std::to_string(step.Button));
                continue;
            }
            if (!button->isEnabled()) {
                RecordError("dialog " + what + ": button " + std::to_string(step.Button) + " is disabled");
                continue;
            }
            // Clicked with the mouse: the button takes the focus before the dialog answers.
            MoveScriptedFocus(button, Qt::MouseFocusReason);
        }
        PressButton(step.Button);
        pl::TestLog("Dialog " + std::to_string(resId_) + " pressed " + std::to_string(step.Button) + " -> " +
                    (ended_ ? "closed " + std::to_string(result()) : std::string("still open")));
        if (ended_) break;
    }
    if (!ended_) {
        RecordError("dialog " + what + " is still open after its scripted answer");
        Destroy(IDCANCEL);
    }
    return result();
}

void TDialog::MoveScriptedFocus(QWidget* to, Qt::FocusReason reason) {
    QWidget* from = FocusedControl();
    const Qt::FocusPolicy taking = reason == Qt::MouseFocusReason ? Qt::ClickFocus : Qt::TabFocus;
    if (from == to || !(to->focusPolicy() & taking)) return;
    // The dialog is not shown while a script answers it, so Qt sends no focus events of its own: the
    // controls get the ones the move would bring (an edit field loses its selection as it is left and
    // selects its text as Tab enters it).
    if (from) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(from, &out);
    }
    to->setFocus(reason);
    QFocusEvent in(QEvent::FocusIn, reason);
    QCoreApplication::sendEvent(to, &in);
}

void TDialog::ApplyScriptedValue(int32_t id, const std::string& value) {
    using pl::script::RecordError;
    QWidget* widget = Control(id);
    const std::string where = "dialog " + std::to_string(resId_) + " control " + std::to_string(id);
    if (!widget) {
        RecordError(where + " does not exist");
        return;
    }
    if (!widget->isEnabled()) {
        RecordError(where + " is disabled");
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // Typed as a user types, into the field as the dialog leaves it: the focused field as it
        // stands, another one reached by Tab. The validator and the length limit drop what they
        // refuse; no text at all is the Delete key.
        MoveScriptedFocus(edit, Qt::TabFocusReason);
        if (value.empty()) edit->del();
        for (char c : value)
            edit->insert(QString(QChar(static_cast<unsigned char>(c))));
        return;
    }
    // Anything else is clicked, and takes the focus as it is.
    MoveScriptedFocus(widget, Qt::MouseFocusReason);
    if (auto* button = qobject_cast<QAbstractButton*>(widget); button && button->isCheckable()) {
        const bool check = value == "1";
        if (button->isChecked() == check) return;
        QButtonGroup* group = RadioGroupOf(id);
        if (!check && group) {
            group->setExclusive(false);
            button->setChecked(false);
            group->setExclusive(true);
        } else {
            button->click();
        }
        return;
    }
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        if (value.empty()) {
            list->setCurrentRow(-1);
            list->clearSelection();
            return;
        }
        const auto items = list->findItems(QString::fromLatin1(value.c_str()), Qt::MatchExactly);
        if (items.isEmpty()) {
            RecordError(where + " holds no string " + pl::script::Quote(value));
            return;
        }
        list->setCurrentItem(items.first());
        return;
    }
    RecordError(where + " takes no value");
}
