#pragma once

// Creates the fourteen scenes, adds each to the scene manager under its
// name, and asks for "splash".
void AddGameScenes();
