// Inifun: the program's only access to INI-format files (the settings file
// prisd.dat and the plug-in definitions), over the platform's private-profile
// functions. Every call opens, reads or rewrites the file; nothing is cached
// or locked. Texts are 8-bit ANSI. No call reports an error: a missing or
// unreadable file reads as empty values and an empty section, and a failed
// write is silent.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Inifun {

// Stores at most the first 128 characters of `value`.
void WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);

// The value cut to 127 characters with surrounding spaces removed; "" when
// the file, section or key is missing.
std::string ReadIniValue(const std::string& file, const std::string& section,
                         const std::string& key);

// The raw lines of a section ("key=value"), in file order. nullopt (the
// "unallocated" list) when the section is missing or has no lines; an empty
// vector is never returned. Note the argument order: section first.
using SectionLines = std::optional<std::vector<std::string>>;
SectionLines ReadIniSection(const std::string& section, const std::string& file);

// True when the list has no elements (unallocated or empty).
inline bool IsArraryEmpty(const SectionLines& lines) {
  return !lines || lines->empty();
}

// "major.minor" as GetVersionExA reports it, e.g. "6.1".
std::string GetWindowsVersion();

}  // namespace Inifun
