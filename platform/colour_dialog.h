// The colour common dialog with its table of 16 custom colours.
#pragma once

#include <cstdint>
#include <QWidget>

#include "platform/tcolor.h"

constexpr uint32_t CC_RGBINIT = 0x1;
constexpr uint32_t CC_FULLOPEN = 0x2;
constexpr uint32_t CC_PREVENTFULLOPEN = 0x4;

class TChooseColorDialog {
public:
    struct TData {
        uint32_t Flags = 0;
        uint32_t Error = 0;
        TColor Color;
        // 16 entries the program keeps for the run; null uses the layer's own table (all 0 at start).
        TColor* CustColors = nullptr;
    };
    TChooseColorDialog(QWidget* parent, TData& data);
    // IDOK with data.Color set (custom colours made in the dialog kept in the table), or IDCANCEL.
    int Execute();

private:
    QWidget* parent_;
    TData& data_;
};
