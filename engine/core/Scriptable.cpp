#include "engine/core/Scriptable.h"

#include "engine/core/SceneManager.h"

void Scriptable::Initialize() {
  if (Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene()) scene->AddScript(this);
  Start();
}

void Scriptable::Shutdown() {
  if (Framework::VScene* scene = Framework::GetSceneManager().GetCurrentScene()) scene->RemoveScript(this);
  Stop();
}
