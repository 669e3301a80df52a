// The two messenger and mail tracks whose folder comes from a registry value
// rather than from a user folder. Both read the value anew each time they run,
// take it as stored (no %USERPROFILE% expansion), and erase nothing when the
// read fails; registry credits of their tracks are the table's business.
#pragma once

#include <string>

#include "engine/pass_types.h"

namespace engine {

// Yahoo! Messenger's help folder: the default value of its type library's
// HELPDIR key, trimmed; "" when it cannot be read.
std::string YahooHelpFolder();

// Every file below the help folder followed directly by "Profiles" (the value
// is expected to end with its own backslash; none is added).
void EraseYahooHelpProfiles(TrackRun& run);

// Windows Mail's store folder: the value "Store Root", trimmed; "" when it
// cannot be read.
std::string WindowsMailStoreFolder();

// Every account file (".oeaccount") below the store folder.
void EraseWindowsMailAccounts(TrackRun& run);

}  // namespace engine
