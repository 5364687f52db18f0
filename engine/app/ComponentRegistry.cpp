#include "engine/app/ComponentRegistry.h"

#include "engine/core/GameObjectFactory.h"
#include "engine/core/Lifetime.h"
#include "engine/core/Transform.h"
#include "engine/graphics/ParticleEmitter.h"
#include "engine/graphics/Sprite.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Sphere.h"
#include "engine/ui/UIButtonlist.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UIMouse.h"
#include "engine/ui/UIStattrak.h"
#include "engine/ui/UIText.h"

namespace Framework {

// The game's names ("User", "Poisonable", "NPC",
// "Killer", "Detective", "Explodable", "Alarm", "DetectiveIntro",
// "ImageFader", "PlayerSelection", "NPCSuicide") are registered by the game.
void RegisterEngineComponents(GameObjectFactory& factory) {
  factory.RegisterCreator<Body>("Body");
  // A factory-made sprite starts as a 100 by 100 quad at the object, in layer 0.
  factory.AddCreator("Sprite", std::make_shared<ComponentCreatorFunction>([](GameObject* owner) {
                       return new Sprite(owner, Math::Vec2(0.0f, 0.0f), Math::Vec2(100.0f, 100.0f), 0.0f, 0);
                     }));
  // An archetype's "Transform" element always configures the object's own
  // transform; the entry exists for completeness.
  factory.RegisterCreator<Transform>("Transform");
  factory.RegisterCreator<ParticleEmitter>("ParticleEmitter");
  factory.RegisterCreator<UIImage>("UIImage");
  factory.RegisterCreator<UIStattrak>("UIStattrak");
  factory.RegisterCreator<UIButtonlist>("UIButtonlist");
  factory.RegisterCreator<UIText>("UIText");
  factory.RegisterCreator<UIMouse>("UIMouse");
  factory.RegisterCreator<Lifetime>("Lifetime");
  factory.RegisterCreator<Moveable>("Moveable");
  factory.RegisterCreator<AABB>("AABB");
  factory.RegisterCreator<OBB>("OBB");
  factory.RegisterCreator<Sphere>("Sphere");
}

}  // namespace Framework
