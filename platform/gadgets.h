// Gadgets: the pieces of a status bar or control bar. A gadget is made on its own and inserted into
// a gadget window, which owns it from then on.
#pragma once

#include <cstdint>
#include <QImage>
#include <QPointer>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QWidget;
class TGadgetWindow;

// The font of a gadget window, in points.
class TGadgetWindowFont {
public:
    explicit TGadgetWindowFont(int pointSize = 6, bool bold = false, bool italic = false)
        : PointSize(pointSize), Bold(bold), Italic(italic) {}
    int PointSize;
    bool Bold;
    bool Italic;
};

class TGadget {
public:
    enum TBorderStyle { None, Plain, Raised, Recessed, Embossed };

    explicit TGadget(int32_t id = 0, TBorderStyle style = None) : Id(id), BorderStyle(style) {}
    virtual ~TGadget() = default;
    TGadget(const TGadget&) = delete;
    TGadget& operator=(const TGadget&) = delete;

    int32_t GetId() const { return Id; }
    TGadgetWindow* GetGadgetWindow() const { return Window; }

    // Layer internals: the widget that shows the gadget (none for a separator), built on insertion.
    virtual QWidget* MakeWidget(QWidget* parent, const TGadgetWindowFont* font) = 0;
    void SetGadgetWindow(TGadgetWindow* window) { Window = window; }

protected:
    int32_t Id;
    TBorderStyle BorderStyle;
    TGadgetWindow* Window = nullptr;
};

// A text field at least a number of characters wide. SetText repaints only when the text changes.
// The field is as wide as the widest of its sample texts, and widens (never narrows) for a longer
// text it is given, so that no text it shows is cut.
class TTextGadget : public TGadget {
public:
    enum TAlign { Left, Center, Right };

    TTextGadget(int32_t id = 0, TBorderStyle style = Recessed, TAlign align = Left, unsigned numChars = 10,
                const char* text = nullptr, const TGadgetWindowFont* font = nullptr);
    ~TTextGadget() override;

    void SetText(const char* text);
    const char* GetText() const { return Text.c_str(); }
    // The longest texts the gadget will show, so that it is wide enough for them from the start.
    void FitTexts(const std::vector<std::string>& samples);
    unsigned GetNumChars() const { return NumChars; }
    // How often the shown text has changed (tests use it to see that equal texts cost nothing).
    int RepaintCount() const { return Repaints; }

    QWidget* MakeWidget(QWidget* parent, const TGadgetWindowFont* font) override;
    QLabel* Label() const;

private:
    // Widens the label to take `text` whole.
    void Widen(const std::string& text);

    TAlign Align;
    unsigned NumChars;
    std::string Text;
    std::vector<std::string> Samples;
    int Repaints = 0;
    QPointer<QLabel> LabelWidget;
};

// A gap of the given width in pixels.
class TSeparatorGadget : public TGadget {
public:
    explicit TSeparatorGadget(int size = 6) : TGadget(0, None), Size(size) {}
    int GetSize() const { return Size; }
    QWidget* MakeWidget(QWidget* parent, const TGadgetWindowFont* font) override;

private:
    int Size;
};

// A command button with a 16x16 glyph. Its command is routed like a menu item's; the enabling pass
// decides when it is enabled. The command's hint (string table, before the line feed) shows in the
// status bar when the pointer enters the button (enter-hint mode); the tip is the text after it.
class TButtonGadget : public TGadget {
public:
    enum TType { Command, Exclusive, NonExclusive };
    enum TState { Up, Down, Indeterminate };

    // The glyph is the bitmap registered under bitmapResId.
    TButtonGadget(int32_t bitmapResId, int32_t commandId, TType type = Command, bool enabled = false,
                  TState state = Up, bool repeat = false);
    TButtonGadget(const QImage& glyph, int32_t commandId, TType type = Command, bool enabled = false,
                  TState state = Up, bool repeat = false);

    int32_t GetCommandId() const { return Id; }
    QAction* Action() const;
    QWidget* MakeWidget(QWidget* parent, const TGadgetWindowFont* font) override;

private:
    QImage Glyph;
    TType Type;
    bool InitiallyEnabled;
    TState State;
    QPointer<QAction> ActionObject;
};
