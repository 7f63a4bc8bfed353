#include "shell/first_room_partition.h"

#include "dialogs/room_partition_dialogs.h"
#include "document/document.h"
#include "document/program_state.h"
#include "rooms/design_room.h"
#include "shell/child.h"

namespace shell {

void AskPartitionForFirstRoom(TChild& window) {
    if (HasAnyRoomOn(ObjectList, CurrentView)) return;
    // The dialog's only result is the settings file it writes; Escape leaves the file as it was.
    if (MetricUnits == 0)
        TRmpttnimpdlg(window.GetHandle()).Execute();
    else
        TRmpttndlg(window.GetHandle()).Execute();
    window.Invalidate(false);
}

} // namespace shell
