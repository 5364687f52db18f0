#pragma once

// The opening's forced guest ends its part by starting the Detective's
// entrance. The component on the object named "DetectiveStart" implements
// this, so the guests need not know how the entrance is played.
class EntranceStarter {
 public:
  virtual ~EntranceStarter() = default;
  virtual void StartEntrance() = 0;
};

// Starts the entrance of the current scene's "DetectiveStart"; nothing when
// the scene has none.
void StartDetectiveEntrance();
