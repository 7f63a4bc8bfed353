#include "platform/mapping.h"

#include <cmath>
#include <cstdlib>

TMapping::TMapping(int32_t dpiX, int32_t dpiY) : dpiX_(dpiX > 0 ? dpiX : 96), dpiY_(dpiY > 0 ? dpiY : 96) {
    Update();
}

void TMapping::SetResolution(int32_t dpiX, int32_t dpiY) {
    dpiX_ = dpiX > 0 ? dpiX : 96;
    dpiY_ = dpiY > 0 ? dpiY : 96;
    FixedExtentsOfMode();
    Update();
}

int32_t TMapping::SetMapMode(int32_t mode) {
    const int32_t old = mode_;
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    mode_ = mode;
    if (mode_ == MM_TEXT) {
        windowExt_ = {1, 1};
        viewportExt_ = {1, 1};
    }
    FixedExtentsOfMode();
    if (mode_ == MM_ISOTROPIC) FitIsotropic();
    Update();
    return old;
}

// The metric and English modes have fixed extents from the device's resolution, y up.
void TMapping::FixedExtentsOfMode() {
    int32_t unitsPerInch = 0;
    switch (mode_) {
    case MM_LOMETRIC:
        unitsPerInch = 254;
        break;
    case MM_HIMETRIC:
        unitsPerInch = 2540;
        break;
    case MM_LOENGLISH:
        unitsPerInch = 100;
        break;
    case MM_HIENGLISH:
        unitsPerInch = 1000;
        break;
    case MM_TWIPS:
        unitsPerInch = 1440;
        break;
    default:
        return;
    }
    windowExt_ = {unitsPerInch, unitsPerInch};
    viewportExt_ = {dpiX_, -dpiY_};
}

bool TMapping::SetWindowExt(int32_t cx, int32_t cy, SIZE* old) {
    if (old) *old = windowExt_;
    if (mode_ != MM_ISOTROPIC && mode_ != MM_ANISOTROPIC) return true; // ignored, as the fixed modes do
    if (cx == 0 || cy == 0) return false;
    windowExt_ = {cx, cy};
    if (mode_ == MM_ISOTROPIC) FitIsotropic();
    Update();
    return true;
}

bool TMapping::SetViewportExt(int32_t cx, int32_t cy, SIZE* old) {
    if (old) *old = viewportExt_;
    if (mode_ != MM_ISOTROPIC && mode_ != MM_ANISOTROPIC) return true;
    if (cx == 0 || cy == 0) return false;
    viewportExt_ = {cx, cy};
    if (mode_ == MM_ISOTROPIC) FitIsotropic();
    Update();
    return true;
}

void TMapping::SetWindowOrg(int32_t x, int32_t y, POINT* old) {
    if (old) *old = windowOrg_;
    windowOrg_ = {x, y};
    Update();
}

void TMapping::SetViewportOrg(int32_t x, int32_t y, POINT* old) {
    if (old) *old = viewportOrg_;
    viewportOrg_ = {x, y};
    Update();
}

// One physical scale on both axes: the axis whose scale is larger is brought down to the other,
// keeping its sign; the viewport origin stays where it is.
void TMapping::FitIsotropic() {
    const double scaleX = std::fabs(double(viewportExt_.cx) / windowExt_.cx) / dpiX_;
    const double scaleY = std::fabs(double(viewportExt_.cy) / windowExt_.cy) / dpiY_;
    if (scaleX == scaleY) return;
    if (scaleY > scaleX) {
        const double magnitude = std::fabs(double(windowExt_.cy)) * scaleX * dpiY_;
        int32_t fitted = RoundToPixel(magnitude);
        if (fitted == 0) fitted = 1;
        viewportExt_.cy = viewportExt_.cy < 0 ? -fitted : fitted;
    } else {
        const double magnitude = std::fabs(double(windowExt_.cx)) * scaleY * dpiX_;
        int32_t fitted = RoundToPixel(magnitude);
        if (fitted == 0) fitted = 1;
        viewportExt_.cx = viewportExt_.cx < 0 ? -fitted : fitted;
    }
}

void TMapping::Update() {
    scaleX_ = double(viewportExt_.cx) / windowExt_.cx;
    scaleY_ = double(viewportExt_.cy) / windowExt_.cy;
    identity_ = windowExt_.cx == viewportExt_.cx && windowExt_.cy == viewportExt_.cy && windowOrg_.x == 0 &&
                windowOrg_.y == 0 && viewportOrg_.x == 0 && viewportOrg_.y == 0;
}

void TMapping::ToDevice(double x, double y, double& dx, double& dy) const {
    dx = (x - windowOrg_.x) * viewportExt_.cx / windowExt_.cx + viewportOrg_.x;
    dy = (y - windowOrg_.y) * viewportExt_.cy / windowExt_.cy + viewportOrg_.y;
}

POINT TMapping::ToLogical(int32_t x, int32_t y) const {
    if (identity_) return {x, y};
    const double lx = double(int64_t(x) - viewportOrg_.x) * windowExt_.cx / viewportExt_.cx + windowOrg_.x;
    const double ly = double(int64_t(y) - viewportOrg_.y) * windowExt_.cy / viewportExt_.cy + windowOrg_.y;
    return {RoundToPixel(lx), RoundToPixel(ly)};
}

int32_t TMapping::WidthToDevice(int32_t logical) const {
    return RoundToPixel(std::fabs(logical * scaleX_));
}
int32_t TMapping::HeightToDevice(int32_t logical) const {
    return RoundToPixel(std::fabs(logical * scaleY_));
}
int32_t TMapping::WidthToLogical(int32_t device) const {
    return RoundToPixel(std::fabs(device / scaleX_));
}
int32_t TMapping::HeightToLogical(int32_t device) const {
    return RoundToPixel(std::fabs(device / scaleY_));
}
