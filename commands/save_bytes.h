// Writing embedded files to disk.
#pragma once

#include <initializer_list>

#include "commands/embedded_files.h"

// Writes the files' bytes, one after another, into the file at path,
// replacing whatever it held. True only when the file was created, every
// byte written and the file closed; an empty or null path touches nothing
// and gives false. The file is opened with share mode 0, so a file that
// another process holds open is not written.
bool SaveBytes(const char* path, std::initializer_list<const EmbeddedFile*> files);
