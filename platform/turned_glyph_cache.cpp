// The turned glyphs and texts kept for repaints, bounded in bytes, the least recently drawn let go
// first.
#include "platform/turned_glyph_cache.h"

#include <algorithm>
#include <QHashFunctions>
#include <utility>

namespace {

// What a map spends beside what it keeps: its node's link, key and hash, a bucket, and the
// allocator's header on the node and on the bits.
constexpr size_t kEntryOverhead = sizeof(void*) + sizeof(size_t) + sizeof(void*) + 2 * 16;
// A trim lets go of this share of the bound beyond what it must, so that trims come seldom.
constexpr size_t kTrimShare = 8;

uint64_t Mixed(uint64_t h, uint64_t value) {
    h ^= value + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

} // namespace

size_t TurnedGlyphCache::KeyHash::operator()(const Key& key) const {
    const uint64_t h = Mixed(Mixed(Mixed(0, key.font), key.angle), key.glyph) * 0xC2B2AE3D27D4EB4Full;
    return size_t(h ^ (h >> 29));
}

size_t TurnedGlyphCache::KeyHash::operator()(const TextKey& key) const {
    uint64_t h = Mixed(Mixed(Mixed(0, key.font), key.angle),
                       uint64_t(uint32_t(key.pen.x())) << 32 | uint32_t(key.pen.y()));
    h = Mixed(h, qHash(key.text)) * 0xC2B2AE3D27D4EB4Full;
    return size_t(h ^ (h >> 29));
}

TurnedGlyphCache& TurnedGlyphCache::OfThread() {
    thread_local TurnedGlyphCache cache;
    return cache;
}

size_t TurnedGlyphCache::BytesOf(const TurnedGlyph& glyph) {
    return sizeof(Key) + sizeof(Entry<TurnedGlyph>) + kEntryOverhead +
           glyph.bits.capacity() * sizeof(uint64_t);
}

size_t TurnedGlyphCache::BytesOf(const TextKey& key, const TurnedText& text) {
    return sizeof(TextKey) + sizeof(Entry<TurnedText>) + kEntryOverhead + 16 +
           size_t(key.text.capacity()) * sizeof(QChar) + text.bits.capacity() * sizeof(uint64_t);
}

TurnedGlyph* TurnedGlyphCache::Find(const Key& key) {
    const auto known = glyphs_.find(key);
    if (known == glyphs_.end()) return nullptr;
    known->second.drawn = ++drawn_;
    return &known->second.kept;
}

const TurnedText* TurnedGlyphCache::Find(const TextKey& key) {
    const auto known = texts_.find(key);
    if (known == texts_.end()) return nullptr;
    known->second.drawn = ++drawn_;
    return &known->second.kept;
}

TurnedGlyph& TurnedGlyphCache::Add(const Key& key, TurnedGlyph glyph) {
    const auto [kept, added] = glyphs_.try_emplace(key);
    if (!added) bytes_ -= BytesOf(kept->second.kept);
    kept->second = Entry<TurnedGlyph>{std::move(glyph), ++drawn_};
    bytes_ += BytesOf(kept->second.kept);
    return kept->second.kept;
}

void TurnedGlyphCache::Add(const TextKey& key, TurnedText text) {
    const auto [kept, added] = texts_.try_emplace(key);
    if (!added) bytes_ -= BytesOf(kept->first, kept->second.kept);
    kept->second = Entry<TurnedText>{std::move(text), ++drawn_};
    bytes_ += BytesOf(kept->first, kept->second.kept);
}

void TurnedGlyphCache::Grew(const TurnedGlyph& glyph, size_t bytesBefore) {
    bytes_ = bytes_ - bytesBefore + BytesOf(glyph);
}

void TurnedGlyphCache::Trim() {
    if (bytes_ <= bound_) return;
    struct Kept {
        uint64_t drawn;
        const Key* glyph; // or
        const TextKey* text;
    };
    std::vector<Kept> byAge;
    byAge.reserve(glyphs_.size() + texts_.size());
    for (const auto& [key, entry] : glyphs_)
        byAge.push_back({entry.drawn, &key, nullptr});
    for (const auto& [key, entry] : texts_)
        byAge.push_back({entry.drawn, nullptr, &key});
    std::sort(byAge.begin(), byAge.end(), [](const Kept& a, const Kept& b) { return a.drawn < b.drawn; });
    const size_t keep = bound_ - bound_ / kTrimShare;
    for (const Kept& oldest : byAge) {
        if (bytes_ <= keep) break;
        if (oldest.glyph) {
            const auto gone = glyphs_.find(*oldest.glyph);
            bytes_ -= BytesOf(gone->second.kept);
            glyphs_.erase(gone);
        } else {
            const auto gone = texts_.find(*oldest.text);
            bytes_ -= BytesOf(gone->first, gone->second.kept);
            texts_.erase(gone);
        }
    }
}

void TurnedGlyphCache::Clear() {
    glyphs_.clear();
    texts_.clear();
    bytes_ = 0;
}

size_t TurnedGlyphCache::SetBound(size_t bytes) {
    const size_t before = bound_;
    bound_ = bytes;
    Trim();
    return before;
}
