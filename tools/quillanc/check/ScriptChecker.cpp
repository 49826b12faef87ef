#include "tools/quillanc/check/ScriptChecker.h"

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "runtime/commands/DialogTables.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"
#include "runtime/core/LabelIndex.h"
#include "tools/quillanc/check/FieldScanner.h"

namespace quillan::checker {
namespace {

using core::Command;

std::string upper(std::string_view text) {
  std::string out(text);
  core::upperAsciiInPlace(out);
  return out;
}

bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// The key a label is found by: the significant characters, upper-cased.
std::string labelKey(std::string_view name) { return upper(name.substr(0, core::kLabelNameLength)); }

// How the interpreter loop sees a line: the blanks before the first word
// are skipped, the word runs to the next blank, and a label, an empty line
// or a line of blanks (or of one character after them) does nothing.
struct LineStart {
  enum class Kind : std::uint8_t { Ignored, Assignment, Command, NotACommand };
  Kind kind = Kind::Ignored;
  int wordAt = 0;     // 1-based column of the word
  int afterWord = 0;  // where the command starts reading
  std::string_view word;
  Command command = Command::Count;
};

LineStart lineStartOf(std::string_view line) {
  LineStart start;
  const int n = static_cast<int>(std::min<std::size_t>(line.size(), 0x7FFFFFF0u));
  int p = 1;
  while (p < n && line[static_cast<std::size_t>(p - 1)] == ' ') ++p;
  if (n == 0 || line.front() == ':' || p == n) return start;
  int end = p;
  while (end <= n && line[static_cast<std::size_t>(end - 1)] != ' ') ++end;
  start.wordAt = p;
  start.afterWord = end;
  start.word = line.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(end - p));
  if (start.word.front() == '\r') return start;
  if (start.word.front() == '%') {
    start.kind = LineStart::Kind::Assignment;
    return start;
  }
  start.command = core::findCommand(upper(start.word));
  start.kind = start.command == Command::Count ? LineStart::Kind::NotACommand : LineStart::Kind::Command;
  return start;
}

// How many fields a command reads; what stands after them is never
// expanded, so a call there cannot fail. Commands not listed read as many
// as their words ask for, and all of the line is looked at.
struct FieldCount {
  Command command;
  int fields;
};
constexpr FieldCount kFieldCounts[] = {
    {Command::Rem, 0},    {Command::Break, 0}, {Command::Else, 0}, {Command::End, 0},   {Command::Exit, 0},
    {Command::Repeat, 0}, {Command::Beep, 0},  {Command::Info, 1}, {Command::Warn, 1},  {Command::Title, 1},
    {Command::Goto, 1},   {Command::Gosub, 1}, {Command::If, 1},   {Command::Until, 1}, {Command::ExitWin, 1},
    {Command::Play, 2},   {Command::Parse, 2}, {Command::Run, 3},  {Command::RunH, 3},  {Command::RunM, 3},
    {Command::RunZ, 3},   {Command::Shell, 6}};

int fieldsRead(Command command) {
  for (const FieldCount& row : kFieldCounts)
    if (row.command == command) return row.fields;
  return -1;  // all of them
}

std::string commandName(Command command) { return std::string(core::kCommandNames[static_cast<std::size_t>(command)]); }

struct Jump {
  int line;
  int column;
  Command command;
  std::string label;  // literal target
};

// Something in a DIALOG CREATE that raises an event, with where it stands.
struct EventSource {
  std::string event;  // the event text, e.g. OKBUTTON
  std::string what;   // e.g. "button 'OK'"
  int line;
  int column;
};

struct Label {
  int line;
  std::string name;  // as written
};

class Checker {
 public:
  explicit Checker(const std::vector<std::string>& lines) : lines_(lines) {}

  std::vector<Warning> run() {
    collectLabels();
    for (std::size_t i = 0; i < lines_.size(); ++i) checkLine(i);
    checkJumps();
    checkBlocks();
    checkLoops();
    checkEvents();
    std::stable_sort(warnings_.begin(), warnings_.end(), [](const Warning& a, const Warning& b) {
      return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return std::move(warnings_);
  }

 private:
  void warn(WarningKind kind, std::size_t lineIndex, int column, std::string message) {
    warnings_.push_back(Warning{static_cast<int>(lineIndex) + 1, column, kind, std::move(message)});
  }

  // Every line from the top, as the runtime indexes them: the first label
  // of a name is the one jumps reach.
  void collectLabels() {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const auto name = core::labelNameOf(lines_[i]);
      if (!name) continue;
      const std::string key = labelKey(*name);
      const auto [found, added] = labels_.emplace(key, Label{static_cast<int>(i) + 1, std::string(*name)});
      if (added) {
        trimmedLabels_.emplace(std::string(trimBlanks(key)), std::string(*name));
      } else {
        warn(WarningKind::DuplicateLabel, i, 1,
             "label ':" + printable(*name) + "' is already defined at line " + std::to_string(found->second.line) +
                 "; jumps go there");
      }
    }
  }

  void reportCallFault(const FieldScanner& scanner, std::size_t lineIndex) {
    if (!scanner.fault()) return;
    const CallFault& fault = *scanner.fault();
    std::size_t wordLength = 0;
    while (wordLength < fault.name.size()) {
      const char c = fault.name[wordLength];
      if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) break;
      ++wordLength;
    }
    const std::string word = fault.name.substr(0, wordLength);
    switch (fault.kind) {
      case CallFault::Kind::NoParenthesis:
        warn(WarningKind::CallParentheses, lineIndex, fault.column, "missing '(' after '@" + printable(word) + "'");
        return;
      case CallFault::Kind::Unclosed:
        warn(WarningKind::CallParentheses, lineIndex, fault.column,
             "missing ')' to close '@" + printable(fault.name) + "('");
        return;
      case CallFault::Kind::UnknownName:
        break;
    }
    const bool wordIsFunction = !word.empty() && core::findFunction(upper(word)) != core::Function::Count_;
    if (wordIsFunction && trimBlanks(std::string_view(fault.name).substr(wordLength)).empty()) {
      warn(WarningKind::CallParentheses, lineIndex, fault.column,
           "blank between '@" + word + "' and its '(': the name must be followed directly by '('");
    } else if (wordIsFunction) {
      warn(WarningKind::CallParentheses, lineIndex, fault.column, "missing '(' after '@" + word + "'");
    } else if (!word.empty()) {
      warn(WarningKind::UnknownFunction, lineIndex, fault.column, "'@" + printable(word) + "' selects no function");
    } else {
      warn(WarningKind::UnknownFunction, lineIndex, fault.column,
           "'@' is not followed by a function name ('@" + printable(fault.name) + "(')");
    }
  }

  void unknownCommand(std::size_t lineIndex, const LineStart& start) {
    const std::string_view word = start.word;
    const std::size_t tab = word.find('\t');
    std::string message;
    if (word.substr(0, 3) == "\xEF\xBB\xBF") {
      message = "'" + printable(word) + "' is no command: the file starts with a UTF-8 byte order mark";
    } else if (tab == 0) {
      message = "'" + printable(word) + "' is no command: only blanks may indent a line";
    } else if (tab != std::string_view::npos && core::findCommand(upper(word.substr(0, tab))) != Command::Count) {
      message = "'" + printable(word) + "' is no command: a blank, not a tab, must end the command word";
    } else {
      message = "unknown command '" + printable(word) + "'";
    }
    warn(WarningKind::UnknownCommand, lineIndex, start.wordAt, std::move(message));
  }

  void checkLine(std::size_t& i) {
    const std::string& line = lines_[i];
    const LineStart start = lineStartOf(line);
    switch (start.kind) {
      case LineStart::Kind::Ignored:
        return;
      case LineStart::Kind::NotACommand:
        unknownCommand(i, start);
        return;
      case LineStart::Kind::Assignment: {
        // "%X", blanks and "=" signs, then one field.
        int pos = start.afterWord;
        bool equals = false;
        while (pos <= static_cast<int>(line.size()) &&
               (line[static_cast<std::size_t>(pos - 1)] == ' ' || line[static_cast<std::size_t>(pos - 1)] == '=')) {
          equals = equals || line[static_cast<std::size_t>(pos - 1)] == '=';
          ++pos;
        }
        if (!equals) {
          const std::string_view word = start.word;
          warn(WarningKind::Assignment, i, start.wordAt,
               word.find('=') != std::string_view::npos
                   ? "'" + printable(word) + "' is read as one word: a blank must follow the variable name"
                   : "no '=' after '" + printable(word) + "'");
          return;
        }
        FieldScanner scanner(line, pos);
        scanner.next();
        reportCallFault(scanner, i);
        return;
      }
      case LineStart::Kind::Command:
        break;
    }
    if (start.command == Command::Repeat) repeats_.push_back(i);
    if (start.command == Command::Until) untils_.push_back(i);
    const int fields = fieldsRead(start.command);
    if (fields == 0) return;
    FieldScanner scanner(line, start.afterWord);
    int read = 0;
    if (start.command == Command::Goto || start.command == Command::Gosub) {
      jump(i, start, scanner.next());
      ++read;
    } else if (start.command == Command::Dialog) {
      dialog(i, scanner);
      return;
    }
    for (; !scanner.atEnd() && (fields < 0 || read < fields); ++read) scanner.next();
    reportCallFault(scanner, i);
  }

  void jump(std::size_t lineIndex, const LineStart& start, const Field& target) {
    if (target.expands) {
      // "%E" alone is how a script dispatches events; anything else makes
      // the event labels it reaches unknowable.
      std::string bare(trimBlanks(target.raw));
      std::erase(bare, '"');
      if (bare.size() == 2 && bare[0] == '%' && isVariableLetter(bare[1]))
        eventDispatch_ = true;
      else
        unknowableTargets_ = true;
      return;
    }
    if (target.text.empty()) {
      warn(WarningKind::UndefinedLabel, lineIndex, start.wordAt, commandName(start.command) + " without a label");
      return;
    }
    jumps_.push_back(Jump{static_cast<int>(lineIndex), target.column, start.command, target.text});
    literalTargets_.insert(labelKey(target.text));
  }

  void dialog(std::size_t& i, FieldScanner& scanner) {
    const Field word = scanner.next();
    const auto* row = word.expands ? nullptr : commands::kSubCommands.find(upper(word.text));
    if (row == nullptr) {
      unknowableElements_ = true;  // a sub-command this checker does not know may add elements
    } else if (row->entry == commands::SubCommand::Create) {
      haveDialog_ = true;
      for (int frame = 0; frame < 5; ++frame) scanner.next();  // title, top, left, width, height
      createElements(i, scanner);
      return;
    }
    while (!scanner.atEnd()) scanner.next();
    reportCallFault(scanner, i);
  }

  // The element fields, over as many lines as "-" fields chain together.
  void createElements(std::size_t& i, FieldScanner& scanner) {
    FieldScanner* current = &scanner;
    FieldScanner continued("", 1);
    for (;;) {
      const Field field = current->next();
      if (field.expands) {
        unknowableElements_ = true;
        if (current->atEnd()) break;
        continue;
      }
      if (field.text.empty()) break;
      if (field.text.front() == '-') {
        reportCallFault(*current, i);
        if (i + 1 >= lines_.size()) return;
        ++i;
        continued = FieldScanner(lines_[i], 1);
        current = &continued;
        continue;
      }
      element(field, i);
    }
    reportCallFault(*current, i);
  }

  void element(const Field& field, std::size_t lineIndex) {
    const std::string& text = field.text;
    const std::size_t open = text.find('(');
    const auto* kind = commands::kElementKinds.find(upper(text.substr(0, open)));
    if (kind == nullptr) return;
    std::string parameters;
    if (open != std::string::npos) {
      const std::size_t close = text.find(')', open + 1);
      parameters = text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    }
    const int line = static_cast<int>(lineIndex);
    if (kind->entry == core::ElementKind::Button) {
      const std::string name = parameters.substr(0, parameters.find(';'));
      buttons_.push_back(EventSource{upper(name) + "BUTTON", "button '" + printable(name) + "'", line, field.column});
    } else if (kind->entry == core::ElementKind::Popup) {
      std::size_t from = 0;
      for (;;) {
        const std::size_t bar = parameters.find('|', from);
        const std::string caption = parameters.substr(from, bar == std::string::npos ? bar : bar - from);
        menuItems_.push_back(
            EventSource{upper(caption) + "MENU", "menu item '" + printable(caption) + "'", line, field.column});
        if (bar == std::string::npos) break;
        from = bar + 1;
      }
    }
  }

  void checkJumps() {
    for (const Jump& target : jumps_) {
      const std::string key = labelKey(target.label);
      if (labels_.count(key) != 0) continue;
      std::string message = commandName(target.command) + " to undefined label '" + printable(target.label) + "'";
      const auto near = trimmedLabels_.find(std::string(trimBlanks(key)));
      if (near != trimmedLabels_.end())
        message += " (':" + printable(near->second) + "' differs only in blanks at the end, which count)";
      warn(WarningKind::UndefinedLabel, static_cast<std::size_t>(target.line), target.column, std::move(message));
    }
  }

  // IF, ELSE and END pair up the way the runtime skips over blocks: by the
  // block word of every stored line, nesting by IF and END.
  void checkBlocks() {
    struct Open {
      std::size_t line;
      int column;
      int elseLine;  // 0 while the IF has no ELSE
    };
    std::vector<Open> open;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
      const core::BlockWord word = core::blockWordOf(lines_[i]);
      if (word == core::BlockWord::None) continue;
      const int column = firstNonBlank(lines_[i]);
      switch (word) {
        case core::BlockWord::If:
          open.push_back(Open{i, column, 0});
          break;
        case core::BlockWord::Else:
          if (open.empty()) {
            warn(WarningKind::UnpairedBlock, i, column, "ELSE without IF");
          } else if (open.back().elseLine != 0) {
            warn(WarningKind::UnpairedBlock, i, column,
                 "second ELSE for the IF at line " + std::to_string(open.back().line + 1) + " (its first is at line " +
                     std::to_string(open.back().elseLine) + ")");
          } else {
            open.back().elseLine = static_cast<int>(i) + 1;
          }
          break;
        case core::BlockWord::End:
          if (open.empty())
            warn(WarningKind::UnpairedBlock, i, column, "END without IF");
          else
            open.pop_back();
          break;
        case core::BlockWord::None:
          break;
      }
    }
    for (const Open& block : open) warn(WarningKind::UnpairedBlock, block.line, block.column, "IF without END");
  }

  void checkLoops() {
    // REPEAT and UNTIL pair up as they stand in the text; the stacks of
    // IF blocks and loops are kept apart, as the runtime keeps them.
    std::vector<std::size_t> open;
    std::size_t r = 0;
    for (const std::size_t until : untils_) {
      while (r < repeats_.size() && repeats_[r] < until) open.push_back(repeats_[r++]);
      if (open.empty())
        warn(WarningKind::UnpairedBlock, until, firstNonBlank(lines_[until]), "UNTIL without REPEAT");
      else
        open.pop_back();
    }
    while (r < repeats_.size()) open.push_back(repeats_[r++]);
    for (const std::size_t repeat : open)
      warn(WarningKind::UnpairedBlock, repeat, firstNonBlank(lines_[repeat]), "REPEAT without UNTIL");
  }

  static int firstNonBlank(std::string_view line) {
    int column = 1;
    while (static_cast<std::size_t>(column) < line.size() && line[static_cast<std::size_t>(column - 1)] == ' ')
      ++column;
    return column;
  }

  // Event labels are checked only where they can be known: the script
  // builds its dialogs from literal element lists and reaches its event
  // labels through a jump to a variable holding the event.
  void checkEvents() {
    if (!haveDialog_ || unknowableElements_ || unknowableTargets_ || !eventDispatch_) return;
    std::unordered_set<std::string> events;
    for (const auto* sources : {&buttons_, &menuItems_})
      for (const EventSource& source : *sources) events.insert(source.event);

    for (const auto& [key, label] : labels_) {
      const bool button = key.size() > 6 && endsWith(key, "BUTTON");
      const bool menu = endsWith(key, "MENU");
      if ((!button && !menu) || events.count(key) != 0 || literalTargets_.count(key) != 0) continue;
      if (mentionedOutsideLabels(key)) continue;  // an ordinary label whose name the script builds, say
      const std::string name = label.name.substr(0, label.name.size() - (button ? 6 : 4));
      warn(WarningKind::StrayEventLabel, static_cast<std::size_t>(label.line - 1), 1,
           "label ':" + printable(label.name) + "' handles " +
               (button ? "a button '" + printable(name) + "' that no DIALOG CREATE defines"
                       : "a menu item '" + printable(name) + "' that no POPUP defines"));
    }

    std::unordered_set<std::string> reported;
    for (const auto* sources : {&buttons_, &menuItems_}) {
      for (const EventSource& source : *sources) {
        if (source.event == "MENU" || labels_.count(source.event) != 0 || !reported.insert(source.event).second)
          continue;
        if (mentionedOutsideLabels(source.event)) continue;  // handled by a comparison, say
        warn(WarningKind::UnhandledEvent, static_cast<std::size_t>(source.line), source.column,
             source.what + " has no event label ':" + printable(source.event) + "'");
      }
    }
  }

  bool mentionedOutsideLabels(const std::string& event) {
    if (upperLines_.empty()) {
      upperLines_.reserve(lines_.size());
      for (const std::string& line : lines_)
        upperLines_.push_back(core::labelNameOf(line) ? std::string() : upper(line));
    }
    return std::any_of(upperLines_.begin(), upperLines_.end(),
                       [&](const std::string& line) { return line.find(event) != std::string::npos; });
  }

  const std::vector<std::string>& lines_;
  std::vector<Warning> warnings_;
  std::unordered_map<std::string, Label> labels_;               // key -> first definition
  std::unordered_map<std::string, std::string> trimmedLabels_;  // key without end blanks -> name
  std::vector<Jump> jumps_;
  std::unordered_set<std::string> literalTargets_;
  std::vector<std::size_t> repeats_;
  std::vector<std::size_t> untils_;
  std::vector<EventSource> buttons_;
  std::vector<EventSource> menuItems_;
  std::vector<std::string> upperLines_;
  bool haveDialog_ = false;
  bool unknowableElements_ = false;
  bool unknowableTargets_ = false;
  bool eventDispatch_ = false;
};

}  // namespace

std::vector<Warning> checkScript(const std::vector<std::string>& lines) { return Checker(lines).run(); }

}  // namespace quillan::checker
