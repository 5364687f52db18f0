#pragma once
// Small 2D meshes: one vertex array with a position buffer and a
// texture-coordinate buffer, shared by name through the registry.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Vector.h"
#include "engine/graphics/GLFunctions.h"

namespace Framework {

class Mesh {
 public:
  Mesh(const std::vector<Math::Vec2>& vertices, int positionLocation, int uvLocation);
  Mesh(const Mesh&) = delete;
  Mesh& operator=(const Mesh&) = delete;
  ~Mesh();

  // Replaces the texture coordinates of the first six vertices.
  void SetUVs(const float uv[12]);
  // Replaces the positions of the first six vertices (glyph quads).
  void SetPositions(const float xy[12]);
  GLsizei VertexCount() const { return static_cast<GLsizei>(vertices.size()); }

  GLuint vao = 0;
  GLuint positionBuffer = 0;
  GLuint uvBuffer = 0;
  int positionLocation = 0;
  int uvLocation = 1;
  std::vector<Math::Vec2> vertices;
};

class MeshFactory {
 public:
  bool BeginMesh(const std::string& name);
  void AddVertex(const Math::Vec2& vertex);
  void EndMesh();
  void CreateMesh(const std::string& name, const std::vector<Math::Vec2>& vertices);
  // Empty pointer and an error line for an unknown name.
  std::shared_ptr<Mesh> GetMesh(const std::string& name) const;
  void Clear();

 private:
  bool creating_ = false;
  int positionLocation_ = 0;
  int uvLocation_ = 1;
  std::map<std::string, std::shared_ptr<Mesh>> meshes_;
  std::vector<Math::Vec2> pendingVertices_;
  std::string pendingName_;
};

}  // namespace Framework
