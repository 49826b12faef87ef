// REGISTRY WRITE and DELETE. A write keeps the type of a value that is
// already there, so a script writes numbers and byte strings without
// naming a type; a new value is a string.
#include <cstring>
#include <vector>

#include "runtime/commands/SystemCommands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/NumberText.h"
#include "runtime/functions/RegistryRoots.h"

namespace quillan::commands {

using core::Runtime;
using functions::OpenedKey;
using functions::RegistryPlace;

namespace {

constexpr core::KeywordRow<RegistryAction> kActionRows[] = {{1, RegistryAction::Write}, {6, RegistryAction::Delete}};

}  // namespace

const core::KeywordTable<RegistryAction> kRegistryActions{"WRITEDELETE", kActionRows};

namespace {

bool store(Runtime& rt, const OpenedKey& key, std::string_view name, std::uint32_t type,
           const std::vector<std::uint8_t>& bytes) {
  return rt.os.registry->setValue(key.handle(), name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())) ==
         reg::Success;
}

// The value text as byte 1, then each further field as the next byte,
// until a field is empty. A byte is the low eight bits of its number. More
// bytes than REGBUF, or a field that is no number, and nothing is written:
// a value cut short, or with a byte nobody wrote, would be a wrong value
// reported as stored.
void writeBinary(Runtime& rt, const OpenedKey& key, std::string_view name, std::string field) {
  const auto capacity = static_cast<std::size_t>(rt.settings.regBuf > 0 ? rt.settings.regBuf : 0);
  std::vector<std::uint8_t> bytes;
  for (;;) {
    std::int32_t number = 0;
    if (!functions::storableInteger(field, number)) {
      rt.fail(core::kBadValue);
      return;
    }
    if (bytes.size() == capacity) {
      rt.success = false;
      return;
    }
    bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(number) & 0xFF));
    field = core::nextField(rt);
    if (rt.error != 0) return;
    if (field.empty()) break;
  }
  rt.success = store(rt, key, name, reg::Binary, bytes);
}

void writeValue(Runtime& rt, const RegistryPlace& place) {
  OpenedKey key(rt.os.registry);
  rt.success = key.create(place);
  if (!rt.success) return;
  const std::string name = core::nextField(rt);  // empty: the key's default value
  std::string value = core::nextField(rt);
  if (rt.error != 0) return;

  std::uint32_t type = reg::None;
  std::uint32_t size = 0;
  const reg::Status found = rt.os.registry->queryValue(key.handle(), name, &type, nullptr, &size);
  rt.success = found == reg::Success;
  // A store that cannot say what is there must not have its value
  // replaced by one of another type.
  if (found != reg::Success && found != reg::FileNotFound) return;

  if (found == reg::FileNotFound || type == reg::Sz) {
    std::vector<std::uint8_t> bytes(value.begin(), value.end());
    bytes.push_back(0);  // text is stored with its terminating NUL
    rt.success = store(rt, key, name, reg::Sz, bytes);
  } else if (type == reg::Dword) {
    std::int32_t number = 0;
    if (!functions::storableInteger(value, number)) {
      rt.fail(core::kBadValue);
      return;
    }
    std::vector<std::uint8_t> bytes(4);
    std::memcpy(bytes.data(), &number, 4);
    rt.success = store(rt, key, name, reg::Dword, bytes);
  } else if (type == reg::Binary) {
    writeBinary(rt, key, name, std::move(value));
  } else {
    rt.fail(core::kBadValue);
  }
}

void registry(Runtime& rt) {
  std::string action = core::requiredField(rt);
  const std::string rootWord = core::requiredField(rt);
  const std::string keyPath = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(action);
  const auto* row = kRegistryActions.find(action);
  RegistryPlace place;
  if (row == nullptr || !functions::registryPlaceFor(rootWord, keyPath, place)) {
    rt.fail(core::kUnknownWord);
    return;
  }
  switch (row->entry) {
    case RegistryAction::Write:
      writeValue(rt, place);
      return;
    case RegistryAction::Delete:
      // A key that still has subkeys is refused by the store and stays.
      rt.success = rt.os.registry != nullptr && rt.os.registry->deleteKey(place.root, place.key) == reg::Success;
      return;
  }
}

constexpr core::CommandRow kRows[] = {{core::Command::Registry, &registry}};

}  // namespace

const std::span<const core::CommandRow> kRegistryCommands = kRows;

}  // namespace quillan::commands
