#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "tests/support/ScriptHarness.h"

namespace quillan {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Value {
  reg::Handle root;
  std::string key;
  std::string name;
  std::uint32_t type;
  Bytes bytes;
};

Bytes text(std::string_view s) {
  Bytes bytes(s.begin(), s.end());
  bytes.push_back(0);
  return bytes;
}
Bytes dword(std::int32_t n) {
  Bytes bytes(4);
  std::memcpy(bytes.data(), &n, 4);
  return bytes;
}

void put(reg::Registry& registry, const Value& v) {
  reg::Handle key = 0;
  ASSERT_EQ(registry.createKey(v.root, v.key, key), reg::Success);
  ASSERT_EQ(registry.setValue(key, v.name, v.type, v.bytes.data(), static_cast<std::uint32_t>(v.bytes.size())),
            reg::Success);
  registry.closeKey(key);
}

// The value as stored, or nothing when the key or the value is missing.
std::optional<Value> get(reg::Registry& registry, reg::Handle root, const std::string& keyPath,
                         const std::string& name) {
  reg::Handle key = 0;
  if (registry.openKey(root, keyPath, key) != reg::Success) return std::nullopt;
  Value v{root, keyPath, name, 0, Bytes(4096)};
  std::uint32_t size = 4096;
  const reg::Status status = registry.queryValue(key, name, &v.type, v.bytes.data(), &size);
  registry.closeKey(key);
  if (status != reg::Success) return std::nullopt;
  v.bytes.resize(size);
  return v;
}

constexpr std::string_view kTest = "Software\\Test";

struct WriteCase {
  const char* name;
  std::optional<Value> before;
  std::string line;
  int error;
  bool success;                // when no error
  std::optional<Value> after;  // the value that must be stored afterwards
  std::int32_t regBuf = 256;
};

class RegistryWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(RegistryWrites, StoreWhatTheLineSays) {
  const WriteCase& c = GetParam();
  testing::ScriptHarness h;
  if (c.before) put(h.registry, *c.before);
  h.rt.settings.regBuf = c.regBuf;
  h.rt.success = !c.success;
  h.setLine(c.line);
  (*h.rt.commands)[core::Command::Registry](h.rt);
  EXPECT_EQ(h.rt.error, c.error);
  if (c.error == 0) {
    EXPECT_EQ(h.rt.success, c.success);
  }
  if (c.after) {
    const auto stored = get(h.registry, c.after->root, c.after->key, c.after->name);
    ASSERT_TRUE(stored.has_value()) << c.after->key << " " << c.after->name;
    EXPECT_EQ(stored->type, c.after->type);
    EXPECT_EQ(stored->bytes, c.after->bytes);
  }
}

const Value kCount{reg::CurrentUser, std::string(kTest), "Count", reg::Dword, dword(7)};
const Value kBlob{reg::CurrentUser, std::string(kTest), "Blob", reg::Binary, {9}};
Value with(Value v, std::uint32_t type, Bytes bytes) {
  v.type = type;
  v.bytes = std::move(bytes);
  return v;
}

INSTANTIATE_TEST_SUITE_P(
    Registry, RegistryWrites,
    ::testing::Values(
        WriteCase{"NewValueIsAStringEvenForANumber", std::nullopt, "REGISTRY WRITE,CURUSER,Software\\Test,Count,42", 0,
                  true, with(kCount, reg::Sz, text("42"))},
        WriteCase{"StringStaysString", with(kCount, reg::Sz, text("old")),
                  "REGISTRY WRITE,CURUSER,Software\\Test,Count,123", 0, true, with(kCount, reg::Sz, text("123"))},
        WriteCase{"EmptyNameIsTheDefaultValue", std::nullopt, "REGISTRY WRITE,CURUSER,Software\\Test,,hello", 0, true,
                  Value{reg::CurrentUser, std::string(kTest), "", reg::Sz, text("hello")}},
        WriteCase{"DwordKeepsItsType", kCount, "REGISTRY WRITE,CURUSER,Software\\Test,Count,42", 0, true,
                  with(kCount, reg::Dword, dword(42))},
        WriteCase{"DwordTakesHexAndSigns", kCount, "REGISTRY WRITE,CURUSER,Software\\Test,count,$FFFFFFFE", 0, true,
                  with(kCount, reg::Dword, dword(-2))},
        WriteCase{"DwordEmptyIsZero", kCount, "REGISTRY WRITE,CURUSER,Software\\Test,Count", 0, true,
                  with(kCount, reg::Dword, dword(0))},
        WriteCase{"DwordNotANumberIsError13", kCount, "REGISTRY WRITE,CURUSER,Software\\Test,Count,abc", 13, false,
                  kCount},
        WriteCase{"DwordInvalidMarkIsError13", kCount, "REGISTRY WRITE,CURUSER,Software\\Test,Count,-32767", 13, false,
                  kCount},
        WriteCase{"BinaryTakesOneByteAField", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,1,2,255", 0, true,
                  with(kBlob, reg::Binary, {1, 2, 255})},
        WriteCase{"BinaryKeepsLowEightBits", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,256,-1,$1FF", 0, true,
                  with(kBlob, reg::Binary, {0, 255, 255})},
        WriteCase{"BinaryStopsAtEmptyField", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,4,,5", 0, true,
                  with(kBlob, reg::Binary, {4})},
        WriteCase{"BinaryFieldNotANumberWritesNothing", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,1,x", 13,
                  false, kBlob},
        WriteCase{"BinaryFillsRegBufExactly", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,1,2", 0, true,
                  with(kBlob, reg::Binary, {1, 2}), 2},
        WriteCase{"BinaryBeyondRegBufWritesNothing", kBlob, "REGISTRY WRITE,CURUSER,Software\\Test,Blob,1,2,3", 0,
                  false, kBlob, 2},
        WriteCase{"OtherTypeIsError13", with(kCount, reg::MultiSz, text("a")),
                  "REGISTRY WRITE,CURUSER,Software\\Test,Count,1", 13, false, with(kCount, reg::MultiSz, text("a"))},
        WriteCase{"DefaultRootIsTheScriptsArea", std::nullopt, "REGISTRY WRITE,default,Demo,Colour,blue", 0, true,
                  Value{reg::CurrentUser, "Software\\Harrowby\\Quillan\\2.0\\UserScripts\\Demo", "Colour", reg::Sz,
                        text("blue")}},
        WriteCase{"RootByFirstOccurrenceCur", std::nullopt, "REGISTRY W,cur,K,V,1", 0, true,
                  Value{reg::CurrentUser, "K", "V", reg::Sz, text("1")}},
        WriteCase{"RootByFirstOccurrenceUser", std::nullopt, "REGISTRY WRITE,USER,K,V,1", 0, true,
                  Value{reg::Users, "K", "V", reg::Sz, text("1")}},
        WriteCase{"RootRoot", std::nullopt, "REGISTRY WRITE,ROOT,K,V,1", 0, true,
                  Value{reg::ClassesRoot, "K", "V", reg::Sz, text("1")}},
        WriteCase{"RootLocal", std::nullopt, "REGISTRY WRITE,LOCAL,K,V,1", 0, true,
                  Value{reg::LocalMachine, "K", "V", reg::Sz, text("1")}},
        WriteCase{"RootStats", std::nullopt, "REGISTRY WRITE,STATS,K,V,1", 0, true,
                  Value{reg::DynData, "K", "V", reg::Sz, text("1")}},
        WriteCase{"RootInsideAWordIsError14", std::nullopt, "REGISTRY WRITE,OOT,K,V,1", 14, false, std::nullopt},
        WriteCase{"SubCommandInsideAWordIsError14", std::nullopt, "REGISTRY ELETE,CURUSER,K", 14, false, std::nullopt},
        WriteCase{"NoSubCommandIsError2", std::nullopt, "REGISTRY", 2, false, std::nullopt},
        WriteCase{"NoRootIsError2", std::nullopt, "REGISTRY WRITE,,K,V,1", 2, false, std::nullopt},
        WriteCase{"NoKeyIsError2", std::nullopt, "REGISTRY WRITE,CURUSER", 2, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RegistryWrites, NothingIsStoredOnAnError) {
  for (const char* line : {"REGISTRY WRITE,OOT,K,V,1", "REGISTRY BOGUS,CURUSER,K,V,1"}) {
    testing::ScriptHarness h;
    h.setLine(line);
    (*h.rt.commands)[core::Command::Registry](h.rt);
    reg::Handle key = 0;
    for (const reg::Handle root : {reg::ClassesRoot, reg::CurrentUser, reg::LocalMachine, reg::Users, reg::DynData})
      EXPECT_EQ(h.registry.openKey(root, "K", key), reg::FileNotFound) << line;
  }
}

// Each step that the store refuses clears the flag and changes nothing.
TEST(RegistryWrites, AStoreThatRefusesClearsTheFlag) {
  for (const char* op : {"createKey", "setValue", "queryValue"}) {
    testing::ScriptHarness h;
    put(h.registry, kCount);
    h.registry.faults.failCall(op, 1, reg::StoreFailure);
    h.setLine("REGISTRY WRITE,CURUSER,Software\\Test,Count,42");
    (*h.rt.commands)[core::Command::Registry](h.rt);
    EXPECT_EQ(h.rt.error, 0) << op;
    EXPECT_FALSE(h.rt.success) << op;
    const auto stored = get(h.registry, reg::CurrentUser, std::string(kTest), "Count");
    ASSERT_TRUE(stored.has_value()) << op;
    EXPECT_EQ(stored->type, reg::Dword) << op;
    EXPECT_EQ(stored->bytes, dword(7)) << op;
  }
}

TEST(RegistryDelete, RemovesALeafKeyOnly) {
  testing::ScriptHarness h;
  put(h.registry, Value{reg::CurrentUser, "Software\\Test\\Leaf", "x", reg::Sz, text("1")});
  const auto deleteKey = [&h](const std::string& line) {
    h.rt.success = !h.rt.success;
    h.setLine(line);
    (*h.rt.commands)[core::Command::Registry](h.rt);
    EXPECT_EQ(h.rt.error, 0) << line;
    return h.rt.success;
  };
  reg::Handle key = 0;
  // A key with subkeys stays, as does everything below it.
  EXPECT_FALSE(deleteKey("REGISTRY DELETE,CURUSER,Software\\Test"));
  EXPECT_EQ(h.registry.openKey(reg::CurrentUser, "Software\\Test\\Leaf", key), reg::Success);
  h.registry.closeKey(key);
  EXPECT_TRUE(deleteKey("REGISTRY DEL,CURUSER,Software\\Test\\Leaf"));
  EXPECT_EQ(h.registry.openKey(reg::CurrentUser, "Software\\Test\\Leaf", key), reg::FileNotFound);
  EXPECT_FALSE(deleteKey("REGISTRY DELETE,CURUSER,Software\\Test\\Leaf"));
  EXPECT_TRUE(deleteKey("REGISTRY DELETE,CURUSER,Software\\Test"));

  put(h.registry, Value{reg::CurrentUser, "Software\\Harrowby\\Quillan\\2.0\\UserScripts\\Demo", "x", reg::Sz, {0}});
  EXPECT_TRUE(deleteKey("REGISTRY DELETE,DEFAULT,Demo"));
  EXPECT_EQ(h.registry.openKey(reg::CurrentUser, "Software\\Harrowby\\Quillan\\2.0\\UserScripts\\Demo", key),
            reg::FileNotFound);
}

}  // namespace
}  // namespace quillan
