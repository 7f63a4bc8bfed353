#include "resources/dialogs/opening_templates.h"

#include <cmath>
#include <functional>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTransform>

#include "platform/dialog.h"
#include "platform/win_types.h"

namespace {

using pl::ControlKind;
using Controls = std::vector<pl::ControlTemplate>;

void Append(Controls& to, const Controls& more) {
    to.insert(to.end(), more.begin(), more.end());
}

Controls Buttons() {
    return {
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
}

// How a picture shows its choice: the wall running up and down or across; the door at the upper
// (left) jamb or the lower (right) one; opening or lying on the left (upper) face or the right (lower).
struct Arrangement {
    bool across;
    bool atStart;
    bool negativeSide;
};

// Codes 1 to 8 of both picture dialogs: top row 1, 3, 5, 7, bottom row 2, 4, 6, 8.
constexpr Arrangement kArrangements[8] = {
    {false, true, true}, {false, false, true}, {false, true, false}, {false, false, false},
    {true, true, true},  {true, true, false},  {true, false, true},  {true, false, false},
};

constexpr int kSize = 32;
constexpr int kJambStart = 6;
constexpr int kJambEnd = 26;
constexpr int kWallThickness = 6;

// Pictures are drawn for a wall running up and down; a wall running across is the same picture with
// x and y exchanged.
QImage Picture(const Arrangement& a, const std::function<void(QPainter&, int wallX)>& door) {
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (a.across) p.setTransform(QTransform(0, 1, 1, 0, 0, 0));
    const int wx = a.negativeSide ? 22 : 4;
    p.setPen(QPen(Qt::black, 1));
    for (int x : {wx, wx + kWallThickness}) {
        p.drawLine(x, 0, x, kJambStart);
        p.drawLine(x, kJambEnd, x, kSize);
    }
    p.drawLine(wx, kJambStart, wx + kWallThickness, kJambStart);
    p.drawLine(wx, kJambEnd, wx + kWallThickness, kJambEnd);
    door(p, wx);
    return image;
}

// A swing door: a solid leaf from its hinge jamb and a dotted swing to the other jamb.
QImage SwingPicture(const Arrangement& a) {
    return Picture(a, [&](QPainter& p, int wx) {
        const QPointF hinge(a.negativeSide ? wx : wx + kWallThickness, a.atStart ? kJambStart : kJambEnd);
        const double reach = kJambEnd - kJambStart;
        const QPointF tip(hinge.x() + (a.negativeSide ? -reach : reach), hinge.y());
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(hinge, tip);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        const double from = std::atan2(tip.y() - hinge.y(), tip.x() - hinge.x());
        const double to = std::atan2((a.atStart ? reach : -reach), 0.0);
        double sweep = to - from;
        if (sweep > M_PI) sweep -= 2 * M_PI;
        if (sweep < -M_PI) sweep += 2 * M_PI;
        QPolygonF arc;
        for (int i = 0; i <= 12; ++i) {
            const double t = from + sweep * i / 12;
            arc << QPointF(hinge.x() + reach * std::cos(t), hinge.y() + reach * std::sin(t));
        }
        p.drawPolyline(arc);
    });
}

// A sliding door: a solid bar along one face, against one jamb.
QImage SlidePicture(const Arrangement& a) {
    return Picture(a, [&](QPainter& p, int wx) {
        const double x = a.negativeSide ? wx - 2.5 : wx + kWallThickness + 2.5;
        const double y0 = a.atStart ? kJambStart - 2 : kJambEnd + 2;
        const double y1 = a.atStart ? y0 + 14 : y0 - 14;
        p.setPen(QPen(Qt::black, 3));
        p.drawLine(QPointF(x, y0), QPointF(x, y1));
    });
}

// Four columns and two rows: each radio with its picture beside it.
Controls PictureRadios(const int32_t (&radios)[8], const int32_t (&icons)[8]) {
    Controls c;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int code = 1 + row + 2 * column;
            const bool first = column == 0;
            c.push_back({.Kind = ControlKind::Icon, .SameRow = !first, .IconId = icons[code - 1]});
            c.push_back({.Id = radios[code - 1], .Kind = ControlKind::RadioButton, .Text = "",
                         .GroupStart = row == 0 && first, .SameRow = true});
        }
    }
    return c;
}

} // namespace

pl::DialogTemplate WindowDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "window";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "size && plan style"},
        {.Kind = ControlKind::Static, .Text = "inches/ m.m"},
        {.Kind = ControlKind::Static, .Text = "window width"},
        {.Id = kWindowWidth, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "window height"},
        {.Id = kWindowHeight, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "text size"},
        {.Id = kWindowText7, .Kind = ControlKind::RadioButton, .Text = "7 pt", .GroupStart = true},
        {.Id = kWindowText9, .Kind = ControlKind::RadioButton, .Text = "9 pt", .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "options"},
        {.Id = kWindowShowSizes, .Kind = ControlKind::CheckBox, .Text = "show sizes on plan"},
        {.Id = kWindowShowCill, .Kind = ControlKind::CheckBox, .Text = "show cill on plan"},
    };
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate ExtDoorDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "doors or openings";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "sizes"},
        {.Kind = ControlKind::Static, .Text = "width of each door ( or of a wall opening )"},
        {.Id = kDoorWidthEdit, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "number of doors"},
        {.Id = kDoorNumberEdit, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "door types"},
        {.Kind = ControlKind::Static, .Text = "main types"},
        {.Id = kDoorHinged, .Kind = ControlKind::RadioButton, .Text = "hinged doors (1-2 doors)", .GroupStart = true},
        {.Id = kDoorEntryFrame, .Kind = ControlKind::RadioButton, .Text = "entry frame with hinged door(s)  (1-2 doors)"},
        {.Id = kDoorSlidingFramed, .Kind = ControlKind::RadioButton,
         .Text = "sliding door(s) with side frame(s) (1-2 doors)"},
        {.Kind = ControlKind::EtchedLine},
        {.Kind = ControlKind::Static, .Text = "secondary"},
        {.Id = kDoorIntoWall, .Kind = ControlKind::RadioButton, .Text = "sliding door(s)- can slide into wall (1-2 doors)"},
        {.Id = kDoorWardrobe, .Kind = ControlKind::RadioButton, .Text = "wardrobe type passing sliders (2,4,6,8 or 10)"},
        {.Id = kDoorFolding, .Kind = ControlKind::RadioButton, .Text = "folding doors (max 10 doors)"},
        {.Kind = ControlKind::EtchedLine},
        {.Kind = ControlKind::Static, .Text = "others"},
        {.Id = kDoorGarage, .Kind = ControlKind::RadioButton, .Text = "garage door (1 door)"},
        {.Id = kDoorWallOpening, .Kind = ControlKind::RadioButton, .Text = "wall opening"},
    };
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate RobeDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "wardrobe & inwall type sliders";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "both types"},
        {.Kind = ControlKind::Static, .Text = "opening width"},
        {.Id = kRobeOpening, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "inwall type double sliders only"},
        {.Id = kRobeIntoWall, .Kind = ControlKind::CheckBox, .Text = "check ONLY if doors slide INTO walls"},
    };
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate FoldingDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "folding doors";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "hand"},
        {.Id = kFoldingLeft, .Kind = ControlKind::RadioButton, .Text = "doors open from left side", .GroupStart = true},
        {.Id = kFoldingRight, .Kind = ControlKind::RadioButton, .Text = "doors open from right side"},
        {.Id = kFoldingCentre, .Kind = ControlKind::RadioButton, .Text = "doors open from centre"},
    };
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate EntryFrameDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "side frames";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "frame size"},
        {.Kind = ControlKind::Static, .Text = "inches or m.m"},
        {.Kind = ControlKind::Static, .Text = "totall width of  doorframe"},
        {.Id = kEntryFrameWidth, .Kind = ControlKind::Edit, .Text = "", .Limit = 6, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "( includes doors - already specified )"},
        {.Kind = ControlKind::GroupBox, .Text = "door position in frame"},
        {.Kind = ControlKind::Static, .Text = "when viewing wall face"},
        {.Id = kEntryFrameLeft, .Kind = ControlKind::RadioButton, .Text = "doors(s) on LEFT side of frame",
         .GroupStart = true},
        {.Id = kEntryFrameRight, .Kind = ControlKind::RadioButton, .Text = "door(s) on RIGHT side of frame"},
        {.Id = kEntryFrameCentral, .Kind = ControlKind::RadioButton, .Text = "door(s) CENTRAL in frame"},
    };
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate SlidingDoorDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "sliding door";
    box.Controls = {{.Kind = ControlKind::GroupBox, .Text = ""}};
    Append(box.Controls, PictureRadios(kSlidingRadios, kSlidingIcons));
    Append(box.Controls, {
                             {.Kind = ControlKind::GroupBox, .Text = ""},
                             {.Id = kSlidingIntoWall, .Kind = ControlKind::CheckBox,
                              .Text = "check ONLY if door slides INTO wall"},
                         });
    Append(box.Controls, Buttons());
    return box;
}

pl::DialogTemplate DoorSwingDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "doors";
    box.Controls = {{.Kind = ControlKind::GroupBox, .Text = "door type"}};
    Append(box.Controls, PictureRadios(kSwingRadios, kSwingIcons));
    Append(box.Controls, Buttons());
    return box;
}

void RegisterOpeningDialogTemplates() {
    pl::RegisterDialogTemplate(kWindowDialogId, WindowDialogTemplate());
    pl::RegisterDialogTemplate(kExtDoorDialogId, ExtDoorDialogTemplate());
    pl::RegisterDialogTemplate(kRobeDialogId, RobeDialogTemplate());
    pl::RegisterDialogTemplate(kFoldingDialogId, FoldingDialogTemplate());
    pl::RegisterDialogTemplate(kEntryFrameDialogId, EntryFrameDialogTemplate());
    pl::RegisterDialogTemplate(kSlidingDoorDialogId, SlidingDoorDialogTemplate());
    pl::RegisterDialogTemplate(kDoorSwingDialogId, DoorSwingDialogTemplate());
    for (int code = 0; code < 8; ++code) {
        pl::RegisterDialogIcon(kSwingIcons[code], QPixmap::fromImage(SwingPicture(kArrangements[code])));
        pl::RegisterDialogIcon(kSlidingIcons[code], QPixmap::fromImage(SlidePicture(kArrangements[code])));
    }
}
