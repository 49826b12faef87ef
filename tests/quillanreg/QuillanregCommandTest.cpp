// The quillanreg program: its commands, outputs and exit statuses, run as
// a user runs them.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProcessRunner.h"
#include "platform/registry/SqliteRegistry.h"

namespace quillan::testing {
namespace {

using std::string_literals::operator""s;

class Quillanreg : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = makeTempDir();
    storeFile = dir + "/registry.db";
    reg::SqliteRegistry s(storeFile);
    put(s, "Software\\Demo", "", reg::Sz, "default text\0"s);
    put(s, "Software\\Demo", "Count", reg::Dword, "\xfe\xff\xff\xff"s);
    put(s, "Software\\Demo", "Bytes", reg::Binary, "\x01\x02\xff"s);
    put(s, "Software\\Demo", "Path", reg::ExpandSz, "%HOME%\0"s);
    put(s, "Software\\Demo\\Sub", "x", reg::Sz, "\0"s);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  static void put(reg::Registry& s, std::string_view path, std::string_view name, std::uint32_t type,
                  std::string_view data) {
    reg::Handle h = 0;
    ASSERT_EQ(s.createKey(reg::CurrentUser, path, h), reg::Success);
    ASSERT_EQ(s.setValue(h, name, type, reinterpret_cast<const std::uint8_t*>(data.data()), std::uint32_t(data.size())),
              reg::Success);
    s.closeKey(h);
  }
  ProcessResult run(std::vector<std::string> args, const std::string& store = {}) {
    args.insert(args.begin(), {"--store", store.empty() ? storeFile : store});
    return runProgram(QUILLANREG_PATH, args, {}, dir);
  }

  std::string dir;
  std::string storeFile;
};

TEST_F(Quillanreg, ExportImportExportIsByteIdentical) {
  const ProcessResult first = run({"export", "-o", dir + "/first.reg"});
  ASSERT_EQ(first.status, 0) << first.err;
  const ProcessResult imported = run({"import", dir + "/first.reg"}, dir + "/copy.db");
  ASSERT_EQ(imported.status, 0) << imported.err;
  const ProcessResult second = run({"export"}, dir + "/copy.db");
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.out, readFileBytes(dir + "/first.reg"));
  EXPECT_NE(second.out.find("[HKEY_CURRENT_USER\\Software\\Demo]\r\n@=\"default text\"\r\n"), std::string::npos);
}

TEST_F(Quillanreg, ExportOfOneKeyTakesItsSubtreeInTheStoredSpelling) {
  const ProcessResult out = run({"export", "hkcu\\SOFTWARE\\demo\\sub"});
  EXPECT_EQ(out.status, 0) << out.err;
  EXPECT_EQ(out.out, "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Demo\\Sub]\r\n\"x\"=\"\"\r\n\r\n");
  const ProcessResult missing = run({"export", "HKCU\\Software\\Nowhere"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "quillanreg: no key HKCU\\Software\\Nowhere\n");
}

TEST_F(Quillanreg, ImportErrorsNameTheLineAndChangeNothing) {
  const std::string before = run({"export"}).out;
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"REGEDIT 4\n[HKCU\\Software\\New]\n", "bad.reg:1: the first line must be REGEDIT4"},
      {"REGEDIT4\n\n[-HKCU\\Software\\Demo]\n[HKCU\\Software\\New]\n\"b\"=hex:01,0g\n",
       "bad.reg:5: bad byte '0g' in a hex list (expected one or two hex digits)"},
      {"REGEDIT4\n\"v\"=\"x\"\n", "bad.reg:2: a value line outside any key (no [KEY] line above it)"},
      {"REGEDIT4\n[HKCU\\Software\\Demo]\n@=-\n\"v\"=\"unterminated\n", "bad.reg:4: the string has no closing quote"},
  };
  for (const Case& c : cases) {
    writeFileBytes(dir + "/bad.reg", c.text);
    const ProcessResult result = run({"import", "bad.reg"});
    EXPECT_EQ(result.status, 65) << c.text;
    EXPECT_EQ(result.err, "quillanreg: "s + c.error + "\n");
    EXPECT_EQ(run({"export"}).out, before) << c.text;
  }
}

TEST_F(Quillanreg, QueryShowsAKeyOrOneValue) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
  };
  const Case cases[] = {
      {{"query", "HKEY_CURRENT_USER\\Software\\Demo"},
       0,
       "@=\"default "
       "text\"\n\"Count\"=dword:fffffffe\n\"Bytes\"=hex:01,02,ff\n\"Path\"=hex(2):25,48,4f,4d,45,25,00\nSub\\\n",
       ""},
      {{"query", "HKCU\\Software"}, 0, "Demo\\\n", ""},
      {{"query", "HKCU\\software\\demo", ""}, 0, "default text\n", ""},
      {{"query", "HKCU\\Software\\Demo", "count"}, 0, "-2\n", ""},
      {{"query", "HKCU\\Software\\Demo", "Bytes"}, 0, "1,2,255\n", ""},
      {{"query", "HKCU\\Software\\Demo", "Path"}, 0, "hex(2):25,48,4f,4d,45,25,00\n", ""},
      {{"query", "HKCU\\Software\\Demo", "None"}, 1, "", "quillanreg: no value \"None\" in HKCU\\Software\\Demo\n"},
      {{"query", "HKCU\\Nowhere"}, 1, "", "quillanreg: no key HKCU\\Nowhere\n"},
      {{"query", "HKEY_SOMEWHERE\\X"}, 64, "", ""},
      {{"query"}, 64, "", ""},
      {{"frobnicate"}, 64, "", ""},
      {{"import", "missing.reg"}, 66, "", ""},
  };
  for (const Case& c : cases) {
    const ProcessResult result = run(c.args);
    EXPECT_EQ(result.status, c.status) << c.args[0] << " " << (c.args.size() > 1 ? c.args[1] : "");
    EXPECT_EQ(result.out, c.out);
    if (!c.err.empty()) {
      EXPECT_EQ(result.err, c.err);
    }
    if (c.status != 0) {
      EXPECT_FALSE(result.err.empty());
    }
  }
}

TEST_F(Quillanreg, AFileThatIsNoStoreOfOursIsRefused) {
  writeFileBytes(dir + "/notes.txt", "not a database, just words\n");
  const ProcessResult result = run({"query", "HKCU"}, dir + "/notes.txt");
  EXPECT_EQ(result.status, 74);
  EXPECT_NE(result.err.find("is not an SQLite database"), std::string::npos) << result.err;
  EXPECT_EQ(readFileBytes(dir + "/notes.txt"), "not a database, just words\n");
}

}  // namespace
}  // namespace quillan::testing
