#pragma once
// Shows a shared variable on the HUD: as text ("prefix value postfix") or
// as a row of icons, one per unit of a maximum, the first value-many of
// which look active. While "isPanicking" is set, the next icon shakes.
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/UI.h"

namespace Framework {

class Sprite;

class UIStattrak : public UI {
 public:
  static constexpr const char* kText = "Text";
  static constexpr const char* kImage = "Image";
  // More icons than fit on any screen means a wrong maximum, not a HUD.
  static constexpr int kMaxIcons = 64;

  explicit UIStattrak(GameObject* owner);
  ~UIStattrak() override;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "UIStattrak"; }
  // The copy starts without icons; its next update builds its own.
  GameComponent* Clone(GameObject* newOwner) override;
  void SetEnabled(bool on) override;
  void Refresh(float dt) override { UpdateUI(dt); }
  void UpdateUI(float dt) override;

  // The int shared variable name; 0 when absent or not an int.
  static int LookupSysVar(const std::string& name);
  // The tracked value as shown in text mode: an int as an int, a float with
  // two decimals.
  static std::string FormatValue(const std::string& name);

  std::string trakVariable;
  std::string maxVariable;
  std::string trakType = kText;
  std::string prefix;
  std::string postfix;
  float textScale = 1.0f;
  std::string text;
  std::string textureSet;
  Math::Vec2 imageOffset{0, 0};
  Math::Vec2 imageSize{0, 0};
  std::string imagestatechangeType = "Scale";
  std::string imagestateActive;
  std::string imagestateInactive;
  std::vector<std::unique_ptr<Sprite>> icons;
  Math::Vec2 position{0, 0};

 private:
  void ShowText();
  void ShowIcons();
  void ResizeIcons(int count);
};

}  // namespace Framework
