#include "document/sheet_size.h"

#include "document/cfg_files.h"
#include "platform/file_io.h"

namespace {

const char* SheetSizeFile(int32_t metricUnits) {
    return metricUnits != 0 ? "DWGSIZEM.CFG" : "DWGSIZEI.CFG";
}

} // namespace

SheetSize ReadSheetSize(int32_t metricUnits) {
    constexpr FieldRange kWidth{kLeastSheetSide, kMostSheetSide};
    constexpr FieldRange kHeight{kLeastSheetHeight, kMostSheetSide};
    const auto v = ReadRangedSettings(SheetSizeFile(metricUnits), std::array{kWidth, kHeight});
    return {v[0], v[1]};
}

bool WriteSheetSize(int32_t metricUnits, const SheetSize& size) {
    return pl::WriteTextFile(CfgPath(SheetSizeFile(metricUnits)),
                             pl::Format("%ld %ld", size.width, size.height));
}
