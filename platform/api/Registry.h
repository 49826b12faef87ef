// The registry as the runtime sees it: a tree of keys under five roots, each
// key holding typed values. Results are the status numbers the runtime's
// callers have always tested against, so that code written against them keeps
// its meaning (0 is success, "more data" tells the caller the size it needs).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::reg {

using Handle = std::uint32_t;

// The five roots that the REGISTRY command can name, as predefined handles.
inline constexpr Handle ClassesRoot = 0x80000000u;
inline constexpr Handle CurrentUser = 0x80000001u;
inline constexpr Handle LocalMachine = 0x80000002u;
inline constexpr Handle Users = 0x80000003u;
inline constexpr Handle DynData = 0x80000006u;

enum Status : std::int32_t {
  Success = 0,
  FileNotFound = 2,   // key or value does not exist
  AccessDenied = 5,   // e.g. deleting a root
  InvalidHandle = 6,  // handle never opened or already closed
  InvalidParameter = 87,
  BadPathName = 161,    // a key path that starts with "\" or has an over-long part
  MoreData = 234,       // the caller's buffer is too small; the size needed is reported
  NoMoreItems = 259,    // end of an enumeration
  StoreFailure = 1009,  // the backing store could not be read or written
};

enum Type : std::uint32_t {
  None = 0,
  Sz = 1,
  ExpandSz = 2,
  Binary = 3,
  Dword = 4,
  MultiSz = 7,
};

// One registry store. Key names compare without regard to ASCII case and use
// "\" between their parts; value names may hold any character.
class Registry {
 public:
  virtual ~Registry() = default;

  // Opens an existing key; a missing key gives FileNotFound and creates
  // nothing. An empty subkey opens a new handle on parent itself.
  virtual Status openKey(Handle parent, std::string_view subkey, Handle& out) = 0;
  // Opens subkey, creating it and every missing part of its path first.
  virtual Status createKey(Handle parent, std::string_view subkey, Handle& out) = 0;
  // Reads a value. type may be null. With data null only the type and size
  // are reported. *size is the buffer size on entry and the bytes written
  // (or, with MoreData, the bytes needed) on return. An empty name is the
  // key's default value.
  virtual Status queryValue(Handle key, std::string_view name, std::uint32_t* type, std::uint8_t* data,
                            std::uint32_t* size) = 0;
  // Stores a value as given; the type is not checked against the bytes.
  virtual Status setValue(Handle key, std::string_view name, std::uint32_t type, const std::uint8_t* data,
                          std::uint32_t size) = 0;
  // The index-th subkey name, in creation order; NoMoreItems past the end.
  virtual Status enumKey(Handle key, std::uint32_t index, std::string& name) = 0;
  // The index-th value, in creation order, with the same buffer rules as
  // queryValue; NoMoreItems past the end.
  virtual Status enumValue(Handle key, std::uint32_t index, std::string& name, std::uint32_t* type, std::uint8_t* data,
                           std::uint32_t* size) = 0;
  // Deletes a key without subkeys; a key with subkeys is refused
  // (AccessDenied) and nothing is deleted.
  virtual Status deleteKey(Handle parent, std::string_view subkey) = 0;
  // Deletes one value; FileNotFound if it is not there.
  virtual Status deleteValue(Handle key, std::string_view name) = 0;
  virtual Status closeKey(Handle key) = 0;
};

}  // namespace quillan::reg
