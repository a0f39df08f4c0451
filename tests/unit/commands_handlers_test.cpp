// The three repair commands, with doubles for the message box and the
// shell: what each asks, writes and hands the shell.
#include <windows.h>

#include <functional>

#include "commands/handlers.h"
#include "tests/unit/support/commands_support.h"

namespace {

// "该操作将重置您的网络设定，是否继续？" and "信息：" in code page 936.
const char kQuestion[] =
    "\xB8\xC3\xB2\xD9\xD7\xF7\xBD\xAB\xD6\xD8\xD6\xC3\xC4\xFA\xB5\xC4\xCD\xF8"
    "\xC2\xE7\xC9\xE8\xB6\xA8\xA3\xAC\xCA\xC7\xB7\xF1\xBC\xCC\xD0\xF8\xA3\xBF";
const char kCaption[] = "\xD0\xC5\xCF\xA2\xA3\xBA";
// "工具乗": its last byte is the trail byte 0x5C.
const char kDbcsName[] = "\xB9\xA4\xBE\xDF\x81\x5C";

const std::string kOldScript = std::string(20000, 'X') + "\r\nold script\r\n";

using Entries = std::vector<std::string>;

// As after start-up: the program folder is fixed and current, and TMP names
// a temporary folder of the test's own (without a trailing backslash, as
// GetTempPathA adds one).
class HandlersTest : public CommandsTest {
 protected:
  HandlersTest()
      : tmp_("TMP", temp.path), folder_(program.path), current_(program.path) {}
  std::string Temp(const char* name) const { return temp.path + "\\" + name; }

  ScratchFolder temp;
  ScratchFolder program;

 private:
  EnvironmentOverride tmp_;
  ProgramFolderOverride folder_;
  CurrentDirectoryOverride current_;
};

void ExpectLaunch(const LaunchCall& call, CallText verb, const std::string& file,
                  const std::string& directory) {
  EXPECT_EQ(call.owner, nullptr);
  EXPECT_EQ(call.verb, verb);
  EXPECT_EQ(call.file, CallText(file));
  EXPECT_EQ(call.parameters, std::nullopt);
  EXPECT_EQ(call.directory, CallText(directory));  // never a null pointer
  EXPECT_EQ(call.showCommand, SW_SHOWNORMAL);
}

TEST_F(HandlersTest, ManualSettingsOpensTheAppletByItsBareName) {
  ShellDoubles doubles;
  OnManualSettingsClicked();
  EXPECT_EQ(doubles.promptCount, 0);
  ASSERT_EQ(doubles.launches.size(), 1u);
  // No verb, and the empty directory: the applet inherits the current one.
  ExpectLaunch(doubles.launches[0], std::nullopt, "inetcpl.cpl", "");
  EXPECT_EQ(FolderEntries(temp.path), Entries{});
  EXPECT_EQ(FolderEntries(program.path), Entries{});
}

TEST_F(HandlersTest, RepairIeWritesBothScriptsAndStartsTheFirstWithTheDefaultVerb) {
  WriteBytes(Temp("Begin.vbs"), kOldScript);
  WriteBytes(Temp("CreateProcessAndWait.vbs"), kOldScript);
  ShellDoubles doubles;
  OnRepairIeClicked();
  EXPECT_EQ(doubles.promptCount, 0);  // no question is asked
  ASSERT_EQ(doubles.launches.size(), 1u);
  const LaunchCall& call = doubles.launches[0];
  ExpectLaunch(call, std::nullopt, Temp("Begin.vbs"), program.path);
  // Written whole before the launch, the longer old files replaced.
  EXPECT_EQ(call.fileBytes, CallText(BytesOf(kEmbedded_Begin_vbs)));
  EXPECT_EQ(ReadBytes(Temp("Begin.vbs")), CallText(BytesOf(kEmbedded_Begin_vbs)));
  EXPECT_EQ(ReadBytes(Temp("CreateProcessAndWait.vbs")),
            CallText(BytesOf(kEmbedded_CreateProcessAndWait_vbs)));
  EXPECT_EQ(FolderEntries(temp.path), (Entries{"Begin.vbs", "CreateProcessAndWait.vbs"}));
  EXPECT_EQ(FolderEntries(program.path), Entries{});
}

TEST_F(HandlersTest, RepairNetworkAsksFirst) {
  ShellDoubles doubles(IDNO);
  OnRepairNetworkClicked();
  ASSERT_EQ(doubles.prompts.size(), 1u);
  const PromptCall& call = doubles.prompts[0];
  EXPECT_EQ(call.owner, nullptr);
  EXPECT_EQ(call.text, CallText(kQuestion));
  EXPECT_EQ(call.text->size(), 36u);
  EXPECT_EQ(call.caption, CallText(kCaption));
  EXPECT_EQ(call.style, 0x2044u);  // Yes/No, the information icon, task-modal
}

TEST_F(HandlersTest, RepairNetworkDoesNothingWithoutYes) {
  for (int answer : {IDNO, 0, IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, 8, 11}) {
    SCOPED_TRACE(answer);
    WriteBytes(Temp("reset_networks.cmd"), kOldScript);
    ShellDoubles doubles(answer);
    OnRepairNetworkClicked();
    EXPECT_EQ(doubles.promptCount, 1);
    EXPECT_EQ(doubles.launchCount, 0);
    EXPECT_EQ(ReadBytes(Temp("reset_networks.cmd")), CallText(kOldScript));
    EXPECT_EQ(FolderEntries(temp.path), Entries{"reset_networks.cmd"});
    EXPECT_EQ(FolderEntries(program.path), Entries{});
  }
}

TEST_F(HandlersTest, RepairNetworkOnYesWritesTheScriptAndOpensIt) {
  WriteBytes(Temp("reset_networks.cmd"), kOldScript);
  ShellDoubles doubles(IDYES);
  OnRepairNetworkClicked();
  ASSERT_EQ(doubles.launches.size(), 1u);
  const LaunchCall& call = doubles.launches[0];
  ExpectLaunch(call, CallText("open"), Temp("reset_networks.cmd"), program.path);
  EXPECT_EQ(call.fileBytes, CallText(BytesOf(kEmbedded_reset_networks_cmd)));
  EXPECT_EQ(call.fileBytes->size(), 272u);
  EXPECT_EQ(FolderEntries(temp.path), Entries{"reset_networks.cmd"});
}

// The mended fault: a script that could not be written whole is not started.
TEST_F(HandlersTest, NothingStartsWhenAScriptCannotBeWritten) {
  const struct {
    const char* held;
    std::function<void()> command;
    const char* alsoWritten;  // the command's other script, or null
    const EmbeddedFile* alsoBytes;
  } cases[] = {
      {"Begin.vbs", OnRepairIeClicked, "CreateProcessAndWait.vbs",
       &kEmbedded_CreateProcessAndWait_vbs},
      {"CreateProcessAndWait.vbs", OnRepairIeClicked, "Begin.vbs", &kEmbedded_Begin_vbs},
      {"reset_networks.cmd", OnRepairNetworkClicked, nullptr, nullptr},
  };
  for (bool byAnotherProcess : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.held) + (byAnotherProcess ? " held by another process" : ""));
      WriteBytes(Temp(c.held), kOldScript);
      if (c.alsoWritten) WriteBytes(Temp(c.alsoWritten), kOldScript);
      {
        HeldFile hold(Temp(c.held), byAnotherProcess);
        ASSERT_TRUE(hold.held);
        ShellDoubles doubles(IDYES);
        c.command();
        EXPECT_EQ(doubles.launchCount, 0);
      }
      EXPECT_EQ(ReadBytes(Temp(c.held)), CallText(kOldScript));
      // The other script is written all the same.
      if (c.alsoWritten) {
        EXPECT_EQ(ReadBytes(Temp(c.alsoWritten)), CallText(BytesOf(*c.alsoBytes)));
      }
      // Once the file is free again the command starts it.
      ShellDoubles doubles(IDYES);
      c.command();
      EXPECT_EQ(doubles.launchCount, 1);
      DeleteFileA(Temp(c.held).c_str());
      if (c.alsoWritten) DeleteFileA(Temp(c.alsoWritten).c_str());
    }
  }
}

TEST_F(HandlersTest, WithoutATemporaryFolderTheBareNameIsWrittenAndStarted) {
  EnvironmentOverride longTmp("TMP", "C:\\" + std::string(300, 'a'));
  const struct {
    std::function<void()> command;
    CallText verb;
    const char* file;
    Entries written;
  } cases[] = {
      {OnRepairIeClicked, std::nullopt, "Begin.vbs", {"Begin.vbs", "CreateProcessAndWait.vbs"}},
      {OnRepairNetworkClicked, CallText("open"), "reset_networks.cmd", {"reset_networks.cmd"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    ShellDoubles doubles(IDYES);
    c.command();
    ASSERT_EQ(doubles.launches.size(), 1u);
    // Written relative to the current directory, the program folder.
    ExpectLaunch(doubles.launches[0], c.verb, c.file, program.path);
    EXPECT_EQ(FolderEntries(program.path), c.written);
    for (const std::string& name : c.written) DeleteFileA((program / name).c_str());
  }
  EXPECT_EQ(FolderEntries(temp.path), Entries{});
}

TEST_F(HandlersTest, TheProgramFolderIsTheLaunchDirectoryAsItIs) {
  const std::string dbcs = program / kDbcsName;
  const struct {
    std::string folder;
  } cases[] = {
      {dbcs},  // ends in the trail byte 0x5C: nothing cut, nothing added
      {"C:"},  // the root of a drive
      {""},    // no program folder: the empty text, not a null pointer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    ProgramFolderOverride folder(c.folder);
    ShellDoubles doubles(IDYES);
    OnRepairIeClicked();
    OnRepairNetworkClicked();
    ASSERT_EQ(doubles.launches.size(), 2u);
    ExpectLaunch(doubles.launches[0], std::nullopt, Temp("Begin.vbs"), c.folder);
    ExpectLaunch(doubles.launches[1], CallText("open"), Temp("reset_networks.cmd"), c.folder);
  }
}

}  // namespace
