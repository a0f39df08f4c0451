#include "commands/text.h"

#include "commands/heap_blocks.h"

unsigned int TextLength(const char* text) {
  unsigned int length = 0;
  if (text)
    while (text[length]) ++length;
  return length;
}

char* JoinText(std::initializer_list<const char*> pieces) {
  // Every piece is measured before the block is taken and anything copied.
  unsigned int total = 0;
  for (const char* piece : pieces) total += TextLength(piece);
  char* joined = static_cast<char*>(AllocBlock(total + 1));
  char* end = joined;
  for (const char* piece : pieces)
    for (const char* p = piece; p && *p; ++p) *end++ = *p;
  *end = '\0';
  return joined;
}
