// regfun: reading and writing string values of the registry by full key path
// ("HKEY_CURRENT_USER\Software\...") or by root and subkey.
//
// Contract: reads take at most 255 bytes of data. ReadRegString answers a
// failure with the text "Error" and ReadRegValue with "error"; callers test for
// their own form. Writes and key creation report nothing. A malformed full
// path (not starting with "HKEY_", or ending with a backslash) is the one case
// the user hears of: the prompter shows "Incorrect Format:" and the path, and
// the operation does nothing. Texts are 8-bit ANSI.
#pragma once

#include <optional>
#include <string>

#include "platform/win.h"

namespace regfun {

inline constexpr const char* kReadFailed = "Error";
inline constexpr const char* kValueReadFailed = "error";

// The predefined root for an exact root name, or nullptr.
HKEY GetRootKey(const std::string& name);

// Splits "ROOT\sub\key" into its root and "sub\key". On a malformed path it
// shows the format message and leaves both arguments as they were.
bool SplitRegPath(std::string& path, HKEY& root);

// The string value; "Error" when the key or value cannot be read (also a value
// longer than 254 characters); nullopt ("no value") when the root name is
// unknown or the path is malformed.
std::optional<std::string> ReadRegString(const std::string& fullPath, const std::string& valueName);

// The value's data up to its first NUL, its type through `type`; "error" when
// the key or value cannot be read.
std::string ReadRegValue(HKEY root, const std::string& subkey, const std::string& valueName,
                         DWORD* type = nullptr);

// Sets a REG_SZ value in an existing key; a missing key is not created.
void WriteRegString(const std::string& fullPath, const std::string& valueName,
                    const std::string& text);

// Creates the key (opening it when it exists).
void CreateRegKey(const std::string& fullPath);

// The part of the text before its first NUL.
std::string StripNulls(const std::string& text);

}  // namespace regfun
