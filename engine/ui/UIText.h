#pragma once
// A block of text in the game font, shown line by line, either all at once
// ("Static") or typed out one character at a time ("Animated"), optionally
// over a background panel sized to the text. Lines are separated by the two
// characters backslash and n, as written in the archetype file.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/ui/UI.h"

namespace Framework {

class Sprite;

class UIText : public UI {
 public:
  static constexpr const char* kStatic = "Static";
  static constexpr const char* kAnimated = "Animated";
  static constexpr const char* kLineSeparator = "\\n";
  static constexpr float kFontHeight = 48.0f;

  explicit UIText(GameObject* owner);
  ~UIText() override;

  void Initialize() override;
  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "UIText"; }
  GameComponent* Clone(GameObject* newOwner) override;
  void SetEnabled(bool on) override;

  // Re-reads the text (after code changed it) and starts a finished
  // animation over.
  void Refresh(float dt) override;
  void UpdateUI(float dt) override;

  void SplitLines();
  void LayoutBackground();
  float LineHeight() const { return textScale * kFontHeight; }

  Math::Vec2 position{0, 0};
  std::string usebackground;
  float leftMargin = 0.0f;
  float rightMargin = 0.0f;
  std::string text;
  float textScale = 1.0f;
  std::string textdisplayType = kStatic;
  float displayInterval = 0.0f;
  uint32_t spacebetweenlines = 1;
  unsigned visibleChars = 0;
  unsigned currentLine = 0;
  float charTimer = 0.0f;
  bool finished = false;
  std::unique_ptr<Sprite> background;
  std::vector<std::string> lines;

 private:
  void ShowEverything();
  void TypeOn(float dt);
  // Moves past every line that is fully shown; finishes after the last.
  void SkipCompletedLines();
  void QueueLines() const;
  bool HasBackground() const { return !usebackground.empty(); }
};

}  // namespace Framework
