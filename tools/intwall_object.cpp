#include "tools/intwall_object.h"

#include <memory>

#include "document/document.h"
#include "document/program_state.h"
#include "tools/wall_tools.h"
#include "tools/working_file.h"

namespace {

constexpr int32_t kAsCreated = 1; // the wall's state word

} // namespace

void AppendIntwallObject(TIntwallobjtool& t) {
    ObjectList.Add(std::make_unique<TIntwallobj>(
        CurrentView, t.Kind, 1, 0, t.WallId(), t.WallGroup(), t.X0, t.Aux1, t.X1, t.Aux2, t.Y0, t.Y1,
        t.Colour, t.Thickness, t.WallSettings[0], t.WallSettings[1], t.WallSettings[2], t.WallSettings[3],
        kAsCreated, t.Angle, t.FaceStartX, t.FaceAux, t.FaceStartY, t.FaceEndX, t.FaceEndY, t.AttributeBlock,
        t.WallValue1, t.WallValue2));
}

tools::WriteResult CreateIntwallObject(TIntwallobjtool& t) {
    // The builder has trimmed the piece already: no length or overlap test here.
    AppendIntwallObject(t);
    return tools::SaveWorkingFile();
}
