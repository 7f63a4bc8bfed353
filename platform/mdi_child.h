// An MDI child window: a sub-window of the MDI client with a client area that has its own back
// buffer (RGB32, client size). Device contexts draw into the buffer and the screen shows it on the
// next turn of the event loop. Created maximised when the style has WS_MAXIMIZE; scroll bars as the
// style has WS_HSCROLL / WS_VSCROLL. Closing it (close box or the client's CloseChildren) asks
// CanClose, then deletes the object.
#pragma once

#include <QPointer>

#include "platform/window.h"

class QMdiSubWindow;
class TMDIClient;

class TMDIChild : public TWindow {
public:
    TMDIChild(TMDIClient& parent, const char* title = nullptr, TWindow* clientWnd = nullptr,
              bool shrinkToClient = false, TModule* module = nullptr);
    ~TMDIChild() override;

    // Registers the class if needed, builds and shows the sub-window, runs SetupWindow, then
    // delivers the first EvSize.
    bool Create() override;
    void CloseWindow(int retVal = 0) override; // CanClose, then deletes the window object
    void Destroy(int retVal = 0) override;

    TMDIClient* GetClient() const { return Client; }
    QMdiSubWindow* SubWindow() const;

private:
    TMDIClient* Client;
    QPointer<QMdiSubWindow> Sub;
};
