// The document: every object of every view of the open drawing in one growable array, with the
// program directory and the drawing's names. There is one instance, `ObjectList`.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/drawing_file_modes.h"
#include "document/object_pool.h"
#include "document/objects.h"
#include "platform/file_io.h"

class TDC;
struct RecordOrigin;

// The outcome of a file operation. A caller must look at it: a failed write means the file on disk
// is still the previous one, a damaged read means the objects read so far are in the document.
enum class FileResult {
    Ok,
    OpenFailed,  // the file could not be opened (missing for a reader)
    WriteFailed, // nothing replaced: the previous file is intact
    Damaged,     // the reader stopped at a truncated, malformed or unknown record
};

class TList {
public:
    static constexpr int32_t kInitialRoom = 51;
    static constexpr int32_t kGrowth = 10;

    TList();
    ~TList();
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    // --- Array operations ---
    // Stores the object at index `count` and takes ownership; the room grows by multiples of 10.
    void Add(TObject* object);
    void Add(std::unique_ptr<TObject> object);
    // Deletes every object and sets `count` to 0; the room stays.
    void Flush();
    // Makes ready for `more` objects beyond count, so adding them moves nothing (Room is unchanged).
    void Reserve(int32_t more);
    // Back to the document the program starts with: no objects, the first room, no names.
    void Reset();
    // The object at an index, or null outside 0 .. count - 1.
    TObject* operator[](int32_t index) const;
    TObject* At(int32_t index) const { return (*this)[index]; }
    // Deletes the object at the index and moves every later one down by one place.
    void RemoveAt(int32_t index);
    // Slots the array has room for (51 at first, then 61, 71 ...).
    int32_t Room() const { return static_cast<int32_t>(items_.size()); }

    // --- Queries (x, y in logical units; they are multiplied by ZoomDivisor) ---
    int32_t FindKind(int32_t kind) const;
    int32_t RoomKindAt(int32_t x, int32_t y) const;
    int32_t FloorHasObjects(int32_t code);
    int32_t UpperFloorsUsed();
    int32_t FindObject(int32_t mode, int32_t x, int32_t y) const;
    int32_t GetFloorArea() const;
    void SetFloorArea(int32_t value);
    void Nop() {}

    // --- Working drawing file: mode 1 the drawing, 0 the scratch copy, 2 the room code's copy ---
    // Save, Save As and auto save pass `pl::Sync::ToDisk`; the rewrite after every edit does not.
    [[nodiscard]] FileResult WriteDrawingFile(int32_t mode, pl::Sync sync = pl::Sync::None);
    [[nodiscard]] FileResult ReadDrawingFile(int32_t mode);
    // Appends the objects of a working file's text, header and records, with `origin` added to every
    // x and y, and takes the header's units and identifier counter. The text is untrusted.
    [[nodiscard]] FileResult ReadDrawingText(std::string_view text, const RecordOrigin& origin);
    // Flushes and deletes the working file; a missing file is not an error.
    void ClearDrawingFile();
    // The path of a mode's file (empty for an unknown mode).
    std::string DrawingFilePath(int32_t mode) const;

    // --- Whole-drawing turn (how 90, 180, 270 clockwise) or mirror (how 1), saved under newName ---
    [[nodiscard]] FileResult ReadTransformed(int32_t how, const char* newName);
    // Turns the object about (cx, cy) by the angle a wall direction gives, then appends it.
    void RotateObject(TObject* object, int32_t kind, int32_t angle, int32_t cx, int32_t cy, int32_t mode);

    // --- Selection buffer (CFG/COPY.CFG with its count in CFG/TEMP.CFG) and libraries ---
    [[nodiscard]] FileResult WriteCopyCfg(int32_t index, int32_t refX, int32_t refY);
    int32_t ReadTempCount() const;
    [[nodiscard]] FileResult WriteTempCount(int32_t n);
    // Empties the selection list (count 0) once the objects it names are gone or replaced: after a
    // removal or when another drawing is loaded. The readers skip indices of no object, so a count
    // that could not be written costs nothing worse than a stale list.
    void ForgetSelection();
    [[nodiscard]] FileResult SaveLibraryCategory(int32_t group, const char* baseName);
    [[nodiscard]] FileResult SaveLibrary(const char* fileName);
    // Appends a library entry or the paste file at the insert point on the current view; what it
    // inserts takes group numbers of its own (document/inserted_groups.h).
    [[nodiscard]] FileResult InsertLibrary(const char* fileName);

    // --- Operations of rendering and of the room layout, defined with those subsystems ---
    void Paint(TDC& dc, const RECT& client);
    void PaintFloorForPrint(TDC& dc);
    void PaintToBitmap(TDC& dc);
    void ComputeExtents();
    void MakeTitleBlock();
    int32_t AddScaleCaption(int32_t scale, int32_t showScale);
    void MakeLayoutGrid();
    int32_t ComputeLayoutBounds();

    // Sets DrawingName, cut to 24 characters.
    void SetDrawingName(std::string_view name);

    int32_t count = 0;            // objects in use; loops run from 0 to count - 1
    std::string ProgramDirectory; // ends in '/'; prefix of every CFG/, LIBS/ and DWGS/ path
    char DrawingName[25] = {};    // base name of the open drawing, no extension
    char DrawingTitle[30] = {};   // DrawingName and the current view's extension
    char CurrentRoomName[17] = {};
    char DefaultFontName[32] = {};
    float FloorArea = 0.0f;

private:
    void EnsureRoom(int32_t index);
    void AddOwned(OwnedObject object);

    ObjectPool pool_; // the objects the readers build; outlives every item
    std::vector<OwnedObject> items_;
};

extern TList ObjectList;

// The paste file under LIBS/: written by Copy, inserted by Paste like a library.
inline constexpr const char* kPasteFileName = "PASTE.CFG";
