#pragma once
#include "engine/core/VScene.h"

// The menu scenes: main menu, player select and level select. Their menus
// are button lists built from the scenes' archetypes; the scene itself only
// chooses the music.
class MainMenuScene : public Framework::VScene {
 public:
  void Initialize() override;
  void Unload() override;
  void Restart() override;
};

// What every front-end scene does when it is left or asked to restart.
void SilenceSceneAudio();
void RestartCurrentScene();
