#include "engine/graphics/Shader.h"

#include <fstream>
#include <iostream>
#include <utility>

namespace Framework {

namespace {
// Far beyond any real shader; a path naming something endless (a device,
// a pipe) must not be read forever.
constexpr std::streamsize kMaxSourceBytes = 1 << 20;
}  // namespace

std::string ReadTextFile(const std::string& path, bool& ok) {
  ok = false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::string raw(static_cast<size_t>(kMaxSourceBytes) + 1, '\0');
  file.read(raw.data(), kMaxSourceBytes + 1);
  raw.resize(static_cast<size_t>(file.gcount()));
  if (raw.size() > static_cast<size_t>(kMaxSourceBytes)) {
    std::cerr << "Error: Shader source " << path << " is larger than " << kMaxSourceBytes << " bytes." << std::endl;
    return {};
  }
  std::string text;
  for (char c : raw) {
    if (c != '\r') text += c;
  }
  ok = !text.empty();
  return text;
}

Shader::Shader(Shader&& other) noexcept
    : loaded(std::exchange(other.loaded, false)),
      vertexPath(std::move(other.vertexPath)),
      fragmentPath(std::move(other.fragmentPath)),
      program(std::exchange(other.program, 0)) {}

Shader& Shader::operator=(Shader&& other) noexcept {
  if (this != &other) {
    Release();
    loaded = std::exchange(other.loaded, false);
    vertexPath = std::move(other.vertexPath);
    fragmentPath = std::move(other.fragmentPath);
    program = std::exchange(other.program, 0);
  }
  return *this;
}

Shader::~Shader() { Release(); }

void Shader::Release() {
  if (program != 0 && gl::ContextAlive()) gl::DeleteProgram(program);
  program = 0;
  loaded = false;
}

void Shader::Load() {
  if (vertexPath.empty() || fragmentPath.empty()) {
    std::cerr << "No Vertex or Fragment shader specified." << std::endl;
    return;
  }
  Release();
  program = gl::CreateProgram();
  CompileStage(vertexPath, GL_VERTEX_SHADER);
  CompileStage(fragmentPath, GL_FRAGMENT_SHADER);
  gl::LinkProgram(program);
  CheckLink();
  loaded = true;
}

void Shader::CompileStage(const std::string& path, GLenum type) {
  bool ok = false;
  const std::string source = ReadTextFile(path, ok);
  // An unreadable stage still goes to the compiler as empty text, which
  // fails and ends the program through the status check below.
  if (!ok) std::cerr << "Error: Cannot read shader source " << path << "." << std::endl;
  const GLuint stage = gl::CreateShader(type);
  const char* text = source.c_str();
  gl::ShaderSource(stage, 1, &text, nullptr);
  gl::CompileShader(stage);
  CheckCompile(stage, path);
  gl::AttachShader(program, stage);
  gl::DeleteShader(stage);
}

void Shader::CheckCompile(GLuint stage, const std::string& path) {
  char log[512] = {};
  GLsizei length = 0;
  gl::GetShaderInfoLog(stage, sizeof(log), &length, log);
  GLint status = GL_FALSE;
  gl::GetShaderiv(stage, GL_COMPILE_STATUS, &status);
  // Judged by the status alone: a failed stage with an empty log is still failed.
  if (status != GL_TRUE) {
    std::cerr << "Shader " << path << " compilation error: " << log << "\n";
    gl::ExitProgram(1);
  }
  std::cout << "Shader " << path << " compilation successful.\n";
}

void Shader::CheckLink() {
  GLint status = GL_FALSE;
  gl::GetProgramiv(program, GL_LINK_STATUS, &status);
  if (status == GL_TRUE) return;
  char log[512] = {};
  GLsizei length = 0;
  gl::GetProgramInfoLog(program, sizeof(log), &length, log);
  std::cerr << "Shader " << vertexPath << " + " << fragmentPath << " link error: " << log << "\n";
  gl::ExitProgram(1);
}

}  // namespace Framework
