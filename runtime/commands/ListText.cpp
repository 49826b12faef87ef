#include "runtime/commands/ListText.h"

namespace quillan::commands {

std::vector<std::string_view> fileLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string_view> pastedItems(std::string_view text) {
  std::vector<std::string_view> items;
  do {
    const std::size_t end = text.find('\r');
    items.push_back(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!text.empty() && text.front() == '\n') text.remove_prefix(1);
  } while (!text.empty());
  return items;
}

namespace {

std::string joined(const core::ScriptList& list, bool breakAfterLast) {
  std::vector<std::string> items;
  const std::int32_t count = list.count();
  items.reserve(static_cast<std::size_t>(count));
  std::size_t length = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    items.push_back(list.item(i));
    length += items.back().size() + 2;
  }
  std::string text;
  text.reserve(length);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += items[i];
  }
  if (breakAfterLast && count > 0) text += "\r\n";
  return text;
}

}  // namespace

std::string savedText(const core::ScriptList& list) { return joined(list, true); }
std::string copiedText(const core::ScriptList& list) { return joined(list, false); }

}  // namespace quillan::commands
