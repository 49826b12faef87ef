#include "runtime/core/Commands.h"

namespace quillan::core {

const std::array<std::string_view, kCommandCount> kCommandNames = {
    "BEEP",    "CLIPBOARD", "BREAK", "DIALOG", "ELSE",   "END",     "DDE",  "EXIT",   "DIRECTORY",
    "EXITWIN", "GOSUB",     "GOTO",  "IF",     "INFO",   "INIFILE", "FILE", "LIST",   "REGISTRY",
    "REM",     "REPEAT",    "RUN",   "RUNH",   "RUNM",   "RUNZ",    "PLAY", "OPTION", "PARSE",
    "SHIFT",   "TITLE",     "UNTIL", "WAIT",   "WINDOW", "WARN",    "SHELL"};

namespace {

using C = Command;
using Row = KeywordRow<Command>;

// Positions are the 1-based starts of each name in its string; the table
// test checks them against kCommandNames.
constexpr Row kUpToC[] = {{1, C::Beep}, {5, C::Clipboard}, {14, C::Break}};
constexpr Row kDE[] = {{1, C::Dialog}, {7, C::Else},       {10, C::End},    {12, C::Dde},
                       {14, C::Exit},  {18, C::Directory}, {27, C::ExitWin}};
constexpr Row kFM[] = {{1, C::Gosub},    {6, C::Goto},  {10, C::If},  {12, C::Info},
                       {16, C::IniFile}, {19, C::File}, {23, C::List}};
constexpr Row kNR[] = {{1, C::Registry}, {9, C::Rem},   {12, C::Repeat}, {18, C::Run},    {21, C::RunH},
                       {25, C::RunM},    {29, C::RunZ}, {33, C::Play},   {37, C::Option}, {43, C::Parse}};
constexpr Row kAfterR[] = {{1, C::Shift},   {5, C::Title}, {10, C::Until}, {15, C::Wait},
                           {19, C::Window}, {24, C::Warn}, {28, C::Shell}};

}  // namespace

const std::array<CommandTableView, 5> kCommandTables = {{
    {'C', {"BEEPCLIPBOARDBREAK", kUpToC}},
    {'E', {"DIALOGELSENDDEXITDIRECTORYEXITWIN", kDE}},
    {'M', {"GOSUBGOTOIFINFOINIFILELIST", kFM}},
    {'R', {"REGISTRYREMREPEATRUNRUNHRUNMRUNZPLAYOPTIONPARSE", kNR}},
    {'\xff', {"SHIFTITLEUNTILWAITWINDOWARNSHELL", kAfterR}},
}};

Command findCommand(std::string_view word) { return findInGroups(kCommandTables, word, Command::Count); }

}  // namespace quillan::core
