// Every command word and every function name of the language has a handler
// in the assembled library, so no script of the language ends with "not
// available in this version".
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "runtime/commands/CommandLibrary.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"
#include "runtime/functions/FunctionLibrary.h"

namespace quillan {
namespace {

TEST(LanguageComplete, EveryCommandAndFunctionHasAHandler) {
  std::vector<std::string> missing;
  const auto& commands = commands::standardCommands();
  for (std::size_t i = 0; i < core::kCommandCount; ++i) {
    if (commands[static_cast<core::Command>(i)] == nullptr) missing.emplace_back(core::kCommandNames[i]);
  }
  const auto& functions = functions::standardFunctions();
  for (std::size_t i = 0; i < core::kFunctionCount; ++i) {
    if (functions[static_cast<core::Function>(i)] == nullptr)
      missing.push_back("@" + std::string(core::kFunctionNames[i]));
  }
  EXPECT_TRUE(missing.empty()) << ::testing::PrintToString(missing);
}

}  // namespace
}  // namespace quillan
