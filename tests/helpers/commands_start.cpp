// commands_start.exe NAME=VALUE... -- PROGRAM
// Starts PROGRAM with the given variables set in its environment and waits
// for it; exits with its exit code (127 when it cannot be started, 126 for
// wrong arguments). Under Wine a program started from Unix takes TMP, TEMP
// and ComSpec from the prefix's registry whatever the Unix environment
// says; one started from another Windows program inherits that program's
// environment, as it would on Windows.
#include <windows.h>
#include <shellapi.h>

#include <string>

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return 126;
  int i = 1;
  for (; i < argc && std::wstring(argv[i]) != L"--"; ++i) {
    std::wstring setting = argv[i];
    const size_t equals = setting.find(L'=');
    if (equals == std::wstring::npos || equals == 0) return 126;
    SetEnvironmentVariableW(setting.substr(0, equals).c_str(), setting.c_str() + equals + 1);
  }
  if (i + 2 != argc) return 126;
  std::wstring command = L"\"" + std::wstring(argv[i + 1]) + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(argv[i + 1], &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return 127;
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 127;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  LocalFree(argv);
  return static_cast<int>(code);
}
