// The heap blocks that carry the commands' owned texts, all from the
// process heap.
#pragma once

#include <stddef.h>

// A block of size bytes; never null: when the heap has none left the
// program stops with the fatal box.
void* AllocBlock(unsigned int size);

// Gives a block back; null is ignored.
void FreeBlock(void* block);

// The fatal box's message for a block of size bytes that could not be had,
// into buffer (always NUL-terminated).
void FormatAllocFailure(unsigned int size, char* buffer, size_t bufferSize);
