// commands_box.exe TITLE STYLE
// Shows a message box with the text "参照", the title and the style (a
// number, such as 0x40 for the information icon) beside Dravelin's own, so
// that a test can compare what the two boxes show. Exits with the box's result.
#include <windows.h>

#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 3) return 100;
  return MessageBoxA(nullptr, "参照", argv[1], static_cast<UINT>(strtoul(argv[2], nullptr, 0)));
}
