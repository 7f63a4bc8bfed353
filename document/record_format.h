// The kind-tagged text records shared by the working drawing file, the symbol libraries and the paste
// file: one kind line, then the record of that kind. Values marked x or y are stored relative to an
// origin (the sheet centre, or a selection entry's reference point); every other value as it is.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "document/number_scanner.h"
#include "document/object_pool.h"
#include "document/objects.h"

// What a record's kind says of it, taken from a table for the kinds under 128 (every common kind) and
// worked out from the kind's few ranges and values for the rest: a read asks it of every record.
template <typename Value, Value (*Of)(int32_t)>
struct KindLookup {
    static constexpr int32_t kTabled = 128;
    static constexpr std::array<Value, kTabled> kTable = [] {
        std::array<Value, kTabled> table{};
        for (int32_t k = 0; k < kTabled; ++k)
            table[static_cast<size_t>(k)] = Of(k);
        return table;
    }();
    static Value For(int32_t k) {
        return static_cast<uint32_t>(k) < kTabled ? kTable[static_cast<size_t>(k)] : Of(k);
    }
};

// A value formed in 64 bits, saturated to the 32-bit range every stored value has.
int32_t Clamp32(int64_t v);

struct RecordOrigin {
    int32_t x = 0;
    int32_t y = 0;
};

// Which kinds have records. The working file and the libraries hold `Drawing` records; the paste file
// holds exactly the kinds Copy writes: the drawing's lines other than the marker lines, and kinds 25
// and 31 as lines and 18 as a circle, but no walls, rooms or floor records.
enum class RecordKinds { Drawing, Paste };

// True when objects of this kind have a record (and a kind line) in files of that family.
bool HasRecord(int32_t kind, RecordKinds kinds = RecordKinds::Drawing);

// Appends "%d %d %d %d %d %d\n".
void AppendHeader(std::string& out, const int32_t values[6]);

// Appends the kind line and the record of the object with `origin` subtracted from every x and y.
// Returns false, appending nothing, for a kind without a record.
bool AppendRecord(std::string& out, const TObject& object, RecordOrigin origin,
                  RecordKinds kinds = RecordKinds::Drawing);

// Reads records from text that is untrusted: every read is bounded by the text, every string by its
// field, every point count by the array. Nothing is built from a record that is not whole.
class RecordReader {
public:
    // `Skipped`: a kind line whose kind has no record in this family; it was read, nothing was built.
    enum class Status { Object, Skipped, End, Damaged };

    explicit RecordReader(std::string_view text) : text_(text), numbers_(text) {}

    // Reads the six header values; false when they are not all there.
    bool ReadHeader(int32_t values[6]);

    // Reads one kind line and its record, adding `origin` to every x and y value. `End` when the
    // text holds nothing more, `Damaged` for a truncated or malformed record.
    Status Next(RecordOrigin origin, std::unique_ptr<TObject>& object,
                RecordKinds kinds = RecordKinds::Drawing);
    // The same, with the object made in `pool`; whoever keeps it ends it there.
    Status Next(RecordOrigin origin, ObjectPool& pool, TObject*& object,
                RecordKinds kinds = RecordKinds::Drawing);

private:
    template <class Maker>
    Status Read(RecordOrigin origin, RecordKinds kinds, Maker& maker, TObject*& object);

    std::string_view text_;
    NumberScanner numbers_;
};

// Makes an empty object of the class that carries `kind` in files of that family; null if none.
std::unique_ptr<TObject> MakeObjectForKind(int32_t kind, RecordKinds kinds = RecordKinds::Drawing);
