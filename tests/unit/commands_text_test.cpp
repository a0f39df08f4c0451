// Texts and the heap blocks that carry them.
#include <windows.h>

#include "commands/heap_blocks.h"
#include "commands/text.h"
#include "tests/unit/support/commands_support.h"

namespace {

using TextTest = CommandsTest;

// "乗" in code page 936 is 0x81 0x5C: its trail byte is a backslash.
const char kDoubleByte[] = "\x81\x5C";

TEST_F(TextTest, LengthCountsBytesBeforeTheNul) {
  const struct {
    const char* text;
    unsigned int length;
  } cases[] = {
      {nullptr, 0},
      {"", 0},
      {"a", 1},
      {"reset_networks.cmd", 18},
      {"\xD0\xC5\xCF\xA2\xA3\xBA", 6},  // 信息：, three double-byte characters
      {kDoubleByte, 2},
      {"ab\0cd", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text ? c.text : "(null)");
    EXPECT_EQ(TextLength(c.text), c.length);
  }
}

TEST_F(TextTest, JoinCountsNullAndEmptyPiecesAsEmpty) {
  const struct {
    const char* first;
    const char* second;
    const char* joined;
  } cases[] = {
      {"C:\\Temp\\", "Begin.vbs", "C:\\Temp\\Begin.vbs"},
      {nullptr, "Begin.vbs", "Begin.vbs"},
      {"", "Begin.vbs", "Begin.vbs"},
      {"C:\\Temp\\", nullptr, "C:\\Temp\\"},
      {"C:\\Temp\\", "", "C:\\Temp\\"},
      {nullptr, nullptr, ""},
      {"", "", ""},
      {nullptr, "", ""},
      {"Z:\\\x81\x5C\\", "reset_networks.cmd", "Z:\\\x81\x5C\\reset_networks.cmd"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.first ? c.first : "(null)") + " + " +
                 (c.second ? c.second : "(null)"));
    char* joined = JoinText({c.first, c.second});
    ASSERT_NE(joined, nullptr);
    EXPECT_STREQ(joined, c.joined);
    // An owned text: a process-heap block of exactly its length plus 1.
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, joined), strlen(c.joined) + 1);
    FreeBlock(joined);
  }
}

TEST_F(TextTest, JoinTakesAnyNumberOfPiecesInOrder) {
  char* one = JoinText({"only"});
  EXPECT_STREQ(one, "only");
  char* three = JoinText({"a", nullptr, "bc", "", "def"});
  EXPECT_STREQ(three, "abcdef");
  EXPECT_EQ(HeapSize(GetProcessHeap(), 0, three), 7u);
  FreeBlock(one);
  FreeBlock(three);
}

TEST_F(TextTest, JoinReturnsANewBlockEachTime) {
  char* first = JoinText({"same"});
  char* second = JoinText({"same"});
  EXPECT_NE(first, second);
  FreeBlock(first);
  FreeBlock(second);
}

TEST_F(TextTest, BlocksComeFromTheProcessHeap) {
  for (unsigned int size : {1u, 2u, 260u, 4096u, 100000u}) {
    SCOPED_TRACE(size);
    void* block = AllocBlock(size);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(HeapValidate(GetProcessHeap(), 0, block));
    EXPECT_EQ(HeapSize(GetProcessHeap(), 0, block), size);
    FreeBlock(block);
  }
  FreeBlock(nullptr);  // ignored
}

TEST_F(TextTest, AllocFailureMessageNamesTheSize) {
  const struct {
    unsigned int size;
    const char* message;
  } cases[] = {
      // "分配 %d 字节内存失败!" in code page 936
      {19, "\xB7\xD6\xC5\xE4 19 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"},
      {0, "\xB7\xD6\xC5\xE4 0 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"},
      {4294967295u,
       "\xB7\xD6\xC5\xE4 4294967295 \xD7\xD6\xBD\xDA\xC4\xDA\xB4\xE6\xCA\xA7\xB0\xDC!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    char buffer[64];
    FormatAllocFailure(c.size, buffer, sizeof buffer);
    EXPECT_STREQ(buffer, c.message);
  }
}

}  // namespace
