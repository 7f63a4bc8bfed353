// File commands of the client window.
#include "platform/frame_window.h"
#include "shell/client.h"

// Exit, and the frame's close box, which sends the same command. Closing the frame ends the run.
void TClient::CmExit() {
    if (Frame) Frame->CloseWindow(0);
}
