// The drawing window: one MDI child per opened view of the drawing. It owns the mapping state between
// the window and the drawing (scroll range, scroll-bar factors, the DATUM reference of the distance
// read-out), repaints its view by emptying the document, reading the working file back and painting
// it, and hands every mouse and key message to the client window's current tool.
//
// The members are defined by concern, one file each:
//   shell/child.cpp               construction, settings, window class, Paint, EvSize, NudgeCursor,
//                                 SetDatum, ShowPrecondition
//   shell/child_scrolling.cpp     SetupScrolling, SyncScrollOrigin, EvHScroll, EvVScroll,
//                                 KeepCursorInView and the scroll steps they share with Zoom
//   shell/child_zoom.cpp          Zoom, InvalidateArea, the Zoom UP rectangle's steps, ShiftHeld
//   shell/child_left_press.cpp    EvLButtonDown (presses that pick an object to edit, LeftButtonStep and
//                                 InvalidateWallEdit in child_edit_press.cpp)
//   shell/child_left_release.cpp  EvLButtonUp
//   shell/child_right_button.cpp  EvRButtonDown, EvRButtonUp
//   shell/child_pointer.cpp       EvMouseMove, EvChar, EvKeyUp
//   shell/child_keyboard.cpp      EvKeyDown (keyed lengths in child_length_entry.cpp, Escape in
//                                 child_escape.cpp)
//   shell/child_tool_dialogs.cpp  RunToolDialog, StartMultilines, CheckRotateSelection, StartText,
//                                 ToolLineStyle
//   shell/child_undo.cpp          UndoLastObject
//   shell/child_save_as.cpp       SaveDrawingAs
//   shell/child_output.cpp        SaveAsBitmap, RotateMirrorDrawings
//   shell/child_measurement.cpp   MeasurementInput (the manual dimension's Enter steps)
//   shell/child_floor_area.cpp    AutoDimensionAndArea, ShowBuildingArea, FloorAreaDialog
//   shell/child_wall_type.cpp     ExtWallStep (a picked external wall's new construction)
//   shell/child_fixed_room.cpp    RoomStep (the fixed-room tool's dialog and build)
//   shell/child_merge_step.cpp    MergeStep (the repaint after a design-room edit)
//
// Message routing: the layer delivers every message as a call of the virtual Ev* handler, so the
// window needs no table of its own; a double click arrives as two clicks.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/geometry.h"
#include "platform/mdi_child.h"
#include "shell/cursor_view_results.h"
#include "shell/datum_modes.h"
#include "shell/invalidate_kinds.h"
#include "shell/zoom_drag.h"
#include "shell/zoom_kinds.h"

class TClient;
class TClientDC;
class TDC;
class TDrawingtool;
namespace shell {
class StartBefore;
}

class TChild : public TMDIChild {
public:
    // Builds the window on the client with the title (the drawing's name and the view's extension).
    // When DrawingState is above 0 it reads the working file into the document; a read failure leaves
    // the constructor as a TXOwl carrying the reader's message. Callers then call Create.
    TChild(TClient& client, const char* title);
    ~TChild() override;

    // --- Fields, in this order ---
    int32_t DatumX = 0; // DATUM reference of the distance read-out, drawing units
    int32_t DatumY = 0;
    int32_t StartX = 0; // start point of the outline being drawn
    int32_t StartY = 0;
    int32_t ScrollRangeY = 0;   // vertical scroll range in scroller units; the origin counts down from it
    float HScrollFactor = 0.0f; // scroll range x 0.01: scroller position to percent scroll bar
    float VScrollFactor = 0.0f;
    int32_t DatumMode = datummode::kOff; // the DATUM read-out (datum_modes.h)
    bool TextLineEnded = false;          // Enter ended a line of a text typed at a click: a second ends it
    int32_t DownScrollX = 0;             // scroll origin saved at a left-button press
    int32_t DownScrollY = 0;
    bool PressPassedOver = false; // the left press was nothing: so is its release
    // The DATUM and its read-out at one moment.
    struct Datum {
        int32_t x = 0, y = 0, mode = datummode::kOff;
        std::string readout;
    };
    // The tool and the DATUM as they stood before the start in progress (or, in a chain, after the
    // last piece stored): a start that stores nothing, refused or taken back by Escape, puts them
    // back (shell/held_start.h).
    std::unique_ptr<shell::StartBefore> BeforeStart;
    // The pointer's last place in the drawing area, in client pixels: a key's point while the pointer
    // is over the toolbar, the frame or another window.
    std::optional<TPoint> PointerInArea;
    std::unique_ptr<TClientDC> InputDC; // device context of one tool call; null between calls
    // The rectangle Zoom UP waits for, or drags; null when no zoom waits.
    std::unique_ptr<shell::ZoomDrag> ZoomWait;

    // --- Window class and set-up ---
    void InitSettings();
    void SetupWindow() override;
    // Reads CFG/CLR.CFG and gives the class a background brush of BackgroundColour.
    void GetWindowClass(WNDCLASS& wc) override;
    const char* GetClassName() override { return "tv"; }

    // --- Painting ---
    void Paint(TDC& dc, bool erase, TRect& rect) override;

    // --- Size and scrolling ---
    void EvSize(uint sizeType, const TSize& size) override;
    void EvHScroll(uint scrollCode, uint thumbPos) override;
    void EvVScroll(uint scrollCode, uint thumbPos) override;
    void SetupScrolling();
    // Centres the view on the sheet; with repaint 1 also invalidates the whole window.
    void SyncScrollOrigin(int32_t repaint);
    // Keeps the point (x, y) moved by an arrow key by the step, all in drawing units, inside the sheet
    // and the visible area (cursorview).
    int32_t KeepCursorInView(int32_t step, uint32_t key, int32_t x, int32_t y);
    // Moves the screen cursor one pixel in the direction of an arrow key.
    void NudgeCursor(uint32_t key);

    // --- Zoom and invalidation ---
    // kind: zoomkind (zoom_kinds.h).
    void Zoom(int32_t kind);
    // kind: invalidatekind (invalidate_kinds.h).
    void InvalidateArea(int32_t kind);
    // Zoom UP: the next left drag over the view becomes the view, the current tool kept as it is.
    void WaitForZoomDrag();
    // A Zoom UP still waiting for its rectangle is given up: the status bar speaks of the tool again.
    void EndZoomWait();
    // The left release that ends the Zoom UP rectangle: the view it shows, unless it is too small.
    void ReleaseZoomDrag(const TPoint& point);
    // The drawing of the view has moved by (dx, dy) drawing units: the points the current tool and
    // the window hold on it (the DATUM reference, a keyed chain's end) move with it.
    void ShiftHeld(int32_t dx, int32_t dy);

    // --- DATUM and messages ---
    // kind: datummode::kOff clears the reference; kShown or kShownWithBearing puts it on a wall corner.
    void SetDatum(int32_t kind);
    // The cursor-distance gadget shows the client point's distance from the DATUM reference.
    void ShowDatumReadout(const TPoint& point);
    [[nodiscard]] Datum DatumNow() const;
    // The DATUM as it stood, measuring again from its reference with the pointer where it is now.
    void PutBackDatum(const Datum& before);
    // Kind 2: "select a floor plan first", leaving the mouse cursor where it was.
    void ShowPrecondition(int32_t kind);

    // --- Mouse and keys ---
    void EvLButtonDown(uint modKeys, const TPoint& point) override;
    void EvLButtonUp(uint modKeys, const TPoint& point) override;
    void EvRButtonDown(uint modKeys, const TPoint& point) override;
    void EvRButtonUp(uint modKeys, const TPoint& point) override;
    void EvMouseMove(uint modKeys, const TPoint& point) override;
    void EvChar(uint key, uint repeatCount, uint flags) override;
    void EvKeyUp(uint key, uint repeatCount, uint flags) override;
    void EvKeyDown(uint key, uint repeatCount, uint flags) override;
    void LeftButtonStep(TRect& client, int32_t index);
    void InvalidateWallEdit(TRect& client, int32_t how);
    void MeasurementInput(TPoint point);
    void UndoLastObject();

    // --- Tool dialogs ---
    void RunToolDialog(int32_t kind);
    void StartMultilines(int32_t kind);
    // 1 when the selection holds a rectangle or rounded rectangle (or cannot be read), else 0.
    int32_t CheckRotateSelection();
    void StartText();
    void ToolLineStyle();

    // --- Settings and plan dialogs ---
    void RunSettingsDialog(int32_t kind);
    void RunPlanDialog(int32_t kind);
    void ExtWallStep();

    // --- Files and output ---
    void SaveDrawingAs();
    void SaveAsBitmap(int32_t code = 0);
    void RotateMirrorDrawings(int32_t code);

    // --- Library and paste ---
    void InsertLibrarySymbol(int32_t group);
    void StartPaste();
    void StartAddToLibrary();

    // --- Floor area ---
    void ShowBuildingArea(int32_t kind);
    void AutoDimensionAndArea(int32_t kind);
    void FloorAreaDialog();

    // --- Room layout ---
    void NewDesignRoom();
    void RoomStep();
    void MaxDesignRoom();
    void MergeStep(TRect& client);
    void DesignRoomClientRect(TRect& client);
    void ExternalRectangleSize(int32_t kind);
    void LayoutGridRefresh();

    // The client window this drawing window belongs to, and its current tool.
    TClient& Client() const { return ClientWindow; }
    TDrawingtool* CurrentTool() const;

private:
    // Steps of the scroll set-up that the centring and the zoom share (xu, yu the scroll units in
    // pixels, s the pen scale).
    void CentreOnSheet(int32_t xu, int32_t yu, float s);
    void SetScrollRanges(int32_t xu, int32_t yu, float s);
    void SnapScrollerToOrigin(int32_t xu, int32_t yu, float s);
    void ApplyZoom(int32_t xu, int32_t yu);

    TClient& ClientWindow;
};
