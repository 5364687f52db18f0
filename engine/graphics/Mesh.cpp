#include "engine/graphics/Mesh.h"

#include <algorithm>
#include <iostream>

namespace Framework {

namespace {

// Lower-left, lower-right, upper-right, upper-left, lower-left, upper-right.
constexpr float kDefaultUVs[12] = {0, 0, 1, 0, 1, 1, 0, 1, 0, 0, 1, 1};

void PointAttribute(int location) {
  gl::EnableVertexAttribArray(static_cast<GLuint>(location));
  gl::VertexAttribPointer(static_cast<GLuint>(location), 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

}  // namespace

Mesh::Mesh(const std::vector<Math::Vec2>& points, int positionLoc, int uvLoc)
    : positionLocation(positionLoc), uvLocation(uvLoc), vertices(points) {
  gl::GenVertexArrays(1, &vao);
  gl::BindVertexArray(vao);

  std::vector<float> xy;
  for (const Math::Vec2& v : vertices) {
    xy.push_back(v.x);
    xy.push_back(v.y);
  }
  gl::GenBuffers(1, &positionBuffer);
  gl::BindBuffer(GL_ARRAY_BUFFER, positionBuffer);
  gl::BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(xy.size() * sizeof(float)), xy.data(), GL_STATIC_DRAW);
  PointAttribute(positionLocation);

  // One coordinate pair for every vertex (at least six, so the quads' frame
  // uploads always fit), so no draw reads past the end of the buffer.
  const size_t uvCount = std::max<size_t>(vertices.size(), 6);
  std::vector<float> uv(uvCount * 2, 0.0f);
  std::copy(kDefaultUVs, kDefaultUVs + 12, uv.begin());
  gl::GenBuffers(1, &uvBuffer);
  gl::BindBuffer(GL_ARRAY_BUFFER, uvBuffer);
  gl::BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(uv.size() * sizeof(float)), uv.data(), GL_STATIC_DRAW);
  PointAttribute(uvLocation);

  gl::BindBuffer(GL_ARRAY_BUFFER, 0);
  gl::BindVertexArray(0);
}

Mesh::~Mesh() {
  if (!gl::ContextAlive()) return;
  if (vao != 0) gl::DeleteVertexArrays(1, &vao);
  if (positionBuffer != 0) gl::DeleteBuffers(1, &positionBuffer);
  if (uvBuffer != 0) gl::DeleteBuffers(1, &uvBuffer);
}

namespace {

// Rewrites the first six pairs in place. (Giving the buffer fresh storage
// first was measured to be about three times slower with Mesa's software
// renderer: every sprite's draw then allocated.)
void ReplaceFirstSixPairs(GLuint buffer, const float values[12]) {
  gl::BindBuffer(GL_ARRAY_BUFFER, buffer);
  gl::BufferSubData(GL_ARRAY_BUFFER, 0, 12 * sizeof(float), values);
  gl::BindBuffer(GL_ARRAY_BUFFER, 0);
}

}  // namespace

void Mesh::SetUVs(const float uv[12]) { ReplaceFirstSixPairs(uvBuffer, uv); }

void Mesh::SetPositions(const float xy[12]) {
  if (vertices.size() < 6) return;
  ReplaceFirstSixPairs(positionBuffer, xy);
}

bool MeshFactory::BeginMesh(const std::string& name) {
  if (creating_) {
    std::cerr << "Error: Another mesh still in creation. Call EndMesh()" << std::endl;
    return false;
  }
  if (meshes_.count(name) != 0) {
    std::cerr << "Error: Mesh already exists." << std::endl;
    return false;
  }
  creating_ = true;
  pendingName_ = name;
  return true;
}

void MeshFactory::AddVertex(const Math::Vec2& vertex) {
  if (!creating_) {
    std::cerr << "Error: Call BeginMesh() first." << std::endl;
    return;
  }
  pendingVertices_.push_back(vertex);
}

void MeshFactory::EndMesh() {
  if (!creating_) return;
  meshes_[pendingName_] = std::make_shared<Mesh>(pendingVertices_, positionLocation_, uvLocation_);
  pendingName_.clear();
  pendingVertices_.clear();
  creating_ = false;
}

void MeshFactory::CreateMesh(const std::string& name, const std::vector<Math::Vec2>& vertices) {
  if (!BeginMesh(name)) return;
  for (const Math::Vec2& v : vertices) AddVertex(v);
  EndMesh();
}

std::shared_ptr<Mesh> MeshFactory::GetMesh(const std::string& name) const {
  auto found = meshes_.find(name);
  if (found != meshes_.end()) return found->second;
  std::cerr << "Error: Mesh not found." << std::endl;
  return nullptr;
}

void MeshFactory::Clear() {
  meshes_.clear();
  pendingVertices_.clear();
  pendingName_.clear();
  creating_ = false;
}

}  // namespace Framework
