// The weapon and projectile forms. A weapon names its projectile and warhead
// by identifier; the projectile identifiers are the sections of the
// projectile form. Key names keep their historical spellings ("Supress",
// "Degenarates"): the game reads them so.
#include <array>

#include "editor/FormTables.h"

namespace quillan::editor {
namespace {

using B = Binding;

// Both lists are kept sorted, ignoring case. The default "None" is in
// neither list, so leaving it alone is distinguishable from choosing one.
constexpr std::array<std::string_view, 18> kProjectileList = {
    "AAMissile",  "Ack",       "Ballistic",   "Bomblet", "Cannon", "Catapult", "Fireball", "FROG",      "GPSSatellite",
    "HeatSeeker", "Invisible", "LaserGuided", "LeapDog", "Lobbed", "NukeDown", "NukeUp",   "Parachute", "Torpedo",
};
constexpr std::array<std::string_view, 8> kWarheadList = {"AP",   "Fire",    "HE", "Hollowpoint",
                                                          "Nuke", "Organic", "SA", "Super"};

constexpr std::array<KeyRow, 11> kWeaponRows = {{
    {"Burst", "", B::AlwaysField, "1", "", "Number of rapid succession shots from this weapon (def=1)"},
    {"Camera", "", B::Pair, kNo, "", "Reveals area aound firer (def=no) ?"},
    {"Charges", "", B::Pair, kNo, "", "Does it have charge-up-before-firing logic (def=no) ?"},
    {"Damage", "", B::AlwaysField, "0", "", "The amount of damage (unattenuated) dealt with every bullet."},
    {"Projectile", "", B::DefaultedField, "None", "", "Projectile characteristic to use.", kProjectileList},
    {"ROF", "", B::AlwaysField, "0", "", "Delay between shots [15=1 second at middle speed setting]."},
    {"Range", "", B::AlwaysField, "0", "", "Maximum cell range"},
    {"Speed", "", B::AlwaysField, "0", "", "Speed of projectile to target (100 is maximum)"},
    {"Warhead", "", B::DefaultedField, "None", "", "Warhead to attach to projectile", kWarheadList},
    {"Supress", "", B::Pair, kNo, "",
     "Should nearby friendly buildings be scanned for and if found discourage firing on target "
     "(def=no) ?"},
    {"TurboBoost", "", B::Pair, kNo, "",
     "Should the weapon get a boosted speed bonus when firing upon aircraft (def=no) ?"},
}};

constexpr std::array<std::string_view, 2> kWeaponCarried = {"Anim", "Report"};
constexpr std::array<std::string_view, 7> kWeaponFields = {"Burst", "Damage",  "ROF",       "Range",
                                                           "Speed", "Warhead", "Projectile"};
constexpr std::array<std::string_view, 4> kWeaponPairs = {"TurboBoost", "Camera", "Charges", "Supress"};
constexpr std::array<ScreenBlock, 2> kWeaponScreen = {{
    {0, 0, kWeaponFields},
    {0, 1, kWeaponPairs},
}};

constexpr std::array<KeyRow, 21> kProjectileRows = {{
    {"AA", "", B::Pair, kNo, "", "Can this weapon fire upon flying aircraft (def=no)?"},
    {"AG", "", B::Pair, kYes, "", "Can this weapon fire upon ground objects (def=yes)?"},
    {"ASW", "", B::Pair, kNo, "", "Is this an Anti-Submarine-Warfare projectile (def=no)?"},
    {"Animates", "", B::Pair, kNo, "", "Does it animate [this means smoke puffs] (def=no)?"},
    {"Arcing", "", B::Pair, kNo, "", "Does it have a ballistic trajectory (def=no)?"},
    {"Gigundo", "", B::Pair, kNo, "", "Is the projectile larger than normal (def=no)?"},
    {"High", "", B::Pair, kNo, "", "Can it fly over walls (def=no)?"},
    {"Inaccurate", "", B::Pair, kNo, "", "Is it inherently inaccurate (def=no)?"},
    {"Inviso", "", B::Pair, kNo, "", "Is the projectile invisible as it travels (def=no)?"},
    {"Parachuted", "", B::Pair, kNo, "", "Equipped with a parachute for dropping from plane (def=no)?"},
    {"Rotates", "", B::Pair, kNo, "", "Does the projectile have rotation specific imagery (def=no)?"},
    {"Shadow", "", B::Pair, kYes, "", "If High, does this bullet need to have a shadow drawn (def=yes)?"},
    {"Translucent", "", B::Pair, kNo, "", "Are translucent colors used in artwork (def=no)?"},
    {"Underwater", "", B::Pair, kNo, "", "Does the projectile travel under water (def=no)?"},
    {"Ranged", "", B::Pair, kNo, "", ""},
    {"Degenarates", "", B::Pair, kNo, "", "Does the bullet strength weaken as it travels (def=no)?"},
    {"Dropping", "", B::Pair, kNo, "", "Does it fall from a starting height (def=no)?"},
    {"Proximity", "", B::Pair, kNo, "", "Does it blow up when near its target (def=no)?"},
    {"Arm", "", B::DefaultedField, "0", "", "arming delay (def=0)"},
    {"Frames", "", B::DefaultedField, "1", "", "number of image frames for animation purposes (def=1)"},
    {"ROT", "", B::DefaultedField, "0", "", "Rate Of Turn [non zero implies homing] (def=0)"},
}};

constexpr std::array<std::string_view, 1> kProjectileCarried = {"Image"};
constexpr std::array<std::string_view, 5> kProjectileLeft = {"AA", "AG", "ASW", "Animates", "Arcing"};
constexpr std::array<std::string_view, 5> kProjectileMiddle = {"Gigundo", "High", "Inaccurate", "Inviso", "Parachuted"};
constexpr std::array<std::string_view, 8> kProjectileRight = {"Rotates", "Shadow",      "Translucent", "Underwater",
                                                              "Ranged",  "Degenarates", "Dropping",    "Proximity"};
constexpr std::array<std::string_view, 3> kProjectileFields = {"Arm", "Frames", "ROT"};
// The right column is the tallest; it spans both rows so that the fields sit
// right under the left column.
constexpr std::array<ScreenBlock, 4> kProjectileScreen = {{
    {0, 0, kProjectileLeft},
    {0, 1, kProjectileMiddle},
    {0, 2, kProjectileRight, 2, 1},
    {1, 0, kProjectileFields},
}};

}  // namespace

const FormTable kWeaponTable = {
    "TWeapon",      "Weapon",
    kWeaponCarried, kWeaponRows,
    kWeaponScreen,  {"Changed updated to INI file.", "Changes not updated.", "Reset to last known parameters."},
};

const FormTable kProjectileTable = {
    "TProjectileStat",  "Projectile",
    kProjectileCarried, kProjectileRows,
    kProjectileScreen,  {"Changes updated to INI file.", "Changes not updated.", "Reset to last known settings."},
};

}  // namespace quillan::editor
