#pragma once

namespace Framework {
class GameObjectFactory;
}

// Registers every game component with the factory under its archetype
// name. Called once at start-up, after the engine's own components.
void RegisterGameComponents(Framework::GameObjectFactory& factory);
