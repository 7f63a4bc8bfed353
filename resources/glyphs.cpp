#include "resources/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace res {

namespace {

const QColor kInk(0, 0, 0);
const QColor kMark(200, 0, 0);      // what the command finds or changes
const QColor kWall(96, 96, 96);     // wall bodies
const QColor kRoom(255, 240, 170);  // design-room fill
const QColor kGlass(120, 170, 230); // window panes and overlaid floors

QPen Pen(const QColor& colour, qreal width = 1.0) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void Arrowhead(QPainter& p, QPointF tip, QPointF back1, QPointF back2, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({tip, back1, back2}));
    p.setBrush(Qt::NoBrush);
}

void Undo(QPainter& p) {
    // A turn back: along, round and back to the start, ending in an arrow pointing left.
    QPainterPath path;
    path.moveTo(4, 13);
    path.lineTo(10, 13);
    path.arcTo(QRectF(6, 5, 8, 8), -90, 180);
    path.lineTo(5, 5);
    p.setPen(Pen(kInk, 2));
    p.drawPath(path);
    Arrowhead(p, QPointF(0.5, 5), QPointF(6, 1), QPointF(6, 9), kInk);
}

void Datum(QPainter& p) {
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(8, 0), QPointF(8, 16));
    p.drawLine(QPointF(0, 8), QPointF(16, 8));
    p.setPen(Pen(kMark, 1.5));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
}

void Centre(QPainter& p) {
    p.setPen(Pen(kInk, 2));
    p.drawLine(QPointF(1, 11), QPointF(15, 11));
    p.drawLine(QPointF(1, 8), QPointF(1, 14));
    p.drawLine(QPointF(15, 8), QPointF(15, 14));
    p.setPen(Pen(kMark, 2));
    p.drawLine(QPointF(8, 2), QPointF(8, 10));
}

void CentreCentre(QPainter& p) {
    p.setPen(Pen(kInk));
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    p.setPen(Pen(kInk, 0.8));
    p.drawLine(QPointF(1.5, 3.5), QPointF(14.5, 12.5));
    p.drawLine(QPointF(14.5, 3.5), QPointF(1.5, 12.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kMark);
    p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
}

void Erase(QPainter& p) {
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(1, 13), QPointF(15, 13));
    p.drawRect(QRectF(2.5, 6.5, 6, 4));
    p.setPen(Pen(kMark, 2.5));
    p.drawLine(QPointF(3, 2), QPointF(14, 13));
    p.drawLine(QPointF(14, 2), QPointF(3, 13));
}

void DisplayMode(QPainter& p) {
    // A wall shown three ways: normal, hatched, solid.
    p.setPen(Pen(kInk));
    p.drawRect(QRectF(0.5, 1.5, 4, 13));
    p.drawRect(QRectF(5.5, 1.5, 4, 13));
    p.setPen(Pen(kInk, 0.8));
    for (int y = 2; y < 15; y += 3)
        p.drawLine(QPointF(5.5, y + 3), QPointF(9.5, y));
    p.setPen(Pen(kInk));
    p.setBrush(kWall);
    p.drawRect(QRectF(10.5, 1.5, 4, 13));
    p.setBrush(Qt::NoBrush);
}

void Overlays(QPainter& p) {
    p.setPen(Pen(kGlass, 1.5));
    p.drawRect(QRectF(5.5, 1.5, 9, 9));
    p.setPen(Pen(kInk, 1.5));
    p.drawRect(QRectF(1.5, 5.5, 9, 9));
}

void LayoutGrid(QPainter& p) {
    // The room-layout grid with a room snapped to it: solid lines, so the grid reads at 16 x 16.
    p.setPen(Pen(QColor(150, 150, 150)));
    for (int i = 1; i < 16; i += 4) {
        p.drawLine(QPointF(i + 0.5, 0), QPointF(i + 0.5, 16));
        p.drawLine(QPointF(0, i + 0.5), QPointF(16, i + 0.5));
    }
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(kRoom);
    p.drawRect(QRectF(5.5, 5.5, 8, 4));
    p.setBrush(Qt::NoBrush);
}

void Text(QPainter& p) {
    // A capital A drawn in strokes, so the glyph does not depend on a font.
    p.setPen(Pen(kInk, 2));
    p.drawLine(QPointF(2, 15), QPointF(8, 1));
    p.drawLine(QPointF(8, 1), QPointF(14, 15));
    p.drawLine(QPointF(4.5, 10), QPointF(11.5, 10));
}

void Multilines(QPainter& p) {
    // One line after another, each starting where the last ended.
    const QPolygonF joints({QPointF(1.5, 14), QPointF(4.5, 3), QPointF(10, 12), QPointF(14.5, 2)});
    p.setPen(Pen(kInk, 1.5));
    p.drawPolyline(joints);
    p.setPen(Qt::NoPen);
    p.setBrush(kMark);
    for (QPointF joint : joints)
        p.drawRect(QRectF(joint.x() - 1.5, joint.y() - 1.5, 3, 3));
    p.setBrush(Qt::NoBrush);
}

void Windows(QPainter& p) {
    // A window seen from outside: frame, glazing bars and panes, on a sill.
    p.setPen(Pen(kInk, 1.5));
    p.setBrush(kGlass);
    p.drawRect(QRectF(2.5, 1.5, 11, 11));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kInk));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 12.5));
    p.drawLine(QPointF(2.5, 7), QPointF(13.5, 7));
    p.setPen(Pen(kWall, 2));
    p.drawLine(QPointF(1, 14), QPointF(15, 14));
}

void Doors(QPainter& p) {
    // A wall with a door leaf and its swing.
    p.setBrush(kWall);
    p.setPen(Pen(kInk));
    p.drawRect(QRectF(0.5, 12.5, 2, 3));
    p.drawRect(QRectF(13.5, 12.5, 2, 3));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kInk, 1.5));
    p.drawLine(QPointF(3, 13), QPointF(3, 2));
    p.setPen(Pen(kMark));
    p.drawArc(QRectF(-8, 2, 22, 22), 0, 90 * 16);
}

void InternalWall(QPainter& p) {
    // The external walls of a floor with an internal wall dividing it.
    p.setPen(Pen(kWall, 2.5));
    p.drawRect(QRectF(1.25, 1.25, 13.5, 13.5));
    p.setPen(Pen(kInk));
    p.setBrush(kMark);
    p.drawRect(QRectF(6.5, 2.5, 3, 9));
    p.setBrush(Qt::NoBrush);
}

void RoomBox(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(kRoom);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setBrush(Qt::NoBrush);
}

void NewDesignRoom(QPainter& p) {
    RoomBox(p);
    p.setPen(Pen(kMark, 2));
    p.drawLine(QPointF(8, 5), QPointF(8, 11));
    p.drawLine(QPointF(5, 8), QPointF(11, 8));
}

void FinishDesignRooms(QPainter& p) {
    RoomBox(p);
    p.setPen(Pen(QColor(0, 140, 0), 2));
    p.drawLine(QPointF(4, 8), QPointF(7, 11));
    p.drawLine(QPointF(7, 11), QPointF(12, 4));
}

void AlterRoom(QPainter& p) {
    p.setPen(Pen(kInk));
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(1.5, 2.5, 9, 8));
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kMark, 1.5));
    p.drawLine(QPointF(8, 8), QPointF(13, 13));
    Arrowhead(p, QPointF(15.5, 15.5), QPointF(10, 14), QPointF(14, 10), kMark);
}

void MaxRoomSize(QPainter& p) {
    p.setPen(Pen(kInk));
    p.drawRect(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Pen(kMark));
    p.drawLine(QPointF(4, 8), QPointF(12, 8));
    p.drawLine(QPointF(8, 4), QPointF(8, 12));
    Arrowhead(p, QPointF(2, 8), QPointF(5, 5.5), QPointF(5, 10.5), kMark);
    Arrowhead(p, QPointF(14, 8), QPointF(11, 5.5), QPointF(11, 10.5), kMark);
    Arrowhead(p, QPointF(8, 2), QPointF(5.5, 5), QPointF(10.5, 5), kMark);
    Arrowhead(p, QPointF(8, 14), QPointF(5.5, 11), QPointF(10.5, 11), kMark);
}

void MarkExternalWalls(QPainter& p) {
    p.setPen(Pen(kInk, 2));
    p.drawPolyline(QPolygonF({QPointF(2, 14), QPointF(2, 2), QPointF(14, 2), QPointF(14, 9), QPointF(9, 9),
                              QPointF(9, 14), QPointF(2, 14)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kMark);
    for (QPointF corner :
         {QPointF(2, 2), QPointF(14, 2), QPointF(14, 9), QPointF(9, 9), QPointF(9, 14), QPointF(2, 14)})
        p.drawRect(QRectF(corner.x() - 1.5, corner.y() - 1.5, 3, 3));
    p.setBrush(Qt::NoBrush);
}

using Painter = void (*)(QPainter&);

struct GlyphEntry {
    int32_t Id;
    Painter Paint;
};

constexpr GlyphEntry kGlyphs[] = {
    {1001, Undo},
    {1002, Datum},
    {1003, Centre},
    {1004, CentreCentre},
    {1005, Erase},
    {1006, DisplayMode},
    {1010, Overlays},
    {1011, LayoutGrid},
    {1012, Text},
    {1014, Multilines},
    {1015, Windows},
    {1016, Doors},
    {1017, InternalWall},
    {1027, MarkExternalWalls},
    {1028, NewDesignRoom},
    {1029, MaxRoomSize},
    {1030, FinishDesignRooms},
    {1031, AlterRoom},
};

QImage Blank() {
    QImage image(kGlyphSize, kGlyphSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage Glyph(int32_t bitmapId) {
    QImage image = Blank();
    for (const auto& entry : kGlyphs) {
        if (entry.Id != bitmapId) continue;
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        entry.Paint(painter);
        break;
    }
    return image;
}

QImage ProgramIcon() {
    QImage image = Blank();
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, 16, 16), QColor(255, 255, 255));
    painter.setPen(Pen(kInk, 2));
    painter.drawRect(QRectF(2, 2, 12, 12));
    painter.setPen(Pen(kInk));
    painter.drawLine(QPointF(8, 2), QPointF(8, 9));
    painter.drawLine(QPointF(2, 9), QPointF(11, 9));
    painter.setPen(Pen(kMark));
    painter.drawArc(QRectF(8, 6, 6, 6), 90 * 16, 90 * 16);
    return image;
}

} // namespace res
