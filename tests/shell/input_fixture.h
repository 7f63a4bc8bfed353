// A running program frame with a drawing window open on a small working file, for driving the window
// with mouse and key events the way a user does.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <QColor>
#include <vector>

#include "document/document.h"
#include "document/objects.h"
#include "shell/app.h"
#include "shell/child.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"
#include "tests/support/scripted_ui.h"

class InputTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the working file with the three floor records File New seeds (and the given objects),
    // then opens a drawing window on the ground floor with the Line tool current.
    void Open(std::vector<std::unique_ptr<TObject>> objects = {});

    QWidget* View() const;
    // A pixel of the client area in drawing units, and back.
    POINT DrawingAt(const TPoint& pixel) const;
    TPoint PixelOf(int32_t x, int32_t y) const;

    void MoveTo(const TPoint& pixel);
    void Key(int qtKey);
    // Presses the left button at `from`, moves to `to` and releases there; the press loop of the
    // window runs while the button is held.
    void Drag(const TPoint& from, const TPoint& to);
    void Click(const TPoint& at) { Drag(at, at); }

    // The pixels of a colour (0xRRGGBB) on the window as the screen shows it.
    int PixelsOnScreen(QRgb colour) const;
    // The pixels of the shipped layout-grid colour.
    int GridPixelsOnScreen() const;

    // The objects of the working file as read back from disk.
    std::vector<std::unique_ptr<TObject>> FileObjects() const;
    int32_t FileCount() const { return static_cast<int32_t>(FileObjects().size()); }

    testsupport::ProgramDirectory dir;
    testsupport::ScriptedUi ui;
    TAApp app;
    TClient* client = nullptr;
    TChild* child = nullptr;
};

namespace inputs {
std::unique_ptr<TLineobj> Line(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view = kGroundFloor);
} // namespace inputs
