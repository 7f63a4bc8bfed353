#include "dialogs/help_commands.h"

#include "dialogs/help_context.h"
#include "document/help_modes.h"

namespace {

HelpRequest HtmlTopic(std::string_view page, std::string_view window) {
    HelpRequest request;
    request.kind = HelpRequest::Kind::HtmlTopic;
    request.address = HtmlHelpTopic(page, window);
    return request;
}

HelpRequest WinHelpTopic(int32_t context) {
    HelpRequest request;
    request.kind = HelpRequest::Kind::WinHelpContext;
    request.address = std::string(kWinHelpFile);
    request.context = context;
    return request;
}

HelpRequest Message(std::string text, std::string caption) {
    HelpRequest request;
    request.kind = HelpRequest::Kind::Message;
    request.text = std::move(text);
    request.caption = std::move(caption);
    return request;
}

// The Help menu's fixed topics: a page in the menu's own window type, or a context number.
HelpRequest MenuTopic(int32_t helpMode, std::string_view page, int32_t context) {
    return helpMode == helpmode::kPages ? HtmlTopic(page, kMenuTopicWindow) : WinHelpTopic(context);
}

} // namespace

HelpRequest HelpMenuRequest(HelpMenuCommand command, int32_t helpMode, int32_t helpContextId,
                            int32_t drawingState) {
    switch (command) {
    case HelpMenuCommand::Intro:
        return MenuTopic(helpMode, kIntroPage, kIntroContext);
    case HelpMenuCommand::Contents:
        if (helpMode == helpmode::kPages) {
            HelpRequest request;
            request.kind = HelpRequest::Kind::HtmlContents;
            request.address = std::string(kHtmlHelpFile);
            return request;
        } else {
            HelpRequest request = WinHelpTopic(kContentsContext);
            request.kind = HelpRequest::Kind::WinHelpContents;
            return request;
        }
    case HelpMenuCommand::Search:
        if (helpMode == helpmode::kPages) {
            HelpRequest request = HtmlTopic(kIntroPage, kMenuTopicWindow);
            request.kind = HelpRequest::Kind::HtmlIndex;
            request.keyword = "base";
            return request;
        }
        return Message("Only available for the graphic help system that uses Interner Explorer4 or later",
                       "HELP INDEX");
    case HelpMenuCommand::Context:
        if (drawingState < 2) return Message("You must open a drawing FILE first", "CONTEXT HELP");
        return KeyHelpRequest(helpMode, helpContextId);
    case HelpMenuCommand::Examples:
        return MenuTopic(helpMode, "examples.htm", kExamplesContext);
    case HelpMenuCommand::Hints:
        return MenuTopic(helpMode, "hint.htm", kHintsContext);
    case HelpMenuCommand::HowTo:
        return MenuTopic(helpMode, "howto.htm", kHowToContext);
    case HelpMenuCommand::QuickStart:
        return MenuTopic(helpMode, "qstart.htm", kQuickStartContext);
    }
    return {};
}

HelpRequest PageHelpRequest(int32_t helpMode, int32_t helpContextId) {
    if (helpMode != helpmode::kPages) return {};
    return HtmlTopic(HelpPageForContext(helpContextId), kTopicWindow);
}

HelpRequest KeyHelpRequest(int32_t helpMode, int32_t helpContextId) {
    return helpMode == helpmode::kPages ? PageHelpRequest(helpMode, helpContextId) : WinHelpTopic(helpContextId);
}

HelpRequest DialogHelpRequest(int32_t helpMode, std::string_view page, int32_t context) {
    return helpMode == helpmode::kPages ? HtmlTopic(page, kTopicWindow) : WinHelpTopic(context);
}
