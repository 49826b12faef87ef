// Performs the user actions of unattended mode on a dialog window through
// its real widgets, so the same handlers run as when a person acts.
#pragma once

#include <string>

#include "runtime/dialog/Dlgwin.h"
#include "runtime/dialog/UserAction.h"

namespace quillan::dialog {

// False, with the reason, when the action could not be performed (no such
// element, a hidden or disabled one, no such item).
bool performUserAction(TDlgForm& form, const UserAction& action, std::string& problem);

}  // namespace quillan::dialog
