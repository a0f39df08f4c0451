#pragma once

#include <stddef.h>

// The folder part of a full path: everything before its last backslash,
// found character by character in the ANSI code page so that the trail
// byte of a double-byte character is never taken for one. A path without a
// backslash gives the empty text. The result is cut to fit size.
void CutProgramFolder(const char* path, char* folder, size_t size);
