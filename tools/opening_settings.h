// The window and door settings files, CFG/WIND.CFG and CFG/DOOR.CFG: twelve whole numbers and a free
// label of at most 30 characters, and the door drawing style of CFG/INTERN.CFG. A missing or short
// file reads as its shipped default, field by field, as does a value outside its range, and the
// file is written back whole.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "document/cfg_files.h"

// Which file: the window settings or the door and opening settings.
enum class OpeningFile { Window, Door };

struct OpeningSettings {
    static constexpr int32_t kLabelCapacity = 30;
    // Values 1 to 12 of the file in their order (value n at index n - 1); value 12 is the label's
    // length as read, the label itself is kept apart.
    std::array<int32_t, 12> values{};
    std::string label;
    // The lengths as read, in the drawing's units before they are rounded to what the file keeps:
    // a dialog rounds a converted size once, from these, to what it shows.
    std::array<double, 12> unrounded{};
    // The values as the file holds them once mended, lengths in the units it was written in (value
    // 4): what a dialog writes back for the sizes the user left as they were offered.
    std::array<int32_t, 12> stored{};

    int32_t& operator[](int32_t field) { return values[static_cast<size_t>(field - 1)]; }
    int32_t operator[](int32_t field) const { return values[static_cast<size_t>(field - 1)]; }
    double Unrounded(int32_t field) const { return unrounded[static_cast<size_t>(field - 1)]; }
    // The same settings with the file's own lengths and units value.
    OpeningSettings AsStored() const {
        OpeningSettings s = *this;
        s.values = stored;
        return s;
    }
};

// The sizes, door counts and frames the window and door dialogs take, as typed (millimetres or
// whole inches).
inline constexpr FieldRange kOpeningSizeRange{4, 9000};
inline constexpr int32_t kMostDoors = 10;
inline constexpr int32_t kMostFrame = 15000;

// Values 1 to 11 of the file as its dialogs write them in a drawing of the given units; value 12 is
// the label's own length.
std::array<FieldRange, 11> OpeningRanges(OpeningFile file, int32_t metricUnits);

// Lengths written in the other units (value 4) are converted to the drawing's. A value outside its
// range for the units it was written in, or a kind not listed for the file, reads as shipped, and
// the file is then written back whole, its lengths kept in their own units.
OpeningSettings ReadOpeningSettings(OpeningFile file);
// Writes the twelve values with the label's own length as value 12, each followed by one blank, then
// the label, with no line end.
[[nodiscard]] bool WriteOpeningSettings(OpeningFile file, const OpeningSettings& settings);

// The opening angle and thickness code door symbols are drawn with, with the stored sine and cosine.
struct DoorStyle {
    int32_t angle = 90;
    int32_t thickness = 1;
    double sine = 1.0;
    double cosine = 0.0;
};
// Angle and thickness as the door-defaults dialog offers them.
inline constexpr FieldRange kDoorAngleRange{30, 90, 30};
inline constexpr FieldRange kDoorThicknessRange{1, 2};
DoorStyle ReadDoorStyle();
// Writes the angle and thickness with the sine and cosine of the angle, as the door symbols read them.
[[nodiscard]] bool WriteDoorStyle(int32_t swingAngle, int32_t doorThickness);
