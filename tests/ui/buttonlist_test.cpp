// Button lists and the UI system's actions and menus, driven through the
// test input backend.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "engine/graphics/GraphicsSystem.h"
#include "engine/graphics/Sprite.h"
#include "engine/ui/UIButton.h"
#include "engine/ui/UIButtonlist.h"
#include "engine/ui/UIImage.h"
#include "support/UITestSupport.h"

namespace {

using Framework::GameObject;
using Framework::UIButton;
using Framework::UIButtonlist;
using Framework::UIImage;

constexpr int kLeftClick = Framework::kKeyRowLeftClick;

std::string Field(const std::string& name, const std::string& type, const std::string& value) {
  return "<" + name + " " + type + "=\"" + value + "\"/>";
}

std::string Header(const std::string& name, const std::string& tag, bool enabled = true) {
  return Field("Enabled", "bool", enabled ? "true" : "false") + Field("Name", "string", name) +
         Field("Tag", "string", tag);
}

struct ButtonSpec {
  ButtonSpec(std::string buttonName, float at, std::string buttonType = "Default", std::string function = "",
             std::string variable = "")
      : name(std::move(buttonName)), y(at), type(std::move(buttonType)), useFunction(std::move(function)),
        sysVariable(std::move(variable)) {}
  std::string name;
  float y;
  std::string type;
  std::string useFunction;
  std::string sysVariable;
};

std::string ButtonXml(const ButtonSpec& b) {
  return "<Button>" + Field("buttonType", "string", b.type) + Field("buttonName", "string", b.name) +
         Field("buttontextureSet", "string", "ui_button") + Field("position", "Vec2", "0," + std::to_string(b.y)) +
         Field("size", "Vec2", b.type == "Slider" ? "200,20" : "200,50") +
         Field("defaultState", "string", b.type == "Slider" ? "Track" : "Default") +
         Field("hoverState", "string", b.type == "Slider" ? "Muted" : "Hover") +
         Field("selectState", "string", b.type == "Slider" ? "Track" : "Select") +
         Field("useFunction", "string", b.useFunction) + Field("sysVariable", "string", b.sysVariable) + "</Button>";
}

// The keyboard menu bindings every list in these tests carries.
const std::string kMenuKeys =
    "<onPress>"
    "<menu_down><useFunction string=\"NextButton\"/><sysVariable string=\"\"/></menu_down>"
    "<menu_up><useFunction string=\"PrevButton\"/><sysVariable string=\"\"/></menu_up>"
    "<menu_select><useFunction string=\"SelectButton\"/><sysVariable string=\"\"/></menu_select>"
    "</onPress>";

class ButtonListTest : public TestSupport::UIFixture {
 protected:
  void SetUp() override {
    UIFixture::SetUp();
    Framework::SysVars().RegisterDirect("testFlag", &flag);
    Framework::SysVars().RegisterDirect("testVolume", &volume);
  }

  UIButtonlist* BuildList(const std::vector<ButtonSpec>& buttons, const std::string& defaultButton,
                          bool saveLast = false, const std::string& name = "UIMainMenu",
                          const std::string& tag = "mainmenu", bool enabled = true,
                          const std::string& onPress = kMenuKeys) {
    std::string body = Header(name, tag, enabled) + "<UIButtonlist>" + Field("defaultButton", "string", defaultButton) +
                       Field("savelastSelected", "bool", saveLast ? "true" : "false") + onPress;
    for (const ButtonSpec& b : buttons) body += ButtonXml(b);
    body += "</UIButtonlist>";
    GameObject* object = Build(body);
    UIButtonlist* list = object ? object->GetComponent<UIButtonlist>() : nullptr;
    if (list) ui.SetUpButtonLists();
    return list;
  }

  UIButtonlist* ThreeButtons(const std::string& defaultButton, bool saveLast = false) {
    return BuildList({{"Quit", -100, "Default", "BoolToggle", "testFlag"}, {"Play", 100}, {"Options", 0}},
                     defaultButton, saveLast);
  }

  std::string SelectedName() const {
    auto focus = ui.Selected();
    return focus ? focus->buttonName : "<none>";
  }

  void Tap(const std::string& key) {
    Press(Row(key));
    Frame();
    Press(Row(key), false);
    Frame();
  }

  bool flag = false;
  float volume = 0.5f;
};

TEST_F(ButtonListTest, ButtonsRingFromTopToBottomAndKeysWalkIt) {
  UIButtonlist* list = ThreeButtons("Options");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->buttons.size(), 3u);
  EXPECT_EQ(list->buttons[0]->buttonName, "Play");
  EXPECT_EQ(list->buttons[1]->buttonName, "Options");
  EXPECT_EQ(list->buttons[2]->buttonName, "Quit");
  EXPECT_EQ(list->buttons[2]->next.lock(), list->buttons[0]);
  EXPECT_EQ(list->buttons[0]->prev.lock(), list->buttons[2]);
  EXPECT_EQ(SelectedName(), "Options");

  testing::internal::CaptureStdout();
  Tap("S");
  EXPECT_NE(testing::internal::GetCapturedStdout().find("PRESSED"), std::string::npos);
  EXPECT_EQ(SelectedName(), "Quit");
  Tap("S");
  EXPECT_EQ(SelectedName(), "Play") << "next of the bottom button wraps to the top";
  Tap("W");
  EXPECT_EQ(SelectedName(), "Quit");

  const int pressSounds = SoundsPlayed("Button_Selected");
  Tap("SPACE");
  EXPECT_TRUE(flag) << "menu_select presses the focused button";
  EXPECT_EQ(SoundsPlayed("Button_Selected"), pressSounds + 1);
}

TEST_F(ButtonListTest, UnknownDefaultButtonSelectsTheTopOne) {
  ThreeButtons("NoSuchButton");
  EXPECT_EQ(SelectedName(), "Play");
}

TEST_F(ButtonListTest, SaveLastSelectedRestoresTheFocusOnReopening) {
  UIButtonlist* remembering = ThreeButtons("Play", true);
  Tap("S");
  ASSERT_EQ(SelectedName(), "Options");
  remembering->SetEnabled(false);
  ui.Select(nullptr);
  remembering->SetEnabled(true);
  EXPECT_EQ(SelectedName(), "Options");

  remembering->SetEnabled(false);
  UIButtonlist* forgetting = BuildList({{"A", 10}, {"B", 0}}, "A", false, "UIOther", "other");
  Tap("S");
  ASSERT_EQ(SelectedName(), "B");
  forgetting->SetEnabled(false);
  forgetting->SetEnabled(true);
  EXPECT_EQ(SelectedName(), "A") << "without the flag the list goes back to its first focus";
}

TEST_F(ButtonListTest, DisabledListIgnoresKeysAndHidesItsSprites) {
  UIButtonlist* list = ThreeButtons("Play");
  list->SetEnabled(false);
  Tap("S");
  EXPECT_EQ(SelectedName(), "Play");
  for (const auto& button : list->buttons) EXPECT_FALSE(button->sprite->enabled);
  EXPECT_EQ(list->buttons[0]->sprite->layer, 10) << "a list on a \"UI\" object draws over the world";
}

TEST_F(ButtonListTest, MenuToggleAndOverwriteKeepTheStack) {
  // An enabled list read from an archetype opens its menu.
  BuildList({{"A", 0}}, "A", false, "UIStart", "start");
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"start"});
  UIButtonlist* pause = BuildList({{"B", 0}}, "B", false, "PausePanel", "pause", false);
  EXPECT_EQ(ui.openMenus.size(), 1u) << "a hidden list does not open its menu";

  auto toggle = ui.CreateButtonAction("MenuToggle", "pause");
  toggle();
  EXPECT_TRUE(pause->enabled);
  EXPECT_EQ(ui.openMenus.back(), "pause");
  toggle();
  EXPECT_FALSE(pause->enabled);
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"start"});

  ui.CreateButtonAction("MenuOverwrite", "pause")();
  EXPECT_TRUE(pause->enabled);
  EXPECT_FALSE(ui.Elements().front()->enabled) << "the menu on top was closed";
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"pause"});

  ui.openMenus.clear();
  ui.CreateButtonAction("MenuOverwrite", "start")();
  EXPECT_TRUE(ui.Elements().front()->enabled);
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"start"});
}

TEST_F(ButtonListTest, CheckPlayersWaitsForTheGameToSayBothRolesAreTaken) {
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  const std::string before = scenes.NextSceneName();
  auto check = ui.CreateButtonAction("CheckPlayers", "levelselect");
  ui.SetPlayersReadyCheck(nullptr);
  check();
  EXPECT_EQ(scenes.NextSceneName(), before) << "nobody is ready while the game has not said how to tell";
  bool ready = false;
  ui.SetPlayersReadyCheck([&ready] { return ready; });
  check();
  EXPECT_EQ(scenes.NextSceneName(), before);
  ready = true;
  check();
  EXPECT_EQ(scenes.NextSceneName(), "levelselect");
  scenes.ChangeScene(before);
  ui.SetPlayersReadyCheck(nullptr);
}

TEST_F(ButtonListTest, ActionsOnUnregisteredVariablesDoNothing) {
  TestSupport::MessageRecorder recorder;
  Framework::Engine& engine = Framework::GetEngine();
  engine.AddSystem(&recorder);
  bool running = true;
  Framework::SysVars().RegisterDirect("testRunning", &running);

  ui.CreateButtonAction("BoolToggle", "neverRegistered")();
  ui.CreateButtonAction("SetVariableValue", "neverRegisteredFloat")();
  ui.CreateButtonAction("SetVariableValue", "testFlag")();  // a bool is no float
  ui.CreateButtonAction("QuitGame", "neverRegisteredQuit")();
  ui.CreateButtonAction("NoSuchAction", "testFlag")();
  EXPECT_TRUE(recorder.ids.empty());
  EXPECT_FALSE(flag);
  EXPECT_EQ(Framework::GetSysVarPtr("neverRegistered"), nullptr);

  ui.CreateButtonAction("QuitGame", "testRunning")();
  EXPECT_EQ(recorder.ids, std::vector<int>{Framework::MSG_QUIT});
  EXPECT_FALSE(running);
  engine.systems.pop_back();
}

TEST_F(ButtonListTest, DefaultButtonHoverSoundPlaysOncePerHover) {
  UIButtonlist* list = ThreeButtons("Play");
  const int before = SoundsPlayed("Button_Hover");
  for (int i = 0; i < 5; ++i) Frame();
  EXPECT_EQ(SoundsPlayed("Button_Hover"), before + 1);
  EXPECT_EQ(list->buttons[0]->currentState, "Hover");
  EXPECT_EQ(list->buttons[1]->currentState, "Default");
  Tap("S");
  Tap("W");
  EXPECT_EQ(SoundsPlayed("Button_Hover"), before + 3) << "each new focus plays it once";
}

TEST_F(ButtonListTest, MouseHoverSelectsAndClickPressesTheButtonUnderIt) {
  ThreeButtons("Play");
  MoveMouse(90, -100);  // inside Quit (200 x 50 around y -100)
  Frame();
  EXPECT_EQ(SelectedName(), "Quit");
  EXPECT_FALSE(flag);
  MoveMouse(90, -60);  // between Quit and Options
  Frame();
  EXPECT_EQ(SelectedName(), "Quit");

  MoveMouse(-50, -110);
  Press(kLeftClick);
  Frame();
  EXPECT_TRUE(flag);
  Frame();
  EXPECT_TRUE(flag) << "a held click presses once";
}

TEST_F(ButtonListTest, ToggleShowsItsBoolWithAndWithoutTheFocus) {
  UIButtonlist* list = BuildList({{"Sound", 10, "Toggle", "BoolToggle", "testFlag"}, {"Back", 0}}, "Sound");
  UIButton& toggle = *list->buttons[0];
  Frame();
  EXPECT_EQ(toggle.currentState, "DefaultHover");
  Tap("SPACE");
  EXPECT_TRUE(flag);
  EXPECT_EQ(toggle.currentState, "SelectHover");
  Tap("S");
  EXPECT_EQ(toggle.currentState, "Select") << "an unfocused toggle still shows it is on";
  flag = false;
  Frame();
  EXPECT_EQ(toggle.currentState, "Default");
}

TEST_F(ButtonListTest, MenuClosedByItsOwnBindingLeavesTheFocusToTheNextMenu) {
  const std::string pauseKeys =
      "<onPress><pause_game><useFunction string=\"MenuOverwrite\"/><sysVariable string=\"options\"/>"
      "</pause_game></onPress>";
  BuildList({{"Resume", 50}, {"Quit", -50}}, "Resume", false, "PausePanel", "pause", true, pauseKeys);
  BuildList({{"Volume", 0}}, "Volume", false, "OptionsPanel", "options", false);
  MoveMouse(0, -50);  // resting over the pause menu's Quit
  Frame();
  ASSERT_EQ(SelectedName(), "Quit");

  // The pad's Start leaves the mouse in use, still over Quit.
  SetPad(0, true, 0x0010);
  Frame();
  SetPad(0, true, 0);
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"options"});
  EXPECT_EQ(SelectedName(), "Volume") << "the hidden pause menu must not take the focus back";
}

TEST_F(ButtonListTest, SliderStopsAtOneAndShowsTheMutedLookNearZero) {
  GameObject* knob = Build(Header("VolumeKnob", "options") +
                           "<UIImage>" + Field("size", "Vec2", "20,20") + Field("textureID", "string", "ui_knob") +
                           Field("animSet", "string", "KnobDefault") + "</UIImage>");
  UIButtonlist* list = BuildList({{"Volume", 0, "Slider", "SetVariableValue", "testVolume"}}, "Volume");
  UIButton& slider = *list->buttons[0];
  volume = 0.995f;
  Press(Row("D"));
  for (int i = 0; i < 3; ++i) Frame();
  Press(Row("D"), false);
  EXPECT_FLOAT_EQ(volume, 1.0f);
  EXPECT_EQ(slider.currentState, "Track");
  EXPECT_FLOAT_EQ(knob->GetTransform().position.x, 100.0f) << "the knob sits at the right end";
  EXPECT_FLOAT_EQ(knob->GetTransform().scale.x, 1.2f) << "the focused slider's knob grows";

  volume = 0.005f;
  Frame();
  EXPECT_EQ(slider.currentState, "TrackMuted");
  EXPECT_EQ(knob->GetComponent<UIImage>()->animSet, "KnobMuted");
  volume = 0.5f;
  Frame();
  EXPECT_EQ(knob->GetComponent<UIImage>()->animSet, "KnobDefault");
  EXPECT_FLOAT_EQ(knob->GetTransform().position.x, 0.0f);
}

TEST_F(ButtonListTest, SliderClickSetsTheFractionAndNeverLeavesZeroToOne) {
  UIButtonlist* list = BuildList({{"Volume", 0, "Slider", "SetVariableValue", "testVolume"}}, "Volume");
  ASSERT_NE(list, nullptr);
  Press(kLeftClick);
  MoveMouse(50, 0);  // three quarters along the 200-wide slider
  Frame();
  EXPECT_FLOAT_EQ(volume, 0.75f);
  MoveMouse(100, 0);
  Frame();
  EXPECT_FLOAT_EQ(volume, 1.0f);

  // With the view moved or zoomed the knob still lands under the pointer,
  // and the track's ends still give 0 and 1.
  Framework::Camera& camera = Framework::GetGraphicsSystem().camera;
  camera.position.z = 0.5f;  // two world units to a screen pixel
  input.OnMouseMove(kWindowWidth / 2 - 25, kWindowHeight / 2, kWindowHeight);
  Frame();
  EXPECT_FLOAT_EQ(volume, 0.25f);
  input.OnMouseMove(kWindowWidth / 2 + 50, kWindowHeight / 2, kWindowHeight);
  Frame();
  EXPECT_FLOAT_EQ(volume, 1.0f);
  camera.position.z = 1.0f;
  camera.position.x = -50;
  MoveMouse(100, 0);
  Frame();
  EXPECT_FLOAT_EQ(volume, 1.0f);
  camera.position.x = 50;
  MoveMouse(-100, 0);
  Frame();
  EXPECT_FLOAT_EQ(volume, 0.0f);
}

TEST_F(ButtonListTest, ClonedListOwnsItsOwnButtonsAndSprites) {
  UIButtonlist* original = ThreeButtons("Play");
  GameObject* source = original->GetOwner();
  auto copyObject = Framework::GetFactory().Clone(source);
  auto* copy = copyObject->GetComponent<UIButtonlist>();
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->buttons.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_NE(copy->buttons[i], original->buttons[i]);
    EXPECT_NE(copy->buttons[i]->sprite.get(), original->buttons[i]->sprite.get());
    EXPECT_EQ(copy->buttons[i]->sprite->GetOwner(), copyObject.get());
    EXPECT_EQ(copy->buttons[i]->next.lock(), copy->buttons[(i + 1) % 3]);
  }
  // The copy keeps working after the original is gone.
  Framework::GetFactory().QueueDestroy(source);
  Framework::GetFactory().Update(0);
  copy->SetEnabled(true);
  Tap("S");
  EXPECT_EQ(SelectedName(), "Options");
}

TEST_F(ButtonListTest, FocusIsDroppedWithTheScene) {
  ThreeButtons("Play");
  ASSERT_NE(ui.Selected(), nullptr);
  Framework::GetFactory().DestroyAllObjects();
  EXPECT_EQ(ui.Selected(), nullptr) << "the focus never outlives its list";
  ui.CreateButtonAction("NextButton", "")();
  ui.CreateButtonAction("SelectButton", "")();
  Frame();

  ThreeButtons("Play");
  ui.ClearSceneState();
  EXPECT_EQ(ui.Selected(), nullptr);
  EXPECT_TRUE(ui.openMenus.empty());
}

TEST_F(ButtonListTest, SceneStartBindsTheListsAndLeavingForgetsTheMenus) {
  TestSupport::ScopedWorkingFolder inTemp(temp.Path());
  temp.Write("Resources/menutest/list.xml",
             "<?xml version=\"1.0\"?>\n<Archetype>" + Header("UIMenu", "menutest") +
                 "<UIButtonlist>" + Field("defaultButton", "string", "Go") + kMenuKeys +
                 ButtonXml({"Go", 0, "Default", "ChangeScene", "elsewhere"}) + "</UIButtonlist></Archetype>\n");
  ASSERT_TRUE(Framework::WriteSceneIndex("Resources/menutest/menutest.scene", {"list.xml"}));
  Framework::SceneManager& scenes = Framework::GetSceneManager();
  const std::string before = scenes.NextSceneName();
  scenes.LoadScene("menutest");
  Framework::VScene* scene = scenes.GetCurrentScene();
  ASSERT_NE(scene, nullptr);
  ASSERT_EQ(scene->objects.size(), 1u);
  scene->Start();
  EXPECT_EQ(ui.openMenus, std::vector<std::string>{"menutest"});

  Tap("SPACE");
  EXPECT_EQ(scenes.NextSceneName(), "elsewhere") << "the button's action was bound at scene start";
  scenes.ChangeScene(before);

  scene->DestroyObjects();
  scene->Clear();
  EXPECT_TRUE(ui.openMenus.empty());
  EXPECT_EQ(ui.Selected(), nullptr);
  EXPECT_TRUE(ui.Elements().empty());
}

class LevelSelectSpinTest : public ButtonListTest {};

TEST_F(LevelSelectSpinTest, HeldLevelButtonTurnsAfterTenSeconds) {
  TestSupport::ScopedWorkingFolder inTemp(temp.Path());
  Framework::GetSceneManager().LoadScene("levelselect");
  ui.Initialize();
  UIButtonlist* list = BuildList({{"MallButton", 10}, {"CarnivalButton", 0}}, "MallButton", false, "LevelMenu",
                                 "levels");
  Framework::Sprite& mall = *list->buttons[0]->sprite;
  for (int i = 0; i < 99; ++i) Frame(0.1f);
  EXPECT_FLOAT_EQ(mall.angle, 0.0f) << "9.9 s is not long enough";
  Frame(0.1f);
  Frame(0.1f);
  EXPECT_GT(mall.angle, 0.0f);
  const float turned = mall.angle;
  Frame(0.1f);
  EXPECT_FLOAT_EQ(mall.angle, turned + 2.0f);

  Tap("S");
  Tap("W");
  const float resumed = mall.angle;
  for (int i = 0; i < 50; ++i) Frame(0.1f);
  EXPECT_FLOAT_EQ(mall.angle, resumed) << "coming back restarts the wait";

  for (int i = 0; i < 60; ++i) Frame(0.1f);
  ASSERT_GT(mall.angle, resumed);
  ui.ClearSceneState();  // pressing the held button leaves for its match
  EXPECT_TRUE(ui.mallSpin.done) << "the match picks its look from the hold flag";
  EXPECT_FALSE(ui.carnivalSpin.done);
}

}  // namespace
