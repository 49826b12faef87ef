#include "runtime/dialog/MciCommand.h"

#include <vector>

namespace quillan::dialog {
namespace {

std::string upper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return out;
}

// Blank-separated words; a double-quoted stretch is one word without its
// quotes.
std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '\t') {
      ++i;
      continue;
    }
    std::string word;
    if (text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      word = text.substr(i + 1, close == std::string_view::npos ? std::string_view::npos : close - i - 1);
      i = close == std::string_view::npos ? text.size() : close + 1;
    } else {
      while (i < text.size() && text[i] != ' ' && text[i] != '\t') word.push_back(text[i++]);
    }
    words.push_back(std::move(word));
  }
  return words;
}

struct VerbRow {
  std::string_view word;
  MciCommand::Verb verb;
};

constexpr VerbRow kVerbs[] = {{"OPEN", MciCommand::Verb::Open},    {"PLAY", MciCommand::Verb::Play},
                              {"PAUSE", MciCommand::Verb::Pause},  {"RESUME", MciCommand::Verb::Resume},
                              {"STOP", MciCommand::Verb::Stop},    {"CLOSE", MciCommand::Verb::Close},
                              {"STATUS", MciCommand::Verb::Status}};

struct ItemRow {
  std::string_view word;
  MciCommand::Item item;
};

constexpr ItemRow kItems[] = {
    {"MODE", MciCommand::Item::Mode}, {"LENGTH", MciCommand::Item::Length}, {"POSITION", MciCommand::Item::Position}};

constexpr std::string_view kUnderstood = "open, play, pause, resume, stop, close and status";

}  // namespace

bool parseMciCommand(std::string_view text, MciCommand& command, std::string& error) {
  const std::vector<std::string> words = wordsOf(text);
  command = MciCommand{};
  const std::string verb = words.empty() ? std::string() : upper(words[0]);
  const VerbRow* row = nullptr;
  for (const VerbRow& r : kVerbs)
    if (r.word == verb) row = &r;
  if (row == nullptr) {
    error = "the media command \"" + (words.empty() ? std::string() : words[0]) +
            "\" is not supported; this runtime understands " + std::string(kUnderstood);
    return false;
  }
  command.verb = row->verb;
  if (words.size() < 2) {
    error = "the media command " + verb + " needs a device name";
    return false;
  }
  command.device = command.verb == MciCommand::Verb::Open ? words[1] : upper(words[1]);
  for (std::size_t i = 2; i < words.size(); ++i) {
    const std::string word = upper(words[i]);
    const bool opening = command.verb == MciCommand::Verb::Open;
    if (word == "WAIT" && (opening || command.verb == MciCommand::Verb::Play)) {
      command.wait = true;
    } else if (opening && (word == "ALIAS" || word == "TYPE") && i + 1 < words.size()) {
      if (word == "ALIAS") command.alias = upper(words[i + 1]);
      ++i;  // the type is whatever the file is
    } else if (command.verb == MciCommand::Verb::Status && command.item == MciCommand::Item::None) {
      for (const ItemRow& r : kItems)
        if (r.word == word) command.item = r.item;
      if (command.item == MciCommand::Item::None) {
        error = "the status item \"" + words[i] + "\" is not supported; this runtime knows mode, length and position";
        return false;
      }
    } else {
      error = "\"" + words[i] + "\" is not supported in the media command " + verb;
      return false;
    }
  }
  if (command.verb == MciCommand::Verb::Status && command.item == MciCommand::Item::None) {
    error = "the media command STATUS needs an item: mode, length or position";
    return false;
  }
  if (command.verb == MciCommand::Verb::Open && command.alias.empty()) {
    // Without an alias a device goes by its file's name.
    const std::size_t slash = command.device.find_last_of("/\\");
    command.alias = upper(slash == std::string::npos ? command.device : command.device.substr(slash + 1));
  }
  return true;
}

}  // namespace quillan::dialog
