#include "tools/quillanreg/RegText.h"

#include "platform/api/RegistryRules.h"

namespace quillan::regfile {

namespace {

struct RootRow {
  reg::Handle handle;
  std::string_view name;
  std::string_view shortName;
};
// In the order an export walks them.
constexpr RootRow kRoots[] = {
    {reg::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},   {reg::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
    {reg::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"}, {reg::Users, "HKEY_USERS", "HKU"},
    {reg::DynData, "HKEY_DYN_DATA", "HKDD"},
};

constexpr std::string_view kHeader = "REGEDIT4";
constexpr std::string_view kHexDigits = "0123456789abcdef";
// A byte list is wrapped once a line has reached this many characters.
constexpr std::size_t kWrapColumn = 76;

bool sameIgnoringCase(std::string_view a, std::string_view b) { return reg::foldName(a) == reg::foldName(b); }

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimLeft(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return s;
}

std::string_view trimRight(std::string_view s) {
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// 1 to maxDigits hex digits at the front of s, taken off it.
std::optional<std::uint32_t> takeHex(std::string_view& s, std::size_t maxDigits) {
  std::size_t n = 0;
  std::uint32_t value = 0;
  while (n < s.size() && hexValue(s[n]) >= 0) {
    if (n == maxDigits) return std::nullopt;
    value = value << 4 | std::uint32_t(hexValue(s[n]));
    ++n;
  }
  if (n == 0) return std::nullopt;
  s.remove_prefix(n);
  return value;
}

bool takePrefixIgnoringCase(std::string_view& s, std::string_view prefix) {
  if (s.size() < prefix.size() || !sameIgnoringCase(s.substr(0, prefix.size()), prefix)) return false;
  s.remove_prefix(prefix.size());
  return true;
}

// A quoted string at the front of s (which starts with the quote), taken
// off it with its quotes; nullopt when the line ends before the closing quote.
std::optional<std::string> takeQuoted(std::string_view& s) {
  std::string text;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '"') {
      s.remove_prefix(i + 1);
      return text;
    }
    if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) ++i;
    text += s[i];
  }
  return std::nullopt;
}

void appendQuoted(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  out += '"';
}

void appendHexByte(std::string& out, std::uint8_t b) {
  out += kHexDigits[b >> 4];
  out += kHexDigits[b & 15];
}

// What follows "=" for a value, up to its byte list.
enum class Form { Quoted, Dword, Hex };

Form formOf(std::uint32_t type, std::string_view data) {
  if (type == reg::Sz && !data.empty() && data.back() == '\0' &&
      data.substr(0, data.size() - 1).find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos)
    return Form::Quoted;
  if (type == reg::Dword && data.size() == 4) return Form::Dword;
  return Form::Hex;
}

// Everything up to the first byte of the list: "hex:" or "hex(N):".
std::string hexPrefix(std::uint32_t type) {
  if (type == reg::Binary) return "hex:";
  std::string n;
  do {
    n.insert(n.begin(), kHexDigits[type & 15]);
    type >>= 4;
  } while (type != 0);
  return "hex(" + n + "):";
}

std::string dwordText(std::string_view data) {
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < 4; ++i) number |= std::uint32_t(std::uint8_t(data[i])) << (8 * i);
  std::string text = "dword:";
  for (int shift = 28; shift >= 0; shift -= 4) text += kHexDigits[(number >> shift) & 15];
  return text;
}

// Reads the lines of a .reg file into operations.
class Reader {
 public:
  explicit Reader(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines_.push_back(line);
      if (end == std::string_view::npos) break;
      text.remove_prefix(end + 1);
    }
  }

  RegParse read() {
    if (!readHeader()) return std::move(result_);
    for (at_ = 1; at_ < lines_.size() && result_.ok(); ++at_) {
      const std::string_view line = trimLeft(lines_[at_]);
      if (line.empty() || line.front() == ';') continue;
      if (line.front() == '[') {
        readKeyLine(trimRight(line));
      } else if (line.front() == '"' || line.front() == '@') {
        readValueLine(line);
      } else {
        fail("this line is not a key, a value, a comment or blank");
      }
    }
    if (!result_.ok()) result_.operations.clear();
    return std::move(result_);
  }

 private:
  enum class Place { NoKey, InKey, AfterDeletedKey };

  void fail(std::string why) {
    if (!result_.ok()) return;
    result_.errorLine = at_ + 1;
    result_.error = std::move(why);
  }

  bool readHeader() {
    std::string_view first = lines_.empty() ? std::string_view() : lines_[0];
    if (first.size() >= 2 &&
        ((first[0] == '\xff' && first[1] == '\xfe') || (first[0] == '\xfe' && first[1] == '\xff'))) {
      fail("the file is UTF-16 text; only 8-bit REGEDIT4 files are read");
      return false;
    }
    if (first.substr(0, 3) == "\xef\xbb\xbf") first.remove_prefix(3);
    if (trimRight(first) != kHeader) {
      fail("the first line must be REGEDIT4");
      return false;
    }
    return true;
  }

  void readKeyLine(std::string_view line) {
    if (line.back() != ']') return fail("a key line must end in ]");
    std::string_view name = line.substr(1, line.size() - 2);
    const bool deletion = !name.empty() && name.front() == '-';
    if (deletion) name.remove_prefix(1);
    std::string error;
    std::optional<KeyPath> key = parseKeyName(name, error);
    if (!key) return fail(error);
    if (deletion && key->path.empty()) return fail("a root key cannot be deleted");
    RegOperation op;
    op.kind = deletion ? RegOperation::Kind::DeleteKey : RegOperation::Kind::OpenKey;
    op.line = at_ + 1;
    op.key = std::move(*key);
    result_.operations.push_back(std::move(op));
    place_ = deletion ? Place::AfterDeletedKey : Place::InKey;
  }

  void readValueLine(std::string_view line) {
    if (place_ == Place::NoKey) return fail("a value line outside any key (no [KEY] line above it)");
    if (place_ == Place::AfterDeletedKey) return fail("a value line under a deleted key ([-KEY])");
    RegOperation op;
    op.line = at_ + 1;
    if (line.front() == '@') {
      line.remove_prefix(1);
    } else {
      std::optional<std::string> name = takeQuoted(line);
      if (!name) return fail("the value name has no closing quote");
      if (name->size() > reg::kMaxValueName) return fail("the value name is longer than 16383 bytes");
      op.name = std::move(*name);
    }
    line = trimLeft(line);
    if (line.empty() || line.front() != '=') return fail("expected = after the value name");
    line = trimLeft(line.substr(1));
    if (!readData(line, op)) return;
    result_.operations.push_back(std::move(op));
  }

  // The part after "=": fills the kind, type and data of op.
  bool readData(std::string_view data, RegOperation& op) {
    op.kind = RegOperation::Kind::SetValue;
    if (!data.empty() && data.front() == '-' && trimLeft(data.substr(1)).empty()) {
      op.kind = RegOperation::Kind::DeleteValue;
      return true;
    }
    if (!data.empty() && data.front() == '"') {
      std::optional<std::string> text = takeQuoted(data);
      if (!text) return fail("the string has no closing quote"), false;
      if (!trimLeft(data).empty()) return fail("unexpected text after the closing quote"), false;
      op.type = reg::Sz;
      op.data = std::move(*text);
      op.data += '\0';
      return true;
    }
    if (takePrefixIgnoringCase(data, "dword:")) {
      const std::optional<std::uint32_t> number = takeHex(data, 8);
      if (!number || !trimLeft(data).empty()) return fail("dword: takes 1 to 8 hex digits and nothing else"), false;
      op.type = reg::Dword;
      for (int i = 0; i < 4; ++i) op.data += char(*number >> (8 * i) & 0xff);
      return true;
    }
    if (takePrefixIgnoringCase(data, "hex:")) {
      op.type = reg::Binary;
      return readBytes(data, op.data);
    }
    if (takePrefixIgnoringCase(data, "hex(")) {
      const std::optional<std::uint32_t> type = takeHex(data, 8);
      if (!type || !takePrefixIgnoringCase(data, "):")) return fail("hex( takes 1 to 8 hex digits and then ):"), false;
      op.type = *type;
      return readBytes(data, op.data);
    }
    return fail("unknown value data (expected \"text\", dword:, hex:, hex(N): or -)"), false;
  }

  // A comma-separated byte list, continued on the next line after a "\".
  bool readBytes(std::string_view list, std::string& bytes) {
    bool wantByte = true;  // at the start or after a comma
    for (;;) {
      list = trimLeft(list);
      if (list.empty()) return true;
      if (wantByte && list.front() == '\\' && trimLeft(list.substr(1)).empty()) {
        if (at_ + 1 >= lines_.size()) return fail("the byte list ends in \\ but no line follows"), false;
        list = lines_[++at_];
        continue;
      }
      if (!wantByte) {
        if (list.front() != ',') return fail("expected , between the bytes of a hex list"), false;
        list.remove_prefix(1);
        wantByte = true;
        continue;
      }
      const std::string_view token = list.substr(0, list.find_first_of(", \t\\"));
      std::string_view digits = token;
      const std::optional<std::uint32_t> byte = takeHex(digits, 2);
      if (!byte || !digits.empty())
        return fail("bad byte '" + std::string(token) + "' in a hex list (expected one or two hex digits)"), false;
      list.remove_prefix(token.size());
      bytes += char(*byte);
      wantByte = false;
    }
  }

  std::vector<std::string_view> lines_;
  std::size_t at_ = 0;  // index of the line being read
  Place place_ = Place::NoKey;
  RegParse result_;
};

}  // namespace

std::string_view rootName(reg::Handle root) {
  for (const RootRow& r : kRoots)
    if (r.handle == root) return r.name;
  return {};
}

const std::vector<reg::Handle>& allRoots() {
  static const std::vector<reg::Handle> roots = [] {
    std::vector<reg::Handle> all;
    for (const RootRow& r : kRoots) all.push_back(r.handle);
    return all;
  }();
  return roots;
}

std::string fullName(const KeyPath& key) {
  std::string name(rootName(key.root));
  if (!key.path.empty()) name += '\\' + key.path;
  return name;
}

std::optional<KeyPath> parseKeyName(std::string_view text, std::string& error) {
  const std::size_t cut = text.find('\\');
  const std::string_view root = text.substr(0, cut);
  KeyPath key;
  for (const RootRow& r : kRoots)
    if (sameIgnoringCase(root, r.name) || sameIgnoringCase(root, r.shortName)) key.root = r.handle;
  if (key.root == 0) {
    error = "unknown root key '" + std::string(root) + "' (expected HKEY_CURRENT_USER or another root)";
    return std::nullopt;
  }
  std::string_view path = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
  std::vector<std::string_view> parts;
  if (reg::splitKeyPath(path, 0, parts) != reg::Success) {
    error = "bad key path '" + std::string(text) +
            "' (an empty part, a part longer than 255 bytes, or more than 512 levels)";
    return std::nullopt;
  }
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  key.path = path;
  return key;
}

RegParse readRegText(std::string_view text) { return Reader(text).read(); }

void writeHeader(std::string& out) {
  out += kHeader;
  out += kLineEnd;
  out += kLineEnd;
}

void writeKeyLine(std::string& out, std::string_view fullName) {
  out += '[';
  out += fullName;
  out += ']';
  out += kLineEnd;
}

bool canWriteName(std::string_view name) { return name.find_first_of("\r\n") == std::string_view::npos; }

std::string nameNotation(std::string_view name) {
  if (name.empty()) return "@";
  std::string out;
  appendQuoted(out, name);
  return out;
}

bool writeValueLine(std::string& out, std::string_view name, std::uint32_t type, std::string_view data) {
  if (!canWriteName(name)) return false;
  const std::size_t lineStart = out.size();
  out += nameNotation(name);
  out += '=';
  switch (formOf(type, data)) {
    case Form::Quoted:
      appendQuoted(out, data.substr(0, data.size() - 1));
      break;
    case Form::Dword:
      out += dwordText(data);
      break;
    case Form::Hex: {
      out += hexPrefix(type);
      std::size_t column = out.size() - lineStart;
      for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0) {
          out += ',';
          if (++column > kWrapColumn) {
            out += '\\';
            out += kLineEnd;
            out += "  ";
            column = 2;
          }
        }
        appendHexByte(out, std::uint8_t(data[i]));
        column += 2;
      }
      break;
    }
  }
  out += kLineEnd;
  return true;
}

std::string valueNotation(std::uint32_t type, std::string_view data) {
  std::string out;
  switch (formOf(type, data)) {
    case Form::Quoted:
      appendQuoted(out, data.substr(0, data.size() - 1));
      break;
    case Form::Dword:
      out = dwordText(data);
      break;
    case Form::Hex:
      out = hexPrefix(type);
      for (std::size_t i = 0; i < data.size(); ++i) {
        if (i > 0) out += ',';
        appendHexByte(out, std::uint8_t(data[i]));
      }
      break;
  }
  return out;
}

}  // namespace quillan::regfile
