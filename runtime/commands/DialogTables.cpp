#include "runtime/commands/DialogTables.h"

#include <string>

namespace quillan::commands {
namespace {

using core::Colour;
using core::DialogStyle;
using core::ElementKind;
using K = ElementKind;
using S = SubCommand;

// Positions are the 1-based starts of each name in its string; the table
// test checks each against the name it stands for.
constexpr core::KeywordRow<ElementKind> kKindRows[] = {
    {1, K::Style},  {6, K::Button},    {12, K::Edit},   {15, K::Text},    {19, K::DlgType},
    {26, K::Check}, {31, K::Progress}, {38, K::Status}, {44, K::List},    {48, K::Bitmap},
    {53, K::Popup}, {58, K::Radio},    {63, K::Combo},  {68, K::TaskIcon}};

constexpr core::KeywordRow<SubCommand> kSubCommandRows[] = {
    {1, S::Title},  {6, S::Set},     {9, S::Focus}, {14, S::Clear},  {19, S::ClearSel},
    {27, S::Close}, {32, S::Cursor}, {38, S::Hide}, {41, S::Enable}, {47, S::Disable},
    {54, S::Show},  {58, S::Create}, {64, S::Popup}};

constexpr core::KeywordRow<DialogStyle> kDialogStyleRows[] = {{1, DialogStyle::DragDrop},
                                                              {10, DialogStyle::OnTop},
                                                              {16, DialogStyle::SmallCaption},
                                                              {25, DialogStyle::SavePosition}};

constexpr core::KeywordRow<BitmapOption> kBitmapOptionRows[] = {
    {1, BitmapOption::Click}, {7, BitmapOption::Hand}, {12, BitmapOption::Cross}, {18, BitmapOption::Stretch}};

constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Colour{false, r, g, b}; }

constexpr core::KeywordRow<Colour> kColourRows[] = {
    {1, Colour{true}},        {9, rgb(0, 0, 0)},        {17, rgb(0, 0, 0)},      {25, rgb(128, 0, 0)},
    {33, rgb(0, 128, 0)},     {41, rgb(128, 128, 0)},   {49, rgb(0, 0, 128)},    {57, rgb(128, 0, 128)},
    {65, rgb(128, 128, 128)}, {73, rgb(192, 192, 192)}, {81, rgb(255, 0, 0)},    {89, rgb(0, 255, 0)},
    {97, rgb(255, 255, 0)},   {105, rgb(0, 0, 255)},    {113, rgb(0, 255, 255)}, {121, rgb(255, 255, 255)}};

}  // namespace

const core::KeywordTable<ElementKind> kElementKinds{
    "STYLEBUTTONEDITEXTDLGTYPECHECKPROGRESSTATUSLISTBITMAPOPUPRADIOCOMBOTASKICON", kKindRows};
const core::KeywordTable<SubCommand> kSubCommands{
    "TITLESETFOCUSCLEARCLEARSELCLOSECURSORHIDENABLEDISABLESHOWCREATEPOPUP", kSubCommandRows};
const core::KeywordTable<DialogStyle> kDialogStyles{"DRAGDROP;ONTOP;SMALLCAP;SAVEPOS;", kDialogStyleRows};
const core::KeywordTable<BitmapOption> kBitmapOptions{"CLICK;HAND;CROSS;STRETCH;", kBitmapOptionRows};
const core::KeywordTable<Colour> kColours{kColourSlots, kColourRows};

std::optional<Colour> colourNamed(std::string_view upperName) {
  // A slot is eight characters: a longer name could only be found by
  // running over into the next slot.
  if (upperName.empty() || upperName.size() > 8) return std::nullopt;
  std::string padded(upperName);
  padded.resize(8, ' ');
  const auto* row = kColours.find(padded);
  if (row == nullptr) return std::nullopt;
  return row->entry;
}

}  // namespace quillan::commands
