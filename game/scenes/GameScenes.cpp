#include "game/scenes/GameScenes.h"

#include "engine/core/SceneManager.h"
#include "game/scenes/DinnerScene.h"
#include "game/scenes/MainMenuScene.h"
#include "game/scenes/SplashScene.h"
#include "game/scenes/TutorialScene.h"

void AddGameScenes() {
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  scenes.AddScene(new SplashScene, "splash");
  // The three menu screens share a class but each keeps its own objects.
  scenes.AddScene(new MainMenuScene, "mainmenu");
  scenes.AddScene(new MainMenuScene, "playerselect");
  scenes.AddScene(new MainMenuScene, "levelselect");
  scenes.AddScene(new TutorialScene, "tutorial");
  for (const char* level : {"level1_1", "level1_2", "level1_3", "level2_1", "level2_2", "level2_3",
                            "level3_1", "level3_2", "level3_3"}) {
    scenes.AddScene(new DinnerScene, level);
  }
  scenes.ChangeScene("splash");
}
