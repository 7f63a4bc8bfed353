// Objects inserted from a file (a paste, a library symbol) carry the numbers they had where they were
// copied from. They are given numbers of their own, so that Undo, the delete pick and re-opening a
// room take the inserted pieces alone and never the objects they were copied from.
#pragma once

#include <cstdint>

class TList;

// Renumbers the composites of the objects from index `first` on: pieces that shared a group share a
// fresh one (a pasted door stays one door, apart from the door it was copied from), and the pieces
// that had none become one composite of their own, so that an inserted symbol goes whole. An
// identifier naming an inserted owner of a number (a piece whose identifier is its group) follows it,
// so a partition and its mask lines, or a door and its partition, still name each other. Fresh
// numbers come from IdCounter on the current floor's base and are used by no object before `first`.
void GiveInsertedOwnGroups(TList& list, int32_t first);
