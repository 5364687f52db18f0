#pragma once
// Numbers the game reads from its data files. A value that is not a finite
// number inside the range where a match still plays (a NaN radius reaches
// everyone, an infinite time never passes) is refused: the field keeps its
// default and an "Error:" line names the file and the field.
#include <string>

class TiXmlElement;

namespace Framework {
class XMLSerializer;
}

template <typename T>
struct FieldRange {
  T low;
  T high;
};

// True when value is finite and from range.low to range.high; otherwise
// prints "Error: <file>: <field> = <value> ...; using <fallback>" and
// returns false.
bool AcceptField(float value, FieldRange<float> range, float fallback, const std::string& file,
                 const std::string& field);
bool AcceptField(int value, FieldRange<int> range, int fallback, const std::string& file, const std::string& field);

// Reads field as Framework::ReadElement does (start and its subtree) and keeps
// it only when AcceptField takes it; an absent field leaves out as it was.
bool ReadCheckedField(TiXmlElement* start, float& out, const std::string& field, FieldRange<float> range,
                      const std::string& file);
bool ReadCheckedField(TiXmlElement* start, int& out, const std::string& field, FieldRange<int> range,
                      const std::string& file);

// The same from a component's element, naming the serializer's file.
bool ReadCheckedField(Framework::XMLSerializer& serializer, float& out, const std::string& field,
                      FieldRange<float> range);
bool ReadCheckedField(Framework::XMLSerializer& serializer, int& out, const std::string& field,
                      FieldRange<int> range);
