#include "engine/graphics/ListFiles.h"

#include <tinyxml.h>

#include <cstdlib>

namespace Framework {

namespace {

std::string FirstAttributeValue(const TiXmlElement* element) {
  if (element == nullptr || element->FirstAttribute() == nullptr) return {};
  return element->FirstAttribute()->ValueStr();
}

// Depth first over element, its descendants, then its following siblings.
const TiXmlElement* FindFrom(const TiXmlElement* element, const std::string& name) {
  for (; element != nullptr; element = element->NextSiblingElement()) {
    if (element->ValueStr() == name) return element;
    if (const TiXmlElement* inside = FindFrom(element->FirstChildElement(), name)) return inside;
  }
  return nullptr;
}

// Depth first within element's own subtree only.
const TiXmlElement* FindWithin(const TiXmlElement* element, const std::string& name) {
  if (element == nullptr) return nullptr;
  if (element->ValueStr() == name) return element;
  return FindFrom(element->FirstChildElement(), name);
}

// "x,y": each component read with atof after the previous comma.
void ParsePair(const std::string& text, float& x, float& y) {
  x = static_cast<float>(std::atof(text.c_str()));
  const auto comma = text.find(',');
  y = comma == std::string::npos ? 0.0f : static_cast<float>(std::atof(text.c_str() + comma + 1));
}

AnimationRecord ReadAnimation(const TiXmlElement* element) {
  AnimationRecord record;
  record.name = element->ValueStr();
  if (const TiXmlElement* frames = FindWithin(element, "numofFrames")) {
    const int count = std::atoi(FirstAttributeValue(frames).c_str());
    record.frameCount = count > 0 ? static_cast<unsigned>(count) : 0u;
  }
  if (const TiXmlElement* top = FindWithin(element, "TOP")) {
    ParsePair(FirstAttributeValue(top), record.topX, record.topY);
  }
  if (const TiXmlElement* bot = FindWithin(element, "BOT")) {
    ParsePair(FirstAttributeValue(bot), record.botX, record.botY);
  }
  return record;
}

}  // namespace

std::vector<ShaderEntry> ReadShaderList(const std::string& path) {
  std::vector<ShaderEntry> entries;
  TiXmlDocument document;
  if (!document.LoadFile(path)) return entries;
  const TiXmlElement* first = document.FirstChildElement();
  const TiXmlElement* entry = FindFrom(first, "DEFAULT");
  if (entry == nullptr) entry = first;
  for (; entry != nullptr; entry = entry->NextSiblingElement()) {
    ShaderEntry shader;
    shader.name = entry->ValueStr();
    const TiXmlElement* fragment = FindWithin(entry, "fragment");
    shader.fragmentPath = FirstAttributeValue(fragment);
    // The vertex stage follows the fragment stage inside the entry.
    const TiXmlElement* vertex = fragment != nullptr ? FindFrom(fragment, "vertex") : FindWithin(entry, "vertex");
    shader.vertexPath = FirstAttributeValue(vertex);
    entries.push_back(std::move(shader));
  }
  return entries;
}

std::vector<TextureEntry> ReadTextureList(const std::string& path) {
  std::vector<TextureEntry> entries;
  TiXmlDocument document;
  if (!document.LoadFile(path)) return entries;
  const TiXmlElement* list = FindFrom(document.FirstChildElement(), "TEXTURELIST");
  if (list == nullptr) return entries;
  for (const TiXmlElement* texture = list->FirstChildElement(); texture != nullptr;
       texture = texture->NextSiblingElement()) {
    TextureEntry entry;
    entry.name = texture->ValueStr();
    entry.filePath = FirstAttributeValue(FindWithin(texture, "filepath"));
    for (const TiXmlElement* child = texture->FirstChildElement(); child != nullptr;
         child = child->NextSiblingElement()) {
      if (child->ValueStr() != "filepath") entry.animations.push_back(ReadAnimation(child));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace Framework
