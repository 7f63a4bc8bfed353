#include "shell/length_prompt.h"

#include <cstring>
#include <vector>

#include "dialogs/feet_dialog.h"
#include "platform/input_dialog.h"
#include "resources/dialogs/feet_template.h"
#include "shell/child.h"
#include "shell/typed_length.h"

namespace shell {

std::optional<int32_t> AskNumber(const char* title, const char* prompt, const char* preset, int size) {
    std::vector<char> buffer(static_cast<size_t>(size), '\0');
    std::strncpy(buffer.data(), preset, buffer.size() - 1);
    TInputDialog dialog(nullptr, title, prompt, buffer.data(), size);
    if (dialog.Execute() != IDOK) return std::nullopt;
    return LeadingNumber(buffer.data());
}

std::optional<int32_t> AskFeetInches(TChild& window, int32_t initial) {
    TFeetdlg dialog(window.GetHandle(), kFeetDialogId, nullptr, initial);
    if (dialog.Execute() != IDOK) return std::nullopt;
    return FeetInchesToUnits(LeadingNumber(dialog.FeetText), LeadingNumber(dialog.InchesText),
                             LeadingNumber(dialog.NumeratorText), LeadingNumber(dialog.DenominatorText));
}

} // namespace shell
