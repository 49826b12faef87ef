// The MCI function's devices, from the sound module once a script first
// calls MCI. Without the module every command fails with the reason.
#pragma once

#include <memory>

#include "platform/api/MediaControl.h"

namespace quillan::dialog {

class LoadedMediaControl final : public os::MediaControl {
 public:
  bool command(std::string_view text, std::string& reply) override;

 private:
  std::unique_ptr<os::MediaControl> media_;
};

}  // namespace quillan::dialog
