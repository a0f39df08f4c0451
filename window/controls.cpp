#include "window/controls.h"

ControlBuilder BuilderOf(ItemKind kind) {
  switch (kind) {
    case ItemKind::GroupBox: return BuildGroupBox;
    case ItemKind::Label: return BuildLabel;
    case ItemKind::Button: return BuildButton;
    case ItemKind::BrowserPane: return BuildHomePagePane;
    case ItemKind::Window: break;
  }
  return nullptr;
}

void FillWithColour(HDC dc, const RECT& rect, COLORREF colour) {
  if (colour == kSystemColour) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

HFONT ControlFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

bool RegisterProgramClass(const char* name, WNDPROC procedure, int stockBrush) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(GetModuleHandleA(nullptr), name, &wc)) return true;
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(stockBrush));
  wc.lpszClassName = name;
  return RegisterClassA(&wc) != 0;
}
