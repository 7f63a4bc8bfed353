// The help commands of the Help menu, context help and the dialogs' Help buttons. Each decides,
// from the help system chosen at start-up (helpmode::kPages: pages, anything else: context numbers), what
// to ask of the help system; ShowHelp then makes that one call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One call to a help system, or a message box in its place.
struct HelpRequest {
    enum class Kind {
        None,            // nothing to show
        HtmlTopic,       // page-based help: show the topic `address`
        HtmlContents,    // page-based help: table of contents of the file `address`
        HtmlIndex,       // page-based help: index at `keyword`, starting on the topic `address`
        WinHelpContext,  // context-number help: topic `context` of the file `address`
        WinHelpContents, // context-number help: contents, topic `context` of the file `address`
        Message,         // an OK message box with `text` and `caption`
    };
    Kind kind = Kind::None;
    std::string address;
    int32_t context = 0;
    std::string keyword;
    std::string text;
    std::string caption;
};

enum class HelpMenuCommand { Intro, Contents, Search, Context, Examples, Hints, HowTo, QuickStart };

// The Help menu's commands (About excepted, which shows its box in either help system).
// Context help needs an open drawing (drawingState above 1) and shows the current topic.
HelpRequest HelpMenuRequest(HelpMenuCommand command, int32_t helpMode, int32_t helpContextId,
                            int32_t drawingState);

// The page of the current topic in the page-based help; nothing in the other help system.
HelpRequest PageHelpRequest(int32_t helpMode, int32_t helpContextId);

// The F1 key of the drawing window: the current topic in whichever help system is in use.
HelpRequest KeyHelpRequest(int32_t helpMode, int32_t helpContextId);

// A dialog's Help button: the dialog's own page, or its topic number.
HelpRequest DialogHelpRequest(int32_t helpMode, std::string_view page, int32_t context);

class QWidget;

// Makes the one call a request asks for, owned by `owner` (the client window, a drawing window or a
// dialog). A request of kind None does nothing.
void ShowHelp(QWidget* owner, const HelpRequest& request);

// Lets the context-number help system show the page of each topic number. Called once at start-up.
void InstallWinHelpPageMap();

// The About box, modal, parented to the active drawing window or, with none, the client window.
void ShowAboutBox(QWidget* parent);
