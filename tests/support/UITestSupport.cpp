#include "support/UITestSupport.h"

#include <memory>

#include "engine/app/EngineWiring.h"
#include "engine/audio/AudioManager.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/graphics/GraphicsSystem.h"

namespace TestSupport {

RecordingAudioDevice* UIFixture::audio = nullptr;

void UIFixture::SetUp() {
  InputFixture::SetUp();
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = kWindowWidth;
  graphics.windowHeight = kWindowHeight;
  graphics.camera.Reset();
  Framework::WireEngine();
  Framework::GetFactory().Initialize();
  if (audio == nullptr) {
    auto device = std::make_unique<RecordingAudioDevice>();
    audio = device.get();
    Framework::GetAudioManager().UseDevice(std::move(device));
    ScopedWorkingFolder root(CORVIDALE_SOURCE_ROOT);
    Framework::GetAudioManager().Initialize();
  }
  input.mouseInUse = false;
  ui.ClearSceneState();
}

void UIFixture::TearDown() {
  Framework::GetFactory().DestroyAllObjects();
  ui.ClearSceneState();
  InputFixture::TearDown();
}

Framework::GameObject* UIFixture::Build(const std::string& elements) {
  const std::string file = "archetype" + std::to_string(++archetypeCount) + ".xml";
  const auto path = temp.Write(file, "<?xml version=\"1.0\"?>\n<Archetype>" + elements + "</Archetype>\n");
  auto object = Framework::GetFactory().CreateFromFile(path.string());
  if (!object) {
    ADD_FAILURE() << "archetype not built: " << elements;
    return nullptr;
  }
  object->InitializeComponents();
  return object.get();
}

void UIFixture::Frame(float dt) {
  input.Update(dt);
  ui.Update(dt);
}

void UIFixture::MoveMouse(float worldX, float worldY) {
  const Math::Vec3& camera = Framework::GetGraphicsSystem().camera.position;
  input.mouseX = static_cast<int16_t>(worldX - camera.x + kWindowWidth / 2);
  input.mouseY = static_cast<int16_t>(worldY - camera.y + kWindowHeight / 2);
  input.mouseInUse = true;
}

int UIFixture::SoundsPlayed(const std::string& part) const {
  int count = 0;
  for (const auto& channel : audio->channels) {
    if (channel.kind == RecordingAudioDevice::Kind::Effect && channel.path.find(part) != std::string::npos) ++count;
  }
  return count;
}

}  // namespace TestSupport
