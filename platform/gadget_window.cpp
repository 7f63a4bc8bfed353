#include "platform/gadget_window.h"

#include <algorithm>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "platform/application.h"
#include "platform/frame_window.h"
#include "platform/resources.h"
#include "platform/test_script.h"

TGadgetWindow::TGadgetWindow(TWindow* parent, TTileDirection direction, const TGadgetWindowFont* font,
                             TModule* module)
    : TWindow(parent, nullptr, module), Direction(direction), Font(font ? *font : TGadgetWindowFont()),
      HasFont(font != nullptr) {}

TGadgetWindow::~TGadgetWindow() {
    // The widgets go first: while a bar is torn down its buttons still get hide and leave events,
    // whose hint filters ask their gadgets, so the gadgets must outlive them.
    delete GetHandle();
    for (TGadget* gadget : Gadgets)
        delete gadget;
    Gadgets.clear();
}

void TGadgetWindow::Insert(TGadget& gadget, TPlacement placement, TGadget* sibling) {
    auto at = std::find(Gadgets.begin(), Gadgets.end(), sibling);
    size_t index = Gadgets.size();
    if (sibling && at != Gadgets.end())
        index = static_cast<size_t>(at - Gadgets.begin()) + (placement == After ? 1 : 0);
    Gadgets.insert(Gadgets.begin() + static_cast<std::ptrdiff_t>(index), &gadget);
    gadget.SetGadgetWindow(this);
    PlaceGadget(gadget, static_cast<int>(index));
}

TDecoratedFrame* TGadgetWindow::Frame() const {
    if (auto* frame = dynamic_cast<TDecoratedFrame*>(Parent)) return frame;
    TApplication* app = TApplication::Current();
    return app ? dynamic_cast<TDecoratedFrame*>(app->GetMainWindow()) : nullptr;
}

void TGadgetWindow::ShowCommandHint(int32_t commandId) {
    TDecoratedFrame* frame = Frame();
    TMessageBar* bar = frame ? frame->GetMessageBar() : dynamic_cast<TMessageBar*>(this);
    if (!bar) return;
    if (commandId == 0)
        bar->SetHintText(nullptr);
    else
        bar->SetHintText(pl::CommandHint(commandId).c_str());
}

TMessageBar::TMessageBar(TWindow* parent, const TGadgetWindowFont* font, TModule* module)
    : TGadgetWindow(parent, Horizontal, font, module), Bar(new QStatusBar), Message(new QLabel) {
    Bar->setSizeGripEnabled(false);
    Message->setTextFormat(Qt::PlainText);
    Message->setMinimumWidth(1);
    Bar->addWidget(Message, 1);
    SetHandle(Bar);
}

TMessageBar::~TMessageBar() = default;

void TMessageBar::SetText(const char* text) {
    std::string next = text ? text : "";
    if (next != Text) pl::TestLog("StatusBar " + pl::script::Quote(next));
    Text = next;
    Show();
}

void TMessageBar::SetHintText(const char* hint) {
    Hint = hint ? hint : "";
    Show();
}

std::string TMessageBar::GetShownText() const {
    return Hint.empty() ? Text : Hint;
}

void TMessageBar::Show() {
    Message->setText(QString::fromLatin1(GetShownText().c_str()));
}

void TMessageBar::PlaceGadget(TGadget& gadget, int index) {
    QWidget* widget = gadget.MakeWidget(Bar, HasFont ? &Font : nullptr);
    // The message area is the first item; gadgets follow it to its right.
    if (widget) Bar->insertWidget(index + 1, widget);
}

TStatusBar::TStatusBar(TWindow* parent, TGadget::TBorderStyle borderStyle, unsigned,
                       const TGadgetWindowFont* font, TModule* module)
    : TMessageBar(parent, font, module) {
    (void)borderStyle;
}

TDockableControlBar::TDockableControlBar(TWindow* parent, TTileDirection direction,
                                         const TGadgetWindowFont* font, TModule* module)
    : TGadgetWindow(parent, direction, font, module), Bar(new QToolBar) {
    Bar->setMovable(true);
    Bar->setFloatable(true);
    Bar->setAllowedAreas(Qt::AllToolBarAreas);
    Bar->setIconSize(QSize(16, 16));
    Bar->setOrientation(direction == Horizontal ? Qt::Horizontal : Qt::Vertical);
    if (font) {
        QFont f = Bar->font();
        f.setPointSize(font->PointSize);
        f.setBold(font->Bold);
        f.setItalic(font->Italic);
        Bar->setFont(f);
    }
    SetHandle(Bar);
}

TDockableControlBar::~TDockableControlBar() = default;

void TDockableControlBar::PlaceGadget(TGadget& gadget, int index) {
    QWidget* widget = gadget.MakeWidget(Bar, HasFont ? &Font : nullptr);
    if (!widget) return;
    QList<QAction*> actions = Bar->actions();
    if (index < actions.size())
        Bar->insertWidget(actions.at(index), widget);
    else
        Bar->addWidget(widget);
    if (auto* button = dynamic_cast<TButtonGadget*>(&gadget))
        if (auto* frame = dynamic_cast<TFrameWindow*>(Parent))
            frame->RegisterCommandAction(button->GetCommandId(), button->Action());
}

THarbor::THarbor(TDecoratedFrame& frame) : Frame(frame) {}

void THarbor::Insert(TDockableControlBar& bar, TAbsLocation location) {
    TDecoratedFrame::TLocation where = TDecoratedFrame::Top;
    switch (location) {
    case alBottom:
        where = TDecoratedFrame::Bottom;
        break;
    case alLeft:
        where = TDecoratedFrame::Left;
        break;
    case alRight:
        where = TDecoratedFrame::Right;
        break;
    default:
        break;
    }
    Frame.Insert(bar, where);
}
