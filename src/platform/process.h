// Starting programs and documents, and the facts about the running system that
// the program asks for (its own folder, the Windows folder, the environment).
// Nothing here throws or shows a message: failures come back as values.
#pragma once

#include <optional>
#include <string>

#include "platform/handles.h"

namespace platform {

// Starts a command line without waiting for it. `showCommand` is an SW_*
// value (SW_HIDE for a hidden window). Returns the process handle, or an empty
// handle when the program could not be started.
KernelHandle StartCommandLine(const std::string& commandLine, int showCommand);

// Waits until the process ends while this thread keeps handling its window
// messages. Sleeps between messages instead of polling, so a long wait costs
// no processor time. Returns false when the handle cannot be waited on.
bool WaitForProcessPumping(HANDLE process);

// Opens a document, folder, web address or "mailto:" text with its default
// program (ShellExecute with the default verb). Returns whether the shell
// accepted it.
bool ShellOpen(const std::string& target);

// The folder of the running executable, without a trailing backslash.
std::string ExecutableFolder();

// GetWindowsDirectoryA, without a trailing backslash.
std::string WindowsFolder();

// The variable's value; nullopt when it is not set.
std::optional<std::string> EnvironmentVariable(const std::string& name);

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

}  // namespace platform
