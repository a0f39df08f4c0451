// Texts: NUL-terminated ANSI strings, where a null text counts as empty.
#pragma once

#include <initializer_list>

// The number of bytes before the NUL; 0 for null.
unsigned int TextLength(const char* text);

// The pieces one after another in a new block of exactly their joined
// length plus 1 (the caller frees it with FreeBlock); never null. A null
// piece adds nothing.
char* JoinText(std::initializer_list<const char*> pieces);
