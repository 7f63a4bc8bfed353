#include "document/overlay_file.h"

#include "document/cfg_files.h"
#include "platform/file_io.h"

std::string OverlayFilePath(const std::string& programDirectory) {
    return CfgPathIn(programDirectory, "OVERLAY.CFG");
}

OverlayFlags ReadOverlayFile(const std::string& programDirectory) {
    OverlayFlags flags;
    pl::File* file = pl::fopen(OverlayFilePath(programDirectory), "r");
    if (file == nullptr) return flags;
    // Fields the file lacks keep their zero.
    (void)pl::fscanf(file, "%d %d %d %d %d", &flags.fourthLevel, &flags.ground, &flags.first, &flags.second,
                     &flags.outlines);
    (void)pl::fclose(file);
    return flags;
}

bool WriteOverlayFile(const std::string& programDirectory, const OverlayFlags& flags) {
    pl::File* file = pl::fopen(OverlayFilePath(programDirectory), "w");
    if (file == nullptr) return false;
    if (pl::fprintf(file, "%d %d %d %d %d", flags.fourthLevel, flags.ground, flags.first, flags.second,
                    flags.outlines) < 0) {
        pl::fdiscard(file);
        return false;
    }
    return pl::fclose(file) == 0;
}
