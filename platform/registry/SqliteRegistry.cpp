#include "platform/registry/SqliteRegistry.h"

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <utility>

#include "platform/api/RegistryRules.h"

namespace quillan::reg {

namespace {

// The five roots: fixed key rows with parent 0, created with the database.
struct RootRow {
  Handle handle;
  std::int64_t id;
  const char* name;
};
constexpr RootRow kRoots[] = {
    {ClassesRoot, 1, "HKEY_CLASSES_ROOT"},   {CurrentUser, 2, "HKEY_CURRENT_USER"},
    {LocalMachine, 3, "HKEY_LOCAL_MACHINE"}, {Users, 4, "HKEY_USERS"},
    {DynData, 5, "HKEY_DYN_DATA"},
};

constexpr int kSchemaVersion = 1;

// Our mark in the database header (PRAGMA application_id): "QREG" in ASCII.
// A database without it is used only when it is empty (a new store) or holds
// exactly our tables at our schema version (a store written before the mark
// existed); it gets the mark then. Any other database is left untouched.
constexpr std::int64_t kApplicationId = 0x51524547;

// How long a write waits for another process's lock before it fails.
constexpr auto kWriteWait = std::chrono::milliseconds(5000);
// How long reads wait in all: once a read has waited this long in vain,
// later reads fail at once (without waiting) until one succeeds again, so a
// store that another program keeps locked costs start-up about a second,
// not a wait per setting.
constexpr auto kReadWait = std::chrono::milliseconds(1000);

// Names are bytes; ids are AUTOINCREMENT so that a deleted key's id is never
// given to a new key (a stale handle then finds nothing, not a stranger).
constexpr const char* kSchema =
    "CREATE TABLE keys(id INTEGER PRIMARY KEY AUTOINCREMENT, parent INTEGER NOT NULL,"
    " name BLOB NOT NULL, folded BLOB NOT NULL, UNIQUE(parent, folded));"
    "CREATE TABLE vals(key INTEGER NOT NULL REFERENCES keys(id), folded BLOB NOT NULL,"
    " name BLOB NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL, seq INTEGER NOT NULL,"
    " UNIQUE(key, folded));";

enum class Step { Row, Done, Error };

// One use of a cached statement: binds in order, steps, and resets the
// statement when it goes out of scope. A null statement (prepare failed) or
// a failed bind makes step() report Error.
class Query {
 public:
  explicit Query(sqlite3_stmt* s) : s_(s), ok_(s != nullptr) {}
  ~Query() {
    if (s_) {
      sqlite3_reset(s_);
      sqlite3_clear_bindings(s_);
    }
  }
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  Query& bind(std::int64_t v) {
    ok_ = ok_ && sqlite3_bind_int64(s_, ++n_, v) == SQLITE_OK;
    return *this;
  }
  // A blob, never NULL: an empty view binds a zero-length blob.
  Query& bind(std::string_view b) {
    ok_ = ok_ && sqlite3_bind_blob64(s_, ++n_, b.empty() ? "" : b.data(), b.size(), SQLITE_TRANSIENT) == SQLITE_OK;
    return *this;
  }
  Step step() {
    if (!ok_) return Step::Error;
    switch (sqlite3_step(s_)) {
      case SQLITE_ROW:
        return Step::Row;
      case SQLITE_DONE:
        return Step::Done;
      default:
        return Step::Error;
    }
  }
  std::int64_t integer(int col) const { return sqlite3_column_int64(s_, col); }
  std::string_view bytes(int col) const {
    const void* p = sqlite3_column_blob(s_, col);  // null for a zero-length blob
    int n = sqlite3_column_bytes(s_, col);
    return p ? std::string_view(static_cast<const char*>(p), std::size_t(n)) : std::string_view();
  }

 private:
  sqlite3_stmt* s_;
  bool ok_;
  int n_ = 0;
};

// Hands a value row (name, type, data) to the caller with the buffer rules of
// queryValue; `missing` is the result when there is no row.
Status deliver(Query& q, Status missing, std::string* name, std::uint32_t* type, std::uint8_t* data,
               std::uint32_t* size) {
  switch (q.step()) {
    case Step::Done:
      return missing;
    case Step::Error:
      return StoreFailure;
    case Step::Row:
      break;
  }
  if (name) *name = std::string(q.bytes(0));
  if (type) *type = std::uint32_t(q.integer(1));
  std::string_view bytes = q.bytes(2);
  auto needed = std::uint32_t(bytes.size());  // setValue takes at most 32 bits of size
  if (!data) {
    if (size) *size = needed;
    return Success;
  }
  bool fits = *size >= needed;
  *size = needed;
  if (!fits) return MoreData;
  if (needed) std::memcpy(data, bytes.data(), needed);
  return Success;
}

bool exec(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

// What a database file holds, as far as this store is concerned.
enum class Layout {
  Ours,          // marked, at our schema version
  Empty,         // no tables and no marks: a new store
  Unmarked,      // our tables and version, without the mark (an earlier store)
  OtherVersion,  // marked, at a schema version we do not know
  Foreign,       // some other program's database
  NotSqlite,     // not a database at all
  Unreadable,    // could not be read now (locked, I/O error): try again later
};

// Reads the marks and the table names, in one read transaction; writes
// nothing (on a hot rollback journal SQLite restores the last commit, as
// any reader of the file would).
Layout inspect(sqlite3* db) {
  sqlite3_stmt* s = nullptr;
  const int prepared =
      sqlite3_prepare_v2(db,
                         "SELECT (SELECT application_id FROM pragma_application_id),"
                         " (SELECT user_version FROM pragma_user_version),"
                         " (SELECT count(*) FROM sqlite_master),"
                         " (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('keys', 'vals')),"
                         " (SELECT count(*) FROM sqlite_master WHERE type = 'table'"
                         "   AND name NOT IN ('keys', 'vals', 'sqlite_sequence'))",
                         -1, &s, nullptr);
  if (prepared != SQLITE_OK) {
    sqlite3_finalize(s);
    return sqlite3_errcode(db) == SQLITE_NOTADB ? Layout::NotSqlite : Layout::Unreadable;
  }
  Layout layout = Layout::Unreadable;
  {
    Query q(s);
    if (q.step() == Step::Row) {
      const std::int64_t id = q.integer(0), version = q.integer(1), objects = q.integer(2);
      const bool ourTables = q.integer(3) == 2 && q.integer(4) == 0;
      if (id == kApplicationId)
        layout = version == kSchemaVersion ? Layout::Ours : Layout::OtherVersion;
      else if (id != 0)
        layout = Layout::Foreign;
      else if (version == 0 && objects == 0)
        layout = Layout::Empty;
      else if (version == kSchemaVersion && ourTables)
        layout = Layout::Unmarked;
      else
        layout = Layout::Foreign;
    } else if (sqlite3_errcode(db) == SQLITE_NOTADB) {
      layout = Layout::NotSqlite;
    }
  }
  sqlite3_finalize(s);
  return layout;
}

// Inside a write transaction: creates the tables and the roots in an empty
// store, marks an earlier one; a store that has become ours since it was
// inspected is left as it is.
bool initSchema(sqlite3* db) {
  const Layout layout = inspect(db);
  if (layout == Layout::Ours) return true;
  const std::string mark = "PRAGMA application_id = " + std::to_string(kApplicationId);
  if (layout == Layout::Unmarked) return exec(db, mark.c_str());
  if (layout != Layout::Empty) return false;
  bool ok = exec(db, kSchema);
  sqlite3_stmt* s = nullptr;
  sqlite3_prepare_v2(db, "INSERT INTO keys(id, parent, name, folded) VALUES(?1, 0, ?2, ?3)", -1, &s, nullptr);
  for (const RootRow& r : kRoots) {
    Query q(s);
    ok = ok && q.bind(r.id).bind(r.name).bind(foldName(r.name)).step() == Step::Done;
  }
  sqlite3_finalize(s);
  return ok && exec(db, ("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str()) && exec(db, mark.c_str());
}

// Creates the missing directories of the file's path, each with mode 0700.
void makeParentDirs(const std::string& file) {
  for (std::size_t slash = file.find('/', 1); slash != std::string::npos; slash = file.find('/', slash + 1))
    ::mkdir(file.substr(0, slash).c_str(), 0700);  // an existing one is fine
}

}  // namespace

// The statements, prepared on first use and kept; kSql has one row per
// enumerator, in the same order.
enum class SqliteRegistry::Sql : int {
  Begin,
  BeginWrite,
  Commit,
  Rollback,
  Savepoint,
  Release,
  RollbackTo,
  LastKeyId,
  KeyParent,
  FindChild,
  AddChild,
  NthChild,
  HasChild,
  DropKey,
  GetValue,
  NthValue,
  PutValue,
  DropValue,
  DropValues,
  Count
};

namespace {
constexpr const char* kSql[] = {
    "BEGIN",
    "BEGIN IMMEDIATE",
    "COMMIT",
    "ROLLBACK",
    "SAVEPOINT operation",
    "RELEASE operation",
    "ROLLBACK TO operation",
    "SELECT COALESCE((SELECT seq FROM sqlite_sequence WHERE name = 'keys'), 0)",
    "SELECT parent FROM keys WHERE id = ?1",
    "SELECT id FROM keys WHERE parent = ?1 AND folded = ?2",
    "INSERT INTO keys(parent, name, folded) VALUES(?1, ?2, ?3)",
    "SELECT name FROM keys WHERE parent = ?1 ORDER BY id LIMIT 1 OFFSET ?2",
    "SELECT 1 FROM keys WHERE parent = ?1 LIMIT 1",
    "DELETE FROM keys WHERE id = ?1",
    "SELECT name, type, data FROM vals WHERE key = ?1 AND folded = ?2",
    "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY seq LIMIT 1 OFFSET ?2",
    // Overwriting keeps the value's name as first written and its place.
    "INSERT INTO vals(key, folded, name, type, data, seq) VALUES(?1, ?2, ?3, ?4, ?5,"
    " (SELECT COALESCE(MAX(seq), 0) + 1 FROM vals WHERE key = ?1))"
    " ON CONFLICT(key, folded) DO UPDATE SET type = excluded.type, data = excluded.data",
    "DELETE FROM vals WHERE key = ?1 AND folded = ?2",
    "DELETE FROM vals WHERE key = ?1",
};
}  // namespace

SqliteRegistry::SqliteRegistry() : SqliteRegistry(defaultPath()) {}

SqliteRegistry::SqliteRegistry(std::string path) : path_(std::move(path)), readWaitLeft_(kReadWait) {}

SqliteRegistry::~SqliteRegistry() { close(); }

std::string SqliteRegistry::defaultPath() {
  if (const char* p = std::getenv("QUILLAN_REGISTRY"); p && *p) return p;
  if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/') return std::string(x) + "/quillan/registry.db";
  const char* home = std::getenv("HOME");
  if (!home || !*home) {
    const passwd* pw = ::getpwuid(::getuid());
    home = pw ? pw->pw_dir : nullptr;
  }
  if (!home || !*home) return {};
  return std::string(home) + "/.config/quillan/registry.db";
}

void SqliteRegistry::close() {
  for (sqlite3_stmt*& s : stmts_) sqlite3_finalize(std::exchange(s, nullptr));
  stmts_.clear();
  sqlite3_close_v2(std::exchange(db_, nullptr));
}

// Waits a moment for a lock that another connection holds. SQLite's own
// timeout backs off to 100 ms between tries, so a process that arrives while
// others write in a row may wait out the whole timeout; short jittered naps
// give every waiter its turn. False when the deadline has passed.
bool SqliteRegistry::waitForLock(int tries) {
  auto now = std::chrono::steady_clock::now();
  if (tries == 0) waitingSince_ = now;
  if (writing_ ? now - waitingSince_ > kWriteWait : now - waitingSince_ > readWaitLeft_) {
    if (!writing_) readWaitLeft_ = {};
    return false;
  }
  jitter_ = jitter_ * 6364136223846793005u + 1442695040888963407u;
  ::usleep(useconds_t(200 + (jitter_ >> 33) % 1800));
  return true;
}

bool SqliteRegistry::ready() {
  if (db_) return true;
  if (path_.empty() || !refusal_.empty()) return false;  // "": SQLite would open a private temporary database
  makeParentDirs(path_);
  bool ok = sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK;
  Layout layout = Layout::Unreadable;
  if (ok) {
    stmts_.assign(std::size_t(Sql::Count), nullptr);
    jitter_ = std::uint64_t(::getpid()) << 32 ^ std::uint64_t(std::uintptr_t(this));
    sqlite3_busy_handler(
        db_, [](void* self, int tries) { return int(static_cast<SqliteRegistry*>(self)->waitForLock(tries)); }, this);
    // Until the file is known to be ours, closing must not fold another
    // program's write-ahead log into its database.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    layout = inspect(db_);
    ok = layout == Layout::Ours || layout == Layout::Empty || layout == Layout::Unmarked;
  }
  if (ok) {
    sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
    // In WAL mode NORMAL syncs at checkpoints: a crash keeps the file whole
    // (a power loss may drop the last commits) and commits hold the lock
    // briefly. A store that is already ours needs no write lock to open, so
    // another process's long write does not hold up our reads.
    ok = useWal() && exec(db_, "PRAGMA synchronous = NORMAL; PRAGMA foreign_keys = ON") &&
         (layout == Layout::Ours || (exec(db_, "BEGIN IMMEDIATE") && initSchema(db_) && exec(db_, "COMMIT")));
  }
  if (!ok) close();  // closing rolls back what was begun
  switch (layout) {
    case Layout::OtherVersion:
      refuse("was written by another (newer) version of Quillan");
      break;
    case Layout::Foreign:
      refuse("is another program's database, not a Quillan registry store");
      break;
    case Layout::NotSqlite:
      refuse("is not an SQLite database");
      break;
    default:
      break;
  }
  return ok;
}

void SqliteRegistry::refuse(const char* why) {
  refusal_ = "the registry store " + path_ + " " + why + "; it is not used or changed";
  if (onRefused_) onRefused_(refusal_);
}

// A file that is not a database fails here, before anything is written.
// Asking for WAL mode may answer "busy" at once, without calling the busy
// handler, while others write; so that answer is waited out here.
bool SqliteRegistry::useWal() {
  int rc;
  for (int tries = 0; (rc = sqlite3_exec(db_, "PRAGMA journal_mode = WAL", nullptr, nullptr, nullptr)) == SQLITE_BUSY &&
                      waitForLock(tries);)
    ++tries;
  return rc == SQLITE_OK;
}

sqlite3_stmt* SqliteRegistry::stmt(Sql which) {
  static_assert(std::size(kSql) == std::size_t(Sql::Count));
  sqlite3_stmt*& s = stmts_[std::size_t(which)];
  if (!s) sqlite3_prepare_v3(db_, kSql[std::size_t(which)], -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
  return s;
}

// Runs body in one transaction: committed when it returns Success, rolled
// back otherwise (a read that reports MoreData has nothing to undo anyway).
template <class Body>
Status SqliteRegistry::transact(bool write, Body&& body) {
  if (inBatch_) {
    // Inside inOneTransaction: a savepoint lets a failing operation undo
    // its own half-done changes and leave the rest of the batch standing.
    if (Query(stmt(Sql::Savepoint)).step() != Step::Done) return StoreFailure;
    const Status s = body();
    if (s != Success) Query(stmt(Sql::RollbackTo)).step();
    return Query(stmt(Sql::Release)).step() == Step::Done || s != Success ? s : StoreFailure;
  }
  writing_ = write;
  if (!ready()) return StoreFailure;
  if (Query(stmt(write ? Sql::BeginWrite : Sql::Begin)).step() != Step::Done) return StoreFailure;
  Status s = body();
  if (s != StoreFailure) readWaitLeft_ = kReadWait;  // the store answers again
  if (s == Success && Query(stmt(Sql::Commit)).step() == Step::Done) return Success;
  if (!sqlite3_get_autocommit(db_)) Query(stmt(Sql::Rollback)).step();
  return s == Success ? StoreFailure : s;
}

Status SqliteRegistry::inOneTransaction(const std::function<Status()>& body) {
  if (inBatch_) return InvalidParameter;
  writing_ = true;
  if (!ready()) return StoreFailure;
  if (Query(stmt(Sql::BeginWrite)).step() != Step::Done) return StoreFailure;
  // Key ids only grow, so the keys this batch creates are those above the
  // last id now; a rollback must not leave handles on them.
  std::int64_t lastKeyBefore = -1;
  {
    Query last(stmt(Sql::LastKeyId));
    if (last.step() == Step::Row) lastKeyBefore = last.integer(0);
  }
  Status s = lastKeyBefore >= 0 ? Success : StoreFailure;
  if (s == Success) {
    inBatch_ = true;
    try {
      s = body();
    } catch (...) {
      inBatch_ = false;
      Query(stmt(Sql::Rollback)).step();
      throw;
    }
    inBatch_ = false;
  }
  if (s == Success && Query(stmt(Sql::Commit)).step() == Step::Done) return Success;
  if (!sqlite3_get_autocommit(db_)) Query(stmt(Sql::Rollback)).step();
  for (Open& o : handles_)
    if (o.id > lastKeyBefore) o = Open{};
  return s == Success ? StoreFailure : s;
}

// The parent of key id; FileNotFound when the key is gone.
Status SqliteRegistry::parentOf(std::int64_t id, std::int64_t& parent) {
  Query q(stmt(Sql::KeyParent));
  switch (q.bind(id).step()) {
    case Step::Row:
      parent = q.integer(0);
      return Success;
    case Step::Done:
      return FileNotFound;
    case Step::Error:
      break;
  }
  return StoreFailure;
}

// The child of key id named part, or 0 when there is none; -1 on failure.
std::int64_t SqliteRegistry::childOf(std::int64_t id, std::string_view part) {
  Query q(stmt(Sql::FindChild));
  switch (q.bind(id).bind(foldName(part)).step()) {
    case Step::Row:
      return q.integer(0);
    case Step::Done:
      return 0;
    case Step::Error:
      break;
  }
  return -1;
}

bool SqliteRegistry::resolve(Handle h, Open& out) const {
  for (const RootRow& r : kRoots)
    if (r.handle == h) {
      out = Open{r.id, 0};
      return true;
    }
  if (h == 0 || h > handles_.size() || handles_[h - 1].id == 0) return false;
  out = handles_[h - 1];
  return true;
}

Handle SqliteRegistry::hand(const Open& o) {
  for (std::size_t i = 0; i < handles_.size(); ++i)
    if (handles_[i].id == 0) {
      handles_[i] = o;
      return Handle(i + 1);
    }
  handles_.push_back(o);
  return Handle(handles_.size());
}

Status SqliteRegistry::openOrCreate(Handle parent, std::string_view subkey, Handle& out, bool create) {
  out = 0;
  Open at;
  if (!resolve(parent, at)) return InvalidHandle;
  std::vector<std::string_view> parts;
  if (Status s = splitKeyPath(subkey, at.depth, parts); s != Success) return s;
  Status s = transact(create, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(at.id, ignored); alive != Success) return alive;
    for (std::string_view part : parts) {
      std::int64_t child = childOf(at.id, part);
      if (child < 0) return StoreFailure;
      if (child == 0 && !create) return FileNotFound;
      if (child == 0) {
        Query add(stmt(Sql::AddChild));
        if (add.bind(at.id).bind(part).bind(foldName(part)).step() != Step::Done) return StoreFailure;
        child = sqlite3_last_insert_rowid(db_);
      }
      at = Open{child, at.depth + 1};
    }
    return Success;
  });
  if (s == Success) out = hand(at);
  return s;
}

Status SqliteRegistry::openKey(Handle parent, std::string_view subkey, Handle& out) {
  return openOrCreate(parent, subkey, out, false);
}

Status SqliteRegistry::createKey(Handle parent, std::string_view subkey, Handle& out) {
  // Most keys a script creates exist already: finding them needs no write
  // lock, which costs a writer's round of locking and holds up the others.
  if (openOrCreate(parent, subkey, out, false) == Success) return Success;
  return openOrCreate(parent, subkey, out, true);
}

Status SqliteRegistry::queryValue(Handle key, std::string_view name, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  if (data && !size) return InvalidParameter;
  return transact(false, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(k.id, ignored); alive != Success) return alive;
    Query q(stmt(Sql::GetValue));
    q.bind(k.id).bind(foldName(name));
    return deliver(q, FileNotFound, nullptr, type, data, size);
  });
}

Status SqliteRegistry::setValue(Handle key, std::string_view name, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  if (name.size() > MaxValueName || (!data && size)) return InvalidParameter;
  std::string_view bytes(reinterpret_cast<const char*>(data), data ? size : 0);
  return transact(true, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(k.id, ignored); alive != Success) return alive;
    Query q(stmt(Sql::PutValue));
    q.bind(k.id).bind(foldName(name)).bind(name).bind(std::int64_t(type)).bind(bytes);
    return q.step() == Step::Done ? Success : StoreFailure;
  });
}

Status SqliteRegistry::enumKey(Handle key, std::uint32_t index, std::string& name) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  return transact(false, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(k.id, ignored); alive != Success) return alive;
    Query q(stmt(Sql::NthChild));
    switch (q.bind(k.id).bind(std::int64_t(index)).step()) {
      case Step::Row:
        name = std::string(q.bytes(0));
        return Success;
      case Step::Done:
        return NoMoreItems;
      case Step::Error:
        break;
    }
    return StoreFailure;
  });
}

Status SqliteRegistry::enumValue(Handle key, std::uint32_t index, std::string& name, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* size) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  if (data && !size) return InvalidParameter;
  return transact(false, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(k.id, ignored); alive != Success) return alive;
    Query q(stmt(Sql::NthValue));
    q.bind(k.id).bind(std::int64_t(index));
    return deliver(q, NoMoreItems, &name, type, data, size);
  });
}

Status SqliteRegistry::deleteKey(Handle parent, std::string_view subkey) {
  Open at;
  if (!resolve(parent, at)) return InvalidHandle;
  std::vector<std::string_view> parts;
  if (Status s = splitKeyPath(subkey, at.depth, parts); s != Success) return s;
  return transact(true, [&]() -> Status {
    std::int64_t up = 0;
    if (Status alive = parentOf(at.id, up); alive != Success) return alive;
    for (std::string_view part : parts) {
      std::int64_t child = childOf(at.id, part);
      if (child <= 0) return child < 0 ? StoreFailure : FileNotFound;
      up = std::exchange(at.id, child);
    }
    if (up == 0) return AccessDenied;  // a root
    Query children(stmt(Sql::HasChild));
    switch (children.bind(at.id).step()) {
      case Step::Row:
        return AccessDenied;
      case Step::Error:
        return StoreFailure;
      case Step::Done:
        break;
    }
    Query values(stmt(Sql::DropValues)), row(stmt(Sql::DropKey));
    bool ok = values.bind(at.id).step() == Step::Done && row.bind(at.id).step() == Step::Done;
    return ok ? Success : StoreFailure;
  });
}

Status SqliteRegistry::deleteValue(Handle key, std::string_view name) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  return transact(true, [&]() -> Status {
    std::int64_t ignored;
    if (Status alive = parentOf(k.id, ignored); alive != Success) return alive;
    Query q(stmt(Sql::DropValue));
    if (q.bind(k.id).bind(foldName(name)).step() != Step::Done) return StoreFailure;
    return sqlite3_changes(db_) > 0 ? Success : FileNotFound;
  });
}

Status SqliteRegistry::closeKey(Handle key) {
  Open k;
  if (!resolve(key, k)) return InvalidHandle;
  if (key <= handles_.size()) handles_[key - 1] = Open{};  // not a root: roots stay open
  return Success;
}

}  // namespace quillan::reg
