// Two file operations of the drawing window: the current view saved as a 24-bit bitmap beside the
// drawing, and the whole drawing turned or mirrored in place or into a new drawing.
#include <cstring>
#include <optional>
#include <string>

#include "dialogs/manipulate_dialog.h"
#include "document/checked_file.h"
#include "document/document.h"
#include "document/drawing_name.h"
#include "document/program_state.h"
#include "platform/bitmap.h"
#include "platform/file_io.h"
#include "platform/message_box.h"
#include "render/bitmap_extents.h"
#include "shell/child.h"
#include "shell/client.h"
#include "shell/drawing_output.h"

namespace {

constexpr int32_t kMaxBitmapSide = 20000;

const char* ViewSuffix(int32_t view) {
    switch (view) {
    case kGroundFloor:
        return "GND";
    case kFirstFloor:
        return "FST";
    case kSecondFloor:
        return "SEC";
    case kSitePlan:
        return "STE";
    default:
        return "";
    }
}

// Whether the view would show anything: the bitmap of an empty view is refused rather than saved
// blank. The overlay modes show other floors, so any floor object counts there.
bool ViewHasObjects(int32_t view) {
    const bool overlays = view != kSitePlan && displaymode::ShowsOverlay(PlanDisplayMode);
    for (int32_t i = 0; i < ObjectList.count; ++i) {
        const TObject* o = ObjectList[i];
        if (o == nullptr || o->kind >= kFinishedRoom) continue;
        if (o->view == view || (overlays && o->view >= kGroundFloor && o->view <= kFourthLevel)) return true;
    }
    return false;
}

const char* ViewExtension(int32_t view) {
    return view == kFirstFloor ? ".PL1" : view == kSecondFloor ? ".PL2" : ".PLN";
}

// A drawing name of at least three characters, outer blanks removed.
std::optional<std::string> TurnedDrawingName(const char* typed) {
    std::optional<std::string> name = DrawingNameFrom(typed);
    if (name && name->size() < 3) name.reset();
    return name;
}

} // namespace

std::string BitmapFilePath(const std::string& programDirectory, const char* drawingName, int32_t view) {
    return programDirectory + "DWGS/" + drawingName + ViewSuffix(view) + ".BMP";
}

void TChild::SaveAsBitmap(int32_t) {
    // What the view holds now: a keyed object is in the document before any read of the file.
    const DrawnExtents shown = render::MeasureBitmapView(ObjectList);
    const int32_t width = PrintMaxX - PrintMinX;
    const int32_t height = PrintHeight;
    if (shown.Empty() || width < 1 || height < 1 || !ViewHasObjects(CurrentView)) {
        ::MessageBox(GetHandle(), "There is nothing drawn on this view to save as a bitmap", "SAVE AS .BMP",
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    // A drawing spread far off the sheet, or a text of an absurd height read from a damaged file,
    // would need a picture larger than any program could open.
    if (width > kMaxBitmapSide || height > kMaxBitmapSide) {
        ::MessageBox(GetHandle(), "The drawing on this view is too large to save as a bitmap", "SAVE AS .BMP",
                     MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    TDib dib(width, height);
    {
        TMemoryDC dc(dib);
        dc.FillRect(0, 0, width, height, TBrush(BackgroundColour));
        ObjectList.PaintToBitmap(dc);
    }
    const std::string path = BitmapFilePath(ObjectList.ProgramDirectory, ObjectList.DrawingName, CurrentView);
    if (!dib.SaveBmp24(path)) {
        const std::string text = "The bitmap " + path + " could not be written";
        ::MessageBox(GetHandle(), text.c_str(), "SAVE AS .BMP", MB_OK | MB_ICONEXCLAMATION);
    }
}

void TChild::RotateMirrorDrawings(int32_t) {
    // The turned copies are made from the file, so it must hold every edit first.
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    TManipdlg dialog(GetHandle());
    // Cancel, or a name that cannot be a drawing's, only repaints.
    const int answer = dialog.Execute();
    const std::optional<std::string> name = TurnedDrawingName(dialog.Name);
    if (answer != IDOK || !name) {
        Invalidate(true);
        return;
    }
    const bool sameName = *name == ObjectList.DrawingName;
    if (!sameName) {
        // Another drawing of that name would be replaced whole.
        const std::string target = ObjectList.ProgramDirectory + "DWGS/" + *name + ".DB0";
        if (pl::FileExists(target)) {
            const std::string question =
                "The drawing " + *name + " already exists.\nDo you wish to replace it ?";
            if (::MessageBox(GetHandle(), question.c_str(), "ROTATE/MIRROR", MB_YESNO | MB_ICONQUESTION) !=
                IDYES) {
                Invalidate(true);
                return;
            }
        }
    }
    // A rotate must start from the file as it stands, never from a stale one.
    if (!WriteOrTell(ObjectList, filemode::kWorking)) return;
    const FileResult result = ObjectList.ReadTransformed(dialog.Code, name->c_str());
    if (result != FileResult::Ok) {
        // A turned drawing that could not be written has been told.
        if (result != FileResult::WriteFailed)
            ::MessageBox(GetHandle(), "The drawing file could not be read; nothing was turned",
                         "ROTATE/MIRROR", MB_OK | MB_ICONEXCLAMATION);
        Invalidate(true);
        return;
    }
    if (sameName) {
        Invalidate(true);
        return;
    }
    if (CurrentView > kSecondFloor) CurrentView = kGroundFloor;
    Client().OpenViewWindow(0, ViewExtension(CurrentView));
}
