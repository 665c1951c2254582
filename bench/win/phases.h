#pragma once
// The measured figures, each interleaving the two windows of the stage.

#include "stage.h"

namespace mirlo::bench {

void RunPaints(Stage& stage, Report& report, const Sizes& sizes);
void RunDrags(Stage& stage, Report& report, const Sizes& sizes);
// A drag step with the readout against one without it.
void RunReadoutDrags(Stage& stage, Report& report, const Sizes& sizes);
void RunCommands(Stage& stage, Report& report, const Sizes& sizes);
void RunQuit(Stage& stage, Report& report, const Sizes& sizes);
// Where the viewer's time goes: each call into the window-system layer,
// and the parts of the baseline's paint.
void RunProfiles(Stage& stage, Report& report, const Sizes& sizes);

}  // namespace mirlo::bench
