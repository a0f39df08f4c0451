// The program's entry: start-up runs the window until it is closed, then
// the end sequence releases what is left.
#include <windows.h>

#include "app/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int exitCode = ProgramEntry();
  EndProgram(exitCode);
  return exitCode;
}
