// The six editor forms, each described by one table.
#pragma once

#include <array>
#include <span>

#include "editor/KeyTable.h"

namespace quillan::editor {

// Order of creation at start-up (after the about box).
enum class FormId { AllUnits, Weapon, ProjectileStat, Difficulty, IQSettings, MultieDefaults };

inline constexpr std::array<FormId, 6> kAllForms = {
    FormId::AllUnits,   FormId::Weapon,     FormId::ProjectileStat,
    FormId::Difficulty, FormId::IQSettings, FormId::MultieDefaults,
};

const FormTable& formTable(FormId form);

// The fifteen buildings that the units form offers as prerequisites.
std::span<const PrerequisiteFlag> prerequisiteFlags();

// Defined in the files that hold each table.
extern const FormTable kAllUnitsTable;
extern const FormTable kWeaponTable;
extern const FormTable kProjectileTable;
extern const FormTable kDifficultyTable;
extern const FormTable kMultiDefaultsTable;
extern const FormTable kIQSettingsTable;

}  // namespace quillan::editor
