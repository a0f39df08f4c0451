// Reports a top-level window of another process, and everything in it, as
// plain ASCII lines that the test scripts read:
//   window_report window TITLE      the window, its descendants and its focus
//   window_report wait TITLE SECS   waits until a window of that title exists
//   window_report hit TITLE PART    a screen point where the window's frame reports
//                             that hit-test code (20 HTCLOSE, 2 HTCAPTION ...)
//   window_report screen            the primary screen's size
// A title is matched exactly, in the ANSI code page. Texts are printed as
// the hex of their ANSI bytes. Exit code 1: no such window.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

void PrintHex(const char* text) {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p)
    printf("%02X", *p);
}

void WindowText(HWND hwnd, char* text, int size) {
  text[0] = '\0';
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 2000, &length))
    GetWindowTextA(hwnd, text, size);
  text[size - 1] = '\0';
}

void IconSize(HICON icon, int* width, int* height) {
  *width = *height = 0;
  ICONINFO info;
  if (!icon || !GetIconInfo(icon, &info)) return;
  BITMAP bitmap;
  HBITMAP source = info.hbmColor ? info.hbmColor : info.hbmMask;
  if (GetObjectA(source, sizeof bitmap, &bitmap)) {
    *width = bitmap.bmWidth;
    *height = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
  }
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
}

HICON WindowIcon(HWND hwnd, WPARAM which) {
  return reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, which, 0));
}

void PrintCommon(HWND hwnd, int x, int y) {
  char className[256] = "";
  GetClassNameA(hwnd, className, sizeof className);
  RECT rect;
  GetWindowRect(hwnd, &rect);
  printf(" class=%s x=%d y=%d w=%ld h=%ld style=0x%08lX exstyle=0x%08lX classstyle=0x%08lX"
         " visible=%d enabled=%d text=",
         className, x, y, rect.right - rect.left, rect.bottom - rect.top,
         static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_STYLE)),
         static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)),
         static_cast<unsigned long>(GetClassLongPtrA(hwnd, GCL_STYLE)),
         IsWindowVisible(hwnd) ? 1 : 0, IsWindowEnabled(hwnd) ? 1 : 0);
  char text[2048];
  WindowText(hwnd, text, sizeof text);
  PrintHex(text);
}

void PrintChildren(HWND parent, int depth) {
  int z = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++z) {
    RECT rect;
    GetWindowRect(child, &rect);
    POINT origin = {rect.left, rect.top};
    ScreenToClient(parent, &origin);
    printf("child depth=%d id=%d hwnd=0x%lX", depth, GetDlgCtrlID(child),
           static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(child)));
    PrintCommon(child, origin.x, origin.y);
    printf(" z=%d\n", z);
    PrintChildren(child, depth + 1);
  }
}

int ReportWindow(const char* title) {
  HWND hwnd = FindWindowA(nullptr, title);
  if (!hwnd) {
    printf("none\n");
    return 1;
  }
  RECT rect, client;
  GetWindowRect(hwnd, &rect);
  GetClientRect(hwnd, &client);
  DWORD pid = 0;
  DWORD thread = GetWindowThreadProcessId(hwnd, &pid);
  printf("window hwnd=0x%lX pid=%lu", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(hwnd)),
         pid);
  PrintCommon(hwnd, rect.left, rect.top);
  // Icon sizes cannot always be read from another process: 0x0 then.
  HICON big = WindowIcon(hwnd, ICON_BIG), small = WindowIcon(hwnd, ICON_SMALL);
  int bigW, bigH, smallW, smallH;
  IconSize(big, &bigW, &bigH);
  IconSize(small, &smallW, &smallH);
  printf(" cw=%ld ch=%ld iconbig=%d:%dx%d iconsmall=%d:%dx%d owner=%d\n", client.right,
         client.bottom, big ? 1 : 0, bigW, bigH, small ? 1 : 0, smallW, smallH,
         GetWindow(hwnd, GW_OWNER) ? 1 : 0);
  PrintChildren(hwnd, 1);

  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  HWND focus = GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
  char className[256] = "none";
  if (focus) GetClassNameA(focus, className, sizeof className);
  // The control of the window that holds the focus: a button itself, or the
  // pane for any window inside it. Controls in a group box count as its
  // own, not the group box's.
  int control = -1;
  for (HWND w = focus; w && w != hwnd; w = GetAncestor(w, GA_PARENT)) {
    char name[64] = "";
    GetClassNameA(w, name, sizeof name);
    HWND parent = GetAncestor(w, GA_PARENT);
    if (parent == hwnd || lstrcmpiA(name, "Button") == 0) {
      control = GetDlgCtrlID(w);
      break;
    }
  }
  printf("focus id=%d control=%d class=%s hwnd=0x%lX\n", focus ? GetDlgCtrlID(focus) : -1,
         control, className, static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(focus)));
  HWND foreground = GetForegroundWindow();
  printf("foreground hwnd=0x%lX this=%d text=",
         static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(foreground)), foreground == hwnd);
  char text[512] = "";
  if (foreground) WindowText(foreground, text, sizeof text);
  PrintHex(text);
  printf("\n");
  return 0;
}

// The screen point of a part of the window's frame (HTCLOSE, HTCAPTION ...),
// found by asking the window itself about the points of its title bar and of
// the outer strips of its frame.
int ReportFramePoint(const char* title, int part) {
  HWND hwnd = FindWindowA(nullptr, title);
  if (!hwnd) return 1;
  RECT r;
  GetWindowRect(hwnd, &r);
  auto hits = [&](int x, int y) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    if (static_cast<int>(hit) != part) return false;
    printf("point x=%d y=%d\n", x, y);
    return true;
  };
  const int strip = 8;
  for (int y = r.top; y < r.top + 32 && y < r.bottom; ++y)  // the title bar, right to left
    for (int x = r.right - 1; x >= r.left; --x)
      if (hits(x, y)) return 0;
  for (int d = 0; d < strip; ++d) {
    for (int y = r.top; y < r.bottom; y += 2)
      if (hits(r.left + d, y) || hits(r.right - 1 - d, y)) return 0;
    for (int x = r.left; x < r.right; x += 2)
      if (hits(x, r.bottom - 1 - d)) return 0;
  }
  printf("none\n");
  return 1;
}

int WaitForWindow(const char* title, int seconds) {
  for (int waited = 0; waited < seconds * 10; ++waited) {
    if (FindWindowA(nullptr, title)) return 0;
    Sleep(100);
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && strcmp(argv[1], "window") == 0) return ReportWindow(argv[2]);
  if (argc >= 4 && strcmp(argv[1], "wait") == 0) return WaitForWindow(argv[2], atoi(argv[3]));
  if (argc >= 4 && strcmp(argv[1], "hit") == 0) return ReportFramePoint(argv[2], atoi(argv[3]));
  if (argc >= 2 && strcmp(argv[1], "screen") == 0) {
    printf("screen w=%d h=%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
  }
  fprintf(stderr, "usage: window_report window TITLE | wait TITLE SECONDS | hit TITLE PART | screen\n");
  return 2;
}
