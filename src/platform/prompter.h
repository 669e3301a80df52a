// The seam through which the program shows message boxes. The program's own
// windows and logic call ShowMessage; tests install a prompter that records
// the request and answers it, so no test ever waits for a click.
#pragma once

#include <functional>
#include <string>

#include "platform/win.h"

namespace platform {

struct MessageRequest {
  HWND owner = nullptr;
  std::string text;
  std::string caption;
  UINT style = MB_OK;
};

// Returns the button pressed (IDOK, IDYES, ...), as MessageBoxA does.
using Prompter = std::function<int(const MessageRequest&)>;

int ShowMessage(const MessageRequest& request);
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style);

// Replaces the prompter for as long as the object lives (tests).
class ScopedPrompter {
 public:
  explicit ScopedPrompter(Prompter prompter);
  ~ScopedPrompter();
  ScopedPrompter(const ScopedPrompter&) = delete;
  ScopedPrompter& operator=(const ScopedPrompter&) = delete;

 private:
  Prompter previous_;
};

}  // namespace platform
