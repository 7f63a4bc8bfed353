// PENDING: the Move or Rotate and Copy commands belong to plan editing. Until they are built a
// restore of those tools keeps the current tool. Whoever builds them moves them out of this file
// and deletes it.
#include "shell/client.h"

void TClient::CmMoveRotate() {}
void TClient::CmCopy() {}
