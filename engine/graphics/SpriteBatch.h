#pragma once
// Sprites drawn in batches. A pass hands its sprites' quads over in draw
// order; they go into one streamed vertex buffer (world corners, texture
// corners, tint and shake per vertex), and each run of quads that share a
// texture goes out as one draw call. Draw order within and across runs is
// the order the quads were added, so layers and sorting keep their meaning.
// Quads that cover what lies beneath completely are drawn without blending,
// which gives the same pixels for less work.
#include <cstddef>
#include <vector>

#include "engine/core/Matrix4.h"
#include "engine/core/Vector.h"
#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/Texture.h"

namespace Framework {

class SpriteBatch {
 public:
  // Vertex attribute locations, shared with the "DEFAULT" shader. A mesh
  // drawn on its own leaves tint and shake at their constant values.
  static constexpr GLuint kTintLocation = 2;
  static constexpr GLuint kShakeLocation = 3;

  SpriteBatch() = default;
  SpriteBatch(const SpriteBatch&) = delete;
  SpriteBatch& operator=(const SpriteBatch&) = delete;
  ~SpriteBatch();

  // Makes the vertex array and buffers; needs a current context.
  void Create();
  void Release();

  // The unit square through model, its corners (lower-left, lower-right,
  // upper-right, upper-left) taking the texture corners in that order.
  // Opaque: the texture and the tint let nothing beneath show through.
  void AddQuad(const Math::Matrix4& model, const AnimationFrame& corners, const Math::Vec4& tint, bool shake,
               GLuint texture, bool opaque);
  bool Empty() const { return runs_.empty(); }
  // Uploads the quads, draws them run by run and empties the batch;
  // returns the number of draw calls made. With both programs given, runs
  // at tint (1, 1, 1, 1) are drawn with plainProgram, the others with
  // tintedProgram; otherwise with the program in use.
  int Flush(GLuint tintedProgram = 0, GLuint plainProgram = 0);

 private:
  struct Vertex {
    float x, y, u, v, r, g, b, a, shake;
  };
  struct Run {
    GLuint texture;
    bool opaque;
    bool tinted;
    size_t firstQuad;
    size_t quads;
  };

  void CoverIndices(size_t quads);

  std::vector<Vertex> vertices_;
  std::vector<Run> runs_;
  GLuint vertexArray_ = 0;
  GLuint vertexBuffer_ = 0;
  GLuint indexBuffer_ = 0;
  size_t indexedQuads_ = 0;  // quads the index buffer covers
};

}  // namespace Framework
