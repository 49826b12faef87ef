// Runs the fuzz corpus through the fuzz target's checks on every build, and
// makes sure the hand-made seeds still read as they should, so a change
// that stops reading real layouts does not pass as "no crash".
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "platform/peicon/ExecutableIcon.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Whether each hand-made seed has an icon; the files the fuzzer found are
// only held to the fuzz checks.
const std::map<std::string, bool> kSeeds = {
    {"pe32_two_images.pe", true}, {"pe64_two_images.pe", true}, {"plain.ico", true},
    {"cyclic_tree.pe", false},    {"garbage.bin", false},
};

TEST(PeIconCorpus, EveryFilePassesTheFuzzChecks) {
  std::set<std::string> seen;
  for (const auto& file : std::filesystem::directory_iterator(QUILLAN_PEICON_CORPUS_DIR)) {
    std::ifstream in(file.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    const std::string name = file.path().filename().string();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    if (const auto seed = kSeeds.find(name); seed != kSeeds.end()) {
      EXPECT_EQ(quillan::peicon::firstIconAsIco(bytes).has_value(), seed->second) << name;
      seen.insert(name);
    }
  }
  EXPECT_EQ(seen.size(), kSeeds.size()) << "a hand-made seed is missing";
}

}  // namespace
