// The units-and-buildings form: one table for infantry, vehicles and
// buildings. Common rows are written for every kind; the rows of one kind
// are shown for all kinds but edited and written only for their own, so OK
// on an infantry section drops vehicle and building keys from it.
//
// Labels and hints are kept word for word, typos and all: users know the
// keys by these texts.
#include <array>

#include "editor/FormTables.h"

namespace quillan::editor {
namespace {

constexpr std::array<std::string_view, 5> kArmorList = {"none", "wood", "light", "heavy", "concrete"};
constexpr std::array<std::string_view, 3> kOwnerList = {"allies", "soviet", "allies,soviet"};
constexpr std::array<std::string_view, 13> kTechLevelList = {"-1", "1", "2", "3",  "4",  "5", "6",
                                                             "7",  "8", "9", "10", "11", "12"};

// Kept in sorted order (ignoring case), as the drop-down shows it.
constexpr std::array<std::string_view, 36> kWeaponList = {
    "105mm",
    "120mm",
    "155mm",
    "2Inch",
    "75mm",
    "8Inch",
    "90mm",
    "Camera",
    "Chaingun",
    "DepthCharge",
    "DogJaw",
    "Dragon",
    "FireballLauncher",
    "Flamer",
    "Gold45",
    "Grenade",
    "Heal",
    "Hellfire",
    "M1Carbine",
    "M60mg",
    "MammothTusk",
    "Maverick",
    "Napalm",
    "Nike",
    "none",
    "ParaBomb",
    "Pistol",
    "RedEye",
    "SCUD",
    "Sniper",
    "Stinger",
    "TeslaZap",
    "TorpTube",
    "TurretGun",
    "Vulcan",
    "ZSU-23",
};

constexpr std::array<PrerequisiteFlag, 15> kPrerequisites = {{
    {"fact", "Construction Yard"},
    {"powr", "Power Plant"},
    {"proc", "Ore Refinery"},
    {"weap", "Weapon Factory"},
    {"tent", "Allied training tent"},
    {"dome", "Radar Dome"},
    {"syrd", "Ship Yard"},
    {"spen", "Sub Pen"},
    {"kenn", "Kennel"},
    {"atek", "Allies Tech Center"},
    {"stek", "Soviet Tech Center"},
    {"afld", "Air Field"},
    {"hpad", "Heli Pad"},
    {"barr", "Soviet Barracks"},
    {"fix", "Service Depot"},
}};

using B = Binding;

// Common rows, then infantry, vehicle and building rows. "Speed" belongs to
// infantry and vehicles; it stands once, between the last infantry row and
// the first vehicle rows, which puts it in the right place in both kinds'
// write order.
constexpr std::array<KeyRow, 40> kRows = {{
    {"Ammo", "", B::DefaultedField, "-1", "Ammo", "Number of rounds carried between reloads [-1 means unlimited]"},
    {"Armor", "", B::DefaultedField, "none", "Armor", "The armor type of this object", kArmorList},
    {"Cloakable", "", B::Pair, kNo, "Cloakable", "Is it equipped with a cloaking device."},
    {"Cost", "", B::DefaultedField, "0", "Cost", ""},
    {"Explodes", "", B::Pair, kNo, "Explodes", "Does it explode violently when destroyed (def=0) ?"},
    {"GuardRange", "", B::DefaultedField, "use weapon range", "Guardrange",
     "Distance to scan for enemies to attack. (def=use weapon range)"},
    {"Invisible",
     "",
     B::Pair,
     kNo,
     "Invisible",
     "Is completely and always invisible to enemy (def=no)",
     {},
     kCommonRows,
     true},
    {"Owner", "", B::DefaultedField, "allies,soviet", "Owner", "", kOwnerList},
    {"Points", "", B::DefaultedField, "0", "Points", "Point value for scoring purposes (def=0)"},
    {"Prerequisite", "", B::Prerequisites, "", "Prerequisite",
     "List of buildings needed before this can be manufactured."},
    {"Primary", "", B::DefaultedField, "none", "Primary", "Primary weapon eqiuppe with (def=none)", kWeaponList},
    {"Secondary", "", B::DefaultedField, "none", "Secondary", "Secondary weapon eqiuppe with (def=none)", kWeaponList},
    {"ROT", "Rot", B::DefaultedField, "0", "ROT", "Rate of Turn for body (if present and turret (if present)"},
    {"Reload", "", B::DefaultedField, "0", "Reload", "Time delay between reloads (def=0)"},
    {"SelfHealing", "Selfhealing", B::Pair, kNo, "Selfhealing",
     "Does the object heal automatically up to half strenght"},
    {"Sight", "", B::DefaultedField, "1", "Sight", "Sight range, in cells (def=1)"},
    {"Strength", "", B::DefaultedField, "0", "Strenght", "Strength (hit points) of this object"},
    {"TechLevel", "", B::DefaultedField, "-1", "TechLevel", "Tech level required to build this (-1 means can't build)",
     kTechLevelList},
    {"Sensors", "", B::Pair, kNo, "Sensors", "Has sensors to detect nearby cloaked objects."},
    {"DoubleOwned", "", B::Pair, kNo, "DoubleOwned", "Can be build/owned by all countries in multi game"},

    {"C4",
     "",
     B::Pair,
     kNo,
     "",
     "Equipped with building sabotage explosives. [infiltratete must be true]",
     {},
     kInfantryRows},
    {"Fraidycat", "", B::Pair, kNo, "", "Is it inherently afraid and will panic easily?", {}, kInfantryRows},
    {"Infiltrate", "", B::Pair, kNo, "", "Can it enter a building like a spy or thief ?", {}, kInfantryRows},
    {"IsCanine", "", B::Pair, kNo, "", "Should special case dog logic be applied to this ?", {}, kInfantryRows},
    {"Passengers", "", B::DefaultedField, "0", "", "Number of passengers it may carry", {}, kVehicleRows},
    {"Speed", "", B::DefaultedField, "0", "", "Speed of this object.", {}, kInfantryRows | kVehicleRows},
    {"Crushable", "", B::Pair, kNo, "", "Can it be crushed by a heavy tracked vehicle", {}, kVehicleRows},
    {"Tracked", "", B::Pair, kNo, "", "Is this vehicle tracked ?", {}, kVehicleRows},
    {"NoMovingFire", "", B::Pair, kNo, "", "The vehiclle must stop before it can fire", {}, kVehicleRows},

    {"BaseNormal", "", B::Pair, kYes, "", "Considered for building adjacency checks ?  (def=yes)", {}, kBuildingRows},
    {"Adjacent",
     "",
     B::DefaultedField,
     "1",
     "",
     "Distance allowed to place from other building (def=1)",
     {},
     kBuildingRows},
    {"Bib", "", B::Pair, kNo, "", "Should the building have an attached bib (def=no)?", {}, kBuildingRows},
    {"Capturable",
     "",
     B::Pair,
     kNo,
     "",
     "Can this building be infiltrated by a spy/engineer (def=no) ?",
     {},
     kBuildingRows},
    {"Crewed", "", B::Pair, kNo, "", "Does it contain a crew that can escape (def=no) ?", {}, kBuildingRows},
    {"Power",
     "",
     B::DefaultedField,
     "0",
     "",
     "Power output [positive for output, negative for drain]",
     {},
     kBuildingRows},
    {"Powered", "", B::Pair, kNo, "", "Does it require power to function (def=no) ?", {}, kBuildingRows},
    {"Repairable", "", B::Pair, kYes, "", "Can it be repaired (def=yes) ?", {}, kBuildingRows},
    {"Storage",
     "",
     B::DefaultedField,
     "0",
     "",
     "The number of credits this building can store (def-0)",
     {},
     kBuildingRows},
    {"Unsellable",
     "",
     B::Pair,
     kNo,
     "",
     "Cannot sell this building (even if it can be builded) def=no",
     {},
     kBuildingRows},
    {"Waterbound", "", B::Pair, kNo, "", "Is this building placed on water only (def=no) ?", {}, kBuildingRows},
}};

constexpr std::array<std::string_view, 1> kCarried = {"Image"};

constexpr std::array<std::string_view, 18> kFieldColumn = {
    "Ammo",    "Armor",     "Sight",  "Strength", "Cost",  "GuardRange", "TechLevel", "Owner",   "Points",
    "Primary", "Secondary", "Reload", "ROT",      "Speed", "Passengers", "Power",     "Storage", "Adjacent",
};
constexpr std::array<std::string_view, 10> kPairsLeft = {
    "Cloakable",   "Explodes", "Invisible", "SelfHealing", "Sensors",
    "DoubleOwned", "C4",       "Fraidycat", "Infiltrate",  "IsCanine",
};
constexpr std::array<std::string_view, 11> kPairsRight = {
    "Crushable", "Tracked", "NoMovingFire", "BaseNormal", "Bib",        "Capturable",
    "Crewed",    "Powered", "Repairable",   "Unsellable", "Waterbound",
};
constexpr std::array<std::string_view, 1> kRightColumn = {"Prerequisite"};

constexpr std::array<ScreenBlock, 4> kScreen = {{
    {0, 0, kFieldColumn},
    {0, 1, kPairsLeft},
    {0, 2, kPairsRight},
    {0, 3, kRightColumn},
}};

}  // namespace

const FormTable kAllUnitsTable = {
    "TAllUnits",
    "Unit Statistics",
    kCarried,
    kRows,
    kScreen,
    {"Changes made updated to open INI file.", "Changes are not updated.", "Reset to last known settings."},
    /*usesObjectKind=*/true,
    /*staysOnTop=*/true,
    /*buttonsBesideBlocks=*/true,
};

std::span<const PrerequisiteFlag> prerequisiteFlags() { return kPrerequisites; }

}  // namespace quillan::editor
