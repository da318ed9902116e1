// One run of the program in the current folder: the folder is claimed before any window
// shows, then either the wizard runs or, when another VELD holds the folder, a dialog says so.
#pragma once

#include "app/window_set.h"

// The exit status of a program that found another VELD running in its folder; a run of the
// wizard ends with 0.
inline constexpr int exitFolderInUse = 1;

// Runs the event loop until the run ends and returns the exit status. The claim on the
// folder lasts exactly as long as the run: every way out releases it.
int runInCurrentFolder(const StartupOptions &options = {});
