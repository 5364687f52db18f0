// The named button actions that button archetypes refer to.
#include <functional>
#include <string>

#include "engine/core/Engine.h"
#include "engine/core/SceneManager.h"
#include "engine/core/WindowsSystem.h"
#include "engine/ui/UI.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UISystem.h"

namespace Framework {

namespace {

using Action = std::function<void()>;

void DoNothing() {}

// The variable's address when the name is bound to a variable of type T,
// else null. Binding inserts an empty entry for a name nobody registered.
template <class T>
T* BindShared(const std::string& name, SysVarType type) {
  SysVarEntry& entry = SysVars().Bind(name);
  if (entry.address == nullptr || entry.type != type) return nullptr;
  return static_cast<T*>(entry.address);
}

Action FlipBool(const std::string& name) {
  bool* flag = BindShared<bool>(name, SysVarType::Bool);
  if (flag == nullptr) return DoNothing;
  return [flag] { *flag = !*flag; };
}

Action QuitGame(const std::string& name) {
  bool* running = BindShared<bool>(name, SysVarType::Bool);
  if (running == nullptr) return DoNothing;
  return [running] {
    Message quit(MSG_QUIT, "");
    GetEngine().BroadcastMessage(&quit);
    *running = !*running;
  };
}

Action SetVariableValue(const std::string& name) {
  float* value = BindShared<float>(name, SysVarType::Float);
  if (value == nullptr) return DoNothing;
  // The pointer's place in the world, as the slider's own place is, so a
  // zoomed or moved view keeps the knob under the pointer.
  return [value] { *value = MouseWorldPosition().x; };
}

void StepFocus(bool forward) {
  UISystem& ui = GetUISystem();
  std::shared_ptr<UIButton> focus = ui.Selected();
  if (!focus) return;
  std::shared_ptr<UIButton> neighbour = (forward ? focus->next : focus->prev).lock();
  if (neighbour) ui.Select(neighbour);
}

void PressSelected() {
  std::shared_ptr<UIButton> focus = GetUISystem().Selected();
  if (focus && focus->buttonType != UIButton::kSlider) focus->Press();
}

}  // namespace

std::function<void()> UISystem::CreateButtonAction(const std::string& name, const std::string& arg) {
  if (name == "BoolToggle") return FlipBool(arg);
  if (name == "MenuToggle") return [this, arg] { MenuToggle(arg); };
  if (name == "MenuOverwrite") return [this, arg] { MenuOverwrite(arg); };
  if (name == "QuitGame") return QuitGame(arg);
  if (name == "ChangeScene") return [arg] { GetSceneManager().ChangeScene(arg); };
  if (name == "CheckPlayers") {
    return [this, arg] {
      if (PlayersReady()) GetSceneManager().ChangeScene(arg);
    };
  }
  if (name == "SelectButton") return PressSelected;
  if (name == "NextButton") return [] { StepFocus(true); };
  if (name == "PrevButton") return [] { StepFocus(false); };
  if (name == "ResetThisScene") return [] { GetSceneManager().reload = true; };
  if (name == "FullScreenToggle") return [] { GetWindowsSystem().SetFullscreen(!GetEngine().fullscreen); };
  if (name == "SetVariableValue") return SetVariableValue(arg);
  if (name == "TogglePause") return [this] { TogglePause(); };
  return DoNothing;
}

}  // namespace Framework
