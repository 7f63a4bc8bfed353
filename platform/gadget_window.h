// Windows made of gadgets: the status bar with its message area, and the dockable control bar in
// the frame's harbour.
#pragma once

#include <QPointer>
#include <string>
#include <vector>

#include "platform/gadgets.h"
#include "platform/window.h"

class QStatusBar;
class QToolBar;
class TDecoratedFrame;

class TGadgetWindow : public TWindow {
public:
    enum TTileDirection { Horizontal, Vertical };
    enum THintMode { PressHints, EnterHints };
    enum TPlacement { Before, After };

    TGadgetWindow(TWindow* parent = nullptr, TTileDirection direction = Horizontal,
                  const TGadgetWindowFont* font = nullptr, TModule* module = nullptr);
    ~TGadgetWindow() override; // deletes the gadgets

    // Adds a gadget (after or before the sibling, at the end when none); the window owns it.
    virtual void Insert(TGadget& gadget, TPlacement placement = After, TGadget* sibling = nullptr);
    const std::vector<TGadget*>& GetGadgets() const { return Gadgets; }

    void SetHintMode(THintMode mode) { HintMode = mode; }
    THintMode GetHintMode() const { return HintMode; }
    // Shows a command's hint in the frame's message bar (enter-hint mode only); id 0 clears it.
    void ShowCommandHint(int32_t commandId);

protected:
    // The Qt widget the gadgets go in, and where in it the gadget at index goes.
    virtual void PlaceGadget(TGadget& gadget, int index) = 0;
    TDecoratedFrame* Frame() const;

    TTileDirection Direction;
    TGadgetWindowFont Font;
    bool HasFont;
    THintMode HintMode = PressHints;
    std::vector<TGadget*> Gadgets;
};

// The message area: a one-line text, temporarily replaced by a hint while a menu item is
// highlighted or the pointer is on a button.
class TMessageBar : public TGadgetWindow {
public:
    explicit TMessageBar(TWindow* parent = nullptr, const TGadgetWindowFont* font = nullptr,
                         TModule* module = nullptr);
    ~TMessageBar() override;

    void SetText(const char* text);
    const char* GetText() const { return Text.c_str(); }
    // A hint over the text; null or "" puts the text back.
    void SetHintText(const char* hint);
    // What the message area shows now (the hint while there is one, else the text).
    std::string GetShownText() const;

    QStatusBar* StatusWidget() const { return Bar; }

protected:
    void PlaceGadget(TGadget& gadget, int index) override;

private:
    void Show();
    QStatusBar* Bar;
    QLabel* Message;
    std::string Text;
    std::string Hint;
};

class TStatusBar : public TMessageBar {
public:
    enum TModeIndicator {
        ExtendSelection = 1,
        CapsLock = 2,
        NumLock = 4,
        ScrollLock = 8,
        Overtype = 16,
        RecordingMacro = 32
    };

    TStatusBar(TWindow* parent = nullptr, TGadget::TBorderStyle borderStyle = TGadget::Recessed,
               unsigned modeIndicators = 0, const TGadgetWindowFont* font = nullptr,
               TModule* module = nullptr);
};

// A control bar that docks in the frame's harbour: starts docked at the top, can be moved, floated
// and docked again at any edge.
class TDockableControlBar : public TGadgetWindow {
public:
    explicit TDockableControlBar(TWindow* parent = nullptr, TTileDirection direction = Horizontal,
                                 const TGadgetWindowFont* font = nullptr, TModule* module = nullptr);
    ~TDockableControlBar() override;

    QToolBar* ToolBar() const { return Bar; }

protected:
    void PlaceGadget(TGadget& gadget, int index) override;

private:
    QToolBar* Bar;
};

enum TAbsLocation { alNone = 0, alTop = 1, alBottom = 2, alLeft = 3, alRight = 4 };

// The frame's docking area for control bars.
class THarbor {
public:
    explicit THarbor(TDecoratedFrame& frame);
    // Docks the bar at the edge; the frame owns it from now on.
    void Insert(TDockableControlBar& bar, TAbsLocation location = alTop);

private:
    TDecoratedFrame& Frame;
};
