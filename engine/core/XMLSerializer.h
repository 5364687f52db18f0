#pragma once
// Reads and writes XML documents (archetypes, settings, resource lists).
// Every setting is a typed-field element: named after the field, with one
// attribute named after its type word ("float", "unsigned", "bool",
// "string", "Vec2", "Vec3", "Vec4", "int") holding the value as text:
//   <rotation float="90"/>   <position Vec3="1.000000,0.500000,0.000000"/>
// Readers look only at the first attribute's value, never at its name.
#include <memory>
#include <string>

#include <tinyxml.h>

#include "engine/core/Serializer.h"
#include "engine/core/TextFormat.h"
#include "engine/core/Vector.h"

namespace Framework {

class ElementIndex;

class XMLSerializer : public Serializer {
 public:
  enum Mode { kRead = 0, kWrite = 1 };

  XMLSerializer();
  ~XMLSerializer() override;
  XMLSerializer(const XMLSerializer&) = delete;
  XMLSerializer& operator=(const XMLSerializer&) = delete;

  using Serializer::Open;  // the (path, bool) form always fails here
  bool IsGood() override { return good; }
  // Numbers read from the cursor element's name; kept for the interface.
  void ReadInt(int& out) override;
  void ReadFloat(float& out) override;
  // The cursor element's first attribute value ("" when it has none).
  void ReadString(std::string& out) override;
  // Saves the document when it was opened for writing, then releases it.
  virtual void Close();
  // Read mode loads path and puts the cursor on the first element; write
  // mode starts a new document holding only the XML declaration.
  virtual bool Open(const std::string& path, int mode);

  std::string GetCurrentName() const;
  std::string GetFileName() const { return fileName; }
  TiXmlDocument* GetDocument() { return document.get(); }
  TiXmlElement* GetCursor() const { return cursor; }
  void SetCursor(TiXmlElement* element) { cursor = element; }
  // Moves the cursor to its next sibling element; false (cursor cleared) at the end.
  bool MoveToNextSibling();

  // Depth-first search of from, its subtree, then its following siblings
  // and their subtrees. Found: the cursor moves there. In a read document
  // this is a lookup in the element index; otherwise a loop, so very long
  // or deep documents cannot exhaust the stack.
  bool FindElement(const std::string& name, TiXmlElement* from);

  // A component's Deserialize brackets its field reads with these: field
  // searches start at the component's element, and afterwards the cursor is
  // left on it so the caller can walk on to the next component.
  void BeginComponent(const std::string& typeName);
  void EndComponent();

  // The named-read search; reports a miss on stderr. Used by the XMLRead* functions.
  bool FindFieldValue(const std::string& name, std::string& value);

 private:
  std::string fileName;
  int mode = kRead;
  bool good = false;
  std::unique_ptr<TiXmlDocument> document;
  std::unique_ptr<ElementIndex> index;  // read mode only
  TiXmlElement* cursor = nullptr;
  TiXmlElement* previous = nullptr;
  TiXmlElement* componentElement = nullptr;
};

// ---- Element helpers ----
TiXmlElement* GetFirstChildElement(TiXmlElement* element);
std::string GetElementValue(const TiXmlElement* element);
std::string GetFirstAttributeValue(const TiXmlElement* element);

// out = a new element named field, with the attribute typeWord holding the
// value's text (no attribute when typeWord is empty). The caller links it
// under a parent (LinkEndChild), which takes it over. T: float, unsigned,
// int, bool, std::string, Vec2, Vec3, Vec4.
template <typename T>
void MakeElement(TiXmlElement*& out, const std::string& field, const std::string& typeWord, const T& value);
void MakeEmptyElement(TiXmlElement*& out, const std::string& field, const std::string& typeWord);
// MakeElement and link under parent in one step.
template <typename T>
void AppendField(TiXmlElement* parent, const std::string& field, const std::string& typeWord, const T& value) {
  TiXmlElement* element = nullptr;
  MakeElement(element, field, typeWord, value);
  parent->LinkEndChild(element);
}

void ParseVec2(const TiXmlElement* element, Math::Vec2& out);
void ParseVec3(const TiXmlElement* element, Math::Vec3& out);
void ParseVec4(const TiXmlElement* element, Math::Vec4& out);

// Silent read: searches start and its subtree (not its siblings) for an
// element called name. Found: its value goes into out when it has an
// attribute, and true is returned either way. Not found: false, out unchanged.
// T: float, unsigned, int, bool, std::string, Vec2, Vec3, Vec4.
template <typename T>
bool ReadElement(TiXmlElement* start, T& out, const std::string& name);

// Named reads from the serializer's cursor (or the component being read):
// search as FindElement does; a miss keeps out and prints two lines on stderr.
bool XMLReadInt(XMLSerializer& serializer, int& out, const std::string& name);
bool XMLReadFloat(XMLSerializer& serializer, float& out, const std::string& name);
bool XMLReadBool(XMLSerializer& serializer, bool& out, const std::string& name);
bool XMLReadVector3(XMLSerializer& serializer, Math::Vec3& out, const std::string& name);

}  // namespace Framework
