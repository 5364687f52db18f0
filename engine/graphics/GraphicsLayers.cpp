// The graphics system's layers, camera, spotlight, texts and debug shapes.
#include <algorithm>
#include <cmath>

#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"

namespace Framework {

namespace {

const char* const kDefault = "DEFAULT";
const char* const kText = "TEXT";
constexpr float kSpotlightStartRadius = 500.0f;
constexpr float kSpotlightSeconds = 1.5f;
constexpr float kSpotlightFirstRadius = 700.0f;

bool ValidLayer(int layer) { return layer >= 0 && layer < GraphicsSystem::kLayerCount; }

}  // namespace

// ---- Layers ------------------------------------------------------------------------------

void GraphicsSystem::AddSpriteToLayer(Sprite* sprite, int layer) {
  if (!ValidLayer(layer)) layer = 0;
  layers[layer].sprites.push_back(sprite);
}

void GraphicsSystem::MoveSpriteToLayer(Sprite* sprite, int layer) {
  if (!ValidLayer(layer)) return;
  for (int index = 0; index < kLayerCount; ++index) {
    if (index == sprite->layer) continue;
    std::vector<Sprite*>& list = layers[index].sprites;
    if (std::find(list.begin(), list.end(), sprite) == list.end()) continue;
    layers[layer].sprites.push_back(sprite);
    Math::RemoveFromVector(list, sprite);
    return;
  }
}

void GraphicsSystem::RemoveSprite(Sprite* sprite) {
  if (IsDestroyed()) return;
  for (SpriteLayer& layer : GetGraphicsSystem().layers) {
    if (Math::RemoveFromVector(layer.sprites, sprite)) return;
  }
}

std::vector<Sprite*> GraphicsSystem::GetLayerSprites() { return GetGraphicsSystem().layers[kPausedLayer].sprites; }

void GraphicsSystem::ClearLayers() {
  for (SpriteLayer& layer : layers) layer.sprites.clear();
}

// ---- Camera and spotlight ----------------------------------------------------------------

void GraphicsSystem::UpdateCamera() {
  if (!ready) return;
  shaders.UseGuarded(kDefault);
  Math::Vec3 eye = camera.position;
  // The eye's z doubles as the zoom; a zero zoom would collapse the view.
  if (eye.z == 0.0f) eye.z = 1.0f;
  viewMatrix = Math::LookAt(eye, camera.target, camera.up);
  projectionMatrix = GetProjectionMatrix();
  gl::UniformMatrix4fv(viewLocation, 1, GL_FALSE, viewMatrix.Data());
  gl::UniformMatrix4fv(projectionLocation, 1, GL_FALSE, projectionMatrix.Data());
  if (!LeanSpritePrograms()) return;
  for (const LeanProgram& lean : leanPrograms) {
    gl::UseProgram(lean.id);
    gl::UniformMatrix4fv(lean.view, 1, GL_FALSE, viewMatrix.Data());
    gl::UniformMatrix4fv(lean.projection, 1, GL_FALSE, projectionMatrix.Data());
  }
  shaders.UseGuarded(kDefault);
}

Math::Matrix4 GraphicsSystem::GetProjectionMatrix() const {
  const float w = static_cast<float>(viewportWidth);
  const float h = static_cast<float>(viewportHeight);
  const float left = -w / 2, right = w / 2, bottom = -h / 2, top = h / 2;
  Math::Matrix4 projection;
  projection.m[0] = 2.0f / (right - left);
  projection.m[5] = 2.0f / (top - bottom);
  projection.m[10] = -0.0020020019728690386f;
  projection.m[12] = -(right + left) / (right - left);
  projection.m[13] = -(top + bottom) / (top - bottom);
  projection.m[14] = -1.0020020008087158f;
  projection.m[15] = 1.0f;
  return projection;
}

void GraphicsSystem::SetSpotlight(bool on, Math::Vec2 position, float radius) {
  GraphicsSystem& graphics = GetGraphicsSystem();
  if (on) {
    graphics.spotlightRadius =
        Utility::LerpStartEnd<float>(kSpotlightStartRadius, radius, Utility::Linear, kSpotlightSeconds);
  }
  if (!graphics.ready) return;
  const std::string* post = graphics.shaders.CurrentPost();
  if (post == nullptr) return;
  graphics.shaders.UseGuarded(*post);
  graphics.shaders.SetVec2(*post, "testPos", position.x, position.y);
  graphics.shaders.SetFloat(*post, "radius", kSpotlightFirstRadius);
  graphics.shaders.SetInt(*post, "spotlight", on ? 1 : 0);
}

// ---- Texts -------------------------------------------------------------------------------

void GraphicsSystem::QueueText(const std::string& text, float x, float y, float scale, Math::Vec4 colour) {
  GetGraphicsSystem().textQueue.push_back(TextRecord{text, x, y, scale, colour});
}

void GraphicsSystem::DrawText(const std::string& text, float x, float y, float scale, Math::Vec4 colour) {
  if (!ready) return;
  shaders.UseGuarded(kText);
  shaders.SetMatrix(kText, "projectionMatrix", projectionMatrix.Data());
  // Texts are placed in the world (HUD values, panels) and must stay with
  // the sprites around them when the camera moves.
  shaders.SetMatrix(kText, "viewMatrix", viewMatrix.Data());
  shaders.SetInt(kText, "tex", 0);
  shaders.SetVec4(kText, "tintColor", &colour.x);
  font.RenderText(text, scale, meshes.GetMesh("text"), x, y);
}

Math::Vec2 GraphicsSystem::MeasureText(const std::string& text, float scale) {
  return GetGraphicsSystem().font.MeasureText(text, scale);
}

// ---- Debug primitives --------------------------------------------------------------------

void GraphicsSystem::DrawPrimitive(const std::string& meshName, const Math::Matrix4& model, Math::Vec4 colour,
                                   GLenum mode, GLsizei count) {
  if (!ready) return;
  const std::shared_ptr<Mesh> mesh = meshes.GetMesh(meshName);
  if (!mesh) return;
  gl::BindVertexArray(mesh->vao);
  const std::shared_ptr<Texture> blank = textures->GetTexture("blank");
  gl::BindTexture(GL_TEXTURE_2D, blank ? blank->id : 0);
  UploadModel(model);
  gl::Uniform4f(tintLocation, colour.r, colour.g, colour.b, colour.a);
  gl::DrawArrays(mode, 0, std::min(count, mesh->VertexCount()));
}

void GraphicsSystem::DrawDebugLine(Math::Vec2 a, Math::Vec2 b, Math::Vec4 colour) {
  const Math::Vec2 d = b - a;
  const float length = std::sqrt(d.x * d.x + d.y * d.y);
  // Two equal points have no direction: nothing to draw.
  if (!(length > 0.0f) || !std::isfinite(length)) return;
  float angle = std::acos(std::clamp(d.x / length, -1.0f, 1.0f));
  if (d.y < 0) angle = -angle;
  DrawLine((a + b) / 2.0f, length, angle, colour);
}

void GraphicsSystem::DrawLine(Math::Vec2 centre, float length, float angle, Math::Vec4 colour) {
  const Math::Matrix4 model =
      Math::Translate(centre.x, centre.y, -1.0f) * Math::RotateZ(angle) * Math::Scale(length, 1.0f, 1.0f);
  GetGraphicsSystem().DrawPrimitive("Line", model, colour, GL_LINES, 2);
}

void GraphicsSystem::DrawDebugQuad(bool filled, Math::Vec2 centre, float width, float height, Math::Vec4 colour) {
  const Math::Matrix4 model = Math::Translate(centre.x, centre.y, -1.0f) * Math::Scale(width, height, 1.0f);
  GetGraphicsSystem().DrawPrimitive("quad", model, colour, filled ? GL_TRIANGLES : GL_LINE_LOOP, filled ? 6 : 4);
}

void GraphicsSystem::DrawDebugCircle(bool filled, Math::Vec2 centre, float radius, Math::Vec4 colour) {
  const Math::Matrix4 model = Math::Translate(centre.x, centre.y, -1.0f) * Math::Scale(radius, radius, 1.0f);
  GetGraphicsSystem().DrawPrimitive("Circle", model, colour, filled ? GL_TRIANGLE_FAN : GL_LINE_LOOP, 20);
}

}  // namespace Framework
