// Device context: attachment to a device, state, mapping, object selection, device caps and the
// writing of pixels with the raster operation.
#include "platform/dc.h"

#include <cmath>
#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include "platform/dc_text_face.h"
#include "platform/draw_record.h"

namespace {

bool DirectlyWritable(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

QRgb ToRgb(COLORREF colour) {
    return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

struct TPixelTarget {
    QImage& image;
    QRect bounds;
    const QRegion* region; // null when the bounds are the whole clip
    const POINT* pixels;
    size_t count;
};

// The raster operation is chosen once per call rather than once per pixel.
template <class Write> void WritePixels(const TPixelTarget& target, Write write) {
    uchar* bits = target.image.bits();
    const qsizetype stride = target.image.bytesPerLine();
    const int32_t left = target.bounds.left(), top = target.bounds.top();
    const int32_t right = target.bounds.right(), bottom = target.bounds.bottom();
    for (size_t i = 0; i < target.count; ++i) {
        const POINT p = target.pixels[i];
        if (p.x < left || p.x > right || p.y < top || p.y > bottom) continue;
        if (target.region && !target.region->contains(QPoint(p.x, p.y))) continue;
        write(reinterpret_cast<QRgb*>(bits + stride * p.y)[p.x]);
    }
}

} // namespace

TDC::TDC() : font_(TFont::System()) {}

TDC::TDC(QImage& image) : TDC() {
    Attach(&image);
}

TDC::TDC(QPaintDevice* device) : TDC() {
    Attach(device);
}

TDC::TDC(QPainter* painter) : TDC() {
    Attach(painter);
}

TDC::~TDC() {
    if (!painter_) return;
    if (ownedPainter_) {
        if (ownedPainter_->isActive()) ownedPainter_->end();
    } else if (painter_->isActive()) {
        painter_->restore();
    }
}

void TDC::Attach(QPaintDevice* device) {
    ownedPainter_ = std::make_unique<QPainter>();
    painter_ = ownedPainter_.get();
    if (device) painter_->begin(device);
    if (device && device->devType() == QInternal::Image) {
        deviceImage_ = static_cast<QImage*>(device);
        if (DirectlyWritable(*deviceImage_)) image_ = deviceImage_;
    }
    InitState();
}

void TDC::Attach(QPainter* painter) {
    painter_ = painter;
    if (painter_ && painter_->isActive()) {
        painter_->save();
        QPaintDevice* device = painter_->device();
        // Device pixels are the painter's own coordinates only where it adds no transform.
        painterPlain_ = painter_->transform().isIdentity();
        if (device && device->devType() == QInternal::Image) {
            deviceImage_ = static_cast<QImage*>(device);
            // Pixels are written directly only where the painter adds nothing of its own.
            if (DirectlyWritable(*deviceImage_) && painter_->transform().isIdentity() &&
                !painter_->hasClipping())
                image_ = deviceImage_;
        }
    }
    InitState();
}

void TDC::InitState() {
    if (Active()) {
        QPaintDevice* device = painter_->device();
        deviceRect_ = QRect(0, 0, device->width(), device->height());
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setBackgroundMode(Qt::TransparentMode);
        rasterOps_ =
            painter_->paintEngine() && painter_->paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
        const QPaintEngine* engine = painter_->paintEngine();
        recording_ =
            engine && (engine->type() == QPaintEngine::Picture || engine->type() >= QPaintEngine::User);
    }
    mapping_ = TMapping(96, 96);
}

bool TDC::Active() const {
    return painter_ && painter_->isActive();
}

void TDC::SetDeviceClip(const QRegion& region) {
    clip_ = region;
    clipped_ = !region.isEmpty();
    if (!Active()) return;
    if (clipped_)
        painter_->setClipRegion(region);
    else
        painter_->setClipping(false);
}

void TDC::SetResolution(int32_t dpiX, int32_t dpiY) {
    mapping_.SetResolution(dpiX, dpiY);
}

void TDC::SetHairlineWidth(double devicePixels, double patternScale) {
    hairline_ = devicePixels < 1.0 ? 1.0 : devicePixels;
    patternScale_ = patternScale <= 0 ? 1.0 : patternScale;
}

void TDC::OnDrawn(const QRect&) {}

void TDC::Drawn(const QRect& deviceRect) {
    QRect r = deviceRect.intersected(deviceRect_);
    if (clipped_) r = r.intersected(clip_.boundingRect());
    if (r.isEmpty()) return;
    drawn_ |= r;
    OnDrawn(r);
}

bool TDC::OutsideClip(const QRect& pixels) const {
    return painterPlain_ && !pixels.intersects(ClipBounds());
}

QRect TDC::ClipBounds() const {
    return clipped_ ? clip_.boundingRect().intersected(deviceRect_) : deviceRect_;
}

// The two are apart when either one's box, in the other's frame, misses the other.
bool TDC::OutsideClip(const QRect& level, const QTransform& turn) const {
    if (!painterPlain_) return false;
    if (OutsideClip(turn.mapRect(QRectF(level)).toAlignedRect())) return true;
    return !turn.inverted().mapRect(QRectF(ClipBounds())).intersects(QRectF(level));
}

// Mapping

int32_t TDC::SetMapMode(int32_t mode) {
    return mapping_.SetMapMode(mode);
}
bool TDC::SetWindowExtEx(int32_t cx, int32_t cy, SIZE* old) {
    return mapping_.SetWindowExt(cx, cy, old);
}
bool TDC::SetViewportExtEx(int32_t cx, int32_t cy, SIZE* old) {
    return mapping_.SetViewportExt(cx, cy, old);
}

bool TDC::SetWindowOrgEx(int32_t x, int32_t y, POINT* old) {
    mapping_.SetWindowOrg(x, y, old);
    return true;
}

bool TDC::SetViewportOrgEx(int32_t x, int32_t y, POINT* old) {
    mapping_.SetViewportOrg(x, y, old);
    return true;
}

SIZE TDC::SetWindowExt(const SIZE& extent) {
    SIZE old;
    mapping_.SetWindowExt(extent.cx, extent.cy, &old);
    return old;
}

SIZE TDC::SetViewportExt(const SIZE& extent) {
    SIZE old;
    mapping_.SetViewportExt(extent.cx, extent.cy, &old);
    return old;
}

POINT TDC::SetWindowOrg(const POINT& origin) {
    POINT old;
    mapping_.SetWindowOrg(origin.x, origin.y, &old);
    return old;
}

POINT TDC::SetViewportOrg(const POINT& origin) {
    POINT old;
    mapping_.SetViewportOrg(origin.x, origin.y, &old);
    return old;
}

bool TDC::LPtoDP(POINT* points, int32_t count) const {
    if (!points || count < 0) return false;
    for (int32_t i = 0; i < count; ++i)
        points[i] = mapping_.ToDevice(points[i].x, points[i].y);
    return true;
}

bool TDC::DPtoLP(POINT* points, int32_t count) const {
    if (!points || count < 0) return false;
    for (int32_t i = 0; i < count; ++i)
        points[i] = mapping_.ToLogical(points[i].x, points[i].y);
    return true;
}

// State

int32_t TDC::SetROP2(int32_t rop) {
    const int32_t old = rop_;
    rop_ = rop;
    return old;
}

int32_t TDC::SetBkMode(int32_t mode) {
    const int32_t old = bkMode_;
    if (mode == OPAQUE || mode == TRANSPARENT) bkMode_ = mode;
    return old;
}

COLORREF TDC::SetBkColor(COLORREF colour) {
    const COLORREF old = bkColour_;
    bkColour_ = colour & 0x00FFFFFFu;
    return old;
}

COLORREF TDC::SetTextColor(COLORREF colour) {
    const COLORREF old = textColour_;
    textColour_ = colour & 0x00FFFFFFu;
    return old;
}

uint32_t TDC::SetTextAlign(uint32_t flags) {
    const uint32_t old = textAlign_;
    textAlign_ = flags;
    return old;
}

// Objects

TPen TDC::SelectObject(const TPen& pen) {
    const TPen old = pen_;
    if (!orgPen_) orgPen_ = std::make_unique<TPen>(old);
    pen_ = pen;
    return old;
}

TBrush TDC::SelectObject(const TBrush& brush) {
    const TBrush old = brush_;
    if (!orgBrush_) orgBrush_ = std::make_unique<TBrush>(old);
    brush_ = brush;
    return old;
}

TFont TDC::SelectObject(const TFont& font) {
    const TFont old = font_;
    if (!orgFont_) orgFont_ = std::make_unique<TFont>(old);
    font_ = font;
    return old;
}

bool TDC::SelectStockObject(int32_t index) {
    switch (index) {
    case WHITE_BRUSH:
        brush_ = TBrush(RGB(255, 255, 255));
        return true;
    case LTGRAY_BRUSH:
        brush_ = TBrush(RGB(192, 192, 192));
        return true;
    case GRAY_BRUSH:
        brush_ = TBrush(RGB(128, 128, 128));
        return true;
    case DKGRAY_BRUSH:
        brush_ = TBrush(RGB(64, 64, 64));
        return true;
    case BLACK_BRUSH:
        brush_ = TBrush(RGB(0, 0, 0));
        return true;
    case NULL_BRUSH:
        brush_ = TBrush::Hollow();
        return true;
    case WHITE_PEN:
        pen_ = TPen(RGB(255, 255, 255), 0);
        return true;
    case BLACK_PEN:
        pen_ = TPen(RGB(0, 0, 0), 0);
        return true;
    case NULL_PEN:
        pen_ = TPen(RGB(0, 0, 0), 0, PS_NULL);
        return true;
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case ANSI_VAR_FONT:
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
    case SYSTEM_FIXED_FONT:
    case DEFAULT_GUI_FONT:
        font_ = TFont::System();
        return true;
    default:
        return false;
    }
}

void TDC::RestorePen() {
    if (!orgPen_) return;
    pen_ = *orgPen_;
    orgPen_.reset();
}

void TDC::RestoreBrush() {
    if (!orgBrush_) return;
    brush_ = *orgBrush_;
    orgBrush_.reset();
}

void TDC::RestoreFont() {
    if (!orgFont_) return;
    font_ = *orgFont_;
    orgFont_.reset();
}

void TDC::RestoreObjects() {
    RestorePen();
    RestoreBrush();
    RestoreFont();
}

// Device caps

int32_t TDC::GetDeviceCaps(int32_t index) const {
    const int32_t width = deviceRect_.width();
    const int32_t height = deviceRect_.height();
    const int32_t dpiX = mapping_.ResolutionX();
    const int32_t dpiY = mapping_.ResolutionY();
    switch (index) {
    case TECHNOLOGY:
        return technology_;
    case HORZSIZE:
        return RoundToPixel(width * 25.4 / dpiX);
    case VERTSIZE:
        return RoundToPixel(height * 25.4 / dpiY);
    case HORZRES:
        return width;
    case VERTRES:
        return height;
    case BITSPIXEL:
        return technology_ == DT_RASPRINTER ? 24 : 32;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case ASPECTX:
        return 36;
    case ASPECTY:
        return RoundToPixel(36.0 * dpiX / dpiY);
    case ASPECTXY:
        return RoundToPixel(std::hypot(36.0, 36.0 * dpiX / dpiY));
    case LOGPIXELSX:
        return dpiX;
    case LOGPIXELSY:
        return dpiY;
    default:
        return 0;
    }
}

// Pixels

void TDC::ApplyRop() const {
    if (!rasterOps_) {
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        return;
    }
    switch (rop_) {
    case R2_XORPEN:
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case R2_NOTXORPEN:
        painter_->setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        break;
    default:
        painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
}

void TDC::ApplyCopy() const {
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TDC::ForceInk(COLORREF colour) {
    ink_ = colour & 0x00FFFFFFu;
    inkForced_ = true;
}

void TDC::PutPixels(const POINT* pixels, size_t count, COLORREF colour, bool useRop) {
    if (count == 0) return;
    colour = Ink(colour);
    const int32_t rop = useRop ? rop_ : R2_COPYPEN;
    if (image_) {
        const QRgb rgb = ToRgb(colour);
        const QRect bounds = clipped_ ? clip_.boundingRect().intersected(deviceRect_) : deviceRect_;
        // Only a clip of several rectangles needs each pixel tested against the region.
        const QRegion* region = clipped_ && clip_.rectCount() > 1 ? &clip_ : nullptr;
        const TPixelTarget target{*image_, bounds, region, pixels, count};
        switch (rop) {
        case R2_XORPEN:
            WritePixels(target, [rgb](QRgb& d) { d = (d ^ rgb) | 0xFF000000u; });
            break;
        case R2_NOTXORPEN:
            WritePixels(target, [rgb](QRgb& d) { d = ~(d ^ rgb) | 0xFF000000u; });
            break;
        default:
            WritePixels(target, [rgb](QRgb& d) { d = rgb; });
            break;
        }
        return;
    }
    if (!Active()) return;
    points_.resize(count);
    for (size_t i = 0; i < count; ++i)
        points_[i] = QPoint(pixels[i].x, pixels[i].y);
    if (useRop)
        ApplyRop();
    else
        ApplyCopy();
    painter_->setPen(QPen(QColor(ToRgb(colour)), 1));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawPoints(points_.data(), int(count));
}

COLORREF TDC::SetPixel(int32_t x, int32_t y, COLORREF colour) {
    if (Diverts())
        return Record([x, y, colour](TDC& dc) { dc.SetPixel(x, y, colour); }), colour & 0x00FFFFFFu;
    const POINT p = ToDevice(x, y);
    PutPixels(&p, 1, colour, false);
    Drawn(QRect(p.x, p.y, 1, 1));
    return colour & 0x00FFFFFFu;
}

COLORREF TDC::GetPixel(int32_t x, int32_t y) const {
    // The pixel is read as the calls recorded so far have left it.
    if (record_) record_->CatchUp(const_cast<TDC&>(*this));
    const POINT p = ToDevice(x, y);
    if (!deviceImage_ || !deviceRect_.contains(p.x, p.y)) return CLR_INVALID;
    const QRgb rgb = deviceImage_->pixel(p.x, p.y);
    return RGB(uint8_t(qRed(rgb)), uint8_t(qGreen(rgb)), uint8_t(qBlue(rgb)));
}

// Recording

TDrawState TDC::SaveDrawState() const {
    return TDrawState{mapping_,   rop_, bkMode_, bkColour_, textColour_, textAlign_,
                      inkForced_, ink_, pen_,    brush_,    font_};
}

void TDC::LoadDrawState(const TDrawState& state) {
    mapping_ = state.Mapping;
    rop_ = state.Rop;
    bkMode_ = state.BkMode;
    bkColour_ = state.BkColour;
    textColour_ = state.TextColour;
    textAlign_ = state.TextAlign;
    inkForced_ = state.InkForced;
    ink_ = state.Ink;
    pen_ = state.Pen;
    brush_ = state.Brush;
    font_ = state.Font;
}

void TDC::RecordInto(TDrawRecord* record) {
    record_ = record;
}

bool TDC::RecordTakes() {
    return record_->Takes();
}

bool TDC::DivertsText() {
    constexpr std::size_t kTurnedTextWeight = 16;
    return record_ && record_->Takes(font_.Escapement() % 3600 != 0 ? kTurnedTextWeight : 1);
}

bool TDC::Record(std::function<void(TDC&)> call) {
    if (record_->KeepsCalls()) {
        if (record_->Size() == 0) record_->Begin(current_, patternPhase_);
        record_->Add(SaveDrawState(), std::move(call));
        return true;
    }
    record_->Release(*this);
    call(*this);
    return true;
}

bool TDC::RecordText(int32_t x, int32_t y, const char* text, int32_t len) {
    if (!text) return true;
    std::string kept = len < 0 ? std::string(text) : std::string(text, size_t(len));
    return Record(
        [x, y, kept = std::move(kept)](TDC& dc) { dc.TextOut(x, y, kept.data(), int32_t(kept.size())); });
}
