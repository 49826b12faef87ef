// The version strings of executables the tests lay out themselves: a
// 32-bit and a 64-bit image with a version resource, a 16-bit one, and
// damaged variants that must give empty strings without reading outside
// the file.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/peicon/VersionInfo.h"
#include "tests/peicon/PeImageBuilder.h"

namespace quillan::peicon::testing {
namespace {

constexpr std::uint16_t kVersionType = 16;

struct Node {
  std::string key;
  std::string value;  // raw value bytes
  bool text = false;  // value is a string (counted in characters)
  std::vector<Node> children;
};

void pad4(std::string& out) {
  while (out.size() % 4 != 0) out.push_back('\0');
}

std::string utf16(std::string_view ascii) {
  std::string out;
  for (const char c : ascii) {
    out.push_back(c);
    out.push_back('\0');
  }
  return out;
}

// One node in the 32-bit layout (wide) or the 16-bit one.
std::string encode(const Node& node, bool wide) {
  std::string out(wide ? 6 : 4, '\0');
  out += wide ? utf16(node.key) + std::string(2, '\0') : node.key + '\0';
  pad4(out);
  out += node.value;
  for (const Node& child : node.children) {
    pad4(out);
    out += encode(child, wide);
  }
  put16(out, 0, static_cast<std::uint16_t>(out.size()));
  const std::size_t valueLength = node.text && wide ? node.value.size() / 2 : node.value.size();
  put16(out, 2, static_cast<std::uint16_t>(valueLength));
  if (wide) put16(out, 4, node.text ? 1 : 0);
  return out;
}

Node stringNode(const std::string& key, const std::string& value, bool wide) {
  return {key, wide ? utf16(value) + std::string(2, '\0') : value + '\0', true, {}};
}

std::string versionResource(bool wide, const std::string& table = "040904B0", std::uint32_t translation = 0x04B00409) {
  Node strings{table, "", false, {}};
  for (const auto& [key, value] : std::vector<std::pair<std::string, std::string>>{{"CompanyName", "Harbour Tools"},
                                                                                   {"FileDescription", "Tide tables"},
                                                                                   {"FileVersion", "1.2.3"},
                                                                                   {"LegalCopyright", "(c) 2001"},
                                                                                   {"OriginalFilename", "TIDES.EXE"},
                                                                                   {"ProductName", "Tides"},
                                                                                   {"ProductVersion", "1.2"}})
    strings.children.push_back(stringNode(key, value, wide));
  std::string pair(4, '\0');
  put32(pair, 0, translation);
  const Node root{
      "VS_VERSION_INFO",
      std::string(52, '\0'),
      false,
      {{"StringFileInfo", "", false, {strings}}, {"VarFileInfo", "", false, {{"Translation", pair, false, {}}}}}};
  return encode(root, wide);
}

BuiltImage peWithVersion(const std::string& resource, const ImageOptions& options = {}) {
  return buildImage({{{kVersionType, ""}, {1, ""}, kEnglish, resource}}, options);
}

// A 16-bit executable: the DOS header's pointer leads to "NE", whose
// resource table (offset at 0x24) lists one version resource.
std::string neWithVersion(const std::string& resource) {
  std::string file(0x80, '\0');
  file[0] = 'M';
  file[1] = 'Z';
  put32(file, 0x3C, 0x40);
  file[0x40] = 'N';
  file[0x41] = 'E';
  put16(file, 0x40 + 0x24, 0x30);  // resource table at 0x70
  std::string table(2 + 8 + 12 + 2, '\0');
  put16(table, 0, 4);  // units of 16 bytes
  put16(table, 2, 0x8010);
  put16(table, 4, 1);
  put16(table, 10, 0x10);  // at 0x100
  put16(table, 12, static_cast<std::uint16_t>((resource.size() + 15) / 16));
  file.replace(0x70, table.size(), table);
  file.resize(0x100, '\0');
  file += resource;
  file.resize(0x100 + (resource.size() + 15) / 16 * 16, '\0');
  return file;
}

void expectAllStrings(const VersionInfo& info) {
  EXPECT_EQ(info.companyName, "Harbour Tools");
  EXPECT_EQ(info.fileDescription, "Tide tables");
  EXPECT_EQ(info.fileVersion, "1.2.3");
  EXPECT_EQ(info.legalCopyright, "(c) 2001");
  EXPECT_EQ(info.originalFilename, "TIDES.EXE");
  EXPECT_EQ(info.productName, "Tides");
  EXPECT_EQ(info.productVersion, "1.2");
}

TEST(VersionInfo, ReadsThe32BitAnd64BitLayouts) {
  for (const bool pe64 : {false, true}) {
    const VersionInfo info = readVersionInfo(peWithVersion(versionResource(true), {pe64}).bytes);
    EXPECT_EQ(info.type, "PE");
    expectAllStrings(info);
  }
}

TEST(VersionInfo, Reads16BitExecutables) {
  const VersionInfo info = readVersionInfo(neWithVersion(versionResource(false)));
  EXPECT_EQ(info.type, "NE");
  expectAllStrings(info);
}

TEST(VersionInfo, TheFirstTranslationChoosesTheTable) {
  // The table's name is matched without regard to case.
  EXPECT_EQ(readVersionInfo(peWithVersion(versionResource(true, "040904b0")).bytes).productName, "Tides");
  const VersionInfo other = readVersionInfo(peWithVersion(versionResource(true, "040704B0")).bytes);
  EXPECT_EQ(other.type, "PE");
  EXPECT_EQ(other.productName, "");
}

TEST(VersionInfo, UnicodeBecomesUtf8) {
  Node table{
      "040904B0", "", false, {{"CompanyName", std::string("\xE9\x00\x3D\xD8\x00\xDE\x00\xD8\0\0", 10), true, {}}}};
  std::string pair(4, '\0');
  put32(pair, 0, 0x04B00409);
  const Node root{"VS_VERSION_INFO",
                  "",
                  false,
                  {{"StringFileInfo", "", false, {table}}, {"VarFileInfo", "", false, {{"Translation", pair}}}}};
  // e-acute, a pair of surrogates (U+1F600), an unpaired half.
  EXPECT_EQ(readVersionInfo(peWithVersion(encode(root, true)).bytes).companyName,
            "\xC3\xA9\xF0\x9F\x98\x80\xEF\xBF\xBD");
}

TEST(VersionInfo, FileTypes) {
  const struct {
    const char* name;
    std::string bytes;
    const char* type;
  } cases[] = {
      {"Empty", "", "??"},
      {"SixtyTwoBytes", std::string(62, 'P'), "??"},
      {"PointerPastTheEnd", std::string(60, '\0') + std::string("\xFF\x00\x00\x00", 4), "??"},
      {"PointerToP", std::string(60, '\0') + std::string("\x40\x00\x00\x00", 4) + "PE", "PE"},
      {"PointerToN", std::string(60, '\0') + std::string("\x40\x00\x00\x00", 4) + "NE", "NE"},
      {"PointerToOther", std::string(60, '\0') + std::string("\x40\x00\x00\x00", 4) + "LE", "!!"},
  };
  for (const auto& c : cases) {
    const VersionInfo info = readVersionInfo(c.bytes);
    EXPECT_EQ(info.type, c.type) << c.name;
    EXPECT_EQ(info.productName, "") << c.name;
  }
}

struct Damage {
  const char* name;
  std::function<void(BuiltImage&)> apply;
};

TEST(VersionInfo, DamagedFilesGiveNoStrings) {
  constexpr std::uint32_t kDirectoryBit = 0x80000000u;
  const Damage damages[] = {
      {"TreePointsOutsideTheFile",
       [](BuiltImage& i) { put32(i.bytes, i.entryAt("", 0) + 4, kDirectoryBit | 0x7FFFFFF0); }},
      {"DataPointsOutsideTheFile", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[0], 0xFFFFFF00u); }},
      {"DataLongerThanTheFile", [](BuiltImage& i) { put32(i.bytes, i.dataEntryAt[0] + 4, 0x7FFFFFFF); }},
      {"TreeLoopsBackToTheRoot", [](BuiltImage& i) { put32(i.bytes, i.entryAt("16", 0) + 4, kDirectoryBit); }},
      {"RootBlockLengthZero", [](BuiltImage& i) { put16(i.bytes, i.dataAt[0], 0); }},
      {"ChildLengthZero", [](BuiltImage& i) { put16(i.bytes, i.dataAt[0] + 92, 0); }},
      {"Truncated", [](BuiltImage& i) { i.bytes.resize(i.dataAt[0] + 100); }},
  };
  for (const Damage& damage : damages) {
    BuiltImage image = peWithVersion(versionResource(true));
    damage.apply(image);
    const VersionInfo info = readVersionInfo(image.bytes);
    EXPECT_EQ(info.type, "PE") << damage.name;
    EXPECT_EQ(info.productName, "") << damage.name;
  }
}

TEST(VersionInfo, DamagedSixteenBitTables) {
  const std::string good = neWithVersion(versionResource(false));
  const struct {
    const char* name;
    std::size_t at;
    std::uint16_t value;
  } damages[] = {{"TableOffsetPastTheEnd", 0x64, 0xFFFF},
                 {"HugeShift", 0x70, 40},
                 {"ResourcePastTheEnd", 0x7A, 0xFFFF},
                 {"OtherType", 0x72, 0x8003}};
  for (const auto& d : damages) {
    std::string bytes = good;
    put16(bytes, d.at, d.value);
    const VersionInfo info = readVersionInfo(bytes);
    EXPECT_EQ(info.type, "NE") << d.name;
    EXPECT_EQ(info.productName, "") << d.name;
  }
}

}  // namespace
}  // namespace quillan::peicon::testing
