#include "platform/fake/FakeRegistry.h"

#include <algorithm>
#include <cstring>

#include "platform/api/RegistryRules.h"

namespace quillan::fake {

using namespace quillan::reg;

namespace {

constexpr Handle kRoots[] = {ClassesRoot, CurrentUser, LocalMachine, Users, DynData};

}  // namespace

struct FakeRegistry::Key {
  struct Value {
    std::string name, folded;
    std::uint32_t type = 0;
    std::string bytes;
  };
  std::string name, folded;
  std::size_t depth = 0;
  Key* parent = nullptr;                       // null for a root
  bool gone = false;                           // deleted while a handle still held it
  std::vector<std::shared_ptr<Key>> children;  // in creation order
  std::vector<Value> values;                   // in creation order

  std::shared_ptr<Key> child(std::string_view part) const {
    const std::string f = foldName(part);
    for (const auto& c : children)
      if (c->folded == f) return c;
    return nullptr;
  }
  Value* value(std::string_view n) {
    const std::string f = foldName(n);
    for (auto& v : values)
      if (v.folded == f) return &v;
    return nullptr;
  }
};

namespace {

// Hands a value to the caller with the buffer rules of queryValue.
Status deliver(const std::string& bytes, std::uint32_t storedType, std::uint32_t* type, std::uint8_t* data,
               std::uint32_t* size) {
  if (type != nullptr) *type = storedType;
  const auto needed = static_cast<std::uint32_t>(bytes.size());
  if (data == nullptr) {
    if (size != nullptr) *size = needed;
    return Success;
  }
  const bool fits = *size >= needed;
  *size = needed;
  if (!fits) return MoreData;
  if (needed != 0) std::memcpy(data, bytes.data(), needed);
  return Success;
}

}  // namespace

FakeRegistry::FakeRegistry() {
  for (std::size_t i = 0; i < std::size(kRoots); ++i) roots_.push_back(std::make_shared<Key>());
}

FakeRegistry::~FakeRegistry() = default;

std::shared_ptr<FakeRegistry::Key> FakeRegistry::resolve(Handle h) const {
  for (std::size_t i = 0; i < std::size(kRoots); ++i)
    if (kRoots[i] == h) return roots_[i];
  if (h == 0 || h > handles_.size()) return nullptr;
  return handles_[h - 1];
}

Handle FakeRegistry::hand(std::shared_ptr<Key> key) {
  for (std::size_t i = 0; i < handles_.size(); ++i) {
    if (handles_[i] == nullptr) {
      handles_[i] = std::move(key);
      return static_cast<Handle>(i + 1);
    }
  }
  handles_.push_back(std::move(key));
  return static_cast<Handle>(handles_.size());
}

Status FakeRegistry::openOrCreate(Handle parent, std::string_view subkey, Handle& out, bool create) {
  out = 0;
  std::shared_ptr<Key> at = resolve(parent);
  if (at == nullptr) return InvalidHandle;
  std::vector<std::string_view> parts;
  if (const Status s = splitKeyPath(subkey, at->depth, parts); s != Success) return s;
  if (const int code = faults.next(create ? "createKey" : "openKey"); code != 0) return static_cast<Status>(code);
  if (at->gone) return FileNotFound;
  // Opening creates nothing, so the whole path is checked before a create adds to it.
  for (const std::string_view part : parts) {
    std::shared_ptr<Key> next = at->child(part);
    if (next == nullptr) {
      if (!create) return FileNotFound;
      next = std::make_shared<Key>();
      next->name = std::string(part);
      next->folded = foldName(part);
      next->depth = at->depth + 1;
      next->parent = at.get();
      at->children.push_back(next);
    }
    at = std::move(next);
  }
  out = hand(std::move(at));
  return Success;
}

Status FakeRegistry::openKey(Handle parent, std::string_view subkey, Handle& out) {
  return openOrCreate(parent, subkey, out, false);
}

Status FakeRegistry::createKey(Handle parent, std::string_view subkey, Handle& out) {
  return openOrCreate(parent, subkey, out, true);
}

Status FakeRegistry::queryValue(Handle key, std::string_view name, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) {
  const std::shared_ptr<Key> k = resolve(key);
  if (k == nullptr) return InvalidHandle;
  if (data != nullptr && size == nullptr) return InvalidParameter;
  if (const int code = faults.next("queryValue"); code != 0) return static_cast<Status>(code);
  if (k->gone) return FileNotFound;
  const Key::Value* v = k->value(name);
  if (v == nullptr) return FileNotFound;
  return deliver(v->bytes, v->type, type, data, size);
}

Status FakeRegistry::setValue(Handle key, std::string_view name, std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) {
  const std::shared_ptr<Key> k = resolve(key);
  if (k == nullptr) return InvalidHandle;
  if (name.size() > kMaxValueName || (data == nullptr && size != 0)) return InvalidParameter;
  if (const int code = faults.next("setValue"); code != 0) return static_cast<Status>(code);
  if (k->gone) return FileNotFound;
  const std::string bytes = data != nullptr ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
  if (Key::Value* v = k->value(name)) {
    v->type = type;  // the place and the first spelling stay
    v->bytes = bytes;
  } else {
    k->values.push_back({std::string(name), foldName(name), type, bytes});
  }
  return Success;
}

Status FakeRegistry::enumKey(Handle key, std::uint32_t index, std::string& name) {
  const std::shared_ptr<Key> k = resolve(key);
  if (k == nullptr) return InvalidHandle;
  if (const int code = faults.next("enumKey"); code != 0) return static_cast<Status>(code);
  if (k->gone) return FileNotFound;
  if (index >= k->children.size()) return NoMoreItems;
  name = k->children[index]->name;
  return Success;
}

Status FakeRegistry::enumValue(Handle key, std::uint32_t index, std::string& name, std::uint32_t* type,
                               std::uint8_t* data, std::uint32_t* size) {
  const std::shared_ptr<Key> k = resolve(key);
  if (k == nullptr) return InvalidHandle;
  if (data != nullptr && size == nullptr) return InvalidParameter;
  if (const int code = faults.next("enumValue"); code != 0) return static_cast<Status>(code);
  if (k->gone) return FileNotFound;
  if (index >= k->values.size()) return NoMoreItems;
  const Key::Value& v = k->values[index];
  name = v.name;
  return deliver(v.bytes, v.type, type, data, size);
}

Status FakeRegistry::deleteKey(Handle parent, std::string_view subkey) {
  std::shared_ptr<Key> at = resolve(parent);
  if (at == nullptr) return InvalidHandle;
  std::vector<std::string_view> parts;
  if (const Status s = splitKeyPath(subkey, at->depth, parts); s != Success) return s;
  if (const int code = faults.next("deleteKey"); code != 0) return static_cast<Status>(code);
  if (at->gone) return FileNotFound;
  for (const std::string_view part : parts) {
    std::shared_ptr<Key> next = at->child(part);
    if (next == nullptr) return FileNotFound;
    at = std::move(next);
  }
  if (at->parent == nullptr) return AccessDenied;  // a root
  if (!at->children.empty()) return AccessDenied;
  auto& siblings = at->parent->children;
  siblings.erase(std::find(siblings.begin(), siblings.end(), at));
  at->gone = true;
  at->values.clear();
  return Success;
}

Status FakeRegistry::deleteValue(Handle key, std::string_view name) {
  const std::shared_ptr<Key> k = resolve(key);
  if (k == nullptr) return InvalidHandle;
  if (const int code = faults.next("deleteValue"); code != 0) return static_cast<Status>(code);
  if (k->gone) return FileNotFound;
  const std::string f = foldName(name);
  const auto it = std::find_if(k->values.begin(), k->values.end(), [&](const Key::Value& v) { return v.folded == f; });
  if (it == k->values.end()) return FileNotFound;
  k->values.erase(it);
  return Success;
}

Status FakeRegistry::closeKey(Handle key) {
  if (resolve(key) == nullptr) return InvalidHandle;
  if (key <= handles_.size()) handles_[key - 1] = nullptr;  // roots stay open
  return Success;
}

void FakeRegistry::putString(std::string_view keyPath, std::string_view name, std::string_view text) {
  Handle h = 0;
  if (createKey(CurrentUser, keyPath, h) != Success) return;
  std::string bytes(text);
  bytes.push_back('\0');
  setValue(h, name, Sz, reinterpret_cast<const std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()));
  closeKey(h);
}

bool FakeRegistry::getString(std::string_view keyPath, std::string_view name, std::string& text) {
  Handle h = 0;
  if (openKey(CurrentUser, keyPath, h) != Success) return false;
  std::uint8_t buffer[4096];
  std::uint32_t size = sizeof buffer;
  const Status s = queryValue(h, name, nullptr, buffer, &size);
  closeKey(h);
  if (s != Success) return false;
  text.assign(reinterpret_cast<const char*>(buffer), size);
  if (!text.empty() && text.back() == '\0') text.pop_back();
  return true;
}

}  // namespace quillan::fake
