// The process's one application record and its life: start-up, the
// message loop, the end sequence and the fatal error box.
#pragma once

#include <windows.h>

struct WindowDescription;

struct Application {
  HANDLE heap;                 // the process heap, for every block
  char programFolder[MAX_PATH];  // the executable's folder, no trailing backslash
  bool oleStarted;
  bool loopEntered;
  bool ending;
  HWND openWindow;             // the description's window while it is open
  HICON bigIcon;               // "DEFAULT_ICON" at 32 x 32, loaded on first use
  HICON smallIcon;             // and at 16 x 16
};

Application& App();

// Start-up with the program's window description; returns 0.
int ProgramEntry();
// Start-up with a given description (the test builds use their own).
int RunProgram(const WindowDescription& description);

// Runs the thread's message loop until WM_QUIT; at once when no window is open.
void RunMessageLoop();

// Destroys what is still open and releases OLE.
void EndProgram(int exitCode);

// Shows the fatal box and ends the process with exit code -1.
[[noreturn]] void FatalError(const char* message, int errorCode);

// The fatal box's text into buffer (always NUL-terminated); returns its length.
int FormatFatalText(const char* message, int errorCode, char* buffer, int size);

// The program icon at 32 x 32 (big) or 16 x 16, loaded once per process.
HICON ProgramIcon(bool big);

// Called by a window of the description when it is created and destroyed;
// the last one destroyed after the loop began ends the loop.
void WindowOpened(HWND window);
void WindowClosed(HWND window);
