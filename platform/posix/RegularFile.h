// Reading whole files that a user names on a command line or in a script.
// Only regular files are read, and only up to a cap, so that a FIFO cannot
// block the reader for ever and a device such as /dev/zero cannot make it
// allocate without end.
#pragma once

#include <cstdint>
#include <string>

namespace quillan::posix {

// Far above any real script (the biggest we know of are a few megabytes).
// scriptrun refuses a compiled script file above it and quillanc a source.
inline constexpr std::uint64_t kMaxScriptFileBytes = std::uint64_t{256} * 1024 * 1024;

// Reads the whole regular file at path (a system path) into contents.
// Returns 0, or an errno: EISDIR for a directory, ENODEV for anything else
// that is not a regular file (FIFO, socket, device), EFBIG when the file
// holds more than maxBytes, or the system's reason when it cannot be opened
// or read. Symbolic links are followed. contents is unspecified on failure.
int readRegularFile(const std::string& path, std::string& contents, std::uint64_t maxBytes = kMaxScriptFileBytes);

// "not a regular file", "too large (more than 256 MB)" or strerror(code).
std::string describeReadError(int code, std::uint64_t maxBytes = kMaxScriptFileBytes);

}  // namespace quillan::posix
