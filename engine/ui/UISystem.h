#pragma once
// Drives every UI element once per frame and ties the UI to the rest of the
// game: it turns the action names written in button archetypes into
// callable actions, keeps the stack of open menus and shows or hides a menu
// as the set of UI elements whose owner carries the menu's tag. The
// shared-variable registry it holds lives in SysVars.h.
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/core/Lerp.h"
#include "engine/core/System.h"
#include "engine/ui/SysVars.h"

namespace Framework {

class UI;
class UIButton;

class UISystem : public System {
 public:
  // How long a level button must keep the focus in "levelselect" before it
  // starts to turn, and how far it turns per frame after that.
  static constexpr float kSpinDelay = 10.0f;
  static constexpr float kSpinStep = 2.0f;

  UISystem();
  ~UISystem() override;

  std::string GetName() override { return "UI"; }
  void Initialize() override;
  void Update(float dt) override;

  // The element list, in construction order. Elements add and remove
  // themselves.
  void AddElement(UI* element);
  void RemoveElement(UI* element);
  const std::vector<UI*>& Elements() const { return elements; }

  // Menus: every element whose owner's tag equals tag.
  void ToggleMenu(const std::string& tag);
  void SetMenuEnabled(const std::string& tag, bool on);
  // ToggleMenu, then take the tag off the open-menu stack or push it.
  void MenuToggle(const std::string& tag);
  // Closes the menu on top of the stack (if any), then toggles tag.
  void MenuOverwrite(const std::string& tag);
  // Toggles the pause panel and the engine's paused flag.
  void TogglePause();
  // The elements whose owner's name contains part, in list order.
  std::vector<UI*> FindElements(const std::string& part) const;

  // Binds the actions of every button list; run at scene start once the
  // scene's objects are initialised.
  void SetUpButtonLists();
  // The action written as name (and argument) in a button archetype; an
  // unknown name gives an action that does nothing.
  std::function<void()> CreateButtonAction(const std::string& name, const std::string& arg);
  // The game answers whether both players have their roles, which the
  // "CheckPlayers" action waits for. Without an answer nobody is ready.
  void SetPlayersReadyCheck(std::function<bool()> check) { playersReadyCheck = std::move(check); }
  bool PlayersReady() const { return playersReadyCheck && playersReadyCheck(); }

  // Forgets what belonged to the scene being left: the open menus and the
  // focused button. The level buttons' hold timers stay: the match that a
  // held button leads to reads them.
  void ClearSceneState();

  // The button with the focus of the active button list; empty when none
  // (or when its list is gone).
  std::shared_ptr<UIButton> Selected() const { return selected.lock(); }
  void Select(const std::shared_ptr<UIButton>& button) { selected = button; }
  bool IsSelected(const UIButton* button) const;

  // Open menu tags, most recent last.
  std::vector<std::string> openMenus;
  // Used only as timers for the level-select spin.
  Utility::LerpStartEnd<float> mallSpin;
  Utility::LerpStartEnd<float> carnivalSpin;

 private:
  void UpdateLevelSelectSpin(float dt);

  std::vector<UI*> elements;
  std::function<bool()> playersReadyCheck;
  // Held weakly: the button belongs to its list, which goes with its scene.
  std::weak_ptr<UIButton> selected;
};

UISystem& GetUISystem();

}  // namespace Framework
