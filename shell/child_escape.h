// Escape in the drawing window: it takes back the step in progress and leaves the tool chosen, or,
// with nothing in progress, ends the tool as choosing the Pick tool does. What the user typed or
// built is never taken.
#pragma once

class TChild;

namespace shell {

void EscapeKey(TChild& window);

} // namespace shell
