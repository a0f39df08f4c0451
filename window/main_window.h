// A window built from a window description: LoadWindow builds and shows
// it; the window then applies the description's keyboard rules and runs
// the bound handlers of its controls' events.
#pragma once

#include <windows.h>

#include "window/window_description.h"

// Builds and shows the description's window; false when it or any of its
// controls could not be built (nothing is left on the screen then).
bool LoadWindow(const WindowDescription& description);

// Runs the handler bound to the item's event; false when none is bound.
bool RaiseEvent(const WindowDescription& description, int itemId, int event);

// The window styles the description's window properties ask for.
DWORD WindowStyleOf(const WindowProperties& properties);
