#include "dialogs/tool_dialog_help.h"

#include "platform/help.h"
#include "shell/globals.h"

void ShowToolDialogHelp(QWidget* caller, const char* htmlTopic, int32_t winHelpContext) {
    if (HelpMode == 1)
        HtmlHelpA(caller, htmlTopic, HH_DISPLAY_TOPIC, 0);
    else
        WinHelpA(caller, "tvwhlp.hlp", HELP_CONTEXT, static_cast<uintptr_t>(winHelpContext));
}
