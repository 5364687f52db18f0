// Start-up without a usable OpenGL context: the stated message and exit
// status, and no crash on the way out.
#include <cstring>
#include <memory>

#include <gtest/gtest.h>

#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/platform/TestBackend.h"

namespace {

// A driver that reports a chosen version and offers every entry point
// (as harmless stand-ins: nothing but glGetIntegerv runs before the exit).
class FakeDriverBackend : public Platform::TestBackend {
 public:
  bool CreateGLContext() override { return true; }
  bool HasGLContext() const override { return true; }
  void* GetGLProcAddress(const char* name) override {
    if (std::strcmp(name, "glGetIntegerv") == 0) return reinterpret_cast<void*>(&GetIntegerv);
    return reinterpret_cast<void*>(&DoNothing);
  }
  static inline int major = 3;
  static inline int minor = 2;

 private:
  static void GetIntegerv(GLenum what, GLint* out) { *out = what == GL_MAJOR_VERSION ? major : minor; }
  static void DoNothing() {}
};

void StartWith(int major, int minor) {
  FakeDriverBackend::major = major;
  FakeDriverBackend::minor = minor;
  Platform::SetBackend(std::make_unique<FakeDriverBackend>());
  Framework::GetGraphicsSystem().Initialize();
  std::exit(0);
}

TEST(ContextTest, NoContextExitsWithMinusOne) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(
      {
        Platform::SetBackend(std::make_unique<Platform::TestBackend>());
        Framework::GetGraphicsSystem().Initialize();
        std::exit(0);
      },
      ::testing::ExitedWithCode(255), "Unable to create OpenGL rendering context(.|\n)*Failed to initialize OpenGL");
}

TEST(ContextTest, OpenGL32ExitsWithMinusOne) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(StartWith(3, 2), ::testing::ExitedWithCode(255), "OpenGL 3.3 not supported");
}

TEST(ContextTest, OpenGL2ExitsWithMinusOne) {
  ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  EXPECT_EXIT(StartWith(2, 1), ::testing::ExitedWithCode(255), "Failed to initialize OpenGL");
}

}  // namespace
