// Shared helpers of the rendering tests: an image painted through a device context with the drawing
// window's mapping, and small builders for drawing objects.
#pragma once

#include <gtest/gtest.h>
#include <memory>
#include <QImage>
#include <string>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "platform/dc.h"

namespace rendertest {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kSelect = RGB(255, 0, 255);
constexpr COLORREF kFill = RGB(200, 230, 255);

// An image of width x height whose logical units are pixels, y up, with logical (originX, originY)
// at the bottom-left pixel: the mapping the drawing window sets up.
class Canvas {
public:
    Canvas(int32_t width = 400, int32_t height = 300, int32_t originX = 0, int32_t originY = 0);

    RECT Client() const { return RECT{0, 0, width_, height_}; }
    TDC& Dc() { return *dc_; }
    QImage& Image() { return image_; }
    // Sets the drawing window's mapping on the context without painting anything.
    void SetUpWindow();

    // The colour at a logical point (CLR_INVALID outside the image).
    COLORREF At(int32_t x, int32_t y) const;
    // Pixels of a colour in the logical rectangle [x0, x1] x [y0, y1] (inclusive, any order).
    int32_t Count(COLORREF colour, int32_t x0, int32_t y0, int32_t x1, int32_t y1) const;
    int32_t CountAll(COLORREF colour) const;
    // Pixels not of the background colour.
    int32_t InkCount() const;
    // Bounding box in logical units of the pixels not white; false when there are none.
    bool InkBounds(int32_t& left, int32_t& bottom, int32_t& right, int32_t& top) const;
    // Colour changes walked along the logical row y from x0 to x1: the number of runs of `colour`.
    int32_t RunsAlongRow(COLORREF colour, int32_t y, int32_t x0, int32_t x1) const;

    void Save(const std::string& path) const;

private:
    int32_t width_, height_, originX_, originY_;
    QImage image_;
    std::unique_ptr<TDC> dc_;
};

// Globals as the drawing window has them at zoom 1 on a canvas of the given size; ObjectList empty.
void ResetForCanvas(int32_t width = 400, int32_t height = 300, int32_t originX = 0, int32_t originY = 0);

// Objects painted one at a time through Paint onto a 400 x 300 canvas with the window's mapping.
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetForCanvas(400, 300);
        canvas_ = std::make_unique<Canvas>(400, 300);
        canvas_->SetUpWindow();
    }
    void TearDown() override { ObjectList.Flush(); }
    void Paint(TObject& object, int32_t selected = 0) {
        object.Paint(canvas_->Dc(), canvas_->Client(), selected);
    }

    std::unique_ptr<Canvas> canvas_;
};

std::unique_ptr<TLineobj> MakeLine(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                   COLORREF colour = kBlack, int32_t kind = kLine);
std::unique_ptr<TTextobj> MakeText(int32_t view, int32_t kind, int32_t x, int32_t y, const char* text,
                                   COLORREF colour = kBlack, int32_t style = 5, int32_t height = 20,
                                   int32_t angle = 0, int32_t weight = 400);
// An internal wall from (x1, y1) to (x2, y2) with its second face shifted by (dx, dy).
std::unique_ptr<TIntwallobj> MakeIntWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                         int32_t dx, int32_t dy, int32_t thickness, int32_t direction,
                                         COLORREF colour = kBlack);
// An external wall along x (or along y when x1 = x2) whose layer lines A, B and C lie t1, t1 + t2
// and t1 + t2 + t3 from the outer face: below it along x, to its right along y.
std::unique_ptr<TExtwallobj> MakeExtWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                         int32_t t1, int32_t t2, int32_t t3, int32_t direction,
                                         COLORREF colour = kBlack);
std::unique_ptr<TDimensobj> MakeDimension(int32_t view, int32_t kind, int32_t x1, int32_t y1, int32_t x2,
                                          int32_t y2, int32_t d1x, int32_t d1y, int32_t d2x, int32_t d2y,
                                          int32_t direction, int32_t style = 1, COLORREF colour = kBlack);
std::unique_ptr<TRoomobj> MakeRoom(int32_t view, int32_t kind, int32_t left, int32_t top, int32_t right,
                                   int32_t bottom, const char* name, COLORREF fill, int32_t textSize = 10);
std::unique_ptr<TPolyobj> MakePolygon(int32_t view, int32_t kind, std::initializer_list<POINT> points,
                                      COLORREF colour = kBlack, COLORREF fill = kFill);

} // namespace rendertest
