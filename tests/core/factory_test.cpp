#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/app/EngineWiring.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/Lifetime.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "engine/core/Scriptable.h"
#include "engine/core/XMLSerializer.h"
#include "support/TestSupport.h"

using Framework::GameComponent;
using Framework::GameObject;
using Framework::GameObjectFactory;
using Framework::XMLSerializer;

namespace {

// Counts Initialize and Shutdown calls across all instances.
struct Calls {
  int initialized = 0;
  int shutDown = 0;
};
Calls calls;

// Stand-ins for a sprite (toggleable, id 1) and a body (not toggleable, id 2).
class FakeSprite : public Framework::ToggleableGameComponent {
 public:
  explicit FakeSprite(GameObject* owner) : ToggleableGameComponent(owner, Framework::ComponentId::Sprite) {}
  void Initialize() override { ++calls.initialized; }
  void Shutdown() override { ++calls.shutDown; }
  void Deserialize(XMLSerializer& reader) override { Framework::ReadElement(reader.GetCursor(), frame, "frame"); }
  std::string GetTypeName() override { return "Sprite"; }
  GameComponent* Clone(GameObject* newOwner) override {
    auto* copy = new FakeSprite(newOwner);
    copy->frame = frame;
    return copy;
  }
  float frame = 0.0f;
};

class FakeBody : public GameComponent {
 public:
  explicit FakeBody(GameObject* owner) : GameComponent(owner, Framework::ComponentId::Body) {}
  void Deserialize(XMLSerializer&) override {}
  std::string GetTypeName() override { return "Body"; }
  GameComponent* Clone(GameObject* newOwner) override { return new FakeBody(newOwner); }
};

class FakeScript : public Scriptable {
 public:
  explicit FakeScript(GameObject* owner) : Scriptable(owner, Framework::ComponentId::NPC) {}
  void Deserialize(XMLSerializer&) override {}
  std::string GetTypeName() override { return "NPC"; }
  GameComponent* Clone(GameObject* newOwner) override { return new FakeScript(newOwner); }
};

// A component whose reader leaves the cursor inside its own element.
class Wanderer : public GameComponent {
 public:
  explicit Wanderer(GameObject* owner) : GameComponent(owner, Framework::ComponentId::User) {}
  void Deserialize(XMLSerializer& reader) override { reader.FindElement("deep", reader.GetCursor()); }
  std::string GetTypeName() override { return "Wanderer"; }
  GameComponent* Clone(GameObject* newOwner) override { return new Wanderer(newOwner); }
};

class FactoryTest : public ::testing::Test {
 protected:
  FactoryTest() : cwd(temp.Path()) {
    scenes.Shutdown();
    factory.Shutdown();
    Framework::WireEngine();
    factory.Initialize();
    scenes.Initialize();
    factory.RegisterCreator<FakeSprite>("Sprite");
    factory.RegisterCreator<FakeBody>("Body");
    factory.RegisterCreator<FakeScript>("NPC");
    factory.RegisterCreator<Wanderer>("Wanderer");
    calls = Calls();
  }
  ~FactoryTest() override {
    scenes.Shutdown();
    factory.Shutdown();
  }
  std::string Archetype(const std::string& file, const std::string& body) {
    return temp.Write(file, "<?xml version=\"1.0\"?>\n<Archetype>" + body + "</Archetype>\n").string();
  }
  static std::vector<int> TypeIds(const GameObject& object) {
    std::vector<int> ids;
    for (const auto& component : object.GetComponentList()) ids.push_back(component->GetTypeId());
    return ids;
  }

  TestSupport::TempFolder temp;
  TestSupport::ScopedWorkingFolder cwd;
  GameObjectFactory& factory = Framework::GetFactory();
  Framework::SceneManager& scenes = Framework::GetSceneManager();
};

TEST(FactoryRegistryTest, RealSpriteAndBodyComeBackSortedAndFollowTheEnabledFlag) {
  TestSupport::TempFolder temp;
  GameObjectFactory& factory = Framework::GetFactory();
  factory.Shutdown();
  Framework::WireEngine();
  factory.Initialize();
  for (const char* name : {"Body", "Sprite", "Transform", "Lifetime", "Moveable", "AABB", "OBB", "Sphere"}) {
    EXPECT_TRUE(factory.HasCreator(name)) << name;
  }
  const auto path = temp.Write("o.xml", "<A><Enabled bool=\"false\"/><Name string=\"O\"/><Tag string=\"t\"/><Body/><Sprite/></A>");
  auto object = factory.CreateFromFile(path.string());
  ASSERT_TRUE(object);
  const auto& components = object->GetComponentList();
  ASSERT_EQ(components.size(), 2u);
  EXPECT_EQ(components[0]->GetTypeName(), "Sprite");
  EXPECT_EQ(components[1]->GetTypeName(), "Body");
  EXPECT_FALSE(components[0]->IsEnabled());
  EXPECT_TRUE(components[1]->IsEnabled()) << "a body cannot be toggled";
  object.reset();
  factory.Shutdown();
}

TEST_F(FactoryTest, BuildsHeaderTransformAndSortedComponents) {
  const auto path = Archetype("guest.xml",
                              "<Enabled bool=\"true\"/><Name string=\"Guest\"/><Tag string=\"enemy\"/>"
                              "<Transform><position Vec3=\"1,2,3\"/><scale Vec3=\"2,2,1\"/><rotation float=\"45\"/></Transform>"
                              "<Body/><Mystery><frame float=\"9\"/></Mystery><Sprite><frame float=\"3\"/></Sprite>");
  auto object = factory.CreateFromFile(path);
  ASSERT_TRUE(object);
  EXPECT_EQ(object->GetName(), "Guest");
  EXPECT_EQ(object->GetTag(), "enemy");
  EXPECT_FLOAT_EQ(object->GetTransform().position.y, 2.0f);
  EXPECT_FLOAT_EQ(object->GetTransform().rotation, 45.0f);
  EXPECT_EQ(TypeIds(*object), (std::vector<int>{1, 2})) << "Body listed first, Sprite comes back first";
  EXPECT_FLOAT_EQ(object->GetComponent<FakeSprite>()->frame, 3.0f) << "the unknown element is skipped";
  EXPECT_EQ(calls.initialized, 0) << "CreateFromFile leaves components uninitialised";
}

TEST_F(FactoryTest, WalkGoesOnAfterAComponentWhoseReaderWandered) {
  auto object = factory.CreateFromFile(Archetype(
      "w.xml", "<Tag string=\"t\"/><Wanderer><x><deep/></x></Wanderer><deep/><Body/><Sprite/>"));
  ASSERT_TRUE(object);
  EXPECT_EQ(TypeIds(*object), (std::vector<int>{1, 2, Framework::ComponentId::User}));
}

TEST_F(FactoryTest, DisabledObjectDisablesOnlyToggleableComponents) {
  auto object = factory.CreateFromFile(
      Archetype("off.xml", "<Enabled bool=\"false\"/><Name string=\"Off\"/><Tag string=\"t\"/><Sprite/><Body/><Lifetime/>"));
  ASSERT_TRUE(object);
  EXPECT_FALSE(object->IsEnabled());
  EXPECT_FALSE(object->GetComponent<FakeSprite>()->IsEnabled());
  EXPECT_FALSE(object->GetComponent<Framework::Lifetime>()->IsEnabled());
  EXPECT_TRUE(object->GetComponent<FakeBody>()->IsEnabled());
}

TEST_F(FactoryTest, HeaderDefaultsAndTheWalkStartingAtTag) {
  auto unnamed = factory.CreateFromFile(Archetype("unnamed.xml", "<Enabled bool=\"true\"/><Tag string=\"x\"/><Sprite/>"));
  ASSERT_TRUE(unnamed);
  EXPECT_EQ(unnamed->GetName(), "object" + std::to_string(unnamed->GetId()));
  EXPECT_EQ(TypeIds(*unnamed), std::vector<int>{1});

  auto early = factory.CreateFromFile(Archetype("early.xml", "<Name string=\"E\"/><Body/><Tag string=\"x\"/><Sprite/>"));
  ASSERT_TRUE(early);
  EXPECT_EQ(TypeIds(*early), std::vector<int>{1}) << "a component before Tag is not read";
  EXPECT_TRUE(early->IsEnabled());

  auto bare = factory.CreateFromFile(Archetype("bare.xml", "<Sprite/>"));
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->GetTag(), "untagged");
}

TEST_F(FactoryTest, MissingOrMalformedFilesGiveNoObject) {
  const std::size_t before = factory.ObjectCount();
  EXPECT_FALSE(factory.CreateFromFile((temp.Path() / "absent.xml").string()));
  EXPECT_FALSE(factory.CreateFromFile(temp.Write("broken.xml", "<Archetype><Name string=\"x\">").string()));
  EXPECT_FALSE(factory.Create("absent.xml"));
  EXPECT_EQ(factory.ObjectCount(), before);
}

TEST_F(FactoryTest, EmptyObjectsTakeTheFirstFreeGameObjectName) {
  const Math::Vec3 origin(0, 0, 0), unit(1, 1, 1);
  auto a = factory.CreateEmptyObject(origin, unit, 0.0f);
  auto b = factory.CreateEmptyObject(origin, unit, 0.0f);
  auto c = factory.CreateEmptyObject(origin, unit, 0.0f);
  EXPECT_EQ(a->GetName(), "GameObject");
  EXPECT_EQ(b->GetName(), "GameObject1");
  EXPECT_EQ(c->GetName(), "GameObject2");
  EXPECT_LT(a->GetId(), b->GetId());

  factory.QueueDestroy(b.get());
  b.reset();
  factory.Update(0.0f);
  EXPECT_EQ(factory.FindObjectByName("GameObject1"), nullptr);
  EXPECT_EQ(factory.CreateEmptyObject(origin, unit, 0.0f)->GetName(), "GameObject1");
}

TEST_F(FactoryTest, CloneNamesTheCopyAndCopiesItsComponents) {
  auto guest = factory.CreateFromFile(Archetype(
      "g.xml", "<Enabled bool=\"false\"/><Name string=\"Guest\"/><Tag string=\"enemy\"/>"
               "<Transform><position Vec3=\"5,6,0\"/><scale Vec3=\"1,1,1\"/><rotation float=\"0\"/></Transform>"
               "<Sprite><frame float=\"7\"/></Sprite>"));
  ASSERT_TRUE(guest);
  factory.CreateEmptyObject(Math::Vec3(0, 0, 0), Math::Vec3(1, 1, 1), 0.0f)->SetName("Guest_1");

  testing::internal::CaptureStdout();
  auto copy = factory.Clone(guest.get());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Guest_2 cloned from : Guest\n");
  EXPECT_EQ(copy->GetName(), "Guest_2");
  EXPECT_EQ(copy->GetTag(), "enemy");
  EXPECT_TRUE(copy->IsEnabled());
  EXPECT_FLOAT_EQ(copy->GetTransform().position.x, 5.0f);
  ASSERT_NE(copy->GetComponent<FakeSprite>(), nullptr);
  EXPECT_FLOAT_EQ(copy->GetComponent<FakeSprite>()->frame, 7.0f);
  EXPECT_EQ(calls.initialized, 1) << "the copy's components are initialised";

  testing::internal::CaptureStdout();
  EXPECT_EQ(factory.Clone(factory.FindObjectByName("Guest_1"))->GetName(), "Guest_1_1");
  testing::internal::GetCapturedStdout();
}

TEST_F(FactoryTest, DestroyQueueIsMatchedByAddressAndEmptiedBySceneChange) {
  auto doomed = factory.CreateFromFile(Archetype("d.xml", "<Name string=\"D\"/><Tag string=\"t\"/><Sprite/>"));
  ASSERT_TRUE(doomed);
  GameObject stranger;  // never added to the factory
  factory.QueueDestroy(&stranger);
  factory.QueueDestroy(doomed.get());
  std::weak_ptr<GameObject> watch = doomed;
  doomed.reset();
  factory.Update(0.0f);
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(calls.shutDown, 1);

  // Queued, then dropped by a scene change: the next Update must not touch it.
  auto gone = factory.CreateFromFile(Archetype("g.xml", "<Name string=\"G\"/><Tag string=\"t\"/><Sprite/>"));
  factory.QueueDestroy(gone.get());
  gone.reset();
  factory.DestroyAllObjects();
  EXPECT_EQ(factory.ObjectCount(), 0u);
  factory.Update(0.0f);
  EXPECT_EQ(calls.shutDown, 1);
}

TEST_F(FactoryTest, SceneBuildsItsIndexInOrderAndLeavesNoScriptsBehind) {
  std::filesystem::create_directories("Resources/lvl");
  // "" and "Resources/" name the scene folder itself: no object, no crash.
  ASSERT_TRUE(Framework::WriteSceneIndex("Resources/lvl/lvl.scene",
                                         {"Resources/a.xml", "b.xml", "missing.xml", "", "Resources/"}));
  Archetype("Resources/lvl/a.xml", "<Name string=\"A\"/><Tag string=\"t\"/><Sprite/><NPC/>");
  Archetype("Resources/lvl/b.xml", "<Name string=\"B\"/><Tag string=\"t\"/><Sprite/>");
  scenes.AddScene(new Framework::VScene, "lvl");
  scenes.AddScene(new Framework::VScene, "other");
  scenes.ChangeScene("lvl");
  scenes.Update(0.0f);

  Framework::VScene* lvl = scenes.GetCurrentScene();
  ASSERT_EQ(lvl->objects.size(), 2u);
  EXPECT_EQ(lvl->objects[0]->GetName(), "A");
  EXPECT_EQ(lvl->objects[1]->GetName(), "B");
  EXPECT_EQ(calls.initialized, 4) << "built and started: each sprite initialised twice";
  EXPECT_EQ(lvl->scripts.size(), 1u);
  EXPECT_EQ(scenes.FindObject("B"), lvl->objects[1]);
  EXPECT_EQ(scenes.FindObjectsByTag("t").size(), 2u);

  scenes.ChangeScene("other");
  for (int i = 0; i < 10 && scenes.CurrentSceneKey() != "other"; ++i) scenes.Update(0.25f);
  EXPECT_EQ(scenes.CurrentSceneKey(), "other");
  EXPECT_TRUE(lvl->objects.empty());
  EXPECT_TRUE(lvl->scripts.empty());
  EXPECT_EQ(calls.shutDown, 2);
  EXPECT_EQ(factory.ObjectCount(), 0u);
}

TEST_F(FactoryTest, EndOfProgramShutsDownAndDropsTheSceneObjects) {
  std::filesystem::create_directories("Resources/lvl");
  ASSERT_TRUE(Framework::WriteSceneIndex("Resources/lvl/lvl.scene", {"a.xml"}));
  Archetype("Resources/lvl/a.xml", "<Name string=\"A\"/><Tag string=\"t\"/><Sprite/><NPC/>");
  scenes.AddScene(new Framework::VScene, "lvl");
  scenes.ChangeScene("lvl");
  scenes.Update(0.0f);
  ASSERT_EQ(factory.ObjectCount(), 1u);
  std::weak_ptr<GameObject> watch = factory.GetHandle(scenes.FindObject("A"));

  scenes.Shutdown();
  EXPECT_EQ(calls.shutDown, 1);
  EXPECT_TRUE(watch.expired());
  EXPECT_EQ(scenes.GetCurrentScene(), nullptr);
  factory.Shutdown();
  EXPECT_FALSE(factory.HasCreator("Sprite"));
}

}  // namespace
