#include "engine/graphics/Texture.h"

#include <iostream>
#include <utility>

#include "engine/graphics/ImageFile.h"

namespace Framework {

// ---- Animation -------------------------------------------------------------

Animation::Animation(const AnimationRecord& record, int width, int height) : frameCount(record.frameCount) {
  const float w = static_cast<float>(width);
  const float h = static_cast<float>(height);
  const float u0 = record.topX / w;
  const float u1 = record.botX / w;
  const float vTop = record.topY / h;
  const float vBot = record.botY / h;
  const float step = frameCount == 0 ? 0.0f : (u1 - u0) / static_cast<float>(frameCount);
  float u = u0;
  frames.reserve(frameCount);
  for (unsigned i = 0; i < frameCount; ++i) {
    frames.push_back({TexCoord{u, vTop}, TexCoord{u + step, vTop}, TexCoord{u + step, vBot}, TexCoord{u, vBot}});
    u += step;
  }
}

const AnimationFrame& Animation::GetFrame(unsigned index) const {
  static const AnimationFrame kNoFrame{};
  if (index < frames.size()) return frames[index];
  std::cerr << "Error: Accessing vector out of bounds" << std::endl;
  return frames.empty() ? kNoFrame : frames[0];
}

// ---- Texture ---------------------------------------------------------------

Texture::Texture(Texture&& other) noexcept
    : id(std::exchange(other.id, 0)),
      width(std::exchange(other.width, 0)),
      height(std::exchange(other.height, 0)),
      opaque(std::exchange(other.opaque, false)),
      animations(std::move(other.animations)) {
  other.animations.clear();
}

Texture& Texture::operator=(Texture&& other) noexcept {
  if (this != &other) {
    Release();
    id = std::exchange(other.id, 0);
    width = std::exchange(other.width, 0);
    height = std::exchange(other.height, 0);
    opaque = std::exchange(other.opaque, false);
    animations = std::move(other.animations);
    other.animations.clear();
  }
  return *this;
}

Texture::~Texture() { Release(); }

void Texture::Release() {
  if (id != 0 && gl::ContextAlive()) gl::DeleteTextures(1, &id);
  id = 0;
}

const Animation* Texture::FirstAnimation() const {
  return animations.empty() ? nullptr : &animations.begin()->second;
}

// ---- TextureFactory --------------------------------------------------------

namespace {

GLuint UploadTexture(int width, int height, int unpackAlignment, GLint internalFormat, GLenum format,
                     const void* pixels, GLint wrapS, GLint wrapT, GLint magFilter, GLint minFilter) {
  GLuint id = 0;
  gl::GenTextures(1, &id);
  gl::ActiveTexture(GL_TEXTURE0);
  gl::BindTexture(GL_TEXTURE_2D, id);
  gl::PixelStorei(GL_UNPACK_ALIGNMENT, unpackAlignment);
  gl::TexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
  gl::TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
  gl::BindTexture(GL_TEXTURE_2D, 0);
  return id;
}

bool EveryPixelOpaque(const DecodedImage& image) {
  if (image.bytesPerPixel != 4) return true;
  for (size_t alpha = 3; alpha < image.pixels.size(); alpha += 4) {
    if (image.pixels[alpha] != 255) return false;
  }
  return true;
}

}  // namespace

TextureFactory& TextureFactory::Instance() {
  static TextureFactory instance;
  return instance;
}

bool TextureFactory::IsReservedName(const std::string& name) {
  return name.size() == 1 || name.rfind("FrameBuffer", 0) == 0;
}

void TextureFactory::LoadTextureList(const std::string& path) {
  for (const TextureEntry& entry : ReadTextureList(path)) {
    if (IsReservedName(entry.name)) {
      std::cerr << "Error: Texture name " << entry.name << " in " << path << " is reserved; entry skipped."
                << std::endl;
      continue;
    }
    LoadTexture(entry.name, entry.filePath, entry.animations);
  }
}

void TextureFactory::LoadTexture(const std::string& name, const std::string& path,
                                 const std::vector<AnimationRecord>& animations) {
  DecodedImage image;
  if (!DecodeImage(path, image)) {
    std::cerr << "Reading " << path << " failed.\n";
    gl::ExitProgram(1);
  }
  auto texture = std::make_shared<Texture>();
  texture->width = image.width;
  texture->height = image.height;
  texture->opaque = EveryPixelOpaque(image);
  // RGB rows are tightly packed and need not fill whole 2-byte rows.
  const bool rgb = image.bytesPerPixel == 3;
  texture->id = UploadTexture(image.width, image.height, rgb ? 1 : 2, rgb ? GL_RGB8 : GL_RGBA8,
                              rgb ? GL_RGB : GL_RGBA, image.pixels.data(), GL_REPEAT, GL_REPEAT, GL_NEAREST,
                              GL_NEAREST);
  for (const AnimationRecord& record : animations) {
    texture->animations.emplace(record.name, Animation(record, image.width, image.height));
  }
  textures_[name] = std::move(texture);
}

GLuint TextureFactory::CreateTexture(const std::string& name, int width, int height, int unpackAlignment,
                                     GLint internalFormat, GLenum format, const void* pixels, GLint wrapS,
                                     GLint wrapT, GLint magFilter, GLint minFilter) {
  if (Has(name)) {
    std::cerr << "Error: Texture " << name << " already exists." << std::endl;
    return 0;
  }
  auto texture = std::make_shared<Texture>();
  texture->width = width;
  texture->height = height;
  texture->id = UploadTexture(width, height, unpackAlignment, internalFormat, format, pixels, wrapS, wrapT,
                              magFilter, minFilter);
  textures_[name] = texture;
  return texture->id;
}

std::shared_ptr<Texture> TextureFactory::GetTexture(const std::string& name) const {
  auto found = textures_.find(name);
  if (found != textures_.end()) return found->second;
  std::cerr << "Error: Texture " << name << " not found." << std::endl;
  return nullptr;
}

GLuint TextureFactory::GetTextureId(const std::string& name) const {
  auto found = textures_.find(name);
  return found == textures_.end() ? 0 : found->second->id;
}

}  // namespace Framework
