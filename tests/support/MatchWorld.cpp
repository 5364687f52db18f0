#include "support/MatchWorld.h"

#include <gtest/gtest.h>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/Physics.h"
#include "engine/platform/Platform.h"
#include "game/GameComponents.h"
#include "game/GameSceneSteps.h"
#include "support/InputTestSupport.h"
#include "support/PhysicsWorld.h"

namespace TestSupport {

void WireGame(Framework::SceneManager& scenes) {
  scenes.Shutdown();
  Framework::WireEngine();
  Framework::GetFactory().Initialize();
  RegisterGameComponents(Framework::GetFactory());
  scenes.Initialize();
  InstallGameSceneSteps(scenes);
}

MatchWorld::MatchWorld(unsigned seed, Framework::VScene* scene) : cwd(temp.Path()) {
  Platform::SeedRandom(seed);
  temp.Write("Resources/BinaryCollision.txt", GridText(64, 36));
  ResetInput(CORVIDALE_SOURCE_ROOT);
  Framework::GetGraphicsSystem().windowWidth = 1280;
  Framework::GetGraphicsSystem().windowHeight = 720;
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  WireGame(scenes);
  Framework::GetEngine().paused = false;
  scenes.AddScene(scene ? scene : new Framework::DefaultScene, "dinner");
  scenes.ChangeScene("dinner");
  for (int i = 0; i < 20 && (scenes.CurrentSceneKey() != "dinner" || scenes.FadeValue() > 0.0f); ++i) Frame(0.5f);
  EXPECT_EQ(scenes.CurrentSceneKey(), "dinner");
}

MatchWorld::~MatchWorld() {
  Framework::GetEventSystem().ClearEvents();
  Framework::GetSceneManager().Shutdown();
  Framework::EfxManager::Instance().Clear();
}

Framework::VScene& MatchWorld::Scene() { return *Framework::GetSceneManager().GetCurrentScene(); }

Framework::GameObject& MatchWorld::Spawn(const std::string& archetype, const Math::Vec3& at) {
  const std::string path = std::string(CORVIDALE_SOURCE_ROOT) + "/Resources/archetypes/" + archetype + ".xml";
  const std::shared_ptr<Framework::GameObject> object = Framework::GetFactory().CreateFromFile(path);
  if (!object) throw std::runtime_error("cannot read " + path);
  object->GetTransform().position = at;
  Scene().objects.push_back(object.get());
  object->InitializeComponents();
  // Effect templates join the effects as they would at a scene start.
  if (object->GetTag() == "efx") Framework::EfxManager::Instance().Add(object->GetName(), object.get());
  return *object;
}

void MatchWorld::Frame(float dt) {
  Framework::GetEngine().dt = dt;
  Framework::GetInputManager().Update(dt);
  Framework::GetPhysics().Update(dt);
  Framework::GetFactory().Update(dt);
  Framework::GetSceneManager().Update(dt);
  Framework::GetEventSystem().Update(dt);
}

void MatchWorld::Run(float seconds) {
  for (float t = 0.0f; t < seconds; t += 1.0f / 60.0f) Frame();
}

void MatchWorld::Hold(const std::string& key, bool down) {
  backend->SetKeyDown(Framework::keyTable[KeyRow(key)].virtualKey, down);
}

void MatchWorld::Tap(const std::string& key) {
  Hold(key);
  Frame();
  Hold(key, false);
  Frame();
}

}  // namespace TestSupport
