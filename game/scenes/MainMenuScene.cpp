#include "game/scenes/MainMenuScene.h"

#include "engine/audio/AudioManager.h"
#include "engine/core/SceneManager.h"

void SilenceSceneAudio() {
  Framework::AudioManager& audio = Framework::GetAudioManager();
  audio.StopLastEffect();
  audio.StopAll();
}

void RestartCurrentScene() { Framework::GetSceneManager().reload = true; }

void MainMenuScene::Initialize() {
  SilenceSceneAudio();
  Framework::GetAudioManager().PlayBGM(name == "mainmenu" ? "MainMenu" : "Loading");
}

void MainMenuScene::Unload() { SilenceSceneAudio(); }

void MainMenuScene::Restart() { RestartCurrentScene(); }
