// The turned glyphs and texts kept for repaints, bounded in bytes, the least recently drawn let go
// first but never a text drawn since the paint began; and the choices of every glyph searched.
#include "platform/glyphs/turned_glyph_cache.h"

#include <algorithm>
#include <QHashFunctions>
#include <unistd.h>
#include <utility>

namespace {

// What a map spends beside what it keeps: its node's link, key and hash, a bucket, and the
// allocator's header on the node and on the bits.
constexpr size_t kEntryOverhead = sizeof(void*) + sizeof(size_t) + sizeof(void*) + 2 * 16;
// A choice in a word: its glyph in the top bits, so that the words of a font and angle go in the
// order of their glyphs, then its stage, whether its inking is the nearest, how many inkings it has
// and the recipes of the first few. A second word holds the glyph and the recipes past those.
constexpr int32_t kGlyphShift = 40, kStageShift = 35, kNearestShift = 34, kInkingsShift = 30,
                  kFlipsKeptShift = 29;
constexpr int32_t kRecipeBits = 7, kRecipesInAWord = 4;
constexpr uint64_t kGlyphs = uint64_t{1} << (64 - kGlyphShift);
constexpr int32_t kStages = 1 << (kGlyphShift - kStageShift), kRecipes = 1 << kRecipeBits;
// What a map spends on a font's or an angle's choices beside the words: its node and bucket.
constexpr size_t kChoicesOverhead = sizeof(uint64_t) + kEntryOverhead;

uint64_t RecipesWord(const GlyphChoice& choice, int32_t first) {
    uint64_t word = 0;
    for (int32_t at = first; at < std::min<int32_t>(choice.inkings, first + kRecipesInAWord); ++at)
        word |= uint64_t{choice.recipes[at]} << ((at - first) * kRecipeBits);
    return word;
}

void TakeRecipes(uint64_t word, int32_t first, GlyphChoice& choice) {
    for (int32_t at = first; at < std::min<int32_t>(choice.inkings, first + kRecipesInAWord); ++at)
        choice.recipes[at] = uint8_t(word >> ((at - first) * kRecipeBits) & (kRecipes - 1));
}

// The word of `glyph` among `words`; null when it has none.
const uint64_t* WordOf(const std::vector<uint64_t>& words, uint64_t glyph) {
    const auto at = std::lower_bound(words.begin(), words.end(), glyph << kGlyphShift);
    return at != words.end() && *at >> kGlyphShift == glyph ? &*at : nullptr;
}

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
TurnedGlyphCache::KeptList<K, T>::Add(const K& key, T kept, size_t bytes, uint64_t drawn, size_t& replaced) {
    const auto [at, fresh] = map_.try_emplace(key);
    Entry& entry = at->second;
    // What was kept under the key goes: linked twice, the list would run in a circle.
    replaced = fresh ? 0 : entry.bytes;
    if (!fresh) Unlink(entry);
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

size_t TurnedGlyphCache::BoundFor(uint64_t memory) {
    if (memory == 0) return kUnknownMachineBound;
    return size_t(std::min<uint64_t>(kMostBound, memory / kShareOfMachine));
}

size_t TurnedGlyphCache::DefaultBound() {
    static const size_t bound = [] {
        const long pages = sysconf(_SC_PHYS_PAGES), pageBytes = sysconf(_SC_PAGESIZE);
        return BoundFor(pages > 0 && pageBytes > 0 ? uint64_t(pages) * uint64_t(pageBytes) : 0);
    }();
    return bound;
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

size_t TurnedGlyphCache::ChoiceBytesOf(const TextKey& key, size_t bytes) {
    return sizeof(TextKey) + sizeof(std::vector<QPoint>) + kEntryOverhead + 16 +
           size_t(key.text.capacity()) * sizeof(QChar) + bytes;
}

size_t TurnedGlyphCache::LevelBytesOf(const QString& text) {
    return sizeof(QString) + sizeof(int32_t) + kEntryOverhead + 16 + size_t(text.capacity()) * sizeof(QChar);
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

TurnedGlyph& TurnedGlyphCache::Add(const Key& key, TurnedGlyph glyph) {
    const size_t bytes = BytesOf(glyph);
    size_t replaced = 0;
    TurnedGlyph& kept = glyphs_.Add(key, std::move(glyph), bytes, ++drawn_, replaced).kept;
    bytes_ += bytes - replaced;
    glyphBytes_ += bytes - replaced;
    return kept;
}

const TurnedText* TurnedGlyphCache::Add(const TextKey& key, TurnedText& text) {
    const size_t bytes = BytesOf(key, text.pieces.size(), text.bits.size());
    if (!RoomFor(bytes)) {
        pastBound_ = true;
        return nullptr;
    }
    text.pieces.shrink_to_fit();
    text.bits.shrink_to_fit();
    size_t replaced = 0;
    const TurnedText* kept = &texts_.Add(key, std::move(text), bytes, ++drawn_, replaced).kept;
    bytes_ += bytes - replaced;
    return kept;
}

TurnedGlyphCache::Choices* TurnedGlyphCache::ChoicesOf(const Key& key, bool make) {
    if (lastChoices_ && lastFont_ == key.font && lastAngle_ == key.angle) return lastChoices_;
    auto font = choices_.find(key.font);
    if (font == choices_.end()) {
        if (!make) return nullptr;
        font = choices_.try_emplace(key.font).first;
        choiceBytes_ += sizeof(font->second) + kChoicesOverhead;
    }
    auto angle = font->second.find(key.angle);
    if (angle == font->second.end()) {
        if (!make) return nullptr;
        angle = font->second.try_emplace(key.angle).first;
        choiceBytes_ += sizeof(Choices) + kChoicesOverhead;
    }
    lastFont_ = key.font, lastAngle_ = key.angle;
    return lastChoices_ = &angle->second;
}

void TurnedGlyphCache::KeepWord(std::vector<uint64_t>& words, uint64_t word) {
    const auto at = std::lower_bound(words.begin(), words.end(), word >> kGlyphShift << kGlyphShift);
    if (at != words.end() && *at >> kGlyphShift == word >> kGlyphShift) {
        *at = word;
        return;
    }
    const size_t capacity = words.capacity();
    words.insert(at, word);
    choiceBytes_ += (words.capacity() - capacity) * sizeof(uint64_t);
}

const GlyphChoice* TurnedGlyphCache::FindChoice(const Key& key) {
    const Choices* choices = ChoicesOf(key, false);
    const uint64_t* first = choices ? WordOf(choices->first, key.glyph) : nullptr;
    if (!first) return nullptr;
    found_ = GlyphChoice();
    found_.stage = int8_t(*first >> kStageShift & (kStages - 1));
    found_.nearest = (*first >> kNearestShift & 1) != 0;
    found_.inkings = int8_t(*first >> kInkingsShift & 15);
    TakeRecipes(*first, 0, found_);
    if (found_.inkings > kRecipesInAWord) {
        const uint64_t* more = WordOf(choices->more, key.glyph);
        if (!more) return nullptr;
        TakeRecipes(*more, kRecipesInAWord, found_);
    }
    return &found_;
}

void TurnedGlyphCache::KeepChoice(const Key& key, const GlyphChoice& choice) {
    // A choice that does not fit its words is not kept: the glyph is searched again.
    if (key.glyph >= kGlyphs || choice.stage < 0 || choice.stage >= kStages || choice.inkings < 0 ||
        choice.inkings > GlyphChoice::kMostInkings ||
        std::any_of(choice.recipes, choice.recipes + choice.inkings, [](uint8_t r) { return r >= kRecipes; }))
        return;
    Choices& choices = *ChoicesOf(key, true);
    const uint64_t glyph = uint64_t{key.glyph} << kGlyphShift;
    if (!WordOf(choices.first, key.glyph)) ++searches_;
    // A choice grown has inkings not compared with the raster: until they are, none is known.
    KeepWord(choices.first, glyph | uint64_t(choice.stage) << kStageShift |
                                uint64_t(choice.nearest) << kNearestShift |
                                uint64_t(choice.inkings) << kInkingsShift | RecipesWord(choice, 0));
    if (choice.inkings > kRecipesInAWord)
        KeepWord(choices.more, glyph | RecipesWord(choice, kRecipesInAWord));
}

namespace {

// A word of flips: the glyph in the top bits as in a choice, then the inking, the count of pixels
// (kNoRaster where the raster is not used) and where they begin.
constexpr int32_t kFlipInkingShift = 37, kFlipCountShift = 30;
constexpr uint64_t kNoRaster = 127, kFlipOffsets = uint64_t{1} << kFlipCountShift;

uint64_t FlipKey(uint32_t glyph, int32_t inking) {
    return uint64_t{glyph} << (kGlyphShift - kFlipInkingShift) | uint64_t(inking);
}

} // namespace

TurnedGlyphCache::Flips TurnedGlyphCache::FindFlips(const Key& key, int32_t inking) {
    const Choices* choices = ChoicesOf(key, false);
    if (!choices || key.glyph >= kGlyphs) return {};
    const uint64_t wanted = FlipKey(key.glyph, inking);
    const auto at =
        std::lower_bound(choices->flips.begin(), choices->flips.end(), wanted << kFlipInkingShift);
    if (at == choices->flips.end() || *at >> kFlipInkingShift != wanted) {
        const uint64_t* choice = WordOf(choices->first, key.glyph);
        return choice && (*choice >> kFlipsKeptShift & 1) ? Flips{true, true, {}} : Flips{};
    }
    const uint64_t count = *at >> kFlipCountShift & kNoRaster;
    if (count == kNoRaster) return {true, false, {}};
    return {true, true, {choices->flipped.data() + (*at & (kFlipOffsets - 1)), size_t(count)}};
}

void TurnedGlyphCache::KeepFlips(const Key& key, int32_t inking, bool raster,
                                 std::span<const uint16_t> pixels) {
    if (key.glyph >= kGlyphs || inking < 0 || inking >= GlyphChoice::kMostInkings) return;
    Choices& choices = *ChoicesOf(key, true);
    if (pixels.size() > size_t(kMostFlips) || choices.flipped.size() + pixels.size() >= kFlipOffsets)
        raster = false;
    const uint64_t wanted = FlipKey(key.glyph, inking);
    const auto at = std::lower_bound(choices.flips.begin(), choices.flips.end(), wanted << kFlipInkingShift);
    if (at != choices.flips.end() && *at >> kFlipInkingShift == wanted) return;
    // Where every inking is compared at once, one the raster makes right needs no word.
    if (raster && pixels.empty())
        if (const uint64_t* choice = WordOf(choices.first, key.glyph);
            choice && (*choice >> kFlipsKeptShift & 1))
            return;
    const uint64_t count = raster ? pixels.size() : kNoRaster;
    const size_t capacity = choices.flips.capacity(), pixelCapacity = choices.flipped.capacity();
    choices.flips.insert(at, wanted << kFlipInkingShift | count << kFlipCountShift | choices.flipped.size());
    if (raster) choices.flipped.insert(choices.flipped.end(), pixels.begin(), pixels.end());
    choiceBytes_ += (choices.flips.capacity() - capacity) * sizeof(uint64_t) +
                    (choices.flipped.capacity() - pixelCapacity) * sizeof(uint16_t);
}

void TurnedGlyphCache::FlipsKept(const Key& key) {
    Choices* choices = ChoicesOf(key, false);
    if (!choices || key.glyph >= kGlyphs) return;
    const auto at =
        std::lower_bound(choices->first.begin(), choices->first.end(), uint64_t{key.glyph} << kGlyphShift);
    if (at != choices->first.end() && *at >> kGlyphShift == key.glyph) *at |= uint64_t{1} << kFlipsKeptShift;
}

const std::vector<QPoint>* TurnedGlyphCache::FindMends(const TextKey& key) const {
    const auto font = textChoices_.find(key.font);
    if (font == textChoices_.end()) return nullptr;
    const auto known = font->second.mends.find(key);
    return known != font->second.mends.end() ? &known->second : nullptr;
}

TurnedGlyphCache::TextChoices& TurnedGlyphCache::TextChoicesOf(uint64_t font) {
    const auto [choices, added] = textChoices_.try_emplace(font);
    if (added) choiceBytes_ += sizeof(TextChoices) + kChoicesOverhead;
    return choices->second;
}

const std::vector<QPoint>& TurnedGlyphCache::KeepMends(const TextKey& key, std::vector<QPoint> mends) {
    mends.shrink_to_fit();
    const auto [kept, added] = TextChoicesOf(key.font).mends.try_emplace(key, std::move(mends));
    if (added) choiceBytes_ += ChoiceBytesOf(kept->first, kept->second.capacity() * sizeof(QPoint));
    return kept->second;
}

const QRect* TurnedGlyphCache::FindClear(const TextKey& key) const {
    const auto font = textChoices_.find(key.font);
    if (font == textChoices_.end()) return nullptr;
    const auto known = font->second.clear.find(key);
    return known != font->second.clear.end() ? &known->second : nullptr;
}

void TurnedGlyphCache::KeepClear(const TextKey& key, const QRect& clear) {
    const auto [kept, added] = TextChoicesOf(key.font).clear.insert_or_assign(key, clear);
    if (added) choiceBytes_ += ChoiceBytesOf(kept->first, 0);
}

const std::vector<uint16_t>* TurnedGlyphCache::FindPlaces(const TextKey& key) const {
    const auto font = textChoices_.find(key.font);
    if (font == textChoices_.end()) return nullptr;
    const auto known = font->second.places.find(key);
    return known != font->second.places.end() ? &known->second : nullptr;
}

void TurnedGlyphCache::KeepPlaces(const TextKey& key, const std::vector<uint16_t>& places) {
    const auto [kept, added] = TextChoicesOf(key.font).places.try_emplace(key, places);
    auto bytes = [&] { return ChoiceBytesOf(kept->first, kept->second.capacity() * sizeof(uint16_t)); };
    if (!added) {
        // A text inked further than before keeps where its further letters went.
        if (places.size() <= kept->second.size()) return;
        choiceBytes_ -= bytes();
        kept->second = places;
    }
    choiceBytes_ += bytes();
}

const int32_t* TurnedGlyphCache::FindLevelHoles(uint64_t font, const QString& text) const {
    const auto choices = textChoices_.find(font);
    if (choices == textChoices_.end()) return nullptr;
    const auto known = choices->second.levelHoles.find(text);
    return known != choices->second.levelHoles.end() ? &known->second : nullptr;
}

int32_t TurnedGlyphCache::KeepLevelHoles(uint64_t font, const QString& text, int32_t holes) {
    if (TextChoicesOf(font).levelHoles.try_emplace(text, holes).second) choiceBytes_ += LevelBytesOf(text);
    return holes;
}

void TurnedGlyphCache::ForgetFont(uint64_t font) {
    if (const auto texts = textChoices_.find(font); texts != textChoices_.end()) {
        choiceBytes_ -= sizeof(TextChoices) + kChoicesOverhead;
        for (const auto& [key, mends] : texts->second.mends)
            choiceBytes_ -= ChoiceBytesOf(key, mends.capacity() * sizeof(QPoint));
        for (const auto& [key, places] : texts->second.places)
            choiceBytes_ -= ChoiceBytesOf(key, places.capacity() * sizeof(uint16_t));
        for (const auto& level : texts->second.levelHoles)
            choiceBytes_ -= LevelBytesOf(level.first);
        textChoices_.erase(texts);
    }
    const auto gone = choices_.find(font);
    if (gone == choices_.end()) return;
    choiceBytes_ -= sizeof(gone->second) + kChoicesOverhead;
    for (const auto& angle : gone->second)
        choiceBytes_ -=
            sizeof(Choices) + kChoicesOverhead +
            (angle.second.first.capacity() + angle.second.more.capacity() + angle.second.flips.capacity()) *
                sizeof(uint64_t) +
            angle.second.flipped.capacity() * sizeof(uint16_t);
    choices_.erase(gone);
    lastChoices_ = nullptr;
}

void TurnedGlyphCache::Grew(const Key& key) {
    if (auto* entry = glyphs_.Find(key, drawn_)) {
        const size_t bytes = BytesOf(entry->kept);
        bytes_ = bytes_ - entry->bytes + bytes;
        glyphBytes_ = glyphBytes_ - entry->bytes + bytes;
        entry->bytes = bytes;
    }
}

void TurnedGlyphCache::DropEarliestGlyph() {
    const size_t bytes = glyphs_.DropEarliest();
    bytes_ -= bytes;
    glyphBytes_ -= bytes;
}

bool TurnedGlyphCache::RoomFor(size_t more) {
    while (bytes_ + more > bound_ && glyphs_.Earliest())
        DropEarliestGlyph();
    while (bytes_ + more > bound_ && texts_.Earliest() && texts_.Earliest()->drawn <= paintBegan_)
        bytes_ -= texts_.DropEarliest(), pastBound_ = true;
    return bytes_ + more <= bound_;
}

void TurnedGlyphCache::Trim() {
    while (glyphBytes_ > kMostGlyphBytes && glyphs_.Earliest())
        DropEarliestGlyph();
    if (RoomFor(0)) return;
    // A bound lowered below what the paint has drawn lets go of that too.
    while (bytes_ > bound_ && texts_.Earliest())
        bytes_ -= texts_.DropEarliest(), pastBound_ = true;
}

void TurnedGlyphCache::Clear() {
    glyphs_.Clear();
    texts_.Clear();
    choices_.clear();
    textChoices_.clear();
    lastChoices_ = nullptr;
    choiceBytes_ = 0;
    bytes_ = 0;
    glyphBytes_ = 0;
    pastBound_ = false;
}

size_t TurnedGlyphCache::SetBound(size_t bytes) {
    const size_t before = bound_;
    bound_ = bytes;
    pastBound_ = false;
    Trim();
    return before;
}
