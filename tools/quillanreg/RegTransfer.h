// Moving registry keys between a store and .reg text: export walks a store
// into text, apply carries a parsed file's operations out on a store.
// Neither begins a transaction; the caller wraps apply in one so that a
// file is applied whole or not at all.
#pragma once

#include <string>
#include <vector>

#include "platform/api/Registry.h"
#include "tools/quillanreg/RegText.h"

namespace quillan::regfile {

struct ExportReport {
  reg::Status status = reg::Success;  // FileNotFound: the start key is missing
  std::vector<std::string> skipped;   // keys and values whose names a .reg file cannot hold
};

// Appends a section for the key and for every key below it, depth first,
// subkeys and values in the store's (creation) order. A root gets a section
// of its own only when it holds values. Writes no header.
ExportReport exportKeys(reg::Registry& store, const KeyPath& start, std::string& out);
// The header and every root.
ExportReport exportStore(reg::Registry& store, std::string& out);

// Replaces each part of key.path by its spelling in the store (names compare
// without regard to case and keep the case they were created with).
// FileNotFound when the key is missing.
reg::Status spellAsStored(reg::Registry& store, KeyPath& key);

// Reads one value; FileNotFound when it is missing.
reg::Status readValue(reg::Registry& store, reg::Handle key, std::string_view name, std::uint32_t& type,
                      std::string& data);

struct ApplyReport {
  reg::Status status = reg::Success;
  std::size_t line = 0;  // of the operation that failed
  std::string error;
  bool ok() const { return status == reg::Success; }
};

// Carries the operations out in order and stops at the first that fails.
ApplyReport applyOperations(reg::Registry& store, const std::vector<RegOperation>& operations);

// A short reason for a store's status ("access denied", ...).
std::string describeStatus(reg::Status status);

}  // namespace quillan::regfile
