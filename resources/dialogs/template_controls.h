// The plain controls the dialog templates are written with: a label, a radio button, a push button.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

namespace templatecontrols {

inline pl::ControlTemplate Label(const char* text, bool sameRow = false) {
    return {.Kind = pl::ControlKind::Static, .Text = text, .SameRow = sameRow};
}

inline pl::ControlTemplate Radio(int32_t id, const char* text, bool groupStart = false) {
    return {.Id = id, .Kind = pl::ControlKind::RadioButton, .Text = text, .GroupStart = groupStart};
}

inline pl::ControlTemplate Button(int32_t id, const char* text) {
    return {.Id = id, .Kind = pl::ControlKind::PushButton, .Text = text};
}

} // namespace templatecontrols
