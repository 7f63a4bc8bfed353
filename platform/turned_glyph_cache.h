// The turned glyphs and texts kept for repaints (internal to the layer). Finding how to ink a small
// turned glyph costs far more than drawing it, and a repaint draws the same texts again, so each
// glyph drawn is kept (its box and its inkings, a bit a pixel, and nothing it was found from), and
// so is each text's ink. What is kept is bounded in bytes, not in fonts or angles, since a drawing
// may turn every text its own way; past the bound what was drawn longest ago goes first. A glyph or
// text let go is found again exactly as it was, so what the cache holds never changes what is drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <QRect>
#include <QString>
#include <unordered_map>
#include <vector>

// A glyph turned with its origin at one fraction of a pixel, and the inkings of its box that keep
// the level glyph's shape, most fitting first.
struct TurnedGlyph {
    QRect box;                  // from the pixel holding the origin
    std::vector<uint64_t> bits; // the inkings one after another, row by row, each Words() long
    int32_t inkings = 0;        // how many of them
    int32_t stage = 0;          // ways of inking tried so far
    bool nearest = false;       // the one inking comes nearest the level shape but does not keep it

    size_t Words() const { return (size_t(box.width()) * size_t(box.height()) + 63) / 64; }
    // Calls `visit(x, y)` for each inked pixel of an inking, row by row, until it returns true;
    // true when it did.
    template <class Visit> bool AnyInked(int32_t inking, Visit visit) const {
        const size_t words = Words(), width = size_t(box.width());
        const uint64_t* word = bits.data() + size_t(inking) * words;
        for (size_t at = 0; at < words; ++at)
            for (uint64_t left = word[at]; left != 0; left &= left - 1) {
                const size_t bit = at * 64 + size_t(__builtin_ctzll(left));
                if (visit(int32_t(bit % width), int32_t(bit / width))) return true;
            }
        return false;
    }
};

// A text's ink turned about its reference point.
struct TurnedText {
    QRect box;                  // about the reference point
    std::vector<uint64_t> bits; // row by row
};

class TurnedGlyphCache {
public:
    struct Key {
        uint64_t font;  // the number of the font's turned glyphs, never given twice
        uint64_t angle; // the angle's bits
        uint32_t glyph; // the character and the fractions of a pixel its origin lies at
        bool operator==(const Key&) const = default;
    };
    struct TextKey {
        uint64_t font;
        uint64_t angle;
        QPoint pen; // where the level pen starts from the reference point
        QString text;
        bool operator==(const TextKey&) const = default;
    };

    // A few tens of megabytes: the glyphs of some ten thousand small texts each at its own angle.
    static constexpr size_t kDefaultBound = size_t{48} << 20;

    // The cache of the calling thread, which owns its fonts.
    static TurnedGlyphCache& OfThread();

    // The glyph or text kept under `key`, now the latest drawn; null when none is.
    TurnedGlyph* Find(const Key& key);
    const TurnedText* Find(const TextKey& key);
    // Keeps `glyph` under `key` as the latest drawn. It and every glyph found stay put until the next
    // Trim.
    TurnedGlyph& Add(const Key& key, TurnedGlyph glyph);
    void Add(const TextKey& key, TurnedText text);
    // To be told when a kept glyph gained inkings.
    void Grew(const TurnedGlyph& glyph, size_t bytesBefore);
    // Lets go of what was drawn longest ago until the rest fits the bound.
    void Trim();
    void Clear();

    size_t Bytes() const { return bytes_; }
    // Sets the bound and returns the one before; tests fill a small one.
    size_t SetBound(size_t bytes);
    static size_t BytesOf(const TurnedGlyph& glyph);

private:
    template <class Kept> struct Entry {
        Kept kept;
        uint64_t drawn = 0; // when last drawn, by the cache's count of draws
    };
    struct KeyHash {
        size_t operator()(const Key& key) const;
        size_t operator()(const TextKey& key) const;
    };
    static size_t BytesOf(const TextKey& key, const TurnedText& text);

    std::unordered_map<Key, Entry<TurnedGlyph>, KeyHash> glyphs_; // elements stay put as it grows
    std::unordered_map<TextKey, Entry<TurnedText>, KeyHash> texts_;
    uint64_t drawn_ = 0;
    size_t bytes_ = 0;
    size_t bound_ = kDefaultBound;
};
