#include <gtest/gtest.h>

#include <cstdlib>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Scriptable.h"
#include "engine/graphics/Camera.h"
#include "support/CoreFileSupport.h"
#include "support/TestSupport.h"

using Framework::GetSceneManager;
using Framework::SceneManager;
using Framework::VScene;

namespace {

// Writes its hook calls, prefixed with its tag, into a shared log.
class RecordingScene : public VScene {
 public:
  RecordingScene(std::string tagText, std::vector<std::string>& sharedLog) : tag(std::move(tagText)), log(sharedLog) {}
  void Load() override { log.push_back(tag + ".Load"); }
  void Initialize() override { log.push_back(tag + ".Initialize"); }
  void Free() override { log.push_back(tag + ".Free"); }
  void Update(float) override { ++updates; }
  void Unload() override { log.push_back(tag + ".Unload"); }
  int updates = 0;

 private:
  std::string tag;
  std::vector<std::string>& log;
};

class CountingScript : public Scriptable {
 public:
  CountingScript() : Scriptable(nullptr) {}
  void Update() override { ++updates; }
  void Deserialize(Framework::XMLSerializer&) override {}
  std::string GetTypeName() override { return "CountingScript"; }
  GameComponent* Clone(Framework::GameObject*) override { return new CountingScript; }
  int updates = 0;
};

// A fresh scene manager in a temporary working folder with a Resources/ folder.
class SceneManagerTest : public ::testing::Test {
 protected:
  SceneManagerTest() : cwd(temp.Path()) {
    std::filesystem::create_directories(temp.Path() / "Resources");
    scenes.Shutdown();
    Framework::WireEngine();
    scenes.Initialize();
    Framework::GetInputManager().inputDisabled = false;
    Framework::GetEngine().paused = false;
  }
  ~SceneManagerTest() override {
    scenes.Shutdown();
    Framework::GetInputManager().inputDisabled = false;
    Framework::GetEngine().paused = false;
  }
  RecordingScene* Add(const std::string& name) {
    auto* scene = new RecordingScene(name, log);
    scenes.AddScene(scene, name);
    return scene;
  }
  // Runs frames of dt until the fade-in after a switch has completed.
  void SettleFade(float dt = 0.25f) {
    for (int i = 0; i < 100 && (scenes.reload || scenes.FadeValue() > 0.0f ||
                                scenes.NextSceneName() != scenes.CurrentSceneKey());
         ++i) {
      scenes.Update(dt);
    }
    scenes.Update(dt);  // the frame in which the fade-in reports completion
  }
  bool InputDisabled() const { return Framework::GetInputManager().inputDisabled; }

  TestSupport::TempFolder temp;
  TestSupport::ScopedWorkingFolder cwd;
  SceneManager& scenes = GetSceneManager();
  std::vector<std::string> log;
};

TEST_F(SceneManagerTest, FirstFrameSwitchesWithoutFadeOutAndKeepsInputEnabled) {
  EXPECT_EQ(scenes.GetCurrentSceneName(), "") << "the placeholder's name field is never set";
  RecordingScene* splash = Add("splash");
  scenes.ChangeScene("splash");
  scenes.Update(0.0f);
  EXPECT_EQ(scenes.CurrentSceneKey(), "splash");
  EXPECT_EQ(scenes.GetCurrentSceneName(), "splash");
  EXPECT_EQ(log, (std::vector<std::string>{"splash.Load", "splash.Initialize"}));
  EXPECT_FLOAT_EQ(scenes.FadeValue(), 1.0f);

  scenes.Update(0.25f);
  EXPECT_FLOAT_EQ(scenes.FadeValue(), 0.75f);
  EXPECT_FALSE(InputDisabled());
  EXPECT_EQ(splash->updates, 0) << "no scene update while fading in";
  for (int i = 0; i < 3; ++i) scenes.Update(0.25f);
  EXPECT_FLOAT_EQ(scenes.FadeValue(), 0.0f);
  EXPECT_EQ(splash->updates, 0) << "the fade-in reports completion one frame later";
  scenes.Update(0.25f);
  EXPECT_EQ(splash->updates, 1);
}

TEST_F(SceneManagerTest, ChangeToTheCurrentSceneNeedsTheReloadFlag) {
  Add("menu");
  scenes.ChangeScene("menu");
  SettleFade();
  log.clear();
  scenes.ChangeScene("menu");
  SettleFade();
  EXPECT_TRUE(log.empty());

  scenes.reload = true;
  SettleFade();
  EXPECT_EQ(log, (std::vector<std::string>{"menu.Free", "menu.Unload", "menu.Load", "menu.Initialize"}));
  EXPECT_FALSE(scenes.reload);
}

TEST_F(SceneManagerTest, InputIsDisabledFromTheFadeOutUntilTheFadeInCompletes) {
  Add("a");
  RecordingScene* b = Add("b");
  scenes.ChangeScene("a");
  SettleFade();
  ASSERT_FALSE(InputDisabled());

  scenes.ChangeScene("b");
  scenes.Update(0.25f);
  EXPECT_TRUE(InputDisabled());
  EXPECT_FLOAT_EQ(scenes.FadeValue(), 0.25f);
  int frames = 0;
  while (scenes.CurrentSceneKey() != "b" && frames++ < 100) {
    scenes.Update(0.25f);
    EXPECT_TRUE(InputDisabled());
  }
  EXPECT_EQ(log.back(), "b.Initialize");
  while (scenes.FadeValue() > 0.0f && frames++ < 200) {
    scenes.Update(0.25f);
    EXPECT_TRUE(InputDisabled());
  }
  EXPECT_EQ(b->updates, 0);
  scenes.Update(0.25f);
  EXPECT_FALSE(InputDisabled());
  EXPECT_EQ(b->updates, 1);
}

TEST_F(SceneManagerTest, RequestDuringFadeInContinuesFromItsTimer) {
  Add("a");
  Add("b");
  scenes.ChangeScene("a");
  scenes.Update(0.0f);
  scenes.Update(0.25f);
  scenes.Update(0.25f);
  ASSERT_FLOAT_EQ(scenes.FadeValue(), 0.5f);
  scenes.ChangeScene("b");
  scenes.Update(0.25f);
  EXPECT_FLOAT_EQ(scenes.FadeValue(), 0.75f) << "the fade-out goes on from the fade-in's timer";
  scenes.Update(0.25f);
  scenes.Update(0.25f);  // fade value reached 1: this frame reports completion and switches
  EXPECT_EQ(scenes.CurrentSceneKey(), "b");
}

TEST_F(SceneManagerTest, PauseStopsScriptsButNotTheSceneAndLeavingClearsIt) {
  RecordingScene* a = Add("a");
  Add("b");
  scenes.ChangeScene("a");
  SettleFade();
  CountingScript script;
  script.Initialize();
  script.Initialize();  // joins once however often it runs
  ASSERT_EQ(a->scripts.size(), 1u);

  scenes.Update(0.1f);
  EXPECT_EQ(script.updates, 1);
  script.enabled = false;
  scenes.Update(0.1f);
  EXPECT_EQ(script.updates, 1);
  script.enabled = true;

  Framework::GetEngine().paused = true;
  const int sceneUpdates = a->updates;
  scenes.Update(0.1f);
  scenes.Update(0.1f);
  EXPECT_EQ(script.updates, 1);
  EXPECT_EQ(a->updates, sceneUpdates + 2);

  script.Shutdown();
  EXPECT_TRUE(a->scripts.empty());
  scenes.ChangeScene("b");
  SettleFade();
  EXPECT_FALSE(Framework::GetEngine().paused);
}

TEST_F(SceneManagerTest, SwitchShutsTheOldSceneDownBeforeLoadingTheNext) {
  Add("a");
  Add("b");
  scenes.AddObjectsDestroyedHook([this] { log.push_back("game.ObjectsDestroyed"); });
  scenes.AddSceneStartHook([this] { log.push_back("game.SceneStarting"); });
  scenes.ChangeScene("a");
  SettleFade();
  log.clear();
  // An event still waiting out its delay must not outlive its scene.
  Framework::GetEventSystem().AddEvent(Framework::MakeTimedEvent(60.0f, 0.0f, [this] { log.push_back("stale"); }));
  scenes.ChangeScene("b");
  SettleFade();
  EXPECT_EQ(log, (std::vector<std::string>{"game.ObjectsDestroyed", "a.Free", "a.Unload", "b.Load",
                                           "game.SceneStarting", "b.Initialize"}));
  EXPECT_EQ(Framework::GetEventSystem().QueuedCount(), 0u);
}

TEST_F(SceneManagerTest, SwitchResetsTheCameraAndTheGraphicsReadsTheFade) {
  Add("a");
  Framework::Camera& camera = Framework::GetCamera();
  camera.position = Math::Vec3(300, 40, 2);
  camera.target = Math::Vec3(300, 40, 0);
  scenes.ChangeScene("a");
  scenes.Update(0.0f);
  EXPECT_FLOAT_EQ(camera.position.x, 0.0f);
  EXPECT_FLOAT_EQ(camera.position.z, 1.0f);
  EXPECT_FLOAT_EQ(camera.target.y, 0.0f);
}

TEST_F(SceneManagerTest, MissingIndexIsCreatedAndTheSceneStillRuns) {
  Add("fresh");
  scenes.ChangeScene("fresh");
  scenes.Update(0.0f);
  EXPECT_TRUE(std::filesystem::is_regular_file("Resources/fresh/fresh.scene"));
  EXPECT_EQ(std::filesystem::file_size("Resources/fresh/fresh.scene"), 0u);
  EXPECT_EQ(log, (std::vector<std::string>{"fresh.Load", "fresh.Initialize"}));
}

TEST_F(SceneManagerTest, UncreatableIndexLoadsAnEmptySceneOnce) {
  // A plain file where the Resources folder should be: nothing can be created below it.
  std::filesystem::remove_all("Resources");
  std::ofstream("Resources") << "not a folder";
  Add("stuck");
  scenes.ChangeScene("stuck");
  scenes.Update(0.0f);
  EXPECT_EQ(scenes.CurrentSceneKey(), "stuck");
  EXPECT_EQ(log, (std::vector<std::string>{"stuck.Load", "stuck.Initialize"}));
}

TEST_F(SceneManagerTest, UnregisteredAndEmptyEntriesLoadAPlaceholder) {
  scenes.AddScene(nullptr, "ghost");
  scenes.ChangeScene("ghost");
  scenes.Update(0.0f);
  EXPECT_EQ(scenes.CurrentSceneKey(), "ghost");
  ASSERT_NE(scenes.GetCurrentScene(), nullptr);
  EXPECT_EQ(scenes.GetCurrentSceneName(), "ghost");

  scenes.ChangeScene("never_added");
  SettleFade();
  EXPECT_EQ(scenes.GetCurrentSceneName(), "never_added");
  EXPECT_TRUE(std::filesystem::exists("Resources/never_added/never_added.scene"));
}

TEST_F(SceneManagerTest, SceneAddedTwiceHasOneOwner) {
  RecordingScene* menu = Add("menu");
  scenes.AddScene(menu, "menu");
  scenes.RegisterScene(menu, "alias");
  scenes.ChangeScene("alias");
  scenes.Update(0.0f);
  EXPECT_EQ(scenes.GetCurrentScene(), menu);
  EXPECT_EQ(scenes.GetCurrentSceneName(), "alias");
}  // the teardown releases the scene once

TEST_F(SceneManagerTest, IndexEntriesLoseTheirResourcesPrefix) {
  std::filesystem::create_directories("Resources/lvl");
  ASSERT_TRUE(Framework::WriteSceneIndex("Resources/lvl/lvl.scene", {"Resources/a.xml", "b.xml"}));
  RecordingScene* lvl = Add("lvl");
  scenes.ChangeScene("lvl");
  scenes.Update(0.0f);
  EXPECT_EQ(lvl->archetypeNames, (std::vector<std::string>{"a.xml", "b.xml"}));
}

// Index files whose numbers lie.
class SceneIndexFileTest : public ::testing::Test {
 protected:
  std::string WriteBytes(const std::string& bytes) {
    return temp.Write("x.scene", bytes).string();
  }
  static std::string Int(int32_t value) { return TestSupport::Int32Bytes(value); }
  std::vector<std::string> Read(const std::string& bytes) {
    std::vector<std::string> entries;
    EXPECT_TRUE(Framework::ReadSceneIndex(WriteBytes(bytes), entries));
    return entries;
  }
  TestSupport::TempFolder temp;
};

TEST_F(SceneIndexFileTest, WritesTheLayoutAndReadsItBack) {
  const std::string path = (temp.Path() / "w.scene").string();
  ASSERT_TRUE(Framework::WriteSceneIndex(path, {"ab"}));
  EXPECT_EQ(TestSupport::ReadFile(path), Int(1) + Int(3) + std::string("ab\0", 3));
  EXPECT_EQ(Read(TestSupport::ReadFile(path)), std::vector<std::string>{"ab"});
  EXPECT_TRUE(Read("").empty());
  EXPECT_EQ(Read(Int(1) + Int(3) + "abc"), std::vector<std::string>{"abc"}) << "no NUL: all n bytes";
  std::vector<std::string> none;
  EXPECT_FALSE(Framework::ReadSceneIndex((temp.Path() / "missing.scene").string(), none));
}

TEST_F(SceneIndexFileTest, LyingCountsAndLengthsKeepTheEntriesReadSoFar) {
  const std::string first = Int(6) + std::string("a.xml\0", 6);
  EXPECT_EQ(Read(Int(1000000000) + first), std::vector<std::string>{"a.xml"});
  EXPECT_EQ(Read(Int(2) + first + Int(-1) + "b.xml"), std::vector<std::string>{"a.xml"});
  EXPECT_EQ(Read(Int(2) + first + Int(0x7FFFFFFF) + "b.xml"), std::vector<std::string>{"a.xml"});
  EXPECT_EQ(Read(Int(2) + first + Int(6) + "b.x"), std::vector<std::string>{"a.xml"});
  EXPECT_EQ(Read(Int(2) + first + std::string("\x06\x00", 2)), std::vector<std::string>{"a.xml"});
  EXPECT_TRUE(Read(Int(-5) + first).empty());
  EXPECT_TRUE(Read(std::string("\x01\x00", 2)).empty());
}

TEST_F(SceneIndexFileTest, AuthoringToolAndLoaderAgreeOnTheLayout) {
  const std::string tool = std::string("python3 ") + CORVIDALE_SOURCE_ROOT + "/tools/sceneindex.py";
  const std::string written = (temp.Path() / "tool.scene").string();
  ASSERT_EQ(std::system((tool + " write " + written + " Resources/a.xml b.xml").c_str()), 0);
  std::vector<std::string> entries;
  ASSERT_TRUE(Framework::ReadSceneIndex(written, entries));
  EXPECT_EQ(entries, (std::vector<std::string>{"Resources/a.xml", "b.xml"}));

  const std::string engineFile = (temp.Path() / "engine.scene").string();
  const std::string listing = (temp.Path() / "listing.txt").string();
  ASSERT_TRUE(Framework::WriteSceneIndex(engineFile, {"x.xml", "y.xml"}));
  ASSERT_EQ(std::system((tool + " list " + engineFile + " > " + listing).c_str()), 0);
  EXPECT_EQ(TestSupport::ReadFile(listing), "x.xml\ny.xml\n");
}

}  // namespace
