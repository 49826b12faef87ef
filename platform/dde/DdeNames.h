// The protocol that carries a script's conversations over the session bus,
// shared by the runtime and the peers built here. A server for service S
// owns the bus name kBusNamePrefix + the encoded S; topic T is the object
// kObjectPathPrefix + the encoded T, which implements kInterface. Names
// compare without regard to case, so the encoding folds ASCII letters.
#pragma once

#include <string>
#include <string_view>

namespace quillan::dde {

inline constexpr std::string_view kBusNamePrefix = "org.quillan.Dde.";
inline constexpr std::string_view kObjectPathPrefix = "/org/quillan/Dde/";
inline constexpr std::string_view kInterface = "org.quillan.Dde1";
// The reply of a server that refuses an item or a command.
inline constexpr std::string_view kRefusedError = "org.quillan.Dde1.Error.Refused";
// How long a client waits for any one reply.
inline constexpr int kCallTimeoutMs = 5000;

// One name (UTF-8 bytes) as an element of a bus name or an object path:
// ASCII letters lower-cased, a-z and 0-9 kept, every other byte "_" and
// two upper-case hex digits; a leading "_" when the result would be empty
// or start with a digit. "Book 1.xls" becomes "book_201_2Exls".
std::string encodeName(std::string_view utf8);
std::string busNameFor(std::string_view service);
std::string objectPathFor(std::string_view topic);

}  // namespace quillan::dde
