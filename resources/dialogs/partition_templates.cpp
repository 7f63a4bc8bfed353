#include "resources/dialogs/partition_templates.h"

#include <cmath>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "platform/dialog.h"
#include "platform/win_types.h"

namespace {

using pl::ControlKind;

// The end both partition dialogs share: the four side radios, in the order the dialogs test them,
// and the buttons.
std::vector<pl::ControlTemplate> SideRadiosAndButtons(int32_t left, int32_t right, int32_t above,
                                                      int32_t below) {
    return {
        {.Id = left, .Kind = ControlKind::RadioButton, .Text = "LEFT of first line", .GroupStart = true},
        {.Id = right, .Kind = ControlKind::RadioButton, .Text = "RIGHT of first line"},
        {.Id = above, .Kind = ControlKind::RadioButton, .Text = "ABOVE first line"},
        {.Id = below, .Kind = ControlKind::RadioButton, .Text = "BELOW first line"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDCANCEL, .Kind = ControlKind::PushButton, .Text = "Cancel"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
}

void Append(std::vector<pl::ControlTemplate>& to, const std::vector<pl::ControlTemplate>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// A door in plan: the wall jamb, the leaf opened to the angle and its swing.
QImage DoorAngleIcon(int degrees) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(2, 28), QPointF(30, 28));
    const double radians = degrees * M_PI / 180.0;
    p.drawLine(QPointF(4, 28), QPointF(4 + 24 * std::cos(radians), 28 - 24 * std::sin(radians)));
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawArc(QRectF(-20, 4, 48, 48), 0, degrees * 16);
    return image;
}

} // namespace

pl::DialogTemplate PartitionDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "internal walls  or  double lines";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = ""},
        {.Kind = ControlKind::Static, .Text = "width of internal wall or double line spacing"},
        {.Id = kPartitionThickness, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::EtchedLine},
        {.Kind = ControlKind::Static, .Text = "second line to start :-"},
    };
    Append(box.Controls,
           SideRadiosAndButtons(kPartitionLeft, kPartitionRight, kPartitionAbove, kPartitionBelow));
    return box;
}

pl::DialogTemplate PartitionImpDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "internal walls  or  double lines";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "wall width or double line spacing"},
        {.Kind = ControlKind::Static, .Text = "width  (inches)"},
        {.Id = kPartitionImpInches, .Kind = ControlKind::Edit, .Text = " ", .Limit = 5, .SameRow = true},
        {.Id = kPartitionImpNumerator, .Kind = ControlKind::Edit, .Text = "0", .Limit = 3, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "/", .SameRow = true},
        {.Id = kPartitionImpDenominator, .Kind = ControlKind::Edit, .Text = "0", .Limit = 3, .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "second line to start :-"},
    };
    Append(box.Controls, SideRadiosAndButtons(kPartitionImpLeft, kPartitionImpRight, kPartitionImpAbove,
                                              kPartitionImpBelow));
    return box;
}

pl::DialogTemplate DoorDefaultsDialogTemplate() {
    pl::DialogTemplate box;
    box.Caption = "doors";
    box.Controls = {
        {.Kind = ControlKind::GroupBox, .Text = "start up single door size"},
        {.Kind = ControlKind::Static, .Text = "metric   range 100-5000 m,m,"},
        {.Id = kDoorSizeMillimetres, .Kind = ControlKind::Edit, .Text = "", .Limit = 5, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "m.m.", .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "inches - range 4-200 inches"},
        {.Id = kDoorSizeInches, .Kind = ControlKind::Edit, .Text = "", .Limit = 4, .SameRow = true},
        {.Kind = ControlKind::Static, .Text = "inches", .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "door opening angle - plan views"},
        {.Kind = ControlKind::Icon, .IconId = kDoorAngleIcon30},
        {.Kind = ControlKind::Icon, .SameRow = true, .IconId = kDoorAngleIcon60},
        {.Kind = ControlKind::Icon, .SameRow = true, .IconId = kDoorAngleIcon90},
        {.Id = kDoorAngle30, .Kind = ControlKind::RadioButton, .Text = "30", .GroupStart = true},
        {.Id = kDoorAngle60, .Kind = ControlKind::RadioButton, .Text = "60", .SameRow = true},
        {.Id = kDoorAngle90, .Kind = ControlKind::RadioButton, .Text = "90", .SameRow = true},
        {.Kind = ControlKind::GroupBox, .Text = "door thickness - plan views"},
        {.Id = kDoorThin, .Kind = ControlKind::RadioButton, .Text = "1 - minimum", .GroupStart = true},
        {.Id = kDoorThick, .Kind = ControlKind::RadioButton, .Text = "2 - maximum"},
        {.Kind = ControlKind::GroupEnd},
        {.Id = IDOK, .Kind = ControlKind::PushButton, .Text = "OK"},
        {.Id = IDHELP, .Kind = ControlKind::PushButton, .Text = "Help"},
    };
    return box;
}

void RegisterPartitionDialogTemplates() {
    pl::RegisterDialogTemplate(kPartitionDialogId, PartitionDialogTemplate());
    pl::RegisterDialogTemplate(kPartitionImpDialogId, PartitionImpDialogTemplate());
    pl::RegisterDialogTemplate(kDoorDefaultsDialogId, DoorDefaultsDialogTemplate());
    pl::RegisterDialogIcon(kDoorAngleIcon30, QPixmap::fromImage(DoorAngleIcon(30)));
    pl::RegisterDialogIcon(kDoorAngleIcon60, QPixmap::fromImage(DoorAngleIcon(60)));
    pl::RegisterDialogIcon(kDoorAngleIcon90, QPixmap::fromImage(DoorAngleIcon(90)));
}
