// The application object: builds the main window (InitMainWindow), shows it and runs the Qt event
// loop. One per program; a QApplication must exist before Run.
#pragma once

#include <cstdint>
#include <exception>
#include <string>

#include "platform/win_types.h"
#include "platform/window_constants.h"

class TFrameWindow;
class TModule;

class TApplication {
public:
    explicit TApplication(const char* name = nullptr);
    virtual ~TApplication(); // destroys the main window
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The running application (the one constructed last); null when none.
    static TApplication* Current();

    const std::string& GetName() const { return Name; }

    // Builds the main window; the program overrides it.
    virtual void InitMainWindow() {}
    // InitMainWindow, then creates and shows the main window by nCmdShow (SW_SHOWMINIMIZED stays
    // minimised, everything else is shown maximised). Run calls it; tests may call it alone.
    virtual bool InitInstance();
    // InitInstance, then the event loop until the main window closes or the system asks the program
    // to end (SIGTERM), which ends it as closing does; returns the exit code.
    virtual int Run();

    void SetMainWindow(TFrameWindow* window); // the application owns it from now on
    TFrameWindow* GetMainWindow() const { return MainWindow; }

    // A message box owned by the window (application-modal when null); MB_OK = 0.
    int MessageBox(HWND window, const char* text, const char* caption = nullptr, uint32_t type = 0);

    // Three-dimensional dialog controls: always on here.
    void EnableCtl3d(bool enable = true) { (void)enable; }

    // The show request for the main window.
    int nCmdShow = SW_SHOWNORMAL;

    // An exception raised by a handler the layer called is parked here instead of crossing Qt. The
    // press loop re-throws it with ResumeThrow after it has released the capture; outside a press
    // loop the dispatcher reports and drops it.
    void SuspendThrow(std::exception_ptr error) { Parked = error; }
    bool HasSuspendedThrow() const { return static_cast<bool>(Parked); }
    void ResumeThrow();

private:
    std::string Name;
    TFrameWindow* MainWindow = nullptr;
    std::exception_ptr Parked;
    TApplication* Previous;
};

// The program's entry, called by main once the QApplication exists; the program defines it.
int OwlMain(int argc, char* argv[]);
