#include "commands/launch.h"

#include <shellapi.h>

ShellExecuteFunction shellExecute = ShellExecuteA;

const char* VerbOf(int operation) {
  switch (operation) {
    case kOperationEdit: return "edit";
    case kOperationExplore: return "explore";
    case kOperationFind: return "find";
    case kOperationOpen: return "open";
    case kOperationPrint: return "print";
    default: return nullptr;
  }
}

int ShowCommandOf(int windowMode) {
  switch (windowMode) {
    case kWindowHidden: return SW_HIDE;
    case kWindowNormal: return SW_SHOWNORMAL;
    case kWindowMinimised: return SW_SHOWMINIMIZED;
    case kWindowMaximised: return SW_SHOWMAXIMIZED;
    case kWindowNoActivate: return SW_SHOWNA;
    case kWindowMinimise: return SW_MINIMIZE;
    default: return SW_SHOWNORMAL;
  }
}

void LaunchFile(int operation, const char* file, const char* parameters,
                const char* directory, int windowMode) {
  shellExecute(nullptr, VerbOf(operation), file, parameters, directory ? directory : "",
               ShowCommandOf(windowMode));
}
