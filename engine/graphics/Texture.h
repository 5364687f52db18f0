#pragma once
// Named OpenGL textures with their named animations, and the registry
// that owns them for the whole run.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/ListFiles.h"

namespace Framework {

struct TexCoord {
  float u = 0.0f;
  float v = 0.0f;
};

// Top-left, top-right, bottom-right, bottom-left.
using AnimationFrame = std::array<TexCoord, 4>;

class Animation {
 public:
  Animation() = default;
  // A strip of equally wide frames between the record's two corners on an
  // image of width by height pixels.
  Animation(const AnimationRecord& record, int width, int height);
  // Out of range: an error line and frame 0 (a zero frame when there is none).
  const AnimationFrame& GetFrame(unsigned index) const;

  unsigned frameCount = 0;
  std::vector<AnimationFrame> frames;
};

class Texture {
 public:
  Texture() = default;
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;
  Texture(Texture&& other) noexcept;
  Texture& operator=(Texture&& other) noexcept;
  ~Texture();

  // First animation in name order, or null without any.
  const Animation* FirstAnimation() const;

  GLuint id = 0;
  int width = 0;
  int height = 0;
  // Every texel fully covers what lies beneath (an image without alpha, or
  // with alpha 255 throughout); unknown textures count as see-through.
  bool opaque = false;
  std::map<std::string, Animation> animations;

 private:
  void Release();
};

class TextureFactory {
 public:
  static TextureFactory& Instance();

  // Reads one texture list and loads every texture in it.
  void LoadTextureList(const std::string& path);
  // Decodes the image (an unreadable file ends the program with 1) and
  // stores the texture under name, replacing an earlier one.
  void LoadTexture(const std::string& name, const std::string& path,
                   const std::vector<AnimationRecord>& animations);
  // A texture from raw bytes; 0 and nothing stored when the name exists.
  GLuint CreateTexture(const std::string& name, int width, int height, int unpackAlignment,
                       GLint internalFormat, GLenum format, const void* pixels, GLint wrapS,
                       GLint wrapT, GLint magFilter, GLint minFilter);
  // Empty pointer and an error line for an unknown name.
  std::shared_ptr<Texture> GetTexture(const std::string& name) const;
  // Silent lookup: 0 when missing.
  GLuint GetTextureId(const std::string& name) const;
  bool Has(const std::string& name) const { return textures_.count(name) != 0; }
  // Drops every texture (GL names are freed while the context lives).
  void Clear() { textures_.clear(); }

  // Names the renderer keeps for itself: one-character glyph names and
  // the frame-buffer textures.
  static bool IsReservedName(const std::string& name);

 private:
  TextureFactory() = default;
  std::map<std::string, std::shared_ptr<Texture>> textures_;
};

}  // namespace Framework
