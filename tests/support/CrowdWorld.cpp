#include "support/CrowdWorld.h"

#include <memory>
#include <stdexcept>

#include "engine/app/EngineWiring.h"
#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/EfxManager.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"
#include "engine/platform/Platform.h"
#include "game/GameComponents.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/props/InteractionManager.h"

namespace TestSupport {

RecordingAudioDevice* CrowdWorld::audio = nullptr;

UseResult TestProp::Interact(User* user) {
  if (!HasUser(user)) return StartUse(user, "eat");
  if (IsUseFinished(user)) return UseResult{UseResult::kFinished, sabotaged ? "poisoned" : "eat", 0.0f, 0.0f};
  return ContinueUse(user, "eat");
}

void CrowdWorld::SetUp() {
  Platform::SeedRandom(1234);
  Framework::WireEngine();
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  scenes.Shutdown();
  scenes.Initialize();
  Framework::GetFactory().Initialize();
  RegisterGameComponents(Framework::GetFactory());
  if (!audio) {
    audio = new RecordingAudioDevice;  // the audio manager owns it
    Framework::GetAudioManager().UseDevice(std::unique_ptr<RecordingAudioDevice>(audio));
    Framework::GetAudioManager().Initialize();
  }
  GetMapperFF().Load(MapperFF::kDefaultPath, 1280, 720);
  for (const char* effect : {"Emote", "Panic"}) Build(std::string("Resources/archetypes/") + effect + ".xml");
  Framework::EfxManager::Instance().SetScene(scenes.GetCurrentScene());
  Framework::EfxManager::Instance().LoadSceneEffects();
  GetNPCManager().ResetCounters();
  GetNPCManager().MaxKills = 1000;
  Framework::GetEngine().dt = kFrame;
}

void CrowdWorld::TearDown() {
  Framework::GetSceneManager().Shutdown();
  Framework::GetPhysics().ClearScene();
  Framework::EfxManager::Instance().Clear();
  GetInteractionManager().Clear();
  Framework::GetEngine().dt = 0.0f;
}

Framework::GameObject& CrowdWorld::Build(const std::string& archetype) {
  std::shared_ptr<Framework::GameObject> object = Framework::GetFactory().CreateFromFile(archetype);
  if (!object) throw std::runtime_error("no archetype " + archetype);
  Framework::GetSceneManager().GetCurrentScene()->objects.push_back(object.get());
  object->InitializeComponents();
  return *object;
}

NPC& CrowdWorld::AddGuest(const Math::Vec3& at, const std::string& look) {
  Framework::GameObject& object = Build("Resources/archetypes/Guest_" + look + ".xml");
  object.GetTransform().position = object.GetComponent<Framework::Body>()->mPosition = at;
  return *object.GetComponent<NPC>();
}

Framework::GameObject& CrowdWorld::AddObject(const Math::Vec3& at, const std::string& name, const std::string& tag) {
  std::shared_ptr<Framework::GameObject> object = Framework::GetFactory().CreateEmptyObject(at, Math::Vec3(1, 1, 1), 0);
  object->SetName(name);
  object->SetTag(tag);
  Framework::GetSceneManager().GetCurrentScene()->objects.push_back(object.get());
  return *object;
}

TestProp& CrowdWorld::AddProp(const Math::Vec3& at) {
  Framework::GameObject& object = AddObject(at, "Dish", "interactable");
  auto box = std::make_shared<Framework::AABB>(&object);
  box->mRadiusX = box->mRadiusY = 30.0f;
  object.AddComponent(box);
  object.AddComponent(std::make_shared<TestProp>(&object));
  object.InitializeComponents();
  return *object.GetComponent<TestProp>();
}

Math::Vec3 CrowdWorld::WalkablePlace() const {
  for (;;) {
    const Math::Vec3 at(Platform::Random() % 1100 - 550.0f, Platform::Random() % 560 - 280.0f, 0.0f);
    if (GetMapperFF().IsWalkable(at.x, at.y)) return at;
  }
}

void CrowdWorld::Frame() {
  Framework::GetPhysics().Update(kFrame);
  Framework::GetSceneManager().GetCurrentScene()->UpdateAll(kFrame);
  Framework::EfxManager::Instance().Update();
  Framework::GetFactory().Update(kFrame);
}

}  // namespace TestSupport
