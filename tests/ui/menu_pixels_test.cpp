// A menu made of a button list and a text element, drawn by the real
// renderer under Xvfb with the shipped menu art, read back pixel by pixel.
#include <string>

#include <gtest/gtest.h>

#include "engine/app/EngineWiring.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UIButtonlist.h"
#include "engine/ui/UISystem.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::GraphicsSystem;
using TestSupport::Pixel;
using TestSupport::ReadPixel;

// The faces of the button art: plain and with the focus.
const Pixel kPlainFace{62, 38, 72, 255};
const Pixel kFocusFace{104, 66, 118, 255};

bool Near(const Pixel& a, const Pixel& b) {
  return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

// Gold-ish: the UI text colour, at least partly covering the pixel.
bool IsTextColour(const Pixel& p) { return p.r > 120 && p.g > 80 && p.b < 80 && p.r > p.b + 60; }

class MenuPixelsTest : public TestSupport::RendererTest {
 protected:
  static void TearDownTestSuite() {
    Framework::GetFactory().DestroyAllObjects();
    RendererTest::TearDownTestSuite();
  }

  void SetUp() override {
    RendererTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    Framework::WireEngine();
    Framework::GetFactory().Initialize();
  }

  void TearDown() override {
    Framework::GetFactory().DestroyAllObjects();
    Framework::GetUISystem().ClearSceneState();
  }

  Framework::GameObject* Build(const std::string& elements) {
    const auto path = temp.Write("object" + std::to_string(++count) + ".xml",
                                 "<?xml version=\"1.0\"?>\n<Archetype>" + elements + "</Archetype>\n");
    auto object = Framework::GetFactory().CreateFromFile(path.string());
    if (object) object->InitializeComponents();
    return object.get();
  }

  static void Frame() {
    Framework::GetUISystem().Update(0.016f);
    GraphicsSystem& graphics = Framework::GetGraphicsSystem();
    graphics.Update(0.016f);
    graphics.RenderFrame();
  }

  static bool TextDrawnIn(int left, int bottom, int right, int top) {
    for (int y = bottom; y <= top; ++y) {
      for (int x = left; x <= right; ++x) {
        if (IsTextColour(ReadPixel(x, y))) return true;
      }
    }
    return false;
  }

  TestSupport::TempFolder temp;
  int count = 0;
};

std::string Button(const std::string& name, int y) {
  return "<Button><buttonType string=\"Default\"/><buttonName string=\"" + name +
         "\"/><buttontextureSet string=\"ui_button\"/><position Vec2=\"0," + std::to_string(y) +
         "\"/><size Vec2=\"192,64\"/><defaultState string=\"Default\"/><hoverState string=\"Hover\"/>"
         "<selectState string=\"Select\"/><useFunction string=\"\"/><sysVariable string=\"\"/></Button>";
}

TEST_F(MenuPixelsTest, HighlightedButtonAndCaptionAreOnScreen) {
  Framework::GameObject* menu =
      Build("<Name string=\"UIMainMenu\"/><Tag string=\"mainmenu\"/><UIButtonlist>"
            "<defaultButton string=\"Play\"/><savelastSelected bool=\"false\"/>" +
            Button("Quit", -60) + Button("Play", 60) + "</UIButtonlist>");
  ASSERT_NE(menu, nullptr);
  ASSERT_NE(Build("<Name string=\"Caption\"/><Tag string=\"mainmenu\"/><UIText>"
                  "<position Vec2=\"-60,-10\"/><text string=\"MENU\"/><textScale float=\"0.5\"/>"
                  "<textdisplayType string=\"Static\"/><spacebetweenlines unsigned=\"1\"/></UIText>"),
            nullptr);
  Frame();
  Frame();

  const Pixel play = ReadPixel(kCentreX, kCentreY + 60);
  const Pixel quit = ReadPixel(kCentreX, kCentreY - 60);
  EXPECT_TRUE(Near(play, kFocusFace)) << "focused Play shows its hover face: " << play;
  EXPECT_TRUE(Near(quit, kPlainFace)) << "Quit shows its plain face: " << quit;
  EXPECT_TRUE(TextDrawnIn(kCentreX - 62, kCentreY - 12, kCentreX + 10, kCentreY + 20)) << "the caption is drawn";
  EXPECT_FALSE(TextDrawnIn(kCentreX + 40, kCentreY - 20, kCentreX + 100, kCentreY + 20)) << "and nothing beside it";

  // Moving the focus moves the highlight.
  auto* list = menu->GetComponent<Framework::UIButtonlist>();
  Framework::GetUISystem().Select(list->buttons[1]);
  Frame();
  EXPECT_TRUE(Near(ReadPixel(kCentreX, kCentreY - 60), kFocusFace));
  EXPECT_TRUE(Near(ReadPixel(kCentreX, kCentreY + 60), kPlainFace));

  // A hidden menu draws nothing.
  Framework::GetUISystem().SetMenuEnabled("mainmenu", false);
  Frame();
  const Pixel hidden = ReadPixel(kCentreX, kCentreY + 60);
  EXPECT_FALSE(Near(hidden, kPlainFace) || Near(hidden, kFocusFace)) << hidden;
  EXPECT_FALSE(TextDrawnIn(kCentreX - 62, kCentreY - 12, kCentreX + 10, kCentreY + 20));
}

}  // namespace
