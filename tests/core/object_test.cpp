#include <memory>
#include <sstream>

#include <gtest/gtest.h>

#include "engine/core/GameObject.h"
#include "engine/core/Lifetime.h"
#include "engine/core/XMLSerializer.h"
#include "tests/support/CoreFileSupport.h"
#include "tests/support/TestSupport.h"

using Framework::GameComponent;
using Framework::GameObject;
using Framework::Lifetime;
using Framework::ToggleableGameComponent;
using Framework::Transform;
using Framework::XMLSerializer;
using Math::Vec3;

namespace {

// Minimal concrete components with chosen ids; they log their Initialize order.
class PlainComponent : public GameComponent {
 public:
  PlainComponent(GameObject* owner, int id, std::ostringstream* log = nullptr)
      : GameComponent(owner, id), initLog(log) {}
  void Initialize() override {
    if (initLog) *initLog << GetTypeId() << ' ';
  }
  void Deserialize(XMLSerializer&) override {}
  std::string GetTypeName() override { return "Plain"; }
  GameComponent* Clone(GameObject* newOwner) override { return new PlainComponent(newOwner, typeId); }
  std::ostringstream* initLog;
};

class SwitchComponent : public ToggleableGameComponent {
 public:
  SwitchComponent(GameObject* owner, int id) : ToggleableGameComponent(owner, id) {}
  void Deserialize(XMLSerializer&) override {}
  std::string GetTypeName() override { return "Switch"; }
  GameComponent* Clone(GameObject* newOwner) override { return new SwitchComponent(newOwner, typeId); }
};

class DerivedSwitch : public SwitchComponent {
 public:
  using SwitchComponent::SwitchComponent;
};

}  // namespace

TEST(GameObject, ComponentsStaySortedAndInitializeInIdOrder) {
  std::ostringstream log;
  GameObject object;
  object.AddComponent(std::make_shared<PlainComponent>(&object, 16, &log));
  object.AddComponent(std::make_shared<PlainComponent>(&object, 2, &log));
  object.AddComponent(std::make_shared<PlainComponent>(&object, 1, &log));
  object.AddComponent(std::make_shared<PlainComponent>(&object, 11, &log));
  object.InitializeComponents();
  EXPECT_EQ("1 2 11 16 ", log.str());

  auto all = object.GetComponents();
  ASSERT_EQ(5u, all.size());
  EXPECT_EQ(&object.GetTransform(), all[0]);
  EXPECT_EQ(static_cast<void*>(&object), static_cast<void*>(&object.GetTransform())) << "one address for both";
  EXPECT_EQ(2, object.GetComponent(2)->GetTypeId());
  // The embedded transform is not among the listed components.
  EXPECT_EQ(nullptr, object.GetComponent(Framework::ComponentId::Transform));
}

TEST(GameObject, TypedLookupFindsSmallestIdIncludingDerived) {
  GameObject object;
  object.AddComponent(std::make_shared<PlainComponent>(&object, 3));
  object.AddComponent(std::make_shared<DerivedSwitch>(&object, 18));
  object.AddComponent(std::make_shared<SwitchComponent>(&object, 9));
  SwitchComponent* found = object.GetComponent<SwitchComponent>();
  ASSERT_NE(nullptr, found);
  EXPECT_EQ(9, found->GetTypeId());
  EXPECT_EQ(18, object.GetComponent<DerivedSwitch>()->GetTypeId());
  EXPECT_EQ(nullptr, object.GetComponent<Lifetime>());
  // Components reach their owner and its transform without casts.
  EXPECT_EQ(&object, found->GetOwner());
  EXPECT_EQ(&object.GetTransform(), found->GetOwnerTransform());
  EXPECT_EQ(found, object.GetComponentList()[0]->GetComponent<SwitchComponent>());
}

TEST(GameObject, ToggleableComponentsFollowTheObjectFlag) {
  GameObject object;
  auto plain = std::make_shared<PlainComponent>(&object, 2);
  auto toggle = std::make_shared<SwitchComponent>(&object, 1);
  auto lifetime = std::make_shared<Lifetime>(&object);
  object.AddComponent(plain);
  object.AddComponent(toggle);
  object.AddComponent(lifetime);

  object.SetEnabled(false);
  EXPECT_FALSE(object.IsEnabled());
  EXPECT_FALSE(toggle->enabled);
  EXPECT_FALSE(lifetime->IsEnabled());
  EXPECT_TRUE(plain->IsEnabled());

  EXPECT_TRUE(toggle->Toggle());
  EXPECT_FALSE(toggle->Toggle());
  object.SetEnabled(true);
  EXPECT_TRUE(toggle->enabled && lifetime->enabled);
}

TEST(Transform, ClonesAndResets) {
  GameObject source(Vec3(1, 2, 3), Vec3(4, 5, 6), 45.0f);
  GameObject target;
  std::unique_ptr<GameComponent> clone(source.GetTransform().Clone(&target));
  auto* copy = dynamic_cast<Transform*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_EQ(Vec3(1, 2, 3), copy->position);
  EXPECT_EQ(Vec3(4, 5, 6), copy->scale);
  EXPECT_FLOAT_EQ(45.0f, copy->rotation);
  EXPECT_EQ(&target, copy->GetOwner());
  EXPECT_EQ(Framework::ComponentId::Transform, copy->GetTypeId());

  source.GetTransform().Reset();
  EXPECT_EQ(Vec3(0, 0, 0), source.GetTransform().position);
  EXPECT_EQ(Vec3(1, 1, 1), source.GetTransform().scale);
}

TEST(Transform, WritesAndReadsItsFields) {
  TestSupport::TempFolder folder;
  const std::string path = (folder.Path() / "object.xml").string();
  GameObject written(Vec3(1.5f, -2, 0), Vec3(2, 2, 1), 90.0f);
  TestSupport::SaveComponent(path, "Transform", written.GetTransform());
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  GameObject loaded;
  loaded.GetTransform().Deserialize(reader);
  EXPECT_EQ(Vec3(1.5f, -2, 0), loaded.GetTransform().position);
  EXPECT_EQ(Vec3(2, 2, 1), loaded.GetTransform().scale);
  EXPECT_FLOAT_EQ(90.0f, loaded.GetTransform().rotation);
  // The cursor is left on the component element for the next sibling walk.
  EXPECT_EQ("Transform", reader.GetCurrentName());
}

TEST(Lifetime, WritesReadsAndClones) {
  TestSupport::TempFolder folder;
  const std::string path = (folder.Path() / "lifetime.xml").string();
  GameObject object;
  Lifetime written(&object);
  written.lifetime = 2.5f;
  written.loop = false;
  written.hideOnExpire = false;
  written.deleteOnExpire = true;
  TestSupport::SaveComponent(path, "Lifetime", written);
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  Lifetime loaded(&object);
  loaded.Deserialize(reader);
  EXPECT_FLOAT_EQ(2.5f, loaded.lifetime);
  EXPECT_FALSE(loaded.loop);
  EXPECT_FALSE(loaded.hideOnExpire);
  EXPECT_TRUE(loaded.deleteOnExpire);
  loaded.Initialize();
  EXPECT_FLOAT_EQ(2.5f, loaded.remaining);

  loaded.SetEnabled(false);
  std::unique_ptr<GameComponent> clone(loaded.Clone(&object));
  auto* copy = dynamic_cast<Lifetime*>(clone.get());
  ASSERT_NE(nullptr, copy);
  EXPECT_TRUE(copy->enabled);
  EXPECT_FLOAT_EQ(2.5f, copy->lifetime);
  EXPECT_TRUE(copy->deleteOnExpire);
  EXPECT_FALSE(copy->loop);
}
