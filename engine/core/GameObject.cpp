#include "engine/core/GameObject.h"

#include <algorithm>

namespace Framework {

GameObject::GameObject(const Math::Vec3& position, const Math::Vec3& scale, float rotation)
    : transform(this, position, scale, rotation), transformPtr(&transform) {}

GameObject::~GameObject() = default;

void GameObject::AddComponent(std::shared_ptr<GameComponent> component) {
  if (!component) return;
  components.push_back(std::move(component));
  std::stable_sort(components.begin(), components.end(),
                   [](const std::shared_ptr<GameComponent>& a, const std::shared_ptr<GameComponent>& b) {
                     return a->GetTypeId() < b->GetTypeId();
                   });
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
