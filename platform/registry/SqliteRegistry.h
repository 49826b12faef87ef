// The registry on Linux: one SQLite database per user that stands in for the
// Windows registry and answers with the same status numbers.
//
// Storage. Keys are rows (id, parent id, name as given, name folded to ASCII
// lower case) with UNIQUE(parent, folded); the five roots are fixed rows with
// parent 0. Values are rows (key id, folded name, name as given, type, bytes,
// creation sequence) with UNIQUE(key, folded). Names are stored as bytes, so
// any 8-bit text works; they compare without regard to ASCII case and keep the
// case in which they were first written. Data is stored exactly as given and a
// query returns exactly the stored bytes, whatever the type (a REG_SZ written
// with its terminating NUL comes back with it); the type is any number.
//
// Order. Values enumerate in creation order; overwriting a value keeps its
// place. Subkeys enumerate in creation order too (not by name).
//
// Results chosen where Windows leaves room:
// - key paths: a leading "\" or an empty part between two "\" is BadPathName,
//   trailing "\" are ignored, a part longer than 255 bytes or a key deeper
//   than 512 levels below its root is BadPathName;
// - a value name longer than 16,383 bytes is InvalidParameter; so is data null
//   with a non-zero size on write, or data given without a size on a query;
// - deleteKey with an empty subkey deletes the handle's own key; a root, or a
//   key with subkeys, is refused with AccessDenied and nothing changes;
// - a handle whose key was deleted (through any handle or process) stays open
//   but every operation on it fails with FileNotFound; close it as usual;
// - handles are small numbers from 1, reused after closeKey; the root handles
//   need no opening and closing one is a harmless Success;
// - on failure openKey and createKey set out to 0.
//
// Sharing and safety. The database runs in WAL mode, so reads go on while
// another process writes. A connection that finds the file locked retries
// every millisecond or two: a write for up to five seconds; reads for up to
// a second in all, after which they fail at once until one succeeds again
// (a store that another program keeps locked must not hold up start-up).
// Every operation is one transaction (writers take the write lock at the
// start), so several processes can use one file at once, and a crash leaves
// the file whole (synchronous=NORMAL: a power loss may drop the last commits).
// The database is opened on first use and, until that succeeds, on each later
// use; while it cannot be opened or read (missing directory, a lock held too
// long) every operation returns StoreFailure.
//
// Ownership. Our stores carry a mark in the database header (the
// application id). A new or empty file becomes a store of ours; a store
// written before the mark existed (our tables at our schema version) is
// taken and marked. Any other file (another program's database, one from a
// newer version of Quillan, a file that is not SQLite) is refused: nothing
// in it is written, every operation returns StoreFailure, and refusal() says
// why. One object must not be used from two threads at once.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/api/Registry.h"
#include "platform/api/RegistryRules.h"

struct sqlite3;
struct sqlite3_stmt;

namespace quillan::reg {

class SqliteRegistry final : public Registry {
 public:
  // The store at defaultPath().
  SqliteRegistry();
  // The store in the file at path; missing directories of the path are
  // created with mode 0700 when the file is first opened.
  explicit SqliteRegistry(std::string path);
  ~SqliteRegistry() override;
  SqliteRegistry(const SqliteRegistry&) = delete;
  SqliteRegistry& operator=(const SqliteRegistry&) = delete;

  // $QUILLAN_REGISTRY if set and not empty; otherwise
  // $XDG_CONFIG_HOME/quillan/registry.db (when that variable is an absolute
  // path), else ~/.config/quillan/registry.db. Creates nothing.
  static std::string defaultPath();
  const std::string& path() const { return path_; }

  // Empty, or why the file at path() was refused (a sentence naming the
  // file). A refusal is final for this object: the file is not opened again.
  const std::string& refusal() const { return refusal_; }
  // Called once, with refusal(), when the file is refused.
  void onRefused(std::function<void(const std::string&)> report) { onRefused_ = std::move(report); }

  Status openKey(Handle parent, std::string_view subkey, Handle& out) override;
  Status createKey(Handle parent, std::string_view subkey, Handle& out) override;
  Status queryValue(Handle key, std::string_view name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
  Status setValue(Handle key, std::string_view name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size) override;
  Status enumKey(Handle key, std::uint32_t index, std::string& name) override;
  Status enumValue(Handle key, std::uint32_t index, std::string& name, std::uint32_t* type, std::uint8_t* data,
                   std::uint32_t* size) override;
  Status deleteKey(Handle parent, std::string_view subkey) override;
  Status deleteValue(Handle key, std::string_view name) override;
  Status closeKey(Handle key) override;

  // Runs body with every operation it makes in one write transaction:
  // committed when body returns Success, rolled back otherwise (and when the
  // commit fails), so other processes see all of its changes or none. An
  // operation inside that fails undoes only its own changes; body decides
  // whether to go on. Handles opened inside on keys the rollback removes
  // are closed by it. Not nested: a call from inside body is refused with
  // InvalidParameter.
  Status inOneTransaction(const std::function<Status()>& body);

  // Limits of names and depth (see above).
  static constexpr std::size_t MaxKeyPart = kMaxKeyPart;
  static constexpr std::size_t MaxValueName = kMaxValueName;
  static constexpr std::size_t MaxDepth = kMaxDepth;

 private:
  struct Open {             // what a handle refers to
    std::int64_t id = 0;    // key row
    std::size_t depth = 0;  // levels below its root
  };
  enum class Sql : int;  // the statements, listed in the .cpp

  bool ready();  // opens the database if it is not open yet
  void refuse(const char* why);
  bool useWal();
  bool waitForLock(int tries);
  void close();
  sqlite3_stmt* stmt(Sql which);
  template <class Body>
  Status transact(bool write, Body&& body);
  Status parentOf(std::int64_t id, std::int64_t& parent);
  std::int64_t childOf(std::int64_t id, std::string_view part);
  bool resolve(Handle h, Open& out) const;
  Handle hand(const Open& o);
  Status openOrCreate(Handle parent, std::string_view subkey, Handle& out, bool create);

  std::string path_;
  sqlite3* db_ = nullptr;
  std::vector<sqlite3_stmt*> stmts_;
  std::vector<Open> handles_;  // handle n is handles_[n - 1]; id 0 marks a free slot
  std::chrono::steady_clock::time_point waitingSince_;
  std::chrono::steady_clock::duration readWaitLeft_;  // what reads may still wait in all
  bool writing_ = false;                              // the operation under way writes: it may wait longer for locks
  bool inBatch_ = false;                              // inside inOneTransaction: operations use savepoints
  std::uint64_t jitter_ = 0;
  std::string refusal_;
  std::function<void(const std::string&)> onRefused_;
};

}  // namespace quillan::reg
