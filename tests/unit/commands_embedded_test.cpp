// The scripts the commands write, as compiled into the program.
#include "commands/embedded_files.h"
#include "tests/unit/support/commands_support.h"

namespace {

TEST(EmbeddedScriptsTest, TheProgramCarriesTheBytesOfTheScriptFiles) {
  const struct {
    const EmbeddedFile* file;
    const char* name;
  } cases[] = {
      {&kEmbedded_reset_networks_cmd, "reset_networks.cmd"},
      {&kEmbedded_Begin_vbs, "Begin.vbs"},
      {&kEmbedded_CreateProcessAndWait_vbs, "CreateProcessAndWait.vbs"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_STREQ(c.file->name, c.name);
    const CallText source = SourceFileBytes(std::string("scripts/") + c.name);
    ASSERT_TRUE(source.has_value());
    EXPECT_GT(source->size(), 0u);
    EXPECT_EQ(BytesOf(*c.file), *source);
    EXPECT_EQ(c.file->bytes[c.file->size], 0);
  }
}

TEST(EmbeddedScriptsTest, TheNetworkResetScriptIsElevenExactLines) {
  const char* const lines[] = {
      "ipconfig /flushdns",
      "ipconfig /registerdns",
      "ipconfig /release",
      "ipconfig /renew",
      "netsh advfirewall reset",
      "netsh branchcache reset",
      "netsh interface ip reset resetlog.txt",
      "netsh interface ipv4 reset",
      "netsh interface ipv6 reset",
      "netsh interface tcp reset",
      "netsh winsock reset",
  };
  std::string expected;
  for (const char* line : lines) expected += std::string(line) + "\r\n";
  ASSERT_EQ(expected.size(), 272u);
  EXPECT_EQ(kEmbedded_reset_networks_cmd.size, 272u);
  EXPECT_EQ(BytesOf(kEmbedded_reset_networks_cmd), expected);
}

}  // namespace
