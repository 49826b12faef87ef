// The rows of the catalogue. Captions and titles are kept exactly as they
// stand, odd spellings included ("Sovjet Tech Center", "Soviet Barraks",
// "AirCrafts", the trailing blank of "Ground "): users find entries by them.
// The section identifiers are the rules file's own and must not change.
#include "editor/Catalogue.h"

#include <array>

namespace quillan::editor {
namespace {

constexpr CatalogueRow unit(std::string_view path, std::string_view caption, std::string_view section,
                            std::string_view title, int kind) {
  return {path, caption, section, title, FormId::AllUnits, kind};
}
constexpr CatalogueRow form(std::string_view path, std::string_view caption, std::string_view section,
                            std::string_view title, FormId id) {
  return {path, caption, section, title, id, -1};
}
constexpr CatalogueRow placeholder(std::string_view path, std::string_view caption) {
  return {path, caption, {}, {}, FormId::AllUnits, -1};
}

constexpr std::string_view kGeneral = "&General";
constexpr std::string_view kGeneralOptions = "&General|General Options";
constexpr std::string_view kDifficulty = "&Difficulty";
constexpr std::string_view kInfantryMenu = "&Units|Infantry";
constexpr std::string_view kAgents = "&Units|Infantry|Special Agent";
constexpr std::string_view kGround = "&Units|Ground ";
constexpr std::string_view kTanks = "&Units|Ground |Tanks";
constexpr std::string_view kMobile = "&Units|Ground |Mobile Units";
constexpr std::string_view kShips = "&Units|Ships";
constexpr std::string_view kAir = "&Units|AirCrafts";
constexpr std::string_view kHelicopters = "&Units|AirCrafts|Helicopters";
constexpr std::string_view kBuildings = "&Structures|Buildings";
constexpr std::string_view kPower = "&Structures|Buildings|Power plant";
constexpr std::string_view kDefence = "&Structures|Defence Buildings";
constexpr std::string_view kTraining = "&Structures|Training Facilities";
constexpr std::string_view kWeapons = "&Other|Weapons";
constexpr std::string_view kProjectiles = "&Other|Projectiles";
constexpr std::string_view kOther = "&Other";
constexpr std::string_view kWalls = "&Other|Walls/Fences";
constexpr std::string_view kMines = "&Other|Mines";
constexpr std::string_view kFakes = "&Other|Fake Buildings";

constexpr FormId W = FormId::Weapon;
constexpr FormId P = FormId::ProjectileStat;
constexpr FormId D = FormId::Difficulty;

constexpr auto kEntries = std::to_array<CatalogueRow>({
    placeholder(kGeneralOptions, "Crates"),
    placeholder(kGeneralOptions, "Special Weapons"),
    placeholder(kGeneralOptions, "Chrono side effects"),
    placeholder(kGeneralOptions, "Repair and refit"),
    placeholder(kGeneralOptions, "Combat and damage"),
    placeholder(kGeneralOptions, "Income and production"),
    placeholder(kGeneralOptions, "Audio/visual map controls"),
    placeholder(kGeneralOptions, "Computer an movement controls"),
    placeholder(kGeneralOptions, "Misc"),
    placeholder(kGeneral, "Theme Controls"),
    form(kGeneral, "Multiplayer Defaults", "MultiplayerDefaults", "Multi Player Defaults", FormId::MultieDefaults),
    placeholder(kGeneral, "Weapon Recharge"),
    placeholder(kGeneral, "Object Maximums"),
    placeholder(kGeneral, "AI Controls"),
    form(kGeneral, "IQ Settings", "IQ", "IQ Settings", FormId::IQSettings),
    placeholder(kGeneral, "Country Stat"),

    form(kDifficulty, "&Easy", "Easy", "Level Easy", D),
    form(kDifficulty, "&Normal", "Normal", "Level Normal", D),
    form(kDifficulty, "&Difficult", "Difficult", "Level Difficult", D),

    unit(kInfantryMenu, "Attack Dog", "DOG", "Attack Dog", kInfantry),
    unit(kInfantryMenu, "Rifle Soldier", "E1", "Rifle Soldier", kInfantry),
    unit(kInfantryMenu, "Grenadier", "E2", "Granadier", kInfantry),
    unit(kInfantryMenu, "Rocket Soldier", "E3", "Rocket Soldier", kInfantry),
    unit(kInfantryMenu, "Flamethrower", "E4", "Flamethrower", kInfantry),
    unit(kInfantryMenu, "Engineer", "E6", "Engineer", kInfantry),
    unit(kInfantryMenu, "Spy", "SPY", "Spy", kInfantry),
    unit(kInfantryMenu, "Thief", "THF", "Thief", kInfantry),
    unit(kInfantryMenu, "Tanya", "E7", "Tanya", kInfantry),
    unit(kInfantryMenu, "Field Medic", "MEDI", "Field Medic", kInfantry),
    placeholder(kInfantryMenu, "Field Marshal"),
    placeholder(kInfantryMenu, "Civilians"),
    unit(kInfantryMenu, "Corvalen", "CORVALEN", "Professor Corvalen", kInfantry),
    unit(kAgents, "Delphi", "Delphi", "Agent Delphi", kInfantry),
    unit(kAgents, "Chan", "CHAN", "Agent Chan", kInfantry),

    unit(kGround, "V2 Launcher", "V2RL", "V2 Launcher", kVehicle),
    unit(kTanks, "Light", "1TNK", "Light Tank", kVehicle),
    unit(kTanks, "Medium", "2TNK", "Medium Tank", kVehicle),
    unit(kTanks, "Heavy", "3TNK", "Heavy Tank", kVehicle),
    unit(kTanks, "Mammoth", "4TNK", "Mammoth Tank", kVehicle),
    unit(kMobile, "Radar Jammer", "MRJ", "Mobile Radar Jammer", kVehicle),
    unit(kMobile, "Gap Generator", "MGG", "Mobile GAP Generator", kVehicle),
    unit(kMobile, "Artillery", "ARTY", "Mobile Artillery", kVehicle),
    unit(kMobile, "Construction Vehicle", "MCV", "Mobile Conctruction Vehicle", kVehicle),
    unit(kGround, "Ore Truck", "HARV", "Ore Truck", kVehicle),
    unit(kGround, "Ranger", "JEEP", "Ranger", kVehicle),
    unit(kGround, "APC", "APC", "APC", kVehicle),
    unit(kGround, "Mine Layer", "MNLY", "Mine Layer", kVehicle),
    unit(kGround, "Convoy Truck", "TRUK", "Convoy Truck", kVehicle),
    unit(kShips, "Submarine", "SS", "Sub Marine", kVehicle),
    unit(kShips, "Destroyer", "DD", "Destroyer", kVehicle),
    unit(kShips, "Cruiser", "CA", "Cruiser", kVehicle),
    unit(kShips, "Transport", "LST", "Transporter", kVehicle),
    unit(kShips, "Gun boat", "PT", "Gun Boat", kVehicle),
    unit(kAir, "Badger bomber", "BARB", "Badger Bomber", kVehicle),
    unit(kAir, "Spy plain", "U2", "Spy Plain", kVehicle),
    unit(kAir, "MIG", "MIG", "MIG Plain", kVehicle),
    unit(kAir, "Yak", "YAK", "YAK Plain", kVehicle),
    unit(kHelicopters, "Transport", "TRAN", "Transport Helicopter", kVehicle),
    unit(kHelicopters, "Longbow", "HELI", "Longbow Helicopter", kVehicle),
    unit(kHelicopters, "Hind", "HIND", "Hind Attack Hellicopter", kVehicle),

    unit(kBuildings, "Allied Tech Center", "ATEK", "Allied Tech Center", kBuilding),
    unit(kBuildings, "Forward Command Center", "FCOM", "Forward Command Center", kBuilding),
    unit(kBuildings, "Construction Yard", "FACT", "Construction Yard", kBuilding),
    unit(kBuildings, "Refinery", "PROC", "Refinery", kBuilding),
    unit(kBuildings, "Storage Silo", "SILO", "Storage Silo", kBuilding),
    unit(kBuildings, "Air Field", "AFLD", "Air field", kBuilding),
    unit(kBuildings, "Helipad", "HPAD", "Heli Pad", kBuilding),
    unit(kBuildings, "Gap Generator", "GAP", "GAP Generator", kBuilding),
    placeholder(kBuildings, "Bio Research Lab"),
    unit(kBuildings, "Service Depot", "FIX", "Service Depot", kBuilding),
    placeholder(kBuildings, "Hospital"),
    unit(kPower, "Normal", "POWR", "Power Plant", kBuilding),
    unit(kPower, "Advanced", "APWR", "Advance Power Plant", kBuilding),
    unit(kBuildings, "Sovjet Tech Center", "STEK", "Soviet Tech Center", kBuilding),
    unit(kBuildings, "Radar Building", "DOME", "Radar Dome", kBuilding),
    unit(kBuildings, "Iron Curtain", "IRON", "Iron Curtain", kBuilding),
    unit(kBuildings, "Paradox device", "PDOX", "Paradox Device", kBuilding),
    unit(kDefence, "Tesla Coil", "TSLA", "Tesla Coil", kBuilding),
    unit(kDefence, "Pill Box", "PBOX", "Pill Box", kBuilding),
    unit(kDefence, "Camouflaged Pill Box", "HBOX", "Camouflaged Pill Box", kBuilding),
    unit(kDefence, "Flame Turret", "FTUR", "Flame Turret", kBuilding),
    unit(kDefence, "Gun Turret", "GUN", "Gun Turret", kBuilding),
    unit(kDefence, "Sam Site", "SAM", "SAM Site", kBuilding),
    unit(kDefence, "AA Gun", "AGUN", "AA GUN", kBuilding),
    unit(kDefence, "Missile Silo", "MSLO", "Missile Silo", kBuilding),
    unit(kTraining, "Soviet Barraks", "BARR", "Soviet Barracks", kBuilding),
    unit(kTraining, "Allied Training Tent", "TENT", "Allient Training Tent", kBuilding),
    unit(kTraining, "Attack Dog Training Facility", "KENN", "Dog Kennel", kBuilding),
    unit(kTraining, "Weapons Factory", "WEAP", "Weapon Factory", kBuilding),
    unit(kTraining, "Ship Yard", "SYRD", "Ship Yard", kBuilding),
    unit(kTraining, "Sub Pen", "SPEN", "Sub Pen", kBuilding),

    form(kWeapons, "Colt45 (Tanya)", "Colt45", "Colt45 (Tanya)", W),
    form(kWeapons, "ZSU-23", "ZSU-23", "ZSU-23 Anti-Aircraft Cannon", W),
    form(kWeapons, "Vulcan", "Vulcan", "Vulcan", W),
    form(kWeapons, "Flamer", "Flamer", "Flamer", W),
    form(kWeapons, "Camera", "Camera", "Camera", W),
    form(kWeapons, "FireballLauncher", "FireballLauncher", "Fireball Launcher", W),
    form(kWeapons, "Sniper", "Sniper", "Sniper", W),
    form(kWeapons, "ChainGun", "Chaingun", "Chaingun", W),
    form(kWeapons, "Pistol", "Pistol", "Pistol", W),
    form(kWeapons, "M1Carbine", "M1Carbine", "M1Carbine", W),
    form(kWeapons, "Dragon", "Dragon", "Dragon", W),
    form(kWeapons, "Hellfire", "Hellfire", "Hellfire", W),
    form(kWeapons, "Grenade", "Grenade", "Grenade", W),
    form(kWeapons, "75mm", "75mm", "75mm", W),
    form(kWeapons, "90mm", "90mm", "90mm", W),
    form(kWeapons, "105mm", "105mm", "105mm", W),
    form(kWeapons, "120mm", "120mm", "120mm", W),
    form(kWeapons, "TurretGun", "Turretgun", "Turret Gun", W),
    form(kWeapons, "MammothTusk", "MammothTusk", "MammothTusk", W),
    form(kWeapons, "155mm", "155mm", "155mm", W),
    form(kWeapons, "M60mg", "M60mg", "M60mg", W),
    form(kWeapons, "Napalm", "Napalm", "Napalm", W),
    form(kWeapons, "TeslaZap", "Teslazap", "Teslazap", W),
    form(kWeapons, "Nike", "Nike", "Nike", W),
    form(kWeapons, "8Inch", "8inch", "8inch", W),
    form(kWeapons, "Stinger", "Stinger", "Stinger", W),
    form(kWeapons, "TorpedoTube", "Torpedotube", "Torpedo Tube", W),
    form(kWeapons, "12inch", "12inch", "12inch", W),
    form(kWeapons, "DepthCharge", "Depthcharge", "DepthCharge", W),
    form(kWeapons, "ParaBomb", "ParaBomb", "ParaBomb", W),
    form(kWeapons, "DogJaw", "DogJaw", "DogJaw", W),
    form(kWeapons, "Heal", "Heal", "Heal", W),
    form(kWeapons, "SCUD", "SCUD", "Scud", W),

    form(kProjectiles, "Invisible", "Invisible", "Invisible flight to target", P),
    form(kProjectiles, "LeapDog", "LeapDog", "LeapDog", P),
    form(kProjectiles, "Cannon", "Cannon", "Cannon", P),
    form(kProjectiles, "Ack", "Ack", "Ack", P),
    form(kProjectiles, "Frog", "Frog", "Frog", P),
    form(kProjectiles, "Torpedo", "Torpedo", "Torpedo", P),
    form(kProjectiles, "HeatSeeker", "HeatSeeker", "HeatSeeker", P),
    form(kProjectiles, "LaserGuided", "LaserGuided", "LaserGuided", P),
    form(kProjectiles, "AAMissile", "AAMissile", "AA Missile", P),
    form(kProjectiles, "Lobbed", "Lobbed", "Lobbed", P),
    form(kProjectiles, "Catapult", "Catapult", "Catapult", P),
    form(kProjectiles, "Bomblet", "Bomblet", "Bomblet", P),
    form(kProjectiles, "Ballistic", "Ballistic", "Ballistic", P),
    form(kProjectiles, "Parachute", "Parachute", "Parachute", P),
    form(kProjectiles, "GPS Satelite", "GPSSatelite", "GPS Satelite", P),
    form(kProjectiles, "NukeUp", "NukeUp", "NukeUp", P),
    form(kProjectiles, "NukeDown", "NukeDown", "NukeDown", P),
    form(kProjectiles, "Fireball", "Fireball", "Fireball", P),

    placeholder(kWalls, "Sandbag"),
    placeholder(kWalls, "Concrete"),
    placeholder(kWalls, "Wire"),
    placeholder(kWalls, "Barb wire"),
    placeholder(kWalls, "Chain link"),
    placeholder(kWalls, "Wood"),
    placeholder(kMines, "Anti-Vehicle"),
    placeholder(kMines, "Anti-Personnel"),
    placeholder(kFakes, "Construction Yard"),
    placeholder(kFakes, "Weapons Factory"),
    placeholder(kFakes, "Ship Yard"),
    placeholder(kFakes, "Radar Building"),
    placeholder(kFakes, "Sub Pen "),
    placeholder(kOther, "Civilian Structures"),
    placeholder(kOther, "Warheads"),
});

}  // namespace

std::span<const CatalogueRow> catalogueEntries() { return kEntries; }

}  // namespace quillan::editor
