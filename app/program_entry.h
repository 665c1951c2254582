#pragma once

#include "platform/desktop.h"

namespace mirlo {

extern const char kInstanceGuardName[];

// Guard, create, run, release. Returns the exit code: 0 after a run, 1 when
// another instance was already running.
int ProgramEntry(Application& app, Desktop& desk);

}  // namespace mirlo
