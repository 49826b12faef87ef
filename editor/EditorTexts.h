// Every user-visible text of ruleedit outside the form and catalogue tables,
// in one place. Menu captions keep their accelerators ("&") as users know them.
#pragma once

namespace quillan::editor::texts {

inline constexpr char kProgramName[] = "ruleedit";
inline constexpr char kProgramTitle[] = "Quillan Rules Editor";

inline constexpr char kFileMenu[] = "&File";
inline constexpr char kOpen[] = "&Open...";
inline constexpr char kSave[] = "&Save";
inline constexpr char kSaveAs[] = "Save &As...";
inline constexpr char kClose[] = "Close";
inline constexpr char kExit[] = "E&xit";
inline constexpr char kAbout[] = "&About";
// The object menus, in menu bar order after "&File".
inline constexpr const char* kObjectMenus[] = {"&General", "&Difficulty", "&Units", "&Structures", "&Other"};

inline constexpr char kRulesFilter[] = "Rules Files (*.ini)";
inline constexpr char kRulesSuffix[] = "ini";
inline constexpr char kInitialFileName[] = "Rules.ini";
inline constexpr char kCreateFileQuestion[] = "%1\nThis file does not exist.\nCreate the file?";

inline constexpr char kConfirmTitle[] = "Confirm";
inline constexpr char kSaveChangesPrefix[] = "Save changes to ";
inline constexpr char kSaveChangesSuffix[] = " ?";

inline constexpr char kUnableToWrite[] = "Unable to write to %1";
inline constexpr char kUnableToOpen[] = "Unable to copy %1 to the working copy %2.";
inline constexpr char kUnableToSave[] = "Unable to save to %1. The rules file is unchanged.";
// Field caption, the character (empty when it does not print), its code
// point in hex, the file's encoding.
inline constexpr char kUnstorableCharacter[] =
    "The field %1 holds the character %2 (U+%3), which this rules file cannot store: it is "
    "written in %4.";
inline constexpr char kUnstorableCharacterDetail[] =
    "Nothing was written. Change the field and press OK again, or Cancel.";
inline constexpr char kWorkingCopyInUse[] =
    "The working copy %1 is in use by another ruleedit started in this directory.\n"
    "Close the file there, or start this editor in another directory.";

inline constexpr char kOk[] = "&OK";
inline constexpr char kCancel[] = "&Cancel";
inline constexpr char kReset[] = "&Reset";
inline constexpr char kYesCaption[] = "Yes";
inline constexpr char kNoCaption[] = "No";
// Shown under the prerequisite boxes when the value names buildings that have
// no box; they are kept and written back.
inline constexpr char kOtherPrerequisites[] = "Also: %1";
inline constexpr char kOtherPrerequisitesHint[] = "Prerequisites without a box here; kept as they are.";

inline constexpr char kAboutTitle[] = "About";
inline constexpr char kAboutVersion[] = "Version %1";
inline constexpr char kAboutAuthor[] = "Program: the Quillan developers";
inline constexpr char kAboutArtist[] = "Picture: drawn in code by the Quillan developers";
inline constexpr char kAboutThanksHeading[] = "Special thanx";
inline constexpr char kAboutThanks[] = "to everyone who tried the editor on their rules files";
inline constexpr char kAboutUpdates[] = "Updates are published with the Quillan tool set releases.";

}  // namespace quillan::editor::texts
