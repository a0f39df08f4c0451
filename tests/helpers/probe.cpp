// probe.exe ...: stands in for the programs the shell starts (the script
// hosts, the command interpreter, the control panel). When the environment
// variable PROBE_LOG names a file, it appends one line to it:
//   probe cmdline=<hex> cwd=<hex> flags=0x<STARTUPINFO.dwFlags> show=<wShowWindow>
// with the ANSI bytes of its command line and current directory in hex.
// Without PROBE_LOG it does nothing. Either way it exits with code 0.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Hex(const char* text) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    hex += kDigits[*p >> 4];
    hex += kDigits[*p & 15];
  }
  return hex;
}

}  // namespace

int main() {
  wchar_t log[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"PROBE_LOG", log, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 0;

  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  char directory[MAX_PATH * 2] = "";
  GetCurrentDirectoryA(sizeof directory, directory);
  char numbers[64];
  std::snprintf(numbers, sizeof numbers, " flags=0x%08lX show=%u\n",
                static_cast<unsigned long>(startup.dwFlags), startup.wShowWindow);
  const std::string line = "probe cmdline=" + Hex(GetCommandLineA()) + " cwd=" + Hex(directory) +
                           numbers;

  // One write at the end of the file, so that probes started together do
  // not mix their lines.
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
