// Labels: a window class of the program's own that draws its text on one
// line, vertically centred and cut at its right edge.
#include "window/controls.h"

namespace {

const char kLabelClass[] = "Dravelin.Label";

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_PAINT: {
      const auto* properties =
          reinterpret_cast<const LabelProperties*>(GetWindowLongPtrA(label, GWLP_USERDATA));
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(label, &paint);
      FillWithColour(dc, paint.rcPaint, properties->background);
      char text[512];
      GetWindowTextA(label, text, sizeof text);
      RECT client;
      GetClientRect(label, &client);
      HGDIOBJ oldFont = SelectObject(dc, ControlFont());
      SetTextColor(dc, properties->textColour);
      SetBkMode(dc, TRANSPARENT);
      IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
      DrawTextA(dc, text, -1, &client, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
      SelectObject(dc, oldFont);
      EndPaint(label, &paint);
      return 0;
    }
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcA(label, message, wParam, lParam);
}

bool RegisterLabelClass() {
  return RegisterProgramClass(kLabelClass, LabelProc, NULL_BRUSH);
}

}  // namespace

HWND BuildLabel(const ItemDescription& item, DWORD style, HWND parent, int childId) {
  static const LabelProperties kDefaults = {"", 0, 0, nullptr, 0, kSystemColour, 0, false, 1};
  const LabelProperties* properties = item.properties.label ? item.properties.label : &kDefaults;
  if (!RegisterLabelClass()) return nullptr;
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  return CreateWindowExA(0, kLabelClass, properties->text, style, item.left, item.top,
                         item.width, item.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)),
                         GetModuleHandleA(nullptr), const_cast<LabelProperties*>(properties));
}
