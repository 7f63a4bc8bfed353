// Objects inserted from a file (a paste, a library symbol) carry the numbers they had where they were
// copied from. They are given a number of their own, so that Undo, the delete pick and re-opening a
// room take the inserted pieces alone and never the objects they were copied from.
#pragma once

#include <cstdint>

class TList;

// Makes the objects from index `first` on one composite, so that one insertion is one step: every
// piece whose kind carries groups takes one fresh group. An identifier naming an inserted owner of a
// number (a piece whose identifier is its group), and a missing one, become that group too, so a
// partition and its mask lines, or a door and its partition, still name each other; an identifier
// naming something outside the insertion (the wall a door stands in) stays. External walls keep their
// lengths. The fresh number comes from IdCounter on the current floor's base and is used by no object
// before `first`.
void GiveInsertedOwnGroups(TList& list, int32_t first);
