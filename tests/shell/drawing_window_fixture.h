// A running program frame with a drawing window open on a working file written by the test, over a
// private program directory.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <QImage>
#include <vector>

#include "document/document.h"
#include "document/objects.h"
#include "shell/app.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

class DrawingWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a drawing window on the current view; the working file is read when DrawingState > 0.
    TChild* Open(const char* title = "HOUSE.PLN");
    // Makes the objects the document and writes them as the working file (coordinates in drawing
    // units, sheet centre included), as every edit leaves the two.
    void WriteDrawing(std::vector<std::unique_ptr<TObject>> objects);
    // Paints the whole window now.
    void Repaint();

    // The sheet centre in drawing units.
    int32_t Cx() const;
    int32_t Cy() const;
    // The client pixel of a point in drawing units under the current zoom and scroll state.
    TPoint PixelOf(int32_t x, int32_t y) const;
    // Some pixel within r of the client pixel differs from the background.
    bool InkNear(const TPoint& pixel, int r = 2) const;
    // Every pixel of the back buffer that is not background colour.
    int InkCount() const;

    const QImage& Image() const { return *child->BackBuffer(); }

    testsupport::ProgramDirectory dir;
    TAApp app;
    TClient* client = nullptr;
    TChild* child = nullptr;
};

namespace make {
std::unique_ptr<TLineobj> Line(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TExtwallobj> ExtWall(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TArrowobj> AutoArrow(int32_t view, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TTextobj> Text(int32_t view, int32_t x, int32_t y);
} // namespace make
