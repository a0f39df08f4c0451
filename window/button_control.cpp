// Push buttons: standard Windows buttons, text centred both ways and
// wrapped when too wide; none is the default button.
#include "window/controls.h"

HWND BuildButton(const ItemDescription& item, DWORD style, HWND parent, int childId) {
  style |= WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
  HWND button = CreateWindowExA(0, "BUTTON", ItemText(item), style, item.left, item.top,
                                item.width, item.height, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                                GetModuleHandleA(nullptr), nullptr);
  if (button) SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  return button;
}
