#include "LineDiff.h"

#include <vector>

namespace quillan::manual {
namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string visible(const std::string& line) {
  std::string shown;
  for (char c : line) shown += c == '\t' ? std::string("\\t") : std::string(1, c);
  return shown;
}

}  // namespace

std::string lineDiff(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> a = splitLines(expected);
  const std::vector<std::string> b = splitLines(actual);
  std::string diff;
  // A runaway script can print far more than an example shows; past this
  // size the table would cost more than the two texts are worth.
  if (a.size() * b.size() > 4'000'000) {
    for (const auto& line : a) diff += "-" + visible(line) + "\n";
    for (const auto& line : b) diff += "+" + visible(line) + "\n";
    return diff;
  }
  // common[i][j]: the longest common run of lines of a[i..] and b[j..].
  std::vector<std::vector<std::size_t>> common(a.size() + 1, std::vector<std::size_t>(b.size() + 1, 0));
  for (std::size_t i = a.size(); i-- > 0;)
    for (std::size_t j = b.size(); j-- > 0;)
      common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      diff += " " + visible(a[i++]) + "\n";
      ++j;
    } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
      diff += "+" + visible(b[j++]) + "\n";
    } else {
      diff += "-" + visible(a[i++]) + "\n";
    }
  }
  const bool expectedEnds = expected.empty() || expected.back() == '\n';
  const bool actualEnds = actual.empty() || actual.back() == '\n';
  if (expectedEnds != actualEnds)
    diff += actualEnds ? "(the expected text has no final newline)\n" : "(the actual output has no final newline)\n";
  return diff;
}

}  // namespace quillan::manual
