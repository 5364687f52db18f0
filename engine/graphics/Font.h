#pragma once
// The game's TrueType font as one single-channel texture per character
// (codes 0 to 127), drawn as one textured quad per character.
#include <map>
#include <memory>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "engine/core/Vector.h"
#include "engine/graphics/GLFunctions.h"

namespace Framework {

class Mesh;
class TextureFactory;

struct Glyph {
  GLuint textureID = 0;
  int width = 0;      // bitmap width in pixels
  int rows = 0;       // bitmap height in pixels
  int bearingX = 0;   // bitmap_left
  int bearingY = 0;   // bitmap_top
  unsigned advance = 0;  // 26.6 fixed point
};

class Font {
 public:
  static constexpr int kPixelHeight = 48;

  // The FreeType library handle; the graphics system opens and closes it.
  bool InitLibrary();
  void DoneLibrary();

  // Renders codes 0..127 into textures named by their one-character string.
  void Load(TextureFactory& textures, const std::string& path);
  // Draws text from its baseline origin (x, y); the caller has bound the
  // text shader and set its uniforms.
  void RenderText(const std::string& text, float scale, const std::shared_ptr<Mesh>& mesh, float x, float y);
  // Width: the sum of whole-pixel advances; height: the last character's rows.
  Math::Vec2 MeasureText(const std::string& text, float scale);
  void Clear() { glyphs.clear(); }

  std::map<char, Glyph> glyphs;
  FT_Library library = nullptr;
};

}  // namespace Framework
