#include "game/FieldCheck.h"

#include <cmath>
#include <iostream>

#include "engine/core/XMLSerializer.h"

namespace {

template <typename T>
bool Accept(T value, FieldRange<T> range, T fallback, const std::string& file, const std::string& field) {
  if (std::isfinite(static_cast<float>(value)) && value >= range.low && value <= range.high) return true;
  std::cerr << "Error: " << file << ": " << field << " = " << value << " is not a number from " << range.low
            << " to " << range.high << "; using " << fallback << std::endl;
  return false;
}

template <typename T>
bool ReadChecked(TiXmlElement* start, T& out, const std::string& field, FieldRange<T> range, const std::string& file) {
  T value = out;
  if (!Framework::ReadElement(start, value, field) || !Accept(value, range, out, file, field)) return false;
  out = value;
  return true;
}

}  // namespace

bool AcceptField(float value, FieldRange<float> range, float fallback, const std::string& file,
                 const std::string& field) {
  return Accept(value, range, fallback, file, field);
}

bool AcceptField(int value, FieldRange<int> range, int fallback, const std::string& file, const std::string& field) {
  return Accept(value, range, fallback, file, field);
}

bool ReadCheckedField(TiXmlElement* start, float& out, const std::string& field, FieldRange<float> range,
                      const std::string& file) {
  return ReadChecked(start, out, field, range, file);
}

bool ReadCheckedField(TiXmlElement* start, int& out, const std::string& field, FieldRange<int> range,
                      const std::string& file) {
  // The whole-number reader turns "nan" or "inf" into 0, which may be in
  // range: judge the value as written first.
  float written = static_cast<float>(out);
  const FieldRange<float> asWritten{static_cast<float>(range.low), static_cast<float>(range.high)};
  if (!ReadChecked(start, written, field, asWritten, file)) return false;
  return ReadChecked(start, out, field, range, file);
}

bool ReadCheckedField(Framework::XMLSerializer& serializer, float& out, const std::string& field,
                      FieldRange<float> range) {
  return ReadChecked(serializer.GetCursor(), out, field, range, serializer.GetFileName());
}

bool ReadCheckedField(Framework::XMLSerializer& serializer, int& out, const std::string& field,
                      FieldRange<int> range) {
  return ReadCheckedField(serializer.GetCursor(), out, field, range, serializer.GetFileName());
}
