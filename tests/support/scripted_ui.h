// Scripted answers for a test's modal calls. While an object lives, message boxes, dialogs and common
// dialogs take their answers from the layer's queue instead of waiting for a person. On destruction
// the test fails for every modal call that found no answer and for every answer left untaken.
#pragma once

#include <string>

#include "platform/test_script.h"

namespace testsupport {

class ScriptedUi {
public:
    ScriptedUi();
    ~ScriptedUi();
    ScriptedUi(const ScriptedUi&) = delete;
    ScriptedUi& operator=(const ScriptedUi&) = delete;

    // The event log so far, one line per event.
    std::string Log() const { return pl::script::LogText(); }
    bool LogContains(const std::string& text) const { return Log().find(text) != std::string::npos; }
};

} // namespace testsupport
