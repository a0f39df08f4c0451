// The commands keep nothing: a thousand clicks of each (with the box and
// the shell doubled) leave the process's private bytes and its count of
// open kernel handles where they were, within a tenth of what one leaked
// handle or one unfreed text per click would add.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <functional>

#include "commands/handlers.h"
#include "commands/heap_blocks.h"
#include "tests/unit/support/commands_support.h"

namespace {

constexpr int kClicks = 1000;
constexpr int kWarmUp = 20;

struct Figures {
  long long privateBytes;
  long long handles;
};

// GetProcessHandleCount and GetGuiResources give 0 under Wine; the kernel
// handles are counted by asking about each small handle value instead.
long long CountHandles() {
  long long count = 0;
  for (UINT_PTR value = 4; value < 0x10000; value += 4) {
    DWORD flags;
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  }
  return count;
}

Figures Measure() {
  PROCESS_MEMORY_COUNTERS_EX counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(),
                       reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  // The private bytes are the commit charge, PagefileUsage: Windows gives
  // PrivateUsage the same value, Wine 8 leaves it 0.
  return {static_cast<long long>(counters.PagefileUsage), CountHandles()};
}

// One text or one handle kept per click moves the figures past the bounds:
// otherwise the bounds would prove nothing. (Run after the commands: what
// this keeps and gives back must not count against them.)
void ExpectFiguresSeeWhatIsKept(size_t textLength, long long textLeak) {
  const Figures before = Measure();
  std::vector<void*> blocks;
  std::vector<HANDLE> events;
  for (int i = 0; i < kClicks; ++i) {
    blocks.push_back(AllocBlock(static_cast<unsigned int>(textLength)));
    events.push_back(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  }
  const Figures after = Measure();
  for (void* block : blocks) FreeBlock(block);
  for (HANDLE event : events) CloseHandle(event);
  std::printf("kept %d texts and %d handles: private bytes %+lld, handles %+lld\n", kClicks,
              kClicks, after.privateBytes - before.privateBytes, after.handles - before.handles);
  EXPECT_GT(after.privateBytes - before.privateBytes, textLeak / 10);
  EXPECT_EQ(after.handles - before.handles, kClicks);
}

class LeakTest : public CommandsTest {
 protected:
  LeakTest()
      : temp_(scratch_ / std::string(kFolderLength - scratch_.path.size() - 1, 't')),
        tmp_("TMP", temp_),
        folder_("C:\\" + std::string(kFolderLength - 3, 'p')) {
    CreateDirectoryA(temp_.c_str(), nullptr);
  }

  // Every text a command allocates is at least this long: the temporary
  // folder and the program folder are both made this long.
  static constexpr size_t kFolderLength = 200;
  // What one unfreed text per click would add at the least.
  static constexpr long long kTextLeak = static_cast<long long>(kClicks) * (kFolderLength + 1);

  ScratchFolder scratch_;
  std::string temp_;

 private:
  EnvironmentOverride tmp_;
  ProgramFolderOverride folder_;
};

TEST_F(LeakTest, AThousandClicksOfEachCommandKeepNothing) {
  const struct {
    const char* name;
    std::function<void()> command;
  } cases[] = {
      {"OnManualSettingsClicked", OnManualSettingsClicked},
      {"OnRepairIeClicked", OnRepairIeClicked},
      {"OnRepairNetworkClicked", OnRepairNetworkClicked},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ShellDoubles doubles(IDYES, /*record=*/false);
    for (int i = 0; i < kWarmUp; ++i) c.command();
    // Measuring costs once too (under Wine the first count of handles
    // commits some memory): that belongs to the warm-up.
    Measure();
    const Figures before = Measure();
    for (int i = 0; i < kClicks; ++i) c.command();
    const Figures after = Measure();
    std::printf("%s x %d: private bytes %+lld, handles %+lld\n", c.name, kClicks,
                after.privateBytes - before.privateBytes, after.handles - before.handles);
    // Every click went the whole way, to the shell.
    EXPECT_EQ(doubles.launchCount, kWarmUp + kClicks);
    EXPECT_LE(after.privateBytes - before.privateBytes, kTextLeak / 10);
    EXPECT_LE(after.handles - before.handles, kClicks / 10);
  }
  EXPECT_EQ(FolderEntries(temp_),
            (std::vector<std::string>{"Begin.vbs", "CreateProcessAndWait.vbs",
                                      "reset_networks.cmd"}));
  ExpectFiguresSeeWhatIsKept(kFolderLength + 1, kTextLeak);
}

}  // namespace
