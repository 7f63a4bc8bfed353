// The turned glyphs and texts kept for repaints (internal to the layer). Finding how to ink a small
// turned glyph costs far more than drawing it, and a repaint draws the same texts again, so each
// text drawn is kept as the ink of its glyphs where they lie, a bit a pixel; so is each glyph
// turned (its box and its inkings, and nothing they were found from) while texts are sought. The
// texts and glyphs are bounded in bytes, not in fonts or angles, since a drawing may turn every
// text its own way. Past the bound what was drawn longest ago goes first, but never a text drawn
// since the paint began: a paint that needs more than the bound keeps what it drew first rather
// than letting each text go just before the next paint draws it again. A glyph or text let go is
// made again exactly as it was, so what the cache holds never changes what is drawn. Apart from
// both, and outside the bound, what each glyph's search chose is kept in a few bytes for as long
// as its font is, whatever the drawing turns: its inkings are made again from it without
// searching, so a drawing of more texts than the bound holds repaints without searching again.
// So are where each letter of a text went and which inking it took, so that a text let go is inked
// again with one inking a letter and nothing sought, checked or laid out; and the mends found for
// each text too large to turn glyph by glyph.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <QRect>
#include <QString>
#include <span>
#include <unordered_map>
#include <vector>

// What the search for a glyph's inkings chose.
struct GlyphChoice {
    static constexpr int32_t kMostInkings = 8; // enough choice to keep a letter off its neighbour

    int8_t stage = 0;                   // stages of the search gone through, under 32
    int8_t inkings = 0;                 // how many inkings keep the level shape
    bool nearest = false;               // the one inking comes nearest the level shape but does not keep it
    uint8_t recipes[kMostInkings] = {}; // how each is made: its way, share of cover and mending, under 128
};

// Calls `visit(x, y)` for each set bit of a row-by-row mask `width` wide held in `words` words, until
// it returns true; true when it did. The bits come in order, so each one's row is found from the
// last one's rather than by dividing.
template <class Visit> bool AnySetBit(const uint64_t* word, size_t words, size_t width, Visit visit) {
    size_t row = 0, rowStart = 0;
    for (size_t at = 0; at < words; ++at)
        for (uint64_t left = word[at]; left != 0; left &= left - 1) {
            const size_t bit = at * 64 + size_t(__builtin_ctzll(left));
            while (bit >= rowStart + width)
                ++row, rowStart += width;
            if (visit(int32_t(bit - rowStart), int32_t(row))) return true;
        }
    return false;
}

// A glyph turned with its origin at one fraction of a pixel, and the inkings of its box that keep
// the level glyph's shape, most fitting first.
struct TurnedGlyph {
    QRect box;                  // from the pixel holding the origin
    std::vector<uint64_t> bits; // the inkings one after another, row by row, each Words() long
    GlyphChoice choice;

    size_t Words() const { return (size_t(box.width()) * size_t(box.height()) + 63) / 64; }
    // Calls `visit(x, y)` for each inked pixel of an inking, row by row, until it returns true;
    // true when it did.
    template <class Visit> bool AnyInked(int32_t inking, Visit visit) const {
        const size_t words = Words();
        return AnySetBit(bits.data() + size_t(inking) * words, words, size_t(box.width()), visit);
    }
};

// A text's ink turned about its reference point: the inking of each of its glyphs where it lies.
struct TurnedText {
    struct Piece {
        int16_t x, y;  // about the reference point
        int16_t w, h;  // the glyph's box
        uint32_t word; // where its bits begin, row by row
    };
    QRect box; // about the reference point
    // The letters whose level places lie this far along the text, from the reference point, or
    // further were left out, as nothing of them showed.
    double inkedTo = std::numeric_limits<double>::infinity();
    std::vector<Piece> pieces;
    std::vector<uint64_t> bits;

    // Calls `visit(x, y)` for each inked pixel about the reference point, row by row of each piece.
    template <class Visit> void ForEachInked(Visit visit) const {
        for (const Piece& piece : pieces) {
            const size_t words = (size_t(piece.w) * size_t(piece.h) + 63) / 64;
            AnySetBit(bits.data() + piece.word, words, size_t(piece.w), [&](int32_t x, int32_t y) {
                visit(piece.x + x, piece.y + y);
                return false;
            });
        }
    }
};

class TurnedGlyphCache {
public:
    struct Key {
        uint64_t font;  // the number of the font's turned glyphs, never given twice
        uint64_t angle; // the angle's bits
        uint32_t glyph; // the character and the fractions of a pixel its origin lies at, in 24 bits
        bool operator==(const Key&) const = default;
    };
    struct TextKey {
        uint64_t font;
        uint64_t angle;
        QPoint pen; // where the level pen starts from the reference point
        QString text;
        bool operator==(const TextKey&) const = default;
    };

    // What a drawing program may keep of what it draws: a sixteenth of the machine's memory, and
    // never more than a few hundred megabytes, which hold 40,000 long notes each at its own angle.
    static constexpr size_t kMostBound = size_t{256} << 20;
    static constexpr uint64_t kShareOfMachine = 16;
    // The glyphs turned while texts are sought serve the texts drawn next at the same angles: a few
    // tens of megabytes of them serve as well as more, whatever the bound.
    static constexpr size_t kMostGlyphBytes = size_t{48} << 20;
    // Where the machine's memory is not known: a few tens of megabytes, the texts of a busy drawing.
    static constexpr size_t kUnknownMachineBound = size_t{48} << 20;
    // The bound on a machine of `memory` bytes, 0 where that is not known.
    static size_t BoundFor(uint64_t memory);
    // The bound on this machine, which every thread's cache starts with.
    static size_t DefaultBound();

    // The cache of the calling thread, which owns its fonts.
    static TurnedGlyphCache& OfThread();

    // A paint begins: what it draws is kept before anything drawn earlier.
    void BeginPaint();
    // The glyph or text kept under `key`, now the latest drawn; null when none is.
    TurnedGlyph* Find(const Key& key);
    const TurnedText* Find(const TextKey& key);
    // The choice kept for the glyph, until the next call; null when none is.
    const GlyphChoice* FindChoice(const Key& key);
    // Keeps `glyph` under `key`, where none is kept, as the latest drawn. It and every glyph found
    // stay put until the next Trim or text added.
    TurnedGlyph& Add(const Key& key, TurnedGlyph glyph);
    // Takes `text` to keep under `key`, where none is kept, when the bound has room for it, letting
    // go of what was drawn before the paint began; null, and `text` left as it was, when it has not.
    const TurnedText* Add(const TextKey& key, TurnedText& text);
    // Keeps what the search for the glyph chose, replacing what it chose before.
    void KeepChoice(const Key& key, const GlyphChoice& choice);
    // Where an inking of a glyph made by a share of its outline's cover differs from the cheap
    // raster of its outline at that share: the pixels, row by row of its box, that the raster has
    // wrong. Kept with the choices, so that the inking is made again from the raster at a small
    // part of the cost of Qt's fill, exactly as it was.
    struct Flips {
        bool known = false;  // whether the inking was compared with the raster
        bool raster = false; // whether the raster, put right, makes it: not where it is far off
        std::span<const uint16_t> pixels;
    };
    // More pixels to put right than this, and the inking is made by Qt's fill as it was found.
    static constexpr int32_t kMostFlips = 126;
    Flips FindFlips(const Key& key, int32_t inking);
    // Keeps the pixels the raster has wrong for the inking, none where `raster` is false.
    void KeepFlips(const Key& key, int32_t inking, bool raster, std::span<const uint16_t> pixels);
    // Every inking of the glyph's choice is compared with the raster as it is kept: those with no
    // pixels kept are made right by the raster alone. Until its choice grows.
    void FlipsKept(const Key& key);
    // True when a text was let go or refused room since the cache was cleared or its bound set:
    // texts are made again from their choices at every paint, and their glyphs are worth comparing
    // with the raster as they are found. Within the bound no glyph is made again, and none is.
    bool PastBound() const { return pastBound_; }
    // The clear pixels mending found to ink in the text kept under `key`, about its reference
    // point; null when the text was never mended.
    const std::vector<QPoint>* FindMends(const TextKey& key) const;
    // Keeps what mending found for the text under `key`, with the choices of its font.
    const std::vector<QPoint>& KeepMends(const TextKey& key, std::vector<QPoint> mends);
    // The pixels, about its reference point, near which the text under `key` was found to hold no
    // clear region to mend; null when none were.
    const QRect* FindClear(const TextKey& key) const;
    void KeepClear(const TextKey& key, const QRect& clear);
    // Where each letter of the text kept under `key` was placed and which of its glyph's inkings it
    // took, as its inking chose them, for as many letters as were ever inked; null when none were.
    const std::vector<uint16_t>* FindPlaces(const TextKey& key) const;
    void KeepPlaces(const TextKey& key, const std::vector<uint16_t>& places);
    // The holes of the level text `text` of `font` that mending compared its turned texts with;
    // null when it compared none.
    const int32_t* FindLevelHoles(uint64_t font, const QString& text) const;
    int32_t KeepLevelHoles(uint64_t font, const QString& text, int32_t holes);
    // Lets go of the choices, places and mends of a font no longer drawn with.
    void ForgetFont(uint64_t font);
    // To be told when the glyph kept under `key` gained inkings.
    void Grew(const Key& key);
    // Lets go of glyphs past their own share, then of glyphs and texts drawn longest ago, until the
    // rest fits the bound.
    void Trim();
    void Clear();

    size_t Bytes() const { return bytes_; }
    // The bytes of the choices, places and mends kept, beside the bound.
    size_t ChoiceBytes() const { return choiceBytes_; }
    // How many glyphs had no choice kept when their search chose: each was searched from the start.
    uint64_t Searches() const { return searches_; }
    // Sets the bound and returns the one before; tests fill a small one.
    size_t SetBound(size_t bytes);
    static size_t BytesOf(const TurnedGlyph& glyph);

private:
    struct KeyHash {
        size_t operator()(const Key& key) const;
        size_t operator()(const TextKey& key) const;
    };

    // Things kept by key, each with its bytes, linked from the earliest drawn to the latest.
    template <class K, class T> class KeptList {
    public:
        struct Entry {
            T kept;
            size_t bytes = 0;
            uint64_t drawn = 0; // when last drawn, by the cache's count of draws
            const K* key = nullptr;
            Entry* earlier = nullptr;
            Entry* later = nullptr;
        };
        // The entry under `key`, now drawn at `drawn`; null when none is.
        Entry* Find(const K& key, uint64_t drawn);
        // Keeps `kept` under `key`, as drawn at `drawn`, in place of anything kept there before, whose
        // bytes `replaced` takes (0 where nothing was).
        Entry& Add(const K& key, T kept, size_t bytes, uint64_t drawn, size_t& replaced);
        const Entry* Earliest() const { return earliest_; }
        // Lets go of the earliest drawn and returns its bytes.
        size_t DropEarliest();
        void Clear();

    private:
        void Unlink(Entry& entry);
        void LinkLatest(Entry& entry);

        std::unordered_map<K, Entry, KeyHash> map_; // elements stay put as it grows
        Entry* latest_ = nullptr;
        Entry* earliest_ = nullptr;
    };

    static size_t BytesOf(const TextKey& key, size_t pieces, size_t words);
    // The bytes of a choice of `bytes` kept for the text under `key`.
    static size_t ChoiceBytesOf(const TextKey& key, size_t bytes);
    static size_t LevelBytesOf(const QString& text);
    void DropEarliestGlyph();
    // Lets go of what may go until `more` bytes fit the bound; false when they do not.
    bool RoomFor(size_t more);

    // The choices of the glyphs of one font at one angle, a word each in the order of their glyphs,
    // and a second word for those with more inkings than the first holds: a few thousand at most,
    // found by halving and added in place.
    struct Choices {
        std::vector<uint64_t> first;
        std::vector<uint64_t> more;
        // A word for each inking compared with the raster, in the order of their glyphs: the glyph,
        // the inking, how many pixels it puts right and where they begin among `flipped`.
        std::vector<uint64_t> flips;
        std::vector<uint16_t> flipped;
    };
    // The choices of the font and angle of `key`, made when `make`; null when none are and not
    // `make`.
    Choices* ChoicesOf(const Key& key, bool make);
    // Keeps `word` in place of the word of its glyph in `words`, or adds it.
    void KeepWord(std::vector<uint64_t>& words, uint64_t word);

    KeptList<Key, TurnedGlyph> glyphs_;
    KeptList<TextKey, TurnedText> texts_;
    // By font, then by angle.
    std::unordered_map<uint64_t, std::unordered_map<uint64_t, Choices>> choices_;
    // What was decided for the texts of one font: the mends of those too large to turn glyph by
    // glyph and the holes of their level texts, and the places of the others' letters.
    struct TextChoices {
        std::unordered_map<TextKey, std::vector<QPoint>, KeyHash> mends;
        std::unordered_map<TextKey, QRect, KeyHash> clear;
        std::unordered_map<QString, int32_t> levelHoles;
        std::unordered_map<TextKey, std::vector<uint16_t>, KeyHash> places;
    };
    // The text choices of a font, made when none are.
    TextChoices& TextChoicesOf(uint64_t font);
    std::unordered_map<uint64_t, TextChoices> textChoices_; // by font
    Choices* lastChoices_ = nullptr; // the last looked up, as the glyphs of a text follow one another
    uint64_t lastFont_ = 0, lastAngle_ = 0;
    GlyphChoice found_;
    size_t choiceBytes_ = 0;
    uint64_t searches_ = 0;
    uint64_t drawn_ = 0;
    uint64_t paintBegan_ = 0; // the count of draws when the paint began
    size_t bytes_ = 0;
    size_t glyphBytes_ = 0; // of bytes_
    size_t bound_ = DefaultBound();
    bool pastBound_ = false;
};
