// The SDL backend on a real X display (the test command's Xvfb).
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <random>
#include <thread>

#include "engine/platform/SdlBackend.h"

using Platform::SdlBackend;

namespace {

// Counts what the event pump reports.
struct EventLog : Platform::WindowEventSink {
  void OnQuitRequested() override { ++quits; }
  void OnMouseMove(int x, int y) override {
    lastX = x;
    lastY = y;
    ++moves;
  }
  int quits = 0, moves = 0, lastX = -1, lastY = -1;
};

class SdlBackendTest : public testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "needs an X display";
    backend = std::make_unique<SdlBackend>();
    ASSERT_TRUE(backend->CreateGameWindow("corvidale-backend-test", 640, 360));
  }

  // X answers asynchronously: pump until the condition holds or time runs
  // out. The default is a bound for a display starved by other work, not a
  // pace: the answer usually comes within a few pumps.
  bool PumpUntil(const std::function<bool()>& condition, int milliseconds = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
      backend->PumpEvents(events);
      if (condition()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  bool ClientSizeIs(int width, int height) {
    int w = 0, h = 0;
    backend->GetClientSize(w, h);
    return w == width && h == height;
  }

  bool PositionIs(int x, int y) {
    int px = 0, py = 0;
    backend->GetPosition(px, py);
    return px == x && py == y;
  }

  bool ShowAndWaitForFocus() {
    // Other test windows on the same display ask for the focus too. Asking
    // again only now and then, at random, lets each of them keep it long
    // enough to see it.
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < 12; ++attempt) {
      backend->ShowGameWindow();
      const int wait = 300 + static_cast<int>(random() % 500);
      if (PumpUntil([this] { return backend->IsWindowActive(); }, wait)) return true;
    }
    return false;
  }

  std::unique_ptr<SdlBackend> backend;
  EventLog events;
};

TEST_F(SdlBackendTest, WindowStartsHiddenAtItsClientSizeAndTakesTheFocusWhenShown) {
  EXPECT_TRUE(backend->HasWindow());
  EXPECT_FALSE(backend->IsWindowActive()) << "a hidden window cannot be the active one";
  EXPECT_TRUE(ClientSizeIs(640, 360));
  EXPECT_TRUE(ShowAndWaitForFocus());
  int width = 0, height = 0;
  backend->GetMonitorSize(width, height);
  EXPECT_GT(width, 0);
  EXPECT_GT(height, 0);
}

TEST_F(SdlBackendTest, CursorFollowsTheDisplayCounter) {
  EXPECT_TRUE(backend->IsCursorShown());
  EXPECT_EQ(backend->ShowCursor(false), -1);
  EXPECT_FALSE(backend->IsCursorShown());
  EXPECT_EQ(backend->ShowCursor(false), -2);
  EXPECT_EQ(backend->ShowCursor(true), -1);
  EXPECT_FALSE(backend->IsCursorShown()) << "hidden twice needs showing twice";
  EXPECT_EQ(backend->ShowCursor(true), 0);
  EXPECT_TRUE(backend->IsCursorShown());
  EXPECT_EQ(backend->ShowCursor(true), 1);
  EXPECT_TRUE(backend->IsCursorShown());
}

TEST_F(SdlBackendTest, ContextIsOpenGlThreeThreeWithEntryPointsLoadedAtRunTime) {
  EXPECT_EQ(backend->GetGLProcAddress("glGetIntegerv"), nullptr) << "no context yet";
  ASSERT_TRUE(backend->CreateGLContext());
  EXPECT_TRUE(backend->HasGLContext());
  using GetIntegerv = void (*)(unsigned, int*);
  auto getIntegerv = reinterpret_cast<GetIntegerv>(backend->GetGLProcAddress("glGetIntegerv"));
  ASSERT_NE(getIntegerv, nullptr);
  int major = 0, minor = 0;
  getIntegerv(0x821B, &major);  // GL_MAJOR_VERSION
  getIntegerv(0x821C, &minor);  // GL_MINOR_VERSION
  EXPECT_GE(major * 10 + minor, 33);
  const bool synced = backend->SetSwapInterval(1);
  EXPECT_EQ(backend->SwapWaitsForDisplay(), synced) << "only a swap interval the driver took paces the swaps";
  backend->SwapBuffers();
  backend->DestroyGLContext();
  EXPECT_FALSE(backend->HasGLContext());
  EXPECT_FALSE(backend->SwapWaitsForDisplay());
  EXPECT_GE(backend->RefreshRate(), 0);
}

TEST_F(SdlBackendTest, WaitUntilReturnsNoSoonerThanAskedAndAtOnceForThePast) {
  const uint64_t start = backend->Ticks();
  backend->WaitUntil(start + Platform::kTicksPerSecond / 50);
  EXPECT_GE(backend->Ticks(), start + Platform::kTicksPerSecond / 50);
  const uint64_t before = backend->Ticks();
  backend->WaitUntil(before - Platform::kTicksPerSecond);
  EXPECT_LT(backend->Ticks() - before, Platform::kTicksPerSecond) << "a time already past is not waited for";
}

TEST_F(SdlBackendTest, FullscreenCoversTheOriginAtTheConfiguredSizeAndLeavingRestores) {
  ASSERT_TRUE(ShowAndWaitForFocus());
  int x = 0, y = 0;
  backend->GetPosition(x, y);
  backend->SetFullscreen(true, 800, 600);
  EXPECT_TRUE(backend->IsFullscreen());
  EXPECT_TRUE(PumpUntil([this] { return ClientSizeIs(800, 600) && PositionIs(0, 0); }));

  // Losing and regaining the focus switches the mode, never the window.
  backend->RestoreDesktopDisplayMode();
  backend->ApplyGameDisplayMode(800, 600);
  EXPECT_TRUE(PumpUntil([this] { return ClientSizeIs(800, 600) && PositionIs(0, 0); }));

  backend->SetFullscreen(false, 800, 600);
  EXPECT_FALSE(backend->IsFullscreen());
  EXPECT_TRUE(PumpUntil([&] { return ClientSizeIs(640, 360) && PositionIs(x, y); }));
}

TEST_F(SdlBackendTest, PumpReportsMouseMovesAndTheQuitRequest) {
  ASSERT_TRUE(ShowAndWaitForFocus());
  backend->SetFullscreen(true, 640, 360);  // at the origin, so screen and client agree
  ASSERT_TRUE(PumpUntil([this] { return PositionIs(0, 0); }));
  if (std::system("xdotool mousemove 10 20 >/dev/null 2>&1") == 0) {
    EXPECT_TRUE(PumpUntil([this] { return events.lastX == 10 && events.lastY == 20; }));
  }
  // SDL turns a termination signal into its quit event: the same path as
  // the window manager's close button. Without SDL's handler the signal
  // would end the test run instead.
  struct sigaction current {};
  sigaction(SIGTERM, nullptr, &current);
  if (current.sa_handler == SIG_DFL || current.sa_handler == SIG_IGN) GTEST_SKIP() << "SDL left SIGTERM alone";
  std::raise(SIGTERM);
  EXPECT_TRUE(PumpUntil([this] { return events.quits == 1; }));
}

}  // namespace
