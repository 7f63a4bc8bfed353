// PENDING: drawing-window operations whose subsystems are not built yet. Each body does nothing so
// that every caller links; whoever builds a group moves its definitions out of this file into a file
// of its own (see the list at the top of shell/child.h) and deletes them here.
#include "dialogs/help_commands.h"
#include "document/program_state.h"
#include "platform/virtual_keys.h"
#include "shell/child.h"

// Files and output.


// Room layout.
void TChild::RoomStep() {}
