// The shader list, the post-effect choice, and compile/link failures.
#include <gtest/gtest.h>

#include "engine/graphics/ListFiles.h"
#include "engine/graphics/ShaderLibrary.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::ReadShaderList;
using Framework::ShaderEntry;
using Framework::ShaderLibrary;

std::string Entry(const std::string& name, const std::string& fragment, const std::string& vertex) {
  return "<" + name + "><fragment path=\"" + fragment + "\"/><vertex path=\"" + vertex + "\"/></" + name + ">";
}

TEST(ShaderListTest, EntriesStartAtTheFirstDefaultElement) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write("shaders.xml", "<LIST><EARLY><fragment p=\"x\"/></EARLY>" +
                                                    Entry("DEFAULT", "d.frag", "d.vert") +
                                                    Entry("POST_A", "a.frag", "s.vert") + "</LIST>");
  const std::vector<ShaderEntry> entries = ReadShaderList(path.string());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "DEFAULT");
  EXPECT_EQ(entries[0].fragmentPath, "d.frag");
  EXPECT_EQ(entries[0].vertexPath, "d.vert");
  EXPECT_EQ(entries[1].name, "POST_A");
}

TEST(ShaderListTest, MissingPathsAndAttributesGiveEmptyPaths) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write(
      "shaders.xml", "<DEFAULT><fragment/><vertex path=\"v\"/></DEFAULT><TEXT><vertex path=\"t\"/></TEXT>");
  const std::vector<ShaderEntry> entries = ReadShaderList(path.string());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].fragmentPath, "");
  EXPECT_EQ(entries[0].vertexPath, "v");
  EXPECT_EQ(entries[1].fragmentPath, "");
  EXPECT_EQ(entries[1].vertexPath, "t");
}

TEST(ShaderListTest, MissingOrBrokenFileGivesNoEntries) {
  TestSupport::TempFolder folder;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(ReadShaderList((folder.Path() / "absent.xml").string()).empty());
  const auto broken = folder.Write("broken.xml", "<DEFAULT><fragment path=\"a\">");
  EXPECT_TRUE(ReadShaderList(broken.string()).empty());
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Cannot read " + (folder.Path() / "absent.xml").string()), std::string::npos);
  EXPECT_NE(errors.find("Error: Cannot read " + broken.string()), std::string::npos) << errors;
}

TEST(ShaderLibraryTest, PostAndOverlayListsAndTheCurrentPostEffect) {
  ShaderLibrary library;
  library.SetEntries({{"DEFAULT", "f", "v"},
                      {"POST_BLACKWHITE", "f", "v"},
                      {"POST_FALLOUT", "f", "v"},
                      {"POST_OVERLAY_BOTH", "f", "v"},
                      {"OVERLAY_FADE", "f", "v"}});
  EXPECT_EQ(library.PostNames().size(), 3u);
  ASSERT_EQ(library.OverlayNames().size(), 2u);
  EXPECT_EQ(library.OverlayNames()[0], "POST_OVERLAY_BOTH");
  ASSERT_NE(library.CurrentPost(), nullptr);
  EXPECT_EQ(*library.CurrentPost(), "POST_BLACKWHITE");

  library.SetPostEffect("POST_FALLOUT");
  EXPECT_EQ(*library.CurrentPost(), "POST_FALLOUT");
  library.SetPostEffect("NO_SUCH_EFFECT");
  EXPECT_EQ(*library.CurrentPost(), "POST_FALLOUT");
  library.SetPostEffect("OVERLAY_FADE");  // not a post effect
  EXPECT_EQ(*library.CurrentPost(), "POST_FALLOUT");
  library.ResetPostEffect();
  EXPECT_EQ(*library.CurrentPost(), "POST_BLACKWHITE");
}

TEST(ShaderLibraryTest, EmptyListHasNoCurrentEffects) {
  ShaderLibrary library;
  library.SetEntries({});
  EXPECT_EQ(library.CurrentPost(), nullptr);
  EXPECT_EQ(library.CurrentOverlay(), nullptr);
  library.SetPostEffect("POST_BLACKWHITE");
  EXPECT_EQ(library.CurrentPost(), nullptr);
  EXPECT_FALSE(library.IsLoaded("DEFAULT"));
  EXPECT_EQ(library.Program("DEFAULT"), 0u);
}

TEST(ShaderTest, AnEntryWithoutBothPathsStaysUnloaded) {
  Framework::Shader shader;
  shader.fragmentPath = "only.frag";
  ::testing::internal::CaptureStderr();
  shader.Load();  // never reaches GL
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("No Vertex or Fragment shader specified."),
            std::string::npos);
  EXPECT_FALSE(shader.loaded);
  EXPECT_EQ(shader.program, 0u);
}

TEST(ShaderTest, SourcesAreReadWithUnixLineEnds) {
  TestSupport::TempFolder folder;
  bool ok = false;
  EXPECT_EQ(Framework::ReadTextFile(folder.Write("crlf.vert", "a\r\nb\r\n").string(), ok), "a\nb\n");
  EXPECT_TRUE(ok);
  Framework::ReadTextFile(folder.Write("empty.vert", "").string(), ok);
  EXPECT_FALSE(ok);
  Framework::ReadTextFile((folder.Path() / "absent.vert").string(), ok);
  EXPECT_FALSE(ok);
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(Framework::ReadTextFile("/dev/zero", ok).empty()) << "an endless file is not read forever";
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Error: Shader source /dev/zero is larger"),
            std::string::npos);
  EXPECT_FALSE(ok);
}

// ---- Compiling, with a context ----------------------------------------------------

const char* const kVertex =
    "#version 330 core\nlayout(location = 0) in vec2 position;\nout vec2 shared;\n"
    "void main() { shared = position; gl_Position = vec4(position, 0.0, 1.0); }\n";
const char* const kFragment =
    "#version 330 core\nin vec2 shared;\nout vec4 colour;\nvoid main() { colour = vec4(shared, 0.0, 1.0); }\n";

class ShaderCompileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SKIP_WITHOUT_DISPLAY();
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  }

  // Compiles a two-stage program in a fresh context (each death test's
  // child process makes its own).
  static void Compile(const std::string& vertex, const std::string& fragment) {
    TestSupport::TempFolder folder;
    ShaderLibrary library;
    library.SetEntries({{"DEFAULT", folder.Write("s.frag", fragment).string(), folder.Write("s.vert", vertex).string()}});
    if (!TestSupport::OpenGLContextOnly(64, 64)) {
      std::fprintf(stderr, "no context\n");
      std::exit(3);
    }
    library.LoadAll();
    TestSupport::ExitClosingContext(library.IsLoaded("DEFAULT") ? 0 : 2);
  }
};

TEST_F(ShaderCompileTest, GoodSourcesLoad) {
  EXPECT_EXIT(Compile(kVertex, kFragment), ::testing::ExitedWithCode(0), "");
}

TEST_F(ShaderCompileTest, BadSourceExitsWithOneAndPrintsTheLog) {
  EXPECT_EXIT(Compile(kVertex, "#version 330 core\nvoid main() { this is not glsl; }\n"),
              ::testing::ExitedWithCode(1), "compilation error: .*[Ee]rror");
}

TEST_F(ShaderCompileTest, LinkMismatchExitsWithOneAndPrintsTheLog) {
  const std::string fragment =
      "#version 330 core\nin vec3 shared;\nout vec4 colour;\nvoid main() { colour = vec4(shared, 1.0); }\n";
  EXPECT_EXIT(Compile(kVertex, fragment), ::testing::ExitedWithCode(1), "link error");
}

TEST_F(ShaderCompileTest, UnreadableSourceIsReportedAndFails) {
  EXPECT_EXIT(
      {
        ShaderLibrary library;
        library.SetEntries({{"DEFAULT", "/nonexistent/s.frag", "/nonexistent/s.vert"}});
        if (!TestSupport::OpenGLContextOnly(64, 64)) std::exit(3);
        library.LoadAll();
        TestSupport::ExitClosingContext(0);
      },
      ::testing::ExitedWithCode(1), "Cannot read shader source /nonexistent/s.vert");
}

}  // namespace
