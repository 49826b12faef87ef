#include "tools/quillanreg/RegTransfer.h"

#include <utility>

#include "platform/api/RegistryRules.h"

namespace quillan::regfile {

namespace {

// Closes a handle on every path out of a scope; roots need no closing.
class Opened {
 public:
  explicit Opened(reg::Registry& store) : store_(store) {}
  ~Opened() {
    if (handle_ != 0) store_.closeKey(handle_);
  }
  Opened(const Opened&) = delete;
  Opened& operator=(const Opened&) = delete;
  reg::Handle& handle() { return handle_; }

 private:
  reg::Registry& store_;
  reg::Handle handle_ = 0;
};

struct Value {
  std::string name;
  std::uint32_t type = 0;
  std::string data;
};

// The index-th value with its bytes. A value that grows between asking its
// size and reading it is asked for again.
reg::Status nthValue(reg::Registry& store, reg::Handle key, std::uint32_t index, Value& value) {
  for (;;) {
    std::uint32_t size = 0;
    if (reg::Status s = store.enumValue(key, index, value.name, &value.type, nullptr, &size); s != reg::Success)
      return s;
    value.data.assign(std::size_t(size) + 1, '\0');  // never empty, so it has a buffer
    reg::Status s =
        store.enumValue(key, index, value.name, &value.type, reinterpret_cast<std::uint8_t*>(value.data.data()), &size);
    if (s == reg::MoreData) continue;
    value.data.resize(size);
    return s;
  }
}

// Collects a key's values and subkey names, then writes its section and
// those of its subkeys.
reg::Status exportKey(reg::Registry& store, reg::Handle key, const std::string& name, bool isRoot, std::string& out,
                      ExportReport& report) {
  std::vector<Value> values;
  for (std::uint32_t i = 0;; ++i) {
    Value v;
    const reg::Status s = nthValue(store, key, i, v);
    if (s == reg::NoMoreItems) break;
    if (s != reg::Success) return s;
    values.push_back(std::move(v));
  }
  std::vector<std::string> subkeys;
  for (std::uint32_t i = 0;; ++i) {
    std::string sub;
    const reg::Status s = store.enumKey(key, i, sub);
    if (s == reg::NoMoreItems) break;
    if (s != reg::Success) return s;
    subkeys.push_back(std::move(sub));
  }

  if (!isRoot || !values.empty()) {
    writeKeyLine(out, name);
    for (const Value& v : values)
      if (!writeValueLine(out, v.name, v.type, v.data)) report.skipped.push_back(name + " value \"" + v.name + "\"");
    out += kLineEnd;
  }
  for (const std::string& sub : subkeys) {
    const std::string subName = name + '\\' + sub;
    if (!canWriteName(sub)) {
      report.skipped.push_back(subName + " and the keys below it");
      continue;
    }
    Opened child(store);
    if (reg::Status s = store.openKey(key, sub, child.handle()); s != reg::Success) return s;
    if (reg::Status s = exportKey(store, child.handle(), subName, false, out, report); s != reg::Success) return s;
  }
  return reg::Success;
}

// Deletes a key and every key below it, the deepest first.
reg::Status deleteTree(reg::Registry& store, reg::Handle parent, std::string_view path) {
  {
    Opened key(store);
    if (reg::Status s = store.openKey(parent, path, key.handle()); s != reg::Success) return s;
    std::string sub;
    for (reg::Status s; (s = store.enumKey(key.handle(), 0, sub)) != reg::NoMoreItems;) {
      if (s != reg::Success) return s;
      if (reg::Status d = deleteTree(store, key.handle(), sub); d != reg::Success) return d;
    }
  }
  return store.deleteKey(parent, path);
}

}  // namespace

std::string describeStatus(reg::Status status) {
  switch (status) {
    case reg::Success:
      return "done";
    case reg::FileNotFound:
      return "not found";
    case reg::AccessDenied:
      return "refused by the store";
    case reg::BadPathName:
      return "a bad key path";
    case reg::InvalidParameter:
      return "a name or value the store cannot hold";
    case reg::StoreFailure:
      return "the registry store cannot be read or written";
    default:
      return "status " + std::to_string(int(status));
  }
}

reg::Status spellAsStored(reg::Registry& store, KeyPath& key) {
  std::vector<std::string_view> parts;
  if (reg::Status s = reg::splitKeyPath(key.path, 0, parts); s != reg::Success) return s;
  std::string spelled;
  Opened at(store);
  reg::Handle current = key.root;
  for (std::string_view part : parts) {
    const std::string folded = reg::foldName(part);
    std::string found;
    for (std::uint32_t i = 0;; ++i) {
      std::string sub;
      const reg::Status s = store.enumKey(current, i, sub);
      if (s != reg::Success) return s == reg::NoMoreItems ? reg::FileNotFound : s;
      if (reg::foldName(sub) == folded) {
        found = std::move(sub);
        break;
      }
    }
    reg::Handle next = 0;
    if (reg::Status s = store.openKey(current, found, next); s != reg::Success) return s;
    if (at.handle() != 0) store.closeKey(at.handle());
    at.handle() = current = next;
    if (!spelled.empty()) spelled += '\\';
    spelled += found;
  }
  key.path = std::move(spelled);
  return reg::Success;
}

reg::Status readValue(reg::Registry& store, reg::Handle key, std::string_view name, std::uint32_t& type,
                      std::string& data) {
  for (;;) {
    std::uint32_t size = 0;
    if (reg::Status s = store.queryValue(key, name, &type, nullptr, &size); s != reg::Success) return s;
    data.assign(std::size_t(size) + 1, '\0');
    const reg::Status s = store.queryValue(key, name, &type, reinterpret_cast<std::uint8_t*>(data.data()), &size);
    if (s == reg::MoreData) continue;
    data.resize(size);
    return s;
  }
}

ExportReport exportKeys(reg::Registry& store, const KeyPath& start, std::string& out) {
  ExportReport report;
  Opened key(store);
  if (start.path.empty()) {
    report.status = exportKey(store, start.root, fullName(start), true, out, report);
    return report;
  }
  report.status = store.openKey(start.root, start.path, key.handle());
  if (report.status == reg::Success)
    report.status = exportKey(store, key.handle(), fullName(start), false, out, report);
  return report;
}

ExportReport exportStore(reg::Registry& store, std::string& out) {
  writeHeader(out);
  ExportReport report;
  for (reg::Handle root : allRoots()) {
    ExportReport part = exportKeys(store, KeyPath{root, {}}, out);
    report.skipped.insert(report.skipped.end(), part.skipped.begin(), part.skipped.end());
    if (part.status != reg::Success) {
      report.status = part.status;
      break;
    }
  }
  return report;
}

ApplyReport applyOperations(reg::Registry& store, const std::vector<RegOperation>& operations) {
  ApplyReport report;
  Opened current(store);
  auto failed = [&](const RegOperation& op, reg::Status status, const std::string& what) {
    report.status = status;
    report.line = op.line;
    report.error = what + ": " + describeStatus(status);
    return report;
  };
  for (const RegOperation& op : operations) {
    switch (op.kind) {
      case RegOperation::Kind::OpenKey: {
        reg::Handle opened = 0;
        if (reg::Status s = store.createKey(op.key.root, op.key.path, opened); s != reg::Success)
          return failed(op, s, "cannot create the key " + fullName(op.key));
        if (current.handle() != 0) store.closeKey(current.handle());
        current.handle() = opened;
        break;
      }
      case RegOperation::Kind::DeleteKey: {
        if (current.handle() != 0) store.closeKey(std::exchange(current.handle(), 0));
        const reg::Status s = deleteTree(store, op.key.root, op.key.path);
        if (s != reg::Success && s != reg::FileNotFound)
          return failed(op, s, "cannot delete the key " + fullName(op.key));
        break;
      }
      case RegOperation::Kind::SetValue: {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(op.data.data());
        if (reg::Status s = store.setValue(current.handle(), op.name, op.type, bytes, std::uint32_t(op.data.size()));
            s != reg::Success)
          return failed(op, s, "cannot set the value \"" + op.name + "\"");
        break;
      }
      case RegOperation::Kind::DeleteValue: {
        const reg::Status s = store.deleteValue(current.handle(), op.name);
        if (s != reg::Success && s != reg::FileNotFound)
          return failed(op, s, "cannot delete the value \"" + op.name + "\"");
        break;
      }
    }
  }
  return report;
}

}  // namespace quillan::regfile
