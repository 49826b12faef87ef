#include "editor/FormTables.h"

namespace quillan::editor {

const FormTable& formTable(FormId form) {
  switch (form) {
    case FormId::AllUnits:
      return kAllUnitsTable;
    case FormId::Weapon:
      return kWeaponTable;
    case FormId::ProjectileStat:
      return kProjectileTable;
    case FormId::Difficulty:
      return kDifficultyTable;
    case FormId::IQSettings:
      return kIQSettingsTable;
    case FormId::MultieDefaults:
      return kMultiDefaultsTable;
  }
  return kAllUnitsTable;
}

}  // namespace quillan::editor
