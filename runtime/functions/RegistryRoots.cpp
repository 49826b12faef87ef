#include "runtime/functions/RegistryRoots.h"

#include "runtime/core/Settings.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

constexpr core::KeywordRow<reg::Handle> kRootRows[] = {
    {1, reg::ClassesRoot}, {5, reg::CurrentUser}, {8, reg::Users}, {13, reg::LocalMachine}, {18, reg::DynData}};

}  // namespace

const core::KeywordTable<reg::Handle> kRegistryRoots{"ROOTCURUSERSLOCALSTATS", kRootRows};

bool registryPlaceFor(std::string_view rootWord, std::string_view key, RegistryPlace& place) {
  if (equalIgnoringCase(rootWord, "DEFAULT")) {
    place.root = reg::CurrentUser;
    place.key = std::string(core::kSettingsKey) + "UserScripts\\" + std::string(key);
    return true;
  }
  std::string word(rootWord);
  core::upperAsciiInPlace(word);
  const auto* row = kRegistryRoots.find(word);
  if (row == nullptr) return false;
  place.root = row->entry;
  place.key.assign(key);
  return true;
}

}  // namespace quillan::functions
