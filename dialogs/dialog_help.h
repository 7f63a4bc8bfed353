// The help page of a dialog's Help button: the HTML help page in help mode 1, else the context of the
// older help file.
#pragma once

#include <cstdint>
#include <QWidget>

#include "document/program_state.h"
#include "platform/help.h"

namespace dialogs {

inline void ShowDialogHelp(QWidget* owner, const char* htmlTopic, int32_t context) {
    if (HelpMode == helpmode::kPages)
        HtmlHelpA(owner, htmlTopic, HH_DISPLAY_TOPIC, 0);
    else
        WinHelpA(owner, "tvwhlp.hlp", HELP_CONTEXT, static_cast<uintptr_t>(context));
}

} // namespace dialogs
