// The drawing window's life and its repaint: construction on a view, its settings, the window class
// with the user's background colour, the repaint that rebuilds the document from the working file,
// the DATUM reference, the pointer nudge and the one precondition message.
#include "shell/child.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "document/document.h"
#include "document/program_state.h"
#include "platform/cursor.h"
#include "platform/file_io.h"
#include "platform/framework_error.h"
#include "platform/gadgets.h"
#include "platform/message_box.h"
#include "platform/scroller.h"
#include "platform/settings_file.h"
#include "platform/virtual_keys.h"
#include "platform/window_dc.h"
#include "render/past_sheet.h"
#include "render/window_setup.h"
#include "resources/default_settings.h"
#include "rooms/layout_grid.h"
#include "shell/client.h"
#include "shell/colour_settings.h"
#include "shell/held_start.h"
#include "shell/move_family_steps.h"
#include "shell/normal_scale.h"
#include "shell/tool_preview.h"
#include "shell/view_title.h"
#include "tools/drawing_tool.h"
#include "walls/wall_corner.h"

namespace {

// The working file into the document. Only a damaged file is an error: a missing one simply gives
// an empty sheet.
void ReadWorkingFile() {
    if (ObjectList.ReadDrawingFile(filemode::kWorking) == FileResult::Damaged) {
        throw TXOwl("The drawing file " + ObjectList.DrawingFilePath(filemode::kWorking) +
                    " is damaged: the objects after the damage could not be read.");
    }
}

constexpr int32_t kPrecondition = 2;

} // namespace

TChild::TChild(TClient& client, const char* title) : TMDIChild(client, title), ClientWindow(client) {
    // New and Open pass the document's own title: the copy goes through a string, as the two overlap.
    const std::string caption = title ? title : "";
    std::snprintf(ObjectList.DrawingTitle, sizeof ObjectList.DrawingTitle, "%s", caption.c_str());
    Scroller = new TScroller(this, 0, 0, 0, 0);
    InitSettings();
    SetCaption(ObjectList.DrawingTitle);
    if (DrawingState > 0) ReadWorkingFile();
}

TChild::~TChild() {
    InputDC.reset();
    Destroy(0);
}

TDrawingtool* TChild::CurrentTool() const {
    return ClientWindow.Tool.get();
}

void TChild::InitSettings() {
    shell::ReadScreenColours();
    InputDC.reset();
    DatumMode = datummode::kOff;
    TextLineEnded = false;
    StartX = 0;
    StartY = 0;
    ObjectList.Flush();
    SetCursor(nullptr, IDC_CROSS);
    Attr.Style = (Attr.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) | WS_MAXIMIZE | WS_HSCROLL | WS_VSCROLL;
    SetNormalScale();
}

void TChild::SetupWindow() {
    TMDIChild::SetupWindow();
    // The class keeps the background of the first window made; the colour may have changed since.
    SetClassBackground(BackgroundColour);
    SetupScrolling();
    SyncScrollOrigin(0);
}

void TChild::GetWindowClass(WNDCLASS& wc) {
    shell::ReadScreenColours();
    TMDIChild::GetWindowClass(wc);
    wc.Background = BackgroundColour;
    wc.Cursor = IDC_CROSS;
}

void TChild::EvSize(uint sizeType, const TSize& size) {
    TMDIChild::EvSize(sizeType, size);
    SetupScrolling();
    Invalidate(true);
    UpdateWindow();
}

void TChild::Paint(TDC& dc, bool, TRect&) {
    TRect client = GetClientRect();
    if (client.right == 0 || CurrentView == kPrintSetup || CurrentView >= kPrintViewOffset) return;

    TDrawingtool* tool = CurrentTool();
    if (DrawingState <= 1) return;

    if (Scroller) {
        ScrollOriginX = static_cast<int32_t>(Scroller->XPos * PenScaleF * Scroller->XUnit);
        ScrollOriginY = static_cast<int32_t>((ScrollRangeY - Scroller->YPos) * PenScaleF * Scroller->YUnit);
    }

    if (CurrentView == 0) return;
    // Steps such as marking the outline change the view in place: the title follows what is painted.
    shell::TitleForView(*this);
    render::SetUpDrawingWindow(dc, client);
    render::PaintPastSheet(dc);

    if (CurrentView >= kGroundFloor) {
        // A pending move is painted as it stands in memory.
        static_cast<void>(shell::ReloadForPaint(tool));
        ObjectList.Paint(dc, client);
        shell::RestoreToolPreview(*this, dc, client);

        const int32_t kind = tool ? tool->Kind : 0;
        if (kind != toolkind::kIntWall) FindWallCorner(ObjectList, DatumX, DatumY);
        if (kind == toolkind::kExtWall) {
            if (tool->X1 > 0 && tool->Y1 > 0) {
                DatumMode = datummode::kShownWithBearing;
                DatumX = tool->X1;
                DatumY = tool->Y1;
            } else {
                DatumMode = datummode::kOff;
            }
        } else {
            DatumMode = datummode::kShownWithBearing;
        }
        return;
    }

    // Room-layout views.
    const bool memoryIsTheFile = shell::ReloadForPaint(tool);
    if (CurrentView == kRoomLayout && DatumMode < datummode::kShownWithBearing) ExternalRectangleSize(0);
    ObjectList.Paint(dc, client);
    if (LayoutGridFlag == 1 && CurrentView < kLastLayoutView) {
        // The grid lines are painted with the document but never stay in it.
        const int32_t countBeforeGrid = ObjectList.count;
        // Just read from the file, the rooms need no write: a repaint never tells of a full disk.
        if (memoryIsTheFile)
            MakeLayoutGridOfFileRooms(ObjectList);
        else
            ObjectList.MakeLayoutGrid();
        ObjectList.Paint(dc, client);
        shell::DropLayoutGrid(countBeforeGrid, tool);
    }
    shell::RestoreToolPreview(*this, dc, client);
}

void TChild::NudgeCursor(uint32_t key) {
    POINT p{};
    GetCursorPos(&p);
    switch (key) {
    case VK_LEFT:
        --p.x;
        break;
    case VK_UP:
        --p.y;
        break;
    case VK_RIGHT:
        ++p.x;
        break;
    case VK_DOWN:
        ++p.y;
        break;
    default:
        return;
    }
    SetCursorPos(p.x, p.y);
}

void TChild::SetDatum(int32_t kind) {
    if (CurrentView < kGroundFloor) return;
    if (kind == datummode::kOff) {
        DatumX = 0;
        DatumY = 0;
        DatumMode = datummode::kOff;
        if (ClientWindow.DistanceGadget) ClientWindow.DistanceGadget->SetText("0");
    } else if (kind == datummode::kShown || kind == datummode::kShownWithBearing) {
        FindWallCorner(ObjectList, DatumX, DatumY);
        DatumMode = kind;
    }
}

void TChild::ShowPrecondition(int32_t kind) {
    if (kind != kPrecondition) return;
    // The box must not cost the user the pointer position they had placed.
    POINT p{};
    GetCursorPos(&p);
    MessageBox("Select VIEW then the correct floor PLAN first", "", MB_OK);
    SetCursorPos(p.x, p.y);
}
