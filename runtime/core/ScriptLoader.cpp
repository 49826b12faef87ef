#include "runtime/core/ScriptLoader.h"

#include <cstring>

#include "runtime/core/ScriptFormat.h"

namespace quillan::core {
namespace {

std::int32_t readInt32(const char* p) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(p[i]);
  return static_cast<std::int32_t>(v);
}

LoadedScript corrupt() { return LoadedScript{false, "File is corrupt", {}}; }

}  // namespace

void splitBlock(std::string_view body, std::vector<std::string>& lines) {
  std::size_t start = 0;
  for (;;) {
    const std::size_t nul = body.find('\0', start);
    const std::size_t end = nul == std::string_view::npos ? body.size() : nul;
    lines.emplace_back(body.substr(start, end - start));
    if (end >= body.size() || end + 1 == body.size()) return;
    start = end + 1;
  }
}

LoadedScript loadScript(std::string_view file) {
  if (file.size() < kStubSize + kScriptHeaderSize) return corrupt();
  // The header is unscrambled like every buffer, but nothing in it is used.
  std::size_t at = kStubSize + kScriptHeaderSize;
  LoadedScript script;
  std::string body;
  for (;;) {
    if (file.size() - at < kBlockHeaderSize) return corrupt();
    const std::int32_t type = readInt32(file.data() + at);
    const std::int32_t length = readInt32(file.data() + at + 4);
    at += kBlockHeaderSize;
    if (type == kEndBlock) break;
    if (type != kTextBlock) continue;  // a header without body
    // A body that runs past the end of the file, or claims a negative
    // size, is damage: report it rather than run half a script.
    if (length < 0 || static_cast<std::size_t>(length) > file.size() - at) return corrupt();
    body.assign(file.substr(at, static_cast<std::size_t>(length)));
    scramble({reinterpret_cast<std::uint8_t*>(body.data()), body.size()});
    splitBlock(body, script.lines);
    at += static_cast<std::size_t>(length);
  }
  script.ok = true;
  return script;
}

}  // namespace quillan::core
