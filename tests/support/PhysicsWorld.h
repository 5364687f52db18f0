#pragma once
// Builds small physics scenes for tests: objects with a body and a box,
// walkability grid files, and a clean physics system.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/GameObject.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"

namespace TestSupport {

struct BoxSetup {
  BoxSetup(const Math::Vec3& at, float halfW = 1.0f, float halfH = 1.0f, unsigned layerId = 0,
          bool staticBody = false, const Math::Vec3& startVelocity = Math::Vec3())
      : position(at), halfWidth(halfW), halfHeight(halfH), layer(layerId), isStatic(staticBody),
        velocity(startVelocity) {}
  Math::Vec3 position;
  float halfWidth = 1.0f;
  float halfHeight = 1.0f;
  unsigned layer = 0;
  bool isStatic = false;
  Math::Vec3 velocity;
  float mass = 1.0f;
  float friction = 1.0f;
};

// Owns the objects of a test scene; empties the physics system on both ends
// so scenes never see each other's bodies.
class PhysicsWorld {
 public:
  PhysicsWorld();
  ~PhysicsWorld();
  PhysicsWorld(const PhysicsWorld&) = delete;
  PhysicsWorld& operator=(const PhysicsWorld&) = delete;

  // An object with a body and a box, initialised (joined to the physics system).
  Framework::GameObject& AddBox(const BoxSetup& setup);
  // An object with only a body.
  Framework::GameObject& AddBodyOnly(const Math::Vec3& position);
  Framework::GameObject& Object(size_t index) { return *objects.at(index); }
  static Framework::Body& BodyOf(Framework::GameObject& object) { return *object.GetComponent<Framework::Body>(); }
  static Framework::AABB& BoxOf(Framework::GameObject& object) { return *object.GetComponent<Framework::AABB>(); }

  // Lays a 64 x 36 grid over a 1280 x 720 world (20 x 20 unit cells) with
  // every cell walkable.
  static void LoadOpenGrid(const std::string& folder);

 private:
  std::vector<std::shared_ptr<Framework::GameObject>> objects;
};

// The text of a grid file, rows from the top; cell(column, row) gives each
// value, every cell 0 (walkable) when it is empty.
std::string GridText(int columns, int rows, const std::function<int(int, int)>& cell = {});

}  // namespace TestSupport
