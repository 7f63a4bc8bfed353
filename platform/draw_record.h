// The drawing calls of a device context kept for later: a screen paint is recorded at once, cheaply,
// and inked afterwards in short slices, so the window goes on answering while a heavy paint is inked.
// Replaying the calls in order on the context that recorded them draws exactly what drawing them at
// once would have drawn.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "platform/gdi_objects.h"
#include "platform/mapping.h"
#include "platform/win_types.h"

class TDC;

// What a drawing call reads of its context besides its arguments and the pen position.
struct TDrawState {
    TMapping Mapping;
    int32_t Rop = 0;
    int32_t BkMode = 0;
    COLORREF BkColour = 0;
    COLORREF TextColour = 0;
    uint32_t TextAlign = 0;
    bool InkForced = false;
    COLORREF Ink = 0;
    TPen Pen;
    TBrush Brush;
    TFont Font = TFont::System();
    bool operator==(const TDrawState&) const = default;
};

class TDrawRecord {
public:
    using Clock = std::chrono::steady_clock;
    using Call = std::function<void(TDC&)>;

    TDrawRecord() = default;
    // A record that keeps no call: the context's first drawing call, or reading of a pixel, runs
    // `beforeDrawing` and the context draws at once from then on.
    explicit TDrawRecord(std::function<void()> beforeDrawing) : beforeDrawing_(std::move(beforeDrawing)) {}
    bool KeepsCalls() const { return !beforeDrawing_; }

    // The context draws its first `calls` calls at once and goes on drawing at once until `until`
    // has passed; it keeps its calls from then on. A paint that is soon done is drawn as ever.
    void DrawAtOnceUntil(Clock::time_point until, std::size_t calls) {
        until_ = until;
        nextLook_ = calls;
        keeping_ = false;
    }
    // True when the context is to hand its next drawing call to the record; a costly call counts
    // as `weight` calls. The clock is read once in a while only.
    bool Takes(std::size_t weight = 1) {
        if (keeping_) return true;
        made_ += weight;
        if (made_ < nextLook_) return false;
        nextLook_ = made_ + 32;
        keeping_ = Clock::now() >= until_;
        return keeping_;
    }

    // Recording starts with the pen at `current`, a dashed line at `phase`.
    void Begin(POINT current, int32_t phase) {
        current_ = current;
        phase_ = phase;
    }
    // Keeps a call with the state it is to be drawn in; a state equal to the last one is shared.
    void Add(TDrawState state, Call call);
    std::size_t Size() const { return calls_.size(); }
    bool Done() const { return next_ >= calls_.size(); }

    // Draws the calls not drawn yet on `dc`, in order, until all are drawn or, when `until` is set,
    // that moment has passed (at least one call is drawn). True when all are drawn.
    bool Replay(TDC& dc, const Clock::time_point* until = nullptr);
    // Draws what is recorded so far on the recording context itself and goes on recording: for a
    // call that reads pixels while the paint is being recorded. A record that keeps no call lets
    // the context go to draw at once.
    void CatchUp(TDC& recorder);
    // Lets a context that keeps no call draw at once: runs what has to come before.
    void Release(TDC& dc);

private:
    struct Entry {
        std::shared_ptr<const TDrawState> state;
        Call call;
    };
    std::function<void()> beforeDrawing_;
    std::vector<Entry> calls_;
    std::size_t next_ = 0;
    bool keeping_ = true;
    std::size_t made_ = 0;
    std::size_t nextLook_ = 0;
    Clock::time_point until_{};
    // The pen position and the phase of a dashed line where the drawn calls left them.
    POINT current_{0, 0};
    int32_t phase_ = 0;
};
