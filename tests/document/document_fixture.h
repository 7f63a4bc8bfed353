// A clean document over a private program directory, and drawing objects built in code.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/program_state.h"
#include "tests/support/drawing_fixture.h"

class DocumentTest : public testsupport::DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        UseStandardSheet();
        CurrentView = kGroundFloor;
    }

    // The sheet centre the files are written relative to.
    int32_t Cx() const { return SheetWidth * ZoomDivisor / 2; }
    int32_t Cy() const { return SheetHeight * ZoomDivisor / 2; }

    std::string WorkingFile() const { return dir.ReadFile("DWGS/HOUSE.DB0"); }
    void SetWorkingFile(const std::string& text) const { dir.WriteFile("DWGS/HOUSE.DB0", text); }
};

namespace make {

std::unique_ptr<TLineobj> Line(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TTextobj> Text(int32_t kind, int32_t x, int32_t y, const char* text, const char* font);
std::unique_ptr<TExtwallobj> ExtWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TIntwallobj> IntWall(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t thickness);
std::unique_ptr<TArrowobj> Arrow(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TDimensobj> Dimension(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TPolyobj> Polygon(int32_t kind, int32_t points, int32_t x, int32_t y);
std::unique_ptr<TOpeningobj> Opening(int32_t x, int32_t y);
std::unique_ptr<TRoomobj> Room(int32_t kind, int32_t left, int32_t top, int32_t right, int32_t bottom,
                               const char* name);
std::unique_ptr<TInfoobj> FloorRecord(int32_t floor);
std::unique_ptr<TArcobj> Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
std::unique_ptr<TObject> Box(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// One object of every kind family that has a record, with a distinct value in every field.
std::vector<std::unique_ptr<TObject>> OneOfEveryKind(int32_t cx, int32_t cy);

} // namespace make

// Every field of two objects of the same class, as text, for comparisons with a readable diff.
std::string Describe(const TObject& o);
