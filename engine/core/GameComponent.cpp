#include "engine/core/GameComponent.h"

#include "engine/core/GameObject.h"

namespace Framework {

GameComponent::GameComponent(GameObject* componentOwner, int componentTypeId)
    : typeId(componentTypeId),
      owner(componentOwner),
      ownerTransform(componentOwner ? &componentOwner->GetTransform() : nullptr) {}

void GameComponent::AttachTo(GameObject* newOwner) {
  owner = newOwner;
  ownerTransform = newOwner ? &newOwner->GetTransform() : nullptr;
}

std::shared_ptr<GameComponent> GameComponent::GetComponent(int componentTypeId) const {
  return owner ? owner->GetComponent(componentTypeId) : nullptr;
}

}  // namespace Framework
