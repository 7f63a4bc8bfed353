// Angled partitions from every wall of a house keyed either way round, free or reaching the far side,
// with the second face on each side, and a doorway cut into each.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "document/document.h"
#include "walls/opening_construction.h"
#include "walls/opening_marking.h"
#include "walls/partition_outline.h"
#include "walls/partition_snapping.h"

namespace {

// Four-line walls keyed round (0, 0)-(w, h) from its top left, each wall's layers on its right.
void AddHouse(TList& doc, int32_t w, int32_t h, const int32_t (&l)[3], bool clockwise) {
    const int32_t cx[4] = {0, clockwise ? w : 0, w, clockwise ? 0 : w}, cy[4] = {h, clockwise ? h : 0, 0, clockwise ? 0 : h};
    for (int i = 0; i < 4; ++i) {
        auto e = std::make_unique<TExtwallobj>();
        const int32_t ax = cx[i], ay = cy[i], bx = cx[(i + 1) % 4], by = cy[(i + 1) % 4];
        const int32_t ux = (bx > ax) - (bx < ax), uy = (by > ay) - (by < ay), turn = clockwise ? 1 : -1;
        e->view = kGroundFloor, e->kind = kExtWall, e->id = 9000 + i, e->x1 = ax, e->y1 = ay, e->x2 = bx, e->y2 = by;
        e->direction = ux ? (ux > 0 ? 900 : 2700) : (uy > 0 ? 0 : 1800);
        e->thickness1 = l[0], e->thickness2 = l[1], e->thickness3 = l[2];
        int32_t* layer[3][4] = {{&e->p1x, &e->p1y, &e->p2x, &e->p2y}, {&e->p3x, &e->p3y, &e->p4x, &e->p4y},
                                {&e->p5x, &e->p5y, &e->p6x, &e->p6y}};
        for (int32_t k = 0, s = 0; k < 3; ++k) {
            s += l[k];
            *layer[k][0] = ax + uy * s + ux * s * turn, *layer[k][1] = ay - ux * s + uy * s * turn;
            *layer[k][2] = bx + uy * s - ux * s * turn, *layer[k][3] = by - ux * s - uy * s * turn;
        }
        doc.Add(std::move(e));
    }
}

// How far (x, y) lies to the right of the line through a and b.
double Off(double ax, double ay, double bx, double by, double x, double y) {
    return ((by - ay) * (x - ax) - (bx - ax) * (y - ay)) / std::hypot(bx - ax, by - ay);
}

class AngledPartition : public ::testing::TestWithParam<std::tuple<bool, int32_t>> {};

TEST_P(AngledPartition, FacesNeverCrossAndJambsMeetBothFaces) {
    const auto [metric, bearing] = GetParam();
    const int32_t w = metric ? 12000 : 11520, h = metric ? 8000 : 7680, t = metric ? 100 : 96;
    const int32_t layers[3] = {metric ? 110 : 108, metric ? 55 : 48, metric ? 110 : 108};
    const double ux = std::sin(bearing * M_PI / 1800), uy = std::cos(bearing * M_PI / 1800);
    for (const bool clockwise : {true, false})
        for (int wall = 0; wall < 4; ++wall) // top, right, bottom, left: each with its face inward
            for (int32_t side = 1; side <= 4; ++side)
                for (const bool far : {false, true}) {
                    const int32_t in = clockwise ? layers[0] + layers[1] + layers[2] : 0;
                    const int32_t nx[4] = {0, -1, 0, 1}, ny[4] = {-1, 0, 1, 0};
                    if (ux * nx[wall] + uy * ny[wall] < 0.01) continue; // not into the house from there
                    if (bearing % 900 == 0 && (bearing / 900 + side) % 2) continue; // a side along it
                    const int32_t sx[4] = {w / 2, w - in, w / 2, in}, sy[4] = {h - in, h / 2, in, h / 2};
                    const double x0 = sx[wall], y0 = sy[wall];
                    double reach = 1500;
                    if (far) reach = std::min(ux ? std::max((in - x0) / ux, (w - in - x0) / ux) : 1e9,
                                              uy ? std::max((in - y0) / uy, (h - in - y0) / uy) : 1e9);
                    SCOPED_TRACE(testing::Message() << clockwise << " wall " << wall << " side " << side << " far " << far);
                    TList doc;
                    AddHouse(doc, w, h, layers, clockwise);
                    PartitionDraft d;
                    d.X0 = sx[wall], d.Y0 = sy[wall], d.Angle = bearing, d.Side = side, d.Thickness = t;
                    d.X1 = int32_t(std::lround(x0 + reach * ux)), d.Y1 = int32_t(std::lround(y0 + reach * uy));
                    ComputeOutline(d, doc, kNoObject, kNoObject);
                    TrimWallEnds(d, doc, kGroundFloor, 5);
                    // One side of the first face all along, the thickness away.
                    const double s = Off(d.X0, d.Y0, d.X1, d.Y1, d.FaceStartX, d.FaceStartY);
                    EXPECT_NEAR(Off(d.X0, d.Y0, d.X1, d.Y1, d.FaceEndX, d.FaceEndY), s, 1.5);
                    EXPECT_NEAR(std::fabs(s), t, 1.5);
                    // Each end on the face it meets.
                    EXPECT_EQ(wall % 2 ? d.FaceStartX : d.FaceStartY, wall % 2 ? d.X0 : d.Y0);
                    EXPECT_TRUE(!far || d.FaceEndX == d.X1 || d.FaceEndY == d.Y1);
                    const int32_t attr[4] = {};
                    doc.Add(std::make_unique<TIntwallobj>(kGroundFloor, kIntWall, 1, 0, 20000, 20000, d.X0, 0, d.X1,
                                                          0, d.Y0, d.Y1, 0, t, 0, 0, 0, 0, 1, d.Angle, d.FaceStartX, 0,
                                                          d.FaceStartY, d.FaceEndX, d.FaceEndY, attr, 0, 0));
                    const WallMark m = FindOpeningWall(doc, kGroundFloor, (d.X0 + d.X1) / 2, (d.Y0 + d.Y1) / 2,
                                                       {5, metric ? 820 : 816, 0});
                    ASSERT_EQ(m.index, 4);
                    Opening o;
                    o.kind = 5, o.px = m.px, o.py = m.py, o.width = metric ? 820 : 816, o.thickness = m.thickness;
                    o.angle = m.angle, o.wallClass = m.wallClass, o.wallId = m.wallId, o.view = kGroundFloor;
                    BuildOpening(o, doc);
                    for (const int32_t j : {doc.count - 2, doc.count - 1}) {
                        const TObject& jamb = *doc[j];
                        const auto at = [&](int32_t x, int32_t y) {
                            return std::min(std::fabs(Off(d.X0, d.Y0, d.X1, d.Y1, x, y)),
                                            std::fabs(Off(d.FaceStartX, d.FaceStartY, d.FaceEndX, d.FaceEndY, x, y)));
                        };
                        EXPECT_LE(at(jamb.x1, jamb.y1), 1.5);
                        EXPECT_LE(at(jamb.x2, jamb.y2), 1.5);
                        EXPECT_GT(std::hypot(jamb.x2 - jamb.x1, jamb.y2 - jamb.y1), t / 2); // across the wall
                    }
                }
}

// Every 15 degrees, and bearings in tenths: 28.7 degrees and the two keyed left and down from the right.
INSTANTIATE_TEST_SUITE_P(Bearings, AngledPartition,
                         ::testing::Combine(::testing::Bool(), ::testing::Values(0, 150, 287, 300, 450, 600, 750, 900,
                                                                                 1050, 1200, 1350, 1500, 1650, 1800,
                                                                                 1950, 2100, 2250, 2392, 2400, 2415,
                                                                                 2550, 2700, 2850, 3000, 3150, 3300,
                                                                                 3450)),
                         [](const auto& info) {
                             return (std::get<0>(info.param) ? "Metric" : "Imperial") +
                                    std::to_string(std::get<1>(info.param));
                         });

} // namespace
