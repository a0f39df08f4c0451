#include "commands/handlers.h"

#include "commands/embedded_files.h"
#include "commands/folders.h"
#include "commands/heap_blocks.h"
#include "commands/launch.h"
#include "commands/prompt.h"
#include "commands/save_bytes.h"
#include "commands/text.h"

const char kRepairNetworkQuestion[] = "该操作将重置您的网络设定，是否继续？";

// A command starts its script only when every file it wrote in this click
// was written whole and closed. The temporary folder belongs to the
// unelevated user, and this program runs elevated: a file that could not be
// written (locked, read-only, a full disk) may be stale, cut short or
// planted, and is not started with the program's rights.

void OnManualSettingsClicked() {
  LaunchFile(kNoOperation, "inetcpl.cpl", nullptr, nullptr, kNoWindowMode);
}

void OnRepairIeClicked() {
  char* folder = QuerySystemFolder(kTemporaryFolder);
  // Both files are written, the first one first, whatever becomes of either.
  char* path = JoinText({folder, kEmbedded_Begin_vbs.name});
  bool written = SaveBytes(path, {&kEmbedded_Begin_vbs});
  FreeBlock(path);
  path = JoinText({folder, kEmbedded_CreateProcessAndWait_vbs.name});
  written = SaveBytes(path, {&kEmbedded_CreateProcessAndWait_vbs}) && written;
  FreeBlock(path);
  if (written) {
    path = JoinText({folder, kEmbedded_Begin_vbs.name});
    char* dir = ProgramFolder();
    LaunchFile(kNoOperation, path, nullptr, dir, kWindowNormal);
    FreeBlock(path);
    FreeBlock(dir);
  }
  FreeBlock(folder);
}

void OnRepairNetworkClicked() {
  if (ShowPrompt(kRepairNetworkQuestion, kRepairNetworkQuestionStyle, nullptr, nullptr) !=
      kAnswerYes)
    return;
  char* folder = QuerySystemFolder(kTemporaryFolder);
  char* path = JoinText({folder, kEmbedded_reset_networks_cmd.name});
  const bool written = SaveBytes(path, {&kEmbedded_reset_networks_cmd});
  FreeBlock(path);
  if (written) {
    path = JoinText({folder, kEmbedded_reset_networks_cmd.name});
    char* dir = ProgramFolder();
    LaunchFile(kOperationOpen, path, nullptr, dir, kWindowNormal);
    FreeBlock(path);
    FreeBlock(dir);
  }
  FreeBlock(folder);
}
