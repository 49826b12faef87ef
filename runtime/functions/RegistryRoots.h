// The root words of the registry that REGISTRY and REGREAD share, and the
// DEFAULT root: the area for scripts under the runtime's settings key.
#pragma once

#include <string>
#include <string_view>

#include "platform/api/Registry.h"
#include "runtime/core/Keywords.h"

namespace quillan::functions {

// ROOT, CURUSER, USERS, LOCAL and STATS in "ROOTCURUSERSLOCALSTATS". All
// five are keys of the one per-user store.
extern const core::KeywordTable<reg::Handle> kRegistryRoots;

struct RegistryPlace {
  reg::Handle root = 0;
  std::string key;
};

// Where a root word and a key lead. DEFAULT (the whole word, any case)
// stands for the current user's "Software\Harrowby\Quillan\2.0\UserScripts\"
// followed by key; any other word is upper-cased and found by its first
// occurrence in kRegistryRoots. False for a word that names no root.
bool registryPlaceFor(std::string_view rootWord, std::string_view key, RegistryPlace& place);

// A key opened or created for one operation, closed on every path out of it.
class OpenedKey {
 public:
  explicit OpenedKey(reg::Registry* registry) : registry_(registry) {}
  ~OpenedKey() {
    if (open_) registry_->closeKey(handle_);
  }
  OpenedKey(const OpenedKey&) = delete;
  OpenedKey& operator=(const OpenedKey&) = delete;

  // Each returns whether the key is now open; without a store it never is.
  bool open(const RegistryPlace& place) {
    open_ = registry_ != nullptr && registry_->openKey(place.root, place.key, handle_) == reg::Success;
    return open_;
  }
  bool create(const RegistryPlace& place) {
    open_ = registry_ != nullptr && registry_->createKey(place.root, place.key, handle_) == reg::Success;
    return open_;
  }
  reg::Handle handle() const { return handle_; }

 private:
  reg::Registry* registry_;
  reg::Handle handle_ = 0;
  bool open_ = false;
};

}  // namespace quillan::functions
