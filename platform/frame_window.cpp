#include "platform/frame_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <set>

#include "platform/application.h"
#include "platform/detail/guard.h"
#include "platform/gadget_window.h"
#include "platform/mdi_child.h"
#include "platform/mdi_client.h"

namespace {

// Greyed menu items still highlight under the pointer, so their hints show in the status bar
// like those of the items that can be chosen. Choosing a greyed item still does nothing.
class MenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_AllowActiveAndDisabled) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* TheMenuStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new MenuStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace

namespace pl::detail {

// The frame's widget. Its close box does not close it: it sends the exit command, so the program
// can ask about unsaved work first.
class FrameWidget : public QMainWindow {
public:
    explicit FrameWidget(TFrameWindow* owner) : Owner(owner) {}
    TFrameWindow* Owner;
    bool AllowClose = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (AllowClose || !Owner) {
            event->accept();
            return;
        }
        event->ignore();
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (Owner) Owner->RouteCommand(CM_EXIT);
            },
            Qt::QueuedConnection);
    }
};

} // namespace pl::detail

namespace {
// How often the idle command-enabling pass runs.
constexpr int kIdleEnableMs = 250;
} // namespace

TFrameWindow::TFrameWindow(TWindow* parent, const char* title, TWindow* clientWnd, bool, TModule* module)
    : TWindow(parent, title, module), ClientWnd(clientWnd) {
    BuildWidget();
}

void TFrameWindow::BuildWidget() {
    Widget = new pl::detail::FrameWidget(this);
    Widget->setWindowTitle(QString::fromLatin1(Title.c_str()));
    Widget->setAttribute(Qt::WA_DeleteOnClose, false);
    if (ClientWnd && ClientWnd->GetHandle()) Widget->setCentralWidget(ClientWnd->GetHandle());
    SetHandle(Widget);
    IdleTimer = new QTimer(Widget);
    IdleTimer->setInterval(kIdleEnableMs);
    QObject::connect(IdleTimer, &QTimer::timeout, Widget, [this] { CommandEnablePass(); });
}

TFrameWindow::~TFrameWindow() {
    if (Widget) Widget->Owner = nullptr;
    delete ClientWnd;
    ClientWnd = nullptr;
    delete Widget;
    Widget = nullptr;
}

QMainWindow* TFrameWindow::MainWidget() const {
    return Widget;
}

bool TFrameWindow::Create() {
    if (!Widget) return false;
    if (IdleTimer->isActive()) return true;
    if (ClientWnd) {
        ClientWnd->Create();
        if (ClientWnd->GetHandle() && Widget->centralWidget() != ClientWnd->GetHandle())
            Widget->setCentralWidget(ClientWnd->GetHandle());
    }
    SetupWindow();
    CommandEnablePass();
    IdleTimer->start();
    return true;
}

bool TFrameWindow::CanClose() {
    return !ClientWnd || ClientWnd->CanClose();
}

void TFrameWindow::CloseWindow(int retVal) {
    if (!CanClose()) return;
    Destroy(retVal);
    TApplication* app = GetApplication();
    if (app && app->GetMainWindow() == this) QCoreApplication::exit(retVal);
}

void TFrameWindow::Destroy(int) {
    if (!Widget) return;
    IdleTimer->stop();
    Widget->AllowClose = true;
    Widget->close();
}

bool TFrameWindow::ProcessCommand(int32_t id) {
    if (id != CM_EXIT) return false;
    CloseWindow(0);
    return true;
}

bool TFrameWindow::EnableCommand(TCommandEnabler& ce) {
    if (ce.GetId() != CM_EXIT) return false;
    ce.Enable(true);
    return true;
}

void TFrameWindow::AssignMenu(int32_t menuResId) {
    AssignMenu(pl::LoadMenu(menuResId));
}

void TFrameWindow::AssignMenu(const TMenuTable& menu) {
    QMenuBar* bar = Widget->menuBar();
    for (auto it = Actions.begin(); it != Actions.end();) {
        // Menu actions belong to the menus about to go; buttons stay.
        if (!it->second || qobject_cast<QMenu*>(it->second->parent()))
            it = Actions.erase(it);
        else
            ++it;
    }
    bar->clear();
    Menus.clear();
    for (const TMenuPopup& popup : menu) {
        QMenu* m = bar->addMenu(QString::fromLatin1(popup.Caption.c_str()));
        m->setStyle(TheMenuStyle());
        Menus.emplace_back(m);
        QObject::connect(m, &QMenu::aboutToShow, Widget, [this] { CommandEnablePass(); });
        QObject::connect(m, &QMenu::aboutToHide, Widget, [this] {
            if (MessageBar) MessageBar->SetHintText(nullptr);
        });
        for (const TMenuItem& item : popup.Items) {
            if (item.IsSeparator()) {
                m->addSeparator();
                continue;
            }
            QAction* action = m->addAction(QString::fromLatin1(item.Text.c_str()));
            const int32_t id = item.Id;
            QObject::connect(action, &QAction::triggered, Widget, [this, id] { RouteCommand(id); });
            QObject::connect(action, &QAction::hovered, Widget, [this, id] { ShowMenuHint(id); });
            RegisterCommandAction(id, action);
        }
    }
    CommandEnablePass();
}

void TFrameWindow::SetIcon(TModule*, int32_t iconResId) {
    QImage icon = pl::LoadIcon(iconResId);
    if (!icon.isNull()) Widget->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
}

void TFrameWindow::ShowMenuHint(int32_t id) {
    if (!TrackMenuSelection || !MessageBar) return;
    MessageBar->SetHintText(pl::CommandHint(id).c_str());
}

std::vector<TWindow*> TFrameWindow::CommandTargets() const {
    std::vector<TWindow*> targets;
    if (auto* client = dynamic_cast<TMDIClient*>(ClientWnd))
        if (TMDIChild* child = client->GetActiveMDIChild()) targets.push_back(child);
    if (ClientWnd) targets.push_back(ClientWnd);
    targets.push_back(const_cast<TFrameWindow*>(this));
    return targets;
}

bool TFrameWindow::RouteCommand(int32_t id) {
    bool handled = false;
    for (TWindow* target : CommandTargets()) {
        pl::detail::Guarded([&] { handled = target->ProcessCommand(id); });
        if (handled) break;
    }
    if (Widget && Widget->isVisible()) CommandEnablePass();
    return handled;
}

void TFrameWindow::CommandEnablePass() {
    std::vector<TWindow*> targets = CommandTargets();
    std::set<int32_t> done;
    for (const auto& [id, unused] : Actions) {
        if (!done.insert(id).second) continue;
        TCommandEnabler ce(id);
        bool known = false;
        for (TWindow* target : targets) {
            pl::detail::Guarded([&] { known = target->EnableCommand(ce); });
            if (known) break;
        }
        // An item with no handler anywhere is disabled.
        bool enabled = known && ce.IsEnabled();
        auto range = Actions.equal_range(id);
        for (auto it = range.first; it != range.second; ++it) {
            QAction* action = it->second;
            if (!action) continue;
            action->setEnabled(enabled);
            if (ce.HasCheck()) {
                action->setCheckable(true);
                action->setChecked(ce.GetCheck() == TCommandEnabler::Checked);
            }
        }
    }
}

void TFrameWindow::RegisterCommandAction(int32_t id, QAction* action) {
    auto range = Actions.equal_range(id);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second == action) return;
    Actions.emplace(id, action);
}

QAction* TFrameWindow::FindMenuAction(int32_t id) const {
    auto range = Actions.equal_range(id);
    for (auto it = range.first; it != range.second; ++it)
        if (it->second && qobject_cast<QMenu*>(it->second->parent())) return it->second;
    return nullptr;
}

TDecoratedFrame::TDecoratedFrame(TWindow* parent, const char* title, TWindow* clientWnd,
                                 bool trackMenuSelection, TModule* module)
    : TFrameWindow(parent, title, clientWnd, false, module) {
    TrackMenuSelection = trackMenuSelection;
}

TDecoratedFrame::~TDecoratedFrame() {
    // Bars torn down after the message bar still take hints away as the pointer leaves their
    // buttons, so the frame forgets its message bar before that goes.
    for (TWindow* decoration : Decorations) {
        if (decoration == MessageBar) MessageBar = nullptr;
        delete decoration;
    }
}

void TDecoratedFrame::Insert(TWindow& decoration, TLocation location) {
    Decorations.push_back(&decoration);
    QMainWindow* main = MainWidget();
    if (auto* bar = dynamic_cast<TMessageBar*>(&decoration)) {
        main->setStatusBar(bar->StatusWidget());
        MessageBar = bar;
        return;
    }
    if (auto* bar = dynamic_cast<TDockableControlBar*>(&decoration)) {
        Qt::ToolBarArea area = Qt::TopToolBarArea;
        switch (location) {
        case Bottom:
            area = Qt::BottomToolBarArea;
            break;
        case Left:
            area = Qt::LeftToolBarArea;
            break;
        case Right:
            area = Qt::RightToolBarArea;
            break;
        default:
            break;
        }
        main->addToolBar(area, bar->ToolBar());
        for (TGadget* gadget : bar->GetGadgets())
            if (auto* button = dynamic_cast<TButtonGadget*>(gadget))
                if (button->Action()) RegisterCommandAction(button->GetCommandId(), button->Action());
        CommandEnablePass();
    }
}

TDecoratedMDIFrame::TDecoratedMDIFrame(const char* title, int32_t menuResId, TMDIClient& clientWnd,
                                       bool trackMenuSelection, TModule* module)
    : TDecoratedFrame(nullptr, title, &clientWnd, trackMenuSelection, module) {
    AssignMenu(menuResId);
}

TDecoratedMDIFrame::TDecoratedMDIFrame(const char* title, const TMenuTable& menu, TMDIClient& clientWnd,
                                       bool trackMenuSelection, TModule* module)
    : TDecoratedFrame(nullptr, title, &clientWnd, trackMenuSelection, module) {
    AssignMenu(menu);
}

TMDIClient* TDecoratedMDIFrame::GetClient() const {
    return dynamic_cast<TMDIClient*>(ClientWnd);
}
