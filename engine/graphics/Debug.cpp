#include "engine/graphics/Debug.h"

#include "engine/core/StaticInstance.h"
#include "engine/graphics/GLFunctions.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/physics/Shape.h"
#include "engine/platform/Platform.h"

namespace Framework {

namespace {

// Draws outlines through the graphics system's debug primitives, over the
// finished frame: no blending or depth test while the overlay is drawn.
class GraphicsDebugCanvas : public DebugCanvas {
 public:
  void Begin() override {
    if (!gl::ContextAlive()) return;
    gl::Disable(GL_BLEND);
    gl::Disable(GL_DEPTH_TEST);
    gl::PolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  }
  void Line(const Math::Vector2<float>& from, const Math::Vector2<float>& to,
            const Math::Vector4<float>& colour) override {
    GraphicsSystem::DrawDebugLine(from, to, colour);
  }
  void Rectangle(const Math::Vector2<float>& centre, float width, float height,
                 const Math::Vector4<float>& colour) override {
    GraphicsSystem::DrawDebugQuad(false, centre, width, height, colour);
  }
  void Circle(const Math::Vector2<float>& centre, float radius, const Math::Vector4<float>& colour) override {
    GraphicsSystem::DrawDebugCircle(false, centre, radius, colour);
  }
  // Depth testing stays off for whatever draws next.
  void End() override {
    if (gl::ContextAlive()) gl::Enable(GL_BLEND);
  }
};

DebugCanvas& GraphicsCanvas() {
  static GraphicsDebugCanvas canvas;
  return canvas;
}

}  // namespace

Debug::Debug() : canvas(&GraphicsCanvas()) {}

void Debug::Initialize() { startTicks = Platform::Ticks(); }

void Debug::Update(float) {
  BeginTiming();
  EndTiming();
}

void Debug::Draw() {
  if (debug) {
    canvas->Begin();
    if (drawShapes) {
      for (Shape* shape : shapes) shape->DebugDraw();
    }
    for (const DebugLine& line : lines) canvas->Line(line.from, line.to, line.colour);
    canvas->End();
  }
  lines.clear();
}

void Debug::AddShape(Shape* shape) { shapes.push_back(shape); }

void Debug::RemoveShape(Shape* shape) { Math::RemoveFromVector(shapes, shape); }

void Debug::QueueLine(const Math::Vector2<float>& from, const Math::Vector2<float>& to,
                      const Math::Vector4<float>& colour) {
  lines.push_back({from, to, colour});
}

DebugCanvas* Debug::SetCanvas(DebugCanvas* replacement) {
  DebugCanvas* previous = canvas;
  canvas = replacement ? replacement : &GraphicsCanvas();
  return previous;
}

Debug& GetDebug() { return StaticInstance<Debug>::Get(); }

bool DebugAvailable() { return StaticInstance<Debug>::Alive(); }

}  // namespace Framework
