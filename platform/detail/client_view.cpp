#include "platform/detail/client_view.h"

#include <algorithm>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/cursor.h"
#include "platform/detail/guard.h"
#include "platform/detail/input_state.h"
#include "platform/held_keys.h"
#include "platform/message_loop.h"
#include "platform/virtual_keys.h"
#include "platform/window.h"
#include "platform/window_dc.h"

namespace pl::detail {

namespace {

uint ModKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    uint keys = 0;
    if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
    if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
    return keys;
}

// The key-message flags: bit 14 says the key was already down (auto-repeat), bit 15 a release.
uint KeyFlags(const QKeyEvent* event, bool release) {
    uint flags = 0;
    if (event->isAutoRepeat() || release) flags |= 0x4000;
    if (release) flags |= 0x8000;
    return flags;
}

uint ScrollCode(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return SB_ENDSCROLL;
    }
}

} // namespace

ClientView::ClientView(TWindow* owner, QWidget* parent) : QWidget(parent), Owner(owner) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    EnsureCursorTracking();
    pl::KeepHeldKeysWithTheirWindow();
    SliceTimer.setSingleShot(true);
    SliceTimer.setInterval(0);
    connect(&SliceTimer, &QTimer::timeout, this, [this] { DrawSlice(true); });
    Reallocate();
}

ClientView::~ClientView() {
    DropPaint();
    if (Owner) Owner->ViewWidget = nullptr;
}

void ClientView::SendSize() {
    if (!Owner || !SizeMessages || size() == LastSentSize) return;
    LastSentSize = size();
    TWindow* owner = Owner;
    QWidget* top = window();
    uint type = top && top->isMinimized() ? SIZE_MINIMIZED : SIZE_RESTORED;
    if (parentWidget() && parentWidget()->window()->isMaximized()) type = SIZE_MAXIMIZED;
    Guarded([&] { owner->EvSize(type, TSize(width(), height())); });
}

bool ClientView::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys belong to the window: no shortcut may take F1, Tab or Enter away from it. Alt
        // combinations stay with the menu bar.
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & Qt::AltModifier)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void ClientView::paintEvent(QPaintEvent* event) {
    PaintInvalid();
    QPainter p(this);
    p.drawImage(event->rect(), BackBuffer, event->rect());
}

void ClientView::resizeEvent(QResizeEvent*) {
    Reallocate();
    SendSize();
}

void ClientView::MouseMessage(unsigned message, QMouseEvent* event) {
    QPoint g = event->globalPosition().toPoint();
    pl::NoteRealCursor(TPoint(g.x(), g.y()));
    if (!Owner) return;
    QPoint local = event->position().toPoint();
    TPoint point(local.x(), local.y());
    uint keys = ModKeys(event->buttons(), event->modifiers());
    MSG msg;
    msg.hwnd = Owner;
    msg.message = message;
    msg.wParam = keys;
    msg.lParam = static_cast<int32_t>((static_cast<uint32_t>(point.y) << 16) |
                                      (static_cast<uint32_t>(point.x) & 0xFFFF));
    msg.pt = point;
    RecordMessage(msg);
    TWindow* owner = Owner;
    Guarded([&] {
        switch (message) {
        case WM_LBUTTONDOWN:
            owner->EvLButtonDown(keys, point);
            break;
        case WM_LBUTTONUP:
            owner->EvLButtonUp(keys, point);
            break;
        case WM_RBUTTONDOWN:
            owner->EvRButtonDown(keys, point);
            break;
        case WM_RBUTTONUP:
            owner->EvRButtonUp(keys, point);
            break;
        default:
            owner->EvMouseMove(keys, point);
            break;
        }
    });
}

void ClientView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        MouseMessage(WM_LBUTTONDOWN, event);
    else if (event->button() == Qt::RightButton)
        MouseMessage(WM_RBUTTONDOWN, event);
}

// A double click is two ordinary clicks for the program.
void ClientView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ClientView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton)
        MouseMessage(WM_LBUTTONUP, event);
    else if (event->button() == Qt::RightButton)
        MouseMessage(WM_RBUTTONUP, event);
}

void ClientView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    QPoint g = event->globalPosition().toPoint();
    if (IsWarpEcho(TPoint(g.x(), g.y()))) return;
    MouseMessage(WM_MOUSEMOVE, event);
}

void ClientView::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (!Owner) return;
    // The repeats of a key that closed a box, or whose press put one up, never come here
    // (platform/held_keys.h).
    TWindow* owner = Owner;
    uint vk = pl::VirtualKeyFromQt(event->key(), event->modifiers());
    uint flags = KeyFlags(event, false);
    if (vk) {
        MSG msg;
        msg.hwnd = owner;
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        RecordMessage(msg);
        Guarded([&] { owner->EvKeyDown(vk, 1, flags); });
    }
    // The character message follows the key message, as the keyboard translation gives it.
    QString text = event->text();
    if (!Owner || text.isEmpty()) return;
    uint ch = text.at(0).unicode();
    if (ch == 0 || ch > 0xFF || ch == 0x7F) return;
    MSG msg;
    msg.hwnd = owner;
    msg.message = WM_CHAR;
    msg.wParam = ch;
    RecordMessage(msg);
    Guarded([&] { owner->EvChar(ch, 1, flags); });
}

void ClientView::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    // The release of a key that closed a box, or whose press put one up, belongs to that box: the
    // application's key filter takes it before this handler (platform/held_keys.h).
    if (!Owner || event->isAutoRepeat()) return;
    TWindow* owner = Owner;
    uint vk = pl::VirtualKeyFromQt(event->key(), event->modifiers());
    if (!vk) return;
    MSG msg;
    msg.hwnd = owner;
    msg.message = WM_KEYUP;
    msg.wParam = vk;
    RecordMessage(msg);
    Guarded([&] { owner->EvKeyUp(vk, 1, KeyFlags(event, true)); });
}

// Tab is a key for the drawing window, never a move of the focus.
bool ClientView::focusNextPrevChild(bool) {
    return false;
}

QWidget* MakeClientPane(TWindow* owner, QWidget* parent, ClientView** viewOut) {
    auto* pane = new QWidget(parent);
    auto* layout = new QGridLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* view = new ClientView(owner, pane);
    auto* h = new QScrollBar(Qt::Horizontal, pane);
    auto* v = new QScrollBar(Qt::Vertical, pane);
    for (QScrollBar* bar : {h, v}) {
        bar->setRange(0, 100); // the program keeps its bars in percent
        bar->setFocusPolicy(Qt::NoFocus);
    }
    h->setVisible(owner->Attr.Style & WS_HSCROLL);
    v->setVisible(owner->Attr.Style & WS_VSCROLL);
    layout->addWidget(view, 0, 0);
    layout->addWidget(v, 0, 1);
    layout->addWidget(h, 1, 0);
    view->SetBars(h, v);
    pane->setFocusProxy(view);

    // A user's scroll action goes to the window's scroll handler; the bar then shows whatever
    // position the handler set (the program keeps the bars on its own scale).
    for (int which : {SB_HORZ, SB_VERT}) {
        QScrollBar* bar = which == SB_HORZ ? h : v;
        auto deliver = [view, bar, which](uint code) {
            if (view->InBarAction || !view->GetOwner()) return;
            view->InBarAction = true;
            TWindow* w = view->GetOwner();
            uint thumb = static_cast<uint>(bar->sliderPosition());
            Guarded([&] {
                if (which == SB_HORZ)
                    w->EvHScroll(code, thumb);
                else
                    w->EvVScroll(code, thumb);
            });
            bar->blockSignals(true);
            bar->setSliderPosition(view->BarPos(which));
            bar->blockSignals(false);
            view->InBarAction = false;
        };
        QObject::connect(bar, &QAbstractSlider::actionTriggered, view, [deliver](int action) {
            uint code = ScrollCode(action);
            if (code != SB_ENDSCROLL) deliver(code);
        });
        QObject::connect(bar, &QAbstractSlider::sliderReleased, view,
                         [deliver] { deliver(SB_THUMBPOSITION); });
    }
    if (viewOut) *viewOut = view;
    return pane;
}

} // namespace pl::detail
