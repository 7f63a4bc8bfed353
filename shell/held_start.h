// What a start changes, kept in one place: the tool as it stood before it (the point it holds, its
// band, its name and guide) and the DATUM read-out. A start that ends with nothing built puts all of
// it back in one place, so that the next start is keyed as if this one had never been.
#pragma once

#include "shell/child.h"
#include "shell/child_tool_call.h"

namespace shell {

class StartBefore {
public:
    StartBefore(const TClient& client, const TChild& window);

    // The tool comes back as it stood, and the DATUM with it.
    void PutBack(TClient& client, TChild& window) const;
    // The DATUM alone: the tool is put back another way (Escape brings it back as chosen).
    void PutBackDatum(TChild& window) const;
    // A DATUM reference the user clicked while the start was held stays when it is put back.
    void KeepReference(const TChild& window);

private:
    ToolStand tool_;
    TChild::Datum datum_;
};

// Kept as a start finds them: by a step that begins with nothing in progress, and by one that
// stored a piece of a chain that goes on from its end (the next piece's start).
void RecordStart(TChild& window);
// A start that ended with nothing built (a refused or empty length, an Enter where it began, a
// refusal at a wall or the sheet's edge): no point held, no band, the read-out as before it.
void PutBackStart(TChild& window);

} // namespace shell
