#include "resources/dialogs/dimension_templates.h"

#include <QPainter>
#include <QPixmap>

#include "platform/dialog.h"
#include "platform/win_types.h"
#include "resources/dialogs/template_controls.h"

using pl::ControlKind;
using pl::ControlTemplate;

namespace {

using templatecontrols::Button;
using templatecontrols::Label;

ControlTemplate Group(const char* text) {
    return {.Kind = ControlKind::GroupBox, .Text = text};
}

ControlTemplate Radio(int32_t id, const char* text, bool groupStart = false, bool sameRow = false) {
    return {.Id = id,
            .Kind = ControlKind::RadioButton,
            .Text = text,
            .GroupStart = groupStart,
            .SameRow = sameRow};
}

ControlTemplate Edit(int32_t id, int32_t limit) {
    return {.Id = id, .Kind = ControlKind::Edit, .Limit = limit, .SameRow = true};
}

struct OffsetIds {
    int32_t room, external, overall, horizontal, parallel, dim9, dim10, roomDim9, roomDim10, name9, name10;
};

pl::DialogTemplate OffsetTemplate(const char* caption, const char* unit, const OffsetIds& id,
                                  const char* horizontalText, const char* parallelText) {
    const std::string u = unit;
    return {caption,
            {Group("dimension offsets"),
             Label(("rooms, from the wall " + u).c_str()),
             Edit(id.room, 6),
             Label(("external walls, from the wall " + u).c_str()),
             Edit(id.external, 6),
             Label(("overall dimensions " + u).c_str()),
             Edit(id.overall, 6),
             Group("text direction"),
             Radio(id.horizontal, horizontalText, true),
             Radio(id.parallel, parallelText),
             Group("dimension text"),
             Radio(id.dim9, "9 pts", true),
             Radio(id.dim10, "10 pts", false, true),
             Group("room dimension text"),
             Radio(id.roomDim9, "9 pts", true),
             Radio(id.roomDim10, "10 pts", false, true),
             Group("room name text"),
             Radio(id.name9, "9 pts", true),
             Radio(id.name10, "10 pts", false, true),
             {.Kind = ControlKind::GroupEnd},
             Button(IDOK, "OK"),
             Button(IDCANCEL, "Cancel"),
             Button(IDHELP, "Help")}};
}

// The four head styles as the arrow dialog shows them: an open head with a cross bar, a closed
// head, an oblique tick and a dot, each at the end of a short dimension line.
QPixmap HeadPicture(int32_t style) {
    QPixmap picture(48, 24);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(4, 12, 44, 12);
    switch (style) {
    case 1:
        p.drawLine(44, 12, 36, 8);
        p.drawLine(44, 12, 36, 16);
        p.drawLine(44, 4, 44, 20);
        break;
    case 2: {
        p.setBrush(Qt::black);
        const QPointF head[] = {{44, 12}, {34, 7}, {34, 17}};
        p.drawPolygon(head, 3);
        break;
    }
    case 3:
        p.drawLine(40, 18, 48, 6);
        p.drawLine(44, 4, 44, 20);
        break;
    default:
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(44, 12), 3.5, 3.5);
        break;
    }
    return picture;
}

} // namespace

pl::DialogTemplate OffsetDialogTemplate() {
    using namespace dimdlg;
    return OffsetTemplate("showing dimensions", "(mm)",
                          {kRoomOffset, kExternalOffset, kOverallOffset, kHorizontal, kParallel, kDimension9,
                           kDimension10, kRoomDimension9, kRoomDimension10, kRoomName9, kRoomName10},
                          "all text  horizontal", "text parallel to wall");
}

pl::DialogTemplate OffsetImpDialogTemplate() {
    using namespace dimdlg;
    return OffsetTemplate("dimension offsets", "(inches)",
                          {kImpRoomOffset, kImpExternalOffset, kImpOverallOffset, kImpHorizontal,
                           kImpParallel, kImpDimension9, kImpDimension10, kImpRoomDimension9,
                           kImpRoomDimension10, kImpRoomName9, kImpRoomName10},
                          "all text horizntal", "text parallel to walls");
}

pl::DialogTemplate ArrowDialogTemplate() {
    using namespace dimdlg;
    pl::DialogTemplate t{"arrow styles",
                         {Label("arrow length (mm, or inches in a feet and inches drawing)"),
                          Edit(kArrowLength, 5), Group("arrow head")}};
    for (int32_t i = 0; i < 4; ++i) {
        t.Controls.push_back(Radio(kHeadStyle1 + i, ("style " + std::to_string(i + 1)).c_str(), i == 0));
        t.Controls.push_back({.Id = kHeadIcon1 + i, .Kind = ControlKind::Icon, .IconId = kHeadIcon1 + i});
    }
    t.Controls.push_back({.Kind = ControlKind::GroupEnd});
    for (const ControlTemplate& b : {Button(IDOK, "OK"), Button(IDCANCEL, "Cancel"), Button(IDHELP, "Help")})
        t.Controls.push_back(b);
    return t;
}

void RegisterDimensionDialogTemplates() {
    pl::RegisterDialogTemplate(kOffsetDialogId, OffsetDialogTemplate());
    pl::RegisterDialogTemplate(kOffsetImpDialogId, OffsetImpDialogTemplate());
    pl::RegisterDialogTemplate(kArrowDialogId, ArrowDialogTemplate());
    for (int32_t i = 0; i < 4; ++i)
        pl::RegisterDialogIcon(dimdlg::kHeadIcon1 + i, HeadPicture(i + 1));
}
