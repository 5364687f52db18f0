#include "support/MatchWorld.h"

#include <filesystem>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/EventSystem.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ParticleSystem.h"
#include "engine/physics/Physics.h"
#include "engine/ui/UISystem.h"
#include "game/GameComponents.h"
#include "game/GameSceneSteps.h"
#include "support/PhysicsWorld.h"

namespace TestSupport {

namespace fs = std::filesystem;

void MatchWorld::SetUp() {
  InputFixture::SetUp();
  const fs::path source = fs::path(CORVIDALE_SOURCE_ROOT) / "Resources";
  fs::create_directories(temp.Path() / "Resources");
  fs::copy(source / "archetypes", temp.Path() / "Resources" / "archetypes", fs::copy_options::recursive);
  fs::copy(source / "killer_objective.xml", temp.Path() / "Resources" / "killer_objective.xml");
  temp.Write("Resources/BinaryCollision.txt", GridText(64, 36));
  cwd = new ScopedWorkingFolder(temp.Path());
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = 1280;
  graphics.windowHeight = 720;
  graphics.shaders.SetEntries({{"POST_NORMAL", "", ""}, {"POST_BLACKWHITE", "", ""}, {"POST_FALLOUT", "", ""}});
  scenes.Shutdown();
  Framework::WireEngine();
  Framework::GetFactory().Initialize();
  RegisterGameComponents(Framework::GetFactory());
  scenes.Initialize();
  InstallGameSceneSteps(scenes);
  Framework::GetEngine().paused = false;
  backend->SetActive(true);
}

void MatchWorld::TearDown() {
  scenes.Shutdown();
  Framework::GetEventSystem().ClearEvents();
  Framework::GetEngine().paused = false;
  Framework::GetUISystem().ClearSceneState();
  delete cwd;
  InputFixture::TearDown();
}

void MatchWorld::WriteObject(const std::string& scene, const std::string& file, const std::string& archetype) {
  temp.Write("Resources/" + scene + "/" + file, archetype);
}

void MatchWorld::WriteIndex(const std::string& scene, const std::vector<std::string>& entries) {
  fs::create_directories(temp.Path() / "Resources" / scene);
  ASSERT_TRUE(Framework::WriteSceneIndex("Resources/" + scene + "/" + scene + ".scene", entries));
}

void MatchWorld::Enter(const std::string& scene, bool reload) {
  scenes.ChangeScene(scene);
  scenes.reload = reload;
  for (int i = 0; i < 100 && (scenes.reload || scenes.CurrentSceneKey() != scenes.NextSceneName()); ++i) Frame();
  for (int i = 0; i < 100 && scenes.FadeValue() > 0.0f; ++i) Frame();
  Frame();
}

void MatchWorld::Frame(float dt) {
  Framework::GetEngine().dt = dt;
  input.Update(dt);
  Framework::GetGraphicsSystem().Update(dt);
  Framework::GetPhysics().Update(dt);
  Framework::GetFactory().Update(dt);
  scenes.Update(dt);
  Framework::GetUISystem().Update(dt);
  Framework::GetParticleSystem().Update(dt);
  Framework::GetEventSystem().Update(dt);
  scenes.DrawCurrentScene();
}

void MatchWorld::Seconds(float seconds, float dt) {
  for (float done = 0.0f; done < seconds; done += dt) Frame(dt);
}

void MatchWorld::Tap(const std::string& keyName) {
  Press(Row(keyName));
  Frame();
  Press(Row(keyName), false);
  Frame();
}

Framework::GameObject* MatchWorld::Object(const std::string& name) const { return scenes.FindObject(name); }

std::string MatchWorld::Field(const std::string& name, const std::string& type, const std::string& value) {
  return "<" + name + " " + type + "=\"" + value + "\"/>";
}

std::string MatchWorld::Archetype(const std::string& name, const std::string& tag, const std::string& position,
                                  const std::string& components, bool enabled) {
  return "<?xml version=\"1.0\"?>\n<Archetype>" + Field("Enabled", "bool", enabled ? "true" : "false") +
         Field("Name", "string", name) + Field("Tag", "string", tag) + "<Transform>" +
         Field("position", "Vec3", position) + "</Transform>" + components + "</Archetype>\n";
}

}  // namespace TestSupport
