// Turning or mirroring a whole drawing through its working file, and turning one object about a point.
#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "document/dimension_figure.h"
#include "document/dimension_settings.h"
#include "document/document.h"
#include "document/drawing_file.h"
#include "document/program_state.h"
#include "document/record_format.h"
#include "document/sheet_edge.h"
#include "document/working_file_step.h"
#include "platform/file_io.h"

namespace {

// Maps one point stored relative to the sheet centre onto its place in drawing units.
using PointMap = std::function<void(int32_t& x, int32_t& y)>;

void MapPoint(const PointMap& map, int32_t& x, int32_t& y) {
    map(x, y);
}

// Maps two points and exchanges them: mirroring reverses the order of the ends.
void MapExchanged(const PointMap& map, int32_t& ax, int32_t& ay, int32_t& bx, int32_t& by) {
    map(ax, ay);
    map(bx, by);
    std::swap(ax, bx);
    std::swap(ay, by);
}

// Adds to a stored value, saturating: a hand-edited file may hold any 32-bit value.
void AddTo(int32_t& v, int64_t d) {
    v = Clamp32(v + d);
}

int32_t Wrap3600(int64_t a) {
    return static_cast<int32_t>(((a % 3600) + 3600) % 3600);
}

void SwapStyles64(int32_t& style) {
    if (style == 6) {
        style = 4;
    } else if (style == 4) {
        style = 6;
    }
}

// The turn of a point by `how` degrees clockwise about the centre. Quarter turns are exact; any
// other angle is rounded to the nearest unit.
PointMap TurnMap(int32_t how, RecordOrigin c) {
    const int32_t q = ((how % 360) + 360) % 360;
    // Stored values are untrusted: the sums are formed in 64 bits and saturated.
    const int64_t cx = c.x, cy = c.y;
    if (q == 90)
        return [cx, cy](int32_t& x, int32_t& y) {
            const int64_t fx = x;
            x = Clamp32(cx + y), y = Clamp32(cy - fx);
        };
    if (q == 180) return [cx, cy](int32_t& x, int32_t& y) { x = Clamp32(cx - x), y = Clamp32(cy - y); };
    if (q == 270)
        return [cx, cy](int32_t& x, int32_t& y) {
            const int64_t fx = x;
            x = Clamp32(cx - y), y = Clamp32(cy + fx);
        };
    if (q == 0) return [cx, cy](int32_t& x, int32_t& y) { x = Clamp32(cx + x), y = Clamp32(cy + y); };
    const double theta = (360 - how) * (M_PI / 180.0);
    const double cs = std::cos(theta), sn = std::sin(theta);
    return [c, cs, sn](int32_t& x, int32_t& y) {
        const double fx = x, fy = y;
        x = Clamp32(std::llround(c.x + fx * cs - fy * sn));
        y = Clamp32(std::llround(c.y + fx * sn + fy * cs));
    };
}

void MapPolygonPoints(const PointMap& map, TObject& o) {
    if (auto* p = dynamic_cast<TPolyobj*>(&o)) {
        const int32_t n = std::clamp<int32_t>(p->count, 0, TPolyobj::kMaxPoints);
        for (int32_t i = 0; i < n; ++i)
            map(p->px[i], p->py[i]);
    }
}

// A room stays a rectangle with its top left corner first: both corners map, then are put back in
// order. A quarter turn exchanges its width and length, and their texts.
void MapRoom(const PointMap& map, TRoomobj& r, bool quarter) {
    map(r.x1, r.y1), map(r.x2, r.y2);
    if (r.x1 > r.x2) std::swap(r.x1, r.x2);
    if (r.y1 < r.y2) std::swap(r.y1, r.y2);
    if (!quarter) return;
    std::swap(r.value3, r.value4);
    const std::string width = r.widthText;
    r.SetWidthText(r.lengthText);
    r.SetLengthText(width.c_str());
}

// Mirror about the vertical line through the sheet centre: (cx - xf, cy + yf).
void MirrorObject(TObject& o, RecordOrigin c) {
    const PointMap m = [c](int32_t& x, int32_t& y) {
        x = Clamp32(int64_t{c.x} - x), y = Clamp32(int64_t{c.y} + y);
    };
    const int32_t k = o.kind;
    if (auto* w = dynamic_cast<TExtwallobj*>(&o)) {
        MapExchanged(m, w->x1, w->y1, w->x2, w->y2);
        MapExchanged(m, w->p1x, w->p1y, w->p2x, w->p2y);
        MapExchanged(m, w->p3x, w->p3y, w->p4x, w->p4y);
        MapExchanged(m, w->p5x, w->p5y, w->p6x, w->p6y);
        w->direction =
            int64_t{w->direction} + 1800 > 3599 ? Clamp32(int64_t{w->direction} - 1800) : w->direction + 1800;
    } else if (auto* iw = dynamic_cast<TIntwallobj*>(&o)) {
        MapExchanged(m, iw->x1, iw->y1, iw->x2, iw->y2);
        MapExchanged(m, iw->q1x, iw->q1y, iw->q2x, iw->q2y);
    } else if (auto* a = dynamic_cast<TArrowobj*>(&o)) {
        MapPoint(m, a->x1, a->y1), MapPoint(m, a->x2, a->y2);
        MapExchanged(m, a->h1x, a->h1y, a->h2x, a->h2y);
        MapExchanged(m, a->h3x, a->h3y, a->h4x, a->h4y);
    } else if (auto* d = dynamic_cast<TDimensobj*>(&o)) {
        MapPoint(m, d->x1, d->y1), MapPoint(m, d->x2, d->y2);
        MapPoint(m, d->d1x, d->d1y), MapPoint(m, d->d2x, d->d2y);
        if (d->value2 == 900) {
            d->value2 = 2700;
        } else if (d->value2 == 2700) {
            d->value2 = 900;
        }
    } else if (dynamic_cast<TPolyobj*>(&o)) {
        MapPolygonPoints(m, o);
    } else if (auto* r = dynamic_cast<TRoomobj*>(&o)) {
        MapRoom(m, *r, false);
    } else if (auto* t = dynamic_cast<TTextobj*>(&o)) {
        MapPoint(m, t->x1, t->y1);
        if (t->x2 == 0 || t->x2 == 1800) {
            t->x2 += 1800;
            if (t->x2 > 3599) t->x2 -= 3600;
            SwapStyles64(t->style);
        } else if (t->kind == kAutoDimensionText) {
            // An outside dimension keeps the bearing of its wall, whose ends the mirror exchanges, so
            // that a later turn sets its figure right.
            t->x2 = Wrap3600(1800 - int64_t{t->x2});
        }
        if (t->angle >= 1 && t->angle <= 899) {
            t->angle += 2700;
        } else if (t->angle > 2700) {
            t->angle -= 2700;
        }
    } else if (auto* arc = dynamic_cast<TArcobj*>(&o)) {
        MapPoint(m, arc->x1, arc->y1), MapPoint(m, arc->x2, arc->y2);
        // Exchanging start and end keeps the arc's sweep direction on screen.
        MapExchanged(m, arc->sx, arc->sy, arc->ex, arc->ey);
    } else {
        (void)k;
        // Lines, ellipses, circles, rectangles and floor records.
        MapExchanged(m, o.x1, o.y1, o.x2, o.y2);
    }
}

void TurnText(TTextobj& t, int32_t how, const PointMap& turn) {
    turn(t.x1, t.y1);
    if (t.kind == kRoomNameLabel) {
        if (t.y2 > 0) {
            if (how == 270) {
                AddTo(t.x1, -int64_t{t.y2}), AddTo(t.y1, -int64_t{t.y2});
            } else if (how == 180) {
                AddTo(t.y1, -2 * int64_t{t.y2});
            } else if (how == 90) {
                AddTo(t.x1, t.y2), AddTo(t.y1, -int64_t{t.y2});
            }
        }
        return;
    }
    if (how == 90) {
        if (t.angle < 901) {
            t.angle += 2700;
            SwapStyles64(t.style);
        } else if (t.angle > 2699) {
            AddTo(t.angle, 900);
        }
        AddTo(t.x2, 900);
    } else if (how == 180) {
        SwapStyles64(t.style);
        AddTo(t.x2, 1800);
    } else if (how == 270) {
        if (t.angle < 901) {
            t.angle += 2700;
        } else if (t.angle > 2699) {
            AddTo(t.angle, 900);
            SwapStyles64(t.style);
        }
        AddTo(t.x2, 2700);
    }
    if (t.angle > 3599) t.angle -= 3600;
    if (t.x2 > 3599) t.x2 -= 3600;
}

// Returns false for an object the turn drops (floor titles are made again afterwards).
bool TurnObject(TObject& o, int32_t how, RecordOrigin c) {
    const PointMap turn = TurnMap(how, c);
    if (auto* w = dynamic_cast<TExtwallobj*>(&o)) {
        turn(w->x1, w->y1), turn(w->x2, w->y2), turn(w->p1x, w->p1y), turn(w->p2x, w->p2y);
        const PointMap further = w->thickness2 > 0 ? turn : TurnMap(0, c);
        further(w->p3x, w->p3y), further(w->p4x, w->p4y), further(w->p5x, w->p5y), further(w->p6x, w->p6y);
        // The direction is kept in tenths of a degree.
        w->direction = Wrap3600(int64_t{w->direction} + 10 * int64_t{how});
    } else if (auto* iw = dynamic_cast<TIntwallobj*>(&o)) {
        turn(iw->x1, iw->y1), turn(iw->x2, iw->y2), turn(iw->q1x, iw->q1y), turn(iw->q2x, iw->q2y);
    } else if (auto* a = dynamic_cast<TArrowobj*>(&o)) {
        turn(a->x1, a->y1), turn(a->x2, a->y2), turn(a->h1x, a->h1y), turn(a->h2x, a->h2y);
        turn(a->h3x, a->h3y), turn(a->h4x, a->h4y);
    } else if (auto* d = dynamic_cast<TDimensobj*>(&o)) {
        turn(d->x1, d->y1), turn(d->x2, d->y2), turn(d->d1x, d->d1y), turn(d->d2x, d->d2y);
        AddTo(d->value2, int64_t{how} * 10);
        if (d->value2 > 3600) d->value2 -= 3600;
    } else if (dynamic_cast<TPolyobj*>(&o)) {
        MapPolygonPoints(turn, o);
    } else if (auto* r = dynamic_cast<TRoomobj*>(&o)) {
        MapRoom(turn, *r, how % 180 != 0);
    } else if (auto* t = dynamic_cast<TTextobj*>(&o)) {
        if (t->kind == kFloorTitle) return false;
        TurnText(*t, how, turn);
    } else if (auto* arc = dynamic_cast<TArcobj*>(&o)) {
        turn(arc->x1, arc->y1), turn(arc->x2, arc->y2), turn(arc->sx, arc->sy), turn(arc->ex, arc->ey);
    } else {
        turn(o.x1, o.y1), turn(o.x2, o.y2);
    }
    return true;
}

// Every dimension figure stands against its line as a dimension drawn there now would: an outside
// dimension's by the bearing it keeps, a size line's label by the line carrying its id.
void SetFiguresAsDrawn(TList& list, bool parallel) {
    std::map<std::pair<int32_t, int32_t>, const TDimensobj*> lines;
    for (int32_t i = 0; i < list.count; ++i)
        if (const auto* d = dynamic_cast<const TDimensobj*>(list[i]); d && d->kind == kManualDimension)
            lines.emplace(std::make_pair(d->view, d->id), d);
    for (int32_t i = 0; i < list.count; ++i) {
        auto* t = dynamic_cast<TTextobj*>(list[i]);
        if (t == nullptr) continue;
        DimensionFigure figure{t->angle, t->style};
        if (t->kind == kAutoDimensionText) {
            figure = OutsideFigure(t->x2, parallel);
        } else if (t->kind == kSizeLabel) {
            const auto found = t->id != 0 ? lines.find({t->view, t->id}) : lines.end();
            if (found == lines.end()) continue;
            const TDimensobj& d = *found->second;
            const bool upright = d.x1 == d.d1x && d.y1 != d.d1y;
            const bool level = d.y1 == d.d1y && d.x1 != d.d1x;
            if (!upright && !level) continue; // a slanting line keeps the figure the turn gave it
            figure = SizeLabelFigure(upright, parallel);
        } else {
            continue;
        }
        t->angle = figure.angle;
        t->style = figure.style;
    }
}

} // namespace

FileResult TList::ReadTransformed(int32_t how, const char* newName) {
    // The turned drawing and its titles reach the disk all or nothing; the step begins before the
    // open drawing leaves memory, which a failed step puts back.
    const WorkingFileStep step;
    const RecordOrigin centre = SheetCentre();
    const bool mirror = how == 1;
    // The floors' titles and the site plan's are made again for the views in use.
    int32_t floors[4] = {0, 0, 0, 0};
    if (!mirror) {
        floors[0] = FloorHasObjects(kGroundFloor);
        floors[1] = FloorHasObjects(kFirstFloor);
        floors[2] = floors[1] > 0 ? FloorHasObjects(kSecondFloor) : 0;
        floors[3] = FloorHasObjects(kSitePlan);
    }
    Flush();
    StartHeightRange();
    std::string text;
    if (!pl::ReadTextFile(DrawingFilePath(filemode::kWorking), text)) {
        EndHeightRange();
        return FileResult::OpenFailed;
    }
    RecordReader reader(text);
    int32_t header[6] = {};
    bool damaged = !ReadDrawingHeader(reader, header);
    // A drawing that held objects past the sheet may keep them turned; the turn may add none.
    int32_t pastSheet = 0;
    if (!damaged) {
        MetricUnits = header[4];
        IdCounter = header[5];
        for (int32_t i = 0; i < header[0]; ++i) {
            std::unique_ptr<TObject> object;
            const RecordReader::Status status = reader.Next({0, 0}, object);
            if (status == RecordReader::Status::Skipped) continue;
            if (status != RecordReader::Status::Object) {
                damaged = true;
                break;
            }
            pastSheet += StoredOnSheet(*object) ? 0 : 1;
            const bool keep =
                mirror ? (MirrorObject(*object, centre), true) : TurnObject(*object, how, centre);
            if (!keep) continue;
            NoteReadHeights(*object);
            Add(std::move(object));
        }
    }
    EndHeightRange();
    if (damaged) {
        // Saving a part of the drawing would lose the rest: the working file stays as it was.
        Flush();
        return FileResult::Damaged;
    }
    SetFiguresAsDrawn(*this, ReadDimensionSettings(MetricUnits).textOrientation > 0);
    const std::string openName = DrawingName;
    SetDrawingName(newName ? newName : "");
    NotePastSheetInWorkingFile(pastSheet);
    if (WriteWorkingFile(*this, pl::Sync::ToDisk) && !mirror) { // a new drawing, saved
        const int32_t keptView = CurrentView;
        const int32_t codes[4] = {kGroundFloor, kFirstFloor, kSecondFloor, kSitePlan};
        for (int i = 0; i < 4; ++i) {
            if (floors[i] <= 0) continue;
            CurrentView = codes[i];
            MakeTitleBlock();
        }
        CurrentView = keptView;
    }
    if (step.Failed()) {
        // Told, and the turned file is as before: the open drawing stays, as its own file holds it.
        SetDrawingName(openName);
        Flush();
        static_cast<void>(ReadDrawingFile(filemode::kWorking)); // read a moment ago
        return FileResult::WriteFailed;
    }
    return FileResult::Ok;
}

void TList::RotateObject(TObject* object, int32_t kind, int32_t angle, int32_t cx, int32_t cy, int32_t mode) {
    if (!object) return;
    std::unique_ptr<TObject> owned(object);
    int32_t theta = 270 - angle / 10;
    if (mode == 2) theta = angle > 2700 ? (angle - 2700) / 10 : angle < 2700 ? (angle + 900) / 10 : 0;
    const double c = std::cos(theta * 0.01745328);
    const double s = std::sin(theta * 0.01745328);
    // Door and window pieces are laid along their wall with the truncation they were designed with.
    const auto turn = [&](int32_t& x, int32_t& y) {
        const double dx = double(x) - cx, dy = double(y) - cy;
        x = static_cast<int32_t>(cx + static_cast<int64_t>(dx * c - dy * s));
        y = static_cast<int32_t>(cy + static_cast<int64_t>(dx * s + dy * c));
    };
    TObject& o = *owned;
    if (kind == 1000 || kind == 1001) {
        if (auto* w = dynamic_cast<TExtwallobj*>(&o)) {
            turn(w->x1, w->y1), turn(w->x2, w->y2), turn(w->p1x, w->p1y), turn(w->p2x, w->p2y);
            if (w->thickness2 > 0)
                turn(w->p3x, w->p3y), turn(w->p4x, w->p4y), turn(w->p5x, w->p5y), turn(w->p6x, w->p6y);
        }
    } else if (kind == 1500 || kind == 1501) {
        if (auto* w = dynamic_cast<TIntwallobj*>(&o))
            turn(w->x1, w->y1), turn(w->x2, w->y2), turn(w->q1x, w->q1y), turn(w->q2x, w->q2y);
    } else if (kind == kLine || kind == kOutlineLine || (kind >= kLineTypeFirst && kind <= kLineTypeLast)) {
        turn(o.x1, o.y1), turn(o.x2, o.y2);
    } else if ((kind >= kOpeningPolygon && kind < kAutoArrow) || kind == kOpening) {
        if (auto* p = dynamic_cast<TPolyobj*>(&o)) {
            const int32_t n = std::clamp<int32_t>(p->count, 0, TPolyobj::kMaxPoints);
            for (int32_t i = 0; i < n; ++i)
                turn(p->px[i], p->py[i]);
        }
    } else if (kind == kText || kind == kDialogText ||
               (kind >= kAutoDimensionText && kind <= kRoomNameLabel)) {
        if (auto* t = dynamic_cast<TTextobj*>(&o)) {
            turn(t->x1, t->y1);
            int32_t a = t->angle <= 900 && (3600 - angle) + t->angle > 900 ? t->angle - angle + 5400
                                                                           : t->angle - angle;
            if (a >= 3600) a -= 3600;
            if (a < 0) a += 3600;
            t->angle = a;
            AddTo(t->x2, -int64_t{angle});
            if (t->x2 >= 3601) t->x2 -= 3600;
            if (t->x2 < 0) t->x2 += 3600;
        }
    } else if (kind == kArc) {
        if (auto* a = dynamic_cast<TArcobj*>(&o))
            turn(a->x1, a->y1), turn(a->x2, a->y2), turn(a->sx, a->sy), turn(a->ex, a->ey);
    }
    Add(std::move(owned));
}
