#include "support/GraphicsTestSupport.h"

#include <cstdlib>
#include <memory>
#include <ostream>

#include "engine/core/Engine.h"
#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/platform/Platform.h"
#include "engine/platform/SdlBackend.h"
#include "support/TestSupport.h"

namespace TestSupport {

bool HasDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && display[0] != '\0';
}

bool OpenGLWindow(int width, int height) {
  if (!HasDisplay()) return false;
  Platform::SetBackend(std::make_unique<Platform::SdlBackend>());
  Platform::Backend& backend = Platform::Current();
  if (!backend.CreateGameWindow("graphics test", width, height)) return false;
  backend.ShowGameWindow();
  return backend.CreateGLContext();
}

bool OpenGLContextOnly(int width, int height) {
  if (!OpenGLWindow(width, height)) return false;
  int major = 0, minor = 0;
  return gl::Load([](const char* name) { return Platform::Current().GetGLProcAddress(name); }, major, minor);
}

std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
  return out << "(" << pixel.r << ", " << pixel.g << ", " << pixel.b << ", " << pixel.a << ")";
}

Pixel ReadPixel(int x, int y) {
  unsigned char rgba[4] = {};
  gl::Finish();
  gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
  gl::ReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return Pixel{rgba[0], rgba[1], rgba[2], rgba[3]};
}

std::string GraphicsTestData(const std::string& name) {
  return std::string(CORVIDALE_SOURCE_ROOT) + "/tests/graphics/data/" + name;
}

namespace {

// Whether the suite's window and renderer came up.
bool rendererReady = false;

}  // namespace

void RendererTest::SetUpTestSuite() {
  rendererReady = false;
  if (!OpenGLWindow(kWidth, kHeight)) return;
  ScopedWorkingFolder root(CORVIDALE_SOURCE_ROOT);
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.windowWidth = kWidth;
  graphics.windowHeight = kHeight;
  graphics.Initialize();
  rendererReady = true;
}

void RendererTest::TearDownTestSuite() {
  if (rendererReady) Framework::GetGraphicsSystem().Shutdown();
  rendererReady = false;
}

void RendererTest::SetUp() {
  SKIP_WITHOUT_DISPLAY();
  ASSERT_TRUE(rendererReady) << "no OpenGL 3.3 context";
  Framework::GraphicsSystem& graphics = Framework::GetGraphicsSystem();
  graphics.ClearLayers();
  Framework::GraphicsSystem::ResetPostEffect();
  Framework::GraphicsSystem::SetSpotlight(false, {0, 0}, 0);
  graphics.SetSceneFadeSource(nullptr);
  graphics.SetOverlayFade(0.0f);
  graphics.camera.Reset();
  Framework::GetEngine().paused = false;
}

}  // namespace TestSupport
