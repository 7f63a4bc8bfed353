// The start the fixtures that drive a running program share: the frame up over the test's private
// program directory, with an empty metric drawing named HOUSE on the ground floor.
#pragma once

#include "shell/app.h"
#include "shell/client.h"
#include "tests/support/program_directory.h"

// Fails the test (fatally) when the frame or its client window does not come up.
void StartProgramFrame(TAApp& app, TClient*& client, const testsupport::ProgramDirectory& dir);
