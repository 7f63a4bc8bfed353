// The document as it stood at one moment, kept in memory so that it can be put back whole: a step
// whose write fails takes the user back to what memory held before it, which may be more than the
// file holds (a selection moved or turned and not yet locked with Enter).
#pragma once

#include <string>

class TList;

class KeptDocument {
public:
    // Keeps every object of the list that has a record, with the units and the identifier counter.
    explicit KeptDocument(const TList& list);
    // Replaces the list's objects with the kept ones, and the units and identifier counter with the
    // kept values.
    void PutBack(TList& list) const;

private:
    // The objects as the working file would hold them, with their absolute coordinates.
    std::string text_;
};
