// A device context with the drawing semantics the program's code was written against, over a
// QPainter. The context does its own coordinate mapping, keeps antialiasing off so exclusive-or
// previews erase pixel-exactly, rasterises one-pixel lines itself with a fixed pixel path, and
// excludes the end pixel of a line and the right and bottom edge of a box.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <QRect>
#include <QRegion>
#include <string>
#include <vector>

#include "platform/gdi_objects.h"
#include "platform/mapping.h"
#include "platform/win_types.h"

class QFont;
class QString;
class QImage;
class QPaintDevice;
class QPainter;
class QTransform;
class TDrawRecord;
struct TDrawState;

// Indices of GetDeviceCaps.
constexpr int32_t TECHNOLOGY = 2;
constexpr int32_t HORZSIZE = 4; // millimetres
constexpr int32_t VERTSIZE = 6;
constexpr int32_t HORZRES = 8; // pixels
constexpr int32_t VERTRES = 10;
constexpr int32_t BITSPIXEL = 12;
constexpr int32_t PLANES = 14;
constexpr int32_t NUMCOLORS = 24;
constexpr int32_t ASPECTX = 40;
constexpr int32_t ASPECTY = 42;
constexpr int32_t ASPECTXY = 44;
constexpr int32_t LOGPIXELSX = 88;
constexpr int32_t LOGPIXELSY = 90;
constexpr int32_t PHYSICALWIDTH = 110;
constexpr int32_t PHYSICALHEIGHT = 111;
constexpr int32_t PHYSICALOFFSETX = 112;
constexpr int32_t PHYSICALOFFSETY = 113;
// TECHNOLOGY answers.
constexpr int32_t DT_RASDISPLAY = 1;
constexpr int32_t DT_RASPRINTER = 2;

class TDC {
public:
    // A context painting on an image or any paint device, owning its painter.
    explicit TDC(QImage& image);
    explicit TDC(QPaintDevice* device);
    // A context on a painter somebody else owns (a paint event, a printout).
    explicit TDC(QPainter* painter);
    virtual ~TDC();
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;

    // Mapping. Each setter returns or stores the previous value so callers can put it back.
    int32_t SetMapMode(int32_t mode);
    int32_t GetMapMode() const { return mapping_.MapMode(); }
    bool SetWindowExtEx(int32_t cx, int32_t cy, SIZE* old = nullptr);
    bool SetViewportExtEx(int32_t cx, int32_t cy, SIZE* old = nullptr);
    bool SetWindowOrgEx(int32_t x, int32_t y, POINT* old = nullptr);
    bool SetViewportOrgEx(int32_t x, int32_t y, POINT* old = nullptr);
    SIZE SetWindowExt(const SIZE& extent);
    SIZE SetViewportExt(const SIZE& extent);
    POINT SetWindowOrg(const POINT& origin);
    POINT SetViewportOrg(const POINT& origin);
    SIZE GetWindowExt() const { return mapping_.WindowExt(); }
    SIZE GetViewportExt() const { return mapping_.ViewportExt(); }
    POINT GetWindowOrg() const { return mapping_.WindowOrg(); }
    POINT GetViewportOrg() const { return mapping_.ViewportOrg(); }
    const TMapping& Mapping() const { return mapping_; }
    bool LPtoDP(POINT* points, int32_t count = 1) const;
    bool DPtoLP(POINT* points, int32_t count = 1) const;

    // State. Each returns the previous value.
    int32_t SetROP2(int32_t rop);
    int32_t GetROP2() const { return rop_; }
    int32_t SetBkMode(int32_t mode);
    int32_t GetBkMode() const { return bkMode_; }
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const { return bkColour_; }
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const { return textColour_; }
    uint32_t SetTextAlign(uint32_t flags);
    uint32_t GetTextAlign() const { return textAlign_; }

    // While an ink is forced, everything drawn takes that one colour in place of the colours of the
    // pen, the brush, the text, the background and the pixels: the same drawing code then paints its
    // marks over again in a single colour, for instance to take them off in the background colour.
    // Hollow brushes and null pens still leave their pixels alone.
    void ForceInk(COLORREF colour);
    void ReleaseInk() { inkForced_ = false; }

    // Objects. SelectObject returns the object that was selected. The Restore calls put back the
    // object held before the first SelectObject of that kind since the last restore; stock
    // selections are not recorded, as stock objects are never freed.
    TPen SelectObject(const TPen& pen);
    TBrush SelectObject(const TBrush& brush);
    TFont SelectObject(const TFont& font);
    bool SelectStockObject(int32_t index);
    void RestorePen();
    void RestoreBrush();
    void RestoreFont();
    void RestoreObjects();
    const TPen& GetPen() const { return pen_; }
    const TBrush& GetBrush() const { return brush_; }
    const TFont& GetFont() const { return font_; }

    // Primitives, in logical coordinates.
    bool MoveToEx(int32_t x, int32_t y, POINT* old = nullptr);
    bool MoveTo(int32_t x, int32_t y) { return MoveToEx(x, y); }
    bool MoveTo(const POINT& p) { return MoveToEx(p.x, p.y); }
    POINT GetCurrentPosition() const { return current_; }
    bool LineTo(int32_t x, int32_t y);
    bool LineTo(const POINT& p) { return LineTo(p.x, p.y); }
    bool Polyline(const POINT* points, int32_t count);
    bool Polygon(const POINT* points, int32_t count);
    bool Rectangle(int32_t left, int32_t top, int32_t right, int32_t bottom);
    bool Rectangle(const RECT& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool RoundRect(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height);
    bool Ellipse(int32_t left, int32_t top, int32_t right, int32_t bottom);
    bool Arc(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t xStart, int32_t yStart,
             int32_t xEnd, int32_t yEnd);
    bool FillRect(const RECT& r, const TBrush& brush);
    bool FillRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const TBrush& brush);
    COLORREF SetPixel(int32_t x, int32_t y, COLORREF colour);
    COLORREF GetPixel(int32_t x, int32_t y) const;

    // Text. len < 0 means up to the terminating zero; bytes are Latin-1.
    bool TextOut(int32_t x, int32_t y, const char* text, int32_t len = -1);
    bool TextOut(int32_t x, int32_t y, const std::string& text);
    bool GetTextMetrics(TEXTMETRIC& metrics) const;
    bool GetTextExtentPoint(const char* text, int32_t len, SIZE* size) const;
    SIZE GetTextExtent(const char* text, int32_t len = -1) const;

    virtual int32_t GetDeviceCaps(int32_t index) const;

    // A screen paint may draw each small turned text it has never inked plain, at less than Qt's
    // own cost, and put off the search for how to ink it; off by default, so that bitmaps,
    // printing and every other device get their texts as chosen at once.
    void PutOffTurnedInking(bool putOff) { putOffInking_ = putOff; }
    // True when texts drawn plain on this thread wait to be inked.
    static bool TurnedInkingPutOff();
    // Inks the texts put off, for at most `mostMilliseconds` of the thread's processor time (until
    // none is left where negative); true when none is left.
    static bool FinishTurnedInking(int64_t mostMilliseconds = -1);
    // The pixels of `device` drawn plain since the last call, to be painted again once the texts
    // are inked: the device then shows what it would have shown had they been inked at once.
    static QRect TakePlainArea(const QPaintDevice* device);

    // Bounding rectangle, in device pixels, of everything drawn since the last reset.
    QRect DrawnBounds() const { return drawn_; }
    void ResetDrawnBounds() { drawn_ = QRect(); }

    // The painter underneath, for code of the layer that needs Qt directly.
    QPainter* GetPainter() const { return painter_; }

    // While a record is set, the drawing calls go to it as it says (kept, with the state they read,
    // to be drawn later; or drawn once what must come first is done); the state calls take effect
    // as usual. Null draws at once again.
    void RecordInto(TDrawRecord* record);

protected:
    // For derived contexts that attach to a device after their own set-up.
    TDC();
    void Attach(QPaintDevice* device);
    void Attach(QPainter* painter);

    // Called after each primitive with the device rectangle it may have changed (already clipped
    // to the device), so a window can show that part of its back buffer.
    virtual void OnDrawn(const QRect& deviceRect);

    // Limits drawing to a region in device pixels (a paint's invalid region); empty = no limit.
    void SetDeviceClip(const QRegion& region);
    // Resolution reported by GetDeviceCaps and used by the isotropic rule.
    void SetResolution(int32_t dpiX, int32_t dpiY);
    // Printing: thinnest pen in device pixels and scale of one-pixel dash patterns.
    void SetHairlineWidth(double devicePixels, double patternScale);
    void SetTechnology(int32_t technology) { technology_ = technology; }

private:
    struct TextFace;
    friend class TDrawRecord;

    TDrawState SaveDrawState() const;
    void LoadDrawState(const TDrawState& state);
    // Keeps a drawing call in the record; true, as the call is taken.
    bool Record(std::function<void(TDC&)> call);
    // True where a drawing call goes to the record rather than onto the device.
    bool Diverts() { return record_ && RecordTakes(); }
    bool RecordTakes();
    // The same for a text, a turned one weighing as the many calls it costs.
    bool DivertsText();
    bool RecordText(int32_t x, int32_t y, const char* text, int32_t len);

    void InitState();
    bool Active() const;
    void Drawn(const QRect& deviceRect);
    // True when no pixel of the rectangle (device pixels) lies inside the clip and the device.
    bool OutsideClip(const QRect& pixels) const;
    // True when no pixel of the rectangle `level` turned by `turn` onto the device lies inside the
    // clip and the device.
    bool OutsideClip(const QRect& level, const QTransform& turn) const;
    // The device pixels within the clip's bounds.
    QRect ClipBounds() const;
    POINT ToDevice(int32_t x, int32_t y) const { return mapping_.ToDevice(x, y); }
    COLORREF Ink(COLORREF colour) const { return inkForced_ ? ink_ : colour; }
    int32_t DevicePenWidth() const;
    bool DrawsPixelwise() const;
    void ApplyRop() const;
    void ApplyCopy() const;
    void PreparePen(bool forShape) const;
    void PrepareBrush() const;
    void StrokeLine(POINT from, POINT to);
    void WriteSolidLine(POINT from, POINT to);
    void StrokeOutline(std::vector<POINT>& path);
    QRect OutlineReach() const;
    void PutPixels(const POINT* pixels, size_t count, COLORREF colour, bool useRop);
    bool DrawCurve(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t cornerW, int32_t cornerH,
                   bool fill);
    const TextFace& Face() const;
    QString TextOf(const char* text, int32_t len) const;
    // Draws a small text turned glyph by glyph, or at a quarter turn its level pixels turned, with
    // its reference point at `ref`; false when it is too large for that. `box` receives its pixels.
    bool DrawTurnedGlyphs(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref,
                          QRect& box);
    // Inks the clear pixels Qt leaves where the strokes of a larger turned text meet, the text drawn
    // with its pen at `pen` about its reference point `ref`, where they are known.
    void MendTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref);
    // Finds the mends of a larger turned text where they are not known yet and puts them, drawing the
    // text too unless Qt has `drawn` it; false where it has left the text as it was.
    bool InkTurnedOutline(const TextFace& face, const QString& text, double angle, QPoint pen, QPoint ref,
                          bool drawn);
    // Puts the pixels `mends`, about the reference point `ref`, in the text colour.
    void PutMends(const std::vector<QPoint>& mends, QPoint ref);
    // True where the painter draws onto device pixels as they are.
    bool DrawsPixels() const;

    QPainter* painter_ = nullptr;
    TDrawRecord* record_ = nullptr;
    std::unique_ptr<QPainter> ownedPainter_;
    QImage* image_ = nullptr;       // set when pixels can be written directly
    QImage* deviceImage_ = nullptr; // set when the device is an image (GetPixel)
    bool rasterOps_ = false;
    bool recording_ = false;        // the device records primitives (a picture) rather than pixels
    bool painterPlain_ = true;      // the painter maps device pixels to themselves
    bool turnedPaintBegun_ = false; // the kept turned texts have been told this paint began
    bool putOffInking_ = false;     // texts never inked are drawn plain, their search put off
    QRegion clip_;
    bool clipped_ = false;
    QRect deviceRect_;

    TMapping mapping_;
    int32_t rop_ = R2_COPYPEN;
    int32_t bkMode_ = OPAQUE;
    COLORREF bkColour_ = RGB(255, 255, 255);
    COLORREF textColour_ = RGB(0, 0, 0);
    uint32_t textAlign_ = TA_LEFT | TA_TOP;
    bool inkForced_ = false;
    COLORREF ink_ = 0;
    TPen pen_;
    TBrush brush_;
    TFont font_;
    std::unique_ptr<TPen> orgPen_;
    std::unique_ptr<TBrush> orgBrush_;
    std::unique_ptr<TFont> orgFont_;
    POINT current_{0, 0};
    int32_t patternPhase_ = 0;

    double hairline_ = 1.0;
    double patternScale_ = 1.0;
    int32_t technology_ = DT_RASDISPLAY;
    QRect drawn_;
    mutable std::shared_ptr<const TextFace> face_;
    mutable bool fontOnPainter_ = false;
    std::vector<POINT> pixels_;
    std::vector<POINT> gaps_;
    mutable std::vector<QPoint> points_;
};

// Forces an ink on a context for the life of the object.
class TForcedInk {
public:
    TForcedInk(TDC& dc, COLORREF colour) : dc_(dc) { dc_.ForceInk(colour); }
    ~TForcedInk() { dc_.ReleaseInk(); }
    TForcedInk(const TForcedInk&) = delete;
    TForcedInk& operator=(const TForcedInk&) = delete;

private:
    TDC& dc_;
};
