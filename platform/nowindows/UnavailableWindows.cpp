#include "platform/nowindows/UnavailableWindows.h"

namespace quillan::nowindows {

void UnavailableWindows::tell() {
  if (told_) return;
  told_ = true;
  if (report_) report_("other windows cannot be reached: " + why_ + "; no window is found");
}

os::WindowId UnavailableWindows::find(os::WindowLookup, std::string_view) {
  tell();
  return os::kNoWindow;
}

bool UnavailableWindows::activeWindow(std::string&, std::string&) {
  tell();
  return false;
}

}  // namespace quillan::nowindows
