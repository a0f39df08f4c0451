// Group boxes: standard Windows group boxes that also hold the controls
// placed in them, so they pass their children's notifications on to the
// window that handles them.
#include "window/controls.h"

#include <commctrl.h>

namespace {

const GroupBoxProperties& PropertiesOf(const ItemDescription& item) {
  return item.properties.groupBox ? *item.properties.groupBox : kDefaultGroupBox;
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR data) {
  const auto* properties = reinterpret_cast<const GroupBoxProperties*>(data);
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
      // The buttons' clicks and colours are the window's business.
      return SendMessageA(GetAncestor(box, GA_ROOT), message, wParam, lParam);
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(box, &client);
      FillWithColour(reinterpret_cast<HDC>(wParam), client, properties->background);
      return 1;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, GroupBoxProc, 0);
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

HWND BuildGroupBox(const ItemDescription& item, DWORD style, HWND parent, int childId) {
  const GroupBoxProperties& properties = PropertiesOf(item);
  style |= WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT;
  HWND box = CreateWindowExA(0, "BUTTON", properties.caption, style, item.left, item.top,
                             item.width, item.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                             GetModuleHandleA(nullptr), nullptr);
  if (!box) return nullptr;
  SendMessageA(box, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  if (!SetWindowSubclass(box, GroupBoxProc, 0, reinterpret_cast<DWORD_PTR>(&properties))) {
    DestroyWindow(box);
    return nullptr;
  }
  return box;
}
