// The shell's per-user lists that a cleaning pass empties: the recycle bin,
// the clipboard and the recently opened documents. Each call does its one
// thing and reports back as a value; none shows a message of its own.
#pragma once

#include "platform/win.h"

namespace platform {

struct RecycleBinContents {
  double bytes = 0;
  double items = 0;
};

// What the recycle bins of all drives hold, as the shell counts it; zero when
// the shell cannot tell.
RecycleBinContents QueryRecycleBin();

// Empties the recycle bins of all drives without asking; the shell's progress
// display and sound stay on, owned by `owner`. Whether the shell reported
// success.
bool EmptyRecycleBin(HWND owner);

// Empties the clipboard; `owner` becomes its owner (nullptr is allowed).
// False when another program holds the clipboard open.
bool ClearClipboard(HWND owner);

// Empties the user's list of recently opened documents. True when the shell
// left no error code behind.
bool ClearRecentDocuments();

}  // namespace platform
