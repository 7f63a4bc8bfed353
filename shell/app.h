// The application object and the program's main function: builds the frame with its menu, status
// bar and dockable control bar around the MDI client, then runs the message loop.
#pragma once

#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/gadget_window.h"
#include "platform/gadgets.h"

class TClient;
class TDecoratedMDIFrame;

constexpr const char* kProgramTitle = "TREVALYN 6.1";

class TAApp : public TApplication {
public:
    // The client starts in `programDirectory` (ending in '/'), or in the executable's folder when empty.
    explicit TAApp(const char* name = kProgramTitle, std::string programDirectory = {});
    ~TAApp() override;

    void InitMainWindow() override;
    void SetupControlBar(TDecoratedMDIFrame* frame);

    // The bars and gadgets belong to the frame once inserted; the font and the harbour live as
    // long as the application.
    TStatusBar* StatusBar = nullptr;
    TTextGadget* DistanceGadget = nullptr;
    TTextGadget* ToolGadget = nullptr;
    std::unique_ptr<TGadgetWindowFont> ControlBarFont;
    std::unique_ptr<THarbor> Harbor;
    TClient* Client = nullptr;
    TDockableControlBar* ControlBar = nullptr; // the bar SetupControlBar built

private:
    std::string ProgramDirectory;
};

// The program run from `programDirectory` (ending in '/'): where a copy runs from there already, it
// says so and ends before it reads or writes any file there.
int RunProgramFrom(const std::string& programDirectory);

// The program's main function: the program run from the executable's folder; the arguments are not used.
int OwlMain(int argc, char** argv);
