#include "runtime/commands/CommandKeywords.h"

#include "runtime/commands/DialogTables.h"
#include "runtime/commands/FileCommands.h"
#include "runtime/commands/ListCommands.h"
#include "runtime/commands/ProgramCommands.h"
#include "runtime/commands/SystemCommands.h"
#include "runtime/commands/WindowCommands.h"
#include "runtime/functions/FunctionKeywords.h"

namespace quillan::commands {

std::vector<core::KeywordTableFacts> allKeywordTables() {
  std::vector<core::KeywordTableFacts> tables = functions::functionKeywordTables();
  tables.push_back(core::factsOf("priorities", kPriorities, {"HIGH", "REALTIME", "IDLE"}));
  tables.push_back(core::factsOf("session ends", kSessionEnds, {"SHUTDOWN", "POWEROFF", "REBOOT"}));
  tables.push_back(core::factsOf("element kinds", kElementKinds,
                                 {"STYLE", "BUTTON", "EDIT", "TEXT", "DLGTYPE", "CHECK", "PROGRESS", "STATUS", "LIST",
                                  "BITMAP", "POPUP", "RADIO", "COMBO", "TASKICON"}));
  tables.push_back(core::factsOf("DIALOG sub-commands", kSubCommands,
                                 {"TITLE", "SET", "FOCUS", "CLEAR", "CLEARSEL", "CLOSE", "CURSOR", "HIDE", "ENABLE",
                                  "DISABLE", "SHOW", "CREATE", "POPUP"}));
  tables.push_back(core::factsOf("dialog styles", kDialogStyles, {"DRAGDROP;", "ONTOP;", "SMALLCAP;", "SAVEPOS;"}));
  tables.push_back(core::factsOf("bitmap options", kBitmapOptions, {"CLICK;", "HAND;", "CROSS;", "STRETCH;"}));
  tables.push_back(
      core::factsOf("colours", kColours,
                    {"BACKGRND", "FOREGRND", "BLACK   ", "DKRED   ", "DKGREEN ", "BROWN   ", "DKBLUE  ", "MAGENTA ",
                     "GRAY    ", "SILVER  ", "RED     ", "LTGREEN ", "YELLOW  ", "LTBLUE  ", "CYAN    ", "WHITE   "}));
  tables.push_back(core::factsOf("REGISTRY sub-commands", kRegistryActions, {"WRITE", "DELETE"}));
  tables.push_back(core::factsOf("INIFILE sub-commands", kIniFileActions, {"OPEN", "WRITE"}));
  tables.push_back(core::factsOf("OPTION settings", kRunOptions,
                                 {"FILENAME", "SLEEPTIME", "FIELDSEP", "REGBUF", "PRIORITY", "SKDELAY"}));
  tables.push_back(
      core::factsOf("FILE sub-commands", kFileActions, {"COPY", "RENAME", "DELETE", "SETDATE", "SETATTR"}));
  tables.push_back(core::factsOf("DIRECTORY sub-commands", kDirectoryActions, {"CREATE", "CHANGE", "DELETE"}));
  tables.push_back(core::factsOf("LIST operations", kListOperations,
                                 {"CREATE", "CLOSE", "SEEK", "ASSIGN", "LOADFILE", "FILELIST", "DROPFILE", "SAVEFILE",
                                  "PUT", "ADD", "DELETE", "CLEAR", "REGKEYS", "REGVALS", "INSERT", "COPY", "PASTE"}));
  tables.push_back(core::factsOf("CLIPBOARD operations", kClipboardActions, {"CLEAR", "APPEND", "SET"}));
  tables.push_back(core::factsOf(
      "WINDOW operations", kWindowActions,
      {"ACTIVATE", "MAXIMIZE", "ICONIZE", "NORMAL", "POSITION", "ONTOP", "CLOSE", "SEND", "HIDE", "MESSAGE"}));
  tables.push_back(core::factsOf("DDE operations", kDdeOperations, {"LINK", "POKE", "EXECUTE", "TERMINATE"}));
  return tables;
}

}  // namespace quillan::commands
