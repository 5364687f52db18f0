#pragma once
// One sprite with a fixed animation, placed relative to its object. Slider
// buttons switch its animation between "...Default" and "...Muted" looks.
#include <memory>
#include <string>

#include "engine/ui/UI.h"

namespace Framework {

class Sprite;

class UIImage : public UI {
 public:
  explicit UIImage(GameObject* owner);
  ~UIImage() override;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "UIImage"; }
  GameComponent* Clone(GameObject* newOwner) override;
  void SetEnabled(bool on) override;

  // Position, size, texture and animation onto the sprite.
  void Refresh(float dt) override;
  void UpdateUI(float dt) override { Refresh(dt); }

  Math::Vec2 size{0, 0};
  std::string textureID;
  std::string animSet;
  std::unique_ptr<Sprite> sprite;
  Math::Vec2 position{0, 0};
};

// HUD images and the cursor draw on the top layer, 11; other menu images
// on 10; anything else on 9.
int ImageLayerFor(const std::string& ownerName);

}  // namespace Framework
