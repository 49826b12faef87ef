#include "runtime/core/FunctionNames.h"

#include "runtime/core/FunctionNameCache.h"

namespace quillan::core {

// clang-format off
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
// clang-format on

namespace {

using F = Function;
using Row = KeywordRow<Function>;

constexpr Row kUpToC[] = {{1, F::Asc}, {3, F::Chr},     {6, F::Ask},  {9, F::Click}, {14, F::Count},
                          {19, F::Cr}, {21, F::CurDir}, {27, F::Alt}, {30, F::Ctrl}};
constexpr Row kD[] = {{1, F::Div},      {4, F::DdeItem},   {11, F::Diff},
                      {15, F::DlgText}, {22, F::DateTime}, {30, F::DirDlg}};
constexpr Row kEG[] = {{1, F::Equal},    {6, F::File},  {9, F::Env},     {12, F::Event},  {17, F::Ext},
                       {20, F::Greater}, {27, F::FAdd}, {31, F::FSub},   {35, F::FMul},   {39, F::FDiv},
                       {43, F::FLn},     {46, F::FExp}, {50, F::Format}, {56, F::FileDlg}};
constexpr Row kHM[] = {{1, F::IniRead}, {8, F::Input}, {13, F::Item},  {16, F::Match},
                       {21, F::Len},    {24, F::Mci},  {26, F::Index}, {31, F::Key}};
constexpr Row kNO[] = {{1, F::Ok}, {3, F::Name}, {7, F::Next}, {11, F::Not}, {14, F::Not}};
constexpr Row kPR[] = {{1, F::Pred},     {5, F::Pos},      {8, F::Prod}, {12, F::Query},
                       {17, F::RegRead}, {24, F::RetCode}, {31, F::Path}};
constexpr Row kST[] = {{1, F::Sum},    {4, F::Succ}, {8, F::SubStr},     {14, F::SysInfo},
                       {21, F::Shift}, {25, F::Tab}, {28, F::ShortName}, {37, F::Trim}};
constexpr Row kU[] = {{1, F::Zero},    {5, F::Upper},    {10, F::WinDir},    {16, F::WinExists},
                      {25, F::WinPos}, {31, F::VolInfo}, {38, F::WinActive}, {45, F::VerInfo}};

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

Function findFunction(std::string_view name) { return findInGroups(kFunctionGroups, name, Function::Count_); }

Function FunctionNameCache::lookUp(std::string_view raw) {
  std::string name(raw);
  upperAsciiInPlace(name);
  return findFunction(name);
}

}  // namespace quillan::core
