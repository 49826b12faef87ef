// FILE COPY, RENAME, DELETE, SETDATE and SETATTR. Each reads its fields,
// does nothing more once a field has set an error, and leaves the outcome
// of the file operation in the success flag.
#include <iterator>

#include "runtime/commands/FileCommands.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/DateTimeText.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::commands {

using core::Runtime;

namespace {

constexpr core::KeywordRow<FileAction> kActionRows[] = {{1, FileAction::Copy},
                                                        {5, FileAction::Rename},
                                                        {11, FileAction::Delete},
                                                        {17, FileAction::SetDate},
                                                        {24, FileAction::SetAttr}};

}  // namespace

const core::KeywordTable<FileAction> kFileActions{"COPYRENAMEDELETESETDATESETATTR", kActionRows};

namespace {

// Mode words compare without regard to case.
bool sameWord(std::string text, std::string_view word) {
  core::upperAsciiInPlace(text);
  return text == word;
}

void copy(Runtime& rt, os::FileOperations& files, const std::string& file) {
  const std::string target = core::requiredField(rt);
  const std::string mode = core::nextField(rt);
  if (rt.error != 0) return;
  rt.success = files.copyFile(file, target, !sameWord(mode, "WARNOVERWRITE"));
}

void rename(Runtime& rt, os::FileOperations& files, const std::string& file) {
  const std::string target = core::requiredField(rt);
  if (rt.error != 0) return;
  rt.success = files.moveFile(file, target);
}

void remove(Runtime& rt, os::FileOperations& files, const std::string& file) { rt.success = files.deleteFile(file); }

// The date by the user's short date format and the time of day; a field
// that is empty or does not parse keeps that part of the file's own time.
void setDate(Runtime& rt, os::FileOperations& files, const std::string& file) {
  const std::string date = core::nextField(rt);
  const std::string time = core::nextField(rt);
  if (rt.error != 0) return;
  const std::optional<os::LocalDateTime> current = files.writableFileTime(file);
  if (!current) {
    rt.success = false;
    return;
  }
  const os::LocaleSettings& locale = functions::localeSettings(rt);
  os::LocalDateTime moment = *current;
  if (os::LocalDateTime day; !date.empty() && functions::parseShortDate(date, locale, day)) {
    moment.year = day.year;
    moment.month = day.month;
    moment.day = day.day;
  }
  if (!time.empty()) functions::parseTimeOfDay(time, locale, moment);
  rt.success = files.setModificationTime(file, moment);
}

struct AttributeLetter {
  char letter;
  std::uint8_t bit;
};
constexpr AttributeLetter kAttributeLetters[] = {
    {'A', os::kArchive}, {'H', os::kHidden}, {'R', os::kReadOnly}, {'S', os::kSystem}};

// "+" and "-" switch between setting and clearing; a letter that is no
// attribute is error 13, and the letters after it still count.
void setAttr(Runtime& rt, os::FileOperations& files, const std::string& file) {
  std::string text = core::nextField(rt);
  if (rt.error != 0) return;
  const std::optional<std::uint8_t> current = files.attributes(file);
  if (!current) {
    rt.success = false;
    return;
  }
  core::upperAsciiInPlace(text);
  std::uint8_t bits = *current;
  bool setting = true;
  for (const char c : text) {
    if (c == '+' || c == '-') {
      setting = c == '+';
      continue;
    }
    const AttributeLetter* found = nullptr;
    for (const AttributeLetter& row : kAttributeLetters)
      if (row.letter == c) found = &row;
    if (found == nullptr) {
      rt.fail(core::kBadValue);
      continue;
    }
    bits = setting ? static_cast<std::uint8_t>(bits | found->bit) : static_cast<std::uint8_t>(bits & ~found->bit);
  }
  rt.success = files.setAttributes(file, bits);
}

constexpr PathAction kHandlers[] = {&copy, &rename, &remove, &setDate, &setAttr};  // in FileAction order

static_assert(std::size(kHandlers) == std::size(kActionRows));

void file(Runtime& rt) { runPathAction(rt, kFileActions, kHandlers); }

constexpr core::CommandRow kRows[] = {{core::Command::File, &file}};

}  // namespace

const std::span<const core::CommandRow> kFileCommands = kRows;

}  // namespace quillan::commands
