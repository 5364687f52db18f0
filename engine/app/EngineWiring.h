#pragma once
// The one place that knows every engine system: it fills the engine's
// system list and connects the core (frame loop, object factory, scene
// manager) to the systems above it. The core itself includes none of them.

namespace Framework {

class Engine;

// The eleven systems in update order, after handing the window size to the
// graphics system.
void RegisterSystems(Engine& engine);

// Installs the draw pass, the shared flags, the engine's component registry
// and the systems' scene-switch steps. Safe to call more than once.
void WireEngine();

}  // namespace Framework
