// DIRECTORY CREATE, CHANGE and DELETE.
#include <iterator>

#include "runtime/commands/FileCommands.h"
#include "runtime/core/FieldReader.h"

namespace quillan::commands {

using core::Runtime;

namespace {

constexpr core::KeywordRow<DirectoryAction> kActionRows[] = {
    {1, DirectoryAction::Create}, {7, DirectoryAction::Change}, {13, DirectoryAction::Delete}};

}  // namespace

const core::KeywordTable<DirectoryAction> kDirectoryActions{"CREATECHANGEDELETE", kActionRows};

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Creates path and every missing directory above it. A directory that is
// already there counts as made for the ones below it, but not for itself:
// creating an existing directory fails.
bool createWithParents(os::FileOperations& files, std::string path) {
  while (path.size() > 1 && isSeparator(path.back())) path.pop_back();
  if (files.createDirectory(path)) return true;
  std::size_t cut = path.size();
  while (cut > 0 && !isSeparator(path[cut - 1])) --cut;
  if (cut == 0) return false;
  std::string parent = path.substr(0, cut);
  while (parent.size() > 1 && isSeparator(parent.back())) parent.pop_back();
  if (!files.isDirectory(parent) && !createWithParents(files, parent)) return false;
  return files.createDirectory(path);
}

void create(os::FileOperations& files, Runtime& rt, const std::string& path) {
  rt.success = createWithParents(files, path);
}

void change(os::FileOperations& files, Runtime& rt, const std::string& path) {
  rt.success = files.changeDirectory(path);
}

void remove(os::FileOperations& files, Runtime& rt, const std::string& path) {
  rt.success = files.removeDirectory(path);
}

using DirectoryHandler = void (*)(os::FileOperations&, Runtime&, const std::string&);
constexpr DirectoryHandler kHandlers[] = {&create, &change, &remove};  // in DirectoryAction order
static_assert(std::size(kHandlers) == std::size(kActionRows));

void directory(Runtime& rt) {
  std::string action = core::requiredField(rt);
  if (rt.error != 0) return;
  core::upperAsciiInPlace(action);
  const auto* row = kDirectoryActions.find(action);
  if (row == nullptr) {
    rt.fail(core::kUnknownWord);
    return;
  }
  const std::string path = core::requiredField(rt);
  if (rt.error != 0) return;
  if (rt.os.files == nullptr) {
    rt.success = false;
    return;
  }
  kHandlers[static_cast<std::size_t>(row->entry)](*rt.os.files, rt, path);
}

constexpr core::CommandRow kRows[] = {{core::Command::Directory, &directory}};

}  // namespace

const std::span<const core::CommandRow> kDirectoryCommands = kRows;

}  // namespace quillan::commands
