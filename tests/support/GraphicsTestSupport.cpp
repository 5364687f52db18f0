#include "support/GraphicsTestSupport.h"

#include <FreeImage.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <sstream>

#include "engine/core/Engine.h"
#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/ImageFile.h"
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

void ExitClosingContext(int status) {
  Platform::Shutdown();
  std::exit(status);
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

Pixel Image::At(int x, int y) const {
  const size_t at = (static_cast<size_t>(y) * width + x) * 3;
  return Pixel{rgb[at], rgb[at + 1], rgb[at + 2], 255};
}

Image ReadImage(int width, int height) {
  Image image{width, height, std::vector<unsigned char>(static_cast<size_t>(width) * height * 3)};
  gl::Finish();
  gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
  gl::ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, image.rgb.data());
  return image;
}

bool SavePng(const Image& image, const std::string& path) {
  FIBITMAP* bitmap = FreeImage_Allocate(image.width, image.height, 24);
  if (bitmap == nullptr) return false;
  // FreeImage's rows also run bottom-up; its bytes are in its own order.
  for (int y = 0; y < image.height; ++y) {
    BYTE* row = FreeImage_GetScanLine(bitmap, y);
    for (int x = 0; x < image.width; ++x) {
      const Pixel p = image.At(x, y);
      row[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(p.r);
      row[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(p.g);
      row[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>(p.b);
    }
  }
  const bool saved = FreeImage_Save(FIF_PNG, bitmap, path.c_str(), PNG_DEFAULT) != 0;
  FreeImage_Unload(bitmap);
  return saved;
}

bool LoadPng(const std::string& path, Image& image) {
  image = Image();
  Framework::DecodedImage decoded;
  if (!Framework::DecodeImage(path, decoded) || decoded.bytesPerPixel < 3) return false;
  image.width = decoded.width;
  image.height = decoded.height;
  const size_t count = static_cast<size_t>(decoded.width) * decoded.height;
  image.rgb.resize(count * 3);
  for (size_t i = 0; i < count; ++i) {
    std::copy_n(&decoded.pixels[i * decoded.bytesPerPixel], 3, &image.rgb[i * 3]);
  }
  return true;
}

ImageDifference CompareImages(const Image& expected, const Image& actual, int tolerance) {
  ImageDifference difference;
  if (expected.width != actual.width || expected.height != actual.height) {
    difference.pixels = std::max(expected.width * expected.height, actual.width * actual.height);
    difference.first = "the sizes differ";
    return difference;
  }
  for (int y = 0; y < expected.height; ++y) {
    for (int x = 0; x < expected.width; ++x) {
      const Pixel want = expected.At(x, y), got = actual.At(x, y);
      const int worst = std::max({std::abs(want.r - got.r), std::abs(want.g - got.g), std::abs(want.b - got.b)});
      if (worst <= tolerance) continue;
      if (difference.pixels++ == 0) {
        std::ostringstream words;
        words << "at (" << x << ", " << y << ") " << got << " instead of " << want;
        difference.first = words.str();
      }
    }
  }
  return difference;
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
