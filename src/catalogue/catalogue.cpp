#include "catalogue/catalogue.h"

#include "platform/text.h"
#include "primitives/inifun.h"

namespace catalogue {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Accepts [+-]digits[.digits][e[+-]digits] (either side of the point may be
// empty, not both) and tells whether it equals 1. Works on the text itself so
// no locale and no overflow can change the answer.
bool DecimalEqualsOne(std::string_view text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  std::string digits;  // the mantissa's digits, point removed
  long long pointShift = 0;
  bool anyDigit = false;
  while (i < text.size() && IsDigit(text[i])) digits += text[i++], anyDigit = true;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) digits += text[i++], --pointShift, anyDigit = true;
  }
  if (!anyDigit) return false;
  long long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    if (i >= text.size() || !IsDigit(text[i])) return false;
    while (i < text.size() && IsDigit(text[i])) {
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
      ++i;
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return false;
  // The value is digits * 10^(pointShift + exponent); it is 1 when the
  // significant digits are exactly "1" and the scale puts it in the ones place.
  const size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return false;
  const size_t last = digits.find_last_not_of('0');
  if (first != last || digits[first] != '1' || negative) return false;
  const long long trailingZeros = static_cast<long long>(digits.size() - 1 - last);
  return trailingZeros + pointShift + exponent == 0;
}

}  // namespace

const Track* FindTrack(std::string_view section, std::string_view key) {
  for (const Track& track : Tracks()) {
    if (platform::EqualsNoCase(track.section, section) && platform::EqualsNoCase(track.key, key)) {
      return &track;
    }
  }
  return nullptr;
}

bool ReadsAsOne(std::string_view value) {
  return DecimalEqualsOne(value);
}

bool IsExactOne(std::string_view value) {
  return value == kFlagOn;
}

bool IsSelectedForPass(const Track& track, std::string_view value) {
  return track.rule == SelectRule::ReadsAsOne ? ReadsAsOne(value) : IsExactOne(value);
}

std::string SettingsFile(const std::string& programFolder) {
  return programFolder + "\\prisd.dat";
}

bool IsTrackSelected(const std::string& settingsFile, const Track& track) {
  return IsSelectedForPass(track, Inifun::ReadIniValue(settingsFile, track.section, track.key));
}

}  // namespace catalogue
