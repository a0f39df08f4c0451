#include "tests/unit/support/commands_support.h"

#include <algorithm>

#include "app/application.h"
#include "commands/launch.h"
#include "commands/prompt.h"

namespace {

ShellDoubles* current = nullptr;

int WINAPI MessageBoxDouble(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  ++current->promptCount;
  if (current->record) current->prompts.push_back({owner, TextOf(text), TextOf(caption), style});
  return current->answer;
}

HINSTANCE WINAPI ShellExecuteDouble(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT showCommand) {
  ++current->launchCount;
  if (current->record)
    current->launches.push_back({owner, TextOf(verb), TextOf(file), TextOf(parameters),
                                 TextOf(directory), showCommand,
                                 file ? ReadBytes(file) : std::nullopt});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // what success returns
}

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

CallText TextOf(const char* text) { return text ? CallText(text) : std::nullopt; }

ShellDoubles::ShellDoubles(int answer, bool record) : answer(answer), record(record) {
  current = this;
  oldMessageBox_ = showMessageBox;
  oldShellExecute_ = shellExecute;
  showMessageBox = MessageBoxDouble;
  shellExecute = ShellExecuteDouble;
}

ShellDoubles::~ShellDoubles() {
  showMessageBox = oldMessageBox_;
  shellExecute = oldShellExecute_;
  current = nullptr;
}

void CommandsTest::SetUp() { App().heap = GetProcessHeap(); }

ScratchFolder::ScratchFolder() {
  static int serial = 0;
  // The real temporary folder of the test run, whatever TMP a test sets.
  static const std::string base = [] {
    char buffer[MAX_PATH] = "";
    GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer);
  }();
  path = base + "dravelin-commands-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(++serial);
  RemoveTree(path);
  if (!CreateDirectoryA(path.c_str(), nullptr)) ADD_FAILURE() << "cannot create " << path;
}

ScratchFolder::~ScratchFolder() { RemoveTree(path); }

EnvironmentOverride::EnvironmentOverride(const char* name, const std::string& value)
    : name_(name) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  if (length > 0 && length < sizeof buffer) old_ = std::string(buffer, length);
  SetEnvironmentVariableA(name, value.c_str());
}

EnvironmentOverride::~EnvironmentOverride() {
  SetEnvironmentVariableA(name_.c_str(), old_ ? old_->c_str() : nullptr);
}

ProgramFolderOverride::ProgramFolderOverride(const std::string& folder)
    : old_(App().programFolder) {
  lstrcpynA(App().programFolder, folder.c_str(), sizeof App().programFolder);
}

ProgramFolderOverride::~ProgramFolderOverride() {
  lstrcpynA(App().programFolder, old_.c_str(), sizeof App().programFolder);
}

CurrentDirectoryOverride::CurrentDirectoryOverride(const std::string& folder) {
  char buffer[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof buffer, buffer);
  old_ = buffer;
  if (!SetCurrentDirectoryA(folder.c_str())) ADD_FAILURE() << "cannot enter " << folder;
}

CurrentDirectoryOverride::~CurrentDirectoryOverride() { SetCurrentDirectoryA(old_.c_str()); }

CallText ReadBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(ok && written == bytes.size()) << "cannot write " << path;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = entry.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

std::string BytesOf(const EmbeddedFile& file) {
  return std::string(reinterpret_cast<const char*>(file.bytes), file.size);
}

std::string WindowsPathOf(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

CallText SourceFileBytes(const std::string& relativePath) {
  return ReadBytes(WindowsPathOf(std::string(DRAVELIN_SOURCE_DIR) + "/" + relativePath));
}

HeldFile::HeldFile(const std::string& path, bool byAnotherProcess) {
  if (!byAnotherProcess) {
    handle_ = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    held = handle_ != INVALID_HANDLE_VALUE;
    return;
  }
  char build[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("DRAVELIN_BUILD", build, sizeof build)) {
    ADD_FAILURE() << "DRAVELIN_BUILD is not set";
    return;
  }
  const std::string helper = WindowsPathOf(build) + "\\tests\\helpers\\commands_hold.exe";
  const std::string ready = path + ".ready";
  release_ = path + ".release";
  DeleteFileA(ready.c_str());
  DeleteFileA(release_.c_str());
  std::string command = "\"" + helper + "\" \"" + path + "\" \"" + ready + "\" \"" + release_ + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    ADD_FAILURE() << "cannot start " << helper;
    return;
  }
  for (int i = 0; i < 1500 && !held; ++i) {
    held = GetFileAttributesA(ready.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!held && WaitForSingleObject(process_.hProcess, 20) == WAIT_OBJECT_0) break;
  }
  DeleteFileA(ready.c_str());
}

HeldFile::~HeldFile() {
  if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  if (process_.hProcess) {
    WriteBytes(release_, "");
    WaitForSingleObject(process_.hProcess, 30000);
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    DeleteFileA(release_.c_str());
  }
}
