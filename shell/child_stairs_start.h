// The drawing window's start of the stairs tool: the stairs dialog, then the outline that follows the
// pointer until Enter places the stairs.
#pragma once

class TChild;

namespace shell {

// Runs the stairs dialog for the current stairs tool and starts it with the answer. False when the
// stairs did not start (the dialog was cancelled or the start refused): the pick tool is then current.
bool StartStairs(TChild& window);

} // namespace shell
