// The window base of the layer: a C++ object with virtual message handlers, shown through a Qt
// widget. Messages arrive as calls of the Ev* handlers; no exception thrown by a handler crosses
// into Qt (see TApplication::SuspendThrow).
#pragma once

#include <cstdint>
#include <memory>
#include <QPointer>
#include <string>

#include "platform/command_enabler.h"
#include "platform/geometry.h"
#include "platform/window_constants.h"

class QImage;
class QWidget;
class TApplication;
class TDC;
class TModule;
class TScroller;
namespace pl::detail {
class ClientView;
}

// What a window class gives every window of the class: the background brush (a solid colour) and
// the cursor. Filled once, when the first window of the class is created.
struct WNDCLASS {
    COLORREF Background = RGB(255, 255, 255);
    int Cursor = IDC_ARROW;
};

class TWindow {
public:
    struct TWindowAttr {
        uint32_t Style = 0;
        uint32_t ExStyle = 0;
        int32_t X = 0, Y = 0, W = 0, H = 0;
    };

    explicit TWindow(TWindow* parent = nullptr, const char* title = nullptr, TModule* module = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    TWindowAttr Attr;
    TScroller* Scroller = nullptr; // owned; made by the program when it wants one

    TWindow* GetParent() const { return Parent; }
    TApplication* GetApplication() const;
    // The widget that shows the window's client area; null before Create.
    QWidget* GetHandle() const;

    // Builds the widgets, then calls SetupWindow. False when the window cannot be shown.
    virtual bool Create();
    virtual void SetupWindow() {}
    virtual bool CanClose() { return true; }
    // Closes the window when CanClose agrees.
    virtual void CloseWindow(int retVal = 0);
    // Takes the window off the screen (the object lives on).
    virtual void Destroy(int retVal = 0);

    void SetCaption(const char* title);
    std::string GetCaption() const { return Title; }

    // Window class: its name, and the record filled when the class is first used.
    virtual const char* GetClassName() { return "TWindow"; }
    virtual void GetWindowClass(WNDCLASS& wc) { (void)wc; }
    // The class record in force for this window (after Create).
    const WNDCLASS& GetClassRecord() const { return ClassRecord; }
    // Changes the class's background, as setting the class's background brush does: windows of the
    // class made from now on take it, and this window erases with it from its next repaint.
    void SetClassBackground(COLORREF colour);

    // Commands from menus and buttons. ProcessCommand runs a handler and says whether there was one;
    // EnableCommand runs the enabler (or notes the handler) and says whether the window knows the
    // command. The defaults know none.
    virtual bool ProcessCommand(int32_t id);
    virtual bool EnableCommand(TCommandEnabler& ce);

    // Geometry of the client area (left = top = 0) and conversions to and from the screen.
    TRect GetClientRect() const;
    void GetClientRect(TRect& rect) const { rect = GetClientRect(); }
    void ClientToScreen(TPoint& point) const;
    void ScreenToClient(TPoint& point) const;

    // Painting: marks parts of the client area for the next paint (clipped to the client area),
    // UpdateWindow paints them at once. A null rectangle means the whole client area.
    void Invalidate(bool erase = true);
    void InvalidateRect(const TRect& rect, bool erase = true);
    void InvalidateRect(const TRect* rect, bool erase = true);
    void UpdateWindow();
    // Called with a DC clipped to the invalid region; rect is the invalid region's bounds.
    virtual void Paint(TDC& dc, bool erase, TRect& rect);

    // Scroll bars of the window (shown when the style has WS_HSCROLL / WS_VSCROLL). They are set only
    // by these calls; the scroller never touches them.
    void SetScrollRange(int bar, int minPos, int maxPos, bool redraw = true);
    void GetScrollRange(int bar, int& minPos, int& maxPos) const;
    int SetScrollPos(int bar, int pos, bool redraw = true); // returns the previous position
    int GetScrollPos(int bar) const;

    // The cursor shown over the client area (IDC_CROSS, IDC_IBEAM, IDC_ARROW).
    bool SetCursor(TModule* module, int cursorId);

    // A message box owned by this window (MB_OK = 0); returns IDOK, IDYES, IDNO or IDCANCEL.
    int MessageBox(const char* text, const char* caption = nullptr, uint32_t type = 0);

    // Mouse capture: moves and button messages keep coming to this window wherever the pointer is.
    void SetCapture();
    void ReleaseCapture();

    // Message handlers. The defaults do nothing, except EvSize (updates the scroller's page) and the
    // scroll handlers (pass the code to the scroller).
    virtual void EvSize(uint sizeType, const TSize& size);
    virtual void EvLButtonDown(uint modKeys, const TPoint& point);
    virtual void EvLButtonUp(uint modKeys, const TPoint& point);
    virtual void EvRButtonDown(uint modKeys, const TPoint& point);
    virtual void EvRButtonUp(uint modKeys, const TPoint& point);
    virtual void EvMouseMove(uint modKeys, const TPoint& point);
    virtual void EvKeyDown(uint key, uint repeatCount, uint flags);
    virtual void EvKeyUp(uint key, uint repeatCount, uint flags);
    virtual void EvChar(uint key, uint repeatCount, uint flags);
    virtual void EvHScroll(uint scrollCode, uint thumbPos);
    virtual void EvVScroll(uint scrollCode, uint thumbPos);

    // Layer internals, used by the device contexts and the message pump.
    QImage* BackBuffer();
    void MarkDirty(const TRect& rect);
    pl::detail::ClientView* View() const { return ViewWidget; }

protected:
    // For subclasses that show themselves through another kind of widget.
    void SetHandle(QWidget* widget);
    // Builds the client-area widget with its back buffer (what a drawing window needs).
    pl::detail::ClientView* MakeClientView(QWidget* parent);
    // Fills ClassRecord through GetWindowClass the first time a class name is seen.
    void RegisterClass();
    // Cuts the client-area widget loose from this object (it is about to go).
    void DetachView();

    TWindow* Parent;
    std::string Title;
    WNDCLASS ClassRecord;
    int CursorId = 0; // the window's own cursor; 0 takes the class's

private:
    QPointer<QWidget> Handle;
    pl::detail::ClientView* ViewWidget = nullptr;
    friend class pl::detail::ClientView;
};
