#include "engine/graphics/ListFiles.h"

#include <iostream>

#include "engine/core/XMLSerializer.h"

namespace Framework {

namespace {

// More frames than this in one strip is a typing error, not art; without
// the bound a stray "-1" would ask for billions of frames.
constexpr int kMaxFrames = 4096;

// Depth first within element's own subtree only.
TiXmlElement* FindWithin(TiXmlElement* element, const std::string& name) {
  if (element == nullptr) return nullptr;
  if (element->ValueStr() == name) return element;
  for (TiXmlElement* child = element->FirstChildElement(); child != nullptr; child = child->NextSiblingElement()) {
    if (TiXmlElement* found = FindWithin(child, name)) return found;
  }
  return nullptr;
}

AnimationRecord ReadAnimation(TiXmlElement* element, const std::string& listPath) {
  AnimationRecord record;
  record.name = element->ValueStr();
  int frames = 0;
  ReadElement(element, frames, "numofFrames");
  if (frames < 0 || frames > kMaxFrames) {
    std::cerr << "Error: Animation " << record.name << " in " << listPath << " has " << frames
              << " frames; 0 to " << kMaxFrames << " allowed, none used." << std::endl;
    frames = 0;
  }
  record.frameCount = static_cast<unsigned>(frames);
  Math::Vec2 top(0, 0), bot(0, 0);
  ReadElement(element, top, "TOP");
  ReadElement(element, bot, "BOT");
  record.topX = top.x;
  record.topY = top.y;
  record.botX = bot.x;
  record.botY = bot.y;
  return record;
}

// Opens a list file, saying so when it is missing or not well-formed XML.
bool OpenList(XMLSerializer& reader, const std::string& path) {
  if (reader.Open(path, XMLSerializer::kRead)) return true;
  std::cerr << "Error: Cannot read " << path << " (missing or not well-formed XML); nothing is loaded from it."
            << std::endl;
  return false;
}

}  // namespace

std::vector<ShaderEntry> ReadShaderList(const std::string& path) {
  std::vector<ShaderEntry> entries;
  XMLSerializer reader;
  if (!OpenList(reader, path)) return entries;
  TiXmlElement* first = reader.GetCursor();
  TiXmlElement* entry = reader.FindElement("DEFAULT", first) ? reader.GetCursor() : first;
  for (; entry != nullptr; entry = entry->NextSiblingElement()) {
    ShaderEntry shader;
    shader.name = entry->ValueStr();
    // The two stages are read by name within the entry, so a missing child
    // never borrows a path from the next entry.
    shader.fragmentPath = GetFirstAttributeValue(FindWithin(entry, "fragment"));
    shader.vertexPath = GetFirstAttributeValue(FindWithin(entry, "vertex"));
    entries.push_back(std::move(shader));
  }
  return entries;
}

std::vector<TextureEntry> ReadTextureList(const std::string& path) {
  std::vector<TextureEntry> entries;
  XMLSerializer reader;
  if (!OpenList(reader, path)) return entries;
  if (!reader.FindElement("TEXTURELIST", reader.GetCursor())) return entries;
  for (TiXmlElement* texture = GetFirstChildElement(reader.GetCursor()); texture != nullptr;
       texture = texture->NextSiblingElement()) {
    TextureEntry entry;
    entry.name = texture->ValueStr();
    ReadElement(texture, entry.filePath, "filepath");
    for (TiXmlElement* child = GetFirstChildElement(texture); child != nullptr; child = child->NextSiblingElement()) {
      if (child->ValueStr() != "filepath") entry.animations.push_back(ReadAnimation(child, path));
    }
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace Framework
