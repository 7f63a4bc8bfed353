// PENDING: the Copy command belongs to plan editing. Until it is built a restore of the copy tool
// keeps the current tool. Whoever builds it moves it out of this file and deletes it.
#include "shell/client.h"

void TClient::CmCopy() {}
