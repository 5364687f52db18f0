#pragma once
#include <cstdint>
#include <vector>

#include "engine/core/System.h"
#include "engine/core/Vector.h"

namespace Framework {

class Shape;

// A segment queued for one frame of debug drawing.
struct DebugLine {
  Math::Vector2<float> from;
  Math::Vector2<float> to;
  Math::Vector4<float> colour;
};

// Where debug drawing ends up. The game draws through the graphics system's
// debug primitives; tests put a recorder in its place.
class DebugCanvas {
 public:
  virtual ~DebugCanvas() = default;
  virtual void Begin() = 0;  // overlay state: no blending, no depth test, filled
  virtual void Line(const Math::Vector2<float>& from, const Math::Vector2<float>& to,
                    const Math::Vector4<float>& colour) = 0;
  virtual void Rectangle(const Math::Vector2<float>& centre, float width, float height,
                         const Math::Vector4<float>& colour) = 0;
  virtual void Circle(const Math::Vector2<float>& centre, float radius,
                      const Math::Vector4<float>& colour) = 0;
  virtual void End() = 0;  // blending back on
};

// Overlays the collision shapes and one-frame debug lines on the finished
// frame while the debug flag is on (messages 3 and 4).
class Debug : public System {
 public:
  Debug();
  std::string GetName() override { return "Debug"; }
  void Update(float) override;
  void Initialize() override;

  // Draws the shapes and queued lines while the debug flag is set, then
  // empties the line queue whether or not anything was drawn.
  void Draw();

  // Shapes stay listed from construction to destruction.
  void AddShape(Shape* shape);
  void RemoveShape(Shape* shape);
  void ClearShapes() { shapes.clear(); }
  const std::vector<Shape*>& Shapes() const { return shapes; }

  void QueueLine(const Math::Vector2<float>& from, const Math::Vector2<float>& to,
                 const Math::Vector4<float>& colour);
  const std::vector<DebugLine>& Lines() const { return lines; }

  DebugCanvas& Canvas() { return *canvas; }
  // Replaces where drawing goes (null restores the graphics system's);
  // returns the canvas that was in use.
  DebugCanvas* SetCanvas(DebugCanvas* replacement);

  uint64_t startTicks = 0;
  bool drawShapes = true;

 private:
  std::vector<Shape*> shapes;
  std::vector<DebugLine> lines;
  DebugCanvas* canvas;
};

Debug& GetDebug();
// False once the program's debug system has been destroyed at exit, so
// shapes destroyed later do not reach into it.
bool DebugAvailable();

}  // namespace Framework
