// The main window: a frame with a menu built from a table, decorations (status bar at the bottom,
// control bars in the harbour) and a client window in the middle. Commands from the menu and the
// control bars are routed to the active MDI child, then the client window, then the frame; a
// command that nobody handles has its item or button disabled. The close box does not close the
// frame: it sends CM_EXIT, so the program's exit command runs; CloseWindow closes it and ends Run.
#pragma once

#include <map>
#include <QPointer>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "platform/window.h"

class QAction;
class QMainWindow;
class QMenu;
class QTimer;
class TMDIClient;
class TMessageBar;
namespace pl::detail {
class FrameWidget;
}

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const char* title, TWindow* clientWnd = nullptr,
                 bool shrinkToClient = false, TModule* module = nullptr);
    ~TFrameWindow() override;

    bool Create() override;
    bool CanClose() override;
    // CanClose, then takes the frame down; for the main window this ends the event loop with retVal.
    void CloseWindow(int retVal = 0) override;
    void Destroy(int retVal = 0) override;

    TWindow* GetClientWindow() const { return ClientWnd; }
    // The frame knows CM_EXIT: it closes itself.
    bool ProcessCommand(int32_t id) override;
    bool EnableCommand(TCommandEnabler& ce) override;

    // Replaces the menu bar with the table's popups and items.
    void AssignMenu(const TMenuTable& menu);
    void AssignMenu(int32_t menuResId);
    void SetIcon(TModule* module, int32_t iconResId);
    // Menu-selection tracking: the highlighted item's hint shows in the message bar.
    void SetTrackMenuSelection(bool track) { TrackMenuSelection = track; }

    // Routes a command as a menu item or button would; false when nobody handled it.
    bool RouteCommand(int32_t id);
    // The command-enabling pass over every menu item and button (also run when a menu is about to
    // show and on a short idle timer).
    void CommandEnablePass();
    // Menu items and buttons take part in routing and enabling once registered.
    void RegisterCommandAction(int32_t id, QAction* action);
    QAction* FindMenuAction(int32_t id) const;

    // The message bar that shows hints (the status bar once inserted); null when none.
    TMessageBar* GetMessageBar() const { return MessageBar; }
    void SetMessageBar(TMessageBar* bar) { MessageBar = bar; }

    QMainWindow* MainWidget() const;

protected:
    // The windows that get a command, in routing order.
    std::vector<TWindow*> CommandTargets() const;

    TWindow* ClientWnd;
    TMessageBar* MessageBar = nullptr;
    bool TrackMenuSelection = false;

private:
    void ShowMenuHint(int32_t id);
    void BuildWidget();

    pl::detail::FrameWidget* Widget = nullptr;
    QTimer* IdleTimer = nullptr;
    std::multimap<int32_t, QPointer<QAction>> Actions;
    std::vector<QPointer<QMenu>> Menus;
    friend class pl::detail::FrameWidget;
};

// A frame with decorations around the client window.
class TDecoratedFrame : public TFrameWindow {
public:
    enum TLocation { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

    TDecoratedFrame(TWindow* parent, const char* title, TWindow* clientWnd, bool trackMenuSelection = false,
                    TModule* module = nullptr);
    ~TDecoratedFrame() override;

    // Places a decoration (status bar: Bottom) on the frame; the frame owns it from now on.
    virtual void Insert(TWindow& decoration, TLocation location = Top);

private:
    std::vector<TWindow*> Decorations;
};

// The decorated frame around an MDI client.
class TDecoratedMDIFrame : public TDecoratedFrame {
public:
    TDecoratedMDIFrame(const char* title, int32_t menuResId, TMDIClient& clientWnd,
                       bool trackMenuSelection = false, TModule* module = nullptr);
    TDecoratedMDIFrame(const char* title, const TMenuTable& menu, TMDIClient& clientWnd,
                       bool trackMenuSelection = false, TModule* module = nullptr);

    TMDIClient* GetClient() const;
};
