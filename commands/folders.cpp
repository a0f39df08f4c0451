#include "commands/folders.h"

#include <windows.h>

#include "app/application.h"
#include "commands/heap_blocks.h"
#include "commands/text.h"

unsigned int FinishTempFolder(char* buffer, unsigned int returned) {
  if (returned == 0 || returned >= kFolderBufferSize) return 0;
  unsigned int length = 0;
  while (length < kFolderBufferSize && buffer[length]) ++length;
  if (length == 0 || length == kFolderBufferSize) return 0;
  // The last byte decides: GetTempPathA ends the folder's last name with a
  // backslash, so its text never ends in the trail byte of a character.
  if (buffer[length - 1] != '\\') {
    if (length + 2 > kFolderBufferSize) return 0;
    buffer[length++] = '\\';
    buffer[length] = '\0';
  }
  return length;
}

char* QuerySystemFolder(int number) {
  if (number != kTemporaryFolder) return nullptr;
  char buffer[kFolderBufferSize];
  buffer[0] = '\0';
  const DWORD returned = GetTempPathA(kFolderBufferSize, buffer);
  if (FinishTempFolder(buffer, returned) == 0) return nullptr;
  return JoinText({buffer});
}

char* ProgramFolder() {
  const char* folder = App().programFolder;
  if (!folder[0]) return nullptr;
  return JoinText({folder});
}
