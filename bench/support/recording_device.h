// A paint device that records every painter call made on it (state changes, lines, shapes, texts)
// and replays them onto another painter: the raw-QPainter baseline of a paint, costing what the same
// primitives cost on the painter and nothing for decoding (unlike replaying a QPicture's stream).
#pragma once

#include <functional>
#include <memory>
#include <QPaintDevice>
#include <vector>

namespace bench {

class RecordingEngine;

class RecordingDevice : public QPaintDevice {
public:
    RecordingDevice(int width, int height);
    ~RecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    void Replay(QPainter& painter) const;
    size_t Calls() const { return calls_.size(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class RecordingEngine;
    int width_, height_;
    std::unique_ptr<RecordingEngine> engine_;
    std::vector<std::function<void(QPainter&)>> calls_;
};

} // namespace bench
