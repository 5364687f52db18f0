#include "engine/core/XMLSerializer.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <unordered_map>
#include <vector>

#include "engine/core/XmlShape.h"

namespace Framework {

namespace {

// Deeper than any archetype or list file needs, and shallow enough for
// TinyXML, which parses and frees nested elements by recursion.
constexpr int kMaxNesting = 1000;
// Typed fields carry one attribute; TinyXML checks each new attribute
// against all earlier ones of its element.
constexpr int kMaxAttributes = 100;
// Real archetypes and lists are a few KiB.
constexpr std::uintmax_t kMaxDocumentBytes = 4u << 20;

// Why a document is not handed to TinyXML; empty when it may be.
std::string RefusalOf(const std::string& text) {
  const XmlShape shape = MeasureXml(text);
  if (shape.deepestNesting > kMaxNesting)
    return "nests its elements more than " + std::to_string(kMaxNesting) + " deep";
  if (shape.mostAttributes > kMaxAttributes)
    return "gives an element more than " + std::to_string(kMaxAttributes) + " attributes";
  if (shape.cutOffCharacter) return "ends inside a UTF-8 character";
  return {};
}

// TinyXML takes a folder for a file of absurd size and recurses once per
// nesting level; neither a wrong path nor a hostile file may end the program.
bool LoadDocument(TiXmlDocument& document, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return false;
  if (size > kMaxDocumentBytes) {
    std::cerr << "Error: " << path << " is larger than " << (kMaxDocumentBytes >> 20) << " MiB\n";
    return false;
  }
  std::ifstream file(path, std::ios::binary);
  // Parsed from the text that was measured, so the file cannot change in between.
  const std::string text = TinyXmlText(
      std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>()));
  const std::string refusal = RefusalOf(text);
  if (!refusal.empty()) {
    std::cerr << "Error: " << path << " " << refusal << "\n";
    return false;
  }
  document.Parse(text.c_str(), nullptr, TIXML_DEFAULT_ENCODING);
  return !document.Error();
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

// Where every element of a read document stands in document order, and where
// its subtree ends. A search from an element covers one stretch of that
// order (the element, its subtree, its later siblings and theirs), so each
// named search is a lookup: a component that misses its fields costs no
// walk over the rest of the file.
class ElementIndex {
 public:
  explicit ElementIndex(TiXmlDocument& document) {
    std::vector<std::size_t> open;  // the ancestors of the element being added
    for (TiXmlElement* element = document.FirstChildElement(); element;
         element = NextInDocumentOrder(element, &document)) {
      const std::size_t at = order.size();
      const std::size_t parent = PositionOf(element->Parent()->ToElement());
      while (!open.empty() && open.back() != parent) Close(open, at);
      element->SetUserData(reinterpret_cast<void*>(static_cast<std::uintptr_t>(at + 1)));
      order.push_back(element);
      ends.push_back(0);
      byName[element->ValueStr()].push_back(at);
      open.push_back(at);
    }
    while (!open.empty()) Close(open, order.size());
  }

  // Whether from belongs to this index (a search from elsewhere must walk).
  bool Covers(const TiXmlElement* from) const { return PositionOf(from) != kNowhere; }

  // The first element called name in from's stretch; null when none.
  TiXmlElement* Find(const std::string& name, const TiXmlElement* from) const {
    const auto named = byName.find(name);
    if (named == byName.end()) return nullptr;
    const std::size_t parent = PositionOf(from->Parent() ? from->Parent()->ToElement() : nullptr);
    const std::size_t limit = parent == kNowhere ? order.size() : ends[parent];
    const auto found = std::lower_bound(named->second.begin(), named->second.end(), PositionOf(from));
    return found != named->second.end() && *found < limit ? order[*found] : nullptr;
  }

 private:
  static constexpr std::size_t kNowhere = static_cast<std::size_t>(-1);

  std::size_t PositionOf(const TiXmlElement* element) const {
    if (!element) return kNowhere;
    const auto stored = reinterpret_cast<std::uintptr_t>(element->GetUserData());
    if (stored == 0 || stored > order.size() || order[stored - 1] != element) return kNowhere;
    return stored - 1;
  }

  void Close(std::vector<std::size_t>& open, std::size_t end) {
    ends[open.back()] = end;
    open.pop_back();
  }

  std::vector<TiXmlElement*> order;
  std::vector<std::size_t> ends;
  std::unordered_map<std::string, std::vector<std::size_t>> byName;
};

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
  index = std::make_unique<ElementIndex>(*document);
  cursor = document->FirstChildElement();
  previous = cursor;
  return true;
}

void XMLSerializer::Close() {
  // A failed save is not reported: callers treat written files as best effort.
  if (good && mode == kWrite && document) document->SaveFile(fileName);
  good = false;
  cursor = previous = componentElement = nullptr;
  index.reset();
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
  TiXmlElement* found =
      index && index->Covers(from) ? index->Find(name, from) : SearchFrom(from, from->Parent(), name);
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
