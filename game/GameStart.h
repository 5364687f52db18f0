#pragma once

// Builds the game around the platform backend already set: the window,
// the engine with its systems, the game's components, its part of a scene
// switch and its answer to "are both roles taken", then shows the window.
// The game itself starts with AddGameScenes.
void StartGame();
