#include "game/scenes/DinnerScene.h"

#include <string>
#include <vector>

#include "engine/audio/AudioManager.h"
#include "engine/core/Engine.h"
#include "engine/core/FileHelpers.h"
#include "engine/core/InputManager.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Transform.h"
#include "engine/graphics/Camera.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/platform/Platform.h"
#include "engine/ui/SysVars.h"
#include "engine/ui/UIImage.h"
#include "engine/ui/UIStattrak.h"
#include "engine/ui/UISystem.h"
#include "game/characters/Detective.h"
#include "game/characters/Killer.h"
#include "game/guests/NPC.h"
#include "game/guests/NPCManager.h"
#include "game/match/DetectiveIntro.h"
#include "game/match/KillTarget.h"
#include "game/match/RoomView.h"

using Framework::GameObject;

int DinnerScene::killTarget = 0;

namespace {

const char* const kPausePanel = "PausePanel";
const char* const kPauseAction = "pause_game";
const Math::Vec2 kHudHidden(-600.0f, 0.0f);
const Math::Vec2 kHudShown(0.0f, 0.0f);

// One of the three guest looks, and whether it has a man's voice.
struct GuestLook {
  const char* texture;
  bool male;
};

GuestLook LookFor(int draw) {
  if (draw == 1) return {"NPCMale2", true};
  if (draw == 2) return {"NPCFemale1", false};
  return {"NPCMale1", true};
}

void Dress(GameObject& person, Character& character, GuestLook look) {
  character.male = look.male;
  if (auto* sprite = person.GetComponent<Framework::Sprite>()) sprite->SetTexture(look.texture);
}

// Every match publishes the same counters; reloading one must not read as
// a clash with another variable of that name.
void Publish(const char* counter, int* address) {
  const Framework::SysVarEntry* entry = Framework::SysVars().Find(counter);
  if (!entry || entry->address != address) Framework::SysVars().Register(counter, address);
}

bool PauseTriggered(int player) { return Framework::GetInputManager().IsActionTriggered(player, kPauseAction); }

}  // namespace

DinnerScene::DinnerScene() = default;

void DinnerScene::Load() {
  killTarget = ReadKillTarget(kKillerObjectiveFile, killTarget);
  NPCManager& crowd = GetNPCManager();
  crowd.MaxKills = killTarget;
  Publish("Kills", &crowd.Kills);
  Publish("Captures", &crowd.Captures);
  Publish("MaxKills", &crowd.MaxKills);
  Publish("MaxCaptures", &crowd.MaxCaptures);
  panic.LoadSettings(Framework::GetSceneFolder() + "panic_info.xml");
  panicAllowed = panic.enabled;
}

void DinnerScene::Initialize() {
  panelShown = fadeActive = outroActive = outroFinished = false;
  waitingForCue = true;
  outroStep = [this](float dt) { DetectiveOutroStep(dt); };
  detective = Find("Player1");
  killer = Find("Player2");
  blackScreen = Find("BlackScreen");
  BindDetective();
  DisguiseKiller();
  GetNPCManager().Captures = GetNPCManager().MaxCaptures;
  outroDuration = kOutroDuration;
  Framework::AudioManager& audio = Framework::GetAudioManager();
  audio.StopLastEffect();
  audio.StopAll();
  PlayLevelMusic();
  PrepareCrowd();
  panic.Reset();
  panic.calmCrowd = [] { GetNPCManager().CalmAll(); };
  BindIntro();
  Framework::GetInputManager().mouseInUse = false;
  PrepareDetectiveHud();
  FrameTheRoom(*this);  // people by any wall show whole, and so do their bubbles
  SelectPostEffect();
  // The winner panel drops to the middle of the screen, wherever the room's framing put the camera.
  const Math::Vec3 middle(Framework::GetCamera().position.x, Framework::GetCamera().position.y, 0.0f);
  panelDrop = Utility::LerpStartEnd<Math::Vec3>(middle + Math::Vec3(0, 500, 0), middle, Utility::BounceOut, 2.0f);
}

void DinnerScene::BindDetective() {
  Detective* sleuth = detective ? detective->GetComponent<Detective>() : nullptr;
  if (!sleuth) return;
  sleuth->addStrikes = [this](int count) { panic.AddStrikes(count); };
  sleuth->strikesExhausted = [this] { return panic.StrikesExhausted(); };
}

// The Killer hides in the crowd by wearing one of the guests' looks.
void DinnerScene::DisguiseKiller() {
  const int draw = Platform::Random() % 4;
  Killer* murderer = killer ? killer->GetComponent<Killer>() : nullptr;
  if (murderer) Dress(*killer, *murderer, LookFor(draw == 3 ? 0 : draw));
}

void DinnerScene::PlayLevelMusic() {
  const std::string& scene = name;
  for (const char* level : {"level1", "level2", "level3"}) {
    if (scene.find(level) == std::string::npos) continue;
    const std::string track = std::string("Level") + level[5];
    Framework::GetAudioManager().PlayDrum(track + "Drum");
    Framework::GetAudioManager().PlayBGM(track);
    return;
  }
}

// The Killer takes a random guest's place, so nobody knows where it starts;
// every guest gets a look and reports its panic and death to this match.
void DinnerScene::PrepareCrowd() {
  const std::vector<GameObject*> guests = FindObjectsByTag("enemy");
  if (!guests.empty()) {
    GameObject* swapped = guests[Platform::Random() % guests.size()];
    if (killer) std::swap(swapped->GetTransform().position, killer->GetTransform().position);
  }
  for (GameObject* guest : guests) {
    const GuestLook look = LookFor(Platform::Random() % 3);
    NPC* npc = guest->GetComponent<NPC>();
    if (!npc) continue;
    Dress(*guest, *npc, look);
    npc->AddPanicSource = [this](int count) { panic.AddPanicSource(count); };
    npc->AddStrikes = [this](int count) { panic.AddStrikes(count); };
  }
}

DetectiveIntro* DinnerScene::Intro() const {
  GameObject* start = Framework::GetSceneManager().FindObject("DetectiveStart");
  return start ? start->GetComponent<DetectiveIntro>() : nullptr;
}

// The panic waits for the Detective; a level that switches the panic off
// keeps it off.
void DinnerScene::BindIntro() {
  DetectiveIntro* intro = Intro();
  if (!intro) return;
  intro->arrivalCallback = [this](bool arrived) {
    if (panicAllowed) panic.SetEnabled(arrived);
  };
  panic.SetEnabled(false);
}

void DinnerScene::PrepareDetectiveHud() {
  GameObject* hud = Find("UIDetectiveHUD");
  if (!hud) return;
  if (auto* image = hud->GetComponent<Framework::UIImage>()) image->SetEnabled(true);
  if (auto* countdown = hud->GetComponent<Framework::UIStattrak>()) countdown->SetEnabled(true);
  hudSlideIn = Utility::LerpStartEnd<Math::Vec2>(kHudHidden, kHudShown, Utility::BounceOut, 2.0f);
  hudSlideOut = Utility::LerpStartEnd<Math::Vec2>(kHudShown, kHudHidden, Utility::QuadIn, 1.0f);
}

// Holding a venue's button on the level select gives the match its look.
void DinnerScene::SelectPostEffect() {
  Framework::UISystem& ui = Framework::GetUISystem();
  if (ui.mallSpin.IsDone()) {
    Framework::GraphicsSystem::SetPostEffect("POST_BLACKWHITE");
  } else if (ui.carnivalSpin.IsDone()) {
    Framework::GraphicsSystem::SetPostEffect("POST_FALLOUT");
  }
}

void DinnerScene::Update(float dt) {
  if (outroActive) {
    if (fadeActive) AdvanceOutroFade(dt);
    if (outroStep) outroStep(dt);
  }
  HandlePause();
  if (Framework::GetEngine().paused) return;
  SlideDetectiveHud(dt);
  if (panelShown) {
    DropPanel(dt);
    return;
  }
  Framework::GetInputManager().mouseInUse = false;
  if (outroFinished) {
    ShowWinnerPanel();
    return;
  }
  CheckForEnd(dt);
}

void DinnerScene::AdvanceOutroFade(float dt) {
  fade.Update(dt);
  const float value = fade.GetValue();
  if (blackScreen) {
    if (auto* sprite = blackScreen->GetComponent<Framework::Sprite>()) sprite->colour.a = value;
  }
  for (Framework::Sprite* sprite : Framework::GetGraphicsSystem().layers[Framework::GraphicsSystem::kPausedLayer].sprites) {
    const std::string owner = sprite->GetOwner() ? sprite->GetOwner()->GetName() : "";
    if (owner != "DWinPanel" && owner != "KWinPanel" && owner != "UIMouse") sprite->colour.a = 1.0f - value;
  }
  if (!fade.IsDone()) return;
  fadeActive = false;
  // The bar's words are drawn over every layer, so they would stay on the
  // black screen after the bar itself has faded away.
  Framework::GetUISystem().SetMenuEnabled("hud", false);
}

// Pause is refused once the match has ended; the outro is tested first so
// that the winner's panel still sees the key.
void DinnerScene::HandlePause() {
  Framework::UISystem& ui = Framework::GetUISystem();
  if (ui.openMenus.empty() || ui.openMenus.back() == kPausePanel) {
    if (!outroActive && PauseTriggered(0)) ui.TogglePause();
  } else if (!outroActive && !Platform::Current().IsWindowActive() && !Framework::GetEngine().paused) {
    ui.TogglePause();
  }
}

void DinnerScene::SlideDetectiveHud(float dt) {
  GameObject* hud = Find("UIDetectiveHUD");
  if (!hud) return;
  auto* image = hud->GetComponent<Framework::UIImage>();
  auto* countdown = hud->GetComponent<Framework::UIStattrak>();
  if (hudSlideOut.IsDone()) {
    if (image) image->SetEnabled(false);
    if (countdown) countdown->SetEnabled(false);
    return;
  }
  DetectiveIntro* intro = Intro();
  if (!intro || !intro->started) return;
  Utility::LerpStartEnd<Math::Vec2>* slide = nullptr;
  if (!hudSlideIn.IsDone()) {
    slide = &hudSlideIn;
  } else if (intro->walking) {
    slide = &hudSlideOut;
  }
  if (!slide) return;
  slide->Update(dt);
  const Math::Vec2 at = slide->GetValue();
  if (image) image->position = at;
  if (countdown) countdown->position = at - Math::Vec2(kHudTextLeft, kHudTextDown);
}

void DinnerScene::DropPanel(float dt) {
  panelDrop.Update(dt);
  if (GameObject* panel = Find(DetectiveWins() ? "DWinPanel" : "KWinPanel")) {
    panel->GetTransform().position = panelDrop.GetValue();
  }
}

bool DinnerScene::DetectiveWins() const { return !GetNPCManager().roundOver && !panic.StrikesExhausted(); }

void DinnerScene::ShowWinnerPanel() {
  const bool detectiveWins = DetectiveWins();
  Framework::GetUISystem().SetMenuEnabled(detectiveWins ? "DWinPanel" : "KWinPanel", true);
  Framework::GetAudioManager().PlayBGM(detectiveWins ? "Victory_Detective" : "Victory_Killer");
  panelShown = true;
}

void DinnerScene::CheckForEnd(float dt) {
  const bool killerWins = GetNPCManager().roundOver || panic.StrikesExhausted();
  if ((killerWins || IsKillerCaught()) && !outroActive) {
    StartOutro(killerWins);
    return;
  }
  panic.Update(dt);
}

bool DinnerScene::IsKillerCaught() const {
  Killer* murderer = killer ? killer->GetComponent<Killer>() : nullptr;
  return murderer && !murderer->alive;
}

void DinnerScene::Draw() {
  if (panelShown && (PauseTriggered(1) || PauseTriggered(2))) Framework::GetSceneManager().ChangeScene("mainmenu");
}

void DinnerScene::Unload() {
  Framework::AudioManager& audio = Framework::GetAudioManager();
  audio.StopLastEffect();
  audio.StopAll();
  Framework::GraphicsSystem::ResetPostEffect();
}

void DinnerScene::Restart() { Framework::GetSceneManager().reload = true; }
