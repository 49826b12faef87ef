// Every scripts/NAME.qs is compiled and run unattended. Beside it:
//   NAME.out      the expected standard output, byte for byte
//   NAME.status   the expected exit status (0 when the file is missing)
//   NAME.answers  the answer file (optional)
//   NAME.args     the script's parameters, one per line (optional)
//   NAME.registry values put into the run's registry store first, one per
//                 line: key (under the current user) TAB value name TAB
//                 string|expand|dword|binary TAB the value (binary: bytes
//                 in decimal separated by ",") (optional)
// The run's registry store and its home (where the per-user Quillan
// directory is) are in a scratch directory, which is also its current one.
// QUILLAN_GOLDEN_SCRIPTS names another folder of scripts (the ones that need
// an X server are run that way, under xvfb-run).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "ProcessRunner.h"
#include "platform/registry/SqliteRegistry.h"

namespace quillan::testing {
namespace {

namespace fs = std::filesystem;

std::string scriptsDir() {
  const char* other = std::getenv("QUILLAN_GOLDEN_SCRIPTS");
  return other != nullptr && *other != '\0' ? other : SCRIPTS_DIR;
}

std::vector<std::string> scriptNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(scriptsDir()))
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

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t cut; (cut = text.find(separator, start)) != std::string::npos; start = cut + 1)
    parts.push_back(text.substr(start, cut - start));
  parts.push_back(text.substr(start));
  return parts;
}

void seedRegistry(const std::string& seedFile, const std::string& store) {
  reg::SqliteRegistry registry(store);
  for (const std::string& line : lines(readFileBytes(seedFile))) {
    const std::vector<std::string> fields = split(line, '\t');
    ASSERT_EQ(fields.size(), 4u) << line;
    std::vector<std::uint8_t> bytes;
    std::uint32_t type = reg::Sz;
    if (fields[2] == "dword") {
      type = reg::Dword;
      const std::int32_t number = std::stoi(fields[3]);
      bytes.resize(4);
      std::memcpy(bytes.data(), &number, 4);
    } else if (fields[2] == "binary") {
      type = reg::Binary;
      for (const std::string& byte : split(fields[3], ',')) bytes.push_back(static_cast<std::uint8_t>(std::stoi(byte)));
    } else {
      type = fields[2] == "expand" ? reg::ExpandSz : reg::Sz;
      bytes.assign(fields[3].begin(), fields[3].end());
      bytes.push_back(0);
    }
    reg::Handle key = 0;
    ASSERT_EQ(registry.createKey(reg::CurrentUser, fields[0], key), reg::Success) << line;
    ASSERT_EQ(registry.setValue(key, fields[1], type, bytes.data(), static_cast<std::uint32_t>(bytes.size())),
              reg::Success)
        << line;
    registry.closeKey(key);
  }
}

class GoldenScript : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenScript, TranscriptAndStatusMatch) {
  const std::string base = scriptsDir() + "/" + GetParam();
  const std::string dir = makeTempDir();
  const std::string exe = dir + "/" + GetParam() + ".exe";
  const auto compiled = runProgram(QUILLANC_PATH, {base + ".qs", "-o", exe});
  ASSERT_EQ(compiled.status, 0) << compiled.err;

  std::vector<std::string> args{"--unattended"};
  if (fs::exists(base + ".answers")) args[0] = "--unattended=" + base + ".answers";
  args.push_back(exe);
  if (fs::exists(base + ".args"))
    for (const auto& a : lines(readFileBytes(base + ".args"))) args.push_back(a);

  if (fs::exists(base + ".registry")) seedRegistry(base + ".registry", dir + "/registry.db");
  const auto run = runProgram(
      SCRIPTRUN_PATH, args,
      {{"QUILLAN_REGISTRY", dir + "/registry.db"}, {"HOME", dir + "/home"}, {"XDG_CONFIG_HOME", dir + "/home/.config"}},
      dir);
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
