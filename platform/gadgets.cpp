#include "platform/gadgets.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QToolButton>

#include "platform/application.h"
#include "platform/frame_window.h"
#include "platform/gadget_window.h"
#include "platform/resources.h"
#include "platform/test_script.h"

namespace {

void ApplyFont(QWidget* widget, const TGadgetWindowFont* font) {
    if (!font) return;
    QFont f = widget->font();
    f.setPointSize(font->PointSize);
    f.setBold(font->Bold);
    f.setItalic(font->Italic);
    widget->setFont(f);
}

// Glyph bitmaps use light grey (192, 192, 192) as their transparent colour.
QIcon GlyphIcon(const QImage& glyph) {
    if (glyph.isNull()) return QIcon();
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xC0C0C0) line[x] = 0;
    }
    return QIcon(QPixmap::fromImage(image));
}

// Shows a button's hint in the status bar as the pointer enters it (or as it is pressed, in
// press-hint mode), and takes it away again.
class ButtonHint : public QObject {
public:
    ButtonHint(TButtonGadget* gadget, QObject* parent) : QObject(parent), Gadget(gadget) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        TGadgetWindow* window = Gadget->GetGadgetWindow();
        if (!window) return false;
        bool enterHints = window->GetHintMode() == TGadgetWindow::EnterHints;
        switch (event->type()) {
        case QEvent::Enter:
            if (enterHints) window->ShowCommandHint(Gadget->GetCommandId());
            break;
        case QEvent::MouseButtonPress:
            if (!enterHints) window->ShowCommandHint(Gadget->GetCommandId());
            break;
        case QEvent::Leave:
            window->ShowCommandHint(0);
            break;
        default:
            break;
        }
        return false;
    }

private:
    TButtonGadget* Gadget;
};

} // namespace

TTextGadget::TTextGadget(int32_t id, TBorderStyle style, TAlign align, unsigned numChars, const char* text,
                         const TGadgetWindowFont*)
    : TGadget(id, style), Align(align), NumChars(numChars), Text(text ? text : "") {}

TTextGadget::~TTextGadget() {
    delete LabelWidget.data();
}

QLabel* TTextGadget::Label() const {
    return LabelWidget.data();
}

void TTextGadget::SetText(const char* text) {
    std::string next = text ? text : "";
    if (next == Text) return;
    Text = next;
    ++Repaints;
    pl::TestLog("TextGadget " + std::to_string(NumChars) + " " + pl::script::Quote(Text));
    if (!LabelWidget) return;
    LabelWidget->setText(QString::fromLatin1(Text.c_str()));
    Widen(Text);
}

void TTextGadget::FitTexts(const std::vector<std::string>& samples) {
    Samples = samples;
    for (const std::string& sample : Samples)
        Widen(sample);
}

void TTextGadget::Widen(const std::string& text) {
    if (!LabelWidget) return;
    // The label's own measure of the room the text needs, its frame and indent included.
    const QString shown = LabelWidget->text();
    LabelWidget->setText(QString::fromLatin1(text.c_str()));
    const int needed = LabelWidget->sizeHint().width();
    LabelWidget->setText(shown);
    if (needed > LabelWidget->maximumWidth()) LabelWidget->setFixedWidth(needed);
}

QWidget* TTextGadget::MakeWidget(QWidget* parent, const TGadgetWindowFont* font) {
    auto* label = new QLabel(QString::fromLatin1(Text.c_str()), parent);
    ApplyFont(label, font);
    if (BorderStyle == Recessed) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (BorderStyle == Raised) label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Qt::Alignment h = Align == Left ? Qt::AlignLeft : Align == Center ? Qt::AlignHCenter : Qt::AlignRight;
    label->setAlignment(h | Qt::AlignVCenter);
    // Room for the given number of characters at least, and for the samples and the text.
    const int width =
        label->fontMetrics().averageCharWidth() * static_cast<int>(NumChars) + 2 * label->frameWidth() + 6;
    label->setFixedWidth(width);
    label->setTextFormat(Qt::PlainText);
    LabelWidget = label;
    for (const std::string& sample : Samples)
        Widen(sample);
    Widen(Text);
    return label;
}

QWidget* TSeparatorGadget::MakeWidget(QWidget* parent, const TGadgetWindowFont*) {
    auto* gap = new QWidget(parent);
    gap->setFixedSize(Size, Size);
    return gap;
}

TButtonGadget::TButtonGadget(int32_t bitmapResId, int32_t commandId, TType type, bool enabled, TState state,
                             bool)
    : TGadget(commandId, Raised), Glyph(pl::LoadBitmap(bitmapResId)), Type(type), InitiallyEnabled(enabled),
      State(state) {}

TButtonGadget::TButtonGadget(const QImage& glyph, int32_t commandId, TType type, bool enabled, TState state,
                             bool)
    : TGadget(commandId, Raised), Glyph(glyph), Type(type), InitiallyEnabled(enabled), State(state) {}

QAction* TButtonGadget::Action() const {
    return ActionObject.data();
}

QWidget* TButtonGadget::MakeWidget(QWidget* parent, const TGadgetWindowFont*) {
    auto* button = new QToolButton(parent);
    auto* action = new QAction(GlyphIcon(Glyph), QString(), button);
    std::string tip = pl::CommandTip(Id);
    std::string hint = pl::CommandHint(Id);
    action->setText(QString::fromLatin1((tip.empty() ? hint : tip).c_str()));
    action->setToolTip(QString::fromLatin1(tip.c_str()));
    action->setEnabled(InitiallyEnabled);
    if (Type != Command) {
        action->setCheckable(true);
        action->setChecked(State == Down);
    }
    const int32_t id = Id;
    QObject::connect(action, &QAction::triggered, button, [this, id] {
        if (!Window) return;
        if (auto* frame = dynamic_cast<TFrameWindow*>(Window->GetParent()))
            frame->RouteCommand(id);
        else if (TApplication* app = TApplication::Current(); app && app->GetMainWindow())
            app->GetMainWindow()->RouteCommand(id);
    });
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(QSize(16, 16));
    button->installEventFilter(new ButtonHint(this, button));
    ActionObject = action;
    return button;
}
