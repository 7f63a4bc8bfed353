// PENDING: drawing-window operations whose subsystems are not built yet. Each body does nothing so
// that every caller links; whoever builds a group moves its definitions out of this file into a file
// of its own (see the list at the top of shell/child.h) and deletes them here.
#include "dialogs/help_commands.h"
#include "document/program_state.h"
#include "platform/virtual_keys.h"
#include "shell/child.h"

// Settings and plan dialogs.
void TChild::RunSettingsDialog(int32_t) {}

// Files and output.

// Library and paste.
void TChild::InsertLibrarySymbol(int32_t) {}
void TChild::StartPaste() {}
void TChild::StartAddToLibrary() {}

// Room layout.
void TChild::NewDesignRoom() {}
void TChild::RoomStep() {}
void TChild::MaxDesignRoom() {}
void TChild::MergeStep(TRect&) {}
void TChild::DesignRoomClientRect(TRect&) {}
void TChild::ExternalRectangleSize(int32_t) {}
void TChild::LayoutGridRefresh() {}
