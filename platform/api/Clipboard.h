// The desktop's clipboard as plain text. Texts are script bytes; the
// implementation converts them at the desktop, as the dialog does.
#pragma once

#include <string>
#include <string_view>

namespace quillan::os {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // The text on the clipboard; empty when it holds none (or no text).
  virtual std::string text() = 0;
  // Makes text the clipboard's only content.
  virtual void setText(std::string_view text) = 0;
  // Empties the clipboard.
  virtual void clear() = 0;
};

}  // namespace quillan::os
