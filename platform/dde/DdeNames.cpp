#include "platform/dde/DdeNames.h"

namespace quillan::dde {

std::string encodeName(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(utf8.size() + 1);
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') {
      encoded += static_cast<char>(byte + ('a' - 'A'));
    } else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9')) {
      encoded += c;
    } else {
      encoded += '_';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  // Neither an element of a bus name nor a path may be empty, and a bus
  // name's element may not start with a digit.
  if (encoded.empty() || (encoded.front() >= '0' && encoded.front() <= '9')) encoded.insert(encoded.begin(), '_');
  return encoded;
}

std::string busNameFor(std::string_view service) { return std::string(kBusNamePrefix) + encodeName(service); }

std::string objectPathFor(std::string_view topic) { return std::string(kObjectPathPrefix) + encodeName(topic); }

}  // namespace quillan::dde
