#include "primitives/inifun.h"

#include "platform/text.h"
#include "platform/win.h"

namespace Inifun {
namespace {

constexpr DWORD kValueBuffer = 128;
constexpr DWORD kSectionBuffer = 32767;

}  // namespace

void WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
  // The value travels in a 128-character field: the platform reads it up to
  // its first NUL, so a longer value is stored cut to 128 characters.
  const std::string stored = platform::CutAtNul(value).substr(0, kValueBuffer);
  WritePrivateProfileStringA(section.c_str(), key.c_str(), stored.c_str(), file.c_str());
}

std::string ReadIniValue(const std::string& file, const std::string& section,
                         const std::string& key) {
  char buffer[kValueBuffer] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, kValueBuffer, file.c_str());
  buffer[kValueBuffer - 1] = '\0';
  return platform::TrimSpaces(platform::CutAtNul(std::string_view(buffer, kValueBuffer)));
}

SectionLines ReadIniSection(const std::string& section, const std::string& file) {
  std::vector<char> buffer(kSectionBuffer, '\0');
  const DWORD length =
      GetPrivateProfileSectionA(section.c_str(), buffer.data(), kSectionBuffer, file.c_str());
  // The buffer is a run of NUL-terminated lines ended by an empty line; the
  // returned length bounds the walk even if the platform left no second NUL.
  std::vector<std::string> lines;
  size_t position = 0;
  const size_t end = length < kSectionBuffer ? length : kSectionBuffer;
  while (position < end) {
    const char* start = buffer.data() + position;
    const size_t lineLength = strnlen(start, end - position);
    if (lineLength == 0) break;
    lines.emplace_back(start, lineLength);
    position += lineLength + 1;
  }
  if (lines.empty()) return std::nullopt;
  return lines;
}

std::string GetWindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExA(&info);
#pragma GCC diagnostic pop
  return std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion);
}

}  // namespace Inifun
