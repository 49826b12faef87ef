// Reading what scripts keep: a key of the current INI file (INIREAD) and a
// registry value (REGREAD).
#include <algorithm>
#include <cstring>
#include <vector>

#include "runtime/core/FieldReader.h"
#include "runtime/core/Variables.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"
#include "runtime/functions/RegistryRoots.h"

namespace quillan::functions {
namespace {

// The size of the buffer a value is read into.
constexpr std::size_t kIniValueBuffer = 256;

void iniread(Runtime& rt, std::string& result) {
  const std::string section = core::nextArgument(rt);
  const std::string key = core::requiredArgument(rt);
  const std::string fallback = core::nextArgument(rt);
  if (rt.error != 0) return;
  if (rt.os.iniFiles == nullptr) {
    result = fallback;
    return;
  }
  result =
      rt.os.iniFiles->read(core::iniFileInUse(rt), core::iniSectionFor(rt, section), key, fallback, kIniValueBuffer);
}

// A value as text: a string up to its first NUL, binary bytes in decimal
// separated by ",", a 32-bit number in signed decimal; other types are empty.
std::string valueText(std::uint32_t type, const std::vector<std::uint8_t>& bytes) {
  switch (type) {
    case reg::Sz: {
      const char* text = reinterpret_cast<const char*>(bytes.data());
      return std::string(text, strnlen(text, bytes.size()));
    }
    case reg::Binary: {
      std::string text;
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i != 0) text += ',';
        text += std::to_string(bytes[i]);
      }
      return text;
    }
    case reg::Dword: {
      std::uint32_t number = 0;  // little-endian; missing high bytes are 0
      for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) number |= std::uint32_t{bytes[i]} << (8 * i);
      return std::to_string(static_cast<std::int32_t>(number));
    }
    default:
      return {};
  }
}

// Values up to this size are read in one query, without asking their size
// first (each query is a transaction of the store).
constexpr std::uint32_t kSmallValue = 256;

// Reads the value into result; false when the key or the value is missing
// or the value does not fit a buffer of REGBUF bytes. A value larger than
// kSmallValue is read after its size is known, so a large REGBUF costs no
// memory of its own.
bool readValue(Runtime& rt, const RegistryPlace& place, std::string_view name, std::string& result) {
  OpenedKey key(rt.os.registry);
  if (!key.open(place)) return false;
  const auto buffer = static_cast<std::uint32_t>(rt.settings.regBuf > 0 ? rt.settings.regBuf : 0);
  std::uint32_t type = 0;
  std::vector<std::uint8_t> bytes(std::min(buffer, kSmallValue) + 1);  // never empty, so its data is a buffer
  std::uint32_t size = std::uint32_t(bytes.size() - 1);
  reg::Status status = rt.os.registry->queryValue(key.handle(), name, &type, bytes.data(), &size);
  if (status == reg::MoreData) {  // size is now what the value needs
    if (size > buffer) return false;
    bytes.resize(size + 1);
    status = rt.os.registry->queryValue(key.handle(), name, &type, bytes.data(), &size);
  }
  if (status != reg::Success || size > buffer) return false;
  bytes.resize(size);
  result = valueText(type, bytes);
  return true;
}

void regread(Runtime& rt, std::string& result) {
  const std::string rootWord = core::nextArgument(rt);
  const std::string key = core::nextArgument(rt);
  const std::string name = core::nextArgument(rt);
  std::string fallback = core::nextArgument(rt);
  if (rt.error != 0) return;
  RegistryPlace place;
  if (!registryPlaceFor(rootWord, key, place)) {
    rt.fail(core::kBadValue);
    return;
  }
  // Checked on the key as written: DEFAULT with no key would otherwise read
  // the area of all scripts.
  if (key.empty()) {
    rt.fail(core::kMissingFunctionArgument);
    return;
  }
  rt.success = readValue(rt, place, name, result);
  if (!rt.success) result = std::move(fallback);
}

constexpr FunctionRow kRows[] = {{Function::IniRead, &iniread}, {Function::RegRead, &regread}};

}  // namespace

const std::span<const FunctionRow> kSettingsFunctions = kRows;

}  // namespace quillan::functions
