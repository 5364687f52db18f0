// Texture lists, animations, image decoding and uploads, and meshes.
#include <gtest/gtest.h>

#include "engine/graphics/ListFiles.h"
#include "engine/graphics/Mesh.h"
#include "engine/graphics/Texture.h"
#include "support/GraphicsTestSupport.h"
#include "support/TestSupport.h"

namespace {

using Framework::Animation;
using Framework::AnimationRecord;
using Framework::ReadTextureList;
using Framework::TextureFactory;
using TestSupport::GraphicsTestData;

TEST(TextureListTest, TexturesAnimationsAndTheirFields) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write("list.xml",
                                 "<ROOT><TEXTURELIST>"
                                 "<plain><filepath string=\"a.png\"/></plain>"
                                 "<sheet><filepath string=\"b.png\"/>"
                                 "<Walk><numofFrames unsigned=\"4\"/><TOP Vec2=\"0,0\"/><BOT Vec2=\"128,32\"/></Walk>"
                                 "<FilePath><numofFrames unsigned=\"2\"/></FilePath>"
                                 "<Bare/>"
                                 "</sheet>"
                                 "</TEXTURELIST></ROOT>");
  const auto entries = ReadTextureList(path.string());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name, "plain");
  EXPECT_EQ(entries[0].filePath, "a.png");
  EXPECT_TRUE(entries[0].animations.empty());
  ASSERT_EQ(entries[1].animations.size(), 3u) << "only \"filepath\" itself is not an animation";
  EXPECT_EQ(entries[1].animations[0].name, "Walk");
  EXPECT_EQ(entries[1].animations[0].frameCount, 4u);
  EXPECT_EQ(entries[1].animations[0].botX, 128.0f);
  EXPECT_EQ(entries[1].animations[0].botY, 32.0f);
  EXPECT_EQ(entries[1].animations[1].name, "FilePath");
  EXPECT_EQ(entries[1].animations[2].frameCount, 0u);
}

TEST(TextureListTest, ImpossibleFrameCountsAreRefused) {
  TestSupport::TempFolder folder;
  const auto path = folder.Write("list.xml",
                                 "<TEXTURELIST><t><filepath string=\"a.png\"/>"
                                 "<Neg><numofFrames unsigned=\"-1\"/></Neg>"
                                 "<Huge><numofFrames unsigned=\"900000000\"/></Huge></t></TEXTURELIST>");
  ::testing::internal::CaptureStderr();
  const auto entries = ReadTextureList(path.string());
  const std::string errors = ::testing::internal::GetCapturedStderr();
  ASSERT_EQ(entries.size(), 1u);
  ASSERT_EQ(entries[0].animations.size(), 2u);
  EXPECT_EQ(entries[0].animations[0].frameCount, 0u);
  EXPECT_EQ(entries[0].animations[1].frameCount, 0u);
  EXPECT_NE(errors.find("Error: Animation Neg"), std::string::npos);
  EXPECT_NE(errors.find("Error: Animation Huge"), std::string::npos);
}

TEST(TextureListTest, MissingFileOrListGivesNothing) {
  TestSupport::TempFolder folder;
  ::testing::internal::CaptureStderr();
  EXPECT_TRUE(ReadTextureList((folder.Path() / "none.xml").string()).empty());
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Error: Cannot read"), std::string::npos);
  EXPECT_TRUE(ReadTextureList(folder.Write("x.xml", "<OTHER><a/></OTHER>").string()).empty());
}

TEST(AnimationTest, FrameCornersOfAStripOnA128By64Sheet) {
  AnimationRecord record;
  record.frameCount = 4;
  record.botX = 128;
  record.botY = 32;
  const Animation animation(record, 128, 64);
  ASSERT_EQ(animation.frames.size(), 4u);
  for (unsigned i = 0; i < 4; ++i) {
    const auto& frame = animation.GetFrame(i);
    EXPECT_FLOAT_EQ(frame[0].u, 0.25f * i);       // top-left
    EXPECT_FLOAT_EQ(frame[1].u, 0.25f * (i + 1));  // top-right
    EXPECT_FLOAT_EQ(frame[2].u, 0.25f * (i + 1));  // bottom-right
    EXPECT_FLOAT_EQ(frame[3].u, 0.25f * i);       // bottom-left
    EXPECT_FLOAT_EQ(frame[0].v, 0.0f);
    EXPECT_FLOAT_EQ(frame[2].v, 0.5f);
  }
}

TEST(AnimationTest, OutOfRangeFrameReportsAndGivesFrameZero) {
  AnimationRecord record;
  record.frameCount = 2;
  record.botX = 64;
  record.botY = 64;
  const Animation animation(record, 128, 64);
  ::testing::internal::CaptureStderr();
  const auto& frame = animation.GetFrame(2);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("Error: Accessing vector out of bounds"),
            std::string::npos);
  EXPECT_EQ(&frame, &animation.frames[0]);

  const Animation empty(AnimationRecord{}, 128, 64);
  EXPECT_EQ(empty.frameCount, 0u);
  ::testing::internal::CaptureStderr();
  EXPECT_FLOAT_EQ(empty.GetFrame(0)[2].u, 0.0f) << "no frames: a zero frame, never a read past the end";
  ::testing::internal::GetCapturedStderr();
}

// ---- With a context -----------------------------------------------------------------

class GLResourceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ready = TestSupport::OpenGLContextOnly(64, 64); }
  void SetUp() override {
    SKIP_WITHOUT_DISPLAY();
    ASSERT_TRUE(ready) << "no OpenGL 3.3 context";
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
  }
  void TearDown() override { TextureFactory::Instance().Clear(); }

  static std::vector<unsigned char> ReadBack(GLuint id, GLenum format, size_t bytes) {
    std::vector<unsigned char> pixels(bytes, 0);
    gl::BindTexture(GL_TEXTURE_2D, id);
    gl::PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl::GetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    gl::BindTexture(GL_TEXTURE_2D, 0);
    return pixels;
  }

  static inline bool ready = false;
};

TEST_F(GLResourceTest, RgbaChannelsArriveInOrderBottomRowFirst) {
  TextureFactory& textures = TextureFactory::Instance();
  textures.LoadTexture("sheet", GraphicsTestData("sheet_128x64.png"), {});
  const auto sheet = textures.GetTexture("sheet");
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->width, 128);
  EXPECT_EQ(sheet->height, 64);
  const auto pixels = ReadBack(sheet->id, GL_RGBA, 128 * 64 * 4);
  // Row 0 is the picture's bottom row: red, green, blue, white columns.
  const auto at = [&](int x, int y) { return &pixels[(y * 128 + x) * 4]; };
  EXPECT_EQ(at(5, 0)[0], 255);
  EXPECT_EQ(at(5, 0)[1], 0);
  EXPECT_EQ(at(5, 0)[2], 0);
  EXPECT_EQ(at(40, 0)[1], 255);
  EXPECT_EQ(at(40, 0)[0], 0);
  EXPECT_EQ(at(70, 0)[2], 255);
  EXPECT_EQ(at(70, 0)[0], 0);
  EXPECT_EQ(at(5, 63)[3], 128) << "the top half is half transparent";
}

TEST_F(GLResourceTest, OddWidthRgbAndGreyImagesUploadIntact) {
  TextureFactory& textures = TextureFactory::Instance();
  textures.LoadTexture("odd", GraphicsTestData("rgb_odd.png"), {});
  const auto odd = textures.GetTexture("odd");
  ASSERT_TRUE(odd);
  const auto rgb = ReadBack(odd->id, GL_RGB, 5 * 3 * 3);
  // Picture row y (from the top) is texture row 2 - y; pixel = (x*50, y*100, 200).
  for (int row = 0; row < 3; ++row) {
    for (int x = 0; x < 5; ++x) {
      const unsigned char* p = &rgb[(row * 5 + x) * 3];
      EXPECT_EQ(p[0], x * 50) << x << "," << row;
      EXPECT_EQ(p[1], (2 - row) * 100) << x << "," << row;
      EXPECT_EQ(p[2], 200);
    }
  }
  textures.LoadTexture("grey", GraphicsTestData("grey.png"), {});
  const auto grey = textures.GetTexture("grey");
  ASSERT_TRUE(grey);
  const auto rgba = ReadBack(grey->id, GL_RGBA, 4 * 2 * 4);
  EXPECT_EQ(rgba[0], 30);  // bottom-left of the picture
  EXPECT_EQ(rgba[1], 30);
  EXPECT_EQ(rgba[3], 255);
  EXPECT_EQ(rgba[(4 + 3) * 4], 180);  // top-right
}

TEST_F(GLResourceTest, DuplicateAnimationKeepsFirstAndDuplicateTextureKeepsLast) {
  TextureFactory& textures = TextureFactory::Instance();
  AnimationRecord first{"Walk", 2, 0, 0, 64, 32};
  AnimationRecord second{"Walk", 4, 0, 0, 128, 64};
  textures.LoadTexture("hero", GraphicsTestData("sheet_128x64.png"), {first, second});
  EXPECT_EQ(textures.GetTexture("hero")->animations.at("Walk").frameCount, 2u);

  textures.LoadTexture("hero", GraphicsTestData("red.png"), {});
  const auto hero = textures.GetTexture("hero");
  EXPECT_EQ(hero->width, 8);
  EXPECT_TRUE(hero->animations.empty());
}

TEST_F(GLResourceTest, CreateTextureRefusesAnExistingNameAndMissingNamesReport) {
  TextureFactory& textures = TextureFactory::Instance();
  const unsigned char white[4] = {255, 255, 255, 255};
  const GLuint id = textures.CreateTexture("one", 1, 1, 4, GL_RGBA8, GL_RGBA, white, GL_REPEAT, GL_REPEAT,
                                           GL_NEAREST, GL_NEAREST);
  EXPECT_NE(id, 0u);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(textures.CreateTexture("one", 1, 1, 4, GL_RGBA8, GL_RGBA, white, GL_REPEAT, GL_REPEAT, GL_NEAREST,
                                   GL_NEAREST),
            0u);
  EXPECT_FALSE(textures.GetTexture("nothing"));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Texture one already exists."), std::string::npos);
  EXPECT_NE(errors.find("Error: Texture nothing not found."), std::string::npos);
  EXPECT_EQ(textures.GetTexture("one")->id, id);
}

TEST_F(GLResourceTest, ListEntriesWithReservedNamesAreRefused) {
  TestSupport::TempFolder folder;
  const std::string image = GraphicsTestData("red.png");
  const auto list = folder.Write("list.xml", "<TEXTURELIST><A><filepath string=\"" + image +
                                                 "\"/></A><FrameBuffer1><filepath string=\"" + image +
                                                 "\"/></FrameBuffer1><ok><filepath string=\"" + image +
                                                 "\"/></ok></TEXTURELIST>");
  TextureFactory& textures = TextureFactory::Instance();
  ::testing::internal::CaptureStderr();
  textures.LoadTextureList(list.string());
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Texture name A"), std::string::npos);
  EXPECT_NE(errors.find("Error: Texture name FrameBuffer1"), std::string::npos);
  EXPECT_FALSE(textures.Has("A"));
  EXPECT_FALSE(textures.Has("FrameBuffer1"));
  EXPECT_TRUE(textures.Has("ok"));
}

TEST_F(GLResourceTest, UnreadableImageExitsWithOne) {
  TestSupport::TempFolder folder;
  const std::string path = folder.Write("bad.png", "this is not a picture").string();
  EXPECT_EXIT(
      {
        TestSupport::OpenGLContextOnly(64, 64);
        TextureFactory::Instance().LoadTexture("bad", path, {});
        TestSupport::ExitClosingContext(0);
      },
      ::testing::ExitedWithCode(1), "Reading .*/bad.png failed.");
}

TEST_F(GLResourceTest, MeshRegistryAndTheCircleUVBuffer) {
  Framework::MeshFactory meshes;
  std::vector<Math::Vec2> circle;
  for (int i = 0; i < 20; ++i) circle.emplace_back(float(i), 0.0f);
  meshes.CreateMesh("Circle", circle);
  meshes.CreateMesh("Line", {{-0.5f, 0.0f}, {0.5f, 0.0f}});
  ::testing::internal::CaptureStderr();
  meshes.CreateMesh("Line", {{0, 0}});
  EXPECT_FALSE(meshes.GetMesh("nothing"));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Error: Mesh already exists."), std::string::npos);
  EXPECT_NE(errors.find("Error: Mesh not found."), std::string::npos);
  EXPECT_EQ(meshes.GetMesh("Line")->VertexCount(), 2) << "the first mesh stays";

  const auto bufferBytes = [](GLuint buffer) {
    GLint size = 0;
    gl::BindBuffer(GL_ARRAY_BUFFER, buffer);
    gl::GetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    gl::BindBuffer(GL_ARRAY_BUFFER, 0);
    return size;
  };
  EXPECT_EQ(bufferBytes(meshes.GetMesh("Circle")->uvBuffer), 20 * 2 * 4) << "one pair per vertex";
  EXPECT_EQ(bufferBytes(meshes.GetMesh("Line")->uvBuffer), 6 * 2 * 4) << "six pairs for short meshes";
}

}  // namespace
