#include "app/program_folder.h"

#include <windows.h>

void CutProgramFolder(const char* path, char* folder, size_t size) {
  if (size == 0) return;
  const char* lastBackslash = nullptr;
  for (const char* p = path; p && *p; p = CharNextA(p))
    if (*p == '\\') lastBackslash = p;
  size_t length = lastBackslash ? static_cast<size_t>(lastBackslash - path) : 0;
  if (length >= size) length = size - 1;
  for (size_t i = 0; i < length; ++i) folder[i] = path[i];
  folder[length] = '\0';
}
