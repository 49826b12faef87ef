// Damaged executables: each must come back as "no icon", without reading
// outside the buffer, looping, or allocating without bound.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/peicon/ExecutableIcon.h"
#include "tests/peicon/IconImages.h"
#include "tests/peicon/PeImageBuilder.h"

namespace quillan::peicon::testing {
namespace {

constexpr std::uint32_t kDirectoryBit = 0x80000000u;
constexpr std::size_t kPeAt = 0x40;

// Resources 0 and 1 are icons 1 and 2; resource 2 is the group naming both.
BuiltImage twoImageIcon(const ImageOptions& options = {}) {
  const std::string red = dibImage(16, 0xFFFF0000);
  const std::string blue = pngImage(32, 0xFF0000FF);
  return buildImage({{{kIconType, ""}, {1, ""}, kEnglish, red},
                     {{kIconType, ""}, {2, ""}, kEnglish, blue},
                     {{kGroupType, ""}, {1, ""}, kEnglish, iconGroup({{16, 16, 32, 0, 1}, {32, 32, 32, 0, 2}})}},
                    options);
}

struct Damage {
  const char* name;
  std::function<void(BuiltImage&)> apply;
};

std::size_t resourceDirectoryAt(const BuiltImage& i) { return i.dataDirectoriesAt + 16; }

const Damage kDamages[] = {
    {"NotMz", [](BuiltImage& i) { i.bytes[0] = 'X'; }},
    {"NewHeaderPastTheEnd", [](BuiltImage& i) { put32(i.bytes, 0x3C, static_cast<std::uint32_t>(i.bytes.size())); }},
    {"NewHeaderOffsetWraps", [](BuiltImage& i) { put32(i.bytes, 0x3C, 0xFFFFFFFEu); }},
    {"NoPeSignature", [](BuiltImage& i) { i.bytes[kPeAt + 2] = 'X'; }},
    {"UnknownOptionalHeader", [](BuiltImage& i) { put16(i.bytes, i.optionalHeaderAt, 0x107); }},
    {"OptionalHeaderEndsBeforeResources",
     [](BuiltImage& i) {
       put16(i.bytes, kPeAt + 20, static_cast<std::uint16_t>(resourceDirectoryAt(i) - i.optionalHeaderAt));
     }},
    {"TooFewDataDirectories", [](BuiltImage& i) { put32(i.bytes, i.dataDirectoriesAt - 4, 2); }},
    {"NoResourceDirectory", [](BuiltImage& i) { put32(i.bytes, resourceDirectoryAt(i), 0); }},
    {"EmptyResourceDirectory", [](BuiltImage& i) { put32(i.bytes, resourceDirectoryAt(i) + 4, 0); }},
    {"ResourcesInNoSection", [](BuiltImage& i) { put32(i.bytes, resourceDirectoryAt(i), 0x9000); }},
    {"SectionTablePastTheEnd", [](BuiltImage& i) { put16(i.bytes, kPeAt + 6, 0xFFFF); }},
    {"ResourceSectionPastTheEnd", [](BuiltImage& i) { put32(i.bytes, i.resourceSectionHeaderAt + 20, 0x7FFFFF00); }},
    {"ResourceSectionMostlyNotInTheFile", [](BuiltImage& i) { put32(i.bytes, i.resourceSectionHeaderAt + 16, 0x10); }},
    // Raw size is padded to the file alignment; the virtual size says how
    // much of it belongs to the section.
    {"ResourceSectionEndsBeforeItsData", [](BuiltImage& i) { put32(i.bytes, i.resourceSectionHeaderAt + 8, 0x20); }},
    {"RootCountsMoreEntriesThanTheFile", [](BuiltImage& i) { put16(i.bytes, i.directoryAt[""] + 14, 0xFFFF); }},
    {"GroupTypeLeadsToData", [](BuiltImage& i) { put32(i.bytes, i.entryAt("", 1) + 4, i.treeOffset("14")); }},
    {"GroupTypeLeadsBackToTheRoot", [](BuiltImage& i) { put32(i.bytes, i.entryAt("", 1) + 4, kDirectoryBit); }},
    {"NameLevelLeadsToItself",
     [](BuiltImage& i) { put32(i.bytes, i.entryAt("14", 0) + 4, kDirectoryBit | i.treeOffset("14")); }},
    {"LanguageLevelLeadsToItself",
     [](BuiltImage& i) { put32(i.bytes, i.entryAt("14/1", 0) + 4, kDirectoryBit | i.treeOffset("14/1")); }},
    {"DirectoryFarPastTheEnd", [](BuiltImage& i) { put32(i.bytes, i.entryAt("14", 0) + 4, 0xFFFFFFFFu); }},
    {"DataEntryFarPastTheEnd", [](BuiltImage& i) { put32(i.bytes, i.entryAt("14/1", 0) + 4, 0x7FFFFFF0); }},
    {"GroupDataEmpty", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[2] + 4, 0); }},
    {"GroupDataRunsPastTheEnd", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[2] + 4, 0xFFFFFFFFu); }},
    // Still inside the file (the section is padded) but past the section.
    {"GroupDataRunsPastItsSection",
     [](BuiltImage& i) {
       put32(i.bytes, i.dataEntryAt[2] + 4, static_cast<std::uint32_t>(i.dataEnd - i.dataAt[2] + 1));
     }},
    {"GroupDataAddressWraps",
     [](BuiltImage& i) {
       put32(i.bytes, i.dataEntryAt[2], 0xFFFFFFF0u);
       put32(i.bytes, i.dataEntryAt[2] + 4, 0x20);
     }},
    {"GroupDataInTheHeaders", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[2], 0x100); }},
    {"GroupWithNoImages", [](BuiltImage& i) { put16(i.bytes, i.dataAt[2] + 4, 0); }},
    {"GroupCountsMoreImagesThanItHolds", [](BuiltImage& i) { put16(i.bytes, i.dataAt[2] + 4, 0xFFFF); }},
    {"CursorGroup", [](BuiltImage& i) { put16(i.bytes, i.dataAt[2] + 2, 2); }},
    {"GroupNamesAMissingIcon", [](BuiltImage& i) { put16(i.bytes, i.dataAt[2] + 6 + 14 + 12, 9); }},
    {"IconDataEmpty", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[1] + 4, 0); }},
    {"IconIsNotAnImage", [](BuiltImage& i) { put32(i.bytes, i.dataAt[0], 0x12345678); }},
    {"NoGroupType", [](BuiltImage& i) { put32(i.bytes, i.entryAt("", 1), 15); }},
    {"NoIconType", [](BuiltImage& i) { put32(i.bytes, i.entryAt("", 0), 2); }},
};

class Damaged : public ::testing::TestWithParam<Damage> {};

TEST_P(Damaged, HasNoIcon) {
  for (bool pe64 : {false, true}) {
    BuiltImage image = twoImageIcon({.pe64 = pe64});
    ASSERT_TRUE(firstIconAsIco(image.bytes)) << "the undamaged image must have an icon";
    GetParam().apply(image);
    EXPECT_EQ(firstIconAsIco(image.bytes), std::nullopt) << (pe64 ? "64-bit" : "32-bit");
  }
}

INSTANTIATE_TEST_SUITE_P(ExecutableIcon, Damaged, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExecutableIcon, EveryTruncationBeforeTheLastNeededByteHasNoIcon) {
  for (bool pe64 : {false, true}) {
    const BuiltImage image = twoImageIcon({.pe64 = pe64});
    for (std::size_t length = 0; length <= image.bytes.size(); ++length) {
      const bool complete = length >= image.dataEnd;
      EXPECT_EQ(firstIconAsIco(std::string_view(image.bytes).substr(0, length)).has_value(), complete)
          << "length " << length << (pe64 ? " (64-bit)" : "");
    }
  }
}

// A group may name one image any number of times; the copy must stay
// bounded however large the image.
TEST(ExecutableIcon, OutputSizeIsCapped) {
  const std::string mib(1024 * 1024, '\0');
  std::string big = dibImage(16, 0) + mib + mib;
  const struct {
    std::size_t repeats;
    bool fits;
  } cases[] = {{7, true}, {9, false}};
  for (const auto& c : cases) {
    const std::vector<GroupEntry> entries(c.repeats, GroupEntry{0, 0, 32, 0, 1});
    const BuiltImage image = buildImage(
        {{{kIconType, ""}, {1, ""}, kEnglish, big}, {{kGroupType, ""}, {1, ""}, kEnglish, iconGroup(entries)}});
    EXPECT_EQ(firstIconAsIco(image.bytes).has_value(), c.fits) << c.repeats << " copies";
  }
}

// The largest group the format can express still reads in one pass.
TEST(ExecutableIcon, LargestGroupIsRead) {
  std::string tiny(12, '\0');
  put32(tiny, 0, 12);
  const std::vector<GroupEntry> entries(0xFFFF, GroupEntry{1, 1, 1, 12, 1});
  const BuiltImage image = buildImage(
      {{{kIconType, ""}, {1, ""}, kEnglish, tiny}, {{kGroupType, ""}, {1, ""}, kEnglish, iconGroup(entries)}});
  const auto ico = firstIconAsIco(image.bytes);
  ASSERT_TRUE(ico);
  EXPECT_EQ(ico->size(), 6 + 0xFFFFu * (16 + 12));
}

}  // namespace
}  // namespace quillan::peicon::testing
