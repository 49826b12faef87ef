// Every scripts/NAME.qs is compiled and run unattended. Beside it:
//   NAME.out      the expected standard output, byte for byte
//   NAME.status   the expected exit status (0 when the file is missing)
//   NAME.answers  the answer file (optional)
//   NAME.args     the script's parameters, one per line (optional)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ProcessRunner.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(SCRIPTS_DIR))
    if (entry.path().extension() == ".qs") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

class GoldenScript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenScript, TranscriptAndStatusMatch) {
  const std::string base = std::string(SCRIPTS_DIR) + "/" + GetParam();
  const std::string dir = makeTempDir();
  const std::string exe = dir + "/" + GetParam() + ".exe";
  const auto compiled = runProgram(QUILLANC_PATH, {base + ".qs", "-o", exe});
  ASSERT_EQ(compiled.status, 0) << compiled.err;

  std::vector<std::string> args{"--unattended"};
  if (fs::exists(base + ".answers")) args[0] = "--unattended=" + base + ".answers";
  args.push_back(exe);
  if (fs::exists(base + ".args"))
    for (const auto& a : lines(readFileBytes(base + ".args"))) args.push_back(a);

  const auto run = runProgram(SCRIPTRUN_PATH, args, {{"QUILLAN_REGISTRY", dir + "/registry.db"}}, dir);
  const std::string expected = readFileBytes(base + ".out");
  EXPECT_EQ(run.out, expected) << "stderr: " << run.err;
  int status = 0;
  if (fs::exists(base + ".status")) status = std::stoi(readFileBytes(base + ".status"));
  EXPECT_EQ(run.status, status) << "stderr: " << run.err;
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Scripts, GoldenScript, ::testing::ValuesIn(scriptNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quillan::testing
