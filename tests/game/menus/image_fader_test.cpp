// The image fader's steps, timed by the engine's frame time in quarter seconds.
#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/Sprite.h"
#include "game/GameComponents.h"
#include "game/menus/ImageFader.h"
#include "support/UITestSupport.h"

namespace {

const std::string kTimes = "<warmupTime float=\"0.5\"/><fadeInTime float=\"1\"/><stayTime float=\"2\"/><fadeOutTime float=\"1\"/>";

class ImageFaderTest : public TestSupport::UIFixture {
 protected:
  ImageFader& Fader(const std::string& images, const std::string& sprite = "<Sprite/>") {
    RegisterGameComponents(Framework::GetFactory());
    Framework::GetEngine().dt = 0.25f;
    return *Build("<Enabled bool=\"true\"/><Name string=\"Fader\"/><Tag string=\"splash\"/>" + sprite +
                  "<ImageFader><ImageList>" + images + "</ImageList></ImageFader>")->GetComponent<ImageFader>();
  }
  float Run(ImageFader& fader, int frames) {
    for (int i = 0; i < frames; ++i) fader.Update();
    return fader.sprite->colour.w;
  }
};

TEST_F(ImageFaderTest, EachImageWaitsFadesInStaysAndFadesOutAndZeroTimesLastASecond) {
  ImageFader& fader = Fader("<blank>" + kTimes + "</blank><no_such_texture><stayTime float=\"0\"/></no_such_texture>"
                            "<blank><fadeInTime float=\"-3\"/></blank>");
  EXPECT_FLOAT_EQ(Run(fader, 2), 0.0f) << "0.5 s unseen";
  EXPECT_FLOAT_EQ(Run(fader, 2), 0.5f) << "half way through its 1 s fade-in";
  EXPECT_FLOAT_EQ(Run(fader, 10), 1.0f) << "then 2 s at full";
  EXPECT_FLOAT_EQ(Run(fader, 4), 0.0f) << "and 1 s back to nothing";
  EXPECT_EQ(fader.sprite->textureID, "no_such_texture") << "an unknown texture still runs its times";
  EXPECT_FLOAT_EQ(fader.images[1]->warmupTime, 0.5f) << "a missing time repeats the image before";
  EXPECT_FLOAT_EQ(fader.images[2]->fadeInTime, 0.0f) << "a negative time counts as 0";
  EXPECT_FLOAT_EQ(Run(fader, 2 + 4 + 3), 1.0f) << "a stay of 0 lasts a whole second";
  Run(fader, 1 + 4 + 14 - 1);
  EXPECT_FALSE(fader.finished);
  Run(fader, 1);
  EXPECT_TRUE(fader.finished) << "in the frame the last fade-out completes";
}

TEST_F(ImageFaderTest, PausedGameHoldsTheAlphaAndNoSpriteOrNoImagesFinishAtOnce) {
  TestSupport::ScopedWorkingFolder inTemp(temp.Path());
  Framework::GetSceneManager().LoadScene("fadertest");
  ImageFader& fader = Fader("<blank>" + kTimes + "</blank>");
  Run(fader, 3);
  Framework::GetEngine().paused = true;
  Framework::GetSceneManager().GetCurrentScene()->UpdateAll(0.25f);
  Framework::GetEngine().paused = false;
  EXPECT_FLOAT_EQ(fader.sprite->colour.w, 0.25f);
  for (ImageFader* empty : {&Fader("<blank>" + kTimes + "</blank>", ""), &Fader("")}) {
    EXPECT_TRUE(empty->finished);
    EXPECT_FALSE(empty->enabled);
  }
}

}  // namespace
