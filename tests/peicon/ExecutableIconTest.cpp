// Which icon is found, and how the icon file is put together, for
// well-formed executables and icon files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/peicon/ExecutableIcon.h"
#include "tests/peicon/IconImages.h"
#include "tests/peicon/PeImageBuilder.h"

namespace quillan::peicon::testing {
namespace {

const std::string kRed16 = dibImage(16, 0xFFFF0000);
const std::string kBlue32 = pngImage(32, 0xFF0000FF);
const std::string kGreen16 = dibImage(16, 0xFF00FF00);
const std::string kWhite48 = dibImage(48, 0xFFFFFFFF);

Resource icon(std::uint32_t id, const std::string& image, std::uint16_t language = kEnglish) {
  return {{kIconType, ""}, {id, ""}, language, image};
}

Resource group(Key name, std::vector<GroupEntry> entries, std::uint16_t language = kEnglish) {
  return {{kGroupType, ""}, std::move(name), language, iconGroup(entries)};
}

std::vector<Resource> twoImageIcon() {
  return {icon(1, kRed16), icon(2, kBlue32),
          group({1, ""}, {{16, 16, 32, static_cast<std::uint32_t>(kRed16.size()), 1},
                          {32, 32, 32, static_cast<std::uint32_t>(kBlue32.size()), 2}})};
}

std::vector<std::string> imagesOf(const std::optional<std::string>& ico) {
  std::vector<std::string> images;
  if (!ico) return images;
  const auto entries = readIco(*ico);
  if (!entries) return {"<malformed icon file>"};
  for (const IcoEntry& e : *entries) images.push_back(e.image);
  return images;
}

TEST(ExecutableIcon, LaysOutTheGroupAsAnIconFile) {
  const std::optional<std::string> ico = firstIconAsIco(buildImage(twoImageIcon()).bytes);
  ASSERT_TRUE(ico);
  const auto entries = readIco(*ico);
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 2u);
  const IcoEntry& first = (*entries)[0];
  const IcoEntry& second = (*entries)[1];
  EXPECT_EQ(first.width, 16);
  EXPECT_EQ(first.height, 16);
  EXPECT_EQ(first.planes, 1);
  EXPECT_EQ(first.bitCount, 32);
  EXPECT_EQ(first.offset, 6u + 2 * 16);
  EXPECT_EQ(first.image, kRed16);
  EXPECT_EQ(second.width, 32);
  EXPECT_EQ(second.offset, first.offset + first.size);
  EXPECT_EQ(second.image, kBlue32);
  EXPECT_EQ(ico->size(), second.offset + second.size);
}

// Most groups below claim a size of 0 for their images, so these cases also
// check that the icon file records the size of the bytes actually copied.
struct PickCase {
  const char* name;
  std::vector<Resource> resources;
  ImageOptions options;
  std::vector<std::string> expected;
};

std::vector<PickCase> pickCases() {
  std::vector<PickCase> cases;
  cases.push_back({"SixtyFourBitHeader", twoImageIcon(), {.pe64 = true}, {kRed16, kBlue32}});
  cases.push_back({"SectionTableNotInAddressOrder", twoImageIcon(), {.resourceSectionFirst = true}, {kRed16, kBlue32}});
  cases.push_back(
      {"DataAppendedAfterTheImage", twoImageIcon(), {.trailer = std::string(9000, '\x7f')}, {kRed16, kBlue32}});
  cases.push_back({"NamedGroupComesBeforeNumbered",
                   {icon(1, kRed16), icon(2, kGreen16), group({1, ""}, {{16, 16, 32, 0, 1}}),
                    group({0, "APP"}, {{16, 16, 32, 0, 2}})},
                   {},
                   {kGreen16}});
  cases.push_back(
      {"LowestNumberedGroupFirst",
       {icon(1, kRed16), icon(2, kGreen16), group({7, ""}, {{16, 16, 32, 0, 1}}), group({5, ""}, {{16, 16, 32, 0, 2}})},
       {},
       {kGreen16}});
  cases.push_back({"ImageInTheGroupsLanguage",
                   {icon(1, kRed16, 0x407), icon(1, kGreen16, 0x409), group({1, ""}, {{16, 16, 32, 0, 1}}, 0x409)},
                   {},
                   {kGreen16}});
  cases.push_back({"ImageInAnotherLanguageWhenTheGroupsIsMissing",
                   {icon(1, kRed16, 0x407), icon(1, kGreen16, 0x40C), group({1, ""}, {{16, 16, 32, 0, 1}}, 0x409)},
                   {},
                   {kRed16}});
  cases.push_back({"OneImageListedTwice",
                   {icon(4, kWhite48), group({1, ""}, {{48, 48, 32, 0, 4}, {48, 48, 32, 0, 4}})},
                   {},
                   {kWhite48, kWhite48}});
  return cases;
}

class PicksIcon : public ::testing::TestWithParam<PickCase> {};

TEST_P(PicksIcon, Images) {
  const PickCase& c = GetParam();
  EXPECT_EQ(imagesOf(firstIconAsIco(buildImage(c.resources, c.options).bytes)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(ExecutableIcon, PicksIcon, ::testing::ValuesIn(pickCases()),
                         [](const auto& info) { return std::string(info.param.name); });

std::string iconFile(std::uint16_t reserved, std::uint16_t type, std::uint32_t offset, std::string image) {
  std::string ico(22, '\0');
  put16(ico, 0, reserved);
  put16(ico, 2, type);
  put16(ico, 4, 1);
  ico[6] = ico[7] = 16;
  put32(ico, 14, static_cast<std::uint32_t>(image.size()));
  put32(ico, 18, offset);
  return ico + image;
}

TEST(IconFilePassthrough, ValidIconFileComesBackUnchanged) {
  const std::string ico = iconFile(0, 1, 22, kRed16);
  EXPECT_EQ(firstIconAsIco(ico), ico);
  // Our own output must be accepted the same way.
  const auto made = firstIconAsIco(buildImage(twoImageIcon()).bytes);
  ASSERT_TRUE(made);
  EXPECT_EQ(firstIconAsIco(*made), made);
}

// An image placed over the directory whose entry happens to read like a
// bitmap header.
std::string imageOverDirectory() {
  std::string ico = iconFile(0, 1, 6, dibImage(16, 0));
  ico[6] = 40;
  ico[7] = 0;
  return ico;
}

TEST(IconFilePassthrough, RejectsDamagedIconFiles) {
  const std::string cases[] = {
      iconFile(1, 1, 22, kRed16),           // reserved word set
      iconFile(0, 2, 22, kRed16),           // a cursor, not an icon
      iconFile(0, 1, 23, kRed16),           // image runs past the end
      iconFile(0, 1, 0xFFFFFFF0u, kRed16),  // offset plus size wraps 32 bits
      imageOverDirectory(),
      iconFile(0, 1, 22, ""),                    // empty image
      iconFile(0, 1, 22, std::string(64, 'x')),  // neither bitmap nor PNG
      iconFile(0, 1, 22, kRed16).substr(0, 21),  // directory cut short
      std::string("\0\0\1\0\0\0", 6),            // no images
  };
  for (const std::string& ico : cases) EXPECT_EQ(firstIconAsIco(ico), std::nullopt);
}

}  // namespace
}  // namespace quillan::peicon::testing
