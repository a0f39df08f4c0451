// The two folders the commands use, as owned texts (freed with FreeBlock):
// the user's temporary folder, where the scripts are written, and the
// program folder, where they run.
#pragma once

// The folder number of the temporary folder, the only one ever asked for.
constexpr int kTemporaryFolder = 11;

// The size of the buffer the temporary folder's path is read into.
constexpr unsigned int kFolderBufferSize = 260;

// The folder with that number, ending in a backslash; null when there is
// none (or for any number but kTemporaryFolder).
char* QuerySystemFolder(int number);

// The rule for what GetTempPathA left in a buffer of kFolderBufferSize
// bytes, given its return value: a backslash is appended when the text does
// not end in one. Returns the text's final length, or 0 for no folder: a
// zero return, a return that says the path did not fit, an empty text, or a
// text that with the backslash and its NUL would not fit the buffer.
unsigned int FinishTempFolder(char* buffer, unsigned int returned);

// A copy of the program folder fixed at start-up (no trailing backslash);
// null when it is empty.
char* ProgramFolder();
