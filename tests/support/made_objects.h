// Drawing objects built in code for the tests: the view, kind and corners set, every other field as
// the class constructs it.
#pragma once

#include <cstdint>
#include <memory>

#include "document/objects.h"

namespace testsupport {

template <class T = TObject>
std::unique_ptr<T> Made(int32_t kind, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        int32_t view = kGroundFloor) {
    auto o = std::make_unique<T>();
    o->view = view;
    o->kind = kind;
    o->x1 = x1;
    o->y1 = y1;
    o->x2 = x2;
    o->y2 = y2;
    return o;
}

} // namespace testsupport
