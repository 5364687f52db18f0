#include "game/GameComponents.h"

#include "engine/core/GameObjectFactory.h"
#include "game/guests/NPC.h"
#include "game/menus/ImageFader.h"
#include "game/menus/PlayerSelection.h"
#include "game/props/User.h"

// One line per component; keep them in type-id order.
void RegisterGameComponents(Framework::GameObjectFactory& factory) {
  factory.RegisterCreator<User>("User");
  factory.RegisterCreator<NPC>("NPC");
  factory.RegisterCreator<ImageFader>("ImageFader");
  factory.RegisterCreator<PlayerSelection>("PlayerSelection");
}
