// The mapping from logical to device coordinates of a device context, as a value so that a window
// can convert pointer positions without a painter. The device context applies it itself: pens keep
// their pixel widths and text stays upright whatever the direction of the axes.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/gdi_objects.h"
#include "platform/win_types.h"

class TMapping {
public:
    // dpiX and dpiY are the device's resolution; the isotropic rule compares physical scales.
    explicit TMapping(int32_t dpiX = 96, int32_t dpiY = 96);

    void SetResolution(int32_t dpiX, int32_t dpiY);

    // Each returns the previous value; a failed call keeps the mapping.
    int32_t SetMapMode(int32_t mode);
    bool SetWindowExt(int32_t cx, int32_t cy, SIZE* old = nullptr);   // fails on a zero extent
    bool SetViewportExt(int32_t cx, int32_t cy, SIZE* old = nullptr); // fails on a zero extent
    void SetWindowOrg(int32_t x, int32_t y, POINT* old = nullptr);
    void SetViewportOrg(int32_t x, int32_t y, POINT* old = nullptr);

    int32_t MapMode() const { return mode_; }
    SIZE WindowExt() const { return windowExt_; }
    SIZE ViewportExt() const { return viewportExt_; }
    POINT WindowOrg() const { return windowOrg_; }
    POINT ViewportOrg() const { return viewportOrg_; }

    // D = (L - WO) * VE / WE + VO and its inverse, in double, rounded to nearest.
    POINT ToDevice(int32_t x, int32_t y) const;
    POINT ToLogical(int32_t x, int32_t y) const;
    void ToDevice(double x, double y, double& dx, double& dy) const;

    // Device pixels per logical unit along each axis (signed) and the size of a logical length.
    double ScaleX() const { return scaleX_; }
    double ScaleY() const { return scaleY_; }
    int32_t WidthToDevice(int32_t logical) const;  // |x scale|, rounded
    int32_t HeightToDevice(int32_t logical) const; // |y scale|, rounded
    int32_t WidthToLogical(int32_t device) const;
    int32_t HeightToLogical(int32_t device) const;

    bool IsIdentity() const { return identity_; }
    int32_t ResolutionX() const { return dpiX_; }
    int32_t ResolutionY() const { return dpiY_; }
    bool operator==(const TMapping&) const = default;

private:
    void FixedExtentsOfMode();
    void FitIsotropic();
    void Update();

    int32_t dpiX_;
    int32_t dpiY_;
    int32_t mode_ = MM_TEXT;
    SIZE windowExt_{1, 1};
    SIZE viewportExt_{1, 1};
    POINT windowOrg_{0, 0};
    POINT viewportOrg_{0, 0};
    double scaleX_ = 1.0;
    double scaleY_ = 1.0;
    bool identity_ = true;
};

// Device coordinates are kept well inside 32 bits so that spans and rounding never overflow.
constexpr double kCoordinateLimit = 134217728.0; // 2^27

// GDI's rounding of a device coordinate. Inline, as every point drawn passes through it.
inline int32_t RoundToPixel(double value) {
    if (!(value == value)) return 0;
    if (value > kCoordinateLimit) value = kCoordinateLimit;
    if (value < -kCoordinateLimit) value = -kCoordinateLimit;
    return static_cast<int32_t>(std::floor(value + 0.5));
}

inline POINT TMapping::ToDevice(int32_t x, int32_t y) const {
    if (identity_) return {x, y};
    const double dx = double(int64_t(x) - windowOrg_.x) * viewportExt_.cx / windowExt_.cx + viewportOrg_.x;
    const double dy = double(int64_t(y) - windowOrg_.y) * viewportExt_.cy / windowExt_.cy + viewportOrg_.y;
    return {RoundToPixel(dx), RoundToPixel(dy)};
}
