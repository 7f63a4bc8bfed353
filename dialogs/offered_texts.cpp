#include "dialogs/offered_texts.h"

#include "platform/controls.h"

namespace dialogs {

void OfferedTexts::Remember(std::initializer_list<const TEdit*> edits) {
    offers_.clear();
    for (const TEdit* edit : edits)
        offers_.emplace_back(edit, edit->GetText());
}

bool OfferedTexts::Untouched() const {
    for (const auto& [edit, offered] : offers_)
        if (edit->GetText() != offered) return false;
    return true;
}

} // namespace dialogs
