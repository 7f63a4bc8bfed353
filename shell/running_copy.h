// A start while a copy of the program runs from the same folder: what the running copy says of
// itself, and the words the start says before it ends.
#pragma once

#include <string>

#include "platform/single_run.h"

class TClient;

namespace shell {

// What the running copy tells a later start: the drawing it has open, empty when none.
std::string DrawingInUse(const TClient* client);

// Tells the user, in a box, that a copy runs from `programDirectory` and where it is.
void TellCopyRunning(const std::string& programDirectory, const pl::OtherRun& other);

// Tells the user, in a box, that the folder of `programDirectory` the program writes its settings in
// could not be locked (`why`), so that a copy started from it elsewhere would not be found.
void TellFolderUnlocked(const std::string& programDirectory, const std::string& why);

} // namespace shell
