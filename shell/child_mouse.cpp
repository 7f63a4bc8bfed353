// The mouse buttons of the drawing window: the switchboard between the pointer and the current tool.
// From the tool's kind and mode each handler decides which tool operation to call, or which step of
// its own to run (picking an object to edit, asking for an amount, setting the DATUM reference,
// re-creating a tool for what was clicked), and afterwards writes the drawing, repaints and guides.
#include <algorithm>
#include <cstdio>

#include "dialogs/atolib_dialog.h"
#include "document/coordinate_mapping.h"
#include "document/document.h"
#include "document/program_state.h"
#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/dc.h"
#include "platform/gadgets.h"
#include "platform/input_dialog.h"
#include "platform/message_box.h"
#include "platform/message_loop.h"
#include "platform/scroller.h"
#include "shell/child.h"
#include "shell/child_tool_call.h"
#include "shell/client.h"
#include "shell/length_prompt.h"
#include "shell/move_family_steps.h"
#include "tools/cancelled_line.h"
#include "tools/drawing_tool.h"
#include "tools/move_tool.h"
#include "tools/working_file.h"
#include "walls/extwall_edit.h"

namespace {

constexpr int32_t kOutsideWalls = 10001;

// Tells the user why a lengthen or shorten changed nothing; false when it was carried out.
bool WallEditRefused(TChild& window, int32_t code) {
    const char* why = code == walls::walledit::kAngledWall ? "Angled walls cannot be altered"
                      : code == walls::walledit::kTooShort
                          ? "The wall is not long enough to shorten by that amount"
                          : nullptr;
    if (!why) return false;
    shell::BoxKeepingCursor(window, why, "NO ACTION", MB_OK | MB_ICONEXCLAMATION);
    return true;
}

bool IsDesignRoomKind(int32_t kind) {
    return kind == toolkind::kDesignRoom || kind == toolkind::kReopenedRoom;
}

void MarkModified() {
    if (SaveState == 0) SaveState = 1;
}

// Puts the mouse cursor back on a client point of the window.
void CursorBackAt(TChild& window, const TPoint& point) {
    TPoint screen = point;
    window.ClientToScreen(screen);
    SetCursorPos(screen.x, screen.y);
}

// While the left button is held the window scrolls toward a pointer outside it; every message that
// arrives meanwhile is handled in full by its own handler.
void RunPressLoop(TChild& window) {
    window.SetCapture();
    MSG msg;
    for (;;) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (msg.message == WM_LBUTTONUP) break;
            if (msg.message == WM_MOUSEMOVE && !(msg.wParam & MK_LBUTTON)) break;
        }
        TScroller* scroller = window.Scroller;
        if (!scroller) break;
        scroller->AutoScroll();
        // A range of 0 leaves the bars at 0 rather than dividing by it.
        const int hpos =
            window.HScrollFactor != 0.0f ? static_cast<int>(scroller->XPos / window.HScrollFactor) : 0;
        const int vpos =
            window.VScrollFactor != 0.0f ? static_cast<int>(scroller->YPos / window.VScrollFactor) : 0;
        window.SetScrollPos(SB_HORZ, hpos, true);
        window.SetScrollPos(SB_VERT, vpos, true);
        ScrollOriginX = static_cast<int32_t>(static_cast<float>(scroller->XPos) * PenScaleF *
                                             static_cast<float>(scroller->XUnit));
        ScrollOriginY = static_cast<int32_t>(static_cast<float>(window.ScrollRangeY - scroller->YPos) *
                                             PenScaleF * static_cast<float>(scroller->YUnit));
    }
    window.ReleaseCapture();
    if (TApplication* app = window.GetApplication()) app->ResumeThrow();
}

// The DATUM reference at a clicked point.
void SetDatumAt(TChild& window, const POINT& logical) {
    window.DatumX = logical.x * ZoomDivisor;
    window.DatumY = logical.y * ZoomDivisor;
}

// The steps every left press ends with that got that far.
void ClosingSteps(TChild& window, int32_t entryMode) {
    // A dialog opened by the press has had the button's release: no loop then waits for it, or the
    // next click elsewhere would be taken for this press's end and the view scrolled toward it.
    if (window.Scroller && window.Scroller->IsAutoMode() && LeftButtonHeld()) RunPressLoop(window);
    TClient& client = window.Client();
    if (entryMode == 55 || entryMode == 65) client.Tool->Mode = 0;
    if (CurrentView >= 40 && CurrentView <= 49 && (entryMode == 30 || entryMode == 40)) {
        tools::SaveWorkingFile();
        client.Tool->Mode = 0;
        window.Invalidate(true);
        if (LayoutGridFlag == 1) window.LayoutGridRefresh();
    }
}

} // namespace

void TChild::EvLButtonDown(uint, const TPoint& pointIn) {
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    const int32_t kind = client.Tool->Kind;
    const int32_t mode = client.Tool->Mode;
    auto tool = [&client]() { return client.Tool.get(); };
    auto buttonDown = [&] { shell::CallTool(*this, [&](TDC& dc) { tool()->ButtonDown(dc, rc, &point); }); };

    DownScrollX = ScrollOriginX;
    DownScrollY = ScrollOriginY;

    if ((kind == toolkind::kOpening && (mode < 30 || mode > 37)) || CurrentView == 45) {
        ClosingSteps(*this, mode);
        return;
    }

    if (IsDesignRoomKind(kind)) {
        SetDatum(1);
        if (tool()->PointPlaced > 0) tool()->PointPlaced = 0;
        if (mode < 5 || mode == 20 || mode == 21 || mode == 30 || mode == 40 || mode == 50 || mode == 1000 ||
            mode == 29001) {
            buttonDown();
            if (tool()->Y1 == kNoObject) {
                shell::BoxKeepingCursor(*this, "no room selected", "NO SELECTION", MB_OK);
                client.SelectPickTool();
                return;
            }
            if (tool()->Kind == 29001 && tool()->Mode == 29001) {
                InvalidateArea(15);
                SetDatum(1);
            }
            if (tool()->Mode == kOutsideWalls) {
                shell::BoxKeepingCursor(*this, "the click was probably outside the external walls",
                                        "NO SELECTION", MB_OK);
                tool()->Mode = 0;
            }
        }
        if (mode == 55 || mode == 65) tool()->Mode = 0;
        if (mode == 30 || mode == 40) {
            tools::SaveWorkingFile();
            tool()->Mode = 0;
            MarkModified();
            MergeStep(rc);
        }
        ClosingSteps(*this, mode);
        return;
    }

    const POINT logical = shell::PixelToLogical(*this, rc, point);
    const int32_t roomKind = ObjectList.RoomKindAt(logical.x, logical.y);
    if (IsDesignRoomKind(roomKind)) {
        client.RestoreTool(roomKind);
        SetDatum(1);
        tool()->Window = this;
        buttonDown();
        MarkModified();
        ClosingSteps(*this, mode);
        return;
    }

    if (mode >= 30 && mode <= 38) {
        shell::CallTool(*this, [&](TDC& dc) {
            if (mode >= 35)
                tool()->ThreePointAid(dc, rc, point.x, point.y);
            else
                tool()->MidpointAid(dc, rc, point.x, point.y);
        });
        ClosingSteps(*this, mode);
        return;
    }

    if (DatumMode == 2) {
        SetDatumAt(*this, logical);
        ClosingSteps(*this, mode);
        return;
    }

    if (kind == toolkind::kExtWallEdit) {
        const int32_t xd = logical.x * ZoomDivisor;
        const int32_t yd = logical.y * ZoomDivisor;
        const int32_t index = ObjectList.FindObject(1, logical.x, logical.y);
        const TObject* picked = ObjectList[index];
        if (index == kNoObject || !picked) {
            MessageBox("No valid object selected - please restart", "NO SELECTION", MB_OK);
            CursorBackAt(*this, point);
            return;
        }
        client.RestoreTool(picked->kind);
        tool()->Window = this;
        tool()->PickKind = index;
        tool()->Mode = mode;
        if (picked->kind != kExtWall) {
            client.SelectPickTool();
            return;
        }
        if (mode == 2 || mode == 3) {
            client.ShowGuide(mode == 2 ? "GUIDE: input amount to lengthen"
                                       : "GUIDE: input amount to shorten");
            int32_t amount = 0;
            if (MetricUnits == 0) {
                const auto typed = shell::AskFeetInches(*this, 0);
                if (!typed || *typed < 1 || *typed >= 300000) {
                    Invalidate(true);
                    client.SelectPickTool();
                    return;
                }
                amount = *typed;
            } else {
                const auto typed = shell::AskNumber("", "", mode == 2 ? "lengthen" : "shorten", 10);
                if (!typed) {
                    Invalidate(true);
                    client.SelectPickTool();
                    return;
                }
                if (*typed > 300000) return;
                amount = *typed;
            }
            tool()->Start(amount, xd, yd);
            if (WallEditRefused(*this, tool()->Dragging)) return;
            InvalidateWallEdit(rc, 1);
        } else if (mode == 4) {
            tool()->Start(0, 0, 0);
            InvalidateWallEdit(rc, 2);
            client.SelectPickTool();
            client.ShowGuide("GUIDE: Pick Tool");
            CursorBackAt(*this, point);
        } else if (mode == 5) {
            tool()->Start(0, xd, yd);
            shell::CallTool(*this, [&](TDC& dc) { tool()->AutoDimension(dc, rc, 0, 0, 0, 111); });
            Invalidate(true);
        } else if (mode == 6) {
            client.ShowGuide("GUIDE: select new wall type");
            ExtWallStep();
            InvalidateWallEdit(rc, 1);
            client.SelectPickTool();
            client.ShowGuide("GUIDE: Pick Tool");
        }
        ClosingSteps(*this, mode);
        return;
    }

    if (kind == toolkind::kLine && (mode == 300 || mode == 400 || mode == 500)) {
        buttonDown();
        if (tool()->Mode == kNoObject) {
            MessageBox("No valid horizontal or vertical line or wall object selected ", "NO SELECTION",
                       MB_OK);
            CursorBackAt(*this, point);
            return;
        }
        const int32_t pickedKind = tool()->PickKind;
        const int32_t pickedIndex = tool()->CursorX;
        client.RestoreTool(pickedKind);
        tool()->Window = this;
        tool()->Mode = mode;
        tool()->CursorX = pickedIndex;
        tool()->PointPlaced = 1;
        LeftButtonStep(rc, pickedIndex);
        client.ShowGuide(mode == 300   ? "select ARROw key direction to MOVE wall / line"
                         : mode == 400 ? "select ARROw key direction of end to EXTEND"
                                       : "select ARROw key direction of end to SHORTEN");
        ClosingSteps(*this, mode);
        return;
    }

    if (kind == toolkind::kBaseChange) {
        ClosingSteps(*this, mode);
        return;
    }

    // The general path. Room for 79 characters, the capacity of a text object.
    char text[80] = "text";
    if (kind == toolkind::kTextAtClick && RestoreKind == 0 && tool()->PointPlaced == 0) {
        DestroyCaret();
        SetCursor(nullptr, IDC_IBEAM);
    }
    const bool ignored =
        ((kind == 20 || kind == 21 || kind == 41 || kind == 60 || kind == 62 || kind == 64) && mode < 30) ||
        kind == toolkind::kStairs || (mode >= 39 && mode <= 42) || (kind == toolkind::kErase && mode == 9) ||
        mode == 20 || mode == 21;
    if (!ignored) {
        if (kind == toolkind::kText) {
            tools::SaveWorkingFile();
            client.ShowGuide("GUIDE: maximum of 80 letters/numbers/spaces");
            TInputDialog dialog(nullptr, "Text", "Enter text", text, sizeof text);
            if (dialog.Execute() == IDOK) {
                shell::CallTool(*this, [&](TDC& dc) { tool()->SetText(dc, rc, &point, text); });
                tools::SaveWorkingFile();
            }
        } else if (!(RestoreKind == 1 && kind == toolkind::kTextAtClick) && kind != toolkind::kOutline) {
            if (kind == toolkind::kMove || kind == toolkind::kCopy || kind == toolkind::kErase) SetDatum(4);
            if (kind == toolkind::kLine) SetDatumAt(*this, logical);
            buttonDown();
        }
        if (mode == 1) client.ShowGuide("GUIDE: Selected");
        // Which tool follows mode 9 is left open; the pen width has always served as the kind, which
        // with the usual width 1 gives the line tool again.
        if (mode == 9) client.RestoreTool(::PenWidth);
        if (kind == toolkind::kFixedRoom) RoomStep();
    }
    ClosingSteps(*this, mode);
}

void TChild::EvLButtonUp(uint, const TPoint& pointIn) {
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    const int32_t kind = client.Tool->Kind;
    const int32_t mode = client.Tool->Mode;
    auto tool = [&client]() { return client.Tool.get(); };
    auto buttonUp = [&] {
        rc = GetClientRect();
        shell::CallTool(*this, [&](TDC& dc) { tool()->ButtonUp(dc, rc, &point); });
    };

    if (CurrentView < 49 && (ScrollOriginX != DownScrollX || ScrollOriginY != DownScrollY)) {
        Invalidate(true);
        UpdateWindow();
        tool()->Scrolled = 1;
    }

    if (IsDesignRoomKind(kind)) {
        if (mode == 5 || mode == 6) {
            buttonUp();
            tools::SaveWorkingFile();
            MergeStep(rc);
            tool()->Mode = 0;
            if (CurrentView < 50) ExternalRectangleSize(0);
        } else if (mode == 1000) {
            MaxDesignRoom();
            tool()->Mode = 0;
        } else if (kind == 29001 && mode == 29001) {
            tool()->Mode = 0;
        }
        return;
    }
    if (kind > 25 || (kind == toolkind::kOutline && CurrentView == 45)) return;

    if (kind == toolkind::kChangeText) {
        const POINT logical = shell::PixelToLogical(*this, rc, point);
        const int32_t index = ObjectList.FindObject(4, logical.x, logical.y);
        auto* text = dynamic_cast<TTextobj*>(ObjectList[index]);
        if (index >= 30000 || !text) return;
        client.ShowGuide("GUIDE: maximum of 24 letters/numbers/spaces");
        // The whole text can be edited: the field holds 79 characters.
        char buffer[80] = {};
        std::snprintf(buffer, sizeof buffer, "%s", text->text);
        TInputDialog dialog(GetHandle(), "", "", buffer, sizeof buffer);
        if (dialog.Execute() == IDOK && buffer[0] != '\0') text->SetText(buffer);
        tools::SaveWorkingFile();
        if (ZoomDivisor == 0) return;
        const POINT anchor = shell::LogicalToPixel(*this, rc, text->x1 / ZoomDivisor, text->y1 / ZoomDivisor);
        const TRect square(anchor.x - 100, anchor.y - 100, anchor.x + 100, anchor.y + 100);
        if (square.left > rc.left && square.top > rc.top && square.right < rc.right &&
            square.bottom < rc.bottom)
            InvalidateRect(square, true);
        return;
    }
    if ((mode >= 39 && mode <= 42) || kind == toolkind::kText || kind == toolkind::kTextAtClick) return;
    if (kind == 20 || kind == 21) {
        if (mode == 0) client.ShowToolName("Pick Tool");
        return;
    }
    if (mode <= 0) {
        if (kind == toolkind::kLine) SetDatum(4);
        buttonUp();
        return;
    }
    if (kind == toolkind::kMove && (mode == 2 || mode == 3)) {
        if (mode == 3)
            buttonUp();
        else
            tool()->Mode = 3;
        return;
    }
    if (mode == 5 || mode == 15) {
        buttonUp();
        if (kind == toolkind::kMove && mode == 15) {
            shell::FinishZoomWindow(*this);
        } else if (kind == toolkind::kCopy && tool()->Count == 1) {
            TAtolibdlg(this, 16000).Execute();
            client.SelectPickTool();
            Invalidate(true);
        } else if (tool()->Kind == toolkind::kCopy) {
            client.ShowGuide("GUIDE: press F1 key for help");
            client.ShowToolName("Pick Tool");
        } else if (tool()->Kind == toolkind::kErase) {
            shell::InvalidateErasedArea(*this, rc);
        }
        return;
    }
    if (mode == 20 || mode == 21) return;
    if (mode == 7) {
        Invalidate(true);
        client.RestoreTool(tool()->Kind);
        return;
    }
    if (mode >= 30 && mode <= 37) return;
    if (mode == 50 || mode == 51) {
        buttonUp();
        if (tool()->Y0 >= kCancelledLineMark) return;
        RunToolDialog(8);
        if (IsLineCancelled(*tool())) {
            client.SelectPickTool();
            return;
        }
        shell::CallTool(*this, [&](TDC& dc) { tool()->ShowLengthLabel(dc, rc, 0, 0); });
        client.SelectPickTool();
        tools::SaveWorkingFile();
        return;
    }
    if (mode == 11 || mode == 12) client.RestoreTool(RestoreKind);
}

void TChild::EvRButtonDown(uint, const TPoint& pointIn) {
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    auto tool = [&client]() { return client.Tool.get(); };
    auto button2Down = [&] { shell::CallTool(*this, [&](TDC& dc) { tool()->Button2Down(dc, rc, &point); }); };
    if (shell::RightPressDuringDrag(tool())) return;

    const POINT logical = shell::PixelToLogical(*this, rc, point);
    const int32_t roomKind = ObjectList.RoomKindAt(logical.x, logical.y);
    if (IsDesignRoomKind(roomKind)) {
        client.RestoreTool(roomKind);
        tool()->Window = this;
        SetDatum(1);
    }
    if (IsDesignRoomKind(tool()->Kind)) {
        if (tool()->Mode == 55 || tool()->Mode == 65) tool()->Mode = 0;
        if (tool()->Mode == 0 || tool()->Mode == 50) {
            button2Down();
            if (tool()->Mode == kOutsideWalls) tool()->Mode = 0;
        }
        return;
    }
    auto* move = dynamic_cast<TMoveobjtool*>(tool());
    if (tool()->Kind != toolkind::kMove || !move) return;
    const TObject* last = ObjectList.count > 0 ? ObjectList[ObjectList.count - 1] : nullptr;
    if (last && last->kind == kMarkerLineFirst) {
        move->RotationStep = 90;
        button2Down();
        return;
    }
    client.ShowGuide("input degrees to rotate,then if needed, use + - keys to finetune. press Enter to Lock");
    int32_t angle = 0;
    if (const auto typed = shell::AskNumber("ROTATE", "clockwise", "90", 9)) {
        angle = *typed;
        if (angle < 0 || angle > 360) return;
        if (angle != 90 && angle != 180 && angle != 270 && CheckRotateSelection() == 1) return;
    }
    move->RotationStep = angle;
    move->Mode = 3;
    button2Down();
    SetDatum(4);
}

void TChild::EvRButtonUp(uint, const TPoint& pointIn) {
    TClient& client = Client();
    TPoint point = pointIn;
    TRect rc = GetClientRect();
    client.Tool->Window = this;
    if (client.Tool->Mode != 5 && client.Tool->Mode != 6) return;
    shell::CallTool(*this, [&](TDC& dc) { client.Tool->Button2Up(dc, rc, &point); });
    tools::SaveWorkingFile();
    MergeStep(rc);
    client.Tool->Mode = 0;
    ExternalRectangleSize(0);
}

void TChild::LeftButtonStep(TRect& client, int32_t index) {
    const TObject* object = ObjectList[index];
    if (!object || ZoomDivisor == 0) return;
    TClientDC dc(this);
    SetDrawingMapping(nullptr, dc, client);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(BackgroundColour);
    dc.SetROP2(R2_COPYPEN);
    dc.SelectObject(TPen(BackgroundColour, 2, PS_DOT));
    dc.MoveTo(object->x1 / ZoomDivisor, object->y1 / ZoomDivisor);
    dc.LineTo(object->x2 / ZoomDivisor, object->y2 / ZoomDivisor);
    if (const auto* wall = dynamic_cast<const TIntwallobj*>(object); wall && object->kind == kIntWall) {
        dc.MoveTo(wall->q1x / ZoomDivisor, wall->q1y / ZoomDivisor);
        dc.LineTo(wall->q2x / ZoomDivisor, wall->q2y / ZoomDivisor);
    }
    dc.RestorePen();
}

void TChild::InvalidateWallEdit(TRect& client, int32_t how) {
    if (ZoomDivisor == 0) return;
    const TDrawingtool& tool = *Client().Tool;
    const int32_t m = 10 * ZoomDivisor;
    int32_t left = tool.BoxLeft / ZoomDivisor;
    int32_t right = tool.BoxRight / ZoomDivisor;
    int32_t top = tool.BoxTop / ZoomDivisor;
    int32_t bottom = tool.BoxBottom / ZoomDivisor;
    if (how == 1) {
        left = std::min({left, tool.X0 / ZoomDivisor, tool.X1 / ZoomDivisor});
        right = std::max({right, tool.X0 / ZoomDivisor, tool.X1 / ZoomDivisor});
        top = std::max({top, tool.Y0 / ZoomDivisor, tool.Y1 / ZoomDivisor});
        bottom = std::min({bottom, tool.Y0 / ZoomDivisor, tool.Y1 / ZoomDivisor});
    }
    const POINT a = shell::LogicalToPixel(*this, client, left - m, top + m);
    const POINT b = shell::LogicalToPixel(*this, client, right + m, bottom - m);
    const TRect area(std::max(a.x, int32_t{0}), std::max(a.y, int32_t{0}), std::min(b.x, client.right),
                     std::min(b.y, client.bottom));
    InvalidateRect(area, true);
}
