// Shared by the commands' unit tests: doubles for the message box and the
// shell, scratch folders, and small file helpers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "commands/embedded_files.h"

// A text as a call received it: nullopt for a null pointer.
using CallText = std::optional<std::string>;
CallText TextOf(const char* text);

struct PromptCall {
  HWND owner;
  CallText text;
  CallText caption;
  UINT style;
};

struct LaunchCall {
  HWND owner;
  CallText verb;
  CallText file;
  CallText parameters;
  CallText directory;
  int showCommand;
  CallText fileBytes;  // what the named file held when the shell was called
};

// While it lives, MessageBoxA and ShellExecuteA are replaced by doubles: the
// box answers with `answer`, the shell starts nothing. Each call is recorded
// unless record is false (then only counted, so that the doubles themselves
// allocate nothing).
class ShellDoubles {
 public:
  explicit ShellDoubles(int answer = IDYES, bool record = true);
  ~ShellDoubles();
  ShellDoubles(const ShellDoubles&) = delete;
  ShellDoubles& operator=(const ShellDoubles&) = delete;

  int answer;
  bool record;
  int promptCount = 0;
  int launchCount = 0;
  std::vector<PromptCall> prompts;
  std::vector<LaunchCall> launches;

 private:
  int(WINAPI* oldMessageBox_)(HWND, LPCSTR, LPCSTR, UINT);
  HINSTANCE(WINAPI* oldShellExecute_)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
};

// Base of the commands' tests: the blocks come from the process heap, as
// after start-up.
class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

// A new empty folder in the real temporary folder, removed with everything
// in it when the object ends. path ends without a backslash.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string path;
  std::string operator/(const std::string& name) const { return path + "\\" + name; }
};

// Sets an environment variable of this process until the object ends.
class EnvironmentOverride {
 public:
  EnvironmentOverride(const char* name, const std::string& value);
  ~EnvironmentOverride();
  EnvironmentOverride(const EnvironmentOverride&) = delete;
  EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

 private:
  std::string name_;
  CallText old_;
};

// Sets the program folder of the application record until the object ends.
class ProgramFolderOverride {
 public:
  explicit ProgramFolderOverride(const std::string& folder);
  ~ProgramFolderOverride();
  ProgramFolderOverride(const ProgramFolderOverride&) = delete;
  ProgramFolderOverride& operator=(const ProgramFolderOverride&) = delete;

 private:
  std::string old_;
};

// Sets the current directory until the object ends.
class CurrentDirectoryOverride {
 public:
  explicit CurrentDirectoryOverride(const std::string& folder);
  ~CurrentDirectoryOverride();
  CurrentDirectoryOverride(const CurrentDirectoryOverride&) = delete;
  CurrentDirectoryOverride& operator=(const CurrentDirectoryOverride&) = delete;

 private:
  std::string old_;
};

// Holds an existing file open with share mode 0 until the object ends,
// either through a second handle of this process or from another process
// (tests/helpers/commands_hold.exe). held says whether it worked.
class HeldFile {
 public:
  HeldFile(const std::string& path, bool byAnotherProcess);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool held = false;

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
  PROCESS_INFORMATION process_ = {};
  std::string release_;
};

// The Windows path of a Unix path, through Wine's drive Z:.
std::string WindowsPathOf(const std::string& unixPath);

// A file's bytes, or nullopt when it cannot be read.
CallText ReadBytes(const std::string& path);
// Writes bytes into a new or emptied file; fails the test when it cannot.
void WriteBytes(const std::string& path, const std::string& bytes);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> FolderEntries(const std::string& folder);
// An embedded file's bytes as a string.
std::string BytesOf(const EmbeddedFile& file);
// The bytes of a file of the source tree (a path relative to its root,
// with forward slashes).
CallText SourceFileBytes(const std::string& relativePath);
