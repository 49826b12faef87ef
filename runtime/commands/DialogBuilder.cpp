#include "runtime/commands/DialogBuilder.h"

#include "runtime/commands/DialogTables.h"
#include "runtime/core/Keywords.h"
#include "runtime/functions/NumberText.h"

namespace quillan::commands {
namespace {

using core::ElementKind;
using core::ElementSpec;

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string upper(std::string text) {
  core::upperAsciiInPlace(text);
  return text;
}

// Blanks and control characters off both ends, as font and colour names
// are read.
std::string trimmed(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
  return std::string(text.substr(first, last - first));
}

std::vector<std::string> splitAll(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      pieces.emplace_back(text.substr(start));
      return pieces;
    }
    pieces.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

bool isIdentifier(std::string_view name) {
  if (name.empty() || !isLetter(name.front())) return false;
  for (const char c : name)
    if (!isLetter(c) && !isDigit(c)) return false;
  return true;
}

std::string ParameterList::take() {
  const std::size_t end = rest_.find(separator_);
  std::string field = rest_.substr(0, end);
  rest_.erase(0, end == std::string::npos ? rest_.size() : end + 1);
  if (rest_.size() > kKeptLength) rest_.resize(kKeptLength);
  return field;
}

std::int32_t ParameterList::integer(std::int32_t fallback) {
  std::int32_t value = 0;
  return functions::parseInteger(take(), value) ? value : fallback;
}

void DialogBuilder::build(std::string_view description) {
  // KIND(parameters): the list runs to the first ")" after the "(", or to
  // the end of the field when there is none.
  const std::size_t open = description.find('(');
  std::string_view parameters;
  if (open != std::string_view::npos) {
    const std::size_t close = description.find(')', open + 1);
    parameters =
        description.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
  }
  const auto* row = kElementKinds.find(upper(std::string(description.substr(0, open))));
  if (row == nullptr) {
    rt_.fail(core::kUnknownWord);
    return;
  }
  const core::ElementKindRow& kind = core::kindRow(row->entry);
  if (kind.shape == core::KindShape::PopupMenu) {
    popup(parameters);
    return;
  }
  ParameterList list{std::string(parameters)};
  switch (kind.shape) {
    case core::KindShape::Placed:
      placed(kind, list);
      break;
    case core::KindShape::StatusBar:
      status(list);
      break;
    case core::KindShape::TrayIcon:
      taskIcon(list);
      break;
    case core::KindShape::Styles:
      style(list);
      break;
    case core::KindShape::DialogType:
      dialogType(list);
      break;
    case core::KindShape::PopupMenu:
      break;
  }
}

void DialogBuilder::place(ElementSpec& spec, ParameterList& list, int width, int height) {
  std::string name = list.take();
  if (isIdentifier(name)) {
    spec.name = std::move(name);
  } else {
    rt_.fail(core::kBadElementName);  // the element is still made, unnamed
  }
  spec.top = list.integer(10);
  spec.left = list.integer(10);
  spec.width = list.integer(width);
  spec.height = list.integer(height);
}

const core::TextStyle* DialogBuilder::findStyle(std::string_view name) const {
  const std::string wanted = upper(std::string(name));
  for (const auto& s : styles_)
    if (s.name == wanted) return &s;
  return nullptr;
}

void DialogBuilder::styleField(ElementSpec& spec, const std::string& word, std::string_view keyword, bool* flag) {
  if (word.empty()) return;
  if (!keyword.empty() && upper(word) == keyword) {
    *flag = true;
  } else if (const core::TextStyle* s = findStyle(word)) {
    spec.styles.push_back(*s);
  } else {
    rt_.fail(core::kBadStyle);
  }
}

void DialogBuilder::options(ElementSpec& spec, ParameterList& list, std::string_view keyword, bool* flag) {
  while (!list.usedUp()) styleField(spec, list.take(), keyword, flag);
}

void DialogBuilder::placed(const core::ElementKindRow& kind, ParameterList& list) {
  const int line = host_.lineHeight();
  ElementSpec spec;
  spec.kind = kind.kind;
  place(spec, list, kind.width.at(line), kind.height.at(line));
  if (kind.text) spec.text = list.take();
  if (kind.captionFromName && spec.text.empty()) spec.text = spec.name;
  if (kind.number) spec.number = list.integer(0);
  if (kind.items) {
    spec.items = splitAll(list.take(), '|');
    spec.selected = list.take();
  }
  bool* flag = kind.flag != nullptr ? &(spec.*kind.flag) : nullptr;
  switch (kind.options) {
    case core::KindOptions::None:
      break;
    case core::KindOptions::OneStyle:
      styleField(spec, list.take(), kind.keyword, flag);
      break;
    case core::KindOptions::Styles:
      options(spec, list, kind.keyword, flag);
      break;
    case core::KindOptions::BitmapOptions:
      bitmapOptions(spec, list);
      break;
  }
  if (kind.items && spec.height == 0) spec.height = 18 + 18 * static_cast<int>(spec.items.size());
  if (kind.defaultButton && !defaultButtonTaken_) spec.defaultButton = defaultButtonTaken_ = true;
  create(spec);
}

void DialogBuilder::bitmapOptions(ElementSpec& spec, ParameterList& list) {
  while (!list.usedUp()) {
    const std::string word = upper(list.take());
    if (word.empty()) continue;
    const auto* option = kBitmapOptions.find(word);
    if (option == nullptr) {
      rt_.fail(core::kBadStyle);
      continue;
    }
    switch (option->entry) {
      case BitmapOption::Click:
        spec.clickable = true;
        break;
      case BitmapOption::Hand:
        spec.clickable = true, clickCursor_ = core::ClickCursor::Hand;
        break;
      case BitmapOption::Cross:
        spec.clickable = true, clickCursor_ = core::ClickCursor::Cross;
        break;
      case BitmapOption::Stretch:
        spec.stretch = true;
        break;
    }
  }
  spec.cursor = clickCursor_;
}

void DialogBuilder::status(ParameterList& list) {
  ElementSpec spec;
  spec.kind = ElementKind::Status;
  spec.name = list.take();
  spec.text = list.take();
  styleField(spec, list.take());
  // The name is not checked like a placed element's, but a window cannot
  // carry a name that is not an identifier: creating it fails.
  if (!spec.name.empty() && !isIdentifier(spec.name)) {
    rt_.fail(core::kElementNotCreated);
    return;
  }
  create(spec);
}

void DialogBuilder::taskIcon(ParameterList& list) {
  ElementSpec spec;
  spec.kind = ElementKind::TaskIcon;
  spec.name = list.take();
  spec.text = list.take();
  spec.tip = list.take();
  if (!isIdentifier(spec.name)) {
    rt_.fail(core::kBadElementName);
    return;
  }
  create(spec);
}

void DialogBuilder::create(ElementSpec& spec) {
  if (core::kindRow(spec.kind).takesFocus && !focusTaken_) spec.takesFocus = focusTaken_ = true;
  switch (host_.addElement(spec)) {
    case core::CreateResult::Created:
      break;
    case core::CreateResult::Refused:
      rt_.fail(core::kElementNotCreated);
      break;
    case core::CreateResult::IconNotLoaded:
      rt_.fail(core::kIconNotLoaded);
      break;
  }
}

void DialogBuilder::style(ParameterList& list) {
  for (;;) {
    core::TextStyle s;
    s.name = upper(list.take());
    if (s.name.empty()) return;
    if (findStyle(s.name) != nullptr) {
      rt_.fail(core::kStyleTwice);
      return;
    }
    if (std::string font = trimmed(list.take()); !font.empty()) s.font = std::move(font);
    s.size = list.integer(8);
    for (const char letter : upper(list.take())) {
      switch (letter) {
        case 'B':
          s.bold = true;
          break;
        case 'I':
          s.italic = true;
          break;
        case 'L':
          s.alignment = core::Alignment::Left;
          break;
        case 'R':
          s.alignment = core::Alignment::Right;
          break;
        case 'C':
          s.alignment = core::Alignment::Centre;
          break;
        default:
          break;
      }
    }
    std::string background = upper(trimmed(list.take()));
    std::string foreground = upper(trimmed(list.take()));
    const auto back = colourNamed(background.empty() ? "BACKGRND" : background);
    const auto fore = colourNamed(foreground.empty() ? "FOREGRND" : foreground);
    if (back) s.background = *back;
    if (fore) s.foreground = *fore;
    styles_.push_back(s);
    if (!back || !fore || s.size < 7) {
      rt_.fail(core::kUnknownWord);
      return;
    }
  }
}

void DialogBuilder::dialogType(ParameterList& list) {
  // At least one word is read: DLGTYPE() names the empty style.
  do {
    const auto* row = kDialogStyles.find(upper(list.take()));
    if (row == nullptr) {
      rt_.fail(core::kUnknownWord);
      return;
    }
    host_.addDialogStyle(row->entry);
  } while (!list.usedUp());
}

void DialogBuilder::popup(std::string_view parameters) { host_.setPopupMenu(splitAll(parameters, '|')); }

}  // namespace quillan::commands
