#include "shell/client.h"

#include <cstdio>

#include "document/checked_file.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/help.h"
#include "platform/message_box.h"
#include "platform/module_path.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"
#include "shell/child.h"
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

// Colours of the drawing: background, pen, selection. A missing or short file is completed from
// the shipped default and written back, so the start-up always has three colours.
void ReadColours(const std::string& programDirectory) {
    int32_t background = static_cast<int32_t>(BackgroundColour);
    int32_t pen = static_cast<int32_t>(PenColour);
    int32_t select = static_cast<int32_t>(SelectColour);
    pl::ScanSettings(programDirectory + "CFG\\CLR.CFG", DefaultSettings("CLR.CFG"), "%ld %ld %ld\n",
                     &background, &pen, &select);
    BackgroundColour = static_cast<COLORREF>(background);
    PenColour = static_cast<COLORREF>(pen);
    SelectColour = static_cast<COLORREF>(select);
}

// Auto save: a stored 2 means on; anything else starts the run with the drawing counted as saved.
void ReadSaveState(const std::string& programDirectory) {
    int32_t stored = 1;
    pl::ScanSettings(programDirectory + "CFG\\SAVE.CFG", DefaultSettings("SAVE.CFG"), "%d", &stored);
    SaveState = stored == 2 ? 2 : 0;
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
    // A failed write has read the document back from the file: the window shows that at once.
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
    pl::RemoveStaleTemporaries(programDirectory + "CFG");
    pl::RemoveStaleTemporaries(programDirectory + "DWGS");

    Tool = std::make_unique<TLineobjtool>();
    Printer = std::make_unique<TPrinter>(GetApplication());

    ReadColours(programDirectory);
    SetBkgndColor(BackgroundColour);
    ReadSaveState(programDirectory);

    HelpMode = pl::searchpath(kHtmlHelpControl).empty() ? helpmode::kContextNumbers : helpmode::kPages;
    if (HelpMode == helpmode::kPages)
        HtmlHelpA(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<uintptr_t>(&HelpCookie));
}

void TClient::SetupWindow() {
    TMDIClient::SetupWindow();
}

void TClient::InstallTool(std::unique_ptr<TDrawingtool> tool) {
    // Nothing of a tool that ends may stay on screen after it.
    if (Tool) shell::WipeToolPreview(*this, *Tool);
    Tool.reset();
    Tool = std::move(tool);
}
