#include "commands/heap_blocks.h"

#include <windows.h>

#include "app/application.h"

void* AllocBlock(unsigned int size) {
  void* block = HeapAlloc(App().heap, 0, size);
  if (!block) {
    char message[64];
    FormatAllocFailure(size, message, sizeof message);
    FatalError(message, 0);
  }
  return block;
}

void FreeBlock(void* block) {
  if (block) HeapFree(App().heap, 0, block);
}

void FormatAllocFailure(unsigned int size, char* buffer, size_t bufferSize) {
  if (bufferSize == 0) return;
  // wsprintfA writes at most 1024 bytes; the message is far shorter.
  char text[64];
  wsprintfA(text, "分配 %u 字节内存失败!", size);
  lstrcpynA(buffer, text, static_cast<int>(bufferSize));
}
