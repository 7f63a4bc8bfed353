#include "platform/dialog_template.h"

#include <map>

namespace pl {
namespace {

std::map<int32_t, DialogTemplate>& Registry() {
    static std::map<int32_t, DialogTemplate> registry;
    return registry;
}

} // namespace

void RegisterDialogTemplate(int32_t resId, DialogTemplate dialogTemplate) {
    Registry()[resId] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(int32_t resId) {
    auto found = Registry().find(resId);
    return found == Registry().end() ? nullptr : &found->second;
}

} // namespace pl
