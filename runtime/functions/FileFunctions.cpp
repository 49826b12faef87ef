// The file functions: FILE (a directory search), PATH, NAME and EXT (parts
// of a path), SHORTNAME, VOLINFO (the file system the current directory
// lies on) and VERINFO (an executable's version strings).
#include "platform/peicon/VersionInfo.h"
#include "runtime/core/FieldReader.h"
#include "runtime/functions/DirectorySearch.h"
#include "runtime/functions/FunctionLibrary.h"
#include "runtime/functions/FunctionSupport.h"

namespace quillan::functions {
namespace {

std::string_view fileNameOf(std::string_view path) { return path.substr(directoryPart(path).size()); }

// Values joined by the field separator; a value added to an empty result
// takes none in front.
void appendValue(Runtime& rt, std::string& result, std::string_view value) {
  if (!result.empty()) result.push_back(rt.settings.fieldSep);
  result.append(value);
}

void file(Runtime& rt, std::string& result) {
  const std::string searchPath = core::nextArgument(rt);
  const std::string letters = core::nextArgument(rt);
  if (rt.error != 0 || searchPath.empty() || rt.os.files == nullptr) return;
  result = firstMatch(*rt.os.files, searchPath, parseEntrySelection(letters), rt.settings.fieldSep);
}

void path(Runtime& rt, std::string& result) { result = directoryPart(core::nextArgument(rt)); }

void name(Runtime& rt, std::string& result) {
  const std::string path = core::nextArgument(rt);
  const std::string_view file = fileNameOf(path);
  result = file.substr(0, file.find('.'));
}

void ext(Runtime& rt, std::string& result) {
  const std::string path = core::nextArgument(rt);
  const std::string_view file = fileNameOf(path);
  const std::size_t dot = file.rfind('.');
  if (dot != std::string_view::npos) result = file.substr(dot + 1, 3);
}

// There are no short names: a path that exists is its own short form.
void shortname(Runtime& rt, std::string& result) {
  const std::string path = core::nextArgument(rt);
  if (rt.error != 0 || path.empty() || rt.os.files == nullptr) return;
  if (rt.os.files->attributes(path)) result = path;
}

std::string_view driveTypeName(os::DriveType type) {
  constexpr struct {
    os::DriveType type;
    std::string_view name;
  } kNames[] = {{os::DriveType::Removable, "Removable"},
                {os::DriveType::Fixed, "Fixed"},
                {os::DriveType::Network, "Network"},
                {os::DriveType::CdRom, "CD-ROM"},
                {os::DriveType::Ram, "RAM"}};
  for (const auto& row : kNames)
    if (row.type == type) return row.name;
  return {};
}

// There are no drives: the letter is read and ignored, and the answers are
// about the file system of the current directory. F, S and N each set the
// success flag; the last one counts.
void volinfo(Runtime& rt, std::string& result) {
  core::nextArgument(rt);
  const std::string letters = core::argumentOr(rt, "N");
  if (rt.error != 0 || rt.os.files == nullptr) return;
  os::FileOperations& files = *rt.os.files;
  for (const char c : letters) {
    switch (core::upperAscii(c)) {
      case 'F':
      case 'S': {
        const std::optional<os::VolumeSpace> space = files.volumeSpace(".");
        rt.success = space.has_value();
        const std::uint64_t kb = !space ? 0 : core::upperAscii(c) == 'F' ? space->freeKb : space->totalKb;
        appendValue(rt, result, space ? std::to_string(kb) : std::string());
        break;
      }
      case 'N': {
        const std::optional<std::string> label = files.volumeLabel(".");
        rt.success = label.has_value();
        appendValue(rt, result, label.value_or(std::string()));
        break;
      }
      case 'T':
        appendValue(rt, result, driveTypeName(files.driveType(".")));
        break;
      default:
        break;
    }
  }
}

struct VersionLetter {
  char letter;
  std::string peicon::VersionInfo::*field;
};
constexpr VersionLetter kVersionLetters[] = {{'C', &peicon::VersionInfo::companyName},
                                             {'D', &peicon::VersionInfo::fileDescription},
                                             {'N', &peicon::VersionInfo::originalFilename},
                                             {'P', &peicon::VersionInfo::productName},
                                             {'T', &peicon::VersionInfo::type},
                                             {'V', &peicon::VersionInfo::fileVersion},
                                             {'X', &peicon::VersionInfo::productVersion},
                                             {'Y', &peicon::VersionInfo::legalCopyright}};

void verinfo(Runtime& rt, std::string& result) {
  const std::string path = core::requiredArgument(rt);
  const std::string letters = core::argumentOr(rt, "T");
  if (rt.error != 0) return;
  std::string bytes;
  peicon::VersionInfo info;
  if (rt.os.fs == nullptr || rt.os.fs->readFile(path, bytes) != 0) {
    info.type = "**";
  } else {
    info = peicon::readVersionInfo(bytes);
  }
  for (const char c : letters) {
    const VersionLetter* found = nullptr;
    for (const VersionLetter& row : kVersionLetters)
      if (row.letter == core::upperAscii(c)) found = &row;
    if (found == nullptr) {
      rt.fail(core::kBadValue);
      continue;
    }
    appendValue(rt, result, info.*found->field);
  }
}

constexpr FunctionRow kRows[] = {{Function::File, &file},           {Function::Path, &path},
                                 {Function::Name, &name},           {Function::Ext, &ext},
                                 {Function::ShortName, &shortname}, {Function::VolInfo, &volinfo},
                                 {Function::VerInfo, &verinfo}};

}  // namespace

const std::span<const FunctionRow> kFileFunctions = kRows;

}  // namespace quillan::functions
