#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/graphics/Debug.h"
#include "engine/physics/Sphere.h"
#include "support/PhysicsWorld.h"

using namespace Framework;
using Math::Vec2;
using Math::Vec3;
using Math::Vec4;
using TestSupport::PhysicsWorld;

namespace {

// Records what the debug system draws, one text line per call.
class RecordingCanvas : public DebugCanvas {
 public:
  void Begin() override { calls.push_back("begin"); }
  void Line(const Vec2& from, const Vec2& to, const Vec4& colour) override {
    calls.push_back("line " + Text(from) + " " + Text(to) + " " + Text(colour));
  }
  void Rectangle(const Vec2& centre, float width, float height, const Vec4& colour) override {
    calls.push_back("rect " + Text(centre) + " " + Number(width) + "x" + Number(height) + " " + Text(colour));
  }
  void Circle(const Vec2& centre, float radius, const Vec4& colour) override {
    calls.push_back("circle " + Text(centre) + " " + Number(radius) + " " + Text(colour));
  }
  void End() override { calls.push_back("end"); }

  static std::string Number(float value) { return std::to_string(static_cast<int>(value)); }
  static std::string Text(const Vec2& v) { return "(" + Number(v.x) + "," + Number(v.y) + ")"; }
  static std::string Text(const Vec4& c) {
    return "rgba" + Number(c.r) + Number(c.g) + Number(c.b) + Number(c.a);
  }
  std::vector<std::string> calls;
};

class DebugDrawing : public ::testing::Test {
 protected:
  DebugDrawing() {
    debug.SetCanvas(&canvas);
  }
  Debug debug;
  RecordingCanvas canvas;
};

TEST_F(DebugDrawing, LinesLiveForOneFrameAndOnlyShowWhileOn) {
  debug.QueueLine(Vec2(0, 0), Vec2(5, 5), Vec4(1, 1, 1, 1));
  debug.Draw();  // flag off: dropped without drawing
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(debug.Lines().empty());

  Message on(MSG_DEBUG_ON);
  debug.SendMessage(&on);
  debug.Draw();
  EXPECT_EQ(canvas.calls, (std::vector<std::string>{"begin", "end"}));  // the old line is gone

  canvas.calls.clear();
  debug.QueueLine(Vec2(1, 2), Vec2(3, 4), Vec4(1, 0, 0, 1));
  debug.QueueLine(Vec2(1, 2), Vec2(3, 4), Vec4(1, 0, 0, 1));
  debug.Draw();
  EXPECT_EQ(canvas.calls, (std::vector<std::string>{"begin", "line (1,2) (3,4) rgba1001",
                                                    "line (1,2) (3,4) rgba1001", "end"}));
  Message off(MSG_DEBUG_OFF);
  debug.SendMessage(&off);
  canvas.calls.clear();
  debug.Draw();
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(DebugDrawing, ShapesDrawTheirOutlinesInColour) {
  // Shapes list themselves with the program's debug system; draw through it.
  DebugCanvas* previous = GetDebug().SetCanvas(&canvas);
  GetDebug().ClearShapes();
  {
    PhysicsWorld world;
    GameObject& object = world.AddBox({Vec3(10, 20, 0), 3, 2});
    Sphere circle(&object);
    circle.mCenter = Vec3(1, 1, 0);
    circle.mRadius = 4.0f;
    Message on(MSG_DEBUG_ON);
    GetDebug().SendMessage(&on);
    GetDebug().Draw();
    PhysicsWorld::BodyOf(object).colliding = true;
    GetDebug().drawShapes = true;
    GetDebug().Draw();
    GetDebug().drawShapes = false;
    GetDebug().Draw();
    GetDebug().drawShapes = true;
    Message off(MSG_DEBUG_OFF);
    GetDebug().SendMessage(&off);
  }
  GetDebug().SetCanvas(previous);
  EXPECT_EQ(canvas.calls, (std::vector<std::string>{
                              "begin", "rect (10,20) 6x4 rgba0101", "circle (11,21) 4 rgba1111", "end",
                              "begin", "rect (10,20) 6x4 rgba1001", "circle (11,21) 4 rgba1111", "end",
                              "begin", "end"}));
  EXPECT_TRUE(GetDebug().Shapes().empty());
}

}  // namespace
