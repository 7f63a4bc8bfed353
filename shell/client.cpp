#include "shell/client.h"

#include <cstdio>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "platform/module_path.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"
#include "shell/auto_save_setting.h"
#include "shell/child.h"
#include "shell/chosen_tool.h"
#include "shell/colour_settings.h"
#include "shell/move_family_steps.h"
#include "shell/tool_preview.h"
#include "tools/line_tool.h"
#include "tools/working_file.h"

namespace {

// The help control the program looks for; the built-in help viewer always answers.
constexpr const char* kHtmlHelpControl = "\\WINDOWS\\SYSTEM\\HHCtrl.ocx";

// The directory part of the executable's path, with its separators at both ends.
std::string ExecutableDirectory() {
    pl::PathParts parts = pl::fnsplit(pl::GetModuleFileName());
    return parts.drive + parts.dir;
}

} // namespace

TClient::TClient() {
    StartUp(ExecutableDirectory());
}

TClient::TClient(const std::string& programDirectory) {
    StartUp(programDirectory);
}

TClient::~TClient() {
    OnWorkingFileFailure({});
}

void TClient::StartUp(const std::string& programDirectory) {
    // A failed write has put the document back as the step found it: the window shows that at once.
    OnWorkingFileFailure([this] {
        if (TChild* child = ActiveDrawingWindow()) child->Invalidate(true);
    });
    Frame = nullptr;
    FontColour = 0;
    FontData.Color = 0;

    ObjectList.ProgramDirectory = programDirectory;
    pl::SetHelpProgramDirectory(programDirectory);
    SetFileFailureTeller([](const char* text, const char* caption) {
        ::MessageBox(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
    });
    // What a save cut short by a crash left beside its file is of no use to anyone.
    for (const char* folder : {"CFG", "DWGS", "LIBS"})
        pl::RemoveStaleTemporaries(programDirectory + folder);
    // A step is all or nothing across a crash too: what one cut short wrote of it goes.
    PutBackStepsCutShort(programDirectory);

    Tool = std::make_unique<TLineobjtool>();
    Printer = std::make_unique<TPrinter>(GetApplication());

    shell::ReadScreenColours();
    SetBkgndColor(BackgroundColour);
    SaveState = shell::ReadAutoSave();

    HelpMode = pl::searchpath(kHtmlHelpControl).empty() ? helpmode::kContextNumbers : helpmode::kPages;
    if (HelpMode == helpmode::kPages)
        HtmlHelpA(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<uintptr_t>(&HelpCookie));
}

void TClient::SetupWindow() {
    TMDIClient::SetupWindow();
}

void TClient::InstallTool(std::unique_ptr<TDrawingtool> tool) {
    if (Tool) {
        // Nothing of a tool that ends may stay on screen after it, nor in memory: what it moved and
        // was waiting for Enter goes back at once, so that no later write takes it to the file.
        shell::WipeToolPreview(*this, *Tool);
        if (Tool->HoldsUnwrittenEdits() && !Tool->EndingPlacesEdits()) shell::DropUnwrittenEdits();
    }
    Tool.reset();
    Tool = std::move(tool);
}
