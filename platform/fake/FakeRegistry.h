// A registry store held in memory, for the interpreter's tests: the same
// results as the SQLite store for every call (a contract test runs the same
// cases against both), without a file, and with failures on cue. Operations
// for `faults` are named after the methods ("openKey", "setValue", ...); a
// failing call changes nothing and returns the planned status.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/api/Registry.h"
#include "platform/fake/FailOnCue.h"

namespace quillan::fake {

class FakeRegistry final : public reg::Registry {
 public:
  FakeRegistry();
  ~FakeRegistry() override;

  FailOnCue faults;

  reg::Status openKey(reg::Handle parent, std::string_view subkey, reg::Handle& out) override;
  reg::Status createKey(reg::Handle parent, std::string_view subkey, reg::Handle& out) override;
  reg::Status queryValue(reg::Handle key, std::string_view name, std::uint32_t* type, std::uint8_t* data,
                         std::uint32_t* size) override;
  reg::Status setValue(reg::Handle key, std::string_view name, std::uint32_t type, const std::uint8_t* data,
                       std::uint32_t size) override;
  reg::Status enumKey(reg::Handle key, std::uint32_t index, std::string& name) override;
  reg::Status enumValue(reg::Handle key, std::uint32_t index, std::string& name, std::uint32_t* type,
                        std::uint8_t* data, std::uint32_t* size) override;
  reg::Status deleteKey(reg::Handle parent, std::string_view subkey) override;
  reg::Status deleteValue(reg::Handle key, std::string_view name) override;
  reg::Status closeKey(reg::Handle key) override;

  // Test conveniences under CurrentUser: writes a string value (with its
  // NUL, as the runtime stores text), and reads one back; false when the key
  // or the value is missing.
  void putString(std::string_view keyPath, std::string_view name, std::string_view text);
  bool getString(std::string_view keyPath, std::string_view name, std::string& text);

 private:
  struct Key;
  std::shared_ptr<Key> resolve(reg::Handle h) const;
  reg::Status openOrCreate(reg::Handle parent, std::string_view subkey, reg::Handle& out, bool create);
  reg::Handle hand(std::shared_ptr<Key> key);

  std::vector<std::shared_ptr<Key>> roots_;    // in the order of the predefined handles
  std::vector<std::shared_ptr<Key>> handles_;  // handle h is handles_[h - 1]; null when free
};

}  // namespace quillan::fake
