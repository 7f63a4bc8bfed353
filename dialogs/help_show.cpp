// The calls into the help systems, kept apart from the decisions in help_commands.cpp.
#include <string>

#include "dialogs/about_dialog.h"
#include "dialogs/help_commands.h"
#include "dialogs/help_context.h"
#include "platform/help.h"
#include "platform/message_box.h"

void ShowHelp(QWidget* owner, const HelpRequest& request) {
    const char* address = request.address.c_str();
    // Context numbers travel as the call's data word; the help system reads them back as 32-bit.
    const auto context = static_cast<uintptr_t>(static_cast<uint32_t>(request.context));
    switch (request.kind) {
    case HelpRequest::Kind::None:
        return;
    case HelpRequest::Kind::HtmlTopic:
        HtmlHelpA(owner, address, HH_DISPLAY_TOPIC, 0);
        return;
    case HelpRequest::Kind::HtmlContents:
        HtmlHelpA(owner, address, HH_DISPLAY_TOC, 0);
        return;
    case HelpRequest::Kind::HtmlIndex:
        HtmlHelpA(owner, address, HH_DISPLAY_INDEX, reinterpret_cast<uintptr_t>(request.keyword.c_str()));
        return;
    case HelpRequest::Kind::WinHelpContext:
        WinHelpA(owner, address, HELP_CONTEXT, context);
        return;
    case HelpRequest::Kind::WinHelpContents:
        WinHelpA(owner, address, HELP_CONTENTS, context);
        return;
    case HelpRequest::Kind::Message:
        MessageBox(owner, request.text.c_str(), request.caption.c_str(), MB_OK);
        return;
    }
}

void InstallWinHelpPageMap() {
    pl::SetWinHelpPageMap([](int32_t context) { return std::string(HelpPageForContext(context)); });
}

void ShowAboutBox(QWidget* parent) {
    RegisterAboutDialogTemplate();
    TAboutdlg box(parent, kAboutDialogId);
    box.Execute();
}
