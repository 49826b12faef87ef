// The MCI function's media devices over Qt Multimedia: each "open" makes a
// player for one sound file under its alias; see MciCommand.h for the
// commands understood. Devices still open when the runtime ends are closed
// with it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/api/MediaControl.h"

namespace quillan::dialog {

class MediaDevice;

class QtMediaControl final : public os::MediaControl {
 public:
  QtMediaControl();
  ~QtMediaControl() override;
  bool command(std::string_view text, std::string& reply) override;

 private:
  std::map<std::string, std::unique_ptr<MediaDevice>> devices_;  // by upper-case alias
};

}  // namespace quillan::dialog
