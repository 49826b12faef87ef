#include "tools/quillan-progman/ProgramGroups.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/dde/DdeNames.h"
#include "platform/ini/AtomicReplace.h"
#include "tools/quillan-progman/DesktopEntry.h"

namespace quillan::progman {

namespace fs = std::filesystem;

namespace {

using Handler = std::string (ProgramGroups::*)(const ProgmanCommand&);

struct CommandRow {
  std::string_view name;     // upper case
  std::size_t fewest, most;  // arguments
  Handler handler;
};

// AddItem's arguments: command line, name, icon file, icon index, x, y,
// working directory, hot key, minimised, separate memory.
constexpr std::size_t kItemName = 1, kItemIcon = 2, kItemDirectory = 6;

constexpr CommandRow kCommands[] = {
    {"CREATEGROUP", 1, 3, &ProgramGroups::createGroup},
    {"DELETEGROUP", 1, 2, &ProgramGroups::deleteGroup},
    {"SHOWGROUP", 1, 3, &ProgramGroups::showGroup},
    {"ADDITEM", 1, 10, &ProgramGroups::addItem},
    {"DELETEITEM", 1, 1, &ProgramGroups::deleteItem},
    // Makes room for the item that the next AddItem puts in its place.
    {"REPLACEITEM", 1, 1, &ProgramGroups::replaceItem},
    {"RELOAD", 0, 1, &ProgramGroups::displayOnly},
    {"EXITPROGMAN", 0, 1, &ProgramGroups::displayOnly},
};

const CommandRow* findCommand(std::string_view name) {
  std::string upper(name);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  for (const CommandRow& row : kCommands)
    if (row.name == upper) return &row;
  return nullptr;
}

std::string placeOr(const char* value, const char* home, std::string_view fallback) {
  if (value != nullptr && value[0] == '/') return value;
  return std::string(home != nullptr ? home : "") + "/" + std::string(fallback);
}

std::string write(const std::string& path, const std::string& bytes) {
  std::error_code ignored;
  fs::create_directories(fs::path(path).parent_path(), ignored);
  const ini::ReplaceResult written = ini::replaceFileAtomically(path, bytes);
  return written.ok ? std::string() : written.error;
}

// The value of the first "key=" line of a desktop entry, escapes undone.
std::string entryValue(const std::string& path, std::string_view key) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, key.size(), key) != 0 || line.size() <= key.size() || line[key.size()] != '=') continue;
    std::string value;
    for (std::size_t i = key.size() + 1; i < line.size(); ++i) {
      if (line[i] != '\\' || i + 1 == line.size()) {
        value += line[i];
        continue;
      }
      const char e = line[++i];
      value += e == 's' ? ' ' : e == 'n' ? '\n' : e == 't' ? '\t' : e == 'r' ? '\r' : e;
    }
    return value;
  }
  return {};
}

std::string baseName(const std::string& program) {
  std::string name = program.substr(program.find_last_of("/\\") + 1);
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

const std::string& argument(const ProgmanCommand& command, std::size_t index) {
  static const std::string none;
  return index < command.arguments.size() ? command.arguments[index] : none;
}

}  // namespace

MenuPlaces userMenuPlaces(const char* home, const char* configHome, const char* dataHome) {
  const std::string config = placeOr(configHome, home, ".config");
  const std::string data = placeOr(dataHome, home, ".local/share");
  return {config + "/menus/applications-merged", data + "/desktop-directories", data + "/applications"};
}

std::string ProgramGroups::menuFile(const std::string& group) const {
  return places_.menus + "/" + std::string(kFilePrefix) + group + ".menu";
}

std::string ProgramGroups::directoryFile(const std::string& group) const {
  return places_.directories + "/" + std::string(kFilePrefix) + group + ".directory";
}

// The encoded names hold no "-", so a group's items are exactly the files
// that start with its prefix and a "-".
std::string ProgramGroups::itemFile(const std::string& group, const std::string& item) const {
  return places_.applications + "/" + std::string(kFilePrefix) + group + "-" + item + ".desktop";
}

bool ProgramGroups::groupExists(const std::string& group) const {
  std::error_code ignored;
  return fs::exists(menuFile(group), ignored);
}

std::string ProgramGroups::run(const std::vector<ProgmanCommand>& commands) {
  std::vector<const CommandRow*> rows;
  for (const ProgmanCommand& command : commands) {
    const CommandRow* row = findCommand(command.name);
    if (row == nullptr) return "unknown command " + command.name;
    if (command.arguments.size() < row->fewest || command.arguments.size() > row->most)
      return "wrong number of arguments to " + command.name;
    rows.push_back(row);
  }
  for (std::size_t i = 0; i < commands.size(); ++i)
    if (std::string failed = (this->*rows[i]->handler)(commands[i]); !failed.empty()) return failed;
  return {};
}

std::string ProgramGroups::createGroup(const ProgmanCommand& command) {
  const std::string& name = argument(command, 0);
  if (name.empty()) return "a group needs a name";
  const std::string group = dde::encodeName(name);
  const std::string directoryName = std::string(kFilePrefix) + group + ".directory";
  std::string failed =
      write(directoryFile(group), "[Desktop Entry]\nType=Directory\nName=" + desktopString(name) + "\nIcon=folder\n");
  if (failed.empty())
    failed = write(menuFile(group),
                   "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                   " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
                   "<Menu>\n"
                   "  <Name>Applications</Name>\n"
                   "  <Menu>\n"
                   "    <Name>" +
                       std::string(kFilePrefix) + group +
                       "</Name>\n"
                       "    <Directory>" +
                       directoryName +
                       "</Directory>\n"
                       "    <Include>\n"
                       "      <Category>X-Quillan-" +
                       group +
                       "</Category>\n"
                       "    </Include>\n"
                       "  </Menu>\n"
                       "</Menu>\n");
  if (failed.empty()) current_ = group;
  return failed;
}

std::string ProgramGroups::deleteGroup(const ProgmanCommand& command) {
  const std::string group = dde::encodeName(argument(command, 0));
  if (!groupExists(group)) return "no group " + argument(command, 0);
  std::error_code error;
  const std::string itemPrefix = std::string(kFilePrefix) + group + "-";
  for (const auto& entry : fs::directory_iterator(places_.applications, error)) {
    const std::string file = entry.path().filename().string();
    if (file.compare(0, itemPrefix.size(), itemPrefix) == 0 && entry.path().extension() == ".desktop")
      fs::remove(entry.path(), error);
  }
  fs::remove(directoryFile(group), error);
  // The merge file goes last: while it is there the group still exists
  // and a second DeleteGroup can finish the work.
  if (!fs::remove(menuFile(group), error) || error) return "cannot remove " + menuFile(group);
  if (current_ == group) current_.clear();
  return {};
}

std::string ProgramGroups::showGroup(const ProgmanCommand& command) {
  const std::string group = dde::encodeName(argument(command, 0));
  if (groupExists(group)) current_ = group;
  return {};
}

std::string ProgramGroups::addItem(const ProgmanCommand& command) {
  if (current_.empty()) return "no group to add to: create or show one first";
  const std::vector<std::string> commandLine = splitCommandLine(argument(command, 0));
  if (commandLine.empty()) return "an item needs a command line";
  std::string name = argument(command, kItemName);
  if (name.empty()) name = baseName(commandLine.front());
  if (name.empty()) return "an item needs a name";
  std::string entry =
      "[Desktop Entry]\nType=Application\nName=" + desktopString(name) + "\nExec=" + execValue(commandLine) + "\n";
  if (const std::string& icon = argument(command, kItemIcon); !icon.empty())
    entry += "Icon=" + desktopString(icon) + "\n";
  if (const std::string& dir = argument(command, kItemDirectory); !dir.empty())
    entry += "Path=" + desktopString(dir) + "\n";
  entry += "Categories=X-Quillan-" + current_ + ";\n";
  return write(itemFile(current_, dde::encodeName(name)), entry);
}

std::string ProgramGroups::deleteItem(const ProgmanCommand& command) {
  if (current_.empty()) return "no group to delete from: create or show one first";
  std::error_code error;
  if (!fs::remove(itemFile(current_, dde::encodeName(argument(command, 0))), error))
    return "no item " + argument(command, 0);
  return {};
}

std::string ProgramGroups::replaceItem(const ProgmanCommand& command) {
  if (current_.empty()) return "no group to replace in: create or show one first";
  std::error_code ignored;
  fs::remove(itemFile(current_, dde::encodeName(argument(command, 0))), ignored);
  return {};
}

std::string ProgramGroups::displayOnly(const ProgmanCommand&) { return {}; }

std::vector<std::string> ProgramGroups::groups() const {
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(places_.menus, error)) {
    const std::string file = entry.path().filename().string();
    if (file.compare(0, kFilePrefix.size(), kFilePrefix) == 0 && entry.path().extension() == ".menu")
      files.push_back(entry.path().stem().string().substr(kFilePrefix.size()));
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> names;
  for (const std::string& group : files) names.push_back(entryValue(directoryFile(group), "Name"));
  return names;
}

}  // namespace quillan::progman
