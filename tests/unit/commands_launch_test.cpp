// Starting a file through the shell, through a double of ShellExecuteA.
#include <windows.h>

#include "commands/launch.h"
#include "tests/unit/support/commands_support.h"

namespace {

using LaunchTest = CommandsTest;

TEST_F(LaunchTest, VerbOfOperation) {
  const struct {
    int operation;
    const char* verb;
  } cases[] = {
      {1, "edit"}, {2, "explore"}, {3, "find"}, {4, "open"}, {5, "print"},
      {0, nullptr}, {6, nullptr}, {-1, nullptr}, {100, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.operation);
    EXPECT_EQ(TextOf(VerbOf(c.operation)), TextOf(c.verb));
  }
}

TEST_F(LaunchTest, ShowCommandOfWindowMode) {
  const struct {
    int mode;
    int show;
  } cases[] = {
      {0, SW_SHOWNORMAL},  // none given
      {1, SW_HIDE},        {2, SW_SHOWNORMAL},    {3, SW_SHOWMINIMIZED},
      {4, SW_SHOWMAXIMIZED}, {5, SW_SHOWNA},      {6, SW_MINIMIZE},
      {7, SW_SHOWNORMAL},  {-1, SW_SHOWNORMAL},   {100, SW_SHOWNORMAL},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    EXPECT_EQ(ShowCommandOf(c.mode), c.show);
  }
  // The values the shell receives, not only the names.
  EXPECT_EQ(ShowCommandOf(1), 0);
  EXPECT_EQ(ShowCommandOf(2), 1);
  EXPECT_EQ(ShowCommandOf(3), 2);
  EXPECT_EQ(ShowCommandOf(4), 3);
  EXPECT_EQ(ShowCommandOf(5), 8);
  EXPECT_EQ(ShowCommandOf(6), 6);
}

TEST_F(LaunchTest, LaunchFileHandsTheShellItsArguments) {
  const struct {
    int operation;
    const char* file;
    const char* parameters;
    const char* directory;
    int mode;
    CallText verb;
    CallText givenParameters;
    std::string givenDirectory;
    int show;
  } cases[] = {
      {kNoOperation, "inetcpl.cpl", nullptr, nullptr, kNoWindowMode, std::nullopt,
       std::nullopt, "", SW_SHOWNORMAL},
      {kOperationOpen, "C:\\T\\reset_networks.cmd", nullptr, "C:\\Tools", kWindowNormal,
       CallText("open"), std::nullopt, "C:\\Tools", SW_SHOWNORMAL},
      {kOperationPrint, "a.txt", "/x", "", kWindowHidden, CallText("print"), CallText("/x"),
       "", SW_HIDE},
      {9, "b.txt", "", "C:", kWindowNoActivate, std::nullopt, CallText(""), "C:", SW_SHOWNA},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ShellDoubles doubles;
    LaunchFile(c.operation, c.file, c.parameters, c.directory, c.mode);
    ASSERT_EQ(doubles.launches.size(), 1u);
    const LaunchCall& call = doubles.launches[0];
    EXPECT_EQ(call.owner, nullptr);
    EXPECT_EQ(call.verb, c.verb);
    EXPECT_EQ(call.file, CallText(c.file));
    EXPECT_EQ(call.parameters, c.givenParameters);
    // A directory, never a null pointer: the empty text when none is given.
    EXPECT_EQ(call.directory, CallText(c.givenDirectory));
    EXPECT_EQ(call.showCommand, c.show);
    EXPECT_EQ(doubles.promptCount, 0);
  }
}

}  // namespace
