#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedUi::ScriptedUi() {
    pl::script::Reset();
    pl::script::Enable(true);
}

ScriptedUi::~ScriptedUi() {
    for (const std::string& error : pl::script::Errors())
        ADD_FAILURE() << "scripted UI: " << error;
    if (pl::script::Pending() > 0)
        ADD_FAILURE() << "scripted UI: " << pl::script::Pending() << " answer(s) never asked for";
    pl::script::Enable(false);
    pl::script::Reset();
}

} // namespace testsupport
