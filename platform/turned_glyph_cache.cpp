// The turned glyphs and texts kept for repaints, bounded in bytes, the least recently drawn let go
// first but never a text drawn since the paint began.
#include "platform/turned_glyph_cache.h"

#include <algorithm>
#include <cstdlib>
#include <QHashFunctions>
#include <utility>

namespace {

// What a map spends beside what it keeps: its node's link, key and hash, a bucket, and the
// allocator's header on the node and on the bits.
constexpr size_t kEntryOverhead = sizeof(void*) + sizeof(size_t) + sizeof(void*) + 2 * 16;
// The glyphs' choices take this share of the bound: some three hundred thousand glyphs' at the
// default bound, beside the texts.
constexpr size_t kChoiceShare = 4;

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

template <class K, class T>
typename TurnedGlyphCache::KeptList<K, T>::Entry* TurnedGlyphCache::KeptList<K, T>::Find(const K& key,
                                                                                         uint64_t drawn) {
    const auto known = map_.find(key);
    if (known == map_.end()) return nullptr;
    Entry& entry = known->second;
    entry.drawn = drawn;
    Unlink(entry);
    LinkLatest(entry);
    return &entry;
}

template <class K, class T>
typename TurnedGlyphCache::KeptList<K, T>::Entry&
TurnedGlyphCache::KeptList<K, T>::Add(const K& key, T kept, size_t bytes, uint64_t drawn) {
    const auto [at, added] = map_.try_emplace(key);
    Entry& entry = at->second;
    if (!added) Unlink(entry);
    entry.kept = std::move(kept);
    entry.bytes = bytes;
    entry.drawn = drawn;
    entry.key = &at->first;
    LinkLatest(entry);
    return entry;
}

template <class K, class T> size_t TurnedGlyphCache::KeptList<K, T>::DropEarliest() {
    Entry& gone = *earliest_;
    const size_t bytes = gone.bytes;
    Unlink(gone);
    map_.erase(*gone.key);
    return bytes;
}

template <class K, class T> void TurnedGlyphCache::KeptList<K, T>::Clear() {
    map_.clear();
    latest_ = earliest_ = nullptr;
}

template <class K, class T> void TurnedGlyphCache::KeptList<K, T>::Unlink(Entry& entry) {
    (entry.earlier ? entry.earlier->later : earliest_) = entry.later;
    (entry.later ? entry.later->earlier : latest_) = entry.earlier;
    entry.earlier = entry.later = nullptr;
}

template <class K, class T> void TurnedGlyphCache::KeptList<K, T>::LinkLatest(Entry& entry) {
    entry.earlier = latest_;
    entry.later = nullptr;
    (latest_ ? latest_->later : earliest_) = &entry;
    latest_ = &entry;
}

TurnedGlyphCache& TurnedGlyphCache::OfThread() {
    thread_local TurnedGlyphCache cache;
    return cache;
}

size_t TurnedGlyphCache::BytesOf(const TurnedGlyph& glyph) {
    return sizeof(Key) + sizeof(KeptList<Key, TurnedGlyph>::Entry) + kEntryOverhead +
           glyph.bits.capacity() * sizeof(uint64_t);
}

size_t TurnedGlyphCache::BytesOf(const TextKey& key, size_t pieces, size_t words) {
    return sizeof(TextKey) + sizeof(KeptList<TextKey, TurnedText>::Entry) + kEntryOverhead + 2 * 16 +
           size_t(key.text.capacity()) * sizeof(QChar) + pieces * sizeof(TurnedText::Piece) +
           words * sizeof(uint64_t);
}

void TurnedGlyphCache::BeginPaint() {
    paintBegan_ = drawn_;
}

TurnedGlyph* TurnedGlyphCache::Find(const Key& key) {
    auto* entry = glyphs_.Find(key, ++drawn_);
    return entry ? &entry->kept : nullptr;
}

const TurnedText* TurnedGlyphCache::Find(const TextKey& key) {
    const auto* entry = texts_.Find(key, ++drawn_);
    return entry ? &entry->kept : nullptr;
}

void TurnedGlyphCache::FreeSlots::operator()(ChoiceSlot* table) const {
    std::free(table);
}

TurnedGlyphCache::ChoiceSlot* TurnedGlyphCache::SlotOf(const Key& key) {
    if (!choices_) {
        choiceSlots_ = bound_ / kChoiceShare / sizeof(ChoiceSlot);
        if (choiceSlots_ == 0) return nullptr;
        choices_.reset(static_cast<ChoiceSlot*>(std::calloc(choiceSlots_, sizeof(ChoiceSlot))));
        if (!choices_) return nullptr;
        bytes_ += choiceSlots_ * sizeof(ChoiceSlot);
    }
    return choices_.get() + KeyHash()(key) % choiceSlots_;
}

TurnedGlyph& TurnedGlyphCache::Add(const Key& key, TurnedGlyph glyph) {
    const size_t bytes = BytesOf(glyph);
    if (auto* known = glyphs_.Find(key, drawn_)) bytes_ -= known->bytes;
    bytes_ += bytes;
    return glyphs_.Add(key, std::move(glyph), bytes, ++drawn_).kept;
}

const TurnedText* TurnedGlyphCache::Add(const TextKey& key, TurnedText& text) {
    const size_t bytes = BytesOf(key, text.pieces.size(), text.bits.size());
    if (!RoomFor(bytes)) return nullptr;
    text.pieces.shrink_to_fit();
    text.bits.shrink_to_fit();
    bytes_ += bytes;
    return &texts_.Add(key, std::move(text), bytes, ++drawn_).kept;
}

const GlyphChoice* TurnedGlyphCache::FindChoice(const Key& key) {
    const ChoiceSlot* slot = SlotOf(key);
    return slot && slot->kept && slot->key == key ? &slot->choice : nullptr;
}

void TurnedGlyphCache::KeepChoice(const Key& key, const GlyphChoice& choice) {
    if (ChoiceSlot* slot = SlotOf(key)) *slot = {key, choice, true};
}

void TurnedGlyphCache::Grew(const Key& key) {
    if (auto* entry = glyphs_.Find(key, drawn_)) {
        const size_t bytes = BytesOf(entry->kept);
        bytes_ = bytes_ - entry->bytes + bytes;
        entry->bytes = bytes;
    }
}

bool TurnedGlyphCache::RoomFor(size_t more) {
    while (bytes_ + more > bound_ && glyphs_.Earliest())
        bytes_ -= glyphs_.DropEarliest();
    while (bytes_ + more > bound_ && texts_.Earliest() && texts_.Earliest()->drawn <= paintBegan_)
        bytes_ -= texts_.DropEarliest();
    return bytes_ + more <= bound_;
}

void TurnedGlyphCache::Trim() {
    if (RoomFor(0)) return;
    // A bound lowered below what the paint has drawn lets go of that too.
    while (bytes_ > bound_ && texts_.Earliest())
        bytes_ -= texts_.DropEarliest();
}

void TurnedGlyphCache::Clear() {
    glyphs_.Clear();
    texts_.Clear();
    choices_.reset();
    bytes_ = 0;
}

size_t TurnedGlyphCache::SetBound(size_t bytes) {
    const size_t before = bound_;
    if (choices_) bytes_ -= choiceSlots_ * sizeof(ChoiceSlot);
    choices_.reset();
    bound_ = bytes;
    Trim();
    return before;
}
