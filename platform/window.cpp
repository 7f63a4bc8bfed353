#include "platform/window.h"

#include <map>
#include <QCursor>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QWidget>
#include <string>

#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/detail/client_view.h"
#include "platform/message_box.h"
#include "platform/scroller.h"

namespace {

// Window classes already in use: the record is filled once per class name.
std::map<std::string, WNDCLASS>& ClassRegistry() {
    static std::map<std::string, WNDCLASS> classes;
    return classes;
}

Qt::CursorShape CursorShape(int cursorId) {
    switch (cursorId) {
    case IDC_CROSS:
        return Qt::CrossCursor;
    case IDC_IBEAM:
        return Qt::IBeamCursor;
    case IDC_WAIT:
        return Qt::WaitCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

TWindow::TWindow(TWindow* parent, const char* title, TModule*) : Parent(parent), Title(title ? title : "") {}

TWindow::~TWindow() {
    if (GetCapture() == this) ReleaseCapture();
    delete Scroller;
    Scroller = nullptr;
    DetachView();
}

void TWindow::DetachView() {
    if (!ViewWidget) return;
    ViewWidget->Detach();
    ViewWidget = nullptr;
}

TApplication* TWindow::GetApplication() const {
    return TApplication::Current();
}

QWidget* TWindow::GetHandle() const {
    return Handle.data();
}

void TWindow::SetHandle(QWidget* widget) {
    Handle = widget;
}

void TWindow::RegisterClass() {
    auto& classes = ClassRegistry();
    std::string name = GetClassName();
    auto it = classes.find(name);
    if (it == classes.end()) {
        WNDCLASS wc;
        GetWindowClass(wc);
        it = classes.emplace(name, wc).first;
    }
    ClassRecord = it->second;
}

void TWindow::SetClassBackground(COLORREF colour) {
    auto found = ClassRegistry().find(GetClassName());
    if (found != ClassRegistry().end()) found->second.Background = colour;
    ClassRecord.Background = colour;
}

pl::detail::ClientView* TWindow::MakeClientView(QWidget* parent) {
    pl::detail::ClientView* view = nullptr;
    QWidget* pane = pl::detail::MakeClientPane(this, parent, &view);
    ViewWidget = view;
    view->setCursor(CursorShape(CursorId ? CursorId : ClassRecord.Cursor));
    SetHandle(view);
    (void)pane;
    return view;
}

bool TWindow::Create() {
    if (GetHandle()) return true;
    RegisterClass();
    pl::detail::ClientView* view = MakeClientView(nullptr);
    QWidget* pane = view->parentWidget();
    pane->setWindowTitle(QString::fromLatin1(Title.c_str()));
    if (Attr.W > 0 && Attr.H > 0) pane->resize(Attr.W, Attr.H);
    pane->show();
    SetupWindow();
    view->EnableSizeMessages();
    view->SendSize();
    return true;
}

void TWindow::CloseWindow(int retVal) {
    if (CanClose()) Destroy(retVal);
}

void TWindow::Destroy(int) {
    QWidget* w = GetHandle();
    if (!w) return;
    DetachView();
    QWidget* top = w->parentWidget() && !w->isWindow() ? w->parentWidget() : w;
    top->hide();
    top->deleteLater();
    Handle = nullptr;
}

void TWindow::SetCaption(const char* title) {
    Title = title ? title : "";
    QWidget* w = GetHandle();
    if (!w) return;
    // A window inside the MDI area is titled in its own frame, never in the program's main window.
    QWidget* framed = w->window();
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(p)) {
            framed = sub;
            break;
        }
    }
    framed->setWindowTitle(QString::fromLatin1(Title.c_str()));
}

bool TWindow::ProcessCommand(int32_t) {
    return false;
}
bool TWindow::EnableCommand(TCommandEnabler&) {
    return false;
}

TRect TWindow::GetClientRect() const {
    QWidget* w = GetHandle();
    if (!w) return TRect();
    return TRect(0, 0, w->width(), w->height());
}

void TWindow::ClientToScreen(TPoint& point) const {
    QWidget* w = GetHandle();
    if (!w) return;
    QPoint g = w->mapToGlobal(QPoint(point.x, point.y));
    point = TPoint(g.x(), g.y());
}

void TWindow::ScreenToClient(TPoint& point) const {
    QWidget* w = GetHandle();
    if (!w) return;
    QPoint l = w->mapFromGlobal(QPoint(point.x, point.y));
    point = TPoint(l.x(), l.y());
}

void TWindow::Invalidate(bool erase) {
    InvalidateRect(nullptr, erase);
}

void TWindow::InvalidateRect(const TRect& rect, bool erase) {
    InvalidateRect(&rect, erase);
}

void TWindow::InvalidateRect(const TRect* rect, bool erase) {
    if (ViewWidget) {
        if (!rect) {
            ViewWidget->Invalidate(QRegion(ViewWidget->rect()), erase);
            return;
        }
        TRect r = rect->Normalized();
        ViewWidget->Invalidate(QRegion(r.left, r.top, r.Width(), r.Height()), erase);
    } else if (QWidget* w = GetHandle()) {
        w->update();
    }
}

void TWindow::UpdateWindow() {
    if (ViewWidget) ViewWidget->PaintInvalid();
}

void TWindow::Paint(TDC&, bool, TRect&) {}

void TWindow::SetScrollRange(int bar, int minPos, int maxPos, bool) {
    if (!ViewWidget) return;
    if (QScrollBar* b = ViewWidget->Bar(bar)) {
        b->blockSignals(true);
        b->setRange(minPos, std::max(minPos, maxPos));
        b->setSliderPosition(ViewWidget->BarPos(bar));
        b->blockSignals(false);
    }
}

void TWindow::GetScrollRange(int bar, int& minPos, int& maxPos) const {
    minPos = maxPos = 0;
    if (!ViewWidget) return;
    if (QScrollBar* b = ViewWidget->Bar(bar)) {
        minPos = b->minimum();
        maxPos = b->maximum();
    }
}

int TWindow::SetScrollPos(int bar, int pos, bool) {
    if (!ViewWidget) return 0;
    QScrollBar* b = ViewWidget->Bar(bar);
    if (!b) return 0;
    int& stored = ViewWidget->BarPos(bar);
    int previous = stored;
    stored = std::clamp(pos, b->minimum(), b->maximum());
    b->blockSignals(true);
    b->setSliderPosition(stored);
    b->blockSignals(false);
    return previous;
}

int TWindow::GetScrollPos(int bar) const {
    return ViewWidget ? ViewWidget->BarPos(bar) : 0;
}

bool TWindow::SetCursor(TModule*, int cursorId) {
    CursorId = cursorId;
    if (QWidget* w = GetHandle()) w->setCursor(CursorShape(cursorId));
    return true;
}

int TWindow::MessageBox(const char* text, const char* caption, uint32_t type) {
    QWidget* owner = GetHandle();
    return ::MessageBox(owner ? owner->window() : nullptr, text, caption, type);
}

void TWindow::SetCapture() {
    ::SetCapture(this);
}

void TWindow::ReleaseCapture() {
    if (::GetCapture() == this) ::ReleaseCapture();
}

void TWindow::EvSize(uint sizeType, const TSize&) {
    if (Scroller && sizeType != SIZE_MINIMIZED) Scroller->SetPageSize();
}

void TWindow::EvLButtonDown(uint, const TPoint&) {}
void TWindow::EvLButtonUp(uint, const TPoint&) {}
void TWindow::EvRButtonDown(uint, const TPoint&) {}
void TWindow::EvRButtonUp(uint, const TPoint&) {}
void TWindow::EvMouseMove(uint, const TPoint&) {}
void TWindow::EvKeyDown(uint, uint, uint) {}
void TWindow::EvKeyUp(uint, uint, uint) {}
void TWindow::EvChar(uint, uint, uint) {}

void TWindow::EvHScroll(uint scrollCode, uint thumbPos) {
    if (Scroller) Scroller->HScroll(scrollCode, static_cast<int32_t>(thumbPos));
}

void TWindow::EvVScroll(uint scrollCode, uint thumbPos) {
    if (Scroller) Scroller->VScroll(scrollCode, static_cast<int32_t>(thumbPos));
}

QImage* TWindow::BackBuffer() {
    return ViewWidget ? &ViewWidget->Buffer() : nullptr;
}

void TWindow::MarkDirty(const TRect& rect) {
    if (ViewWidget) ViewWidget->update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
}
