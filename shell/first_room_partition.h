// The question before the first room of a view, design or fixed: the thickness its partitions get.
#pragma once

class TChild;

namespace shell {

// Runs the partition-thickness dialog of the drawing's units when the view holds no room yet.
void AskPartitionForFirstRoom(TChild& window);

} // namespace shell
