// The floor area enclosed by the external walls of the current view, kept by the document.
#pragma once

class TDrawingtool;

// Recomputes the floor area (square metres in a metric drawing, square feet in an imperial one) from
// the external walls of CurrentView and stores it with TList::SetFloorArea. A document of fewer than
// four objects keeps the area it has; a view without walls gets 0.
void AddExtwallTotals(TDrawingtool& tool);
