#include "runtime/functions/Functions.h"

#include <cstdint>
#include <cstring>

#include "runtime/core/FieldReader.h"

namespace quillan::functions {

const std::array<std::string_view, kFunctionCount> kFunctionNames = {
    "ASC",     "CHR",     "ASK",     "CLICK",   "COUNT",   "CR",       "CURDIR",    "ALT",     "CTRL",
    "DIV",     "DDEITEM", "DIFF",    "DLGTEXT", "DATETIME", "DIRDLG",
    "EQUAL",   "FILE",    "ENV",     "EVENT",   "EXT",     "GREATER",  "FADD",      "FSUB",    "FMUL",
    "FDIV",    "FLN",     "FEXP",    "FORMAT",  "FILEDLG",
    "INIREAD", "INPUT",   "ITEM",    "MATCH",   "LEN",     "MCI",      "INDEX",     "KEY",
    "OK",      "NAME",    "NEXT",    "NOT",
    "PRED",    "POS",     "PROD",    "QUERY",   "REGREAD", "RETCODE",  "PATH",
    "SUM",     "SUCC",    "SUBSTR",  "SYSINFO", "SHIFT",   "TAB",      "SHORTNAME", "TRIM",
    "ZERO",    "UPPER",   "WINDIR",  "WINEXISTS", "WINPOS", "VOLINFO", "WINACTIVE", "VERINFO"};

namespace {

using F = Function;
using Row = core::KeywordRow<Function>;

constexpr Row kUpToC[] = {{1, F::Asc},    {3, F::Chr}, {6, F::Ask},     {9, F::Click}, {14, F::Count},
                          {19, F::Cr},    {21, F::CurDir}, {27, F::Alt}, {30, F::Ctrl}};
constexpr Row kD[] = {{1, F::Div},      {4, F::DdeItem},   {11, F::Diff},
                      {15, F::DlgText}, {22, F::DateTime}, {30, F::DirDlg}};
constexpr Row kEG[] = {{1, F::Equal},  {6, F::File},  {9, F::Env},   {12, F::Event},  {17, F::Ext},
                       {20, F::Greater}, {27, F::FAdd}, {31, F::FSub}, {35, F::FMul}, {39, F::FDiv},
                       {43, F::FLn},   {46, F::FExp}, {50, F::Format}, {56, F::FileDlg}};
constexpr Row kHM[] = {{1, F::IniRead}, {8, F::Input}, {13, F::Item},  {16, F::Match},
                       {21, F::Len},    {24, F::Mci},  {26, F::Index}, {31, F::Key}};
constexpr Row kNO[] = {{1, F::Ok}, {3, F::Name}, {7, F::Next}, {11, F::Not}, {14, F::Not}};
constexpr Row kPR[] = {{1, F::Pred},     {5, F::Pos},      {8, F::Prod}, {12, F::Query},
                       {17, F::RegRead}, {24, F::RetCode}, {31, F::Path}};
constexpr Row kST[] = {{1, F::Sum},      {4, F::Succ},   {8, F::SubStr},     {14, F::SysInfo},
                       {21, F::Shift},   {25, F::Tab},   {28, F::ShortName}, {37, F::Trim}};
constexpr Row kU[] = {{1, F::Zero},       {5, F::Upper},   {10, F::WinDir},    {16, F::WinExists},
                      {25, F::WinPos},    {31, F::VolInfo}, {38, F::WinActive}, {45, F::VerInfo}};

}  // namespace

const std::array<FunctionGroup, 8> kFunctionGroups = {{
    {'C', {"ASCHRASKCLICKCOUNTCRCURDIRALTCTRL", kUpToC}},
    {'D', {"DIVDDEITEMDIFFDLGTEXTDATETIMEDIRDLG", kD}},
    {'G', {"EQUALFILENVEVENTEXTGREATERFADDFSUBFMULFDIVFLNFEXPFORMATFILEDLG", kEG}},
    {'M', {"INIREADINPUTITEMATCHLENMCINDEXKEY", kHM}},
    {'O', {"OKNAMENEXTNOTNULL", kNO}},
    {'R', {"PREDPOSPRODQUERYREGREADRETCODEPATH", kPR}},
    {'T', {"SUMSUCCSUBSTRSYSINFOSHIFTABSHORTNAMETRIM", kST}},
    {'\xff', {"ZEROUPPERWINDIRWINEXISTSWINPOSVOLINFOWINACTIVERINFO", kU}},
}};

Function findFunction(std::string_view name) {
  if (name.empty()) return Function::Count_;
  const auto first = static_cast<unsigned char>(name.front());
  for (const auto& group : kFunctionGroups) {
    if (first <= static_cast<unsigned char>(group.last)) {
      const auto* row = group.table.find(name);
      return row != nullptr ? row->entry : Function::Count_;
    }
  }
  return Function::Count_;
}

namespace {

const FunctionSet* installedSet = nullptr;

// Which function a name as written selects never changes, so each spelling
// is looked up once: a direct-mapped cache keyed by the raw name saves the
// upper-casing and the packed-string search on every call.
struct NameCache {
  static constexpr std::size_t kSlots = 256;
  static constexpr std::size_t kMaxName = 15;
  struct Slot {
    std::uint8_t length = 0xFF;  // no entry
    char name[kMaxName];
    Function function;
  };
  Slot slots[kSlots];

  static std::size_t slotOf(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash % kSlots;
  }

  Function find(std::string_view name) {
    if (name.size() > kMaxName) return lookUp(name);
    Slot& slot = slots[slotOf(name)];
    if (slot.length == name.size() && std::memcmp(slot.name, name.data(), name.size()) == 0) return slot.function;
    const Function function = lookUp(name);
    slot.length = static_cast<std::uint8_t>(name.size());
    std::memcpy(slot.name, name.data(), name.size());
    slot.function = function;
    return function;
  }

  static Function lookUp(std::string_view raw) {
    std::string name(raw);
    core::upperAsciiInPlace(name);
    return findFunction(name);
  }
};

NameCache nameCache;

}  // namespace

void installFunctions(Runtime& rt, const FunctionSet& set) {
  installedSet = &set;
  rt.callFunction = &callFunction;
}

void callFunction(Runtime& rt, int at) {
  // The "(" is searched from the second character of the name on and must
  // come before the last character of the line.
  // (1-based positions: the search runs from at + 2 up to, not including,
  // the last character.)
  int open = rt.length();
  if (at + 2 < rt.length()) {
    const char* from = rt.work.data() + at + 1;
    const void* found = std::memchr(from, '(', static_cast<std::size_t>(rt.length() - at - 2));
    if (found != nullptr) open = at + 2 + static_cast<int>(static_cast<const char*>(found) - from);
  }
  if (open >= rt.length()) {
    rt.fail(core::kNoParenthesis);
    return;
  }
  const std::string_view name(rt.work.data() + at, static_cast<std::size_t>(open - at - 1));
  const Function function = nameCache.find(name);
  if (function == Function::Count_) {
    rt.fail(core::kUnknownFunction);
    return;
  }
  std::string result;
  rt.pos = open;
  const FunctionHandler handler = installedSet != nullptr ? (*installedSet)[function] : nullptr;
  if (handler == nullptr) {
    rt.notAvailable("The function " + std::string(kFunctionNames[static_cast<std::size_t>(function)]));
  } else if (rt.functionDepth >= kMaxCallDepth) {
    rt.fail(core::kBadValue);
  } else {
    ++rt.functionDepth;
    handler(rt, result);
    --rt.functionDepth;
  }
  // Replace from the "@" through the terminator of the last argument read.
  const int last = rt.pos < rt.length() ? rt.pos : rt.length();
  rt.work.replace(static_cast<std::size_t>(at - 1), static_cast<std::size_t>(last - at + 1), result);
  rt.pos = at - 1 + static_cast<int>(result.size());
}

}  // namespace quillan::functions
