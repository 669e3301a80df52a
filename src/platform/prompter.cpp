#include "platform/prompter.h"

#include <utility>

namespace platform {
namespace {

Prompter& CurrentPrompter() {
  static Prompter prompter;
  return prompter;
}

}  // namespace

int ShowMessage(const MessageRequest& request) {
  if (const Prompter& prompter = CurrentPrompter()) return prompter(request);
  return MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.style);
}

int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style) {
  return ShowMessage(MessageRequest{owner, text, caption, style});
}

ScopedPrompter::ScopedPrompter(Prompter prompter)
    : previous_(std::exchange(CurrentPrompter(), std::move(prompter))) {}

ScopedPrompter::~ScopedPrompter() {
  CurrentPrompter() = std::move(previous_);
}

}  // namespace platform
