#include "runtime/core/Variables.h"

#include "runtime/core/FieldReader.h"
#include "runtime/core/Keywords.h"
#include "runtime/core/Settings.h"

namespace quillan::core {

namespace {
constexpr std::string_view kDefaultIniName = "QN16.INI";
}  // namespace

void setVariable(Runtime& rt, std::string_view name, std::string_view value) {
  if (!name.empty() && name.front() == '%') {
    const char c = name.size() > 1 ? upperAscii(name[1]) : '\0';
    std::string* slot = nullptr;
    if (c >= '1' && c <= '9') slot = &rt.vars[static_cast<std::size_t>(c - '1')];
    if (c >= 'A' && c <= 'Z') slot = &rt.vars[static_cast<std::size_t>(9 + (c - 'A'))];
    if (slot == nullptr) {
      rt.fail(kNoSuchVariable);
      return;
    }
    slot->assign(value);
    return;
  }
  if (!rt.dialog->exists()) return;
  if (!rt.dialog->setElement(name, value)) rt.fail(kNoSuchVariable);
}

void splitInto(Runtime& rt, std::string_view text, std::string_view names, char separator) {
  std::string list(names);
  upperAsciiInPlace(list);
  std::string rest(text);
  while (!rest.empty() && !list.empty()) {
    const std::size_t first = rest.find_first_not_of(' ');
    rest.erase(0, first == std::string::npos ? rest.size() : first);
    if (rest.empty()) break;
    std::size_t i = 0;
    if (rest.front() == '"') {
      rest.erase(0, 1);
      const std::size_t close = rest.find('"');
      if (close != std::string::npos) {
        rest.erase(close, 1);
        i = close;  // scanning for the separator resumes behind the quoted part
      }
    }
    while (i < rest.size() && rest[i] != separator) ++i;
    const std::string field = rest.substr(0, i);
    const std::size_t semicolon = list.find(';');
    const std::string name = list.substr(0, semicolon);
    list.erase(0, semicolon == std::string::npos ? list.size() : semicolon + 1);
    if (!name.empty()) setVariable(rt, name, field);
    rest.erase(0, i < rest.size() ? i + 1 : rest.size());
  }
}

std::string sectionPrefixFor(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  std::string_view file = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = file.find('.');
  if (dot != std::string_view::npos) file = file.substr(0, dot);
  return "Program\\" + std::string(file);
}

std::string iniSectionFor(const Runtime& rt, std::string_view section) {
  const std::string_view name = section.empty() ? std::string_view("Default") : section;
  if (!rt.settings.usingDefaultIni) return std::string(name);
  return rt.settings.sectionPrefix + "\\" + std::string(name);
}

void prepare(Runtime& rt, std::string_view scriptPath, const std::vector<std::string>& parameters) {
  for (auto& slot : rt.vars) slot.clear();
  rt.scriptPath.assign(scriptPath);
  rt.arguments = parameters;
  // Each parameter arrives whole, blanks and quotes included: the user's
  // shell has already split the command line.
  for (std::size_t i = 0; i < parameters.size() && i < 9; ++i) rt.vars[i] = parameters[i];

  rt.success = true;
  rt.line = 0;
  rt.error = 0;
  rt.errorText.clear();
  rt.stop = false;
  rt.repeatDepth = 0;
  rt.subDepth = 0;
  for (auto& list : rt.lists) list.reset();
  rt.settings = RunSettings{};
  rt.settings.titleText = rt.os.ui != nullptr ? rt.os.ui->applicationTitle() : std::string("Quillan");
  // QN16.INI in the working directory is taken now. Otherwise it lives in
  // the default directory, a registry setting read when the script first
  // uses the file (iniFileInUse): a script that never does starts without
  // opening the registry store.
  rt.settings.iniFile =
      rt.os.fs != nullptr && rt.os.fs->exists(kDefaultIniName) ? rt.os.fs->fullPath(kDefaultIniName) : std::string();
  rt.settings.sectionPrefix = sectionPrefixFor(scriptPath);
}

std::string lookUpFile(Runtime& rt, std::string_view name) {
  if (rt.os.fs != nullptr && rt.os.fs->exists(name)) return rt.os.fs->fullPath(name);
  return inDefaultDirectory(rt, name);
}

const std::string& iniFileInUse(Runtime& rt) {
  if (rt.settings.iniFile.empty()) rt.settings.iniFile = inDefaultDirectory(rt, kDefaultIniName);
  return rt.settings.iniFile;
}

std::string inDefaultDirectory(Runtime& rt, std::string_view name) {
  if (rt.defaultDir.empty()) {
    rt.defaultDir = readSettingText(rt.os.registry, "Program", "DefaultDir", "");
  }
  std::string dir = rt.defaultDir;
  // An empty setting would put the file at the file-system root; the
  // per-user configuration directory is the safe stand-in.
  if (dir.empty() && rt.os.fs != nullptr) return rt.os.fs->userConfigDir() + "\\" + std::string(name);
  return dir + "\\" + std::string(name);
}

}  // namespace quillan::core
