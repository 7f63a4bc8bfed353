#include "platform/mdi_child.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "platform/detail/client_view.h"
#include "platform/detail/guard.h"
#include "platform/mdi_client.h"

namespace {

// The sub-window around a child: its close box asks the child's CanClose and then deletes the
// child object (which takes the sub-window down).
class ChildFrame : public QMdiSubWindow {
public:
    explicit ChildFrame(TMDIChild* owner) : Owner(owner) { setAttribute(Qt::WA_DeleteOnClose, false); }
    TMDIChild* Owner;

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (!Owner) return;
        bool agreed = false;
        TMDIChild* owner = Owner;
        pl::detail::Guarded([&] { agreed = owner->CanClose(); });
        if (!agreed) return;
        // Deleted on the next turn: the close box's own event handling is still running.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (Owner) delete Owner;
            },
            Qt::QueuedConnection);
    }
};

} // namespace

TMDIChild::TMDIChild(TMDIClient& parent, const char* title, TWindow*, bool, TModule* module)
    : TWindow(&parent, title, module), Client(&parent) {
    Client->AddChild(this);
}

TMDIChild::~TMDIChild() {
    Destroy(0);
    if (Client) Client->RemoveChild(this);
}

QMdiSubWindow* TMDIChild::SubWindow() const {
    return Sub.data();
}

bool TMDIChild::Create() {
    if (Sub) return true;
    RegisterClass();
    auto* frame = new ChildFrame(this);
    Sub = frame;
    pl::detail::ClientView* view = MakeClientView(nullptr);
    frame->setWidget(view->parentWidget());
    frame->setWindowTitle(QString::fromLatin1(Title.c_str()));
    // The child shows the program's icon in its corner, not the toolkit's.
    if (QWidget* top = Client->Area()->window()) frame->setWindowIcon(top->windowIcon());
    Client->Area()->addSubWindow(frame);
    // Shown first, so that SetupWindow already sees the real client size; the size message waits
    // until the set-up is done.
    if (Attr.Style & WS_MAXIMIZE)
        frame->showMaximized();
    else if (Attr.Style & WS_MINIMIZE)
        frame->showMinimized();
    else
        frame->show();
    Client->Area()->setActiveSubWindow(frame);
    view->setFocus();
    SetupWindow();
    if (!Sub) return false; // SetupWindow closed it
    view->EnableSizeMessages();
    view->SendSize();
    return true;
}

void TMDIChild::CloseWindow(int retVal) {
    if (!CanClose()) return;
    Destroy(retVal);
    if (Client) Client->RemoveChild(this);
    // The caller may be one of this window's own handlers: the object goes on the next turn.
    QTimer::singleShot(0, [this] { delete this; });
}

void TMDIChild::Destroy(int) {
    if (!Sub) return;
    QMdiSubWindow* sub = Sub.data();
    Sub = nullptr;
    static_cast<ChildFrame*>(sub)->Owner = nullptr;
    DetachView();
    SetHandle(nullptr);
    if (Client && Client->Area()) Client->Area()->removeSubWindow(sub);
    sub->hide();
    sub->deleteLater();
}
