// Scene switches as the whole engine sees them: real archetype files with
// sprites, bodies, boxes, emitters, UI elements and scripts are loaded,
// switched, reloaded, destroyed mid-frame and paused, and every system's
// list must then hold exactly the current scene's parts, each once.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
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
#include "engine/graphics/Debug.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Physics.h"
#include "engine/physics/Shape.h"
#include "engine/ui/UI.h"
#include "engine/ui/UISystem.h"
#include "support/GraphicsTestSupport.h"
#include "support/PhysicsWorld.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace {

// A script that counts its calls; a test may give it a job for its Update.
class ProbeScript : public Scriptable {
 public:
  explicit ProbeScript(GameObject* owner) : Scriptable(owner) {}
  void Start() override { ++starts; }
  void Stop() override {
    if (auto job = onStop) job(*this);
  }
  void Update() override {
    ++updates;
    // A copy: the job may replace itself.
    if (auto job = onUpdate) job(*this);
  }
  void Deserialize(XMLSerializer&) override {}
  std::string GetTypeName() override { return "ProbeScript"; }
  GameComponent* Clone(GameObject* newOwner) override { return new ProbeScript(newOwner); }

  int starts = 0;
  int updates = 0;
  std::function<void(ProbeScript&)> onUpdate;
  std::function<void(ProbeScript&)> onStop;
};

class CountingScene : public VScene {
 public:
  void Load() override { queuedAtLoad = removalQueue.size(); }
  void Update(float) override { ++updates; }
  int updates = 0;
  std::size_t queuedAtLoad = 0;
};

std::string Field(const std::string& name, const std::string& type, const std::string& value) {
  return "<" + name + " " + type + "=\"" + value + "\"/>";
}

std::string Archetype(const std::string& name, const std::string& tag, const std::string& components) {
  return "<?xml version=\"1.0\"?>\n<Archetype>" + Field("Enabled", "bool", "true") + Field("Name", "string", name) +
         Field("Tag", "string", tag) + "<Transform>" + Field("position", "Vec3", "0,0,0") + "</Transform>" +
         components + "</Archetype>\n";
}

std::string SpriteXml(int layer) {
  return "<Sprite>" + Field("size", "Vec2", "10,10") + Field("layer", "unsigned", std::to_string(layer)) +
         Field("textureID", "string", "none") + "</Sprite>";
}

const std::string kBody = "<Body>" + Field("Mass", "float", "1") + Field("layer_id", "unsigned", "0") + "</Body>";
const std::string kBox = "<AABB>" + Field("mRadiusX", "float", "5") + Field("mRadiusY", "float", "5") + "</AABB>";
const std::string kSphere = "<Sphere>" + Field("mRadius", "float", "4") + "</Sphere>";
const std::string kOBB = "<OBB>" + Field("mHalfExtent", "Vec3", "3,3,0") + "</OBB>";
const std::string kMoveable = "<Moveable>" + Field("mSpeed", "float", "10") + "</Moveable>";
const std::string kEmitter = "<ParticleEmitter>" + Field("maxParticles", "int", "6") +
                             Field("emissionRate", "int", "2") + Field("particleLifetimeMin", "float", "5") +
                             Field("particleLifetimeMax", "float", "5") + Field("particleLayer", "int", "4") +
                             Field("loopEmission", "bool", "true") + "</ParticleEmitter>";
const std::string kButtons = "<UIButtonlist>" + Field("defaultButton", "string", "Go") + "<Button>" +
                             Field("buttonType", "string", "Default") + Field("buttonName", "string", "Go") +
                             Field("size", "Vec2", "200,50") + Field("useFunction", "string", "") + "</Button>" +
                             "</UIButtonlist>";
const std::string kImage = "<UIImage>" + Field("size", "Vec2", "20,20") + "</UIImage>";
const std::string kText = "<UIText>" + Field("text", "string", "hello") + Field("usebackground", "bool", "true") +
                          "</UIText>";

template <class T>
std::vector<T*> ComponentsOf(const std::vector<GameObject*>& objects) {
  std::vector<T*> found;
  for (GameObject* object : objects) {
    for (const auto& component : object->GetComponentList()) {
      if (auto* match = dynamic_cast<T*>(component.get())) found.push_back(match);
    }
  }
  return found;
}

template <class T>
std::multiset<T*> Multiset(const std::vector<T*>& items) {
  return std::multiset<T*>(items.begin(), items.end());
}

// The game's systems on the test backend, driven frame by frame in the
// engine's order, over two scenes written to a temporary Resources folder.
class SceneIntegrationTest : public ::testing::Test {
 protected:
  SceneIntegrationTest() : cwd(temp.Path()) {
    GraphicsSystem& graphics = GetGraphicsSystem();
    graphics.windowWidth = 1280;
    graphics.windowHeight = 720;
    Framework::WireEngine();
    factory.Initialize();
    factory.AddCreator("ProbeScript", std::make_shared<ComponentCreatorFunction>(
                                          [](GameObject* owner) { return new ProbeScript(owner); }));
    temp.Write("Resources/BinaryCollision.txt", TestSupport::GridText(64, 36));
    WriteScenes();
    scenes.Shutdown();
    Framework::WireEngine();
    scenes.Initialize();
    for (const char* name : {"alpha", "beta"}) {
      auto* scene = new CountingScene;
      scenes.AddScene(scene, name);
      scenesByName[name] = scene;
    }
    GetEngine().paused = false;
    GetInputManager().inputDisabled = false;
  }

  ~SceneIntegrationTest() override {
    scenes.Shutdown();
    GetEventSystem().ClearEvents();
    GetEngine().paused = false;
    GetInputManager().inputDisabled = false;
  }

  void WriteScenes() {
    temp.Write("Resources/alpha/hero.xml",
               Archetype("hero", "player", SpriteXml(1) + kBody + kBox + kMoveable + "<ProbeScript/>"));
    temp.Write("Resources/alpha/rock.xml", Archetype("rock", "prop", SpriteXml(9) + kBody + kBox + kSphere + kOBB));
    temp.Write("Resources/alpha/smoke.xml", Archetype("smoke", "fx", kEmitter));
    temp.Write("Resources/alpha/sparkle.xml", Archetype("sparkle", "efx", SpriteXml(5)));
    temp.Write("Resources/alpha/UIMainMenu.xml", Archetype("UIMainMenu", "mainmenu", kButtons));
    temp.Write("Resources/alpha/UIPicture.xml", Archetype("UIPicture", "mainmenu", kImage + kText));
    ASSERT_TRUE(WriteSceneIndex("Resources/alpha/alpha.scene", {"hero.xml", "rock.xml", "smoke.xml", "sparkle.xml",
                                                                "UIMainMenu.xml", "UIPicture.xml"}));
    temp.Write("Resources/beta/guard.xml",
               Archetype("guard", "enemy", SpriteXml(9) + kBody + kBox + "<ProbeScript/>"));
    temp.Write("Resources/beta/wall.xml", Archetype("wall", "prop", kBox + kSphere));
    ASSERT_TRUE(WriteSceneIndex("Resources/beta/beta.scene", {"guard.xml", "wall.xml"}));
  }

  // One frame of the systems that take part in a scene's life, in the
  // engine's order.
  void Frame(float dt = 0.1f) {
    GetEngine().dt = dt;
    GetGraphicsSystem().Update(dt);
    GetPhysics().Update(dt);
    factory.Update(dt);
    scenes.Update(dt);
    GetUISystem().Update(dt);
    GetParticleSystem().Update(dt);
    GetEventSystem().Update(dt);
  }

  // Asks for a scene (or a reload) and runs frames until the fade-in is over.
  void Enter(const std::string& name, bool reload = false) {
    scenes.ChangeScene(name);
    scenes.reload = reload;
    Settle();
  }
  void Settle() {
    for (int i = 0; i < 100 && (scenes.reload || scenes.CurrentSceneKey() != scenes.NextSceneName()); ++i) Frame();
    for (int i = 0; i < 100 && scenes.FadeValue() > 0.0f; ++i) Frame();
    Frame();  // the fade-in reports completion
  }

  std::vector<GameObject*>& Objects() { return scenes.GetCurrentScene()->objects; }
  template <class T>
  T* Find(const std::string& object) {
    GameObject* found = scenes.FindObject(object);
    return found ? found->GetComponent<T>() : nullptr;
  }

  // Every system holds exactly the parts of the current scene's objects.
  void ExpectSystemsHoldExactlyTheScene() {
    VScene* scene = scenes.GetCurrentScene();
    ASSERT_NE(scene, nullptr);
    const std::vector<GameObject*>& objects = scene->objects;
    const std::set<GameObject*> live(objects.begin(), objects.end());
    EXPECT_EQ(live.size(), objects.size()) << "an object listed twice";
    EXPECT_EQ(factory.ObjectCount(), objects.size()) << "factory objects outside the scene";

    std::multiset<Sprite*> layered;
    for (int index = 0; index < GraphicsSystem::kLayerCount; ++index) {
      for (Sprite* sprite : GetGraphicsSystem().layers[index].sprites) {
        layered.insert(sprite);
        EXPECT_TRUE(live.count(sprite->GetOwner())) << "a sprite of a gone object in layer " << index;
      }
    }
    for (Sprite* sprite : ComponentsOf<Sprite>(objects)) {
      EXPECT_EQ(layered.count(sprite), 1u) << sprite->GetOwner()->GetName() << "'s sprite";
      const auto& own = GetGraphicsSystem().layers[sprite->layer].sprites;
      EXPECT_NE(std::find(own.begin(), own.end(), sprite), own.end()) << "sprite not in its own layer";
    }
    for (Sprite* sprite : layered) EXPECT_EQ(layered.count(sprite), 1u) << "a sprite in two places";

    const std::vector<Body*> bodies = ComponentsOf<Body>(objects);
    EXPECT_EQ(GetPhysics().Bodies(), std::set<Body*>(bodies.begin(), bodies.end()));
    std::vector<Shape*> boxes;
    for (AABB* box : ComponentsOf<AABB>(objects)) boxes.push_back(box);
    EXPECT_EQ(Multiset(GetPhysics().Shapes()), Multiset(boxes));
    EXPECT_EQ(Multiset(GetDebug().Shapes()), Multiset(ComponentsOf<Shape>(objects)));
    EXPECT_EQ(Multiset(GetParticleSystem().emitters), Multiset(ComponentsOf<ParticleEmitter>(objects)));
    EXPECT_EQ(Multiset(GetUISystem().Elements()), Multiset(ComponentsOf<UI>(objects)));
    const std::vector<ProbeScript*> scripts = ComponentsOf<ProbeScript>(objects);
    EXPECT_EQ(scene->scripts, std::set<Scriptable*>(scripts.begin(), scripts.end()));
  }

  TestSupport::TempFolder temp;
  TestSupport::ScopedWorkingFolder cwd;
  SceneManager& scenes = GetSceneManager();
  GameObjectFactory& factory = GetFactory();
  std::map<std::string, CountingScene*> scenesByName;
};

TEST_F(SceneIntegrationTest, EverySystemHoldsOnlyTheCurrentSceneAcrossSwitchesAndReloads) {
  Enter("alpha");
  ASSERT_EQ(Objects().size(), 6u);
  ExpectSystemsHoldExactlyTheScene();
  ProbeScript* hero = Find<ProbeScript>("hero");
  ASSERT_NE(hero, nullptr);
  EXPECT_EQ(hero->starts, 2) << "initialised by the factory and again when the scene starts";
  EXPECT_GT(hero->updates, 0);
  EXPECT_GT(Find<ParticleEmitter>("smoke")->active.size(), 0u) << "the particle system drives the emitter";

  Enter("beta");
  ASSERT_EQ(Objects().size(), 2u);
  ExpectSystemsHoldExactlyTheScene();

  for (int reload = 0; reload < 3; ++reload) {
    Enter("alpha", reload > 0);
    ASSERT_EQ(Objects().size(), 6u);
    ExpectSystemsHoldExactlyTheScene();
    EXPECT_EQ(Find<ProbeScript>("hero")->starts, 2);
  }
  // Leaving the scene with particles alive: their sprites leave the layers too.
  Enter("beta");
  ExpectSystemsHoldExactlyTheScene();
}

TEST_F(SceneIntegrationTest, MixedSwitchesReloadsDestructionsAndEffectsKeepEveryListExact) {
  Enter("alpha");
  for (int round = 0; round < 12; ++round) {
    switch (round % 4) {
      case 0:
        EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 0.3f, "");
        EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 0.3f, "");
        break;
      case 1:
        if (!Objects().empty()) factory.QueueDestroy(Objects()[round % Objects().size()]);
        if (Objects().size() > 1) scenes.GetCurrentScene()->removalQueue.push_back(Objects().back());
        break;
      case 2:
        scenes.reload = true;
        break;
      case 3:
        scenes.ChangeScene(scenes.CurrentSceneKey() == "alpha" ? "beta" : "alpha");
        break;
    }
    Frame();
    Settle();
    SCOPED_TRACE("round " + std::to_string(round));
    ExpectSystemsHoldExactlyTheScene();
  }
}

TEST_F(SceneIntegrationTest, EffectTemplatesAndTheirCopiesBelongToTheSceneThatMadeThem) {
  Enter("alpha");
  ASSERT_EQ(EfxManager::Instance().Pools().size(), 0u);
  ASSERT_FALSE(EfxManager::Instance().Play("sparkle", Math::Vec3(1, 2, 0), 1.0f, "").expired());
  ASSERT_FALSE(EfxManager::Instance().Play("sparkle", Math::Vec3(3, 4, 0), 1.0f, "").expired());
  EXPECT_EQ(Objects().size(), 8u) << "two copies cloned into the scene";
  ExpectSystemsHoldExactlyTheScene();

  Enter("alpha", true);
  EXPECT_TRUE(EfxManager::Instance().Pools().empty());
  EXPECT_EQ(Objects().size(), 6u);
  ASSERT_FALSE(EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 1.0f, "").expired())
      << "the template of the reloaded scene";
  ExpectSystemsHoldExactlyTheScene();

  Enter("beta");
  EXPECT_TRUE(EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 1.0f, "").expired())
      << "beta has no effect templates";
  ExpectSystemsHoldExactlyTheScene();
}

TEST_F(SceneIntegrationTest, ObjectsDestroyedMidFrameLeaveTheSceneAndEverySystem) {
  Enter("alpha");
  GameObject* rock = scenes.FindObject("rock");
  GameObject* smoke = scenes.FindObject("smoke");
  ASSERT_TRUE(rock && smoke);
  ProbeScript* hero = Find<ProbeScript>("hero");
  // One object leaves through the scene's queue, one straight through the
  // factory, both asked for by a script in the middle of a frame.
  hero->onUpdate = [this, rock, smoke](ProbeScript& self) {
    scenes.GetCurrentScene()->removalQueue.push_back(rock);
    factory.QueueDestroy(smoke);
    self.onUpdate = nullptr;
  };
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(scenes.FindObject("rock"), nullptr);
  EXPECT_EQ(scenes.FindObject("smoke"), nullptr);
  EXPECT_EQ(Objects().size(), 4u);
  ExpectSystemsHoldExactlyTheScene();

  // The script destroys its own object: it must stop running at once.
  hero->onUpdate = [this](ProbeScript& self) { factory.QueueDestroy(self.GetOwner()); };
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(scenes.FindObject("hero"), nullptr);
  ExpectSystemsHoldExactlyTheScene();

  Enter("alpha", true);
  ExpectSystemsHoldExactlyTheScene();
  Enter("beta");
  ExpectSystemsHoldExactlyTheScene();
}

TEST_F(SceneIntegrationTest, AnObjectQueuedForDestructionAtASwitchIsGoneWithTheScene) {
  Enter("alpha");
  factory.QueueDestroy(scenes.FindObject("rock"));
  scenes.GetCurrentScene()->removalQueue.push_back(scenes.FindObject("hero"));
  scenes.ChangeScene("beta");
  Settle();
  ExpectSystemsHoldExactlyTheScene();
}

TEST_F(SceneIntegrationTest, ScriptsActingWhileTheirSceneIsLeftLeaveNothingBehind) {
  Enter("alpha");
  bool eventRan = false;
  // While the scene is shut down a script shows an effect (a fresh copy is
  // cloned into the scene being left), queues an event and destroys an object.
  Find<ProbeScript>("hero")->onStop = [this, &eventRan](ProbeScript& self) {
    EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 5.0f, "");
    GetEventSystem().AddEvent(MakeEvent([&eventRan] { eventRan = true; }));
    factory.QueueDestroy(scenes.FindObject("rock"));
    self.onStop = nullptr;
  };
  // And a reload is asked for in the same frame as another object leaves.
  scenes.GetCurrentScene()->removalQueue.push_back(scenes.FindObject("smoke"));
  Enter("alpha", true);
  EXPECT_EQ(scenesByName["alpha"]->queuedAtLoad, 0u) << "a removal left over from the last visit";
  EXPECT_FALSE(eventRan);
  ASSERT_EQ(Objects().size(), 6u);
  ExpectSystemsHoldExactlyTheScene();
  Enter("beta");
  ExpectSystemsHoldExactlyTheScene();
}

TEST_F(SceneIntegrationTest, PauseFreezesTheWorldButNotTheSceneAndEndsWithTheScene) {
  Enter("alpha");
  CountingScene& alpha = *scenesByName["alpha"];
  ProbeScript* hero = Find<ProbeScript>("hero");
  Body* body = Find<Body>("hero");
  Sprite* heroSprite = Find<Sprite>("hero");
  Sprite* rockSprite = Find<Sprite>("rock");
  body->velocity = Math::Vec3(1, 0, 0);
  bool eventRan = false;
  GetEngine().paused = true;
  GetEventSystem().AddEvent(MakeEvent([&eventRan] { eventRan = true; }));
  ASSERT_FALSE(EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 0.05f, "").expired());

  const int scriptUpdates = hero->updates;
  const int sceneUpdates = alpha.updates;
  const Math::Vec3 position = body->mPosition;
  heroSprite->SetLayer(2);
  rockSprite->SetLayer(8);
  for (int i = 0; i < 5; ++i) Frame();
  EXPECT_EQ(hero->updates, scriptUpdates);
  EXPECT_EQ(alpha.updates, sceneUpdates + 5) << "the scene's own update runs while paused";
  EXPECT_EQ(body->mPosition, position);
  EXPECT_FALSE(eventRan);
  const auto& layers = GetGraphicsSystem().layers;
  EXPECT_EQ(layers[1].sprites.size(), 1u) << "a paused world layer keeps its sprites where they were";
  EXPECT_EQ(layers[8].sprites.size(), 1u) << "layer 9 goes on while paused";
  const auto& pool = EfxManager::Instance().Pools().at("sparkle");
  ASSERT_EQ(pool.size(), 1u);
  EXPECT_TRUE(pool.front()->playing) << "effects do not count down while paused";

  GetEngine().paused = false;
  Frame();
  EXPECT_TRUE(eventRan);
  EXPECT_EQ(hero->updates, scriptUpdates + 1);
  EXPECT_FALSE(pool.front()->playing);
  EXPECT_EQ(layers[2].sprites.size(), 1u);
  ExpectSystemsHoldExactlyTheScene();

  GetEngine().paused = true;
  Enter("beta");
  EXPECT_FALSE(GetEngine().paused) << "leaving a scene ends the pause";
  EXPECT_GT(Find<ProbeScript>("guard")->updates, 0);
}

TEST_F(SceneIntegrationTest, LeavingASceneDropsItsEventsEffectsMenusAndView) {
  Enter("alpha");
  bool eventRan = false;
  GetEventSystem().AddEvent(MakeTimedEvent(5.0f, 0.0f, [&eventRan] { eventRan = true; }));
  ASSERT_FALSE(EfxManager::Instance().Play("sparkle", Math::Vec3(0, 0, 0), 10.0f, "").expired());
  GetUISystem().MenuToggle("mainmenu");
  GetCamera().position = Math::Vec3(300, 200, 1);
  GetCamera().target = Math::Vec3(300, 200, 0);
  // The event waits longer than the fade-out, then as long again in beta.
  Enter("beta");
  for (int i = 0; i < 60; ++i) Frame();
  EXPECT_FALSE(eventRan) << "an event of the scene that was left";
  EXPECT_TRUE(EfxManager::Instance().Pools().empty());
  EXPECT_TRUE(GetUISystem().openMenus.empty());
  EXPECT_EQ(GetCamera().position, Math::Vec3(0, 0, 1));
  EXPECT_EQ(GetCamera().target, Math::Vec3(0, 0, 0));
}

TEST_F(SceneIntegrationTest, InputIsDisabledFromTheFadeOutUntilTheFadeInEnds) {
  Enter("alpha");
  EXPECT_FALSE(GetInputManager().inputDisabled);
  scenes.ChangeScene("beta");
  Frame();
  EXPECT_TRUE(GetInputManager().inputDisabled);
  EXPECT_GT(scenes.FadeValue(), 0.0f);
  int frames = 0;
  while (scenes.CurrentSceneKey() != "beta" && frames++ < 100) {
    Frame();
    EXPECT_TRUE(GetInputManager().inputDisabled);
  }
  ProbeScript* guard = Find<ProbeScript>("guard");
  ASSERT_NE(guard, nullptr);
  while (scenes.FadeValue() > 0.0f && frames++ < 200) {
    Frame();
    EXPECT_TRUE(GetInputManager().inputDisabled);
    EXPECT_EQ(guard->updates, 0) << "no script runs during a fade";
  }
  Frame();
  EXPECT_FALSE(GetInputManager().inputDisabled);
  EXPECT_EQ(guard->updates, 1);
}

// The fade as it reaches the screen: the world through the overlay shader,
// layers 10 and 11 through the default shader.
class SceneFadeOnScreenTest : public TestSupport::RendererTest {
 protected:
  void SetUp() override {
    RendererTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    for (int layer : {0, 10}) {
      sprites.push_back(std::make_unique<Sprite>(nullptr, Math::Vec2(layer == 0 ? -80.0f : 80.0f, 0.0f),
                                                 Math::Vec2(60, 60), 0.0f, layer));
      sprites.back()->textureID = "blank";
    }
  }
  void TearDown() override {
    sprites.clear();
    scenes.Shutdown();
    GetInputManager().inputDisabled = false;
  }
  // Brightness of the world sprite and of the UI sprite after one frame.
  std::pair<int, int> Frame(float dt) {
    GetEngine().dt = dt;
    GetGraphicsSystem().Update(dt);
    scenes.Update(dt);
    GetGraphicsSystem().RenderFrame();
    return {TestSupport::ReadPixel(kCentreX - 80, kCentreY).r, TestSupport::ReadPixel(kCentreX + 80, kCentreY).r};
  }

  SceneManager& scenes = GetSceneManager();
  std::vector<std::unique_ptr<Sprite>> sprites;
};

TEST_F(SceneFadeOnScreenTest, TheScreenStartsCoveredAndFadesInEverywhereAtOnce) {
  scenes.Shutdown();
  Framework::WireEngine();
  scenes.Initialize();
  // No fade step has run yet: the first frame must already be covered.
  GetGraphicsSystem().Update(0.0f);
  GetGraphicsSystem().RenderFrame();
  EXPECT_LT(TestSupport::ReadPixel(kCentreX - 80, kCentreY).r, 5) << "the world shows before the fade-in";
  EXPECT_LT(TestSupport::ReadPixel(kCentreX + 80, kCentreY).r, 5);

  const auto half = Frame(0.5f);
  EXPECT_NEAR(half.first, 128, 12);
  EXPECT_NEAR(half.second, 128, 12);
  const auto done = Frame(0.5f);
  EXPECT_GT(done.first, 240);
  EXPECT_GT(done.second, 240);
}

}  // namespace
