// The forms of the game-wide sections: difficulty levels, multiplayer
// defaults and the computer player's abilities. None of them carries keys.
#include <array>

#include "editor/FormTables.h"

namespace quillan::editor {
namespace {

using B = Binding;

// Defaults compare as text: "1" or "1.00" differ from "1.0" and are written.
constexpr std::array<KeyRow, 11> kDifficultyRows = {{
    {"Airspeed", "", B::DefaultedField, "1.0", "", "Multiplier to speed for all air units (def=1.0)"},
    {"Armor", "", B::DefaultedField, "1.0", "", "Multiplier to armor strength for all units and buildings (def=1.0)"},
    {"Cost", "", B::DefaultedField, "1.0", "", "Multiplier to cost for all units and buildings (def=1.0)"},
    {"Firepower", "", B::DefaultedField, "1.0", "", "Multiplier to firepower for all weapons (def=1.0)"},
    {"Groundspeed", "", B::DefaultedField, "1.0", "", "Multiplier to speed for all ground units (def=1.0)"},
    {"ROF", "", B::DefaultedField, "1.0", "",
     "Multiplier to Rate Of Fire for all weapons [Larger means slower ROF] (def=1.0)"},
    {"Repairdelay", "RepairDelay", B::DefaultedField, "1.0", "",
     "Average delay (minutes) between initiating building repair"},
    {"Builddelay", "BuildDelay", B::DefaultedField, "1.0", "",
     "Average delay (minutes) between initiating construction"},
    {"BuildSlowdown", "", B::Pair, kNo, "", "Should the computer build slower than the player (def=no) ?"},
    {"ContentScan", "", B::Pair, kNo, "",
     "Should the contents of a transport be considered when picking best target (def=no) ?"},
    {"Destroywalls", "", B::Pair, kYes, "DestroyWalls",
     "Allow scanning for nearby enemy walls and destroy them (def=yes) ?"},
}};

constexpr std::array<std::string_view, 8> kDifficultyFields = {"Airspeed",    "Armor", "Cost",        "Firepower",
                                                               "Groundspeed", "ROF",   "Repairdelay", "Builddelay"};
constexpr std::array<std::string_view, 3> kDifficultyPairs = {"BuildSlowdown", "ContentScan", "Destroywalls"};
constexpr std::array<ScreenBlock, 2> kDifficultyScreen = {{
    {0, 0, kDifficultyFields},
    {0, 1, kDifficultyPairs},
}};

constexpr std::array<KeyRow, 8> kMultiRows = {{
    {"Money", "", B::PlainField, "", "", ""},
    {"MaxMoney", "", B::PlainField, "", "", ""},
    {"ShadowGrow", "", B::ForcedPair, "", "", ""},
    {"Bases", "", B::ForcedPair, "", "", ""},
    {"OreGrows", "", B::ForcedPair, "", "", ""},
    {"Crates", "", B::ForcedPair, "", "", ""},
    {"AIPlayers", "", B::ForcedPair, "", "", ""},
    {"CaptureTheFlag", "", B::ForcedPair, "", "", ""},
}};

constexpr std::array<std::string_view, 2> kMultiFields = {"Money", "MaxMoney"};
constexpr std::array<std::string_view, 3> kMultiLeft = {"ShadowGrow", "Bases", "OreGrows"};
constexpr std::array<std::string_view, 3> kMultiRight = {"Crates", "AIPlayers", "CaptureTheFlag"};
constexpr std::array<ScreenBlock, 3> kMultiScreen = {{
    {0, 0, kMultiFields, 1, 2},
    {1, 0, kMultiLeft},
    {1, 1, kMultiRight},
}};

constexpr std::array<KeyRow, 11> kIQRows = {{
    {"MaxIQLevels", "", B::CommentField, "0", "", ""},
    {"SuperWeapons", "", B::CommentField, "0", "SuperWeapon", ""},
    {"Production", "", B::CommentField, "0", "", ""},
    {"GuardArea", "", B::CommentField, "0", "", ""},
    {"RepairSell", "", B::CommentField, "0", "", ""},
    {"AutoCrush", "", B::CommentField, "0", "", ""},
    {"Scatter", "", B::CommentField, "0", "", ""},
    {"ContentScan", "", B::CommentField, "0", "", ""},
    {"Aircraft", "", B::CommentField, "0", "", ""},
    {"Harvester", "", B::CommentField, "0", "", ""},
    {"SellBack", "", B::CommentField, "0", "", ""},
}};

constexpr std::array<std::string_view, 6> kIQLeft = {"MaxIQLevels", "SuperWeapons", "Production",
                                                     "GuardArea",   "RepairSell",   "AutoCrush"};
constexpr std::array<std::string_view, 5> kIQRight = {"Scatter", "ContentScan", "Aircraft", "Harvester", "SellBack"};
constexpr std::array<ScreenBlock, 2> kIQScreen = {{
    {0, 0, kIQLeft},
    {0, 1, kIQRight},
}};

constexpr ButtonHints kParameterHints = {"Changed updated to INI file.", "Changes not updated.",
                                         "Reset to last known parameters."};

}  // namespace

const FormTable kDifficultyTable = {
    "TDifficulty",
    "Difficulty",
    {},
    kDifficultyRows,
    kDifficultyScreen,
    {"Changes update to INI file", "Changes not updated.", "Reset to last known settings."},
};

const FormTable kMultiDefaultsTable = {
    "TMultieDefaults", "MultieDefaults", {}, kMultiRows, kMultiScreen, kParameterHints,
};

const FormTable kIQSettingsTable = {
    "TIQSettings", "IQSettings", {}, kIQRows, kIQScreen, kParameterHints,
};

}  // namespace quillan::editor
