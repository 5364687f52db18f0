#pragma once
// Helpers for the tests that need an OpenGL context: a real (shown) SDL
// window under the test command's Xvfb, and pixel reads.
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace TestSupport {

bool HasDisplay();

// Skips the current test when no X display is available.
#define SKIP_WITHOUT_DISPLAY()                                                   \
  do {                                                                           \
    if (!TestSupport::HasDisplay()) GTEST_SKIP() << "No DISPLAY set: needs an X server (Xvfb)."; \
  } while (0)

// Installs the SDL backend, opens a shown window of that client size and
// makes its OpenGL context current. False when any step fails.
bool OpenGLWindow(int width, int height);

// Opens the window and loads the GL entry points, without the graphics
// system (for texture, mesh and shader tests).
bool OpenGLContextOnly(int width, int height);

// Ends a death test's child process with status after closing the GL
// context, the window and SDL, so no driver state is live at exit.
[[noreturn]] void ExitClosingContext(int status);

struct Pixel {
  int r = 0, g = 0, b = 0, a = 0;
};
std::ostream& operator<<(std::ostream& out, const Pixel& pixel);

// One pixel of the bound read frame buffer; (0, 0) is the lower-left corner.
Pixel ReadPixel(int x, int y);

// A whole frame as 8-bit RGB rows, bottom row first (as OpenGL reads it).
struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  Pixel At(int x, int y) const;
};

// The bound read frame buffer, from (0, 0) over width x height.
Image ReadImage(int width, int height);
// PNG files; false (with the image left empty on reading) when it fails.
bool SavePng(const Image& image, const std::string& path);
bool LoadPng(const std::string& path, Image& image);

// Where two images of one size differ by more than tolerance in a channel:
// how many pixels, and the first of them in words ("" when none).
struct ImageDifference {
  int pixels = 0;
  std::string first;
};
ImageDifference CompareImages(const Image& expected, const Image& actual, int tolerance);

// Absolute path of a file in tests/graphics/data.
std::string GraphicsTestData(const std::string& name);

// A suite that draws through the real renderer onto a shown kWidth x
// kHeight window: the graphics system is initialised once, from the source
// tree's resources, before the suite and shut down after it. Each test
// starts from an empty scene: no sprites, the first post effect, no
// spotlight, no fades, the camera at home and the engine running.
// A derived SetUp calls RendererTest::SetUp() first and returns when
// IsSkipped() or HasFatalFailure().
class RendererTest : public ::testing::Test {
 public:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 240;
  static constexpr int kCentreX = kWidth / 2;
  static constexpr int kCentreY = kHeight / 2;

 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
};

}  // namespace TestSupport
