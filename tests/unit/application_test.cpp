// Start-up's pure parts: the program folder cut and the fatal box text.
#include <gtest/gtest.h>

#include <string>

#include "app/application.h"
#include "app/program_folder.h"

namespace {

TEST(ProgramFolder, IsThePathBeforeTheLastBackslash) {
  struct Case { const char* path; const char* folder; } cases[] = {
      {"C:\\Tools\\repair.exe", "C:\\Tools"},
      {"C:\\repair.exe", "C:"},
      {"repair.exe", ""},
      {"", ""},
      {"\\\\server\\share\\a.exe", "\\\\server\\share"},
      // 乗 is 81 5C: its trail byte is no backslash.
      {"C:\\\x81\x5C\\Dravelin.exe", "C:\\\x81\x5C"},
      {"C:\\a\\\x81\x5C" "Dravelin.exe", "C:\\a"},
      {"\x81\x5C" "Dravelin.exe", ""},
  };
  for (const auto& c : cases) {
    char folder[MAX_PATH];
    CutProgramFolder(c.path, folder, sizeof folder);
    EXPECT_STREQ(folder, c.folder) << c.path;
  }
}

TEST(ProgramFolder, IsCutToFitItsBuffer) {
  char folder[4];
  CutProgramFolder("C:\\Tools\\repair.exe", folder, sizeof folder);
  EXPECT_STREQ(folder, "C:\\");
}

std::string FatalText(const char* message, int code) {
  char text[256];
  const int length = FormatFatalText(message, code, text, sizeof text);
  EXPECT_EQ(length, static_cast<int>(strlen(text)));
  return text;
}

TEST(FatalBox, TextHasTheFirstLineTheCodeAndTheMessage) {
  // 运行时出错! / 错误代码： / 错误信息： / 载入启动窗口失败, in code page 936.
  const std::string first = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n";
  const std::string code = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";
  const std::string info = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
  const std::string message = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
  EXPECT_EQ(FatalText(message.c_str(), 0), first + info + message + "\r\n");
  EXPECT_EQ(FatalText(message.c_str(), -5), first + code + "-5\r\n\r\n" + info + message + "\r\n");
  EXPECT_EQ(FatalText("", 0), first);
  EXPECT_EQ(FatalText(nullptr, 12), first + code + "12\r\n\r\n");
}

TEST(FatalBox, TextIsCutToFitItsBuffer) {
  char text[8];
  FormatFatalText("message", 0, text, sizeof text);
  EXPECT_EQ(strlen(text), 7u);
}

}  // namespace
