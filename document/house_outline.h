// Which face of an external wall looks into the house. A wall's drawn line is the line the user
// keyed; its layer lines lie on one side of it, so its innermost layer line is the face toward the
// inside only when the walls were put inside the keyed outline. Drawn the other way round, or with
// the walls on the other side of the keyed line, the drawn line is that face.
#pragma once

#include <cstdint>
#include <vector>

class TExtwallobj;
class TList;

// A face of an external wall, its ends in the order the wall runs.
struct WallFace {
    int32_t x1, y1, x2, y2;
};

// A face's ends put in order: the smaller and larger x, the larger and smaller y (y grows upwards).
struct FaceBox {
    int32_t left, right, top, bottom;
};

// The keyed outline of the external walls of one view, read once for the faces of many walls.
class HouseOutline {
public:
    HouseOutline(const TList& document, int32_t view);

    // The face of the wall toward the inside of the house. A wall that is no side of a closed outline
    // has no inside to tell by: its innermost layer line, as the walls are stored.
    WallFace InnerFace(const TExtwallobj& wall) const;
    // The same face with its ends in order.
    FaceBox InnerFaceBox(const TExtwallobj& wall) const;
    // Whether the face toward the inside is the line the user keyed, the wall's layers lying outside
    // the house: then nothing of the wall's thickness lies inside it.
    bool KeyedLineInside(const TExtwallobj& wall) const;

    // Whether the house lies on the wall's left as it runs, as when its outline is keyed anticlockwise.
    // A wall that is no side of a closed outline is taken as keyed clockwise, as walls always were.
    bool OnLeft(const TExtwallobj& wall) const;

private:
    bool Closes(const TExtwallobj& wall) const;
    bool Encloses(int64_t x2, int64_t y2) const;

    std::vector<WallFace> drawn_; // the drawn lines of the closed outlines
};
