// Templates of the dimension settings dialogs: offsets and text sizes (metric and feet-and-inches)
// and the arrow of manual dimensions, with the four arrow-head pictures drawn in code.
#pragma once

#include <cstdint>

#include "platform/dialog_template.h"

inline constexpr int32_t kOffsetDialogId = 5500;
inline constexpr int32_t kOffsetImpDialogId = 5600;
inline constexpr int32_t kArrowDialogId = 26600;

namespace dimdlg {
// Metric offsets: edits, then pairs of radios (horizontal / parallel, then 9 / 10 pts three times).
inline constexpr int32_t kRoomOffset = 5501;
inline constexpr int32_t kExternalOffset = 5502;
inline constexpr int32_t kOverallOffset = 5503;
inline constexpr int32_t kHorizontal = 5504;
inline constexpr int32_t kParallel = 5505;
inline constexpr int32_t kDimension9 = 5506;
inline constexpr int32_t kDimension10 = 5507;
inline constexpr int32_t kRoomDimension9 = 5508;
inline constexpr int32_t kRoomDimension10 = 5509;
inline constexpr int32_t kRoomName9 = 5510;
inline constexpr int32_t kRoomName10 = 5511;
// Imperial offsets, in whole inches.
inline constexpr int32_t kImpRoomOffset = 5609;
inline constexpr int32_t kImpExternalOffset = 5610;
inline constexpr int32_t kImpOverallOffset = 5611;
inline constexpr int32_t kImpHorizontal = 5601;
inline constexpr int32_t kImpParallel = 5602;
inline constexpr int32_t kImpDimension9 = 5603;
inline constexpr int32_t kImpDimension10 = 5604;
inline constexpr int32_t kImpRoomDimension9 = 5605;
inline constexpr int32_t kImpRoomDimension10 = 5606;
inline constexpr int32_t kImpRoomName9 = 5607;
inline constexpr int32_t kImpRoomName10 = 5608;
// Arrow: the length, the four head styles and their pictures.
inline constexpr int32_t kArrowLength = 26601;
inline constexpr int32_t kHeadStyle1 = 26602; // to 26605
inline constexpr int32_t kHeadIcon1 = 26606;  // to 26609
} // namespace dimdlg

pl::DialogTemplate OffsetDialogTemplate();
pl::DialogTemplate OffsetImpDialogTemplate();
pl::DialogTemplate ArrowDialogTemplate();

// Registers the three templates and the arrow-head pictures (again is harmless).
void RegisterDimensionDialogTemplates();
