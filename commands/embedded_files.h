// The script files compiled into the program, byte for byte. The
// definitions are generated at build time from the files in scripts/.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

struct EmbeddedFile {
  const char* name;            // the file name it is written under
  const unsigned char* bytes;  // its content, NUL-terminated for convenience
  unsigned long size;          // the content's byte count, without the NUL
};

extern const struct EmbeddedFile kEmbedded_reset_networks_cmd;
extern const struct EmbeddedFile kEmbedded_Begin_vbs;
extern const struct EmbeddedFile kEmbedded_CreateProcessAndWait_vbs;

#ifdef __cplusplus
}
#endif
