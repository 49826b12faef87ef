// The desktop's clipboard through Qt. On X11 the text stays the runtime's
// until another program takes the clipboard: other programs ask the
// runtime for it while it runs. When the runtime ends, Qt hands the text
// to a clipboard manager if one runs; without one it goes with the runtime.
#pragma once

#include "platform/api/Clipboard.h"

namespace quillan::dialog {

class QtClipboard final : public os::Clipboard {
 public:
  std::string text() override;
  void setText(std::string_view text) override;
  void clear() override;
};

}  // namespace quillan::dialog
