#pragma once
// The component that makes an object visible: a textured, tinted quad at an
// offset from its object, listed in one of the twelve draw layers and
// playing one named animation of its texture.
#include <memory>
#include <string>

#include "engine/core/GameComponent.h"
#include "engine/core/Matrix4.h"
#include "engine/core/Vector.h"
#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/Texture.h"

namespace Framework {

class Mesh;

// What one draw needs, gathered by UpdateFrame.
struct SpriteDrawRecord {
  GLuint vertexArray = 0;
  GLuint texture = 0;
  Math::Vec4 colour;
  Math::Matrix4 model;
};

class Sprite : public ToggleableGameComponent {
 public:
  Sprite(GameObject* owner, const Math::Vec2& position, const Math::Vec2& size, float angle, int layer);
  // Clone: shares mesh and texture, copies the look and frame; frame delay,
  // shake and loop start fresh; listed in layer 0 until Initialize moves it.
  Sprite(GameObject* newOwner, const Sprite& other);
  ~Sprite() override;

  void Initialize() override;
  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "Sprite"; }
  GameComponent* Clone(GameObject* newOwner) override;

  void SetMesh(const std::string& name);
  void SetTexture(const std::string& name);
  // Moves the sprite to another layer in the next graphics update.
  void SetLayer(int newLayer);
  void PlayAnimation(const std::string& name);
  bool IsAnimationFinished() const;
  void UpdateAnimation(float dt);
  void UploadFrameUVs();
  SpriteDrawRecord UpdateFrame();
  // Texture corners of the frame shown, for the quad's lower-left,
  // lower-right, upper-right and upper-left corners; the whole image when
  // there is no frame to show.
  AnimationFrame FrameCorners() const;
  // Scale, then turn, then move to the world position.
  Math::Matrix4 ModelMatrix() const;
  // The animation being played: currentAnimSet, else the texture's first.
  const Animation* SelectedAnimation() const;
  // Owner position plus offset.
  Math::Vec2 WorldPosition() const;

  std::shared_ptr<Mesh> mesh;
  std::shared_ptr<Texture> texture;
  std::string textureID;
  std::string currentAnimSet = "IdleDown";
  std::string meshName = "quad";
  int layer = 0;
  bool dirty = true;
  unsigned frame = 0;
  float timer = 0.0f;
  float frameDelay = 0.2f;
  bool shake = false;
  bool loop = true;
  bool playAnimation = true;
  Math::Vec2 position;
  Math::Vec2 size;
  float angle = 0.0f;
  Math::Vec4 colour{1, 1, 1, 1};
  float depth = 0.0f;
};

}  // namespace Framework
