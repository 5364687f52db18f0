// The image fader's steps, timed by the engine's frame time in steps of 0.25 s.
#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/Sprite.h"
#include "game/GameComponents.h"
#include "game/menus/ImageFader.h"
#include "support/UITestSupport.h"

namespace {

std::string Image(const std::string& name, const std::string& times) { return "<" + name + ">" + times + "</" + name + ">"; }
const std::string kExampleTimes =
    "<warmupTime float=\"0.5\"/><fadeInTime float=\"1\"/><stayTime float=\"2\"/><fadeOutTime float=\"1\"/>";

class ImageFaderTest : public TestSupport::UIFixture {
 protected:
  void SetUp() override {
    UIFixture::SetUp();
    RegisterGameComponents(Framework::GetFactory());
    Framework::GetEngine().dt = 0.25f;
  }
  ImageFader& Fader(const std::string& images, bool withSprite = true) {
    const std::string sprite = withSprite ? "<Sprite><textureID string=\"blank\"/></Sprite>" : "";
    Framework::GameObject* object = Build("<Enabled bool=\"true\"/><Name string=\"Fader\"/><Tag string=\"splash\"/>" +
                                          sprite + "<ImageFader><ImageList>" + images + "</ImageList></ImageFader>");
    return *object->GetComponent<ImageFader>();
  }
  // The fader's alpha after the given number of quarter-second frames.
  float Run(ImageFader& fader, int frames) {
    for (int i = 0; i < frames; ++i) fader.Update();
    return fader.sprite->colour.w;
  }
};

TEST_F(ImageFaderTest, OneImageWaitsFadesInStaysAndFadesOut) {
  ImageFader& fader = Fader(Image("blank", kExampleTimes));
  EXPECT_FLOAT_EQ(Run(fader, 2), 0.0f) << "0.5 s unseen";
  EXPECT_FLOAT_EQ(Run(fader, 2), 0.5f) << "half way up after 0.5 s of its 1 s fade-in";
  EXPECT_FLOAT_EQ(Run(fader, 2), 1.0f);
  EXPECT_FLOAT_EQ(Run(fader, 8), 1.0f) << "stays 2 s";
  EXPECT_FLOAT_EQ(Run(fader, 3), 0.25f);
  EXPECT_FALSE(fader.finished);
  EXPECT_FLOAT_EQ(Run(fader, 1), 0.0f);
  EXPECT_TRUE(fader.finished) << "in the frame the fade-out completes";
}

TEST_F(ImageFaderTest, ZeroTimesLastASecondAndMissingTimesRepeatTheImageBefore) {
  ImageFader& fader = Fader(Image("blank", kExampleTimes) + Image("no_such_texture", "<stayTime float=\"0\"/>") +
                            Image("blank", "<fadeInTime float=\"-3\"/>"));
  ASSERT_EQ(fader.images.size(), 3u);
  EXPECT_FLOAT_EQ(fader.images[1]->warmupTime, 0.5f);
  EXPECT_FLOAT_EQ(fader.images[2]->stayTime, 0.0f);
  EXPECT_FLOAT_EQ(fader.images[2]->fadeInTime, 0.0f) << "a negative time counts as 0";
  Run(fader, 18 + 2 + 4);
  EXPECT_EQ(fader.sprite->textureID, "no_such_texture") << "an unknown texture still runs its times";
  EXPECT_FLOAT_EQ(Run(fader, 3), 1.0f) << "its stay of 0 lasts a whole second";
  Run(fader, 1 + 4 + 2 + 4 + 4 + 3);
  EXPECT_FALSE(fader.finished);
  Run(fader, 1);
  EXPECT_TRUE(fader.finished);
}

TEST_F(ImageFaderTest, PausedGameHoldsTheAlphaAndFaderWithoutSpriteOrImagesFinishesAtOnce) {
  TestSupport::ScopedWorkingFolder inTemp(temp.Path());
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  scenes.LoadScene("fadertest");
  ImageFader& fader = Fader(Image("blank", kExampleTimes));
  Run(fader, 3);
  Framework::GetEngine().paused = true;
  scenes.GetCurrentScene()->UpdateAll(0.25f);
  EXPECT_FLOAT_EQ(fader.sprite->colour.w, 0.25f);
  Framework::GetEngine().paused = false;
  scenes.GetCurrentScene()->UpdateAll(0.25f);
  EXPECT_FLOAT_EQ(fader.sprite->colour.w, 0.5f);

  for (ImageFader* empty : {&Fader(Image("blank", kExampleTimes), false), &Fader("")}) {
    EXPECT_TRUE(empty->finished);
    EXPECT_FALSE(empty->enabled);
  }
}

}  // namespace
