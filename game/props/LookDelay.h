#pragma once
// How long a sabotaged prop keeps its innocent look. The first frame after
// a sabotage draws the delay; later frames count it down, and when it runs
// out the prop shows its sabotaged look. Reset() makes the next sabotage
// wait a freshly drawn delay.
#include <string>

class LookDelay {
 public:
  // One frame of a sabotaged prop whose look has not changed yet.
  // `shortest` and `longest` bound the delay drawn on the first frame.
  void Advance(float dt, float shortest, float longest);
  void Reset();

  float timer = 0.0f;
  bool shown = false;
};

// The look of a dish or a rigged prop: its sabotaged variants once the
// sabotage shows, the "Interact" ones while somebody is using it.
std::string SabotageLook(bool sabotageShown, bool available);
