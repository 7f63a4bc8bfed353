#include "resources/default_settings.h"

#include <array>

namespace {

// Lengths are millimetres in the metric files and 1/24 inch in the imperial twins (names ending
// in I, and CUSTIMP); each pair describes the same construction.
constexpr std::array kDefaults{
    // Colours: background white, pen black, selection red.
    DefaultSettingsFile{"CLR.CFG", "16777215 0 255\n"},
    // Auto save off.
    DefaultSettingsFile{"SAVE.CFG", "1"},
    DefaultSettingsFile{"METRIC.CFG", "1"},
    // New drawings start with the external walls.
    DefaultSettingsFile{"START.CFG", "2"},
    // Points, weight, then the face as a counted text.
    DefaultSettingsFile{"TEXT.CFG", "10 400 11DejaVu Sans"},
    DefaultSettingsFile{"SCROLL.CFG", "16 16"},
    // 80 m x 50 m, and 262' 6" x 164', in logical units.
    DefaultSettingsFile{"DWGSIZEM.CFG", "16000 10000"},
    DefaultSettingsFile{"DWGSIZEI.CFG", "12600 7872"},
    DefaultSettingsFile{"PRNTCALM.CFG", "15000 1.000000"},
    DefaultSettingsFile{"PRNTCALI.CFG", "14976 1.000000"},
    // Five title lengths, then the five titles back to back.
    DefaultSettingsFile{
        "TITLE2D.CFG",
        "17 16 17 12 9 ground floor planfirst floor plansecond floor planfooting plansite plan\n"},
    DefaultSettingsFile{"MOFFSET.CFG", "300 600 1200 0 9 9 10"},
    DefaultSettingsFile{"IOFFSET.CFG", "288 576 1152 0 9 9 10"},
    // 288 is sensible in both unit systems: 288 mm, or exactly 12".
    DefaultSettingsFile{"ARROW.CFG", "288 1"},
    // An empty label.
    DefaultSettingsFile{"LTEXT.CFG", "1 0/n"},
    // A 275 mm cavity wall (11").
    DefaultSettingsFile{"EXTWALLM.CFG", "110 55 110 25 2550 2400 2400 0 0 0"},
    DefaultSettingsFile{"EXTWALLI.CFG", "108 48 108 24 2328 2304 2304 0 0 0"},
    DefaultSettingsFile{"CUST.CFG", "4 275 110 55"},
    DefaultSettingsFile{"CUSTIMP.CFG", "4 264 108 48"},
    DefaultSettingsFile{"PTNM.CFG", "100"},
    DefaultSettingsFile{"PTNI.CFG", "96"},
    DefaultSettingsFile{"DOORSZE.CFG", "820 768"},
    // A 90 degree swing: its sine and cosine as the door dialog writes them.
    DefaultSettingsFile{"INTERN.CFG", "90 1 1.000000 0.000001"},
    // Twelve numbers and a blank, then a counted (here empty) label.
    DefaultSettingsFile{"WIND.CFG", "1 1200 1050 1 1 9 0 0 0 0 0 0 "},
    DefaultSettingsFile{"DOOR.CFG", "6 0 820 1 820 1 0 0 0 0 0 0 "},
    // The second value must stay 0: it marks partitions and labels of re-opened rooms.
    DefaultSettingsFile{"INTWALL.CFG", "0 0 0 0 0 0 0 0 0"},
    // Grid spacing and grey.
    DefaultSettingsFile{"LYTGRIDM.CFG", "1000 12632256\n"},
    DefaultSettingsFile{"LYTGRIDI.CFG", "960 12632256\n"},
    DefaultSettingsFile{"MERGEM.CFG", "100\n"},
    DefaultSettingsFile{"MERGEI.CFG", "96\n"},
    // Wet areas light blue, bedrooms pink, other rooms light yellow.
    DefaultSettingsFile{"RMCLR.CFG", "15128749 12695295 14745599\n"},
    DefaultSettingsFile{"RMPTNM.CFG", "100 100 100"},
    DefaultSettingsFile{"RMPTNI.CFG", "96 96 96"},
    DefaultSettingsFile{"NEWRM.CFG", "2 1"},
    // The bounds of no room at all.
    DefaultSettingsFile{"BOUNDS.CFG", "200000 0 0 200000\n"},
    DefaultSettingsFile{"SIZE.CFG", "0 0"},
    DefaultSettingsFile{"STAIRSM.CFG", "175 250"},
    DefaultSettingsFile{"STAIRSI.CFG", "168 240"},
};

} // namespace

std::span<const DefaultSettingsFile> DefaultSettingsFiles() {
    return kDefaults;
}

std::string_view DefaultSettings(std::string_view name) {
    for (const auto& file : kDefaults) {
        if (file.name == name) return file.text;
    }
    return {};
}
