// The open drawing's working file as it stands on disk, for tests that check what an edit wrote.
#pragma once

#include "document/document.h"

namespace testsupport {

// Reads the working file into a document of the test's own. The read takes the units and the id
// counter from the file; the program's own are put back, so the test goes on as it was.
[[nodiscard]] FileResult ReadWorkingFileInto(TList& copy);

} // namespace testsupport
