#include "engine/graphics/Debug.h"

#include "engine/physics/Shape.h"
#include "engine/platform/Platform.h"

namespace Framework {

namespace {

// Draws through the graphics system's debug primitives.
class GraphicsDebugCanvas : public DebugCanvas {
 public:
  void Begin() override {}
  void Line(const Math::Vector2<float>&, const Math::Vector2<float>&,
            const Math::Vector4<float>&) override {}
  void Rectangle(const Math::Vector2<float>&, float, float, const Math::Vector4<float>&) override {}
  void Circle(const Math::Vector2<float>&, float, const Math::Vector4<float>&) override {}
  void End() override {}
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

Debug& GetDebug() {
  static Debug instance;
  return instance;
}

}  // namespace Framework
