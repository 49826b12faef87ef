// The .reg reader and writer and the transfer between a store and .reg
// text: the round trip through an SQLite store, what the reader refuses and
// where, and a failed import leaving the store as it was.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/api/RegistryRules.h"
#include "platform/registry/SqliteRegistry.h"
#include "tools/quillanreg/RegText.h"
#include "tools/quillanreg/RegTransfer.h"

namespace quillan::regfile {
namespace {

namespace fs = std::filesystem;
using std::string_literals::operator""s;

class RegTextStore : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/quillan-regtext-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir = tmpl;
  }
  void TearDown() override { fs::remove_all(dir); }

  reg::SqliteRegistry& store(const std::string& name) {
    stores.push_back(std::make_unique<reg::SqliteRegistry>((dir / name).string()));
    return *stores.back();
  }
  static void put(reg::Registry& s, reg::Handle root, std::string_view path, std::string_view name, std::uint32_t type,
                  std::string_view data) {
    reg::Handle h = 0;
    ASSERT_EQ(s.createKey(root, path, h), reg::Success) << path;
    ASSERT_EQ(s.setValue(h, name, type, reinterpret_cast<const std::uint8_t*>(data.data()), std::uint32_t(data.size())),
              reg::Success)
        << name;
    s.closeKey(h);
  }
  static std::string exported(reg::Registry& s) {
    std::string text;
    EXPECT_EQ(exportStore(s, text).status, reg::Success);
    return text;
  }
  static ApplyReport import(reg::SqliteRegistry& s, std::string_view text) {
    const RegParse parsed = readRegText(text);
    EXPECT_TRUE(parsed.ok()) << parsed.errorLine << ": " << parsed.error;
    ApplyReport report;
    const reg::Status status = s.inOneTransaction([&] {
      report = applyOperations(s, parsed.operations);
      return report.status;
    });
    if (report.ok() && status != reg::Success) report.status = status;
    return report;
  }

  fs::path dir;
  std::vector<std::unique_ptr<reg::SqliteRegistry>> stores;
};

TEST_F(RegTextStore, RoundTripIsByteIdenticalForEveryTypeAndOddNames) {
  reg::SqliteRegistry& original = store("original.db");
  std::string bytes256;
  for (int i = 0; i < 256; ++i) bytes256 += char(i);
  const auto cu = reg::CurrentUser;
  put(original, cu, "Software\\Demo", "", reg::Sz, "the default\0"s);
  put(original, cu, "Software\\Demo", "Text", reg::Sz, "a \"quoted\" \\ word\0"s);
  put(original, cu, "Software\\Demo", "Empty", reg::Sz, "\0"s);
  put(original, cu, "Software\\Demo", "NoNul", reg::Sz, "abc");
  put(original, cu, "Software\\Demo", "Nothing", reg::Sz, "");
  put(original, cu, "Software\\Demo", "TwoNuls", reg::Sz, "a\0b\0"s);
  put(original, cu, "Software\\Demo", "Lines", reg::Sz, "one\r\ntwo\0"s);
  put(original, cu, "Software\\Demo", "Latin", reg::Sz, "caf\xe9 \xc3\xa9t\xc3\xa9\0"s);
  put(original, cu, "Software\\Demo", "Count", reg::Dword, "\x2a\0\0\0"s);
  put(original, cu, "Software\\Demo", "Short", reg::Dword, "\x01\x02"s);
  put(original, cu, "Software\\Demo", "Bytes", reg::Binary, bytes256);
  put(original, cu, "Software\\Demo", "NoBytes", reg::Binary, "");
  put(original, cu, "Software\\Demo", "Expand", reg::ExpandSz, "%HOME%\\x\0"s);
  put(original, cu, "Software\\Demo", "Multi", reg::MultiSz, "a\0bc\0\0"s);
  put(original, cu, "Software\\Demo", "Untyped", reg::None, "\x01"s);
  put(original, cu, "Software\\Demo", "Odd type", 0xdeadbeef, "x");
  put(original, cu, "Software\\Demo", "@", reg::Sz, "not the default\0"s);
  put(original, cu, "Software\\Demo", "\"=[]\\;", reg::Sz, "\0"s);
  put(original, cu, "Software\\Demo", "  spaced  ", reg::Sz, "  kept  \0"s);
  put(original, cu, "Software\\Demo\\Deeper\\And deeper\\]odd[ -name \xe9", "v", reg::Dword, "\xff\xff\xff\xff"s);
  put(original, cu, "Software\\Empty\\Leaf", "", reg::Sz, "\0"s);
  put(original, reg::LocalMachine, "", "On the root", reg::Sz, "r\0"s);
  put(original, reg::Users, "Later\\Sibling", "x", reg::Sz, "\0"s);
  put(original, reg::Users, "Earlier", "x", reg::Sz, "\0"s);
  reg::Handle empty = 0;
  ASSERT_EQ(original.createKey(cu, "Software\\No values", empty), reg::Success);
  original.closeKey(empty);

  const std::string first = exported(original);
  reg::SqliteRegistry& copy = store("copy.db");
  ASSERT_TRUE(import(copy, first).ok());
  EXPECT_EQ(exported(copy), first);

  // The notation of each kind of value, as the writer chose it.
  for (const char* line : {
           "[HKEY_CURRENT_USER\\Software\\Demo]\r\n@=\"the default\"\r\n",
           "\"Text\"=\"a \\\"quoted\\\" \\\\ word\"\r\n",
           "\"Empty\"=\"\"\r\n",
           "\"NoNul\"=hex(1):61,62,63\r\n",
           "\"Nothing\"=hex(1):\r\n",
           "\"TwoNuls\"=hex(1):61,00,62,00\r\n",
           "\"Lines\"=hex(1):6f,6e,65,0d,0a,74,77,6f,00\r\n",
           "\"Latin\"=\"caf\xe9 \xc3\xa9t\xc3\xa9\"\r\n",
           "\"Count\"=dword:0000002a\r\n",
           "\"Short\"=hex(4):01,02\r\n",
           "\"Bytes\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n  16,17,",
           "\"NoBytes\"=hex:\r\n",
           "\"Expand\"=hex(2):25,48,4f,4d,45,25,5c,78,00\r\n",
           "\"Multi\"=hex(7):61,00,62,63,00,00\r\n",
           "\"Untyped\"=hex(0):01\r\n",
           "\"Odd type\"=hex(deadbeef):78\r\n",
           "\"@\"=\"not the default\"\r\n",
           "\"\\\"=[]\\\\;\"=\"\"\r\n",
           "\"  spaced  \"=\"  kept  \"\r\n",
           "[HKEY_CURRENT_USER\\Software\\Demo\\Deeper\\And deeper\\]odd[ -name \xe9]\r\n\"v\"=dword:ffffffff\r\n",
           "[HKEY_CURRENT_USER\\Software\\No values]\r\n\r\n",
           "[HKEY_LOCAL_MACHINE]\r\n\"On the root\"=\"r\"\r\n",
           "[HKEY_USERS\\Later]\r\n\r\n[HKEY_USERS\\Later\\Sibling]\r\n\"x\"=\"\"\r\n\r\n[HKEY_USERS\\Earlier]\r\n",
       })
    EXPECT_NE(first.find(line), std::string::npos) << line;
  EXPECT_EQ(first.substr(0, 12), "REGEDIT4\r\n\r\n");
  EXPECT_EQ(first.find("[HKEY_CLASSES_ROOT]"), std::string::npos) << "an empty root gets no section";
}

TEST_F(RegTextStore, DeletionsRemoveKeysWithTheirSubkeysAndSingleValues) {
  reg::SqliteRegistry& s = store("s.db");
  put(s, reg::CurrentUser, "Software\\Old\\Child\\Grandchild", "v", reg::Sz, "x\0"s);
  put(s, reg::CurrentUser, "Software\\Keep", "gone", reg::Sz, "x\0"s);
  put(s, reg::CurrentUser, "Software\\Keep", "stays", reg::Sz, "y\0"s);
  put(s, reg::CurrentUser, "Software\\Keep", "", reg::Sz, "d\0"s);
  const ApplyReport report = import(s,
                                    "REGEDIT4\n\n"
                                    "[-HKEY_CURRENT_USER\\Software\\Old]\n"
                                    "[-HKEY_CURRENT_USER\\Software\\Never was]\n"
                                    "[HKEY_CURRENT_USER\\Software\\Keep]\n"
                                    "\"gone\"=-\n"
                                    "\"never was\"=-\n"
                                    "@=-\n");
  ASSERT_TRUE(report.ok()) << report.error;
  EXPECT_EQ(exported(s),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Keep]\r\n\"stays\"=\"y\"\r\n\r\n");
}

TEST_F(RegTextStore, AFailingOperationRollsBackTheWholeImport) {
  reg::SqliteRegistry& s = store("s.db");
  put(s, reg::CurrentUser, "Software\\Before", "v", reg::Sz, "old\0"s);
  const std::string before = exported(s);
  RegParse parsed = readRegText(
      "REGEDIT4\n[-HKEY_CURRENT_USER\\Software\\Before]\n[HKEY_CURRENT_USER\\Software\\New]\n\"v\"=\"new\"\n");
  ASSERT_TRUE(parsed.ok());
  // A value name the store refuses, as the last step.
  RegOperation tooLong;
  tooLong.kind = RegOperation::Kind::SetValue;
  tooLong.line = 9;
  tooLong.name.assign(reg::kMaxValueName + 1, 'n');
  parsed.operations.push_back(tooLong);
  ApplyReport report;
  const reg::Status status = s.inOneTransaction([&] {
    report = applyOperations(s, parsed.operations);
    return report.status;
  });
  EXPECT_EQ(status, reg::InvalidParameter);
  EXPECT_EQ(report.line, 9u);
  EXPECT_EQ(exported(s), before);
  // Another object on the same file sees the old state too.
  EXPECT_EQ(exported(store("s.db")), before);
  // The store goes on working after the rollback.
  put(s, reg::CurrentUser, "Software\\After", "v", reg::Sz, "x\0"s);
}

TEST_F(RegTextStore, HandlesOnKeysARollbackRemovedAreClosed) {
  reg::SqliteRegistry& s = store("s.db");
  reg::Handle inside = 0;
  EXPECT_EQ(s.inOneTransaction([&] {
    EXPECT_EQ(s.createKey(reg::CurrentUser, "Made\\Inside", inside), reg::Success);
    EXPECT_EQ(s.inOneTransaction([] { return reg::Success; }), reg::InvalidParameter) << "no nesting";
    return reg::AccessDenied;
  }),
            reg::AccessDenied);
  // The rolled-back key's id is given out again; the old handle must not
  // reach the new key.
  const std::uint8_t byte = 1;
  EXPECT_EQ(s.setValue(inside, "v", reg::Binary, &byte, 1), reg::InvalidHandle);
  EXPECT_EQ(s.openKey(reg::CurrentUser, "Made", inside), reg::FileNotFound);
}

struct BadFile {
  const char* text;
  std::size_t line;
  const char* says;
};

TEST(RegTextReader, NamesTheLineOfTheFirstError) {
  const BadFile cases[] = {
      {"", 1, "first line must be REGEDIT4"},
      {"REGEDIT5\n", 1, "first line must be REGEDIT4"},
      {"\xff\xfeR\0E\0", 1, "UTF-16"},
      {"REGEDIT4\n\"v\"=\"x\"\n", 2, "outside any key"},
      {"REGEDIT4\n[-HKCU\\A]\n\"v\"=\"x\"\n", 3, "under a deleted key"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=hex:01,zz\n", 3, "bad byte"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=hex:01,\\\n  02,123\n", 4, "bad byte"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=hex:01 02\n", 3, "expected ,"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=hex:01,\\\n", 3, "no line follows"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=hex(x):01\n", 3, "hex("},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=dword:123456789\n", 3, "dword:"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=dword:\n", 3, "dword:"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=\"open\n", 3, "no closing quote"},
      {"REGEDIT4\n[HKCU\\A]\n\"open=\"x\"\n", 3, "expected ="},
      {"REGEDIT4\n[HKCU\\A]\n\"v=1\n", 3, "no closing quote"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=\"x\" y\n", 3, "after the closing quote"},
      {"REGEDIT4\n[HKCU\\A]\n\"v\"=word:1\n", 3, "unknown value data"},
      {"REGEDIT4\n[HKCU\\A\n", 2, "end in ]"},
      {"REGEDIT4\n[HKEY_NOWHERE\\A]\n", 2, "unknown root"},
      {"REGEDIT4\n[HKCU\\A\\\\B]\n", 2, "bad key path"},
      {"REGEDIT4\n[-HKEY_CURRENT_USER]\n", 2, "root key cannot be deleted"},
      {"REGEDIT4\r\n\r\n[HKCU\\A]\r\nv=1\r\n", 4, "not a key, a value"},
  };
  for (const BadFile& c : cases) {
    const RegParse parsed = readRegText(std::string_view(c.text, c.text[0] == '\xff' ? 6 : std::strlen(c.text)));
    EXPECT_EQ(parsed.errorLine, c.line) << c.text;
    EXPECT_NE(parsed.error.find(c.says), std::string::npos) << c.text << " -> " << parsed.error;
    EXPECT_TRUE(parsed.operations.empty()) << c.text;
  }
}

TEST(RegTextReader, AcceptsWhatHandWrittenFilesHold) {
  const RegParse parsed = readRegText(
      "\xef\xbb\xbfREGEDIT4  \n"
      "; comment\n"
      "  [hkey_current_user\\Software\\X\\]  \n"
      "\"path\" = \"C:\\dir\\\"q\\\"\"\n"
      "@=DWORD:2A\n"
      "\"b\"=HEX:1,\\\n"
      "   A ,ff,\n"
      "\"m\"=hex(7):\\\n"
      "  61,00,00\n");
  ASSERT_TRUE(parsed.ok()) << parsed.errorLine << ": " << parsed.error;
  ASSERT_EQ(parsed.operations.size(), 5u);
  EXPECT_EQ(parsed.operations[0].key.root, reg::CurrentUser);
  EXPECT_EQ(parsed.operations[0].key.path, "Software\\X");
  EXPECT_EQ(parsed.operations[1].data, "C:\\dir\"q\"\0"s);
  EXPECT_EQ(parsed.operations[2].name, "");
  EXPECT_EQ(parsed.operations[2].data, "\x2a\0\0\0"s);
  EXPECT_EQ(parsed.operations[3].data, "\x01\x0a\xff"s);
  EXPECT_EQ(parsed.operations[3].line, 6u);
  EXPECT_EQ(parsed.operations[4].type, reg::MultiSz);
  EXPECT_EQ(parsed.operations[4].data, "a\0\0"s);
}

TEST(RegTextWriter, LeavesOutNamesWithLineBreaks) {
  std::string out;
  EXPECT_FALSE(writeValueLine(out, "a\nb", reg::Sz, "x\0"s));
  EXPECT_EQ(out, "");
  EXPECT_FALSE(canWriteName("key\r"));
}

}  // namespace
}  // namespace quillan::regfile
