// Media devices driven by command strings ("open chime.wav alias c",
// "play c wait", "close c"), for the MCI function. Which commands a
// desktop understands is its own affair; one it does not understand fails
// with a text that says so.
#pragma once

#include <string>
#include <string_view>

namespace quillan::os {

class MediaControl {
 public:
  virtual ~MediaControl() = default;
  // Carries out one command. True on success, reply holding the answer
  // (often empty); false with reply holding the reason.
  virtual bool command(std::string_view text, std::string& reply) = 0;
};

}  // namespace quillan::os
