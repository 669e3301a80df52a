// Helpers of the WINDOWS tracks that other code may call on their own.
#pragma once

namespace engine {

// Empties the user's list of recently opened documents (the Documents menu of
// the Start menu). True when the shell left no error code behind; the pass
// does not look at it.
bool ClearDocumentsMenu();

}  // namespace engine
