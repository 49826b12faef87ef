#include "tools/quillan-progman/ProgmanCommands.h"

namespace quillan::progman {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  bool atEnd() const { return at_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[at_]; }
  void skipBlanks() {
    while (!atEnd() && isBlank(text_[at_])) ++at_;
  }
  bool take(char c) {
    if (peek() != c || atEnd()) return false;
    ++at_;
    return true;
  }
  std::string fail(std::string_view what) const { return std::string(what) + " at offset " + std::to_string(at_); }

  // Up to (not including) the first of stops outside double quotes. The
  // quotes stay: a command line passed as an argument needs its own.
  bool readUntil(std::string_view stops, std::string& out) {
    bool quoted = false;
    while (!atEnd()) {
      const char c = text_[at_];
      if (c == '"') quoted = !quoted;
      if (!quoted && stops.find(c) != std::string_view::npos) return true;
      out += c;
      ++at_;
    }
    return !quoted;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

std::string trimmed(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

// An argument that is one quoted text loses its quotes ("My, Tools");
// one with quotes inside keeps them all ("/opt/my tool/run" -x).
std::string unquoted(std::string text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"' && text.find('"', 1) == text.size() - 1)
    return text.substr(1, text.size() - 2);
  return text;
}

// One "[Name(arguments)]", the reader on its "[".
std::string readCommand(Reader& in, ProgmanCommand& command) {
  in.take('[');
  in.skipBlanks();
  if (!in.readUntil("()[]", command.name)) return in.fail("unclosed quote in a command name");
  command.name = unquoted(trimmed(command.name));
  if (command.name.empty()) return in.fail("a command without a name");
  if (in.take('(')) {
    for (;;) {
      std::string argument;
      if (!in.readUntil(",)[]", argument)) return in.fail("unclosed quote in an argument");
      command.arguments.push_back(unquoted(trimmed(argument)));
      if (in.take(')')) break;
      if (!in.take(',')) return in.fail("an argument list without \")\"");
    }
    // "Name()" has no arguments, not one empty one.
    if (command.arguments.size() == 1 && command.arguments.front().empty()) command.arguments.clear();
  }
  in.skipBlanks();
  if (!in.take(']')) return in.fail("a command without \"]\"");
  return {};
}

}  // namespace

ParsedCommands parseCommands(std::string_view text) {
  ParsedCommands parsed;
  Reader in(text);
  in.skipBlanks();
  if (in.atEnd()) parsed.error = "no command";
  while (parsed.error.empty() && !in.atEnd()) {
    if (in.peek() != '[') {
      parsed.error = in.fail("text outside \"[...]\"");
      break;
    }
    ProgmanCommand command;
    parsed.error = readCommand(in, command);
    if (parsed.error.empty()) parsed.commands.push_back(std::move(command));
    in.skipBlanks();
  }
  if (!parsed.error.empty()) parsed.commands.clear();
  return parsed;
}

}  // namespace quillan::progman
