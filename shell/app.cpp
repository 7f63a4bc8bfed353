#include "shell/app.h"

#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/frame_window.h"
#include "platform/module_path.h"
#include "platform/single_run.h"
#include "resources/control_bar_layout.h"
#include "resources/glyphs.h"
#include "resources/main_menu.h"
#include "resources/register_resources.h"
#include "shell/client.h"
#include "shell/datum_readout.h"
#include "shell/running_copy.h"
#include "tools/tool_names.h"

namespace {

// Visible, clipping its children, with caption, system menu, sizing border and both boxes; never a
// child window.
constexpr uint32_t kFrameStyle = 0x12CF0000u;
constexpr uint32_t kNotChild = 0xBFFFFFFFu;

// The widest texts of the two gadgets: the read-out at six-digit distances in both units and both
// forms, and the tool names with a two-digit pen width.
std::vector<std::string> WidestReadouts() {
    constexpr int32_t kFar = -999999;
    constexpr int32_t kWithBearing = 4;
    constexpr int32_t kDistanceOnly = 2;
    std::vector<std::string> texts{"cursor distance"};
    for (const bool metric : {true, false})
        for (const int32_t mode : {kWithBearing, kDistanceOnly})
            texts.push_back(shell::DatumReadout(kFar, kFar + 1, mode, metric));
    return texts;
}

std::vector<std::string> WidestToolNames() {
    constexpr int32_t kWidestPen = 99;
    return {"GUIDE: Pick Tool", "Dimension - Manual", PenAndName(kWidestPen, "Multiline"),
            PenAndName(kWidestPen, "RoundRect"), std::to_string(kWidestPen) + ", LINE dotdash+txt"};
}

} // namespace

TAApp::TAApp(const char* name, std::string programDirectory)
    : TApplication(name), ProgramDirectory(std::move(programDirectory)) {
    res::RegisterProgramResources();
}

TAApp::~TAApp() = default;

void TAApp::InitMainWindow() {
    EnableCtl3d(true);

    Client = ProgramDirectory.empty() ? new TClient() : new TClient(ProgramDirectory);

    auto* frame = new TDecoratedMDIFrame(kProgramTitle, res::kMainMenuId, *Client, true);
    frame->Attr.Style |= kFrameStyle;
    frame->Attr.Style &= kNotChild;
    Client->Frame = frame;

    DistanceGadget = new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 16, "", nullptr);
    ToolGadget = new TTextGadget(0, TGadget::Recessed, TTextGadget::Left, 10, "", nullptr);
    DistanceGadget->FitTexts(WidestReadouts());
    ToolGadget->FitTexts(WidestToolNames());

    StatusBar = new TStatusBar(frame, TGadget::Recessed, 0, nullptr);
    StatusBar->Insert(*ToolGadget);
    StatusBar->SetText("press F1 for context help");
    frame->Insert(*StatusBar, TDecoratedFrame::Bottom);

    Client->StatusBar = StatusBar;
    Client->DistanceGadget = DistanceGadget;
    Client->ToolGadget = ToolGadget;

    SetMainWindow(frame);
    SetupControlBar(frame);
    frame->SetIcon(nullptr, res::kProgramIconId);

    if (nCmdShow != SW_SHOWMINIMIZED) nCmdShow = SW_SHOWMAXIMIZED;

    StatusBar->SetText("GUIDE LINE: Press FILE/NEW or FILE/OPEN");
    DistanceGadget->SetText("cursor distance");
    StatusBar->SetHintMode(TGadgetWindow::EnterHints);
}

void TAApp::SetupControlBar(TDecoratedMDIFrame* frame) {
    Harbor = std::make_unique<THarbor>(*frame);
    ControlBarFont = std::make_unique<TGadgetWindowFont>(6, false, false);

    auto* bar = new TDockableControlBar(frame, TGadgetWindow::Horizontal, ControlBarFont.get());
    ControlBar = bar;
    for (const auto& gadget : res::ControlBarLayout()) {
        switch (gadget.Kind) {
        case res::GadgetKind::Button:
            bar->Insert(*new TButtonGadget(gadget.Bitmap, gadget.Command, TButtonGadget::Command, false,
                                           TButtonGadget::Up));
            break;
        case res::GadgetKind::Separator:
            bar->Insert(*new TSeparatorGadget(gadget.Size));
            break;
        case res::GadgetKind::DistanceText:
            bar->Insert(*DistanceGadget);
            break;
        }
    }
    bar->SetHintMode(TGadgetWindow::EnterHints);
    Harbor->Insert(*bar, alTop);
}

int RunProgramFrom(const std::string& programDirectory) {
    // Before the start settles or writes anything: what another copy wrote and holds stays its own.
    pl::OneRunPerFolder run(programDirectory + "CFG/");
    if (!run.Alone()) {
        shell::TellCopyRunning(programDirectory, run.Other());
        return 0;
    }
    if (!run.Unlocked().empty()) shell::TellFolderUnlocked(programDirectory, run.Unlocked());
    TAApp app(kProgramTitle, programDirectory);
    run.AnswerLaterStarts([&app] { return shell::DrawingInUse(app.Client); });
    // A failed allocation ends in the standard way rather than calling a handler.
    std::set_new_handler(nullptr);
    return app.Run();
}

int OwlMain(int, char**) {
    return RunProgramFrom(pl::ModuleDirectory());
}
