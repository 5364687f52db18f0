#pragma once
// A menu: a ring of buttons ordered from top to bottom, one of which has the
// focus, plus input actions bound to named button actions ("menu_down" to
// "NextButton", say). The list owns its buttons.
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/ui/UI.h"

class TiXmlElement;

namespace Framework {

class UIButton;

class UIButtonlist : public UI {
 public:
  // One child of the "onPress" element: when the input action fires, run
  // the button action useFunction with sysVariable as its argument.
  struct PressRecord {
    std::string useFunction;
    std::string sysVariable;
    std::string action;
  };

  explicit UIButtonlist(GameObject* owner);
  ~UIButtonlist() override;

  void Serialize(XMLSerializer& serializer) override;
  void Deserialize(XMLSerializer& serializer) override;
  std::string GetTypeName() override { return "UIButtonlist"; }
  // The new list gets copies of the buttons, with their own sprites and ring.
  GameComponent* Clone(GameObject* newOwner) override;
  void SetEnabled(bool on) override;

  // Turns the press records and the buttons' action names into actions.
  void BindFunctions();
  void Refresh(float dt) override;
  void UpdateUI(float dt) override;

  // Sorts the buttons by height, highest first, and links them into a ring.
  void SortAndLink();

  std::shared_ptr<UIButton> selected;
  std::unordered_map<std::string, std::function<void()>> bindings;
  std::vector<PressRecord> pressRecords;
  std::vector<std::shared_ptr<UIButton>> buttons;
  bool savelastSelected = false;
  std::string defaultButton;

 private:
  void ReadPressRecords(TiXmlElement* onPress);
  void RunTriggeredBindings();
};

}  // namespace Framework
