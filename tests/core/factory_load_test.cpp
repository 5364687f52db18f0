// Loads stay linear in the number of objects and of components, shown by
// counting: this program counts every byte allocated, and a load that
// rebuilds a set of names or re-sorts a list per item allocates more per
// item as the load grows.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <new>
#include <thread>

#include "engine/core/Engine.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/SceneIndexFile.h"
#include "engine/core/SceneManager.h"
#include "engine/core/VScene.h"
#include "support/TestSupport.h"

static std::size_t g_allocatedBytes = 0;
// Not inlined: GCC would pair the malloc() and free() inside with new and
// delete and call that a mismatch.
[[gnu::noinline]] void* operator new(std::size_t size) {
  g_allocatedBytes += size;
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
// Libraries' new (nothrow) must allocate as the delete below frees.
[[gnu::noinline]] void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  g_allocatedBytes += size;
  return std::malloc(size ? size : 1);
}
[[gnu::noinline]] void operator delete(void* block) noexcept { std::free(block); }
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace {

using Framework::GameObject;

template <typename Work>
double BytesPerItem(int count, Work work) {
  const std::size_t before = g_allocatedBytes;
  work(count);
  return static_cast<double>(g_allocatedBytes - before) / count;
}

// Remembers its place in the archetype file.
template <int kTypeId>
struct Numbered : Framework::GameComponent {
  explicit Numbered(GameObject* owner) : GameComponent(owner, kTypeId) {}
  void Deserialize(Framework::XMLSerializer& reader) override { Framework::ReadElement(reader.GetCursor(), place, "n"); }
  std::string GetTypeName() override { return "Numbered"; }
  GameComponent* Clone(GameObject* owner) override { return new Numbered(owner); }
  int place = -1;
};

// Components listed high id, low id, high, low ...: each low one goes in front.
std::string Archetype(int components) {
  std::string text = "<A><Name string=\"Mixed\"/><Tag string=\"t\"/>";
  for (int i = 0; i < components; ++i)
    text += std::string(i % 2 ? "<Low>" : "<High>") + "<n int=\"" + std::to_string(i) + "\"/>" + (i % 2 ? "</Low>" : "</High>");
  return text + "</A>";
}

struct FactoryLoadTest : testing::Test {
  ~FactoryLoadTest() override {
    Framework::GetFactory().DestroyAllObjects();
    Framework::RunningFlag() = true;
  }
  // Loads a scene of count objects with the distinct names "object<id>".
  std::size_t LoadScene(const std::string& scene, int count) {
    folder.Write("Resources/" + scene + "/o.xml", "<O><Transform><position Vec3=\"0,0,0\"/><scale Vec3=\"1,1,1\"/>"
                                                  "<rotation float=\"0\"/></Transform></O>");
    Framework::WriteSceneIndex(Framework::SceneIndexPath(scene), std::vector<std::string>(count, "o.xml"));
    Framework::GetSceneManager().LoadScene(scene);
    return Framework::GetSceneManager().GetCurrentScene()->objects.size();
  }
  TestSupport::TempFolder folder;
  TestSupport::ScopedWorkingFolder working{folder.Path()};
  TestSupport::ScopedTestBackend backend;
};

TEST_F(FactoryLoadTest, ScenesAndClonesCostTheSamePerObjectAtAnySize) {
  const double few = BytesPerItem(2000, [&](int count) { EXPECT_EQ(LoadScene("few", count), count); });
  const double many = BytesPerItem(20000, [&](int count) { EXPECT_EQ(LoadScene("many", count), count); });
  EXPECT_LT(many, few * 1.5) << "bytes per object loaded";

  GameObject* source = Framework::GetSceneManager().GetCurrentScene()->objects.front();
  auto cloneMany = [&](int count) {
    for (int i = 0; i < count; ++i) Framework::GetFactory().Clone(source);
  };
  testing::internal::CaptureStdout();
  EXPECT_LT(BytesPerItem(20000, cloneMany), BytesPerItem(2000, cloneMany) * 1.5) << "bytes per clone";
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(Framework::GetFactory().FindObjectByName(source->GetName() + "_22000"));
}

TEST_F(FactoryLoadTest, ComponentsGoInPlaceInFileOrderUpToTheBound) {
  Framework::GameObjectFactory factory;
  factory.RegisterCreator<Numbered<1>>("Low");
  factory.RegisterCreator<Numbered<25>>("High");
  std::shared_ptr<GameObject> object;
  auto load = [&](int count) { object = factory.CreateFromFile(folder.Write("a.xml", Archetype(count)).string()); };
  EXPECT_LT(BytesPerItem(1000, load), BytesPerItem(100, load) * 1.5) << "bytes per component";
  const auto& components = object->GetComponentList();
  ASSERT_EQ(components.size(), 1000u);
  for (int i = 0; i < 500; ++i) {
    EXPECT_EQ(static_cast<Numbered<1>*>(components[i].get())->place, 2 * i + 1) << "low ids first, in file order";
    EXPECT_EQ(static_cast<Numbered<25>*>(components[500 + i].get())->place, 2 * i) << "then high ids, in file order";
  }
  testing::internal::CaptureStderr();
  load(1001);
  EXPECT_FALSE(object);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("a.xml lists more than 1000 components"), std::string::npos);
}

TEST_F(FactoryLoadTest, QuitDuringALoadStopsBuilding) {
  backend->QueueQuit();
  std::this_thread::sleep_for(std::chrono::milliseconds(60));  // loads pump events at most every 50 ms
  EXPECT_EQ(LoadScene("crowd", 1000), 0u);
  EXPECT_FALSE(Framework::RunningFlag());
}

}  // namespace
