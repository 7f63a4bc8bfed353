#include <gtest/gtest.h>

#include <QImage>

#include "platform/dc.h"
#include "platform/mapping.h"

namespace {

// The drawing window's mapping: a 624 x 346 sheet, y up, origin at the bottom-left pixel row.
void SetSheetMapping(TMapping& m, int32_t clientW, int32_t clientH, int32_t originX = 0,
                     int32_t originY = 0) {
    m.SetMapMode(MM_ISOTROPIC);
    m.SetWindowExt(624, 346);
    m.SetViewportExt(clientW, -clientH);
    m.SetWindowOrg(originX, originY);
    m.SetViewportOrg(0, clientH);
}

struct ClientCase {
    int32_t w, h;
    SIZE viewport;
};

class IsotropicFit : public ::testing::TestWithParam<ClientCase> {};

TEST_P(IsotropicFit, ShrinksTheLargerScaleAndKeepsItsSign) {
    TMapping m;
    SetSheetMapping(m, GetParam().w, GetParam().h);
    EXPECT_EQ(m.ViewportExt().cx, GetParam().viewport.cx);
    EXPECT_EQ(m.ViewportExt().cy, GetParam().viewport.cy);
    EXPECT_EQ(m.WindowExt().cx, 624);
    EXPECT_EQ(m.WindowExt().cy, 346);
}

INSTANTIATE_TEST_SUITE_P(ClientSizes, IsotropicFit,
                         ::testing::Values(ClientCase{800, 600, {800, -444}},
                                           ClientCase{1024, 400, {721, -400}},
                                           ClientCase{500, 500, {500, -277}},
                                           ClientCase{624, 346, {624, -346}}, ClientCase{1, 1, {1, -1}}));

TEST(Mapping, IsotropicComparesPhysicalScalesOfUnequalResolutions) {
    TMapping m(96, 192);
    m.SetMapMode(MM_ISOTROPIC);
    m.SetWindowExt(100, 100);
    m.SetViewportExt(200, -600);
    EXPECT_EQ(m.ViewportExt().cx, 200);
    EXPECT_EQ(m.ViewportExt().cy, -400);
    TMapping n;
    n.SetMapMode(MM_ISOTROPIC);
    n.SetWindowExt(100, 100);
    n.SetViewportExt(-800, 600);
    EXPECT_EQ(n.ViewportExt().cx, -600);
    EXPECT_EQ(n.ViewportExt().cy, 600);
}

TEST(Mapping, ZeroWindowExtentFailsAndKeepsTheMapping) {
    TMapping m;
    SetSheetMapping(m, 800, 600);
    SIZE old;
    EXPECT_FALSE(m.SetWindowExt(0, 346, &old));
    EXPECT_FALSE(m.SetViewportExt(800, 0));
    EXPECT_EQ(old.cx, 624);
    EXPECT_EQ(m.WindowExt().cx, 624);
    EXPECT_EQ(m.ViewportExt().cy, -444);
    const POINT p = m.ToDevice(624, 0);
    EXPECT_EQ(p.x, 800);
}

TEST(Mapping, BottomLeftPixelIsTheScrollOrigin) {
    for (const ClientCase c :
         {ClientCase{800, 600, {}}, ClientCase{1024, 400, {}}, ClientCase{333, 777, {}}}) {
        TMapping m;
        SetSheetMapping(m, c.w, c.h, 37, -12);
        const POINT logical = m.ToLogical(0, c.h);
        EXPECT_EQ(logical.x, 37);
        EXPECT_EQ(logical.y, -12);
        const POINT device = m.ToDevice(37, -12);
        EXPECT_EQ(device.x, 0);
        EXPECT_EQ(device.y, c.h);
    }
}

TEST(Mapping, RoundTripsReturnTheSamePoint) {
    for (const ClientCase c :
         {ClientCase{800, 600, {}}, ClientCase{1024, 400, {}}, ClientCase{300, 200, {}}}) {
        TMapping m;
        SetSheetMapping(m, c.w, c.h, 5, 7);
        const bool enlarging = std::abs(m.ScaleX()) >= 1.0;
        for (int32_t y = 0; y <= c.h; y += 3)
            for (int32_t x = 0; x < c.w; x += 3) {
                const POINT l = m.ToLogical(x, y);
                const POINT d = m.ToDevice(l.x, l.y);
                ASSERT_LE(std::abs(d.x - x), 1) << x << "," << y;
                ASSERT_LE(std::abs(d.y - y), 1) << x << "," << y;
                if (enlarging) {
                    // One logical unit spans at least a pixel: logical points survive exactly.
                    const POINT back = m.ToLogical(m.ToDevice(l.x, l.y).x, m.ToDevice(l.x, l.y).y);
                    ASSERT_EQ(back.x, l.x);
                    ASSERT_EQ(back.y, l.y);
                }
            }
    }
}

TEST(Mapping, RoundsHalvesUpward) {
    TMapping m;
    m.SetMapMode(MM_ANISOTROPIC);
    m.SetWindowExt(2, 2);
    m.SetViewportExt(1, -1);
    EXPECT_EQ(m.ToDevice(1, 1).x, 1);   // 0.5 -> 1
    EXPECT_EQ(m.ToDevice(1, 1).y, 0);   // -0.5 -> 0
    EXPECT_EQ(m.ToDevice(-1, -1).x, 0); // -0.5 -> 0
    EXPECT_EQ(m.ToDevice(3, 0).x, 2);   // 1.5 -> 2
}

TEST(DCMapping, SettersReturnPreviousValuesForRestoring) {
    QImage image(100, 100, QImage::Format_RGB32);
    TDC dc(image);
    EXPECT_EQ(dc.SetMapMode(MM_ISOTROPIC), MM_TEXT);
    SIZE oldExt;
    POINT oldOrg;
    EXPECT_TRUE(dc.SetWindowExtEx(624, 346, &oldExt));
    EXPECT_EQ(oldExt.cx, 1);
    EXPECT_TRUE(dc.SetWindowOrgEx(10, 20, &oldOrg));
    EXPECT_EQ(oldOrg.x, 0);
    const POINT previous = dc.SetWindowOrg(POINT{30, 40});
    EXPECT_EQ(previous.x, 10);
    EXPECT_EQ(previous.y, 20);
    POINT pts[2] = {{30, 40}, {654, 386}};
    dc.SetViewportExtEx(800, -600);
    dc.SetViewportOrgEx(0, 600);
    EXPECT_TRUE(dc.LPtoDP(pts, 2));
    EXPECT_EQ(pts[0].x, 0);
    EXPECT_EQ(pts[0].y, 600);
    EXPECT_EQ(pts[1].x, 800);
    EXPECT_EQ(pts[1].y, 156);
    EXPECT_TRUE(dc.DPtoLP(pts, 2));
    EXPECT_EQ(pts[1].x, 654);
    EXPECT_EQ(pts[1].y, 386);
}

TEST(DCMapping, MetricModeFollowsTheResolution) {
    QImage image(100, 100, QImage::Format_RGB32);
    TDC dc(image);
    dc.SetMapMode(MM_LOMETRIC);
    POINT p{254, -254}; // one inch right and down
    dc.LPtoDP(&p);
    EXPECT_EQ(p.x, 96);
    EXPECT_EQ(p.y, 96);
}

} // namespace
