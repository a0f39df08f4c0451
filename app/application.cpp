#include "app/application.h"

#include <ole2.h>

#include "app/message_filter.h"
#include "app/program_folder.h"
#include "window/main_window.h"
#include "window/window_description.h"

Application& App() {
  static Application application;
  return application;
}

int ProgramEntry() { return RunProgram(kMainWindow); }

int RunProgram(const WindowDescription& description) {
  Application& app = App();
  app.heap = GetProcessHeap();
  if (!app.oleStarted) {
    OleInitialize(nullptr);  // the result does not matter: the pane reports its own failure
    app.oleStarted = true;
  }

  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  CutProgramFolder(path, app.programFolder, sizeof app.programFolder);
  // Relative paths, and whatever the commands start, work in the program folder.
  SetCurrentDirectoryA(app.programFolder);

  // The description is compiled in; its handlers are bound in the table.
  if (!LoadWindow(description)) FatalError("载入启动窗口失败", 0);
  RunMessageLoop();
  return 0;
}

void RunMessageLoop() {
  Application& app = App();
  app.loopEntered = true;
  if (!app.openWindow) return;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void WindowOpened(HWND window) { App().openWindow = window; }

void WindowClosed(HWND window) {
  Application& app = App();
  if (app.openWindow != window) return;
  app.openWindow = nullptr;
  if (app.loopEntered) PostQuitMessage(0);
}

HICON ProgramIcon(bool big) {
  Application& app = App();
  HICON& icon = big ? app.bigIcon : app.smallIcon;
  if (!icon) {
    const int size = big ? 32 : 16;
    icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "DEFAULT_ICON",
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  }
  return icon;
}

void EndProgram(int /*exitCode*/) {
  Application& app = App();
  app.ending = true;
  if (app.openWindow) DestroyWindow(app.openWindow);
  if (app.bigIcon) DestroyIcon(app.bigIcon);
  if (app.smallIcon) DestroyIcon(app.smallIcon);
  app.bigIcon = app.smallIcon = nullptr;
  if (app.oleStarted) {
    OleUninitialize();
    app.oleStarted = false;
  }
}

int FormatFatalText(const char* message, int errorCode, char* buffer, int size) {
  if (size <= 0) return 0;
  int length = 0;
  auto append = [&](const char* text) {
    for (; *text && length < size - 1; ++text) buffer[length++] = *text;
    buffer[length] = '\0';
  };
  buffer[0] = '\0';
  append("运行时出错!\r\n\r\n");
  if (errorCode != 0) {
    char number[16];
    wsprintfA(number, "%d", errorCode);
    append("错误代码：");
    append(number);
    append("\r\n\r\n");
  }
  if (message && *message) {
    append("错误信息：");
    append(message);
    append("\r\n");
  }
  return length;
}

void FatalError(const char* message, int errorCode) {
  char text[1024];
  FormatFatalText(message, errorCode, text, sizeof text);
  MessageBoxA(nullptr, text, "错误", MB_ICONERROR);
  EndProgram(-1);
  ExitProcess(static_cast<UINT>(-1));
}
