// Templates of the drawing tools' small dialogs: the tool's line style, the placing of a new text,
// and the text written beside a line. (The feet-and-inches length has its own, feet_template.h.)
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kLineStyleDialogId = 14000;
inline constexpr int32_t kTextDetailsDialogId = 2300;
inline constexpr int32_t kLineTextDialogId = 2690;

// Control ids.
namespace tooldlg {
// Line style radios, in the order they are read.
inline constexpr int32_t kSolidThin = 14001;
inline constexpr int32_t kSolidThick = 14002;
inline constexpr int32_t kDashedThin = 14003;
inline constexpr int32_t kDottedThin = 14004;
inline constexpr int32_t kDotDashThin = 14005;
// Text details.
inline constexpr int32_t kCentred = 2301;
inline constexpr int32_t kToRight = 2302;
inline constexpr int32_t kHorizontal = 2303;
inline constexpr int32_t kVertical = 2304;
inline constexpr int32_t kFontName = 2305;
inline constexpr int32_t kFontWeight = 2306;
inline constexpr int32_t kPointSize = 2307;
// Line text.
inline constexpr int32_t kLineText = 2691;
inline constexpr int32_t kLeftOrAbove = 2692;
inline constexpr int32_t kRightOrBelow = 2693;
} // namespace tooldlg

pl::DialogTemplate LineStyleDialogTemplate();
pl::DialogTemplate TextDetailsDialogTemplate();
pl::DialogTemplate LineTextDialogTemplate();

// Registers the three templates under their ids (again is harmless).
void RegisterToolDialogTemplates();
