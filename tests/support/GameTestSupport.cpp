#include "support/GameTestSupport.h"

#include <algorithm>

#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "game/props/User.h"

namespace TestSupport {

UseResult TestProp::Interact(User* user) {
  if (!HasUser(user)) return StartUse(user, kind);
  if (IsUseFinished(user)) {
    UseResult result;
    result.kind = sabotaged ? "poisoned" : kind;
    return result;
  }
  return ContinueUse(user, kind);
}

GameObjects::~GameObjects() {
  for (auto& object : objects) object->ShutdownComponents();
}

Framework::GameObject& GameObjects::Add(const Math::Vec3& position, const std::string& tag) {
  objects.push_back(std::make_shared<Framework::GameObject>(position));
  objects.back()->SetTag(tag);
  return *objects.back();
}

void GameObjects::AttachBodyParts(Framework::GameObject& object, float halfSize, float speed) {
  object.AddComponent(std::make_shared<Framework::Sprite>(&object, Math::Vec2(0, 0), Math::Vec2(100, 100), 0.0f, 1));
  auto& body = Attach<Framework::Body>(object);
  body.Mass = 1.0f;
  body.Friction = 0.5f;
  body.mUseGravity = false;
  body.mPosition = object.GetTransform().position;
  auto& box = Attach<Framework::AABB>(object);
  box.mRadiusX = box.mRadiusY = halfSize;
  Attach<Moveable>(object).mSpeed = speed;
}

User& GameObjects::AttachUser(Framework::GameObject& object, const std::set<std::string>& names) {
  User& user = Attach<User>(object);
  user.names = names;
  return user;
}

void GameObjects::Destroy(Framework::GameObject& object) {
  object.ShutdownComponents();
  objects.erase(std::remove_if(objects.begin(), objects.end(), [&](const auto& held) { return held.get() == &object; }),
                objects.end());
}

}  // namespace TestSupport
