// Starting a file through the Windows shell, without waiting for it.
#pragma once

#include <windows.h>

// Operation codes; any other, kNoOperation included, is the default verb.
enum : int {
  kNoOperation = 0,
  kOperationEdit = 1,
  kOperationExplore = 2,
  kOperationFind = 3,
  kOperationOpen = 4,
  kOperationPrint = 5,
};

// Window modes; any other, kNoWindowMode included, is a normal window.
enum : int {
  kNoWindowMode = 0,
  kWindowHidden = 1,
  kWindowNormal = 2,
  kWindowMinimised = 3,
  kWindowMaximised = 4,
  kWindowNoActivate = 5,
  kWindowMinimise = 6,
};

// ShellExecuteA with no owner: the verb of the operation, the file, the
// parameters (null: none), the directory (null: the empty text, so the
// started process inherits the current directory) and the show command of
// the window mode. The result is dropped.
void LaunchFile(int operation, const char* file, const char* parameters,
                const char* directory, int windowMode);

// The rules of LaunchFile: the verb of an operation code (null: the file
// type's default verb) and the show command of a window mode.
const char* VerbOf(int operation);
int ShowCommandOf(int windowMode);

// The shell call itself: ShellExecuteA, unless a test has put a double in
// its place.
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND owner, LPCSTR verb, LPCSTR file,
                                                LPCSTR parameters, LPCSTR directory,
                                                INT showCommand);
extern ShellExecuteFunction shellExecute;
