#pragma once
#include "engine/core/VScene.h"

class ImageFader;

// The splash screen: shows the pages of its "Fader" object, then moves on
// to the main menu. Pause, confirm or a left click skip it.
class SplashScene : public Framework::VScene {
 public:
  void Initialize() override;
  void Update(float dt) override;
  void Unload() override;
  void Restart() override;

 private:
  bool SkipPressed() const;

  ImageFader* fader = nullptr;  // the "Fader" object's; not owned
};
