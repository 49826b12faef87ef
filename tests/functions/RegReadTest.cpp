#include <cstring>

#include "tests/functions/FunctionCases.h"

namespace quillan {
namespace {

using testing::Flag;
using testing::FunctionCase;

void put(reg::Registry& registry, reg::Handle root, const char* keyPath, const char* name, std::uint32_t type,
         std::vector<std::uint8_t> bytes) {
  reg::Handle key = 0;
  ASSERT_EQ(registry.createKey(root, keyPath, key), reg::Success);
  ASSERT_EQ(registry.setValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())), reg::Success);
  registry.closeKey(key);
}

std::vector<std::uint8_t> dword(std::int32_t n) {
  std::vector<std::uint8_t> bytes(4);
  std::memcpy(bytes.data(), &n, 4);
  return bytes;
}

class RegRead : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(RegRead, GivesEachTypeAsText) {
  testing::ScriptHarness h;
  h.registry.putString("Software\\T", "Name", "Bob");
  h.registry.putString("Software\\T", "", "the default");
  put(h.registry, reg::CurrentUser, "Software\\T", "Count", reg::Dword, dword(-5));
  put(h.registry, reg::CurrentUser, "Software\\T", "Blob", reg::Binary, {1, 2, 255});
  put(h.registry, reg::CurrentUser, "Software\\T", "Nothing", reg::Binary, {});
  put(h.registry, reg::CurrentUser, "Software\\T", "Path", reg::ExpandSz, {'%', 'x', 0});
  put(h.registry, reg::CurrentUser, "Software\\T", "Long", reg::Sz, std::vector<std::uint8_t>(256, 'y'));
  put(h.registry, reg::LocalMachine, "Software\\T", "Name", reg::Sz, {'L', 0});
  h.registry.putString("Software\\Harrowby\\Quillan\\2.0\\UserScripts\\MyScript", "Count", "3");
  testing::expectCase(h, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegRead,
    ::testing::Values(FunctionCase{"@regread(CURUSER,Software\\T,Name,x)", "Bob", Flag::Set},
                      FunctionCase{"@regread(cur,software\\t,name)", "Bob", Flag::Set},
                      FunctionCase{"@regread(CURUSER,Software\\T,,x)", "the default", Flag::Set},
                      FunctionCase{"@regread(CURUSER,Software\\T,Count,x)", "-5", Flag::Set},
                      FunctionCase{"@regread(CURUSER,Software\\T,Blob,x)", "1,2,255", Flag::Set},
                      FunctionCase{"@regread(CURUSER,Software\\T,Nothing,x)", "", Flag::Set},
                      FunctionCase{"@regread(CURUSER,Software\\T,Path,x)", "", Flag::Set},
                      FunctionCase{"@regread(LOCAL,Software\\T,Name,x)", "L", Flag::Set},
                      FunctionCase{"@regread(DEFAULT,MyScript,Count,0)", "3", Flag::Set},
                      FunctionCase{"@regread(default,Other,Count,0)", "0", Flag::Cleared},
                      FunctionCase{"@regread(CURUSER,Software\\T,Missing,none)", "none", Flag::Cleared},
                      FunctionCase{"@regread(CURUSER,Software\\Gone,Name)", "", Flag::Cleared},
                      // 256 bytes fit the default buffer; 256 bytes and a NUL would not
                      FunctionCase{"@regread(CURUSER,Software\\T,Long,x)", std::string(256, 'y'), Flag::Set},
                      FunctionCase{"@regread(OOT,Software\\T,Name,x)", "", Flag::Untouched, 13},
                      FunctionCase{"@regread(,Software\\T,Name,x)", "", Flag::Untouched, 13},
                      FunctionCase{"@regread(CURUSER,,Name,x)", "", Flag::Untouched, 11},
                      FunctionCase{"@regread(DEFAULT,,Name,x)", "", Flag::Untouched, 11}));

TEST(RegRead, ValueLargerThanRegBufGivesTheDefault) {
  testing::ScriptHarness h;
  h.registry.putString("Software\\T", "Name", "Bob");
  for (const auto& [regBuf, expected] : {std::pair{4, "Bob"}, {3, "dflt"}, {0, "dflt"}, {-1, "dflt"}}) {
    h.rt.settings.regBuf = regBuf;
    EXPECT_EQ(testing::evaluate(h, "@regread(CURUSER,Software\\T,Name,dflt)"), expected) << regBuf;
    EXPECT_EQ(h.rt.success, std::string(expected) == "Bob") << regBuf;
  }
}

TEST(RegRead, AStoreThatFailsGivesTheDefault) {
  for (const char* op : {"openKey", "queryValue"}) {
    testing::ScriptHarness h;
    h.registry.putString("Software\\T", "Name", "Bob");
    h.registry.faults.failCall(op, 1, reg::StoreFailure);
    EXPECT_EQ(testing::evaluate(h, "@regread(CURUSER,Software\\T,Name,dflt)"), "dflt") << op;
    EXPECT_FALSE(h.rt.success) << op;
    EXPECT_EQ(h.rt.error, 0) << op;
  }
}

// What REGISTRY WRITE stores, REGREAD gives back, in the type it keeps.
TEST(RegRead, ReadsBackWhatRegistryWrote) {
  testing::ScriptHarness h;
  put(h.registry, reg::CurrentUser, "Software\\Harrowby\\Quillan\\2.0\\UserScripts\\Demo", "Count", reg::Dword,
      dword(0));
  put(h.registry, reg::CurrentUser, "Software\\Harrowby\\Quillan\\2.0\\UserScripts\\Demo", "Blob", reg::Binary, {0});
  h.run({"REGISTRY WRITE,DEFAULT,Demo,Count,$7F", "REGISTRY WRITE,DEFAULT,Demo,Blob,10,20",
         "REGISTRY WRITE,DEFAULT,Demo,Text,a b", "%A = @regread(DEFAULT,Demo,Count)",
         "%B = @regread(DEFAULT,Demo,Blob)", "%C = @regread(DEFAULT,Demo,Text)"});
  EXPECT_EQ(h.rt.error, 0);
  EXPECT_EQ(h.var('A'), "127");
  EXPECT_EQ(h.var('B'), "10,20");
  EXPECT_EQ(h.var('C'), "a b");
}

}  // namespace
}  // namespace quillan
