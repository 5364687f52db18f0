#include "engine/core/XMLSerializer.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

namespace Framework {

namespace {

// Deeper than any archetype or list file needs, and shallow enough for
// TinyXML, which parses and frees nested elements by recursion.
constexpr int kMaxNesting = 1000;

// How deep the elements of an XML text nest, counted from the tags alone.
// Text that merely looks like a tag only makes the count larger.
int NestingDepth(const std::string& text) {
  int depth = 0;
  int deepest = 0;
  for (std::size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    if (next == '/') {
      --depth;
    } else if (next != '?' && next != '!') {
      deepest = std::max(deepest, ++depth);
      const std::size_t close = text.find('>', at);
      if (close != std::string::npos && close > at && text[close - 1] == '/') --depth;
    }
  }
  return deepest;
}

// TinyXML takes a folder for a file of absurd size and recurses once per
// nesting level; neither a wrong path nor a hostile file may end the program.
bool LoadDocument(TiXmlDocument& document, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (NestingDepth(text) > kMaxNesting) {
    std::cerr << "Error: " << path << " nests its elements more than " << kMaxNesting << " deep\n";
    return false;
  }
  return document.LoadFile(path);
}

// The element after current in document order, never leaving the subtree
// of stop (stop itself and its siblings are outside the walk).
TiXmlElement* NextInDocumentOrder(TiXmlElement* current, const TiXmlNode* stop) {
  if (TiXmlElement* child = current->FirstChildElement()) return child;
  for (TiXmlNode* node = current; node && node != stop; node = node->Parent()) {
    if (TiXmlElement* sibling = node->NextSiblingElement()) return sibling;
  }
  return nullptr;
}

TiXmlElement* SearchFrom(TiXmlElement* first, const TiXmlNode* stop, const std::string& name) {
  for (TiXmlElement* element = first; element; element = NextInDocumentOrder(element, stop)) {
    if (element->ValueStr() == name) return element;
  }
  return nullptr;
}

// ---- value text of each field type ----
std::string ValueText(float value) { return FormatFloat(value); }
std::string ValueText(unsigned value) { return std::to_string(value); }
std::string ValueText(int value) { return std::to_string(value); }
std::string ValueText(bool value) { return value ? "true" : "false"; }
std::string ValueText(const std::string& value) { return value; }
std::string ValueText(const Math::Vec2& value) { return Vec2ToString(value); }
std::string ValueText(const Math::Vec3& value) { return Vec3ToString(value); }
std::string ValueText(const Math::Vec4& value) { return Vec4ToString(value); }

void ParseText(const std::string& text, float& out) { out = ParseFloat(text); }
void ParseText(const std::string& text, unsigned& out) { out = ParseUnsigned(text); }
void ParseText(const std::string& text, int& out) { out = ParseInt(text); }
void ParseText(const std::string& text, bool& out) { out = ParseBool(text); }
void ParseText(const std::string& text, std::string& out) { out = text; }
void ParseText(const std::string& text, Math::Vec2& out) { out = ParseVec2Text(text); }
void ParseText(const std::string& text, Math::Vec3& out) { out = ParseVec3Text(text); }
void ParseText(const std::string& text, Math::Vec4& out) { out = ParseVec4Text(text); }

}  // namespace

// ---- XMLSerializer ----

XMLSerializer::XMLSerializer() = default;

XMLSerializer::~XMLSerializer() { Close(); }

bool XMLSerializer::Open(const std::string& path, int openMode) {
  Close();
  fileName = path;
  mode = openMode;
  document = std::make_unique<TiXmlDocument>();
  if (mode == kWrite) {
    document->LinkEndChild(new TiXmlDeclaration("1.0", "", ""));
    good = true;
    return true;
  }
  good = LoadDocument(*document, path);
  if (!good) return false;
  cursor = document->FirstChildElement();
  previous = cursor;
  return true;
}

void XMLSerializer::Close() {
  // A failed save is not reported: callers treat written files as best effort.
  if (good && mode == kWrite && document) document->SaveFile(fileName);
  good = false;
  cursor = previous = componentElement = nullptr;
  document.reset();
}

void XMLSerializer::ReadInt(int& out) { out = ParseInt(GetCurrentName()); }
void XMLSerializer::ReadFloat(float& out) { out = ParseFloat(GetCurrentName()); }
void XMLSerializer::ReadString(std::string& out) { out = GetFirstAttributeValue(cursor); }

std::string XMLSerializer::GetCurrentName() const { return GetElementValue(cursor); }

bool XMLSerializer::MoveToNextSibling() {
  cursor = cursor ? cursor->NextSiblingElement() : nullptr;
  return cursor != nullptr;
}

bool XMLSerializer::FindElement(const std::string& name, TiXmlElement* from) {
  if (!from) return false;
  TiXmlElement* found = SearchFrom(from, from->Parent(), name);
  if (!found) return false;
  cursor = found;
  return true;
}

void XMLSerializer::BeginComponent(const std::string& typeName) {
  FindElement(typeName, cursor);
  componentElement = cursor;
}

void XMLSerializer::EndComponent() {
  TiXmlElement* saved = componentElement;
  componentElement = nullptr;
  if (saved) {
    previous = cursor;
    cursor = saved;
  }
}

bool XMLSerializer::FindFieldValue(const std::string& name, std::string& value) {
  if (componentElement) {
    previous = cursor;
    cursor = componentElement;
  }
  TiXmlElement* from = cursor;
  if (!FindElement(name, from)) {
    std::cerr << "    " << fileName << "\n"
              << "    Objname: " << name << "\n";
    return false;
  }
  previous = from;
  value = GetFirstAttributeValue(cursor);
  cursor = previous;
  return true;
}

// ---- element helpers ----

TiXmlElement* GetFirstChildElement(TiXmlElement* element) {
  return element ? element->FirstChildElement() : nullptr;
}

std::string GetElementValue(const TiXmlElement* element) { return element ? element->ValueStr() : std::string(); }

std::string GetFirstAttributeValue(const TiXmlElement* element) {
  const TiXmlAttribute* attribute = element ? element->FirstAttribute() : nullptr;
  return attribute ? attribute->ValueStr() : std::string();
}

template <typename T>
void MakeElement(TiXmlElement*& out, const std::string& field, const std::string& typeWord, const T& value) {
  out = new TiXmlElement(field);
  if (!typeWord.empty()) out->SetAttribute(typeWord, ValueText(value));
}

void MakeEmptyElement(TiXmlElement*& out, const std::string& field, const std::string& typeWord) {
  MakeElement(out, field, typeWord, std::string());
}

void ParseVec2(const TiXmlElement* element, Math::Vec2& out) { out = ParseVec2Text(GetFirstAttributeValue(element)); }
void ParseVec3(const TiXmlElement* element, Math::Vec3& out) { out = ParseVec3Text(GetFirstAttributeValue(element)); }
void ParseVec4(const TiXmlElement* element, Math::Vec4& out) { out = ParseVec4Text(GetFirstAttributeValue(element)); }

template <typename T>
bool ReadElement(TiXmlElement* start, T& out, const std::string& name) {
  if (!start) return false;
  TiXmlElement* found = SearchFrom(start, start, name);
  if (!found) return false;
  if (found->FirstAttribute()) ParseText(GetFirstAttributeValue(found), out);
  return true;
}

#define CORVIDALE_FIELD_TYPE(T)                                                                       \
  template void MakeElement<T>(TiXmlElement*&, const std::string&, const std::string&, const T&); \
  template bool ReadElement<T>(TiXmlElement*, T&, const std::string&);
CORVIDALE_FIELD_TYPE(float)
CORVIDALE_FIELD_TYPE(unsigned)
CORVIDALE_FIELD_TYPE(int)
CORVIDALE_FIELD_TYPE(bool)
CORVIDALE_FIELD_TYPE(std::string)
CORVIDALE_FIELD_TYPE(Math::Vec2)
CORVIDALE_FIELD_TYPE(Math::Vec3)
CORVIDALE_FIELD_TYPE(Math::Vec4)
#undef CORVIDALE_FIELD_TYPE

// ---- named readers ----

namespace {
template <typename T>
bool NamedRead(XMLSerializer& serializer, T& out, const std::string& name) {
  std::string value;
  if (!serializer.FindFieldValue(name, value)) return false;
  ParseText(value, out);
  return true;
}
}  // namespace

bool XMLReadInt(XMLSerializer& serializer, int& out, const std::string& name) {
  return NamedRead(serializer, out, name);
}
bool XMLReadFloat(XMLSerializer& serializer, float& out, const std::string& name) {
  return NamedRead(serializer, out, name);
}
bool XMLReadBool(XMLSerializer& serializer, bool& out, const std::string& name) {
  return NamedRead(serializer, out, name);
}
bool XMLReadVector3(XMLSerializer& serializer, Math::Vec3& out, const std::string& name) {
  return NamedRead(serializer, out, name);
}

}  // namespace Framework
