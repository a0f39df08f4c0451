// Writing embedded files to disk.
#include <windows.h>

#include "commands/save_bytes.h"
#include "tests/unit/support/commands_support.h"

namespace {

using SaveBytesTest = CommandsTest;

const unsigned char kAbc[] = "abc";
const unsigned char kDe[] = "de";
const unsigned char kNothing[] = "";
const unsigned char kWithNul[] = {'x', 0, 'y', 0};
const EmbeddedFile kFileAbc = {"abc", kAbc, 3};
const EmbeddedFile kFileDe = {"de", kDe, 2};
const EmbeddedFile kFileEmpty = {"empty", kNothing, 0};
const EmbeddedFile kFileWithNul = {"nul", kWithNul, 3};

TEST_F(SaveBytesTest, WritesExactlyTheBytesReplacingAnyOldFile) {
  const struct {
    const char* what;
    CallText old;  // nullopt: no file before
    std::initializer_list<const EmbeddedFile*> files;
    std::string bytes;
  } cases[] = {
      {"a new file", std::nullopt, {&kEmbedded_reset_networks_cmd},
       BytesOf(kEmbedded_reset_networks_cmd)},
      {"a longer old file, replaced whole", CallText(std::string(5000, 'X')),
       {&kEmbedded_reset_networks_cmd}, BytesOf(kEmbedded_reset_networks_cmd)},
      {"a shorter old file", CallText("old"), {&kEmbedded_Begin_vbs}, BytesOf(kEmbedded_Begin_vbs)},
      {"several files in order, an empty one adding nothing", CallText(std::string(100, 'X')),
       {&kFileAbc, &kFileEmpty, &kFileDe}, "abcde"},
      {"a NUL inside the bytes", std::nullopt, {&kFileWithNul}, std::string("x\0y", 3)},
      {"no file at all: created empty", CallText(std::string(100, 'X')), {}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder scratch;
    const std::string path = scratch / "reset_networks.cmd";
    if (c.old) WriteBytes(path, *c.old);
    EXPECT_TRUE(SaveBytes(path.c_str(), c.files));
    EXPECT_EQ(ReadBytes(path), CallText(c.bytes));
    EXPECT_EQ(FolderEntries(scratch.path), std::vector<std::string>{"reset_networks.cmd"});
  }
}

TEST_F(SaveBytesTest, FailsOnAFileHeldOpenAndLeavesItAsItWas) {
  // SaveBytes opens with share mode 0: any other open handle keeps it out,
  // one that shares reading and writing too.
  const struct {
    const char* what;
    bool byAnotherProcess;
  } cases[] = {
      {"held by another process", true},
      {"held by a second handle", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchFolder scratch;
    const std::string path = scratch / "Begin.vbs";
    const std::string old = "old script, longer than nothing";
    WriteBytes(path, old);
    {
      HeldFile hold(path, c.byAnotherProcess);
      ASSERT_TRUE(hold.held);
      EXPECT_FALSE(SaveBytes(path.c_str(), {&kEmbedded_Begin_vbs}));
    }
    EXPECT_EQ(ReadBytes(path), CallText(old));
  }
}

TEST_F(SaveBytesTest, FailsBesideAHandleThatSharesEverything) {
  ScratchFolder scratch;
  const std::string path = scratch / "Begin.vbs";
  WriteBytes(path, "old");
  HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(SaveBytes(path.c_str(), {&kEmbedded_Begin_vbs}));
  CloseHandle(reader);
  EXPECT_EQ(ReadBytes(path), CallText("old"));
}

TEST_F(SaveBytesTest, EmptyPathTouchesNothing) {
  ScratchFolder scratch;
  CurrentDirectoryOverride inside(scratch.path);
  EXPECT_FALSE(SaveBytes("", {&kEmbedded_reset_networks_cmd}));
  EXPECT_FALSE(SaveBytes(nullptr, {&kEmbedded_reset_networks_cmd}));
  EXPECT_FALSE(SaveBytes("", {}));
  EXPECT_EQ(FolderEntries(scratch.path), std::vector<std::string>{});
}

TEST_F(SaveBytesTest, FailsWhereNoFileCanBeCreated) {
  ScratchFolder scratch;
  const std::string missing = scratch / "missing";
  EXPECT_FALSE(SaveBytes((missing + "\\Begin.vbs").c_str(), {&kEmbedded_Begin_vbs}));
  // A folder of that name is not a file.
  ASSERT_TRUE(CreateDirectoryA(missing.c_str(), nullptr));
  EXPECT_FALSE(SaveBytes(missing.c_str(), {&kEmbedded_Begin_vbs}));
  EXPECT_EQ(FolderEntries(missing), std::vector<std::string>{});
}

TEST_F(SaveBytesTest, RelativePathIsTheCurrentDirectory) {
  ScratchFolder scratch;
  CurrentDirectoryOverride inside(scratch.path);
  EXPECT_TRUE(SaveBytes("Begin.vbs", {&kEmbedded_Begin_vbs}));
  EXPECT_EQ(ReadBytes(scratch / "Begin.vbs"), CallText(BytesOf(kEmbedded_Begin_vbs)));
}

}  // namespace
