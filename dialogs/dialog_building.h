// What the dialogs' constructors share: the templates of a dialog's family registered before the
// dialog is built, and the numeric edits that check a range.
#pragma once

#include <cstdint>

class QWidget;
class TDialog;
class TEdit;

namespace dialogs {

// Registers the family's templates the first time one of its dialogs is built.
template <void (*Register)()> void RegisterOnce() {
    static const bool registered = (Register(), true);
    (void)registered; // only the registration is wanted
}

// The same, handing its argument on so that the call can sit in the base-class initialiser.
template <void (*Register)()> int32_t WithTemplates(int32_t resId) {
    RegisterOnce<Register>();
    return resId;
}

template <void (*Register)()> QWidget* WithTemplates(QWidget* parent) {
    RegisterOnce<Register>();
    return parent;
}

// An edit of at most limit characters whose text must be a whole number from low to high.
TEdit* RangeEdit(TDialog* dialog, int32_t id, int32_t limit, int32_t low, int32_t high);

} // namespace dialogs
