// The layer lines of an external wall where it meets the wall before it.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "document/document.h"
#include "walls/extwall_outline.h"

namespace {

using Points = std::vector<int32_t>;

// A wall whose stored bearing runs against its own ends, as a hand-edited file may hold: met square
// by a wall running on in line with its ends, it is taken as folding back. The new wall still gets
// square lines at that end, never points left at the sheet origin.
TEST(ExtWallOutline, FoldingBackByTheStoredBearingGivesAFreeEnd) {
    TList doc;
    auto before = std::make_unique<TExtwallobj>();
    before->kind = kExtWall;
    before->view = kGroundFloor;
    before->x1 = 20000, before->y1 = 10000, before->x2 = 10000, before->y2 = 10000;
    before->direction = 900;
    before->thickness1 = 110, before->thickness2 = 55, before->thickness3 = 110;
    doc.Add(std::move(before));

    walls::ExtWallWork w;
    w.x1 = 10000, w.y1 = 10000, w.x2 = 5000, w.y2 = 10000;
    w.angle = 2700;
    w.layer1 = 110, w.layer2 = 55, w.layer3 = 110;
    walls::ComputeOutline(w, doc, 0, kNoObject);

    EXPECT_EQ((Points{w.layerX[0], w.layerY[0], w.layerX[2], w.layerY[2], w.layerX[4], w.layerY[4]}),
              (Points{10000, 10110, 10000, 10165, 10000, 10275}));
}

} // namespace
