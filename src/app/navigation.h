// Leads the windows along the road of the navigation table: as the window set makes a
// window, its exits in the table are connected once to the next window. The exits that carry
// a message (a work file that failed, an SMTP error, a login) are led here too.
#pragma once

#include "navigation_table.h"

class SkinWindow;
class WindowSet;

namespace navigation {

// Connects the exits of `window`, which the window set has just made as `id`.
void lead(WindowSet &windows, WindowId id, SkinWindow *window);

// Goes along one road from `leaving`, the window that is done.
void travel(WindowSet &windows, const Road &road, SkinWindow *leaving);

} // namespace navigation
