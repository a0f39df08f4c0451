// The home page pane. For now an empty strip of its place and size, so that
// it already takes its turn in the Tab order.
#include "window/controls.h"

namespace {
const char kPaneClass[] = "Dravelin.HomePage";
}

HWND BuildHomePagePane(const ItemDescription& item, DWORD style, HWND parent, int childId) {
  WNDCLASSA wc = {};
  if (!GetClassInfoA(GetModuleHandleA(nullptr), kPaneClass, &wc)) {
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kPaneClass;
    if (!RegisterClassA(&wc)) return nullptr;
  }
  return CreateWindowExA(0, kPaneClass, "", style | WS_CHILD | WS_CLIPSIBLINGS, item.left,
                         item.top, item.width, item.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                         GetModuleHandleA(nullptr), nullptr);
}
