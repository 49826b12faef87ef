#include "tools/quillan-syntax/SyntaxWords.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "runtime/commands/CommandKeywords.h"
#include "runtime/core/Commands.h"
#include "runtime/core/FunctionNames.h"

namespace quillan::syntax {
namespace {

// Names the function tables answer to besides their rows' own: the NOT row
// also selects NULL (its handler tells the two apart by the name read).
constexpr std::array<std::string_view, 1> kFunctionAliases = {"NULL"};

// The tables whose words are already in the command and function lists.
constexpr std::array<std::string_view, 3> kNameTables = {"commands", "functions", "block words"};

// Table names carry their packing: a ';' that ends an option, blanks that
// fill a colour's slot.
std::string bareWord(std::string_view name) {
  while (!name.empty() && (name.back() == ';' || name.back() == ' ')) name.remove_suffix(1);
  return std::string(name);
}

bool contains(const std::vector<std::string>& words, const std::string& word) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace

SyntaxWords languageWords() {
  SyntaxWords words;
  for (std::string_view name : core::kCommandNames) words.commands.emplace_back(name);
  for (std::string_view name : core::kFunctionNames) words.functions.emplace_back(name);
  for (std::string_view alias : kFunctionAliases) words.functions.emplace_back(alias);

  for (const core::KeywordTableFacts& table : commands::allKeywordTables()) {
    if (std::find(kNameTables.begin(), kNameTables.end(), table.title) != kNameTables.end()) continue;
    for (const auto& row : table.rows) {
      std::string word = bareWord(row.second);
      // Single letters (the X and Y of CLICK) would light up every such
      // letter in a line; names of commands and functions have their own.
      if (word.size() < 2 || contains(words.commands, word) || contains(words.functions, word) ||
          contains(words.keywords, word)) {
        continue;
      }
      words.keywords.push_back(std::move(word));
    }
  }
  return words;
}

}  // namespace quillan::syntax
