#pragma once

namespace Framework {

class GameObjectFactory;

// Registers the engine's components with the factory under their names.
// The game registers its own script components the same way at start-up.
void RegisterEngineComponents(GameObjectFactory& factory);

}  // namespace Framework
