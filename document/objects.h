// The drawing objects: every visible thing of a drawing and every per-floor record. All stored values
// are 32-bit; the field order is the order the rest of the program and the file formats rely on.
#pragma once

#include <cstdint>

#include "platform/win_types.h"

class TDC;

// "No object" in every index query and search.
constexpr int32_t kNoObject = 30001;

// Kind codes (the `kind` field): they select the class when a file is read and the role everywhere else.
constexpr int32_t kLine = 1;
constexpr int32_t kArc = 3;
constexpr int32_t kText = 4;
constexpr int32_t kEllipse = 5;
constexpr int32_t kCircle = 6;
constexpr int32_t kRectangle = 7;
constexpr int32_t kRoundRect = 8;
constexpr int32_t kNewRoom = 10; // made by the design-room tool; never written to a file
constexpr int32_t kOutlineLine = 11;
constexpr int32_t kDialogText = 24;
constexpr int32_t kAutoDimensionText = 34;
constexpr int32_t kSizeLabel = 35;
constexpr int32_t kRoomNameLabel = 36;
constexpr int32_t kFloorTitle = 37;
constexpr int32_t kLineTypeFirst = 41;
constexpr int32_t kLineTypeLast = 99;
constexpr int32_t kOpeningPolygon = 100; // also the first polygon kind
constexpr int32_t kExtWall = 1000;
constexpr int32_t kIntWall = 1500;
constexpr int32_t kAutoArrow = 25000; // also the end of the polygon kinds
constexpr int32_t kAutoDimension = 25100;
constexpr int32_t kManualArrow = 26000;
constexpr int32_t kManualDimension = 26100;
constexpr int32_t kMarkerPolygon = 27000;
constexpr int32_t kMarkerLineFirst = 27001;
constexpr int32_t kMarkerLineLast = 27004;
constexpr int32_t kOpening = 28000;
constexpr int32_t kDesignRoom = 29000;
constexpr int32_t kReopenedRoom = 29001;
constexpr int32_t kFinishedRoom = 29500;
constexpr int32_t kFloorRecord = 32000; // kinds 32000 and above; floor f has kind f + 31950
constexpr int32_t kFloorRecordBase = 31950;

// View codes (the `view` field and `CurrentView`).
constexpr int32_t kRoomLayout = 40; // 41 and 42: room layouts of floors 51 and 52
constexpr int32_t kWallMarking = 45; // the ground-floor layout while its external walls are marked
constexpr int32_t kLastLayoutView = 49;
constexpr int32_t kGroundFloor = 50;
constexpr int32_t kFirstFloor = 51;
constexpr int32_t kSecondFloor = 52;
constexpr int32_t kFourthLevel = 53;
constexpr int32_t kFootingPlan = 54;
constexpr int32_t kLastFloorView = 58; // the floor views run from kGroundFloor to here
constexpr int32_t kSitePlan = 59;
constexpr int32_t kPrintSetup = 100;       // while the print dialogs are open; every view from here on prints
constexpr int32_t kPrintViewOffset = 1000; // the printed floor's code plus this while a page prints

// Kind families as the file formats group them.
constexpr bool IsLineKind(int32_t k) {
    return k == kLine || k == kOutlineLine || (k >= kLineTypeFirst && k <= kLineTypeLast) ||
           (k >= kMarkerLineFirst && k <= kMarkerLineLast);
}
constexpr bool IsTextKind(int32_t k) {
    return k == kText || k == kDialogText || (k >= kAutoDimensionText && k <= kFloorTitle);
}
constexpr bool IsArrowKind(int32_t k) {
    return k == kAutoArrow || k == kManualArrow;
}
constexpr bool IsDimensionKind(int32_t k) {
    return k == kAutoDimension || k == kManualDimension;
}
constexpr bool IsRoomRecordKind(int32_t k) {
    return k == kDesignRoom || k == kReopenedRoom || k == kFinishedRoom;
}
// Polygons and symbols: 100 up to 24999 except the two wall kinds.
constexpr bool IsPolygonKind(int32_t k) {
    return k >= kOpeningPolygon && k < kAutoArrow && k != kExtWall && k != kIntWall;
}
constexpr bool IsFloorRecordKind(int32_t k) {
    return k >= kFloorRecord;
}

// Identifier rules. A creator advances `IdCounter` once per composite; every piece shares the id.
// Walls, openings and rooms placed on a floor add the floor base (10000 for view 50 up to 13000 for 53).
int32_t FloorIdBase(int32_t view);
int32_t NextCompositeId();                  // advances IdCounter and returns it
int32_t NextFloorCompositeId(int32_t view); // FloorIdBase(view) + the advanced IdCounter

class TObject {
public:
    TObject();
    TObject(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
            int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour);
    virtual ~TObject() = default;

    // The eight drawing operations, in slot order. Bodies belong to rendering.
    virtual void Draw(TDC& dc);
    virtual void DrawSolid(TDC& dc);
    virtual void DrawHatched(TDC& dc, int32_t selected);
    virtual void Paint(TDC& dc, const RECT& client, int32_t selected);
    virtual void PaintInWindow(TDC& dc, const RECT& client, int32_t selected);
    virtual void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset);
    virtual void PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset);
    virtual void PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset);

    // Printed page and bitmap painting (not virtual).
    void PaintWide(TDC& dc);
    void PaintForPrint(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset);

    // Identity, for the container's search.
    bool operator==(const TObject& other) const { return this == &other; }

    // Clears target[0..16], then copies the first n (0 to 17) values of source.
    static void CopyInts17(const int32_t* source, int32_t n, int32_t* target);
    // Copies four values (the attribute blocks of walls and polygons).
    static void CopyInts4(const int32_t* source, int32_t* target);

    int32_t view = 0;
    int32_t kind = kLine;
    int32_t penWidth = 1;
    int32_t penStyle = 0;
    int32_t id = 0;
    int32_t group = 0;
    int32_t x1 = 0;
    int32_t aux1 = 0; // never a coordinate: texts' moved flag, external walls' bottom height
    int32_t x2 = 0;   // texts: a second angle in tenths of a degree
    int32_t aux2 = 0; // external walls: top height
    int32_t y1 = 0;
    int32_t y2 = 0; // texts: a plain value; room name labels: the offset a whole-drawing turn applies
    COLORREF colour = 0;
};

// What the group field holds, read from the record layout of each kind (defined with the layouts).
// Whether objects of this kind can carry a composite's number there: an external wall keeps its face
// length in it and a floor record nothing, and a length can equal any composite's number (10000 + n),
// so neither ever belongs to a group.
bool KindCarriesGroups(int32_t kind);
// Whether o's group field holds a composite's number. A line is a piece of a composite only when it
// carries an identifier (its composite's, or that of the wall its opening stands in); a line drawn on
// its own has none, and its group field keeps the length of the segment last keyed.
bool HoldsGroup(const TObject& o);
// Whether o is a piece of the composite numbered `group`; group 0 ties nothing together.
bool InGroup(const TObject& o, int32_t group);

// Kinds 1, 11, 41 to 99, 27001 to 27004.
class TLineobj : public TObject {
public:
    TLineobj();
    TLineobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
             int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
             int32_t angle, int32_t extra);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t angle = 0; // bearing in tenths of a degree (outline lines, kind 11)
    int32_t extra = 0; // carried unchanged through every file
};

// Kinds 4, 24, 34 to 37.
class TTextobj : public TObject {
public:
    static constexpr int32_t kTextCapacity = 79;
    static constexpr int32_t kFontNameCapacity = 31;

    TTextobj();
    TTextobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
             int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
             const char* text, const char* fontName, int32_t angle, int32_t style, int32_t weight,
             int32_t height);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    // Store a string cut to its field's capacity, keeping the length field equal to it.
    void SetText(const char* s);
    void SetFontName(const char* s);

    char text[80] = {};
    char fontName[32] = {};
    int32_t textLength = 0;
    int32_t fontNameLength = 0;
    int32_t angle = 0;  // escapement: 0 or 2700 as created
    int32_t style = 0;  // 1 to 6: anchoring at (x1, y1)
    int32_t weight = 0; // 500 and above draws bold
    int32_t height = 0; // drawing units before scaling
};

// Kind 1000.
class TExtwallobj : public TObject {
public:
    TExtwallobj();
    TExtwallobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
                int32_t thickness1, int32_t thickness2, int32_t thickness3, int32_t setting1,
                int32_t setting2, int32_t state, int32_t direction, const int32_t layerPoints[12],
                int32_t value1, int32_t value2, const int32_t attr[4]);
    void Draw(TDC& dc) override;
    void DrawSolid(TDC& dc) override;
    void DrawHatched(TDC& dc, int32_t selected) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
    void PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
    void PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t thickness1 = 0;
    int32_t thickness2 = 0; // 0: a single layer (two face lines)
    int32_t thickness3 = 0;
    int32_t setting1 = 0;
    int32_t setting2 = 0;
    int32_t state = 0; // 1 as created
    int32_t direction = 0;
    // Ends of the further layer lines: p1-p2, p3-p4, p5-p6.
    int32_t p1x = 0, p1y = 0, p2x = 0, p2y = 0, p3x = 0, p3y = 0;
    int32_t p4x = 0, p4y = 0, p5x = 0, p5y = 0, p6x = 0, p6y = 0;
    int32_t value1 = 0;
    int32_t value2 = 0;
    int32_t attr[4] = {};
};

// Kind 1500.
class TIntwallobj : public TObject {
public:
    TIntwallobj();
    TIntwallobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
                int32_t thickness, int32_t setting1, int32_t setting2, int32_t setting3, int32_t setting4,
                int32_t state, int32_t direction, int32_t q1x, int32_t q1value, int32_t q1y, int32_t q2x,
                int32_t q2y, const int32_t attr[4], int32_t value1, int32_t value2);
    void Draw(TDC& dc) override;
    void DrawSolid(TDC& dc) override;
    void DrawHatched(TDC& dc, int32_t selected) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
    void PrintSolid(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
    void PrintHatched(TDC& dc, int32_t selected, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t thickness = 0;
    int32_t setting1 = 0;
    int32_t setting2 = 0;
    int32_t setting3 = 0; // hatch-pattern value
    int32_t setting4 = 0;
    int32_t state = 0; // 1 as created
    int32_t direction = 0;
    // The second face runs from (q1x, q1y) to (q2x, q2y); q1value is not a coordinate.
    int32_t q1x = 0;
    int32_t q1value = 0;
    int32_t q1y = 0;
    int32_t q2x = 0;
    int32_t q2y = 0;
    int32_t attr[4] = {};
    int32_t value1 = 0;
    int32_t value2 = 0;
};

// Kinds 25000, 26000: tip (x1, y1), tail (x2, y2), barbs h1 and h2, witness line h3-h4.
class TArrowobj : public TObject {
public:
    TArrowobj();
    TArrowobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
              int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
              int32_t h1x, int32_t h1y, int32_t h2x, int32_t h2y, int32_t h3x, int32_t h3y, int32_t h4x,
              int32_t h4y);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t h1x = 0, h1y = 0, h2x = 0, h2y = 0, h3x = 0, h3y = 0, h4x = 0, h4y = 0;
};

// Kinds 25100, 26100.
class TDimensobj : public TObject {
public:
    TDimensobj();
    TDimensobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
               int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
               int32_t value, int32_t d1x, int32_t d1y, int32_t d2x, int32_t d2y, int32_t value2);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t value = 1; // end-mark style
    int32_t d1x = 0, d1y = 0, d2x = 0, d2y = 0;
    int32_t value2 = 0; // orientation in tenths of a degree
};

// Kinds 100 to 24999 (not 1000, 1500) and 27000.
class TPolyobj : public TObject {
public:
    static constexpr int32_t kMaxPoints = 17;

    TPolyobj();
    TPolyobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
             int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
             const int32_t* px, const int32_t* py, const int32_t* ph, const int32_t attr[4], int32_t count,
             int32_t p1, int32_t p2, int32_t p3, int32_t p4, int32_t p5, int32_t p6);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t px[17] = {};
    int32_t py[17] = {};
    int32_t ph[17] = {}; // a height per point, not a coordinate
    int32_t attr[4] = {};
    int32_t count = 0; // points in use, at most 17
    int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0;
    int32_t p6 = 0; // fill colour of the filled kinds
};

// Kind 28000 (made only by the file readers).
class TOpeningobj : public TPolyobj {
public:
    TOpeningobj();

    int32_t value1 = 0;
    int32_t value2 = 0;
};

// Kinds 29000, 29001, 29500 (and 10): (x1, y1) top left, (x2, y2) bottom right.
class TRoomobj : public TObject {
public:
    static constexpr int32_t kNameCapacity = 20;
    static constexpr int32_t kSizeTextCapacity = 16;

    TRoomobj();
    TRoomobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
             int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
             int32_t value1, int32_t value2, int32_t value3, int32_t value4, COLORREF fillColour,
             const char* name, const char* widthText, const char* lengthText);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    // Store a string cut to its field's capacity, keeping the length field equal to it.
    void SetName(const char* s);
    void SetWidthText(const char* s);
    void SetLengthText(const char* s);

    int32_t nameLength = 0;
    int32_t widthTextLength = 0;
    int32_t lengthTextLength = 0;
    int32_t value1 = 0; // size option
    int32_t value2 = 0; // label text height
    int32_t value3 = 0; // width
    int32_t value4 = 0; // length
    COLORREF fillColour = 0;
    char name[21] = {};
    char widthText[17] = {};
    char lengthText[17] = {};
};

// Kinds 32000 and above: one per floor.
class TInfoobj : public TObject {
public:
    TInfoobj();
    TInfoobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
             int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
             int32_t value);

    int32_t value = 0; // floor area
};

// Kind 3: (x1, y1)-(x2, y2) bounds the full ellipse; (sx, sy) and (ex, ey) are the radial points.
class TArcobj : public TObject {
public:
    TArcobj();
    TArcobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
            int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
            int32_t sx, int32_t sy, int32_t ex, int32_t ey);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t sx = 0, sy = 0, ex = 0, ey = 0;
};

// Kind 5.
class TEllipseobj : public TObject {
public:
    using TObject::TObject;
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
};

// Kind 6.
class TCircleobj : public TObject {
public:
    using TObject::TObject;
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
};

// Kind 7.
class TRectangleobj : public TObject {
public:
    using TObject::TObject;
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;
};

// Kind 8: the corners use an ellipse twice `corner` wide and high.
class TRndrectobj : public TRectangleobj {
public:
    TRndrectobj();
    TRndrectobj(int32_t view, int32_t kind, int32_t penWidth, int32_t penStyle, int32_t id, int32_t group,
                int32_t x1, int32_t aux1, int32_t x2, int32_t aux2, int32_t y1, int32_t y2, COLORREF colour,
                int32_t corner);
    void Draw(TDC& dc) override;
    void Print(TDC& dc, int32_t divisor, int32_t yBase, int32_t yOffset) override;

    int32_t corner = 0;
};
