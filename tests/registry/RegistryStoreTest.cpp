// The registry stores (the SQLite one and the in-memory fake) against the
// registry behaviours they stand in for: results, names, types, order, deletion, handles, sharing
// between objects and processes, and a file that is not a database.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/FakeRegistry.h"
#include "platform/registry/SqliteRegistry.h"

namespace quillan::reg {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }
Bytes sz(std::string_view text) {  // a REG_SZ as the runtime writes it: with its NUL
  Bytes b = bytesOf(text);
  b.push_back(0);
  return b;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The calls every test makes, on whichever store the fixture holds.
class StoreCalls {
 protected:
  virtual ~StoreCalls() = default;
  virtual Registry& store() = 0;

  Handle create(std::string_view path, Handle parent = CurrentUser) {
    Handle h = 0;
    EXPECT_EQ(store().createKey(parent, path, h), Success) << path;
    return h;
  }
  Status set(Handle h, std::string_view name, const Bytes& data, std::uint32_t type = Sz) {
    return store().setValue(h, name, type, data.data(), std::uint32_t(data.size()));
  }
  // The stored type and bytes, or nullopt when the query fails.
  std::optional<std::pair<std::uint32_t, Bytes>> get(Handle h, std::string_view name) {
    std::uint32_t type = 0, size = 0;
    if (store().queryValue(h, name, &type, nullptr, &size) != Success) return std::nullopt;
    Bytes data(size);
    if (store().queryValue(h, name, &type, data.data(), &size) != Success) return std::nullopt;
    data.resize(size);
    return std::make_pair(type, data);
  }
  std::vector<std::string> subkeys(Handle h) {
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t i = 0; store().enumKey(h, i, name) == Success; ++i) names.push_back(name);
    return names;
  }
  std::vector<std::string> values(Handle h) {
    std::vector<std::string> names;
    std::string name;
    for (std::uint32_t i = 0; store().enumValue(h, i, name, nullptr, nullptr, nullptr) == Success; ++i)
      names.push_back(name);
    return names;
  }
};

fs::path makeTempDir() {
  char tmpl[] = "/tmp/quillan-reg-XXXXXX";
  EXPECT_NE(::mkdtemp(tmpl), nullptr);
  return tmpl;
}

// The SQLite store itself: files, connections and processes.
class SqliteRegistryTest : public ::testing::Test, protected StoreCalls {
 protected:
  void SetUp() override {
    dir = makeTempDir();
    reg.emplace((dir / "registry.db").string());
  }
  void TearDown() override {
    reg.reset();
    fs::remove_all(dir);
  }
  Registry& store() override { return *reg; }

  fs::path dir;
  std::optional<SqliteRegistry> reg;
};

// What every store must answer alike: the SQLite store, and the in-memory
// fake that the interpreter's tests use in its place.
enum class StoreKind { Sqlite, Fake };

class RegistryContract : public ::testing::TestWithParam<StoreKind>, protected StoreCalls {
 protected:
  void SetUp() override {
    dir = makeTempDir();
    if (GetParam() == StoreKind::Sqlite) {
      auto store = std::make_unique<SqliteRegistry>((dir / "registry.db").string());
      sqlite = store.get();
      reg = std::move(store);
    } else {
      reg = std::make_unique<fake::FakeRegistry>();
    }
  }
  void TearDown() override {
    reg.reset();
    fs::remove_all(dir);
  }
  Registry& store() override { return *reg; }

  fs::path dir;
  std::unique_ptr<Registry> reg;
  SqliteRegistry* sqlite = nullptr;  // the same store when it is the SQLite one
};

INSTANTIATE_TEST_SUITE_P(Stores, RegistryContract, ::testing::Values(StoreKind::Sqlite, StoreKind::Fake),
                         [](const auto& info) { return info.param == StoreKind::Sqlite ? "Sqlite" : "Fake"; });

TEST_P(RegistryContract, StringQueriedOneByteShortGivesMoreDataAndSizeNeeded) {
  Handle h = create("Software\\Test");
  const Bytes text = sz("Value text");  // 11 bytes with the NUL
  ASSERT_EQ(set(h, "str", text), Success);

  Bytes buf(text.size(), 0xAA);
  std::uint32_t type = 0, size = std::uint32_t(text.size() - 1);
  EXPECT_EQ(reg->queryValue(h, "str", &type, buf.data(), &size), MoreData);
  EXPECT_EQ(size, text.size());
  EXPECT_EQ(type, Sz);

  size = std::uint32_t(buf.size());
  EXPECT_EQ(reg->queryValue(h, "str", &type, buf.data(), &size), Success);
  EXPECT_EQ(size, text.size());
  EXPECT_EQ(buf, text);
}

TEST_P(RegistryContract, ValuesEnumerateInCreationOrderAndMissingIsNotFound) {
  Handle h = create("Order");
  for (const char* name : {"A", "C", "D", "B"}) ASSERT_EQ(set(h, name, sz(name)), Success);
  EXPECT_EQ(values(h), (std::vector<std::string>{"A", "C", "D", "B"}));

  std::string name;
  EXPECT_EQ(reg->enumValue(h, 4, name, nullptr, nullptr, nullptr), NoMoreItems);
  std::uint32_t size = 0;
  EXPECT_EQ(reg->queryValue(h, "E", nullptr, nullptr, &size), FileNotFound);

  // Overwriting keeps the place and the name as first written.
  ASSERT_EQ(set(h, "c", Bytes{1, 0, 0, 0}, Dword), Success);
  EXPECT_EQ(values(h), (std::vector<std::string>{"A", "C", "D", "B"}));
  EXPECT_EQ(get(h, "C")->first, Dword);
}

TEST_P(RegistryContract, DeletingKeyWithSubkeysFailsAndLeavesTreeWhole) {
  Handle leaf = create("Tree\\Branch\\Leaf");
  ASSERT_EQ(set(leaf, "v", sz("x")), Success);
  Handle branch = create("Tree\\Branch");
  ASSERT_EQ(set(branch, "w", sz("y")), Success);

  EXPECT_EQ(reg->deleteKey(CurrentUser, "Tree"), AccessDenied);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Tree\\Branch"), AccessDenied);
  EXPECT_EQ(reg->deleteKey(branch, ""), AccessDenied);

  Handle h = 0;
  ASSERT_EQ(reg->openKey(CurrentUser, "Tree\\Branch\\Leaf", h), Success);
  EXPECT_EQ(get(h, "v")->second, sz("x"));
  EXPECT_EQ(get(branch, "w")->second, sz("y"));
  EXPECT_EQ(subkeys(branch), std::vector<std::string>{"Leaf"});

  // Bottom up it goes.
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Tree\\Branch\\Leaf"), Success);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Tree\\Branch"), Success);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Tree"), Success);
  EXPECT_EQ(reg->openKey(CurrentUser, "Tree", h), FileNotFound);
}

TEST_P(RegistryContract, OpenFindsOnlyExistingKeysAndCreatesNothing) {
  Handle h = 7;
  EXPECT_EQ(reg->openKey(CurrentUser, "Missing\\Deeper", h), FileNotFound);
  EXPECT_EQ(h, 0u);
  EXPECT_TRUE(subkeys(CurrentUser).empty());

  Handle c = create("Missing\\Deeper\\Deepest");
  EXPECT_EQ(reg->openKey(CurrentUser, "Missing\\Deeper", h), Success);
  EXPECT_EQ(subkeys(h), std::vector<std::string>{"Deepest"});

  // Creating an existing key opens it; an empty subkey opens the parent again.
  Handle again = create("Missing\\Deeper\\Deepest");
  EXPECT_NE(again, c);
  ASSERT_EQ(set(c, "v", sz("1")), Success);
  EXPECT_EQ(get(again, "v")->second, sz("1"));
  Handle self = 0;
  ASSERT_EQ(reg->openKey(c, "", self), Success);
  EXPECT_EQ(get(self, "v")->second, sz("1"));
  EXPECT_EQ(subkeys(CurrentUser), std::vector<std::string>{"Missing"});

  // The roots are separate trees.
  EXPECT_EQ(reg->openKey(LocalMachine, "Missing", h), FileNotFound);
}

TEST_P(RegistryContract, NamesIgnoreAsciiCaseAndKeepTheirFirstSpelling) {
  Handle h = create("Software\\MixedCase");
  ASSERT_EQ(set(h, "ValueName", sz("v")), Success);
  struct Row {
    const char* key;
    const char* value;
  };
  for (Row r : {Row{"software\\mixedcase", "valuename"}, Row{"SOFTWARE\\MIXEDCASE", "VALUENAME"},
                Row{"sOfTwArE\\mIxEdCaSe\\", "vAlUeNaMe"}}) {
    Handle o = 0;
    ASSERT_EQ(reg->openKey(CurrentUser, r.key, o), Success) << r.key;
    EXPECT_TRUE(get(o, r.value).has_value()) << r.value;
  }
  create("SOFTWARE\\mixedCASE");  // opens, does not add
  Handle sw = create("software");
  EXPECT_EQ(subkeys(sw), std::vector<std::string>{"MixedCase"});
  EXPECT_EQ(subkeys(CurrentUser), std::vector<std::string>{"Software"});
  EXPECT_EQ(values(h), std::vector<std::string>{"ValueName"});
  // Only ASCII folds: other bytes compare exactly.
  ASSERT_EQ(set(h, "\xC4", sz("upper")), Success);
  EXPECT_FALSE(get(h, "\xE4").has_value());
}

TEST_P(RegistryContract, TypesAndBytesRoundTripExactly) {
  struct Row {
    const char* name;
    std::uint32_t type;
    Bytes data;
  };
  const Row rows[] = {
      {"sz with nul", Sz, sz("hello")},
      {"sz without nul", Sz, bytesOf("hello")},
      {"dword", Dword, Bytes{0x78, 0x56, 0x34, 0x12}},
      {"binary", Binary, Bytes{0, 1, 2, 0, 255}},
      {"qword (11)", 11, Bytes{0xDE, 0xAD, 0, 0xBE, 0xEF, 0, 0, 0x80}},
      {"unknown type", 0xFFFFFFFFu, Bytes{42}},
      {"empty binary", Binary, Bytes{}},
      {"dword of 3 bytes: no type check", Dword, Bytes{1, 2, 3}},
      {"multi sz", MultiSz, Bytes{'a', 0, 'b', 0, 0}},
      {"name with \\ inside", ExpandSz, sz("%PATH%")},
  };
  Handle h = create("Types");
  for (const Row& r : rows) ASSERT_EQ(set(h, r.name, r.data, r.type), Success) << r.name;
  for (const Row& r : rows) {
    auto got = get(h, r.name);
    ASSERT_TRUE(got) << r.name;
    EXPECT_EQ(got->first, r.type) << r.name;
    EXPECT_EQ(got->second, r.data) << r.name;
  }
  if (sqlite == nullptr) return;
  SqliteRegistry other(sqlite->path());  // and through a fresh connection
  Handle o = 0;
  ASSERT_EQ(other.openKey(CurrentUser, "Types", o), Success);
  for (const Row& r : rows) {
    std::uint32_t type = 0, size = 64;
    std::uint8_t buf[64];
    ASSERT_EQ(other.queryValue(o, r.name, &type, buf, &size), Success) << r.name;
    EXPECT_EQ(Bytes(buf, buf + size), r.data) << r.name;
  }
}

TEST_P(RegistryContract, TypeOnlyQueryReadsNoData) {
  Handle h = create("Q");
  ASSERT_EQ(set(h, "v", Bytes{1, 2, 3, 4, 5}, Binary), Success);
  std::uint32_t type = 0, size = 0;
  EXPECT_EQ(reg->queryValue(h, "v", &type, nullptr, &size), Success);
  EXPECT_EQ(type, Binary);
  EXPECT_EQ(size, 5u);
  type = 0;
  EXPECT_EQ(reg->queryValue(h, "v", &type, nullptr, nullptr), Success);
  EXPECT_EQ(type, Binary);
  std::uint8_t buf[8] = {};
  EXPECT_EQ(reg->queryValue(h, "v", nullptr, buf, nullptr), InvalidParameter);
  size = 0;  // a zero-size buffer: MoreData, buffer untouched
  buf[0] = 0x55;
  EXPECT_EQ(reg->queryValue(h, "v", nullptr, buf, &size), MoreData);
  EXPECT_EQ(size, 5u);
  EXPECT_EQ(buf[0], 0x55);
  // enumValue follows the same buffer rules.
  std::string name;
  size = 2;
  EXPECT_EQ(reg->enumValue(h, 0, name, &type, buf, &size), MoreData);
  EXPECT_EQ(name, "v");
  EXPECT_EQ(size, 5u);
}

TEST_P(RegistryContract, DefaultValueHasEmptyNameAndExistsOnlyOnceWritten) {
  Handle h = create("Default");
  std::uint32_t size = 0;
  EXPECT_EQ(reg->queryValue(h, "", nullptr, nullptr, &size), FileNotFound);
  EXPECT_TRUE(values(h).empty());
  ASSERT_EQ(set(h, "", sz("dflt")), Success);
  EXPECT_EQ(get(h, "")->second, sz("dflt"));
  EXPECT_EQ(values(h), std::vector<std::string>{""});
  EXPECT_EQ(reg->deleteValue(h, ""), Success);
  EXPECT_EQ(reg->deleteValue(h, ""), FileNotFound);
  EXPECT_EQ(reg->setValue(h, "null data", Sz, nullptr, 0), Success);
  EXPECT_EQ(get(h, "null data")->second, Bytes{});
  EXPECT_EQ(reg->setValue(h, "bad", Sz, nullptr, 3), InvalidParameter);
}

TEST_P(RegistryContract, SubkeysEnumerateInCreationOrder) {
  Handle h = create("Kids");
  for (const char* name : {"zeta", "Alpha", "mid", "beta"}) create(name, h);
  EXPECT_EQ(subkeys(h), (std::vector<std::string>{"zeta", "Alpha", "mid", "beta"}));
  std::string name;
  EXPECT_EQ(reg->enumKey(h, 4, name), NoMoreItems);
  ASSERT_EQ(reg->deleteKey(h, "Alpha"), Success);
  create("ALPHA", h);  // comes back last, in its new spelling
  EXPECT_EQ(subkeys(h), (std::vector<std::string>{"zeta", "mid", "beta", "ALPHA"}));
}

TEST_P(RegistryContract, DeleteRules) {
  Handle h = create("Del\\Sub");
  ASSERT_EQ(set(h, "v", sz("x")), Success);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Del\\Nope"), FileNotFound);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "Nope\\Sub"), FileNotFound);
  for (Handle root : {ClassesRoot, CurrentUser, LocalMachine, Users, DynData})
    EXPECT_EQ(reg->deleteKey(root, ""), AccessDenied);
  Handle rootAgain = 0;
  ASSERT_EQ(reg->openKey(CurrentUser, "", rootAgain), Success);
  EXPECT_EQ(reg->deleteKey(rootAgain, ""), AccessDenied);
  EXPECT_EQ(reg->deleteKey(CurrentUser, "\\Del"), BadPathName);

  // An empty subkey deletes the handle's own key; its values go with it.
  ASSERT_EQ(reg->deleteKey(h, ""), Success);
  Handle back = create("Del\\Sub");
  EXPECT_TRUE(values(back).empty());
  EXPECT_EQ(reg->deleteValue(back, "v"), FileNotFound);
}

TEST_P(RegistryContract, BadPathsAndLimits) {
  const std::string part255(255, 'k'), part256(256, 'k');
  struct Row {
    std::string path;
    Status want;
  };
  const Row rows[] = {
      {"\\Lead", BadPathName},   {"\\", BadPathName}, {"a\\\\b", BadPathName}, {"Trail\\", Success},
      {"Trail2\\\\\\", Success}, {part255, Success},  {part256, BadPathName},  {"x\\" + part256 + "\\y", BadPathName},
      {"Fine\\Path", Success},
  };
  for (const Row& r : rows) {
    Handle h = 0;
    EXPECT_EQ(reg->createKey(CurrentUser, r.path, h), r.want) << r.path;
    if (r.want == Success)
      EXPECT_EQ(reg->openKey(CurrentUser, r.path, h), Success) << r.path;
    else
      EXPECT_EQ(reg->openKey(CurrentUser, r.path, h), BadPathName) << r.path;
  }
  EXPECT_EQ(subkeys(CurrentUser), (std::vector<std::string>{"Trail", "Trail2", part255, "Fine"}));

  Handle h = create("Limits");
  EXPECT_EQ(set(h, std::string(16383, 'v'), sz("ok")), Success);
  EXPECT_EQ(set(h, std::string(16384, 'v'), sz("no")), InvalidParameter);

  std::string deep = "d";
  for (int i = 1; i < 512; ++i) deep += "\\d";
  Handle bottom = 0;
  ASSERT_EQ(reg->createKey(Users, deep, bottom), Success);  // 512 levels
  Handle more = 0;
  EXPECT_EQ(reg->createKey(bottom, "one", more), BadPathName);
  EXPECT_EQ(reg->createKey(Users, deep + "\\d", more), BadPathName);
  EXPECT_EQ(reg->openKey(bottom, "", more), Success);
}

TEST_P(RegistryContract, HandlesAreSmallAndCheckedAndReused) {
  Handle a = create("H\\A"), b = create("H\\B");
  EXPECT_GE(a, 1u);
  EXPECT_LT(b, 100u);
  EXPECT_NE(a, b);
  EXPECT_EQ(reg->closeKey(a), Success);
  EXPECT_EQ(reg->closeKey(a), InvalidHandle);
  EXPECT_EQ(reg->setValue(a, "v", Sz, nullptr, 0), InvalidHandle);
  std::string name;
  for (Handle bad : {Handle(0), Handle(9999), Handle(0x80000004u)}) {
    Handle out = 0;
    EXPECT_EQ(reg->openKey(bad, "x", out), InvalidHandle) << bad;
    EXPECT_EQ(reg->enumKey(bad, 0, name), InvalidHandle) << bad;
    EXPECT_EQ(reg->closeKey(bad), InvalidHandle) << bad;
  }
  EXPECT_EQ(reg->closeKey(CurrentUser), Success);
  EXPECT_EQ(subkeys(CurrentUser), std::vector<std::string>{"H"});
  EXPECT_EQ(create("H\\C"), a);  // the freed number comes back
}

TEST_P(RegistryContract, HandleOfDeletedKeyFailsSanely) {
  Handle stale = create("Gone");
  ASSERT_EQ(set(stale, "v", sz("x")), Success);
  // Deleted by another connection where there is one, else by this store.
  std::optional<SqliteRegistry> other;
  if (sqlite != nullptr) other.emplace(sqlite->path());
  Registry& deleter = other ? static_cast<Registry&>(*other) : *reg;
  ASSERT_EQ(deleter.deleteKey(CurrentUser, "Gone"), Success);

  std::uint32_t size = 0;
  std::string name;
  Handle out = 0;
  EXPECT_EQ(reg->queryValue(stale, "v", nullptr, nullptr, &size), FileNotFound);
  EXPECT_EQ(set(stale, "w", sz("y")), FileNotFound);
  EXPECT_EQ(reg->enumKey(stale, 0, name), FileNotFound);
  EXPECT_EQ(reg->enumValue(stale, 0, name, nullptr, nullptr, nullptr), FileNotFound);
  EXPECT_EQ(reg->deleteValue(stale, "v"), FileNotFound);
  EXPECT_EQ(reg->deleteKey(stale, ""), FileNotFound);
  EXPECT_EQ(reg->createKey(stale, "child", out), FileNotFound);
  EXPECT_EQ(reg->openKey(stale, "", out), FileNotFound);

  create("Gone");  // a new key of the same name is a different key
  EXPECT_EQ(set(stale, "w", sz("y")), FileNotFound);
  EXPECT_EQ(reg->closeKey(stale), Success);
}

TEST_F(SqliteRegistryTest, TwoObjectsOnOneFileSeeEachOthersWrites) {
  SqliteRegistry other(reg->path());
  Handle mine = create("Shared");
  ASSERT_EQ(set(mine, "from first", sz("1")), Success);
  Handle theirs = 0;
  ASSERT_EQ(other.openKey(CurrentUser, "shared", theirs), Success);
  std::uint32_t size = 0;
  EXPECT_EQ(other.queryValue(theirs, "FROM FIRST", nullptr, nullptr, &size), Success);
  Bytes two = sz("2");
  ASSERT_EQ(other.setValue(theirs, "from second", Sz, two.data(), 2), Success);
  EXPECT_EQ(get(mine, "from second")->second, two);

  reg.emplace(other.path());  // and a later run finds it all
  Handle again = 0;
  ASSERT_EQ(reg->openKey(CurrentUser, "Shared", again), Success);
  EXPECT_EQ(values(again), (std::vector<std::string>{"from first", "from second"}));
}

TEST_F(SqliteRegistryTest, ProcessesWritingAtOnceLoseNothing) {
  constexpr int kProcs = 4, kWrites = 40;
  const std::string path = (dir / "fresh" / "shared.db").string();  // not created yet
  std::vector<pid_t> kids;
  for (int p = 0; p < kProcs; ++p) {
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      int failures = 0;
      {
        SqliteRegistry mine(path);
        for (int i = 0; i < kWrites; ++i) {
          Handle h = 0, own = 0;
          failures += mine.createKey(CurrentUser, "Race\\Common", h) != Success;
          failures += mine.createKey(h, "p" + std::to_string(p), own) != Success;
          std::uint32_t v = std::uint32_t(p * 1000 + i);
          failures += mine.setValue(h, std::to_string(p) + "_" + std::to_string(i), Dword,
                                    reinterpret_cast<const std::uint8_t*>(&v), 4) != Success;
          failures += mine.closeKey(own) != Success;
          failures += mine.closeKey(h) != Success;
        }
      }
      ::_exit(failures > 255 ? 255 : failures);
    }
    kids.push_back(pid);
  }
  for (pid_t pid : kids) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "failed operations in a child";
  }
  reg.emplace(path);
  Handle h = 0;
  ASSERT_EQ(reg->openKey(CurrentUser, "Race\\Common", h), Success);
  EXPECT_EQ(values(h).size(), std::size_t(kProcs * kWrites));
  EXPECT_EQ(subkeys(h).size(), std::size_t(kProcs));
  for (int p = 0; p < kProcs; ++p)
    for (int i = 0; i < kWrites; ++i) {
      auto got = get(h, std::to_string(p) + "_" + std::to_string(i));
      ASSERT_TRUE(got);
      std::uint32_t v = 0;
      std::memcpy(&v, got->second.data(), 4);
      EXPECT_EQ(v, std::uint32_t(p * 1000 + i));
    }
}

TEST_F(SqliteRegistryTest, WriterKilledMidwayLeavesAWholeStore) {
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    SqliteRegistry mine(reg->path());
    Handle h = 0;
    mine.createKey(CurrentUser, "Crash", h);
    for (std::uint32_t i = 0;; ++i) {
      Bytes data(512, std::uint8_t(i));
      mine.setValue(h, "v" + std::to_string(i), Binary, data.data(), std::uint32_t(data.size()));
    }
  }
  Handle h = 0;
  for (int i = 0; i < 500 && reg->openKey(CurrentUser, "Crash", h) != Success; ++i) ::usleep(1000);
  ::usleep(50 * 1000);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);

  const std::string path = reg->path();
  reg.emplace(path);  // as the next run would find it
  ASSERT_EQ(reg->openKey(CurrentUser, "Crash", h), Success);
  std::vector<std::string> names = values(h);
  ASSERT_FALSE(names.empty());
  for (std::size_t i = 0; i < names.size(); ++i) {
    ASSERT_EQ(names[i], "v" + std::to_string(i));
    EXPECT_EQ(get(h, names[i])->second, Bytes(512, std::uint8_t(i))) << names[i];
  }
  EXPECT_EQ(set(h, "after", sz("ok")), Success);
}

TEST_F(SqliteRegistryTest, FileThatIsNotADatabaseGivesStoreFailureAndIsKept) {
  for (std::string garbage : {std::string("not a database"), std::string(4096, '\x5A')}) {
    const fs::path file = dir / "garbage.db";
    std::ofstream(file, std::ios::binary) << garbage;
    SqliteRegistry bad(file.string());
    Handle h = 0;
    std::string name;
    std::uint32_t size = 0;
    EXPECT_EQ(bad.createKey(CurrentUser, "X", h), StoreFailure);
    EXPECT_EQ(bad.openKey(CurrentUser, "X", h), StoreFailure);
    EXPECT_EQ(bad.setValue(CurrentUser, "v", Sz, nullptr, 0), StoreFailure);
    EXPECT_EQ(bad.queryValue(CurrentUser, "v", nullptr, nullptr, &size), StoreFailure);
    EXPECT_EQ(bad.enumKey(CurrentUser, 0, name), StoreFailure);
    EXPECT_EQ(bad.enumValue(CurrentUser, 0, name, nullptr, nullptr, &size), StoreFailure);
    EXPECT_EQ(bad.deleteKey(CurrentUser, "X"), StoreFailure);
    EXPECT_EQ(bad.deleteValue(CurrentUser, "v"), StoreFailure);
    EXPECT_EQ(bad.closeKey(CurrentUser), Success);  // needs no store
    EXPECT_EQ(readFile(file), garbage);
  }
}

TEST_F(SqliteRegistryTest, UnusablePathGivesStoreFailure) {
  std::ofstream(dir / "plain") << "a file, not a directory";
  Handle h = 0;
  for (std::string path : {(dir / "plain" / "registry.db").string(), std::string()}) {
    SqliteRegistry bad(path);
    EXPECT_EQ(bad.createKey(CurrentUser, "X", h), StoreFailure) << path;
  }
}

TEST_F(SqliteRegistryTest, MissingDirectoriesAreCreatedPrivate) {
  SqliteRegistry nested((dir / "a" / "b" / "registry.db").string());
  Handle h = 0;
  ASSERT_EQ(nested.createKey(CurrentUser, "X", h), Success);
  for (const char* sub : {"a", "a/b"}) {
    struct stat st {};
    ASSERT_EQ(::stat((dir / sub).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u) << sub;
  }
}

TEST(SqliteRegistryPath, DefaultPathFollowsEnvironment) {
  struct Row {
    const char* registry;
    const char* xdg;
    const char* home;
    std::string want;
  };
  const Row rows[] = {
      {"/portable/reg.db", "/xdg", "/home/u", "/portable/reg.db"},
      {nullptr, "/xdg", "/home/u", "/xdg/quillan/registry.db"},
      {"", "/xdg", "/home/u", "/xdg/quillan/registry.db"},
      {nullptr, "relative/xdg", "/home/u", "/home/u/.config/quillan/registry.db"},
      {nullptr, nullptr, "/home/u", "/home/u/.config/quillan/registry.db"},
  };
  const char* names[] = {"QUILLAN_REGISTRY", "XDG_CONFIG_HOME", "HOME"};
  std::optional<std::string> saved[3];
  for (int i = 0; i < 3; ++i)
    if (const char* v = std::getenv(names[i])) saved[i] = v;
  for (const Row& r : rows) {
    const char* vals[] = {r.registry, r.xdg, r.home};
    for (int i = 0; i < 3; ++i) vals[i] ? ::setenv(names[i], vals[i], 1) : ::unsetenv(names[i]);
    EXPECT_EQ(SqliteRegistry::defaultPath(), r.want);
  }
  for (int i = 0; i < 3; ++i) saved[i] ? ::setenv(names[i], saved[i]->c_str(), 1) : ::unsetenv(names[i]);
}

}  // namespace
}  // namespace quillan::reg
