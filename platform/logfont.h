// The logical-font record of the windowing interface, as the font dialog and the text code exchange
// it. One definition for the whole layer: the device context's, which the font dialog shares.
#pragma once

#include "platform/gdi_objects.h"
