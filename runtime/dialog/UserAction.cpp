#include "runtime/dialog/UserAction.h"

#include <charconv>

namespace quillan::dialog {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads words off the front of a line.
struct Words {
  std::string_view rest;

  void skipBlanks() {
    while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
  }
  std::string next() {
    skipBlanks();
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end])) ++end;
    std::string word(rest.substr(0, end));
    rest.remove_prefix(end);
    return word;
  }
  // A word, or a double-quoted text that may hold blanks.
  std::string nextPath() {
    skipBlanks();
    if (rest.empty() || rest.front() != '"') return next();
    const std::size_t close = rest.find('"', 1);
    std::string path(rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    rest.remove_prefix(close == std::string_view::npos ? rest.size() : close + 1);
    return path;
  }
  std::string remainder() {
    skipBlanks();
    std::string text(rest);
    rest = {};
    return text;
  }
  bool done() {
    skipBlanks();
    return rest.empty();
  }
};

std::string upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

bool number(const std::string& word, int& value) {
  const char* end = word.data() + word.size();
  const auto [stop, error] = std::from_chars(word.data(), end, value);
  return !word.empty() && error == std::errc() && stop == end;
}

}  // namespace

bool parseUserAction(std::string_view line, UserAction& action, std::string& problem) {
  Words words{line};
  const std::string verb = upper(words.next());
  action = UserAction{};
  auto needName = [&] {
    action.name = words.next();
    if (action.name.empty()) problem = "names no element";
    return !action.name.empty();
  };
  if (verb == "CLICK") {
    action.kind = ActionKind::Click;
    if (!needName()) return false;
    if (words.done()) return true;
    action.button = upper(words.next());
    if (action.button != "LEFT" && action.button != "RIGHT" && action.button != "CENTER") {
      problem = "names no mouse button (LEFT, RIGHT or CENTER)";
      return false;
    }
    if (!number(words.next(), action.x) || !number(words.next(), action.y) || !words.done()) {
      problem = "needs the X and Y of the click";
      return false;
    }
    return true;
  }
  if (verb == "MENU") {
    action.kind = ActionKind::Menu;
    action.text = words.remainder();
    return true;
  }
  if (verb == "TYPE" || verb == "SELECT") {
    action.kind = verb == "TYPE" ? ActionKind::Type : ActionKind::Select;
    if (!needName()) return false;
    action.text = words.remainder();
    return true;
  }
  if (verb == "CHECK") {
    action.kind = ActionKind::Check;
    if (!needName()) return false;
    if (!number(words.next(), action.state) || action.state < 0 || action.state > 2 || !words.done()) {
      problem = "needs the state 0, 1 or 2";
      return false;
    }
    return true;
  }
  if (verb == "CLOSE") {
    action.kind = ActionKind::Close;
    if (words.done()) return true;
    problem = "takes no arguments";
    return false;
  }
  if (verb == "DROP") {
    action.kind = ActionKind::Drop;
    while (!words.done()) action.paths.push_back(words.nextPath());
    if (action.paths.empty()) problem = "names no file";
    return !action.paths.empty();
  }
  if (verb == "TRAY") {
    action.kind = ActionKind::Tray;
    return needName();
  }
  problem = "is not a user action";
  return false;
}

}  // namespace quillan::dialog
