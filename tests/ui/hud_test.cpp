// Tracked-value displays, images and the mouse cursor.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UIMouse.h"
#include "engine/ui/UIStattrak.h"

namespace {

using Framework::GameObject;
using Framework::Sprite;
using Framework::SysVars;
using Framework::UIImage;
using Framework::UIStattrak;

class StattrakTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SysVars().RegisterDirect("hudStrikes", &strikes);
    SysVars().RegisterDirect("hudChances", &chances);
    SysVars().RegisterDirect("hudScore", &score);
    SysVars().RegisterDirect("isPanicking", &panicking);
    Queue().clear();
  }
  void TearDown() override { Queue().clear(); }

  static std::vector<Framework::TextRecord>& Queue() { return Framework::GetGraphicsSystem().textQueue; }

  std::unique_ptr<UIStattrak> IconRow() {
    auto display = std::make_unique<UIStattrak>(&object);
    display->trakType = "Image";
    display->trakVariable = "hudStrikes";
    display->maxVariable = "hudChances";
    display->textureSet = "ui_strike";
    display->position = Math::Vec2(10, 20);
    display->imageOffset = Math::Vec2(50, 0);
    display->imageSize = Math::Vec2(40, 40);
    display->imagestateActive = "Active";
    display->imagestateInactive = "Inactive";
    return display;
  }

  // The look of every icon: "A" active, "I" inactive, "S" shaking.
  static std::string Looks(const UIStattrak& display) {
    std::string looks;
    for (const auto& icon : display.icons) {
      if (icon->shake) {
        looks += icon->currentAnimSet == "Shake" ? "S" : "?";
      } else {
        looks += icon->currentAnimSet == "Active" ? "A" : icon->currentAnimSet == "Inactive" ? "I" : "?";
      }
    }
    return looks;
  }

  GameObject object;
  int strikes = 0;
  int chances = 3;
  float score = 0.0f;
  bool panicking = false;
};

TEST_F(StattrakTest, TextShowsPrefixValuePostfixByTheVariablesType) {
  UIStattrak display(&object);
  object.GetTransform().position = Math::Vec3(100, 200, 0);
  object.GetTransform().scale = Math::Vec3(1, 2, 1);
  display.position = Math::Vec2(5, -5);
  display.textScale = 0.5f;
  display.prefix = "Score ";
  display.postfix = " pts";
  display.trakVariable = "hudScore";
  score = 3.0f;
  display.UpdateUI(0.0f);
  ASSERT_EQ(Queue().size(), 1u);
  EXPECT_EQ(Queue()[0].text, "Score 3.00 pts");
  EXPECT_FLOAT_EQ(Queue()[0].x, 105.0f);
  EXPECT_FLOAT_EQ(Queue()[0].y, 195.0f);
  EXPECT_FLOAT_EQ(Queue()[0].scale, 1.0f);

  display.trakVariable = "hudStrikes";
  strikes = 7;
  display.prefix = "";
  display.postfix = "";
  Queue().clear();
  display.UpdateUI(0.0f);
  EXPECT_EQ(Queue()[0].text, "7") << "an int is shown as an int, not its bytes as a float";

  display.trakVariable = "neverRegistered";
  Queue().clear();
  display.UpdateUI(0.0f);
  EXPECT_EQ(Queue()[0].text, "0.00");

  display.SetEnabled(false);
  Queue().clear();
  display.UpdateUI(0.0f);
  EXPECT_TRUE(Queue().empty());
}

TEST_F(StattrakTest, IconsFollowTheValueAndShakeWhilePanicking) {
  auto display = IconRow();
  strikes = 1;
  display->UpdateUI(0.0f);
  ASSERT_EQ(display->icons.size(), 3u);
  EXPECT_EQ(Looks(*display), "AII");
  panicking = true;
  display->UpdateUI(0.0f);
  EXPECT_EQ(Looks(*display), "ASI");
  EXPECT_FLOAT_EQ(display->icons[1]->frameDelay, 0.1f);
  // The strike lights the shaking icon half-way through its shake: the lit
  // look (one frame in the shipped art) starts from its first frame.
  display->icons[1]->frame = 1;
  strikes = 2;
  display->UpdateUI(0.0f);
  EXPECT_EQ(Looks(*display), "AAS");
  EXPECT_EQ(display->icons[1]->frame, 0u);
  strikes = 1;
  display->UpdateUI(0.0f);
  strikes = 0;
  display->UpdateUI(0.0f);
  EXPECT_EQ(Looks(*display), "SII");
  panicking = false;
  display->UpdateUI(0.0f);
  EXPECT_EQ(Looks(*display), "III");
  EXPECT_FLOAT_EQ(display->icons[2]->position.x, 110.0f);
  EXPECT_FLOAT_EQ(display->icons[2]->position.y, 20.0f);
  EXPECT_EQ(display->icons[0]->textureID, "ui_strike");
}

TEST_F(StattrakTest, IconCountFollowsTheMaximumWithinALimit) {
  auto display = IconRow();
  strikes = 2;
  display->UpdateUI(0.0f);
  const Sprite* first = display->icons[0].get();
  chances = 5;
  display->UpdateUI(0.0f);
  ASSERT_EQ(display->icons.size(), 5u);
  EXPECT_EQ(display->icons[0].get(), first) << "new icons are added at the end";
  EXPECT_EQ(Looks(*display), "AAIII");
  chances = 2;
  display->UpdateUI(0.0f);
  EXPECT_EQ(display->icons.size(), 2u);
  EXPECT_EQ(display->icons[0].get(), first);
  chances = 1 << 30;
  display->UpdateUI(0.0f);
  EXPECT_EQ(display->icons.size(), static_cast<std::size_t>(UIStattrak::kMaxIcons));
  chances = -4;
  display->UpdateUI(0.0f);
  EXPECT_TRUE(display->icons.empty());
}

TEST_F(StattrakTest, HiddenDisplayHidesItsIconsAndCloneBuildsItsOwn) {
  auto display = IconRow();
  display->UpdateUI(0.0f);
  display->SetEnabled(false);
  for (const auto& icon : display->icons) EXPECT_FALSE(icon->enabled);

  GameObject other;
  std::unique_ptr<Framework::GameComponent> copy(display->Clone(&other));
  auto& clone = dynamic_cast<UIStattrak&>(*copy);
  EXPECT_TRUE(clone.icons.empty());
  clone.UpdateUI(0.0f);
  ASSERT_EQ(clone.icons.size(), 3u);
  EXPECT_EQ(clone.icons[0]->GetOwner(), &other);
  EXPECT_FALSE(clone.icons[0]->enabled) << "the copy is hidden like its source";
}

TEST(UIImageTest, LayerFollowsTheOwnersName) {
  const std::vector<std::pair<std::string, int>> cases = {
      {"UIKillerHUD", 11}, {"UIDetectiveHUD", 11}, {"UIMouse", 11}, {"UIPause", 10},
      {"MainMenuLogo", 10}, {"ScorePanel", 10},   {"Tree", 9},      {"uiLower", 9}};
  for (const auto& [name, layer] : cases) {
    GameObject object;
    object.SetName(name);
    UIImage image(&object);
    EXPECT_EQ(image.sprite->layer, layer) << name;
  }
}

// A stand-in for the particle emitter on the cursor object.
class FakeEmitter : public Framework::ToggleableGameComponent {
 public:
  explicit FakeEmitter(GameObject* owner)
      : ToggleableGameComponent(owner, Framework::ComponentId::ParticleEmitter) {}
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "ParticleEmitter"; }
  GameComponent* Clone(GameObject* newOwner) override { return new FakeEmitter(newOwner); }
};

TEST(UIMouseTest, CursorFollowsTheMouseAndHidesWhenItIsNotInUse) {
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = 1280;
  graphics.windowHeight = 720;
  graphics.camera.Reset();
  graphics.camera.position.x = 30;
  Framework::InputManager& input = Framework::GetInputManager();

  GameObject cursor;
  cursor.SetName("UIMouse");
  auto image = std::make_shared<UIImage>(&cursor);
  auto emitter = std::make_shared<FakeEmitter>(&cursor);
  auto mouse = std::make_shared<Framework::UIMouse>(&cursor);
  cursor.AddComponent(image);
  cursor.AddComponent(emitter);
  cursor.AddComponent(mouse);

  input.mouseX = 700;
  input.mouseY = 400;
  input.mouseInUse = true;
  mouse->UpdateUI(0.0f);
  EXPECT_FLOAT_EQ(cursor.GetTransform().position.x, 90.0f);
  EXPECT_FLOAT_EQ(cursor.GetTransform().position.y, 40.0f);
  EXPECT_TRUE(image->sprite->enabled);
  EXPECT_TRUE(emitter->enabled);

  input.mouseX = 0;
  input.mouseInUse = false;
  mouse->UpdateUI(0.0f);
  EXPECT_FLOAT_EQ(cursor.GetTransform().position.x, 90.0f) << "the cursor stays where it was";
  EXPECT_FALSE(image->sprite->enabled);
  EXPECT_FALSE(emitter->enabled);
  input.mouseInUse = true;
  graphics.camera.position.z = 0.5f;  // zoomed out: a screen pixel spans two world units
  mouse->UpdateUI(0.0f);
  EXPECT_FLOAT_EQ(cursor.GetTransform().position.x, -1250.0f);
  EXPECT_FLOAT_EQ(cursor.GetTransform().position.y, 80.0f);
  graphics.camera.Reset();
}

}  // namespace
