#include "tools/quillanc/ScriptCompiler.h"

#include <cstdint>

#include "QuillanVersion.h"
#include "runtime/core/ScriptFormat.h"

namespace quillan::compiler {
namespace {

using core::kBlockHeaderSize;
using core::kScriptHeaderSize;
using core::kStubSize;

void putInt32(std::string& out, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void putBlockHeader(std::string& out, std::int32_t type, std::int32_t length) {
  putInt32(out, type);
  putInt32(out, length);
  out.append(8, '\0');
}

void scrambleInPlace(std::string& buffer, std::size_t from) {
  core::scramble({reinterpret_cast<std::uint8_t*>(buffer.data()) + from, buffer.size() - from});
}

void appendBlock(std::string& out, std::string& body) {
  putBlockHeader(out, core::kTextBlock, static_cast<std::int32_t>(body.size()));
  const std::size_t start = out.size();
  out += body;
  scrambleInPlace(out, start);
  body.clear();
}

}  // namespace

std::vector<std::string> splitSourceLines(std::string_view source) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < source.size()) {
    std::size_t end = source.find('\n', start);
    const bool last = end == std::string_view::npos;
    if (last) end = source.size();
    std::string_view line = source.substr(start, end - start);
    if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::string launcherStub() {
  std::string stub =
      "#!/bin/sh\n"
      "# A compiled Quillan script: the runtime reads the script from this file.\n"
      "exec \"${QUILLAN_SCRIPTRUN:-scriptrun}\" \"$0\" \"$@\"\n"
      "exit 127\n";
  // The shell never reads past the exec line; pad with blank lines so that
  // anyone who opens the file sees text first.
  stub.resize(kStubSize - 1, ' ');
  stub.push_back('\n');
  return stub;
}

CompileResult compileLines(const std::vector<std::string>& lines, std::size_t maxBlockBody) {
  CompileResult result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find('\0') != std::string::npos) {
      result.error = "line " + std::to_string(i + 1) + " contains a NUL byte";
      return result;
    }
    if (lines[i].size() > 0x7FFFFFF0u) {
      result.error = "line " + std::to_string(i + 1) + " is too long";
      return result;
    }
  }
  std::string& out = result.bytes;
  out = launcherStub();

  // The header carries no information the runtime uses; it names the
  // format for people who look at the file.
  std::string header = "Quillan compiled script " QUILLAN_VERSION_TEXT;
  header.resize(kScriptHeaderSize, '\0');
  const std::size_t headerAt = out.size();
  out += header;
  scrambleInPlace(out, headerAt);

  // Every line is followed by a NUL, so empty lines survive, including an
  // empty last line of a block.
  std::string body;
  for (const std::string& line : lines) {
    if (!body.empty() && body.size() + line.size() + 1 > maxBlockBody) appendBlock(out, body);
    body += line;
    body.push_back('\0');
  }
  if (!body.empty()) appendBlock(out, body);
  putBlockHeader(out, core::kEndBlock, 0);
  result.ok = true;
  return result;
}

}  // namespace quillan::compiler
