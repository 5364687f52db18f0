#include "engine/graphics/GraphicsSystem.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "engine/core/Engine.h"
#include "engine/core/StaticInstance.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"

namespace Framework {

namespace {

const char* const kDefault = "DEFAULT";
// A texel-for-texel copy that turns the image upside down.
const char* const kUpsideDown = "UPSIDE_DOWN";
// The batches' lean programs: tinted quads, and quads at tint (1, 1, 1, 1).
const char* const kLeanSprites[2] = {"SPRITE", "SPRITE_PLAIN"};
const char* const kFontPath = "Resources/fonts/TCCB.ttf";
const char* const kShaderList = "Resources/shaderinit.xml";
const char* const kTextureList = "Resources/texture.xml";
const char* const kUITextureList = "Resources/ui_textures.xml";
constexpr int kFallbackWidth = 1280;
constexpr int kFallbackHeight = 720;

// Effects whose shaders hand their image on unchanged while one uniform is
// 0: the plain post effect with its spotlight off, the overlay without a
// fade. Such a pass is skipped (the frame tests compare both ways).
struct PassThrough {
  const char* shader;
  const char* uniform;
};
constexpr PassThrough kPassThroughs[] = {{"POST_NORMAL", "spotlight"}, {"OVERLAY_FADE", "fadeVariable"}};

void* LookUpGL(const char* name) { return Platform::Current().GetGLProcAddress(name); }

std::vector<Math::Vec2> QuadVertices(float half) {
  return {{-half, -half}, {half, -half}, {half, half}, {-half, half}, {-half, -half}, {half, half}};
}

std::vector<Math::Vec2> CircleVertices() {
  std::vector<Math::Vec2> points;
  for (int degrees = 0; degrees < 360; degrees += 18) {
    const float radians = static_cast<float>(degrees * 0.017453292519943295);
    points.emplace_back(std::cos(radians), std::sin(radians));
  }
  return points;
}

}  // namespace

// ---- Construction and start-up ------------------------------------------------

GraphicsSystem::GraphicsSystem() : layers(kLayerCount), textures(&TextureFactory::Instance()) {
  layers[1].SetSortPredicate(CompareSpriteWorldY);
  font.InitLibrary();
}

GraphicsSystem::~GraphicsSystem() {
  // GL objects were freed in Shutdown (or are skipped once the context is
  // gone); only the CPU side is left here.
  for (SpriteLayer& layer : layers) layer.sprites.clear();
  font.DoneLibrary();
}

// Sprites that outlive the system at exit (held by other static objects)
// must not touch its layers.
bool GraphicsSystem::IsDestroyed() { return !StaticInstance<GraphicsSystem>::Alive(); }

void GraphicsSystem::CreateContext() {
  if (!Platform::Current().CreateGLContext()) {
    Platform::ShowMessageBox("Error", "Unable to create OpenGL rendering context");
  }
}

void GraphicsSystem::LoadEntryPoints() {
  int major = 0, minor = 0;
  if (!gl::Load(LookUpGL, major, minor)) {
    std::cerr << "Failed to initialize OpenGL" << "\n";
    gl::ExitProgram(-1);
  }
  if (!gl::VersionSupported(major, minor)) {
    std::cerr << "OpenGL 3.3 not supported" << "\n";
    gl::ExitProgram(-1);
  }
  std::cout << "OpenGL version: " << gl::GetString(GL_VERSION) << "\n";
  std::cout << "GLSL version  : " << gl::GetString(GL_SHADING_LANGUAGE_VERSION) << "\n";
}

void GraphicsSystem::Initialize() {
  if (viewportWidth <= 0 || viewportHeight <= 0) {
    viewportWidth = windowWidth > 0 ? windowWidth : kFallbackWidth;
    viewportHeight = windowHeight > 0 ? windowHeight : kFallbackHeight;
  }
  CreateContext();
  LoadEntryPoints();
  font.Load(*textures, kFontPath);
  textures->LoadTextureList(kTextureList);
  textures->LoadTextureList(kUITextureList);
  CreateMeshes();
  LoadShaders();
  SetUpDefaultProgram();
  SetUpLeanPrograms();
  frameBuffers[0] = CreateFrameBuffer();
  frameBuffers[1] = CreateFrameBuffer();
  gl::BindFramebuffer(GL_FRAMEBUFFER, screenFramebuffer);
  gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  gl::Enable(GL_BLEND);
  gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl::Viewport(0, 0, viewportWidth, viewportHeight);
  camera.Reset();
  clearColour = Math::Vec4(0, 0, 0, 1);
  Platform::Current().SetSwapInterval(1);
  time = 0.0f;
  ready = true;
}

void GraphicsSystem::CreateMeshes() {
  meshes.CreateMesh("quad", QuadVertices(0.5f));
  meshes.CreateMesh("text", QuadVertices(0.5f));
  meshes.CreateMesh("NDC", QuadVertices(1.0f));
  meshes.CreateMesh("Line", {{-0.5f, 0.0f}, {0.5f, 0.0f}});
  meshes.CreateMesh("Circle", CircleVertices());
  quadMesh = meshes.GetMesh("quad");
  batch.Create();
}

void GraphicsSystem::LoadShaders() {
  shaders.SetEntries(ReadShaderList(kShaderList));
  // Without a post or overlay shader the passes copy the image straight on.
  if (shaders.PostNames().empty() || shaders.OverlayNames().empty()) {
    std::cerr << "Error: " << kShaderList
              << " lists no post or no overlay shader; frames are drawn without those effects." << std::endl;
  }
  shaders.LoadAll();
}

void GraphicsSystem::SetUpDefaultProgram() {
  shaders.UseGuarded(kDefault);
  const GLuint program = shaders.Program(kDefault);
  if (program == 0) return;
  texLocation = gl::GetUniformLocation(program, "tex");
  viewLocation = gl::GetUniformLocation(program, "viewMatrix");
  projectionLocation = gl::GetUniformLocation(program, "projectionMatrix");
  modelLocation = gl::GetUniformLocation(program, "modelMatrix");
  tintLocation = gl::GetUniformLocation(program, "tintColor");
  shakeLocation = gl::GetUniformLocation(program, "shake");
  gl::Uniform1i(texLocation, 0);
  gl::UniformMatrix4fv(viewLocation, 1, GL_FALSE, viewMatrix.Data());
  gl::UniformMatrix4fv(projectionLocation, 1, GL_FALSE, projectionMatrix.Data());
  gl::UniformMatrix4fv(modelLocation, 1, GL_FALSE, modelMatrix.Data());
}

void GraphicsSystem::SetUpLeanPrograms() {
  for (int i = 0; i < 2; ++i) {
    LeanProgram& lean = leanPrograms[i];
    lean = LeanProgram{};
    if (!shaders.IsLoaded(kLeanSprites[i])) continue;
    lean.id = shaders.Program(kLeanSprites[i]);
    gl::UseProgram(lean.id);
    gl::Uniform1i(gl::GetUniformLocation(lean.id, "tex"), 0);
    // Batched quads arrive in world units already.
    const Math::Matrix4 identity;
    gl::UniformMatrix4fv(gl::GetUniformLocation(lean.id, "modelMatrix"), 1, GL_FALSE, identity.Data());
    lean.view = gl::GetUniformLocation(lean.id, "viewMatrix");
    lean.projection = gl::GetUniformLocation(lean.id, "projectionMatrix");
    lean.time = gl::GetUniformLocation(lean.id, "time");
  }
  shaders.UseGuarded(kDefault);
}

FrameBufferRecord GraphicsSystem::CreateFrameBuffer() {
  FrameBufferRecord record;
  gl::GenFramebuffers(1, &record.id);
  gl::BindFramebuffer(GL_FRAMEBUFFER, record.id);
  record.textureName = "FrameBuffer" + std::to_string(record.id);
  // Four channels, though only colour is kept: Mesa's software renderer
  // blends into them far faster than into three. Stored blue first, as the
  // window is, so that copies between them can be plain memory copies (an
  // unsized internal format lets the driver take the layout it is given).
  const GLuint texture = textures->CreateTexture(record.textureName, viewportWidth, viewportHeight, 4, GL_RGBA,
                                                 GL_BGRA, nullptr, GL_REPEAT, GL_REPEAT, GL_NEAREST, GL_NEAREST);
  gl::BindTexture(GL_TEXTURE_2D, 0);
  gl::FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
  if (gl::CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    std::cerr << "Framebuffer is not complete!" << std::endl;
  }
  gl::BindFramebuffer(GL_FRAMEBUFFER, 0);
  return record;
}

void GraphicsSystem::Shutdown() {
  ClearLayers();
  textQueue.clear();
  if (gl::ContextAlive()) {
    gl::BindVertexArray(0);
    for (FrameBufferRecord& record : frameBuffers) {
      if (record.id != 0) gl::DeleteFramebuffers(1, &record.id);
      record.id = 0;
    }
  }
  shaders.ReleaseAll();
  for (LeanProgram& lean : leanPrograms) lean = LeanProgram{};
  batch.Release();
  quadMesh.reset();
  meshes.Clear();
  font.Clear();
  textures->Clear();
  gl::MarkContextGone();
  ready = false;
}

// ---- Per-frame update ------------------------------------------------------------

void GraphicsSystem::Update(float dt) {
  // The layer step and the clocks run without a context too (headless
  // engine runs); only the GL uploads need one.
  if (ready) {
    gl::Viewport(0, 0, viewportWidth, viewportHeight);
    UpdateCamera();
  }
  UpdateLayers(dt);
  if (GetEngine().paused) return;
  spotlightRadius.Update(dt);
  time += dt;
  if (!ready) return;
  if (const std::string* post = shaders.CurrentPost()) {
    shaders.SetFloat(*post, "radius", spotlightRadius.GetValue());
    shaders.SetFloat(*post, "time", time);
    shaders.SetVec2(*post, "cameraPos", camera.position.x, camera.position.y);
    shaders.SetFloat(*post, "cameraZoom", camera.position.z > 0.0f ? camera.position.z : 1.0f);
  }
  if (LeanSpritePrograms()) {
    for (const LeanProgram& lean : leanPrograms) {
      gl::UseProgram(lean.id);
      gl::Uniform1f(lean.time, time);
    }
  }
  shaders.SetFloat(kDefault, "time", time);
}

void GraphicsSystem::UpdateLayers(float dt) {
  const bool paused = GetEngine().paused;
  std::vector<Sprite*> changed;
  for (int index = 0; index < kLayerCount; ++index) {
    if (paused && index != kPausedLayer) continue;
    SpriteLayer& layer = layers[index];
    if (layer.sort) std::sort(layer.sprites.begin(), layer.sprites.end(), layer.predicate);
    for (Sprite* sprite : layer.sprites) {
      if (!sprite->enabled) continue;
      sprite->UpdateAnimation(dt);
      if (sprite->dirty) changed.push_back(sprite);
    }
  }
  ResolveChangedSprites(changed);
}

void GraphicsSystem::ResolveChangedSprites(const std::vector<Sprite*>& changed) {
  for (Sprite* sprite : changed) {
    sprite->mesh = meshes.GetMesh(sprite->meshName);
    sprite->texture = textures->GetTexture(sprite->textureID);
    sprite->dirty = false;
    MoveSpriteToLayer(sprite, sprite->layer);
  }
}

// ---- The draw pass ------------------------------------------------------------------

void GraphicsSystem::RenderFrame() {
  BeginTiming();
  spriteDrawCalls = 0;
  effectPassesDrawn = 0;
  if (ready) {
    DrawWorldPass();
    DrawEffectPasses();
    DrawUIPass();
  }
  // Emptied whether or not anything was drawn: without a context the
  // queue would otherwise grow by every text of every frame.
  textQueue.clear();
  EndTiming();
}

void GraphicsSystem::DrawWorldPass() {
  gl::BindFramebuffer(GL_FRAMEBUFFER, frameBuffers[0].id);
  gl::ClearBufferfv(GL_COLOR, 0, &clearColour.x);
  shaders.UseGuarded(kDefault);
  gl::Enable(GL_BLEND);
  gl::BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  DrawLayers(0, kFirstUILayer - 1);
  for (const TextRecord& record : textQueue) {
    DrawText(record.text, record.x, record.y, record.scale, record.colour);
  }
}

void GraphicsSystem::DrawEffectPasses() {
  const std::string* post = shaders.CurrentPost();
  const std::string* overlay = shaders.CurrentOverlay();
  const bool skipPost = HandsImageOn(post);
  const bool skipOverlay = HandsImageOn(overlay);
  if (skipPost && skipOverlay) {
    CopyToWindow(frameBuffers[0]);
  } else if (skipPost) {
    DrawFullScreenPass(frameBuffers[0], screenFramebuffer, overlay);
  } else if (skipOverlay) {
    DrawFullScreenPass(frameBuffers[0], screenFramebuffer, post);
  } else {
    DrawFullScreenPass(frameBuffers[0], frameBuffers[1].id, post);
    DrawFullScreenPass(frameBuffers[1], screenFramebuffer, overlay);
  }
}

bool GraphicsSystem::HandsImageOn(const std::string* shader) const {
  if (!skipNeutralPasses || shader == nullptr || !shaders.IsLoaded(*shader)) return false;
  // A frame buffer of another size than the viewport is stretched by the pass.
  const std::shared_ptr<Texture> image = textures->GetTexture(frameBuffers[0].textureName);
  if (!image || image->width != viewportWidth || image->height != viewportHeight) return false;
  for (const PassThrough& rule : kPassThroughs) {
    if (*shader != rule.shader) continue;
    // Read back from the program, so a value set by any code path counts.
    const GLuint program = shaders.Program(*shader);
    const GLint location = gl::GetUniformLocation(program, rule.uniform);
    GLfloat value = 1.0f;
    if (location >= 0) gl::GetUniformfv(program, location, &value);
    return value == 0.0f;
  }
  return false;
}

void GraphicsSystem::CopyToWindow(const FrameBufferRecord& source) {
  // The window keeps its top row first, the frame buffers their bottom row,
  // so Mesa's software renderer copies across with a shaded draw, the cost
  // of a whole effect pass. Turned over into the spare buffer first (a
  // texel copy it does quickly), the image then reaches the window as a
  // memory copy. The same pixels either way.
  const bool turned = TurnUpsideDown(source, frameBuffers[1]);
  gl::BindFramebuffer(GL_FRAMEBUFFER, screenFramebuffer);
  // The copy overwrites every pixel of a window the viewport fills, so only
  // a window of another size needs clearing first.
  if (viewportWidth != windowWidth || viewportHeight != windowHeight) {
    gl::ClearBufferfv(GL_COLOR, 0, &clearColour.x);
  }
  gl::BindFramebuffer(GL_READ_FRAMEBUFFER, turned ? frameBuffers[1].id : source.id);
  // A turned image is read from its last row back, which sets it upright.
  const GLint firstRow = turned ? viewportHeight : 0;
  const GLint endRow = turned ? 0 : viewportHeight;
  gl::BlitFramebuffer(0, firstRow, viewportWidth, endRow, 0, 0, viewportWidth, viewportHeight, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
  gl::BindFramebuffer(GL_FRAMEBUFFER, screenFramebuffer);
  gl::Enable(GL_BLEND);
  gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  ++effectPassesDrawn;
}

bool GraphicsSystem::TurnUpsideDown(const FrameBufferRecord& source, const FrameBufferRecord& target) {
  if (!turnBeforeCopy || target.id == 0 || !shaders.IsLoaded(kUpsideDown)) return false;
  const std::shared_ptr<Mesh> screen = meshes.GetMesh("NDC");
  if (!screen) return false;
  gl::BindFramebuffer(GL_FRAMEBUFFER, target.id);
  // Every texel is replaced as it is; blending would only cost time.
  gl::Disable(GL_BLEND);
  shaders.UseGuarded(kUpsideDown);
  gl::BindVertexArray(screen->vao);
  gl::BindTexture(GL_TEXTURE_2D, textures->GetTextureId(source.textureName));
  gl::DrawArrays(GL_TRIANGLES, 0, 6);
  gl::Enable(GL_BLEND);
  return true;
}

void GraphicsSystem::DrawFullScreenPass(const FrameBufferRecord& source, GLuint target, const std::string* shader) {
  gl::BindFramebuffer(GL_FRAMEBUFFER, target);
  gl::ClearBufferfv(GL_COLOR, 0, &clearColour.x);
  gl::Enable(GL_BLEND);
  gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  if (shader == nullptr || !shaders.IsLoaded(*shader)) {
    // No effect to apply: copy the image on unchanged.
    gl::BindFramebuffer(GL_READ_FRAMEBUFFER, source.id);
    gl::BindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
    const GLint width = textures->Has(source.textureName) ? viewportWidth : 0;
    gl::BlitFramebuffer(0, 0, width, viewportHeight, 0, 0, viewportWidth, viewportHeight, GL_COLOR_BUFFER_BIT,
                        GL_NEAREST);
    gl::BindFramebuffer(GL_FRAMEBUFFER, target);
    return;
  }
  shaders.UseGuarded(*shader);
  const std::shared_ptr<Mesh> screen = meshes.GetMesh("NDC");
  if (!screen) return;
  ++effectPassesDrawn;
  gl::BindVertexArray(screen->vao);
  gl::BindTexture(GL_TEXTURE_2D, textures->GetTextureId(source.textureName));
  gl::DrawArrays(GL_TRIANGLES, 0, 6);
}

void GraphicsSystem::DrawUIPass() {
  shaders.UseGuarded(kDefault);
  passFade = SceneFade();
  shaders.SetFloat(kDefault, "fadeVariable", passFade);
  DrawLayers(kFirstUILayer, kLayerCount - 1);
  passFade = 0.0f;
  shaders.SetFloat(kDefault, "fadeVariable", 0.0f);
  gl::BindVertexArray(0);
}

void GraphicsSystem::DrawLayers(int first, int last) {
  for (int index = first; index <= last; ++index) {
    for (Sprite* sprite : layers[index].sprites) {
      if (sprite->enabled) AddToBatch(sprite);
    }
  }
  FlushBatch();
  gl::BindVertexArray(0);
}

void GraphicsSystem::AddToBatch(Sprite* sprite) {
  // A sprite whose mesh never resolved has nothing to draw with.
  if (!sprite->mesh) return;
  if (sprite->mesh != quadMesh) {
    // Another mesh keeps its own vertices: draw what came before, then it.
    FlushBatch();
    DrawSprite(sprite);
    return;
  }
  const Texture* texture = sprite->texture.get();
  // Alpha 1 throughout: blending would give each pixel its own colour anyway.
  const bool opaque = texture != nullptr && texture->opaque && sprite->colour.a == 1.0f;
  batch.AddQuad(sprite->ModelMatrix(), sprite->FrameCorners(), sprite->colour, sprite->shake,
                texture ? texture->id : 0, opaque);
}

void GraphicsSystem::FlushBatch() {
  if (batch.Empty()) return;
  if (DrawsBatchesLean()) {
    // Nothing fades: the lean programs make the same colours for less work.
    spriteDrawCalls += batch.Flush(leanPrograms[0].id, leanPrograms[1].id);
    shaders.UseGuarded(kDefault);
    return;
  }
  // The quads carry their own place, tint and shake.
  UploadModel(Math::Matrix4());
  gl::Uniform4f(tintLocation, 1.0f, 1.0f, 1.0f, 1.0f);
  gl::Uniform1i(shakeLocation, 0);
  spriteDrawCalls += batch.Flush();
}

void GraphicsSystem::DrawSprite(Sprite* sprite) {
  // The passes have the default program in use; its uniforms were located once at start-up.
  gl::Uniform1i(shakeLocation, sprite->shake ? 1 : 0);
  const SpriteDrawRecord record = sprite->UpdateFrame();
  if (record.vertexArray == 0) return;
  UploadModel(record.model);
  gl::Uniform4f(tintLocation, record.colour.r, record.colour.g, record.colour.b, record.colour.a);
  gl::BindVertexArray(record.vertexArray);
  gl::BindTexture(GL_TEXTURE_2D, record.texture);
  gl::DrawArrays(GL_TRIANGLES, 0, 6);
  ++spriteDrawCalls;
}

void GraphicsSystem::UploadModel(const Math::Matrix4& model) {
  modelMatrix = model;
  gl::UniformMatrix4fv(modelLocation, 1, GL_FALSE, modelMatrix.Data());
}

// ---- Messages ---------------------------------------------------------------------------

void GraphicsSystem::SendMessage(Message* message) {
  if (message == nullptr) return;
  switch (message->id) {
    case MSG_DEBUG_ON:
      debug = true;
      std::cout << "print debug\n";
      if (ready) {
        gl::Disable(GL_BLEND);
        gl::PolygonMode(GL_FRONT_AND_BACK, GL_LINE);
      }
      break;
    case MSG_DEBUG_OFF:
      debug = false;
      std::cout << "normal\n";
      if (ready) {
        gl::Enable(GL_BLEND);
        gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
      }
      break;
    case MSG_VIEWPORT_MONITOR: {
      int width = 0, height = 0;
      Platform::Current().GetMonitorSize(width, height);
      SetViewportSize(width, height);
      break;
    }
    case MSG_VIEWPORT_WINDOW:
      SetViewportSize(windowWidth, windowHeight);
      break;
    default:
      break;
  }
}

void GraphicsSystem::SetViewportSize(int width, int height) {
  // An empty viewport would divide by zero in the projection.
  if (width <= 0 || height <= 0) {
    std::cerr << "Error: Viewport size " << width << " x " << height << " refused; it stays " << viewportWidth
              << " x " << viewportHeight << "." << std::endl;
    return;
  }
  viewportWidth = width;
  viewportHeight = height;
}

// ---- Post effects and fades ----------------------------------------------------------

void GraphicsSystem::SetPostEffect(const std::string& name) { GetGraphicsSystem().shaders.SetPostEffect(name); }

void GraphicsSystem::ResetPostEffect() { GetGraphicsSystem().shaders.ResetPostEffect(); }

void GraphicsSystem::SetOverlayFade(float fade) {
  if (!ready) return;
  if (const std::string* overlay = shaders.CurrentOverlay()) shaders.SetFloat(*overlay, "fadeVariable", fade);
}

GraphicsSystem& GetGraphicsSystem() { return StaticInstance<GraphicsSystem>::Get(); }

Camera& GetCamera() { return GetGraphicsSystem().camera; }

}  // namespace Framework
