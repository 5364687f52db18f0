#include "engine/core/GameObject.h"

#include <algorithm>

namespace Framework {

GameObject::GameObject(const Math::Vec3& position, const Math::Vec3& scale, float rotation)
    : transform(this, position, scale, rotation), transformPtr(&transform) {}

GameObject::~GameObject() = default;

void GameObject::SetName(const std::string& value) {
  if (names) {
    names->Add(value);
    names->Remove(name);
  }
  name = value;
}

void GameObject::JoinNames(ObjectNames* joined) {
  LeaveNames();
  names = joined;
  if (names) names->Add(name);
}

void GameObject::LeaveNames() {
  if (names) names->Remove(name);
  names = nullptr;
}

void GameObject::AddComponent(std::shared_ptr<GameComponent> component) {
  if (!component) return;
  const int typeId = component->GetTypeId();
  auto place = std::upper_bound(components.begin(), components.end(), typeId,
                                [](int id, const std::shared_ptr<GameComponent>& other) {
                                  return id < other->GetTypeId();
                                });
  components.insert(place, std::move(component));
}

std::shared_ptr<GameComponent> GameObject::GetComponent(int typeId) const {
  for (const auto& component : components) {
    if (component->GetTypeId() == typeId) return component;
  }
  return nullptr;
}

std::vector<GameComponent*> GameObject::GetComponents() const {
  std::vector<GameComponent*> all;
  all.reserve(components.size() + 1);
  all.push_back(transformPtr);
  for (const auto& component : components) all.push_back(component.get());
  return all;
}

void GameObject::InitializeComponents() {
  // Copy the list: a component's Initialize may add components.
  auto snapshot = components;
  for (const auto& component : snapshot) component->Initialize();
}

void GameObject::ShutdownComponents() {
  auto snapshot = components;
  for (const auto& component : snapshot) component->Shutdown();
}

void GameObject::SetEnabled(bool active) {
  for (GameComponent* component : GetComponents()) {
    if (component->IsToggleable()) component->SetEnabled(active);
  }
  enabled = active;
}

}  // namespace Framework
