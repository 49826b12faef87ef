// The bundle of services handed to the interpreter. Each pointer is set by
// the program's entry (real services) or by a test (fakes).
#pragma once

#include "platform/api/Clipboard.h"
#include "platform/api/Clock.h"
#include "platform/api/FileOperations.h"
#include "platform/api/FileSystem.h"
#include "platform/api/IniFiles.h"
#include "platform/api/Locale.h"
#include "platform/api/MediaControl.h"
#include "platform/api/Processes.h"
#include "platform/api/Registry.h"
#include "platform/api/Session.h"
#include "platform/api/SystemInfo.h"
#include "platform/api/UserInterface.h"
#include "platform/api/WindowAutomation.h"

namespace quillan::os {

struct Platform {
  UserInterface* ui = nullptr;
  FileSystem* fs = nullptr;
  reg::Registry* registry = nullptr;
  const Locale* locale = nullptr;
  Clock* clock = nullptr;
  Processes* processes = nullptr;
  SystemInfo* system = nullptr;
  SessionManager* sessionManager = nullptr;
  IniFiles* iniFiles = nullptr;
  Clipboard* clipboard = nullptr;
  MediaControl* media = nullptr;
  WindowAutomation* windows = nullptr;
  FileOperations* files = nullptr;
};

}  // namespace quillan::os
