// The frame loop on the test backend: order, timing, the quit flag and Alt+F4.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/core/Engine.h"
#include "engine/core/InputManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/ui/SysVars.h"
#include "support/TestSupport.h"

using Framework::Engine;
using Framework::keyTable;

namespace {

struct Call {
  std::string name;
  float dt;
};

// A system that logs each update and can act during it.
class LoggingSystem : public Framework::System {
 public:
  LoggingSystem(std::string systemName, std::vector<Call>& log) : name_(std::move(systemName)), log_(log) {}
  std::string GetName() override { return name_; }
  void Update(float frameTime) override {
    log_.push_back({name_, frameTime});
    if (onUpdate) onUpdate();
  }
  std::function<void()> onUpdate;

 private:
  std::string name_;
  std::vector<Call>& log_;
};

class FrameLoop : public testing::Test {
 protected:
  void SetUp() override { Framework::WireEngine(); }
  void TearDown() override {
    Framework::RunningFlag() = true;
    Framework::GetInputManager().inputDisabled = false;
    Framework::GetInputManager().mouseInUse = true;
  }
  TestSupport::ScopedTestBackend backend;
  std::vector<Call> log;
};

TEST_F(FrameLoop, SystemsRunInListOrderAndTheFirstFrameHasNoTime) {
  backend->SetTicks(1000);
  Engine engine;
  backend->AdvanceTicks(2000000);  // start-up after the engine took its ticks
  LoggingSystem window("Window", log), graphics("Graphics", log), events("EventSystem", log);
  graphics.onUpdate = [&] { backend->AdvanceTicks(1000000); };
  engine.AddSystem(&window);
  engine.AddSystem(&graphics);
  engine.AddSystem(&events);

  ASSERT_TRUE(engine.RunFrame());
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0].name, "Window");
  EXPECT_EQ(log[1].name, "Graphics");
  EXPECT_EQ(log[2].name, "EventSystem");
  for (const Call& call : log) EXPECT_EQ(call.dt, 0.0f);

  log.clear();
  ASSERT_TRUE(engine.RunFrame());
  // The second frame spans start-up and the first frame.
  for (const Call& call : log) EXPECT_FLOAT_EQ(call.dt, 0.3f);
  EXPECT_FLOAT_EQ(engine.dt, 0.1f);
  EXPECT_EQ(backend->swapCount, 2);
}

TEST_F(FrameLoop, ClearingQuitEndsTheLoopAfterThatFramesSwap) {
  Engine engine;
  LoggingSystem ui("UI", log);
  ui.onUpdate = [&] {
    if (log.size() == 3) *static_cast<bool*>(Framework::GetSysVarPtr("quit")) = false;
  };
  engine.AddSystem(&ui);
  engine.GameLoop();
  EXPECT_EQ(log.size(), 3u);
  EXPECT_EQ(backend->swapCount, 3) << "the frame that cleared the flag still swaps";

  log.clear();
  engine.GameLoop();  // the flag is still clear: no frame at all
  EXPECT_TRUE(log.empty());
}

TEST_F(FrameLoop, InitializePublishesPauseAndFullscreenOnlyOnce) {
  Framework::GetEngine().Initialize();  // the process-wide engine holds the names
  Engine second;
  testing::internal::CaptureStderr();
  second.Initialize();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Error: Duplicate sysvar found\nError: Duplicate sysvar found\n");
  EXPECT_EQ(Framework::GetSysVarPtr("pause"), &Framework::GetEngine().paused);
  EXPECT_EQ(Framework::GetSysVarPtr("fullscreen"), &Framework::GetEngine().fullscreen);
}

TEST_F(FrameLoop, RegistersTheElevenSystemsInOrderWithTheWindowSize) {
  TestSupport::TempFolder folder;
  folder.Write("Resources/Config.cfg", "Test 640 480");
  TestSupport::ScopedWorkingFolder working(folder.Path());
  Engine engine;
  Framework::RegisterSystems(engine);
  std::vector<std::string> names;
  for (Framework::System* system : engine.systems) names.push_back(system->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"Window", "Graphics", "InputManager", "Physics", "Factory", "Debug",
                                             "SceneManager", "AudioManager", "UI", "ParticleSystem",
                                             "EventSystem"}));
  EXPECT_EQ(Framework::GetGraphicsSystem().windowWidth, 640);
  EXPECT_EQ(Framework::GetGraphicsSystem().windowHeight, 480);
}

struct QuitKeyCase {
  const char* what;
  std::vector<int> rows;  // key-table rows held down
  bool active, inputDisabled, f4Armed;
  bool endsLoop, clearsMouseInUse;
};

TEST_F(FrameLoop, AltF4EndsTheLoopOnlyWhenActiveEnabledAndArmed) {
  using Framework::kKeyRowF4;
  using Framework::kKeyRowLAlt;
  using Framework::kKeyRowRAlt;
  const std::vector<QuitKeyCase> cases = {
      {"left Alt+F4", {kKeyRowLAlt, kKeyRowF4}, true, false, true, true, true},
      {"right Alt+F4", {kKeyRowRAlt, kKeyRowF4}, true, false, true, true, true},
      {"another window is active", {kKeyRowLAlt, kKeyRowF4}, false, false, true, false, false},
      {"input disabled by a fade", {kKeyRowLAlt, kKeyRowF4}, true, true, true, false, false},
      {"F4's trigger already used", {kKeyRowLAlt, kKeyRowF4}, true, false, false, false, true},
      {"Alt alone", {kKeyRowLAlt}, true, false, true, false, true},
      {"F4 alone", {kKeyRowF4}, true, false, true, false, false},
  };
  Framework::InputManager& input = Framework::GetInputManager();
  for (const QuitKeyCase& c : cases) {
    TestSupport::ScopedTestBackend keys;
    for (int row : c.rows) keys->SetKeyDown(keyTable[row].virtualKey, true);
    keys->SetActive(c.active);
    input.inputDisabled = c.inputDisabled;
    input.mouseInUse = true;
    keyTable[kKeyRowF4].released = c.f4Armed;
    Engine engine;
    EXPECT_EQ(engine.RunFrame(), !c.endsLoop) << c.what;
    EXPECT_EQ(input.mouseInUse, !c.clearsMouseInUse) << c.what;
    if (c.endsLoop) {
      EXPECT_FALSE(keyTable[kKeyRowF4].released) << c.what << ": the trigger is used up";
    }
  }
  keyTable[kKeyRowF4].released = true;
}

TEST_F(FrameLoop, AltF4LetGoBeforeTheFrameReadsItEndsTheLoopUnlessAFadeRuns) {
  Framework::InputManager& input = Framework::GetInputManager();
  Engine engine;
  engine.AddSystem(&input);
  for (bool fading : {true, false}) {
    for (bool down : {true, false})
      for (int row : {Framework::kKeyRowLAlt, Framework::kKeyRowF4})
        backend->SetKeyDown(keyTable[row].virtualKey, down);  // all within one pump
    input.inputDisabled = fading;
    EXPECT_EQ(engine.RunFrame(), fading);
  }
}

// A pump is what the backend's keys do between two frames.
TEST_F(FrameLoop, AltF4SplitAcrossTwoPumpsEndsTheLoopButAltLetGoAFrameEarlierDoesNot) {
  const int alt = keyTable[Framework::kKeyRowLAlt].virtualKey, f4 = keyTable[Framework::kKeyRowF4].virtualKey;
  for (bool altHeldIntoF4sPump : {true, false}) {
    Engine engine;
    engine.AddSystem(&Framework::GetInputManager());
    for (auto [key, down] : {std::pair{alt, true}, {alt, altHeldIntoF4sPump}}) backend->SetKeyDown(key, down);
    ASSERT_TRUE(engine.RunFrame());
    for (auto [key, down] : {std::pair{f4, true}, {f4, false}, {alt, false}}) backend->SetKeyDown(key, down);
    EXPECT_EQ(engine.RunFrame(), !altHeldIntoF4sPump);
  }
}

}  // namespace
