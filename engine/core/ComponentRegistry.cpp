#include "engine/core/ComponentRegistry.h"

#include "engine/core/GameObjectFactory.h"
#include "engine/core/Lifetime.h"
#include "engine/core/Transform.h"

namespace Framework {

// Registration order of the engine's names: "Body", "Sprite", "Transform",
// "ParticleEmitter", "UIImage", "UIStattrak", "UIButtonlist", "UIText",
// "UIMouse", "Lifetime", "Moveable", "AABB", "OBB", "Sphere". Each system
// adds its line here once its component exists; the game's names ("User",
// "Poisonable", "NPC", "Killer", "Detective", "Explodable", "Alarm",
// "DetectiveIntro", "ImageFader", "PlayerSelection", "NPCSuicide") are
// registered by the game.
void RegisterEngineComponents(GameObjectFactory& factory) {
  // An archetype's "Transform" element always configures the object's own
  // transform; the entry exists for completeness.
  factory.RegisterCreator<Transform>("Transform");
  factory.RegisterCreator<Lifetime>("Lifetime");
}

}  // namespace Framework
