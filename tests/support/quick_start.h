// Start-up options for tests: no splash to wait for, and optionally a help folder of the test's
// own.
#pragma once

#include "app/window_set.h"

inline StartupOptions quickStart(const QString &helpFolder = QString()) {
    StartupOptions options;
    options.splashMilliseconds = 0;
    options.helpFolder = helpFolder;
    return options;
}
