// Reads a whole INI file together with the identity of what was read.
#pragma once

#include <string>

#include "platform/ini/FileIdentity.h"

namespace quillan::ini {

struct FileRead {
  enum class Outcome {
    Read,     // bytes and identity are valid
    Missing,  // no such file: reads see an empty file, a write creates it
    Failed,   // it exists but cannot be read: a write must not replace it
  };
  Outcome outcome = Outcome::Missing;
  std::string bytes;
  FileIdentity identity;
  // False when the file changed while it was read: the bytes are usable, but
  // must not be remembered under that identity.
  bool identityStable = false;
  // With a stable identity, the descriptor the bytes were read through.
  InodePin pin;
  std::string error;  // for Failed: what went wrong, with the path
};

FileRead readWholeFile(const std::string& path);

// Text for a failed system call: "<what> '<path>': <strerror(err)>".
std::string describeError(const char* what, const std::string& path, int err);

}  // namespace quillan::ini
