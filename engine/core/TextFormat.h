#pragma once
// Number and flag text conversions for every file the program reads and
// writes. None of them depends on the process locale: "0.5" is always 0.5.
#include <string>

#include "engine/core/Vector.h"

namespace Framework {

// Like atof/atoi: leading blanks skipped, the longest numeric prefix read,
// 0 when there is none. Integers out of range clamp to the int limits.
float ParseFloat(const char* text);
inline float ParseFloat(const std::string& text) { return ParseFloat(text.c_str()); }
int ParseInt(const char* text);
inline int ParseInt(const std::string& text) { return ParseInt(text.c_str()); }
// Reads back what either "%u" or "%d" wrote: "4000000000" and "-1" both
// keep their 32 bits.
unsigned ParseUnsigned(const std::string& text);
// "false" and "0" in any letter case are false; anything else, even "", is true.
bool ParseBool(const std::string& text);

// Components separated by ","; missing trailing components read as 0.
Math::Vec2 ParseVec2Text(const std::string& text);
Math::Vec3 ParseVec3Text(const std::string& text);
Math::Vec4 ParseVec4Text(const std::string& text);

std::string FormatFloat(float value);  // as printf "%g"
std::string FormatFixed(float value);  // as printf "%f"

std::string Vec2ToString(const Math::Vec2& value);
std::string Vec3ToString(const Math::Vec3& value);
std::string Vec4ToString(const Math::Vec4& value);

}  // namespace Framework
