#include "window/main_window.h"

#include "app/application.h"
#include "app/message_filter.h"
#include "window/controls.h"
#include "window/window_rules.h"

namespace {

const char kWindowClass[] = "Dravelin.Window";
constexpr int kMaxItems = 32;
constexpr DWORD kTitleBarStyles = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

class Window final : public MessageFilter {
 public:
  explicit Window(const WindowDescription& description) : description_(description) {}

  // Builds and shows the window; on failure nothing is left on the screen
  // and the caller still owns this object.
  bool Build();
  bool PreTranslate(MSG& message) override;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  const WindowProperties& Properties() const { return *description_.items[0].properties.window; }
  bool BuildControls();
  void MoveFocus(bool forward);
  void FocusFirstControl();
  void RestoreFocus();
  int ControlIndex(HWND control) const;
  int TabPosition(const int* order, int count, HWND focus) const;
  static bool IsControlLive(int index, void* self);

  const WindowDescription& description_;
  HWND hwnd_ = nullptr;
  HWND controls_[kMaxItems] = {};
  HWND lastFocus_ = nullptr;
  bool built_ = false;
};

// The window's background is filled in WM_PAINT, so erasing paints nothing.
bool RegisterWindowClass(WNDPROC procedure) {
  return RegisterProgramClass(kWindowClass, procedure, NULL_BRUSH);
}

bool Window::Build() {
  if (description_.count < 1 || description_.count > kMaxItems ||
      description_.items[0].kind != ItemKind::Window || !description_.items[0].properties.window)
    return false;
  if (!RegisterWindowClass(Procedure)) return false;
  const ItemDescription& item = description_.items[0];
  const WindowProperties& properties = Properties();
  const DWORD style = WindowStyleOf(properties);

  int x = item.left, y = item.top;
  if (properties.position == PositionKind::Centred) {
    x = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), item.width);
    y = CentredOrigin(GetSystemMetrics(SM_CYSCREEN), item.height);
  }

  if (!CreateWindowExA(0, kWindowClass, properties.caption, style, x, y, item.width,
                       item.height, nullptr, nullptr, GetModuleHandleA(nullptr), this))
    return false;

  // The system may have changed the title-bar styles.
  const DWORD actual = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
  if ((actual & kTitleBarStyles) != (style & kTitleBarStyles)) {
    SetWindowLongA(hwnd_, GWL_STYLE, static_cast<LONG>((actual & ~kTitleBarStyles) | (style & kTitleBarStyles)));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT rect;
  GetWindowRect(hwnd_, &rect);
  if (rect.right - rect.left != item.width || rect.bottom - rect.top != item.height)
    MoveWindow(hwnd_, x, y, item.width, item.height, FALSE);

  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(true)));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(false)));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);

  if (!BuildControls()) {
    DestroyWindow(hwnd_);  // takes the built controls, and this object, with it
    return false;
  }
  built_ = true;  // from here on the window owns this object
  ShowWindow(hwnd_, SW_SHOW);
  FocusFirstControl();
  return true;
}

bool Window::BuildControls() {
  const int controlCount = description_.count - 1;
  for (int b = 0; b < controlCount; ++b) {
    const int index = BuiltItemIndex(description_, b);
    const ItemDescription& item = description_.items[index];
    DWORD style = 0;
    if (item.disabled) style |= WS_DISABLED;
    if (item.tabStop) style |= WS_TABSTOP;
    ControlBuilder build = BuilderOf(item.kind);
    controls_[index] = build ? build(item, style, hwnd_, ChildIdentifier(b)) : nullptr;
    if (!controls_[index]) return false;
  }
  // Controls held by a group box move into it; their places are its own.
  for (int i = 1; i < description_.count; ++i) {
    const int parent = description_.items[i].parent;
    if (parent == kNoParent) continue;
    const int parentIndex = FindItemIndex(description_, parent);
    if (parentIndex < 1 || !SetParent(controls_[i], controls_[parentIndex])) return false;
  }
  // Among siblings the list order is the stacking order, item 1 topmost.
  for (int i = 1; i < description_.count; ++i) {
    const int after = StackedAfter(description_, i);
    SetWindowPos(controls_[i], after < 0 ? HWND_TOP : controls_[after], 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (int b = 0; b < controlCount; ++b) {
    const int index = BuiltItemIndex(description_, b);
    ShowWindow(controls_[index], description_.items[index].visible ? SW_SHOWNA : SW_HIDE);
  }
  return true;
}


LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    AttachMessageFilter(hwnd, window);
    WindowOpened(hwnd);
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    DetachMessageFilter(hwnd);
    LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
    window->hwnd_ = nullptr;
    if (window->built_) delete window;
    WindowClosed(hwnd);
    return result;
  }
  return window->Handle(message, wParam, lParam);
}

LRESULT Window::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd_, &paint);
      FillWithColour(dc, paint.rcPaint, Properties().background);
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: {
      // Group boxes: black text on the button face.
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam) {
        const int index = ControlIndex(reinterpret_cast<HWND>(lParam));
        if (index > 0 && description_.items[index].kind == ItemKind::Button)
          RaiseEvent(description_, description_.items[index].id, kEventClicked);
        return 0;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      break;  // activation sets the focus on the window, and WM_SETFOCUS passes it on
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

bool Window::PreTranslate(MSG& message) {
  const bool altDown = (message.lParam & (1 << 29)) != 0;
  const bool shiftDown = GetKeyState(VK_SHIFT) < 0;
  const bool ctrlDown = GetKeyState(VK_CONTROL) < 0;
  if (message.message == WM_KEYDOWN) {
    switch (message.wParam) {
      case VK_ESCAPE:
        if (!Properties().escCloses) return false;
        SendMessageA(hwnd_, WM_CLOSE, 0, 0);
        return true;
      case VK_TAB:
        if (ctrlDown) return false;
        MoveFocus(!shiftDown);
        return true;
      case VK_RETURN:
        return true;  // only a default button would take Enter, and there is none
    }
    return false;
  }
  if (message.message == WM_SYSKEYDOWN && altDown && !ctrlDown && !shiftDown) {
    const WPARAM key = message.wParam;
    const bool letterOrDigit = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!letterOrDigit) return false;
    const int index = FindMnemonicItem(description_, static_cast<char>(key), IsControlLive, this);
    if (index < 0) return false;
    const ItemDescription& item = description_.items[index];
    if (item.kind == ItemKind::Button) {
      RaiseEvent(description_, item.id, kEventClicked);  // the focus stays where it is
    } else if (item.kind == ItemKind::Label) {
      int order[kMaxItems];
      const int count = TabOrder(description_, order, kMaxItems, IsControlLive, this);
      // The Tab order runs from the last item to the first: the next control
      // after a label is the first entry that comes before it in the list.
      int next = count > 0 ? order[0] : -1;
      for (int i = 0; i < count; ++i)
        if (order[i] < index) { next = order[i]; break; }
      if (next > 0) SetFocus(controls_[next]);
    } else {
      for (int i = 0; i < description_.items[index].childCount; ++i) {
        const int child = FindItemIndex(description_, item.children[i]);
        if (child > 0 && IsControlLive(child, this) && description_.items[child].tabStop) {
          SetFocus(controls_[child]);
          break;
        }
      }
    }
    return true;
  }
  return false;
}

bool Window::IsControlLive(int index, void* self) {
  HWND control = static_cast<Window*>(self)->controls_[index];
  return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

int Window::ControlIndex(HWND control) const {
  for (int i = 1; i < description_.count; ++i)
    if (controls_[i] == control) return i;
  return -1;
}

// The position in the Tab order of the control that holds the focus.
int Window::TabPosition(const int* order, int count, HWND focus) const {
  for (int i = 0; i < count; ++i) {
    HWND control = controls_[order[i]];
    if (focus == control || IsChild(control, focus)) return i;
  }
  return -1;
}

void Window::MoveFocus(bool forward) {
  int order[kMaxItems];
  const int count = TabOrder(description_, order, kMaxItems, IsControlLive, this);
  const int next = StepTabOrder(count, TabPosition(order, count, GetFocus()), forward);
  if (next >= 0) SetFocus(controls_[order[next]]);
}

void Window::FocusFirstControl() {
  int order[kMaxItems];
  if (TabOrder(description_, order, kMaxItems, IsControlLive, this) > 0)
    SetFocus(controls_[order[0]]);
}

void Window::RestoreFocus() {
  HWND focus = lastFocus_;
  lastFocus_ = nullptr;
  if (focus && IsWindow(focus) && IsChild(hwnd_, focus) && IsWindowVisible(focus) &&
      IsWindowEnabled(focus))
    SetFocus(focus);
  else
    FocusFirstControl();
}

}  // namespace

DWORD WindowStyleOf(const WindowProperties& properties) {
  DWORD style = WS_CLIPCHILDREN;
  const bool hasCaption = properties.caption && *properties.caption;
  if (properties.border != BorderKind::None && hasCaption) {
    style |= WS_CAPTION;
    if (properties.controlBox) style |= WS_SYSMENU;
  }
  if (properties.border == BorderKind::FixedSingle) style |= WS_DLGFRAME;  // no sizing frame
  if (properties.minimiseButton) style |= WS_MINIMIZEBOX;
  if (properties.maximiseButton) style |= WS_MAXIMIZEBOX;
  return style;
}

bool LoadWindow(const WindowDescription& description) {
  auto* window = new Window(description);
  if (window->Build()) return true;
  delete window;
  return false;
}

bool RaiseEvent(const WindowDescription& description, int itemId, int event) {
  const int index = FindItemIndex(description, itemId);
  if (index < 0) return false;
  EventHandler handler = FindHandler(description.items[index], event);
  if (!handler) return false;
  handler();
  return true;
}
