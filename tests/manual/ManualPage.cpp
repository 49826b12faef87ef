#include "ManualPage.h"

#include <cctype>
#include <optional>

namespace quillan::manual {
namespace {

constexpr std::string_view kFence = "```";

std::string trim(std::string_view text) {
  std::size_t start = 0;
  std::size_t end = text.size();
  while (start < end && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  while (end > start && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
  return std::string(text.substr(start, end - start));
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

struct Block {
  int line = 0;
  std::string info;
  std::string text;
};

bool isExampleInfo(const std::string& info) {
  return info == "qs run" || info == "answers" || info.rfind("transcript", 0) == 0;
}

// "transcript" is exit status 0, "transcript exit=N" is N; anything else
// that starts with "transcript" is a typo the writer must hear about.
std::optional<int> transcriptStatus(const std::string& info) {
  if (info == "transcript") return 0;
  const std::string prefix = "transcript exit=";
  if (info.rfind(prefix, 0) != 0 || info.size() == prefix.size() || info.size() > prefix.size() + 3) return {};
  int status = 0;
  for (std::size_t i = prefix.size(); i < info.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(info[i]))) return {};
    status = status * 10 + (info[i] - '0');
  }
  return status;
}

// Every `word` of a level-3 heading: the name up to the first blank or
// parenthesis, upper-cased, with its '@' when it has one.
void collectHeadingNames(const std::string& heading, std::set<std::string>& names) {
  std::size_t open = heading.find('`');
  while (open != std::string::npos) {
    const std::size_t close = heading.find('`', open + 1);
    if (close == std::string::npos) return;
    std::string name;
    for (std::size_t i = open + 1; i < close; ++i) {
      const unsigned char c = static_cast<unsigned char>(heading[i]);
      if (std::isalnum(c) || (c == '@' && name.empty()))
        name.push_back(static_cast<char>(std::toupper(c)));
      else
        break;
    }
    if (!name.empty() && name != "@") names.insert(name);
    open = heading.find('`', close + 1);
  }
}

}  // namespace

Page parsePage(const std::string& markdown) {
  Page page;
  std::vector<Block> blocks;
  std::optional<Block> open;
  const std::vector<std::string> lines = splitLines(markdown);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const int number = static_cast<int>(i) + 1;
    if (open) {
      if (trim(line) == kFence) {
        blocks.push_back(std::move(*open));
        open.reset();
      } else {
        open->text += line + "\n";
      }
      continue;
    }
    if (line.rfind(kFence, 0) == 0) {
      open = Block{number, trim(std::string_view(line).substr(kFence.size())), {}};
    } else if (const std::string stripped = trim(line); stripped.rfind(kFence, 0) == 0) {
      // An indented fence would be shown but never run: refuse it rather
      // than let an example drift unseen.
      if (isExampleInfo(trim(std::string_view(stripped).substr(kFence.size()))))
        page.errors.push_back({number, "an example block's fence must start at the beginning of its line"});
      open = Block{number, trim(std::string_view(stripped).substr(kFence.size())), {}};
    } else if (line.rfind("### ", 0) == 0) {
      collectHeadingNames(line, page.headingNames);
    }
  }
  if (open) page.errors.push_back({open->line, "fenced block is never closed"});

  std::optional<Example> pending;
  const auto dropPending = [&](const std::string& why) {
    page.errors.push_back({pending->line, why});
    pending.reset();
  };
  for (Block& block : blocks) {
    if (block.info == "qs run") {
      if (pending) dropPending("runnable example has no transcript block");
      pending = Example{};
      pending->line = block.line;
      pending->script = std::move(block.text);
    } else if (block.info == "answers") {
      if (!pending || pending->hasAnswers)
        page.errors.push_back({block.line, "answers block does not follow a runnable example"});
      else
        pending->hasAnswers = true, pending->answers = std::move(block.text);
    } else if (block.info.rfind("transcript", 0) == 0) {
      const std::optional<int> status = transcriptStatus(block.info);
      if (!status) {
        page.errors.push_back({block.line,
                               "transcript block's info string must be \"transcript\" or "
                               "\"transcript exit=N\", not \"" +
                                   block.info + "\""});
        if (pending) pending.reset();
      } else if (!pending) {
        page.errors.push_back({block.line, "transcript block does not follow a runnable example"});
      } else {
        pending->transcript = std::move(block.text);
        pending->exitStatus = *status;
        page.examples.push_back(std::move(*pending));
        pending.reset();
      }
    } else if (pending) {
      dropPending("runnable example is followed by a \"" + block.info + "\" block before its transcript");
    }
  }
  if (pending) dropPending("runnable example has no transcript block");
  return page;
}

}  // namespace quillan::manual
