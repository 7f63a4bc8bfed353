// The working drawing file: the whole document as kind-tagged text records, rewritten after every
// edit and read back for every repaint.
#include "document/drawing_file.h"

#include <algorithm>
#include <array>

#include "document/cfg_files.h"
#include "document/document.h"
#include "document/drawing_name.h"
#include "document/drawn_extents.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"

RecordOrigin SheetCentre() {
    return {static_cast<int32_t>(int64_t{SheetWidth} * ZoomDivisor / 2),
            static_cast<int32_t>(int64_t{SheetHeight} * ZoomDivisor / 2)};
}

void StartHeightRange() {
    PolyHeightMax = 0;
    PolyHeightMin = 300000;
}

void NoteHeight(int32_t low, int32_t high) {
    PolyHeightMin = std::min(PolyHeightMin, low);
    PolyHeightMax = std::max(PolyHeightMax, high);
}

void EndHeightRange() {
    if (PolyHeightMin > 0) PolyHeightMin = 0;
}

void NotePolygonHeights(const TObject& object) {
    if (const auto* p = dynamic_cast<const TPolyobj*>(&object)) {
        const int32_t n = std::clamp<int32_t>(p->count, 0, TPolyobj::kMaxPoints);
        if (n == 0) return;
        const auto [low, high] = std::minmax_element(p->ph, p->ph + n);
        NoteHeight(*low, *high);
    }
}

void NoteReadHeights(const TObject& object) {
    if (object.kind < kOpeningPolygon) return;
    if (object.kind == kExtWall) {
        NoteHeight(object.aux1, object.aux2);
    } else if (object.kind == kOpening || IsPolygonKind(object.kind)) {
        NotePolygonHeights(object);
    }
}

namespace {

// What a read notes of an object, in the height range and the drawn extents, by its kind alone.
enum class ReadNote : uint8_t {
    None,
    Point,         // a text: its anchor
    Polygon,       // its points' heights and its points
    MarkerPolygon, // its points
    Opening,       // its points' heights
    ExtWall,       // its heights (bottom and top) and its two ends
    Ends,          // its two ends
    Arc,           // its two ends, its start and its end
};

constexpr ReadNote ReadNoteOf(int32_t k) {
    const bool heights = k >= kOpeningPolygon && (k == kExtWall || k == kOpening || IsPolygonKind(k));
    if (IsTextKind(k)) return ReadNote::Point;
    if (IsPolygonKind(k)) return ReadNote::Polygon;
    if (k == kMarkerPolygon) return ReadNote::MarkerPolygon;
    if (k == kArc) return ReadNote::Arc;
    if (k == kExtWall) return ReadNote::ExtWall;
    if (IsLineKind(k) || IsArrowKind(k) || IsDimensionKind(k) || (k >= kEllipse && k <= kRoundRect))
        return ReadNote::Ends;
    return heights ? ReadNote::Opening : ReadNote::None;
}

ReadNote ReadNoteFor(int32_t k) {
    return KindLookup<ReadNote, ReadNoteOf>::For(k);
}

void NotePoints(const TPolyobj& p, bool heights, bool points, DrawnExtents& extents) {
    const int32_t n = std::clamp<int32_t>(p.count, 0, TPolyobj::kMaxPoints);
    if (n == 0) return;
    if (heights) {
        const auto [low, high] = std::minmax_element(p.ph, p.ph + n);
        NoteHeight(*low, *high);
    }
    if (points) {
        for (int32_t i = 0; i < n; ++i)
            extents.NoteX(p.px[i]), extents.NoteY(p.py[i]);
    }
}

// NoteReadHeights and DrawnExtents::Note in one look at the kind, for an object the record reader
// made: it makes the class its kind's record describes, so a polygon kind's object (an opening's
// too) is a TPolyobj and an arc's a TArcobj, and no type test is needed.
void NoteReadObject(const TObject& o, DrawnExtents& extents) {
    switch (ReadNoteFor(o.kind)) {
    case ReadNote::None:
        return;
    case ReadNote::Point:
        extents.NoteX(o.x1), extents.NoteY(o.y1);
        return;
    case ReadNote::Polygon:
        return NotePoints(static_cast<const TPolyobj&>(o), true, true, extents);
    case ReadNote::MarkerPolygon:
        return NotePoints(static_cast<const TPolyobj&>(o), false, true, extents);
    case ReadNote::Opening:
        return NotePoints(static_cast<const TPolyobj&>(o), true, false, extents);
    case ReadNote::ExtWall:
        NoteHeight(o.aux1, o.aux2);
        break;
    case ReadNote::Ends:
        break;
    case ReadNote::Arc: {
        const auto& a = static_cast<const TArcobj&>(o);
        extents.NoteX(a.sx), extents.NoteX(a.ex), extents.NoteY(a.sy), extents.NoteY(a.ey);
        break;
    }
    }
    extents.NoteX(o.x1), extents.NoteX(o.x2), extents.NoteY(o.y1), extents.NoteY(o.y2);
}

constexpr size_t kShortestRecord = 16; // bytes of the shortest kind line and record
constexpr int64_t kMostReserved = 1 << 20;
constexpr int32_t kUnitsValue = 4; // the header value that says metric (1) or feet and inches (0)

} // namespace

bool ReadDrawingHeader(RecordReader& reader, int32_t header[6]) {
    if (!reader.ReadHeader(header)) return false;
    // Some readers take the units as metric when they are 1, others when they are not 0: any other
    // value would mix the two, so only a damaged header holds one.
    return header[kUnitsValue] == 0 || header[kUnitsValue] == 1;
}

std::string TList::DrawingFilePath(int32_t mode) const {
    switch (mode) {
    case filemode::kWorking:
        // Whatever asked for it, a name that could reach outside the drawings folder names no file.
        if (!IsSafeInFolder(DrawingName)) return {};
        return ProgramDirectory + "DWGS/" + DrawingName + ".DB0";
    case filemode::kScratch:
        return CfgPathIn(ProgramDirectory, "tmp.cfg");
    case filemode::kRoomLayout:
        return CfgPathIn(ProgramDirectory, "inroom.cfg");
    default:
        return {};
    }
}

int32_t FormatDocument(const TList& list, RecordOrigin origin, std::string& out) {
    int32_t written = 0;
    for (int32_t i = 0; i < list.count; ++i) {
        const TObject* o = list[i];
        if (!o) continue;
        if (!AppendRecord(out, *o, origin)) continue;
        ++written;
        if (o->kind == kOpening || IsPolygonKind(o->kind) || o->kind == kMarkerPolygon)
            NotePolygonHeights(*o);
    }
    return written;
}

FileResult TList::WriteDrawingFile(int32_t mode, pl::Sync sync) {
    const RecordOrigin centre = SheetCentre();
    StartHeightRange();
    const std::string path = DrawingFilePath(mode);
    // The file is rewritten after every edit: its text is built in one buffer kept between calls,
    // behind room for the header, which counts the records and so comes last.
    static std::string text;
    constexpr size_t kHeaderRoom = 6 * 12;
    text.assign(kHeaderRoom, ' ');
    const int32_t written = FormatDocument(*this, centre, text);
    EndHeightRange();
    if (path.empty()) return FileResult::OpenFailed;

    // The header counts the records that follow, so a reader never waits for one that is not there.
    std::string header;
    const int32_t values[6] = {written, 0, 0, 0, MetricUnits, IdCounter};
    AppendHeader(header, values);
    const size_t offset = kHeaderRoom - header.size();
    text.replace(offset, header.size(), header);
    const bool ok = pl::WriteTextFile(path, std::string_view(text).substr(offset), sync);
    TellKeptByWrites();
    if (!ok) return FileResult::WriteFailed;
    if (count > 0) DrawingState = 2;
    if (mode == filemode::kWorking) NoteWorkingFileHolds(*this);
    return FileResult::Ok;
}

FileResult TList::ReadDrawingFile(int32_t mode) {
    const std::string path = DrawingFilePath(mode);
    static std::string text; // kept between the reads of every repaint
    // An unreadable file leaves the document and every global as they were.
    if (path.empty() || !pl::ReadTextFile(path, text)) return FileResult::OpenFailed;
    const FileResult result = ReadDrawingText(text, SheetCentre());
    if (mode == filemode::kWorking) NoteWorkingFileHolds(*this);
    return result;
}

FileResult TList::ReadDrawingText(std::string_view text, const RecordOrigin& centre) {
    StartHeightRange();
    DrawnExtents extents;
    FileResult result = FileResult::Ok;
    RecordReader reader(text);
    int32_t header[6] = {};
    if (!ReadDrawingHeader(reader, header)) {
        result = FileResult::Damaged;
    } else {
        MetricUnits = header[kUnitsValue];
        IdCounter = header[5];
        // A negative count reads no records. The count is untrusted: no more objects than the
        // text could hold records for.
        Reserve(static_cast<int32_t>(std::max<int64_t>(
            0, std::min<int64_t>(
                   {header[0], static_cast<int64_t>(text.size() / kShortestRecord), kMostReserved}))));
        for (int32_t i = 0; i < header[0]; ++i) {
            TObject* object = nullptr;
            const RecordReader::Status status = reader.Next(centre, pool_, object);
            if (status == RecordReader::Status::Skipped) continue;
            if (status != RecordReader::Status::Object) {
                result = FileResult::Damaged;
                break;
            }
            // The room a read after a flush needs is nearly always there from the read before.
            if (count >= 0 && count < Room())
                items_[static_cast<size_t>(count++)] = OwnedObject(object, ObjectDeleter{&pool_});
            else
                AddOwned(OwnedObject(object, ObjectDeleter{&pool_}));
            NoteReadObject(*object, extents);
        }
    }
    EndHeightRange();
    extents.SetPrintExtents();
    return result;
}

void TList::ClearDrawingFile() {
    Flush();
    (void)pl::RemoveFile(
        DrawingFilePath(filemode::kWorking)); // a file that stays only holds a drawing the user discarded
}
