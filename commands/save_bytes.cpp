#include "commands/save_bytes.h"

#include <windows.h>

bool SaveBytes(const char* path, std::initializer_list<const EmbeddedFile*> files) {
  if (!path || !*path) return false;
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, TRUE};
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, &security, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool complete = true;
  for (const EmbeddedFile* embedded : files) {
    if (embedded->size == 0) continue;
    DWORD written = 0;
    if (!WriteFile(file, embedded->bytes, embedded->size, &written, nullptr) ||
        written != embedded->size) {
      complete = false;  // what was written stays; the file is still closed
      break;
    }
  }
  if (!CloseHandle(file)) complete = false;
  return complete;
}
