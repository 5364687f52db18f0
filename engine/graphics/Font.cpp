#include "engine/graphics/Font.h"

#include <algorithm>
#include <iostream>
#include <vector>

#include "engine/graphics/Mesh.h"
#include "engine/graphics/Texture.h"

namespace Framework {

bool Font::InitLibrary() {
  if (library != nullptr) return true;
  if (FT_Init_FreeType(&library) != 0) {
    library = nullptr;
    std::cerr << "ERROR::FREETYPE: Could not init FreeType Library" << std::endl;
    return false;
  }
  return true;
}

void Font::DoneLibrary() {
  if (library != nullptr) FT_Done_FreeType(library);
  library = nullptr;
}

namespace {

// The glyph's coverage as tightly packed 8-bit rows, top row first. Only
// 8-bit grey bitmaps stored top-down can be read safely as width x rows
// bytes; any other kind (one-bit strikes, colour) is drawn empty.
std::vector<unsigned char> GreyRows(const FT_Bitmap& bitmap, int code) {
  const size_t width = bitmap.width, rows = bitmap.rows;
  std::vector<unsigned char> pixels;
  if (width == 0 || rows == 0) return pixels;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.pitch < static_cast<int>(width)) {
    std::cerr << "Error: Glyph " << code << " is not an 8-bit grey bitmap; it is drawn empty." << std::endl;
    return pixels;
  }
  pixels.resize(width * rows);
  for (size_t row = 0; row < rows; ++row) {
    std::copy_n(bitmap.buffer + row * static_cast<size_t>(bitmap.pitch), width, pixels.begin() + row * width);
  }
  return pixels;
}

}  // namespace

void Font::Load(TextureFactory& textures, const std::string& path) {
  FT_Face face = nullptr;
  if (library == nullptr || FT_New_Face(library, path.c_str(), 0, &face) != 0) {
    std::cerr << "ERROR::FREETYPE: Failed to load font" << std::endl;
    return;
  }
  FT_Set_Pixel_Sizes(face, 0, kPixelHeight);
  for (int code = 0; code < 128; ++code) {
    if (FT_Load_Char(face, static_cast<FT_ULong>(code), FT_LOAD_RENDER) != 0) {
      std::cout << "ERROR::FREETYPE: Failed to load Glyph" << std::endl;
      continue;
    }
    const FT_GlyphSlot slot = face->glyph;
    const std::string name(1, static_cast<char>(code));
    const std::vector<unsigned char> pixels = GreyRows(slot->bitmap, code);
    Glyph glyph;
    if (!pixels.empty()) {
      glyph.width = static_cast<int>(slot->bitmap.width);
      glyph.rows = static_cast<int>(slot->bitmap.rows);
    }
    glyph.bearingX = slot->bitmap_left;
    glyph.bearingY = slot->bitmap_top;
    glyph.advance = static_cast<unsigned>(slot->advance.x);
    glyph.textureID = textures.CreateTexture(name, glyph.width, glyph.rows, 1, GL_R8, GL_RED,
                                             pixels.empty() ? nullptr : pixels.data(), GL_CLAMP_TO_EDGE,
                                             GL_CLAMP_TO_EDGE, GL_LINEAR, GL_LINEAR);
    glyphs[static_cast<char>(code)] = glyph;
  }
  FT_Done_Face(face);
}

void Font::RenderText(const std::string& text, float scale, const std::shared_ptr<Mesh>& mesh, float x, float y) {
  if (!mesh) return;
  gl::ActiveTexture(GL_TEXTURE0);
  for (char c : text) {
    const Glyph& glyph = glyphs[c];
    const float xpos = x + static_cast<float>(glyph.bearingX) * scale;
    const float ypos = y - static_cast<float>(glyph.rows - glyph.bearingY) * scale;
    const float w = static_cast<float>(glyph.width) * scale;
    const float h = static_cast<float>(glyph.rows) * scale;
    // Empty bitmaps (spaces, missing characters) only advance.
    if (glyph.textureID != 0 && w > 0.0f && h > 0.0f) {
      const float quad[12] = {xpos, ypos + h, xpos + w, ypos + h, xpos + w, ypos,
                              xpos, ypos,     xpos,     ypos + h, xpos + w, ypos};
      mesh->SetPositions(quad);
      gl::BindVertexArray(mesh->vao);
      gl::BindTexture(GL_TEXTURE_2D, glyph.textureID);
      gl::DrawArrays(GL_TRIANGLES, 0, 6);
    }
    x += static_cast<float>(glyph.advance >> 6) * scale;
  }
  gl::BindVertexArray(0);
  gl::BindTexture(GL_TEXTURE_2D, 0);
}

Math::Vec2 Font::MeasureText(const std::string& text, float scale) {
  Math::Vec2 size(0.0f, 0.0f);
  for (char c : text) {
    const Glyph& glyph = glyphs[c];
    size.x += static_cast<float>(glyph.advance >> 6) * scale;
    size.y = static_cast<float>(glyph.rows) * scale;
  }
  return size;
}

}  // namespace Framework
