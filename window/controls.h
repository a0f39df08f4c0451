// The control builders, one per kind of control in the description. Each
// builds its control hidden, at the item's place, as a child of parent with
// the given child identifier, adding WS_CHILD, WS_CLIPSIBLINGS and what its
// kind needs to the style bits it is handed (WS_DISABLED, WS_TABSTOP).
#pragma once

#include <windows.h>

#include "window/window_description.h"

using ControlBuilder = HWND (*)(const ItemDescription& item, DWORD style, HWND parent, int childId);

HWND BuildLabel(const ItemDescription& item, DWORD style, HWND parent, int childId);
HWND BuildButton(const ItemDescription& item, DWORD style, HWND parent, int childId);
HWND BuildGroupBox(const ItemDescription& item, DWORD style, HWND parent, int childId);
HWND BuildHomePagePane(const ItemDescription& item, DWORD style, HWND parent, int childId);

ControlBuilder BuilderOf(ItemKind kind);

// Fills a rectangle with a colour of the description; kSystemColour is the
// button face.
void FillWithColour(HDC dc, const RECT& rect, COLORREF colour);

// Registers one of the program's window classes on first use: double
// clicks, redrawn when sized, the arrow cursor, a stock brush as background.
// True when the class exists afterwards.
bool RegisterProgramClass(const char* name, WNDPROC procedure, int stockBrush);

// The font a control draws with: the stock DEFAULT_GUI_FONT.
HFONT ControlFont();
