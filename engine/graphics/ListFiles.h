#pragma once
// Readers for the two resource list files the renderer starts from: the
// shader list and the texture lists. They only parse; the GL work happens
// in the shader library and the texture registry.
#include <string>
#include <vector>

namespace Framework {

struct ShaderEntry {
  std::string name;
  std::string fragmentPath;
  std::string vertexPath;
};

// Entries run from the first "DEFAULT" element (depth first) through its
// following siblings; without one, from the document's first element. A
// missing or unreadable file gives an "Error: ..." line and no entries.
std::vector<ShaderEntry> ReadShaderList(const std::string& path);

struct AnimationRecord {
  std::string name;
  unsigned frameCount = 0;
  float topX = 0.0f, topY = 0.0f;
  float botX = 0.0f, botY = 0.0f;
};

struct TextureEntry {
  std::string name;
  std::string filePath;
  std::vector<AnimationRecord> animations;
};

// The children of the first "TEXTURELIST" element; nothing when the file is
// missing or unreadable (after an "Error: ..." line) or holds no list.
std::vector<TextureEntry> ReadTextureList(const std::string& path);

}  // namespace Framework
