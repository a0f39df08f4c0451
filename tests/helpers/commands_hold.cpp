// commands_hold.exe FILE READY RELEASE
// Holds FILE open with share mode 0, as another program would that has the
// file open: no one else can open it until this process lets go. Creates
// READY once it holds the file, and lets go when RELEASE appears (or after
// two minutes). Exit code 0 after holding, 2 when FILE cannot be opened,
// 1 for wrong arguments.
#include <windows.h>
#include <shellapi.h>

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 4) return 1;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 2;
  HANDLE ready = CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
  if (ready != INVALID_HANDLE_VALUE) CloseHandle(ready);
  for (int i = 0; i < 6000; ++i) {
    if (GetFileAttributesW(argv[3]) != INVALID_FILE_ATTRIBUTES) break;
    Sleep(20);
  }
  CloseHandle(file);
  LocalFree(argv);
  return 0;
}
