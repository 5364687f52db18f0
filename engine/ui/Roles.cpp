#include "engine/ui/Roles.h"

int detectiveController = -1;
int killerController = -1;
