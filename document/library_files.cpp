// The selection buffer (CFG/COPY.CFG with its count in CFG/TEMP.CFG) and the symbol-library files,
// which hold records like the working file but relative to each entry's reference point.
#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "document/cfg_files.h"
#include "document/document.h"
#include "document/drawing_file.h"
#include "document/inserted_groups.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/selection_list.h"
#include "document/sheet_edge.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"

namespace {

std::string CopyCfgPath(const TList& list) {
    return CfgPathIn(list.ProgramDirectory, "COPY.CFG");
}
std::string TempCfgPath(const TList& list) {
    return CfgPathIn(list.ProgramDirectory, "TEMP.CFG");
}
std::string LibraryPath(const TList& list, const char* name) {
    return list.ProgramDirectory + "LIBS/" + (name ? name : "");
}

// Where what a library file holds lands, its reference point an eighth of the visible width from
// the left and a sixth of the height from the bottom. The program chooses this place, not the user,
// so it is moved the least that puts every point the file's objects store on the sheet in sight
// (where that part of the sheet is too small, on the sheet): a paste or a symbol is never refused
// for where it first lands, however the view is zoomed or scrolled.
RecordOrigin LandingPoint(std::string_view text, RecordKinds kinds) {
    const int64_t z = ZoomDivisor;
    const int64_t viewLeft = int64_t{ScrollOriginX} * z, viewRight = viewLeft + int64_t{ViewExtentX} * z;
    const int64_t viewBottom = int64_t{ScrollOriginY} * z, viewTop = viewBottom + int64_t{ViewExtentY} * z;
    int64_t atX = (int64_t{ViewExtentX} / 8 + ScrollOriginX) * z;
    int64_t atY = (int64_t{ViewExtentY} / 6 + ScrollOriginY) * z;

    int64_t minX = INT64_MAX, maxX = INT64_MIN, minY = INT64_MAX, maxY = INT64_MIN;
    RecordReader reader(text);
    int32_t header[6] = {};
    if (reader.ReadHeader(header)) {
        for (int32_t i = 0; i < header[0]; ++i) {
            std::unique_ptr<TObject> object;
            const RecordReader::Status status = reader.Next({0, 0}, object, kinds);
            if (status == RecordReader::Status::Skipped) continue;
            if (status != RecordReader::Status::Object) break;
            static_cast<void>(EveryStoredPoint(*object, [&](int64_t x, int64_t y) {
                minX = std::min(minX, x), maxX = std::max(maxX, x);
                minY = std::min(minY, y), maxY = std::max(maxY, y);
                return true;
            }));
        }
    }
    if (minX <= maxX) {
        const int64_t sheetRight = SheetRight(), sheetTop = SheetTop();
        const int64_t left = std::max<int64_t>(viewLeft, 0), right = std::min(viewRight, sheetRight);
        const int64_t bottom = std::max<int64_t>(viewBottom, 0), top = std::min(viewTop, sheetTop);
        if (left <= right) atX = Fitted(atX, minX, maxX, left, right);
        if (bottom <= top) atY = Fitted(atY, minY, maxY, bottom, top);
        atX = Fitted(atX, minX, maxX, 0, sheetRight);
        atY = Fitted(atY, minY, maxY, 0, sheetTop);
    }
    return {Clamp32(atX), Clamp32(atY)};
}

} // namespace

int32_t TList::ReadTempCount() const {
    std::string text;
    if (!pl::ReadTextFile(TempCfgPath(*this), text)) return 0;
    pl::TextReader reader(text);
    int32_t n = 0;
    if (!reader.ReadInt32(n) || n < 0) return 0;
    return n;
}

FileResult TList::WriteTempCount(int32_t n) {
    KeepSettingsForStep(TempCfgPath(*this));
    return pl::WriteTextFile(TempCfgPath(*this), pl::Format("%d\n", n)) ? FileResult::Ok
                                                                        : FileResult::WriteFailed;
}

void TList::ForgetSelection() {
    // A failed write leaves the old list, whose readers check every index they take from it.
    (void)WriteTempCount(0);
}

FileResult TList::WriteCopyCfg(int32_t index, int32_t refX, int32_t refY) {
    const int32_t n = ReadTempCount();
    // The first line of a new selection replaces the old buffer; later lines are appended.
    std::string text;
    if (n != 0) (void)pl::ReadTextFile(CopyCfgPath(*this), text);
    if (!text.empty() && text.back() != '\n') text.push_back('\n');
    text += pl::Format("%d %ld %ld\n", index, refX, refY);
    KeepSettingsForStep(CopyCfgPath(*this));
    if (!pl::WriteTextFile(CopyCfgPath(*this), text)) return FileResult::WriteFailed;
    // A count at the top of the range (a damaged file) stays there rather than wrapping round.
    return WriteTempCount(n < std::numeric_limits<int32_t>::max() ? n + 1 : n);
}

FileResult TList::SaveLibraryCategory(int32_t group, const char* baseName) {
    static const char* const kMetric[4] = {".PLM", ".ELM", ".FUM", ".MSM"};
    static const char* const kImperial[4] = {".PLI", ".ELI", ".FUI", ".MSI"};
    if (group < 1 || group > 4) return FileResult::OpenFailed;
    const std::string name =
        std::string(baseName ? baseName : "") + (MetricUnits == 1 ? kMetric : kImperial)[group - 1];
    return SaveLibrary(name.c_str());
}

FileResult TList::SaveLibrary(const char* fileName) {
    const int32_t keptCount = count;
    StartHeightRange();

    // The selection buffer outlives drawings: the reader passes over entries that name no object of
    // this document and ends the list at the first unreadable line.
    std::string body;
    int32_t written = 0;
    for (const SelectionEntry& e : ReadSelectionList(*this).value_or(std::vector<SelectionEntry>{})) {
        const TObject* o = (*this)[e.index];
        if (!o || !AppendRecord(body, *o, {e.refX, e.refY})) continue;
        ++written;
        if (o->kind == kOpening || IsPolygonKind(o->kind) || o->kind == kMarkerPolygon)
            NotePolygonHeights(*o);
    }
    EndHeightRange();
    count = keptCount;

    std::string text;
    const int32_t header[6] = {written, 0, 0, 0, 2, IdCounter};
    AppendHeader(text, header);
    text += body;
    return pl::WriteTextFile(LibraryPath(*this, fileName), text) ? FileResult::Ok : FileResult::WriteFailed;
}

FileResult TList::InsertLibrary(const char* fileName) {
    std::string text;
    if (!pl::ReadTextFile(LibraryPath(*this, fileName), text)) return FileResult::OpenFailed;

    RecordReader reader(text);
    int32_t header[6] = {};
    if (!reader.ReadHeader(header)) return FileResult::Damaged;
    // An older library must not set the counter back: its identifiers would collide with ours.
    IdCounter = std::max(IdCounter, header[5]);

    const RecordKinds kinds = std::string_view(fileName ? fileName : "") == kPasteFileName
                                  ? RecordKinds::Paste
                                  : RecordKinds::Drawing;
    const RecordOrigin at = LandingPoint(text, kinds);
    StartHeightRange();
    const int32_t first = count;
    FileResult result = FileResult::Ok;
    for (int32_t i = 0; i < header[0]; ++i) {
        TObject* object = nullptr;
        const RecordReader::Status status = reader.Next(at, pool_, object, kinds);
        // A file that ends before its count (a paste file of an older copy counted objects it
        // did not write) has given all it holds.
        if (status == RecordReader::Status::End) break;
        if (status == RecordReader::Status::Skipped) continue;
        if (status != RecordReader::Status::Object) {
            result = FileResult::Damaged;
            break;
        }
        AddOwned(OwnedObject(object, ObjectDeleter{&pool_}));
        object->view = CurrentView;
        NoteReadHeights(*object);
    }
    EndHeightRange();
    GiveInsertedOwnGroups(*this, first);
    return result;
}
