// The text element: line splitting, typing out, layout and its panel. What
// it draws is read from the graphics system's text queue.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/UIText.h"

namespace {

using Framework::GameObject;
using Framework::GraphicsSystem;
using Framework::TextRecord;
using Framework::UIText;

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    object.GetTransform().position = Math::Vec3(100, 50, 0);
    Queue().clear();
  }
  void TearDown() override { Queue().clear(); }

  static std::vector<TextRecord>& Queue() { return Framework::GetGraphicsSystem().textQueue; }

  std::unique_ptr<UIText> MakeText(const std::string& text, const std::string& type = "Static",
                                   float interval = 0.0f) {
    auto element = std::make_unique<UIText>(&object);
    element->text = text;
    element->textdisplayType = type;
    element->displayInterval = interval;
    element->Initialize();
    return element;
  }

  // The texts queued by one update, then the queue is emptied.
  std::vector<std::string> Frame(UIText& element, float dt) {
    Queue().clear();
    element.UpdateUI(dt);
    std::vector<std::string> shown;
    for (const TextRecord& record : Queue()) shown.push_back(record.text);
    Queue().clear();
    return shown;
  }

  using Lines = std::vector<std::string>;
  GameObject object;
};

TEST_F(TextTest, SplitsOnBackslashNOnly) {
  EXPECT_EQ(MakeText("Hello\\nWorld")->lines, (Lines{"Hello", "World"}));
  EXPECT_EQ(MakeText("One line")->lines, (Lines{"One line"}));
  EXPECT_EQ(MakeText("")->lines, (Lines{""}));
  EXPECT_EQ(MakeText("Last\\n")->lines, (Lines{"Last", ""}));
  EXPECT_EQ(MakeText("real\nnewline")->lines, (Lines{"real\nnewline"})) << "only the two characters split";
}

TEST_F(TextTest, StaticShowsAllLinesFromTheFirstFrameAtTheirSpacing) {
  auto text = MakeText("First\\nSecond\\nThird");
  text->position = Math::Vec2(-20, 10);
  text->textScale = 0.5f;
  text->spacebetweenlines = 2;
  Queue().clear();
  text->UpdateUI(0.0f);
  ASSERT_EQ(Queue().size(), 3u);
  EXPECT_EQ(Queue()[2].text, "Third");
  for (int i = 0; i < 3; ++i) {
    EXPECT_FLOAT_EQ(Queue()[i].x, 80.0f);
    EXPECT_FLOAT_EQ(Queue()[i].y, 60.0f - 48.0f * i) << "lines are 48 units apart";
    EXPECT_FLOAT_EQ(Queue()[i].scale, 0.5f);
    EXPECT_FLOAT_EQ(Queue()[i].colour.r, 0.87f);
  }
  EXPECT_TRUE(text->finished);
}

TEST_F(TextTest, AnimatedTextTypesOneCharacterPerIntervalDroppingTheExcess) {
  auto text = MakeText("Hello\\nWorld", "Animated", 0.1f);
  // 0.06 s frames: the timer reaches 0.1 every second frame, restarting from 0.
  EXPECT_EQ(Frame(*text, 0.06f), (Lines{""}));
  EXPECT_EQ(Frame(*text, 0.06f), (Lines{"H"}));
  for (int i = 0; i < 4; ++i) Frame(*text, 0.06f);
  EXPECT_EQ(Frame(*text, 0.06f), (Lines{"Hel"}));
  int frames = 7;
  while (!text->finished && frames < 100) {
    Frame(*text, 0.06f);
    ++frames;
  }
  EXPECT_EQ(frames, 20) << "ten characters, two frames each";
  EXPECT_EQ(Frame(*text, 0.06f), (Lines{"Hello", "World"}));
}

TEST_F(TextTest, EmptyAndTrailingLinesNeverStallTheAnimation) {
  auto empty = MakeText("", "Animated", 0.1f);
  Frame(*empty, 0.1f);
  EXPECT_TRUE(empty->finished);

  auto trailing = MakeText("ab\\n\\n", "Animated", 0.1f);
  for (int i = 0; i < 2; ++i) Frame(*trailing, 0.1f);
  EXPECT_TRUE(trailing->finished) << "typing ends with the last character of the last non-empty line";
  EXPECT_EQ(Frame(*trailing, 0.1f), (Lines{"ab", "", ""}));
}

TEST_F(TextTest, RefreshRestartsAFinishedAnimation) {
  auto text = MakeText("Hi", "Animated", 0.1f);
  Frame(*text, 0.1f);
  Frame(*text, 0.1f);
  ASSERT_TRUE(text->finished);
  text->text = "Bye";
  text->Refresh(0.0f);
  EXPECT_FALSE(text->finished);
  EXPECT_EQ(Frame(*text, 0.1f), (Lines{"B"}));
}

TEST_F(TextTest, DisabledTextDrawsNothingAndDoesNotAdvance) {
  auto text = MakeText("Hello", "Animated", 0.1f);
  text->SetEnabled(false);
  for (int i = 0; i < 10; ++i) EXPECT_TRUE(Frame(*text, 0.1f).empty());
  EXPECT_EQ(text->visibleChars, 0u);
  text->SetEnabled(true);
  EXPECT_EQ(Frame(*text, 0.1f), (Lines{"H"}));
}

TEST_F(TextTest, BackgroundPanelIsSizedFromTheSplitLines) {
  auto element = std::make_unique<UIText>(&object);
  element->text = "Short\\nThe longest line\\nMid";
  element->usebackground = "ui_panel";
  element->leftMargin = 12;
  element->rightMargin = 8;
  element->Initialize();
  const Framework::Sprite& panel = *element->background;
  const float textWidth = GraphicsSystem::MeasureText("The longest line", 1.0f).x;
  EXPECT_FLOAT_EQ(panel.size.x, textWidth + 20.0f);
  EXPECT_FLOAT_EQ(panel.size.y, 3 * 48.0f + 25.0f);
  // Top 48 + 10 above the first line, bottom 2 * 48 + 15 below it.
  EXPECT_FLOAT_EQ(panel.position.y, (58.0f + -111.0f) / 2.0f);
  EXPECT_FLOAT_EQ(panel.position.x, -12.0f + panel.size.x / 2.0f);
  EXPECT_EQ(panel.textureID, "ui_panel");
  EXPECT_TRUE(panel.enabled);

  element->SetEnabled(false);
  EXPECT_FALSE(panel.enabled);
  auto plain = MakeText("no panel");
  EXPECT_FALSE(plain->background->enabled) << "without a texture there is no panel to show";
}

TEST_F(TextTest, CloneHasItsOwnPanel) {
  auto element = MakeText("A\\nB");
  element->usebackground = "ui_panel";
  GameObject other;
  std::unique_ptr<Framework::GameComponent> copy(element->Clone(&other));
  auto* text = dynamic_cast<UIText*>(copy.get());
  ASSERT_NE(text, nullptr);
  EXPECT_NE(text->background.get(), element->background.get());
  EXPECT_EQ(text->background->GetOwner(), &other);
  EXPECT_EQ(text->lines, (Lines{"A", "B"}));
}

}  // namespace
