// The Help button of the tool dialogs: an HTML help page when the help control is there, otherwise
// the context of the older help file.
#pragma once

#include <cstdint>

class QWidget;

void ShowToolDialogHelp(QWidget* caller, const char* htmlTopic, int32_t winHelpContext);
