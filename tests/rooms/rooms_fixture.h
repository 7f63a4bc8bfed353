// A clean document on a room-layout view over a private program directory, with design rooms built in
// code.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/program_directory.h"

class RoomsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGlobals();
        ObjectList.Flush();
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("HOUSE");
        SheetWidth = 16000;
        SheetHeight = 10000;
        ZoomDivisor = 5;
        MetricUnits = 1;
        CurrentView = kRoomLayout;
    }
    void TearDown() override {
        ObjectList.Flush();
        ResetGlobals();
    }

    // A design room given by its corners (y1 the top); width and length follow from them.
    static std::unique_ptr<TRoomobj> Room(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                          int32_t kind = kDesignRoom, int32_t view = kRoomLayout) {
        return std::make_unique<TRoomobj>(view, kind, 1, 0, 0, 0, x1, 0, x2, 0, y1, y2, 0, 2, 10, x2 - x1,
                                          y1 - y2, 0, "room", "", "");
    }
    static void Add(std::unique_ptr<TObject> o) { ObjectList.Add(std::move(o)); }

    testsupport::ProgramDirectory dir;
};
