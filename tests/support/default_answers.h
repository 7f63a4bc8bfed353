// For tables that drive every command: a modal call that finds no answer of its kind next takes its
// default with no error. A dialog is closed by OK with the values it opened with; any other call is
// cancelled (a message box with more than OK answers Cancel or No). Lasts until the script's Reset.
#pragma once

namespace testsupport {

void AnswerRestWithDefaults();

} // namespace testsupport
