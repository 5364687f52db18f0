#include "engine/graphics/ShaderLibrary.h"

#include <iostream>

namespace Framework {

void ShaderLibrary::SetEntries(const std::vector<ShaderEntry>& entries) {
  ReleaseAll();
  shaders_.clear();
  postNames_.clear();
  overlayNames_.clear();
  for (const ShaderEntry& entry : entries) {
    if (entry.name.find("POST") != std::string::npos) postNames_.push_back(entry.name);
    if (entry.name.find("OVERLAY") != std::string::npos) overlayNames_.push_back(entry.name);
    Shader& shader = shaders_[entry.name];
    shader.fragmentPath = entry.fragmentPath;
    shader.vertexPath = entry.vertexPath;
  }
  currentPost_ = postNames_.empty() ? -1 : 0;
  currentOverlay_ = overlayNames_.empty() ? -1 : 0;
}

void ShaderLibrary::LoadAll() {
  for (auto& [name, shader] : shaders_) shader.Load();
}

void ShaderLibrary::ReleaseAll() {
  for (auto& [name, shader] : shaders_) shader.Release();
}

bool ShaderLibrary::UseGuarded(const std::string& name) {
  if (!IsLoaded(name)) {
    std::cerr << "Shaders have not been loaded, use Load() first." << std::endl;
    return false;
  }
  gl::UseProgram(Program(name));
  return true;
}

void ShaderLibrary::UsePlain(const std::string& name) { gl::UseProgram(Program(name)); }

GLuint ShaderLibrary::Program(const std::string& name) const {
  auto found = shaders_.find(name);
  return found == shaders_.end() ? 0 : found->second.program;
}

bool ShaderLibrary::IsLoaded(const std::string& name) const {
  auto found = shaders_.find(name);
  return found != shaders_.end() && found->second.loaded;
}

GLint ShaderLibrary::Locate(const std::string& shader, const char* uniform) {
  UsePlain(shader);
  const GLuint program = Program(shader);
  return program == 0 ? -1 : gl::GetUniformLocation(program, uniform);
}

void ShaderLibrary::SetInt(const std::string& shader, const char* uniform, int value) {
  gl::Uniform1i(Locate(shader, uniform), value);
}

void ShaderLibrary::SetFloat(const std::string& shader, const char* uniform, float value) {
  gl::Uniform1f(Locate(shader, uniform), value);
}

void ShaderLibrary::SetVec2(const std::string& shader, const char* uniform, float x, float y) {
  gl::Uniform2f(Locate(shader, uniform), x, y);
}

void ShaderLibrary::SetVec4(const std::string& shader, const char* uniform, const float value[4]) {
  gl::Uniform4f(Locate(shader, uniform), value[0], value[1], value[2], value[3]);
}

void ShaderLibrary::SetMatrix(const std::string& shader, const char* uniform, const float value[16]) {
  gl::UniformMatrix4fv(Locate(shader, uniform), 1, GL_FALSE, value);
}

void ShaderLibrary::SetPostEffect(const std::string& name) {
  for (size_t i = 0; i < postNames_.size(); ++i) {
    if (postNames_[i] == name) currentPost_ = static_cast<int>(i);
  }
}

void ShaderLibrary::ResetPostEffect() { currentPost_ = postNames_.empty() ? -1 : 0; }

const std::string* ShaderLibrary::CurrentPost() const {
  return currentPost_ < 0 ? nullptr : &postNames_[currentPost_];
}

const std::string* ShaderLibrary::CurrentOverlay() const {
  return currentOverlay_ < 0 ? nullptr : &overlayNames_[currentOverlay_];
}

}  // namespace Framework
