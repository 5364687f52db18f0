#pragma once
// The renderer: owns the OpenGL context's resources and draws each frame in
// four passes: world layers 0-9 and queued texts into buffer A; A through
// the current post effect into B; B through the current overlay onto the
// window; UI layers 10 and 11 onto the window with the scene fade.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Lerp.h"
#include "engine/core/Matrix4.h"
#include "engine/core/System.h"
#include "engine/core/Vector.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/Font.h"
#include "engine/graphics/Mesh.h"
#include "engine/graphics/ShaderLibrary.h"
#include "engine/graphics/SpriteBatch.h"
#include "engine/graphics/SpriteLayer.h"
#include "engine/graphics/Texture.h"

namespace Framework {

class Sprite;

struct FrameBufferRecord {
  GLuint id = 0;
  std::string textureName;
};

struct TextRecord {
  std::string text;
  float x = -500.0f;
  float y = 0.0f;
  float scale = 0.5f;
  Math::Vec4 colour;
};

class GraphicsSystem : public System {
 public:
  static constexpr int kLayerCount = 12;
  static constexpr int kFirstUILayer = 10;
  static constexpr int kPausedLayer = 9;

  GraphicsSystem();
  ~GraphicsSystem() override;

  std::string GetName() override { return "Graphics"; }
  void Initialize() override;
  void Update(float dt) override;
  void SendMessage(Message* message) override;
  // Frees every GL object while the context still exists.
  void Shutdown() override;
  void RenderFrame();
  // Draw calls the last RenderFrame made for sprites.
  int SpriteDrawCalls() const { return spriteDrawCalls; }
  // Full-window passes the last RenderFrame drew between the world and the
  // UI: 2 with both effects at work, 1 when one or both hand the image on.
  int EffectPassesDrawn() const { return effectPassesDrawn; }

  // One sprite on its own, through its mesh (sprites of the quad mesh are
  // drawn in batches by the passes).
  void DrawSprite(Sprite* sprite);
  std::shared_ptr<Mesh> GetMesh(const std::string& name) const { return meshes.GetMesh(name); }
  std::shared_ptr<Texture> GetTexture(const std::string& name) const { return textures->GetTexture(name); }

  // Layers.
  void AddSpriteToLayer(Sprite* sprite, int layer);
  void MoveSpriteToLayer(Sprite* sprite, int layer);
  static void RemoveSprite(Sprite* sprite);
  // True once the single instance is gone at program exit.
  static bool IsDestroyed();
  static std::vector<Sprite*> GetLayerSprites();
  void ClearLayers();

  // Camera and spotlight.
  void UpdateCamera();
  Math::Matrix4 GetProjectionMatrix() const;
  static void SetSpotlight(bool on, Math::Vec2 position, float radius);

  // Post effects and the overlay fade.
  static void SetPostEffect(const std::string& name);
  static void ResetPostEffect();
  // Sets "fadeVariable" on the current overlay shader.
  void SetOverlayFade(float fade);
  // Where pass 4 reads the scene fade from (the scene manager); 0 without one.
  void SetSceneFadeSource(std::function<float()> source) { sceneFadeSource = std::move(source); }

  // Texts.
  static void QueueText(const std::string& text, float x, float y, float scale, Math::Vec4 colour);
  void DrawText(const std::string& text, float x, float y, float scale, Math::Vec4 colour);
  static Math::Vec2 MeasureText(const std::string& text, float scale);

  // Debug primitives, drawn with the program in use ("DEFAULT").
  static void DrawDebugLine(Math::Vec2 a, Math::Vec2 b, Math::Vec4 colour);
  static void DrawLine(Math::Vec2 centre, float length, float angle, Math::Vec4 colour);
  static void DrawDebugQuad(bool filled, Math::Vec2 centre, float width, float height, Math::Vec4 colour);
  static void DrawDebugCircle(bool filled, Math::Vec2 centre, float radius, Math::Vec4 colour);

  // Copied from the window system at registration.
  int windowWidth = 0;
  int windowHeight = 0;
  int viewportWidth = 0;
  int viewportHeight = 0;

  ShaderLibrary shaders;
  std::vector<TextRecord> textQueue;
  FrameBufferRecord frameBuffers[2];
  Math::Vec4 clearColour{0, 0, 0, 1};
  GLint texLocation = -1, viewLocation = -1, projectionLocation = -1, modelLocation = -1, tintLocation = -1,
        shakeLocation = -1;
  Math::Matrix4 viewMatrix, projectionMatrix, modelMatrix;
  std::vector<SpriteLayer> layers;
  MeshFactory meshes;
  Font font;
  Utility::LerpStartEnd<float> spotlightRadius;
  float time = 0.0f;
  Camera camera;
  TextureFactory* textures;
  GLuint screenFramebuffer = 0;
  // False draws both effect passes every frame, even where they would change
  // no pixel (to check that skipping them changes nothing).
  bool skipNeutralPasses = true;
  // False draws every batch with "DEFAULT" (to check that the lean sprite
  // programs change nothing).
  bool leanSprites = true;
  // False copies the world image straight to the window when no effect is
  // at work, instead of turning it over first (to check that turning it
  // over changes nothing).
  bool turnBeforeCopy = true;

 private:
  void CreateContext();
  void LoadEntryPoints();
  void CreateMeshes();
  void LoadShaders();
  void SetUpDefaultProgram();
  // The batches' own programs, "SPRITE" and "SPRITE_PLAIN", when the shader list has them.
  void SetUpLeanPrograms();
  bool LeanSpritePrograms() const { return leanPrograms[0].id != 0 && leanPrograms[1].id != 0; }
  bool DrawsBatchesLean() const { return leanSprites && passFade == 0.0f && LeanSpritePrograms(); }
  FrameBufferRecord CreateFrameBuffer();
  void UpdateLayers(float dt);
  void ResolveChangedSprites(const std::vector<Sprite*>& changed);
  void DrawLayers(int first, int last);
  void AddToBatch(Sprite* sprite);
  void FlushBatch();
  void DrawWorldPass();
  void DrawEffectPasses();
  // True when the effect would hand the world image on unchanged.
  bool HandsImageOn(const std::string* shader) const;
  void CopyToWindow(const FrameBufferRecord& source);
  // Draws source upside down into target with "UPSIDE_DOWN"; false, and
  // nothing drawn, without that shader or without the toggle.
  bool TurnUpsideDown(const FrameBufferRecord& source, const FrameBufferRecord& target);
  void DrawFullScreenPass(const FrameBufferRecord& source, GLuint target, const std::string* shader);
  void DrawUIPass();
  void UploadModel(const Math::Matrix4& model);
  // Messages 5 and 6: a size that is not positive is refused.
  void SetViewportSize(int width, int height);
  void DrawPrimitive(const std::string& meshName, const Math::Matrix4& model, Math::Vec4 colour, GLenum mode,
                     GLsizei count);
  float SceneFade() const { return sceneFadeSource ? sceneFadeSource() : 0.0f; }
  void SetUniformFloat(const std::string& shader, const char* uniform, float value);

  std::function<float()> sceneFadeSource;
  SpriteBatch batch;
  // "SPRITE" and "SPRITE_PLAIN": the "DEFAULT" sum without the factors that
  // are 1 (the tint uniform and the fade; for the second also the vertex
  // tint), for batches drawn while nothing fades. Without both the batches
  // take "DEFAULT".
  struct LeanProgram {
    GLuint id = 0;
    GLint view = -1, projection = -1, time = -1;
  };
  LeanProgram leanPrograms[2];
  float passFade = 0.0f;  // the fade the pass being drawn applies
  std::shared_ptr<Mesh> quadMesh;  // the mesh the batch stands in for
  int spriteDrawCalls = 0;
  int effectPassesDrawn = 0;
  bool ready = false;  // Initialize finished with a live context
};

GraphicsSystem& GetGraphicsSystem();

}  // namespace Framework
