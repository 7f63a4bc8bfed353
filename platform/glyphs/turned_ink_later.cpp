// The texts whose inking a screen paint put off, inked in the order drawn.
#include "platform/glyphs/turned_ink_later.h"

#include <algorithm>
#include <ctime>

#include "platform/glyphs/turned_glyph_cache.h"
#include "platform/glyphs/turned_glyphs.h"

namespace {

int64_t ThreadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

TurnedInkLater& TurnedInkLater::OfThread() {
    thread_local TurnedInkLater later;
    return later;
}

void TurnedInkLater::Add(const std::shared_ptr<const TurnedGlyphs>& glyphs, const QString& text, double angle,
                         QPoint pen, const QRectF& shown, const void* device, const QRect& box) {
    texts_.push_back({glyphs, text, angle, pen, shown});
    const auto known =
        std::find_if(areas_.begin(), areas_.end(), [&](const auto& area) { return area.first == device; });
    if (known != areas_.end())
        known->second |= box;
    else
        areas_.emplace_back(device, box);
}

bool TurnedInkLater::Finish(int64_t mostMilliseconds) {
    const int64_t start = mostMilliseconds < 0 ? 0 : ThreadMilliseconds();
    // Inked as a paint inks them, so that the paint that follows finds the texts and their glyphs'
    // choices kept; a font let go since is inked afresh by that paint.
    if (Pending()) TurnedGlyphCache::OfThread().BeginPaint();
    while (Pending()) {
        const Text& later = texts_[next_++];
        if (const auto glyphs = later.glyphs.lock())
            glyphs->Ink(later.text, later.angle, later.pen, later.shown);
        if (mostMilliseconds >= 0 && ThreadMilliseconds() - start >= mostMilliseconds) break;
    }
    if (Pending()) return false;
    texts_.clear();
    next_ = 0;
    return true;
}

QRect TurnedInkLater::TakeArea(const void* device) {
    const auto known =
        std::find_if(areas_.begin(), areas_.end(), [&](const auto& area) { return area.first == device; });
    if (known == areas_.end()) return QRect();
    const QRect area = known->second;
    areas_.erase(known);
    return area;
}

void TurnedInkLater::Clear() {
    texts_.clear();
    next_ = 0;
    areas_.clear();
}
