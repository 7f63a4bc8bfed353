// A ground floor built in the test, with its objects made field by field, in a private program
// directory whose working file the centring writes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "document/document.h"
#include "document/objects.h"
#include "document/program_state.h"
#include "tests/support/made_objects.h"
#include "tests/support/program_directory.h"

namespace basetest {

template <class T = TObject>
T& Add(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t view = kGroundFloor) {
    auto o = testsupport::Made<T>(kind, x1, y1, x2, y2, view);
    T& added = *o;
    ObjectList.Add(std::move(o));
    return added;
}

// A wall whose face lines run beside it, 100 apart, so every layer point differs from the ends.
inline TExtwallobj& Wall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness2 = 0,
                         int32_t view = kGroundFloor) {
    TExtwallobj& w = Add<TExtwallobj>(kExtWall, x1, y1, x2, y2, view);
    w.group = (x2 - x1) + (y2 - y1);
    w.thickness2 = thickness2;
    w.p1x = w.p3x = w.p5x = x1, w.p2x = w.p4x = w.p6x = x2;
    w.p1y = w.p3y = w.p5y = y1, w.p2y = w.p4y = w.p6y = y2;
    return w;
}

// The outline (left, bottom)-(right, top) as four walls.
inline void Outline(int32_t left, int32_t bottom, int32_t right, int32_t top) {
    Wall(left, bottom, right, bottom);
    Wall(right, bottom, right, top);
    Wall(left, top, right, top);
    Wall(left, bottom, left, top);
}

inline TRoomobj& Room(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t group) {
    TRoomobj& r = Add<TRoomobj>(kFinishedRoom, left, top, right, bottom);
    r.group = group;
    r.value3 = right - left;
    r.value4 = top - bottom;
    return r;
}

inline TTextobj& Label(int32_t kind, int32_t x, int32_t y, int32_t id, int32_t group,
                       int32_t view = kGroundFloor) {
    TTextobj& t = Add<TTextobj>(kind, x, y, x, y, view);
    t.id = id;
    t.group = group;
    return t;
}

class Floor : public ::testing::Test {
protected:
    void SetUp() override {
        ObjectList.ProgramDirectory = dir.Path();
        ObjectList.SetDrawingName("BASE");
        CurrentView = kGroundFloor;
        MetricUnits = 1;
        ZoomDivisor = 1;
        SheetWidth = 40000; // the sheet centre is (20000, 15000)
        SheetHeight = 30000;
    }
    void TearDown() override { ObjectList.Flush(); }

    testsupport::ProgramDirectory dir;
};

} // namespace basetest
