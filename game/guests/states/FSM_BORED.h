#pragma once
#include "game/guests/states/FSM_STATE.h"

class Interactable;

// Boredom: the guest walks to the nearest free prop it may use and uses it
// (eats, dances), giving up after 4 to 8 seconds out of reach. Of two props
// at the same distance it takes the earlier in the prop registry.
class FSM_BORED : public FSM_STATE {
 public:
  using FSM_STATE::FSM_STATE;
  void Enter() override;
  void Execute() override;
  // Gives up the prop in use.
  void Exit() override;

  // Kept between visits; used only while the prop is still in play.
  Interactable* targetProp = nullptr;
  float boredTimer = 0.0f;

 private:
  // The nearest prop this guest may use that has room.
  Interactable* ChooseProp(const std::vector<Framework::GameObject*>& props) const;
  void UseProp(Interactable& prop);
  bool TargetInPlay() const;
};
