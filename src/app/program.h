// The program as the desktop knows it: its names and its icon, and how a run ends.
#pragma once

// Sets the running application's names, desktop entry and window icon, and lets only the
// wizard's own commands end a run. Call once, after the application object is made.
void setUpProgram();
