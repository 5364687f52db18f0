#pragma once
// One GLSL program made of a vertex and a fragment stage read from files.
#include <string>

#include "engine/graphics/GLFunctions.h"

namespace Framework {

class Shader {
 public:
  Shader() = default;
  Shader(const Shader&) = delete;
  Shader& operator=(const Shader&) = delete;
  Shader(Shader&& other) noexcept;
  Shader& operator=(Shader&& other) noexcept;
  ~Shader();

  // Compiles and links both stages. A stage that fails to compile, or a
  // program that fails to link, prints the log and ends the program with 1.
  void Load();
  // Deletes the program while the context still exists.
  void Release();

  bool loaded = false;
  std::string vertexPath;
  std::string fragmentPath;
  GLuint program = 0;

 private:
  void CompileStage(const std::string& path, GLenum type);
  void CheckCompile(GLuint stage, const std::string& path);
  void CheckLink();
};

// The whole file as text; ok is false when it cannot be opened or is empty.
// CR LF line ends come back as LF.
std::string ReadTextFile(const std::string& path, bool& ok);

}  // namespace Framework
