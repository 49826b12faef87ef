#include "platform/x11/MessageMapping.h"

namespace quillan::x11 {
namespace {

constexpr std::uint16_t kCloseMessage = 16;           // a request to close
constexpr std::uint16_t kSystemCommandMessage = 274;  // a choice of the window menu

struct SystemCommandRow {
  std::uint16_t command;
  MessageOperation operation;
};
// The low four bits of a system command are the sender's own; they are
// masked off before the lookup.
constexpr SystemCommandRow kSystemCommands[] = {{0xF020, MessageOperation::Iconize},
                                                {0xF030, MessageOperation::Maximize},
                                                {0xF120, MessageOperation::Normal},
                                                {0xF060, MessageOperation::Close}};

}  // namespace

std::optional<MessageOperation> operationForMessage(std::uint16_t message, std::uint16_t wparam) {
  if (message == kCloseMessage) return MessageOperation::Close;
  if (message != kSystemCommandMessage) return std::nullopt;
  for (const auto& row : kSystemCommands)
    if (row.command == (wparam & 0xFFF0u)) return row.operation;
  return std::nullopt;
}

}  // namespace quillan::x11
