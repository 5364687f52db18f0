#include "game/props/PlayerUse.h"

#include "engine/core/GameObject.h"
#include "game/props/User.h"

bool IsPlayer(const User* user) { return user && user->GetOwner() && user->GetOwner()->GetTag() == "player"; }
