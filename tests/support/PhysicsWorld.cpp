#include "support/PhysicsWorld.h"

#include <fstream>

#include "engine/physics/MapperFF.h"
#include "engine/physics/Physics.h"

namespace TestSupport {

PhysicsWorld::PhysicsWorld() { Framework::GetPhysics().ClearScene(); }

PhysicsWorld::~PhysicsWorld() {
  for (auto& object : objects) object->ShutdownComponents();
  objects.clear();
  Framework::GetPhysics().ClearScene();
}

Framework::GameObject& PhysicsWorld::AddBox(const BoxSetup& setup) {
  auto object = std::make_shared<Framework::GameObject>(setup.position);
  auto body = std::make_shared<Framework::Body>(object.get());
  body->layer_id = setup.layer;
  body->mIsStatic = setup.isStatic;
  body->velocity = setup.velocity;
  body->Mass = setup.mass;
  body->Friction = setup.friction;
  auto box = std::make_shared<Framework::AABB>(object.get());
  box->mRadiusX = setup.halfWidth;
  box->mRadiusY = setup.halfHeight;
  object->AddComponent(box);
  object->AddComponent(body);
  object->InitializeComponents();
  objects.push_back(object);
  return *object;
}

Framework::GameObject& PhysicsWorld::AddBodyOnly(const Math::Vec3& position) {
  auto object = std::make_shared<Framework::GameObject>(position);
  auto body = std::make_shared<Framework::Body>(object.get());
  body->Mass = 1.0f;
  body->Friction = 1.0f;
  object->AddComponent(body);
  object->InitializeComponents();
  objects.push_back(object);
  return *object;
}

void PhysicsWorld::LoadOpenGrid(const std::string& folder) {
  const std::string path = folder + "/open_grid.txt";
  std::ofstream(path) << GridText(64, 36);
  GetMapperFF().Load(path, 1280, 720);
}

std::string GridText(int columns, int rows, const std::function<int(int, int)>& cell) {
  std::string text = "Width " + std::to_string(columns) + "\nHeight " + std::to_string(rows) + "\n";
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      text += std::to_string(cell ? cell(column, row) : 0) + " ";
    }
    text += "\n";
  }
  return text;
}

}  // namespace TestSupport
