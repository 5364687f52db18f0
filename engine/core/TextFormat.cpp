#include "engine/core/TextFormat.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

namespace Framework {

namespace {

locale_t ClassicLocale() {
  static locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return classic;
}

// Reads up to count components split at ","; the rest stay 0.
void ParseComponents(const std::string& text, float* out, int count) {
  size_t start = 0;
  bool textLeft = true;
  for (int i = 0; i < count; ++i) {
    if (!textLeft) {
      out[i] = 0.0f;
      continue;
    }
    out[i] = ParseFloat(text.c_str() + start);
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) {
      textLeft = false;
    } else {
      start = comma + 1;
    }
  }
}

std::string FormatWith(float value, std::chars_format format) {
  char buffer[128];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value), format, 6);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string JoinFixed(const float* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    text += FormatFixed(values[i]);
  }
  return text;
}

}  // namespace

float ParseFloat(const char* text) {
  if (!text) return 0.0f;
  return static_cast<float>(strtod_l(text, nullptr, ClassicLocale()));
}

namespace {
long long ParseClamped(const char* text, long long lowest, long long highest) {
  if (!text) return 0;
  const long long value = strtoll(text, nullptr, 10);
  return std::min(std::max(value, lowest), highest);
}
}  // namespace

int ParseInt(const char* text) { return static_cast<int>(ParseClamped(text, INT_MIN, INT_MAX)); }

unsigned ParseUnsigned(const std::string& text) {
  return static_cast<unsigned>(ParseClamped(text.c_str(), INT_MIN, UINT_MAX));
}

bool ParseBool(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return !(lower == "false" || lower == "0");
}

Math::Vec2 ParseVec2Text(const std::string& text) {
  float v[2];
  ParseComponents(text, v, 2);
  return Math::Vec2(v[0], v[1]);
}

Math::Vec3 ParseVec3Text(const std::string& text) {
  float v[3];
  ParseComponents(text, v, 3);
  return Math::Vec3(v[0], v[1], v[2]);
}

Math::Vec4 ParseVec4Text(const std::string& text) {
  float v[4];
  ParseComponents(text, v, 4);
  return Math::Vec4(v[0], v[1], v[2], v[3]);
}

std::string FormatFloat(float value) { return FormatWith(value, std::chars_format::general); }
std::string FormatFixed(float value) { return FormatWith(value, std::chars_format::fixed); }

std::string Vec2ToString(const Math::Vec2& value) {
  const float v[2] = {value.x, value.y};
  return JoinFixed(v, 2);
}

std::string Vec3ToString(const Math::Vec3& value) {
  const float v[3] = {value.x, value.y, value.z};
  return JoinFixed(v, 3);
}

std::string Vec4ToString(const Math::Vec4& value) {
  const float v[4] = {value.x, value.y, value.z, value.w};
  return JoinFixed(v, 4);
}

}  // namespace Framework
