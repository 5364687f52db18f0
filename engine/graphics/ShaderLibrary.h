#pragma once
// The named shaders of the renderer, the post-effect and overlay name lists
// and which of each is current.
#include <map>
#include <string>
#include <vector>

#include "engine/graphics/ListFiles.h"
#include "engine/graphics/Shader.h"

namespace Framework {

class ShaderLibrary {
 public:
  // Fills the map and the two name lists from the entries (names holding
  // "POST" and "OVERLAY"); the first of each list becomes current.
  void SetEntries(const std::vector<ShaderEntry>& entries);
  // Compiles every shader, in name order.
  void LoadAll();
  void ReleaseAll();

  // Binds the program when the shader is loaded; otherwise says so and
  // leaves the current program in place. Returns whether it bound.
  bool UseGuarded(const std::string& name);
  // Binds the program, or program 0 for an unknown or unloaded shader.
  void UsePlain(const std::string& name);
  GLuint Program(const std::string& name) const;
  bool IsLoaded(const std::string& name) const;

  // Plain use, then the uniform looked up by name (-1 is ignored by GL).
  void SetInt(const std::string& shader, const char* uniform, int value);
  void SetFloat(const std::string& shader, const char* uniform, float value);
  void SetVec2(const std::string& shader, const char* uniform, float x, float y);
  void SetVec4(const std::string& shader, const char* uniform, const float value[4]);
  void SetMatrix(const std::string& shader, const char* uniform, const float value[16]);

  // The last post entry equal to name becomes current; unknown names change nothing.
  void SetPostEffect(const std::string& name);
  void ResetPostEffect();
  // Empty when the list has no such shader.
  const std::string* CurrentPost() const;
  const std::string* CurrentOverlay() const;
  const std::vector<std::string>& PostNames() const { return postNames_; }
  const std::vector<std::string>& OverlayNames() const { return overlayNames_; }
  const std::map<std::string, Shader>& Shaders() const { return shaders_; }

 private:
  // Plain use, then the location (-1 without a program).
  GLint Locate(const std::string& shader, const char* uniform);

  std::map<std::string, Shader> shaders_;
  std::vector<std::string> postNames_;
  std::vector<std::string> overlayNames_;
  int currentPost_ = -1;
  int currentOverlay_ = -1;
};

}  // namespace Framework
