#include "engine/graphics/Sprite.h"

#include <cmath>
#include <iostream>
#include <limits>

#include "engine/core/GameObject.h"
#include "engine/core/Transform.h"
#include "engine/core/XMLSerializer.h"
#include "engine/graphics/GraphicsSystem.h"

namespace Framework {

namespace {

// A layer index outside 0 to 11 would land the sprite in no list (or write
// past the twelve): say so and use layer 0.
int CheckedLayer(int value, const std::string& source) {
  if (value >= 0 && value < GraphicsSystem::kLayerCount) return value;
  std::cerr << "Error: Sprite layer " << value << source << " is outside 0 to "
            << GraphicsSystem::kLayerCount - 1 << "; layer 0 is used." << std::endl;
  return 0;
}

// World height for the layer-1 order; an undefined (NaN) height sorts as
// the lowest, so the comparison stays a strict ordering.
float SortHeight(const Sprite* sprite) {
  const float y = sprite->WorldPosition().y;
  return std::isnan(y) ? -std::numeric_limits<float>::infinity() : y;
}

}  // namespace

Sprite::Sprite(GameObject* spriteOwner, const Math::Vec2& offset, const Math::Vec2& extent, float turn,
               int startLayer)
    : ToggleableGameComponent(spriteOwner, ComponentId::Sprite),
      layer(CheckedLayer(startLayer, "")),
      position(offset),
      size(extent),
      angle(turn) {
  GetGraphicsSystem().AddSpriteToLayer(this, layer);
}

Sprite::Sprite(GameObject* newOwner, const Sprite& other)
    : ToggleableGameComponent(newOwner, ComponentId::Sprite),
      mesh(other.mesh),
      texture(other.texture),
      textureID(other.textureID),
      currentAnimSet(other.currentAnimSet),
      meshName(other.meshName),
      layer(other.layer),
      dirty(other.dirty),
      frame(other.frame),
      timer(other.timer),
      playAnimation(other.playAnimation),
      position(other.position),
      size(other.size),
      angle(other.angle),
      colour(other.colour),
      depth(other.depth) {
  GetGraphicsSystem().AddSpriteToLayer(this, 0);
}

Sprite::~Sprite() { GraphicsSystem::RemoveSprite(this); }

GameComponent* Sprite::Clone(GameObject* newOwner) { return new Sprite(newOwner, *this); }

void Sprite::Initialize() {
  meshName = "quad";
  frame = 0;
  mesh = GetGraphicsSystem().GetMesh(meshName);
  GetGraphicsSystem().MoveSpriteToLayer(this, layer);
}

void Sprite::Serialize(XMLSerializer& serializer) {
  TiXmlElement* parent = serializer.GetCursor();
  if (parent == nullptr) return;
  AppendField(parent, "position", "Vec2", position);
  AppendField(parent, "size", "Vec2", size);
  AppendField(parent, "depth", "float", depth);
  AppendField(parent, "layer", "unsigned", static_cast<unsigned>(layer));
  AppendField(parent, "angle", "float", angle);
  AppendField(parent, "color", "Vec4", colour);
  AppendField(parent, "currentAnimSet", "string", currentAnimSet);
  AppendField(parent, "loop", "bool", loop);
  AppendField(parent, "frameDelay", "float", frameDelay);
  AppendField(parent, "playAnimation", "bool", playAnimation);
  AppendField(parent, "textureID", "string", textureID);
}

void Sprite::Deserialize(XMLSerializer& serializer) {
  TiXmlElement* element = serializer.GetCursor();
  ReadElement(element, position, "position");
  ReadElement(element, size, "size");
  ReadElement(element, angle, "angle");
  ReadElement(element, depth, "depth");
  ReadElement(element, colour, "color");
  // Read signed so a negative number is caught rather than wrapped.
  int layerValue = 0;
  ReadElement(element, layerValue, "layer");
  layer = CheckedLayer(layerValue, " in " + serializer.GetFileName());
  ReadElement(element, frameDelay, "frameDelay");
  ReadElement(element, loop, "loop");
  ReadElement(element, playAnimation, "playAnimation");
  textureID = "blank";
  ReadElement(element, textureID, "textureID");
  currentAnimSet.clear();
  ReadElement(element, currentAnimSet, "currentAnimSet");

  GraphicsSystem& graphics = GetGraphicsSystem();
  texture = graphics.GetTexture(textureID);
  meshName = "quad";
  mesh = graphics.GetMesh(meshName);
}

void Sprite::SetMesh(const std::string& name) {
  if (name == meshName) return;
  meshName = name;
  dirty = true;
}

void Sprite::SetTexture(const std::string& name) {
  if (name == textureID) return;
  textureID = name;
  dirty = true;
}

void Sprite::SetLayer(int newLayer) {
  if (newLayer < 0 || newLayer >= GraphicsSystem::kLayerCount) {
    std::cerr << "Error: Sprite layer " << newLayer << " is outside 0 to " << GraphicsSystem::kLayerCount - 1
              << "; the sprite stays in layer " << layer << "." << std::endl;
    return;
  }
  if (newLayer == layer) return;
  layer = newLayer;
  dirty = true;
}

void Sprite::PlayAnimation(const std::string& name) {
  if (name != currentAnimSet) frame = 0;
  currentAnimSet = name;
}

const Animation* Sprite::SelectedAnimation() const {
  if (!texture) return nullptr;
  auto found = texture->animations.find(currentAnimSet);
  return found != texture->animations.end() ? &found->second : texture->FirstAnimation();
}

bool Sprite::IsAnimationFinished() const {
  const Animation* animation = SelectedAnimation();
  // An animation without frames has nothing left to show: waiting for its
  // end would hold a blast, a punch or an outro forever.
  if (animation == nullptr || animation->frameCount == 0) return true;
  return frame >= animation->frameCount - 1u;
}

void Sprite::UpdateAnimation(float dt) {
  if (!playAnimation || !texture) return;
  timer += dt;
  if (timer <= frameDelay) return;
  if (IsAnimationFinished()) {
    if (loop) frame = 0;
  } else {
    ++frame;
  }
  timer = 0.0f;
}

AnimationFrame Sprite::FrameCorners() const {
  const Animation* animation = SelectedAnimation();
  // No frame to show: the whole image, not whatever frame another sprite showed.
  if (animation == nullptr || animation->frames.empty()) return AnimationFrame{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};
  return animation->GetFrame(frame);
}

void Sprite::UploadFrameUVs() {
  if (!mesh || !texture) return;
  const AnimationFrame f = FrameCorners();
  // Vertex order of the quad: lower-left, lower-right, upper-right,
  // upper-left, lower-left, upper-right.
  const float uv[12] = {f[0].u, f[0].v, f[1].u, f[1].v, f[2].u, f[2].v,
                        f[3].u, f[3].v, f[0].u, f[0].v, f[2].u, f[2].v};
  mesh->SetUVs(uv);
}

Math::Vec2 Sprite::WorldPosition() const {
  if (ownerTransform == nullptr) return position;
  return Math::Vec2(position.x + ownerTransform->position.x, position.y + ownerTransform->position.y);
}

Math::Matrix4 Sprite::ModelMatrix() const {
  float scaleX = 1.0f, scaleY = 1.0f, rotation = 0.0f;
  if (ownerTransform != nullptr) {
    scaleX = ownerTransform->scale.x;
    scaleY = ownerTransform->scale.y;
    rotation = ownerTransform->rotation;
  }
  const Math::Vec2 at = WorldPosition();
  return Math::Translate(at.x, at.y, 0.0f) * Math::RotateZDegrees(angle + rotation) *
         Math::Scale(size.x * scaleX, size.y * scaleY, 1.0f);
}

SpriteDrawRecord Sprite::UpdateFrame() {
  SpriteDrawRecord record;
  if (!mesh) return record;
  UploadFrameUVs();
  record.model = ModelMatrix();
  record.vertexArray = mesh->vao;
  record.texture = texture ? texture->id : 0;
  record.colour = colour;
  return record;
}

bool CompareSpriteWorldY(Sprite* a, Sprite* b) { return SortHeight(a) > SortHeight(b); }

}  // namespace Framework
