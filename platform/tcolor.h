// A colour value as the common dialogs hand it back.
#pragma once

#include "platform/win_types.h"

class TColor {
public:
    constexpr TColor(COLORREF value = 0) : value_(value) {}
    constexpr COLORREF GetValue() const { return value_; }
    constexpr operator COLORREF() const { return value_; }

private:
    COLORREF value_;
};
