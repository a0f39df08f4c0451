// A small in-place container for one windowed ActiveX control: the
// control lives in a child window of its own (the site window), which owns
// the container objects and the control. Destroying the site window closes
// the control and lets every reference go.
#pragma once

#include <windows.h>
#include <unknwn.h>

// Makes the control's object and hands over one reference to it.
using BrowserFactory = HRESULT (*)(IUnknown** control);

// The system's web browser control, CLSID_WebBrowser.
HRESULT CreateSystemBrowser(IUnknown** control);

// Creates the site window (WS_CHILD | WS_VISIBLE, at rect in parent, with the
// child identifier), makes the control with factory, initialises it as new,
// connects its DWebBrowserEvents2 source to a sink that handles nothing and
// activates it in place over the site window's client area. Returns the site
// window and one reference to the control in *control; on failure null, with
// nothing left behind.
HWND CreateBrowserSite(HWND parent, const RECT& rect, int childId, BrowserFactory factory,
                       IUnknown** control);

// Offers a key message aimed at the site window or inside it to the
// control's in-place active object. True when the control took it.
bool TranslateBrowserKey(HWND site, MSG& message);
