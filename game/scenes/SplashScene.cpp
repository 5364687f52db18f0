#include "game/scenes/SplashScene.h"

#include "engine/core/GameObject.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "game/menus/ImageFader.h"
#include "game/scenes/MainMenuScene.h"

namespace {

const char* const kNextScene = "mainmenu";

}  // namespace

void SplashScene::Initialize() {
  // The pointer was last seen before the window went fullscreen; until it
  // moves again it must not take the main menu's focus from Play.
  Framework::GetInputManager().mouseInUse = false;
  Framework::GameObject* object = FindObject("Fader");
  fader = object ? object->GetComponent<ImageFader>() : nullptr;
  if (fader == nullptr) Framework::GetSceneManager().ChangeScene(kNextScene);
}

void SplashScene::Update(float) {
  // Asked again every frame until the switch begins: the request is cheap
  // and survives anything else asking for a scene meanwhile.
  if ((fader && fader->finished) || SkipPressed()) Framework::GetSceneManager().ChangeScene(kNextScene);
}

// Triggers only: the press that skips is used up here, so the same key
// held into the main menu does not also press its first button.
bool SplashScene::SkipPressed() const {
  Framework::InputManager& input = Framework::GetInputManager();
  return input.IsActionTriggered(0, "pause_game") || input.IsActionTriggered(0, "confirm_choice") ||
         input.IsKeyTriggered(Framework::kKeyRowLeftClick);
}

void SplashScene::Unload() { SilenceSceneAudio(); }

void SplashScene::Restart() { RestartCurrentScene(); }
