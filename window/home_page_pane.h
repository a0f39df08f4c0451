// HomePagePane: the strip at the bottom of the main window that shows the
// product's home page in the system's web browser control.
#pragma once

#include <windows.h>

#include "window/browser_site.h"
#include "window/window_description.h"

// Child identifier of the browser control's window inside the pane.
constexpr int kBrowserControlId = 0xE900;

// The pane's host window class.
extern const char kHomePagePaneClass[];

// Builds the pane hidden at (x, y), width x height in parent, with the given
// style bits plus WS_CHILD | WS_CLIPSIBLINGS, its browser control made by
// factory, the options applied and the start address loading. Null when the
// host or the control cannot be built or the control has no IWebBrowser2;
// nothing is left behind then. The pane frees itself with its window.
HWND CreateHomePagePane(const BrowserPaneProperties& options, DWORD style, HWND parent,
                        int childId, int x, int y, int width, int height,
                        BrowserFactory factory);
