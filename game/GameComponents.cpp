#include "game/GameComponents.h"

#include "engine/core/GameObjectFactory.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/match/DetectiveIntro.h"
#include "game/match/NPCSuicide.h"
#include "game/menus/ImageFader.h"
#include "game/menus/PlayerSelection.h"
#include "game/props/Alarm.h"
#include "game/props/Explodable.h"
#include "game/props/Poisonable.h"
#include "game/props/User.h"

// One line per component; keep them in type-id order.
void RegisterGameComponents(Framework::GameObjectFactory& factory) {
  factory.RegisterCreator<User>("User");
  factory.RegisterCreator<Poisonable>("Poisonable");
  factory.RegisterCreator<NPC>("NPC");
  factory.RegisterCreator<Killer>("Killer");
  factory.RegisterCreator<Detective>("Detective");
  factory.RegisterCreator<Explodable>("Explodable");
  factory.RegisterCreator<Alarm>("Alarm");
  factory.RegisterCreator<DetectiveIntro>("DetectiveIntro");
  factory.RegisterCreator<ImageFader>("ImageFader");
  factory.RegisterCreator<PlayerSelection>("PlayerSelection");
  factory.RegisterCreator<NPCSuicide>("NPCSuicide");
}
