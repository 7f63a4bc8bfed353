#include "bench/support/recording_device.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTextItem>

namespace bench {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(RecordingDevice& device) : QPaintEngine(AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override {
        const DirtyFlags dirty = state.state();
        if (dirty & DirtyPen) Add([pen = state.pen()](QPainter& p) { p.setPen(pen); });
        if (dirty & DirtyBrush) Add([brush = state.brush()](QPainter& p) { p.setBrush(brush); });
        if (dirty & DirtyFont) Add([font = state.font()](QPainter& p) { p.setFont(font); });
        if (dirty & DirtyCompositionMode)
            Add([mode = state.compositionMode()](QPainter& p) { p.setCompositionMode(mode); });
        if (dirty & DirtyHints)
            Add([hints = state.renderHints()](QPainter& p) {
                p.setRenderHints(p.renderHints() & ~hints, false);
                p.setRenderHints(hints, true);
            });
        if (dirty & DirtyTransform) Add([t = state.transform()](QPainter& p) { p.setTransform(t); });
        if (dirty & DirtyClipEnabled) Add([on = state.isClipEnabled()](QPainter& p) { p.setClipping(on); });
        if (dirty & DirtyClipRegion)
            Add([r = state.clipRegion(), op = state.clipOperation()](QPainter& p) {
                p.setClipRegion(r, op);
            });
        if (dirty & DirtyClipPath)
            Add([path = state.clipPath(), op = state.clipOperation()](QPainter& p) {
                p.setClipPath(path, op);
            });
    }

    void drawLines(const QLine* lines, int count) override {
        Add([l = std::vector<QLine>(lines, lines + count)](QPainter& p) {
            p.drawLines(l.data(), int(l.size()));
        });
    }
    void drawLines(const QLineF* lines, int count) override {
        Add([l = std::vector<QLineF>(lines, lines + count)](QPainter& p) {
            p.drawLines(l.data(), int(l.size()));
        });
    }
    void drawPoints(const QPoint* points, int count) override {
        Add([v = std::vector<QPoint>(points, points + count)](QPainter& p) {
            p.drawPoints(v.data(), int(v.size()));
        });
    }
    void drawPoints(const QPointF* points, int count) override {
        Add([v = std::vector<QPointF>(points, points + count)](QPainter& p) {
            p.drawPoints(v.data(), int(v.size()));
        });
    }
    void drawRects(const QRect* rects, int count) override {
        Add([v = std::vector<QRect>(rects, rects + count)](QPainter& p) {
            p.drawRects(v.data(), int(v.size()));
        });
    }
    void drawRects(const QRectF* rects, int count) override {
        Add([v = std::vector<QRectF>(rects, rects + count)](QPainter& p) {
            p.drawRects(v.data(), int(v.size()));
        });
    }
    void drawEllipse(const QRectF& r) override {
        Add([r](QPainter& p) { p.drawEllipse(r); });
    }
    void drawPath(const QPainterPath& path) override {
        Add([path](QPainter& p) { p.drawPath(path); });
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        Add([v = std::vector<QPointF>(points, points + count), mode](QPainter& p) {
            if (mode == PolylineMode)
                p.drawPolyline(v.data(), int(v.size()));
            else
                p.drawPolygon(v.data(), int(v.size()),
                              mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        });
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        std::vector<QPointF> v(points, points + count);
        drawPolygon(v.data(), count, mode);
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        Add([r, pm, sr](QPainter& p) { p.drawPixmap(r, pm, sr); });
    }
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                   Qt::ImageConversionFlags) override {
        Add([r, image, sr](QPainter& p) { p.drawImage(r, image, sr); });
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        Add([at, text = item.text()](QPainter& p) { p.drawText(at, text); });
    }

private:
    void Add(std::function<void(QPainter&)> call) { device_.calls_.push_back(std::move(call)); }
    RecordingDevice& device_;
};

RecordingDevice::RecordingDevice(int width, int height)
    : width_(width), height_(height), engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const {
    return engine_.get();
}

void RecordingDevice::Replay(QPainter& painter) const {
    for (const auto& call : calls_)
        call(painter);
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return width_ * 254 / 960;
    case PdmHeightMM:
        return height_ * 254 / 960;
    case PdmNumColors:
        return 0;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

} // namespace bench
