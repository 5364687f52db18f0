#include "engine/graphics/SpriteBatch.h"

#include <cstdint>

namespace Framework {

namespace {

constexpr size_t kVerticesPerQuad = 4;
constexpr size_t kIndicesPerQuad = 6;
// The unit square's corners in the order of the quad mesh's first four vertices.
constexpr float kCorners[kVerticesPerQuad][2] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};
// The two triangles of the quad mesh: lower-left, lower-right, upper-right,
// then upper-left, lower-left, upper-right.
constexpr GLuint kQuadIndices[kIndicesPerQuad] = {0, 1, 2, 3, 0, 2};

void FloatAttribute(GLuint location, GLint components, GLsizei stride, size_t offset) {
  gl::EnableVertexAttribArray(location);
  gl::VertexAttribPointer(location, components, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(static_cast<uintptr_t>(offset)));
}

}  // namespace

SpriteBatch::~SpriteBatch() { Release(); }

void SpriteBatch::Create() {
  Release();
  gl::GenVertexArrays(1, &vertexArray_);
  gl::BindVertexArray(vertexArray_);
  gl::GenBuffers(1, &vertexBuffer_);
  gl::BindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  const GLsizei stride = sizeof(Vertex);
  FloatAttribute(0, 2, stride, offsetof(Vertex, x));
  FloatAttribute(1, 2, stride, offsetof(Vertex, u));
  FloatAttribute(kTintLocation, 4, stride, offsetof(Vertex, r));
  FloatAttribute(kShakeLocation, 1, stride, offsetof(Vertex, shake));
  gl::GenBuffers(1, &indexBuffer_);
  gl::BindBuffer(GL_ELEMENT_ARRAY_BUFFER, indexBuffer_);
  gl::BindVertexArray(0);
  gl::BindBuffer(GL_ARRAY_BUFFER, 0);
  // Meshes drawn one by one take these constant values instead.
  gl::VertexAttrib4f(kTintLocation, 1.0f, 1.0f, 1.0f, 1.0f);
  gl::VertexAttrib1f(kShakeLocation, 0.0f);
}

void SpriteBatch::Release() {
  vertices_.clear();
  runs_.clear();
  indexedQuads_ = 0;
  if (!gl::ContextAlive()) {
    vertexArray_ = vertexBuffer_ = indexBuffer_ = 0;
    return;
  }
  if (vertexArray_ != 0) gl::DeleteVertexArrays(1, &vertexArray_);
  if (vertexBuffer_ != 0) gl::DeleteBuffers(1, &vertexBuffer_);
  if (indexBuffer_ != 0) gl::DeleteBuffers(1, &indexBuffer_);
  vertexArray_ = vertexBuffer_ = indexBuffer_ = 0;
}

void SpriteBatch::AddQuad(const Math::Matrix4& model, const AnimationFrame& corners, const Math::Vec4& tint,
                          bool shake, GLuint texture, bool opaque) {
  const float* m = model.m;
  const float shaken = shake ? 1.0f : 0.0f;
  for (size_t i = 0; i < kVerticesPerQuad; ++i) {
    const float px = kCorners[i][0], py = kCorners[i][1];
    // The same sums the shader made of model times corner, in the same order.
    vertices_.push_back(Vertex{m[0] * px + m[4] * py + m[12], m[1] * px + m[5] * py + m[13], corners[i].u,
                               corners[i].v, tint.r, tint.g, tint.b, tint.a, shaken});
  }
  const size_t quad = vertices_.size() / kVerticesPerQuad - 1;
  const bool tinted = tint.r != 1.0f || tint.g != 1.0f || tint.b != 1.0f || tint.a != 1.0f;
  const Run* last = runs_.empty() ? nullptr : &runs_.back();
  if (last != nullptr && last->texture == texture && last->opaque == opaque && last->tinted == tinted) {
    ++runs_.back().quads;
  } else {
    runs_.push_back(Run{texture, opaque, tinted, quad, 1});
  }
}

void SpriteBatch::CoverIndices(size_t quads) {
  if (quads <= indexedQuads_) return;
  size_t capacity = indexedQuads_ == 0 ? 256 : indexedQuads_;
  while (capacity < quads) capacity *= 2;
  std::vector<GLuint> indices;
  indices.reserve(capacity * kIndicesPerQuad);
  for (size_t quad = 0; quad < capacity; ++quad) {
    for (GLuint corner : kQuadIndices) indices.push_back(static_cast<GLuint>(quad * kVerticesPerQuad) + corner);
  }
  // The index buffer is part of the vertex array's state, bound by the caller.
  gl::BufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(GLuint)),
                 indices.data(), GL_STATIC_DRAW);
  indexedQuads_ = capacity;
}

int SpriteBatch::Flush(GLuint tintedProgram, GLuint plainProgram) {
  if (runs_.empty() || vertexArray_ == 0) {
    vertices_.clear();
    runs_.clear();
    return 0;
  }
  gl::BindVertexArray(vertexArray_);
  CoverIndices(vertices_.size() / kVerticesPerQuad);
  gl::BindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
  // Fresh storage every time: the driver need not wait for the last draws.
  gl::BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices_.size() * sizeof(Vertex)), vertices_.data(),
                 GL_STREAM_DRAW);
  gl::BindBuffer(GL_ARRAY_BUFFER, 0);
  // The passes draw with blending on; it is only switched off for opaque runs.
  bool blending = true;
  const bool choosePrograms = tintedProgram != 0 && plainProgram != 0;
  GLuint program = 0;
  for (const Run& run : runs_) {
    const GLuint runProgram = run.tinted ? tintedProgram : plainProgram;
    if (choosePrograms && runProgram != program) {
      program = runProgram;
      gl::UseProgram(program);
    }
    if (run.opaque == blending) {
      blending = !run.opaque;
      blending ? gl::Enable(GL_BLEND) : gl::Disable(GL_BLEND);
    }
    gl::BindTexture(GL_TEXTURE_2D, run.texture);
    const size_t firstIndex = run.firstQuad * kIndicesPerQuad;
    gl::DrawElements(GL_TRIANGLES, static_cast<GLsizei>(run.quads * kIndicesPerQuad), GL_UNSIGNED_INT,
                     reinterpret_cast<const void*>(static_cast<uintptr_t>(firstIndex * sizeof(GLuint))));
  }
  if (!blending) gl::Enable(GL_BLEND);
  const int calls = static_cast<int>(runs_.size());
  vertices_.clear();
  runs_.clear();
  return calls;
}

}  // namespace Framework
