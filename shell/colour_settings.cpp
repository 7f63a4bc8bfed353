#include "shell/colour_settings.h"

#include "document/program_state.h"
#include "platform/file_io.h"
#include "platform/settings_file.h"
#include "resources/default_settings.h"

namespace shell {

namespace {

std::string Cfg(const std::string& dir, const char* name) {
    return dir + "CFG/" + name;
}
const char* GridFile(int32_t metric) {
    return metric != 0 ? "LYTGRIDM.CFG" : "LYTGRIDI.CFG";
}
int32_t Signed(COLORREF c) {
    return static_cast<int32_t>(c);
}

} // namespace

bool WriteScreenColours(const std::string& dir) {
    return pl::WriteTextFile(Cfg(dir, "CLR.CFG"), pl::Format("%ld %ld %ld\n", Signed(BackgroundColour),
                                                             Signed(PenColour), Signed(SelectColour)));
}

std::array<COLORREF, 3> ReadRoomColours(const std::string& dir) {
    int32_t v[3] = {};
    pl::ScanSettings(Cfg(dir, "RMCLR.CFG"), DefaultSettings("RMCLR.CFG"), "%ld %ld %ld", &v[0], &v[1], &v[2]);
    return {static_cast<COLORREF>(v[0]), static_cast<COLORREF>(v[1]), static_cast<COLORREF>(v[2])};
}

bool WriteRoomColours(const std::string& dir, const std::array<COLORREF, 3>& c) {
    return pl::WriteTextFile(Cfg(dir, "RMCLR.CFG"),
                             pl::Format("%ld %ld %ld\n", Signed(c[0]), Signed(c[1]), Signed(c[2])));
}

LayoutGrid ReadLayoutGrid(const std::string& dir, int32_t metric) {
    int32_t spacing = 0, colour = 0;
    pl::ScanSettings(Cfg(dir, GridFile(metric)), DefaultSettings(GridFile(metric)), "%d %ld", &spacing,
                     &colour);
    return {spacing, static_cast<COLORREF>(colour)};
}

bool WriteLayoutGrid(const std::string& dir, int32_t metric, const LayoutGrid& grid) {
    return pl::WriteTextFile(Cfg(dir, GridFile(metric)),
                             pl::Format("%d %ld\n", grid.spacing, Signed(grid.colour)));
}

} // namespace shell
