// The texts a dialog's edits offered when it opened, so that OK can tell a value the user left as it
// was: such a value is written back as it was stored, never as the rounded figure an edit shows.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class TEdit;

namespace dialogs {

class OfferedTexts {
public:
    // Remembers what the edits show now; the dialog calls it once it has filled them.
    void Remember(std::initializer_list<const TEdit*> edits);
    // Whether every remembered edit still shows what it offered.
    bool Untouched() const;

private:
    std::vector<std::pair<const TEdit*, std::string>> offers_;
};

} // namespace dialogs
