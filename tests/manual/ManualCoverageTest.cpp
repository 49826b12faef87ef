// Every command and function of the runtime's tables has its own level-3
// heading in the manual: "### `LIST`" for a command, "### `@COUNT`" for a
// function, so a new keyword cannot ship undocumented.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ManualPage.h"
#include "ProcessRunner.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"

namespace quillan::manual {
namespace {

namespace fs = std::filesystem;

std::set<std::string> documentedNames() {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(MANUAL_DIR))
    if (entry.path().extension() == ".md")
      names.merge(parsePage(quillan::testing::readFileBytes(entry.path())).headingNames);
  return names;
}

TEST(ManualCoverage, EveryCommandAndFunctionHasAHeading) {
  const std::set<std::string> documented = documentedNames();
  std::string missing;
  for (std::string_view name : core::kCommandNames)
    if (!documented.contains(std::string(name))) missing += " " + std::string(name);
  for (std::string_view name : core::kFunctionNames)
    if (!documented.contains("@" + std::string(name))) missing += " @" + std::string(name);
  EXPECT_TRUE(missing.empty()) << "no level-3 heading in " << MANUAL_DIR << " for:" << missing;
}

}  // namespace
}  // namespace quillan::manual
