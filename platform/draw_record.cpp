#include "platform/draw_record.h"

#include "platform/dc.h"

void TDrawRecord::Add(TDrawState state, Call call) {
    if (calls_.empty() || !(*calls_.back().state == state)) {
        calls_.push_back({std::make_shared<const TDrawState>(std::move(state)), std::move(call)});
        return;
    }
    calls_.push_back({calls_.back().state, std::move(call)});
}

bool TDrawRecord::Replay(TDC& dc, const Clock::time_point* until) {
    dc.current_ = current_;
    dc.patternPhase_ = phase_;
    const TDrawState* loaded = nullptr;
    while (next_ < calls_.size()) {
        const Entry& entry = calls_[next_++];
        if (entry.state.get() != loaded) {
            dc.LoadDrawState(*entry.state);
            loaded = entry.state.get();
        }
        entry.call(dc);
        if (until && Clock::now() >= *until) break;
    }
    current_ = dc.current_;
    phase_ = dc.patternPhase_;
    return Done();
}

void TDrawRecord::Release(TDC& dc) {
    dc.record_ = nullptr;
    if (beforeDrawing_) beforeDrawing_();
}

void TDrawRecord::CatchUp(TDC& recorder) {
    if (!KeepsCalls()) return Release(recorder);
    if (Done()) return;
    const TDrawState state = recorder.SaveDrawState();
    const POINT current = recorder.current_;
    recorder.record_ = nullptr;
    Replay(recorder);
    recorder.record_ = this;
    recorder.LoadDrawState(state);
    recorder.current_ = current;
}
