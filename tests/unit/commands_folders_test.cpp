// The temporary folder and the program folder as the commands take them.
#include <windows.h>

#include <string>

#include "app/program_folder.h"
#include "commands/folders.h"
#include "commands/heap_blocks.h"
#include "tests/unit/support/commands_support.h"

namespace {

using FoldersTest = CommandsTest;

// "工具乗" and "修复乗" in code page 936; 乗 (0x81 0x5C) has a backslash as
// its trail byte.
const char kToolsFolderName[] = "\xB9\xA4\xBE\xDF\x81\x5C";
const char kRepairName[] = "\xD0\xDE\xB8\xB4\x81\x5C";

TEST_F(FoldersTest, TempFolderRuleAppendsABackslashAndNeedsRoomForIt) {
  const std::string name258 = "C:\\" + std::string(255, 'a');  // 258 bytes
  const std::string name259 = "C:\\" + std::string(256, 'a');  // 259 bytes
  const struct {
    std::string buffer;
    unsigned int returned;
    std::string folder;  // empty: no folder
  } cases[] = {
      {"C:\\Temp\\", 8, "C:\\Temp\\"},
      {"C:\\Temp", 7, "C:\\Temp\\"},  // exactly one backslash between folder and name
      {"C:\\", 3, "C:\\"},
      {"C:\\Temp\\", 0, ""},    // a zero return is no folder, whatever the buffer holds
      {"", 5, ""},              // an empty buffer
      {"C:\\Temp\\", 261, ""},  // the return says the path did not fit
      {"C:\\Temp\\", 260, ""},
      {name258, 258, name258 + "\\"},  // 259 bytes and the NUL: fits
      {name259, 259, ""},              // 260 bytes and the NUL: does not
      {name258 + "\\", 259, name258 + "\\"},
      // Only the last byte is looked at.
      {std::string("Z:\\") + kToolsFolderName, 8, std::string("Z:\\") + kToolsFolderName},
      {std::string("Z:\\") + kToolsFolderName + "\\", 9,
       std::string("Z:\\") + kToolsFolderName + "\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.buffer + " / " + std::to_string(c.returned));
    char buffer[kFolderBufferSize];
    memset(buffer, 'x', sizeof buffer);
    memcpy(buffer, c.buffer.c_str(), c.buffer.size() + 1);
    const unsigned int length = FinishTempFolder(buffer, c.returned);
    EXPECT_EQ(length, c.folder.size());
    if (length > 0) {
      EXPECT_EQ(std::string(buffer), c.folder);
    }
  }
}

TEST_F(FoldersTest, TempFolderRuleRefusesAnUnterminatedBuffer) {
  char buffer[kFolderBufferSize];
  memset(buffer, 'a', sizeof buffer);
  EXPECT_EQ(FinishTempFolder(buffer, 259), 0u);
}

TEST_F(FoldersTest, TemporaryFolderFromTmpWithoutTrailingBackslash) {
  ScratchFolder scratch;
  const std::string dbcsFolder = scratch / kToolsFolderName;
  ASSERT_TRUE(CreateDirectoryA(dbcsFolder.c_str(), nullptr));
  const struct {
    std::string tmp;
    std::string folder;
  } cases[] = {
      {scratch.path, scratch.path + "\\"},
      {scratch.path + "\\", scratch.path + "\\"},
      // The last byte of this TMP is the trail byte 0x5C, not a backslash.
      {dbcsFolder, dbcsFolder + "\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tmp);
    EnvironmentOverride override("TMP", c.tmp);
    char* folder = QuerySystemFolder(kTemporaryFolder);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(std::string(folder), c.folder);
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, folder), c.folder.size() + 1);
    FreeBlock(folder);
  }
}

TEST_F(FoldersTest, NoTemporaryFolderWhenTmpIsTooLongForTheBuffer) {
  for (size_t length : {300u, 1000u}) {
    SCOPED_TRACE(length);
    EnvironmentOverride override("TMP", "C:\\" + std::string(length - 3, 'a'));
    EXPECT_EQ(QuerySystemFolder(kTemporaryFolder), nullptr);
  }
}

TEST_F(FoldersTest, OnlyTheTemporaryFolderIsKnown) {
  for (int number : {0, 10, 12, 26, -1}) {
    SCOPED_TRACE(number);
    EXPECT_EQ(QuerySystemFolder(number), nullptr);
  }
}

TEST_F(FoldersTest, ProgramFolderCopiesTheFolderOfStartUp) {
  const struct {
    std::string module;  // the executable's path at start-up
    CallText folder;
  } cases[] = {
      {"C:\\Tools\\repair.exe", CallText("C:\\Tools")},
      {"C:\\repair.exe", CallText("C:")},  // the root of a drive: no backslash
      {"repair.exe", std::nullopt},        // no backslash: no folder
      {std::string("Z:\\") + kToolsFolderName + "\\" + kRepairName + ".exe",
       CallText(std::string("Z:\\") + kToolsFolderName)},
      {std::string("Z:\\") + kToolsFolderName + "\\bin\\repair.exe",
       CallText(std::string("Z:\\") + kToolsFolderName + "\\bin")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.module);
    char cut[MAX_PATH];
    CutProgramFolder(c.module.c_str(), cut, sizeof cut);
    ProgramFolderOverride override(cut);
    char* first = ProgramFolder();
    char* second = ProgramFolder();
    EXPECT_EQ(TextOf(first), c.folder);
    EXPECT_EQ(TextOf(second), c.folder);
    if (first && second) {
      EXPECT_NE(first, second);  // a new owned copy on every call
      EXPECT_EQ(HeapSize(GetProcessHeap(), 0, first), c.folder->size() + 1);
      first[0] = '?';  // the owner's copy, not the record
      char* third = ProgramFolder();
      EXPECT_EQ(TextOf(third), c.folder);
      FreeBlock(third);
    }
    FreeBlock(first);
    FreeBlock(second);
  }
}

}  // namespace
