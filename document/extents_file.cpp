#include "document/extents_file.h"

#include <array>

#include "document/cfg_files.h"
#include "platform/file_io.h"

ExtentsFile ReadExtentsFile() {
    // Beyond the widest sheet either way: a margin may take a side a little past the sheet's edge.
    constexpr FieldRange kReach{-ExtentsFile::kNoneMin, ExtentsFile::kNoneMin};
    const auto v = ReadRangedRecord("EXTENTS.CFG", std::array{kReach, kReach, kReach, kReach});
    if (!v) return {};
    return {(*v)[0], (*v)[1], (*v)[2], (*v)[3]};
}

bool WriteExtentsFile(const ExtentsFile& e) {
    return pl::WriteTextFile(CfgPath("EXTENTS.CFG"),
                             pl::Format("%ld %ld %ld %ld", e.minX, e.maxX, e.maxY, e.minY));
}
