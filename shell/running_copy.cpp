#include "shell/running_copy.h"

#include "document/document.h"
#include "platform/message_box.h"
#include "shell/app.h"
#include "shell/client.h"

namespace shell {

namespace {

std::string RunningCopyText(const std::string& programDirectory, const pl::OtherRun& other) {
    std::string text = "The program is already running from the folder\n" + programDirectory + "\n";
    if (!other.answered) {
        text += "but it did not say where its window is.";
    } else {
        text += other.said.empty() ? "with no drawing open." : "with the drawing " + other.said + " open.";
        text += " Its window";
        if (!other.title.empty()) text += ", \"" + other.title + "\"";
        if (!other.display.empty()) text += " on display " + other.display;
        text += ", was asked to come to the front.";
    }
    return text + "\n\nOnly one copy of the program runs from a folder at a time, so that neither writes "
                  "over the other's drawings and settings: this one ends and changes nothing.";
}

} // namespace

void TellFolderUnlocked(const std::string& programDirectory, const std::string& why) {
    const std::string text =
        "The folder\n" + programDirectory + "CFG/\ncannot be locked (" + why +
        "), so the program cannot make sure that no other copy runs from it.\n\nAnother start of the "
        "program on this computer is still refused while this one runs, but one started from the same "
        "folder on another computer would not be: run only one copy from this folder at a time.";
    ::MessageBox(nullptr, text.c_str(), kProgramTitle, MB_OK | MB_ICONEXCLAMATION);
}

std::string DrawingInUse(const TClient* client) {
    return client && client->ActiveDrawingWindow() ? ObjectList.DrawingName : "";
}

void TellCopyRunning(const std::string& programDirectory, const pl::OtherRun& other) {
    ::MessageBox(nullptr, RunningCopyText(programDirectory, other).c_str(), kProgramTitle,
                 MB_OK | MB_ICONINFORMATION);
}

} // namespace shell
