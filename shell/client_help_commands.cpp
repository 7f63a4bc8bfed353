// The Help menu. What each command asks of the help system is decided in help_commands.cpp; these
// handlers make the request on behalf of the client window.
#include "dialogs/help_commands.h"
#include "document/program_state.h"
#include "shell/child.h"
#include "shell/client.h"

namespace {

void ShowMenuHelp(TClient& client, HelpMenuCommand command) {
    ShowHelp(client.GetHandle(), HelpMenuRequest(command, HelpMode, HelpContextId, DrawingState));
}

} // namespace

void TClient::CmHelpIntro() {
    ShowMenuHelp(*this, HelpMenuCommand::Intro);
}

void TClient::CmHelpContents() {
    ShowMenuHelp(*this, HelpMenuCommand::Contents);
}

void TClient::CmHelpSearch() {
    ShowMenuHelp(*this, HelpMenuCommand::Search);
}

void TClient::CmContextHelp() {
    ShowMenuHelp(*this, HelpMenuCommand::Context);
}

void TClient::CmExamples() {
    ShowMenuHelp(*this, HelpMenuCommand::Examples);
}

void TClient::CmHints() {
    ShowMenuHelp(*this, HelpMenuCommand::Hints);
}

void TClient::CmHowTo() {
    ShowMenuHelp(*this, HelpMenuCommand::HowTo);
}

void TClient::CmQuickStart() {
    ShowMenuHelp(*this, HelpMenuCommand::QuickStart);
}

void TClient::CmAbout() {
    TChild* child = ActiveDrawingWindow();
    ShowAboutBox(child ? child->GetHandle() : GetHandle());
}
