// The message box of the commands, through a double of MessageBoxA.
#include <windows.h>

#include "commands/prompt.h"
#include "tests/unit/support/commands_support.h"

namespace {

using PromptTest = CommandsTest;

const char kCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：

TEST_F(PromptTest, AnswerCodesOfMessageBoxResults) {
  const struct {
    int result;
    int code;
  } cases[] = {
      {IDOK, 0},     {IDCANCEL, 1}, {IDABORT, 2}, {IDRETRY, 3},
      {IDIGNORE, 4}, {IDYES, 5},    {IDNO, 6},
      {0, 0},  // the box did not appear
      {8, 0},  // IDCLOSE
      {10, 0}, // IDTRYAGAIN
      {11, 0}, // IDCONTINUE
      {-1, 0}, {1000, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.result);
    EXPECT_EQ(AnswerCodeOf(c.result), c.code);
  }
  EXPECT_EQ(kAnswerYes, 5);
}

TEST_F(PromptTest, TaskModalUnlessSystemModal) {
  const struct {
    UINT style;
    UINT given;
  } cases[] = {
      {0x44, 0x2044},    // Yes/No with the information icon
      {0x0, 0x2000},
      {0x1000, 0x1000},  // system-modal passes unchanged
      {0x1044, 0x1044},
      {0x2044, 0x2044},  // already task-modal
      {0x3000, 0x3000},
      {0x40010, 0x42010},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    EXPECT_EQ(PromptStyle(c.style), c.given);
  }
}

TEST_F(PromptTest, DefaultCaptionIsInformation) {
  EXPECT_STREQ(kDefaultPromptCaption, kCaption);
  EXPECT_EQ(strlen(kDefaultPromptCaption), 6u);
}

TEST_F(PromptTest, ShowPromptHandsMessageBoxTheComputedArguments) {
  const HWND someOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
  const struct {
    const char* message;
    UINT style;
    const char* caption;
    HWND owner;
    const char* givenText;
    const char* givenCaption;
    UINT givenStyle;
  } cases[] = {
      {"question", 0x44, nullptr, nullptr, "question", kCaption, 0x2044},
      {nullptr, 0x44, nullptr, nullptr, "", kCaption, 0x2044},
      {"text", 0x1000, "title", someOwner, "text", "title", 0x1000},
      {"", 0, "", nullptr, "", "", 0x2000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.givenText);
    ShellDoubles doubles(IDNO);
    EXPECT_EQ(ShowPrompt(c.message, c.style, c.caption, c.owner), kAnswerNo);
    ASSERT_EQ(doubles.prompts.size(), 1u);
    const PromptCall& call = doubles.prompts[0];
    EXPECT_EQ(call.owner, c.owner);
    EXPECT_EQ(call.text, CallText(c.givenText));
    EXPECT_EQ(call.caption, CallText(c.givenCaption));
    EXPECT_EQ(call.style, c.givenStyle);
    EXPECT_EQ(doubles.launchCount, 0);
  }
}

TEST_F(PromptTest, ShowPromptMapsWhatTheBoxReturns) {
  for (int result : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, 0, 9}) {
    SCOPED_TRACE(result);
    ShellDoubles doubles(result);
    EXPECT_EQ(ShowPrompt("q", MB_YESNO, nullptr, nullptr), AnswerCodeOf(result));
  }
}

}  // namespace
