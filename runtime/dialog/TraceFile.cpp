#include "runtime/dialog/TraceFile.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace quillan::dialog {
namespace {

// Large enough that a fast loop writes seldom, small enough to go unnoticed.
constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

std::unique_ptr<TraceFile> TraceFile::open(const std::string& path, std::string& error) {
  if (path.empty()) return std::unique_ptr<TraceFile>(new TraceFile(stderr, false));
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    error = "cannot write the trace to " + path + ": " + std::strerror(errno);
    return nullptr;
  }
  return std::unique_ptr<TraceFile>(new TraceFile(file, true));
}

TraceFile::TraceFile(std::FILE* file, bool owned) : file_(file), owned_(owned) { buffer_.reserve(kBufferSize); }

TraceFile::~TraceFile() {
  flush();
  if (owned_) std::fclose(file_);
}

void TraceFile::append(std::string_view text) {
  if (buffer_.size() + text.size() > kBufferSize) flush();
  if (text.size() > kBufferSize) {
    std::fwrite(text.data(), 1, text.size(), file_);
    return;
  }
  buffer_.append(text);
}

void TraceFile::line(int number, std::string_view stored) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits - 1, number).ptr;
  *end = '\t';
  append(std::string_view(digits, static_cast<std::size_t>(end + 1 - digits)));
  append(stored);
  append("\n");
}

void TraceFile::error(int code) {
  char text[24] = "error\t";
  const auto end = std::to_chars(text + 6, text + sizeof text - 1, code).ptr;
  *end = '\n';
  append(std::string_view(text, static_cast<std::size_t>(end + 1 - text)));
}

void TraceFile::flush() {
  if (!buffer_.empty()) std::fwrite(buffer_.data(), 1, buffer_.size(), file_);
  buffer_.clear();
  std::fflush(file_);
}

os::BoxAnswer TraceFlushingUserInterface::messageBox(std::string_view caption, std::string_view text, os::BoxIcon icon,
                                                     os::BoxButtons buttons) {
  trace_.flush();
  return inner_.messageBox(caption, text, icon, buttons);
}

bool TraceFlushingUserInterface::inputBox(std::string_view caption, std::string_view prompt,
                                          std::string_view defaultText, std::string& answer) {
  trace_.flush();
  return inner_.inputBox(caption, prompt, defaultText, answer);
}

}  // namespace quillan::dialog
