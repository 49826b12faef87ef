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

void create(Runtime& rt, os::FileOperations& files, const std::string& path) {
  rt.success = createWithParents(files, path);
}

void change(Runtime& rt, os::FileOperations& files, const std::string& path) {
  rt.success = files.changeDirectory(path);
}

void remove(Runtime& rt, os::FileOperations& files, const std::string& path) {
  rt.success = files.removeDirectory(path);
}

constexpr PathAction kHandlers[] = {&create, &change, &remove};  // in DirectoryAction order
static_assert(std::size(kHandlers) == std::size(kActionRows));

void directory(Runtime& rt) { runPathAction(rt, kDirectoryActions, kHandlers); }

constexpr core::CommandRow kRows[] = {{core::Command::Directory, &directory}};

}  // namespace

const std::span<const core::CommandRow> kDirectoryCommands = kRows;

}  // namespace quillan::commands
