#include <gtest/gtest.h>

#include <string>

#include "engine/app/EngineWiring.h"
#include "engine/core/GameObjectFactory.h"
#include "engine/core/XMLSerializer.h"
#include "engine/physics/AABB.h"
#include "engine/physics/Body.h"
#include "engine/physics/Moveable.h"
#include "engine/physics/OBB.h"
#include "engine/physics/Physics.h"
#include "engine/physics/Sphere.h"
#include "support/TestSupport.h"

using namespace Framework;
using Math::Vec3;

namespace {

class PhysicsArchetypes : public ::testing::Test {
 protected:
  PhysicsArchetypes() {
    factory.Shutdown();
    Framework::WireEngine();
    factory.Initialize();
  }
  ~PhysicsArchetypes() override {
    factory.Shutdown();
    GetPhysics().ClearScene();
  }
  std::shared_ptr<GameObject> Build(const std::string& components) {
    const auto path = temp.Write("thing.xml", "<?xml version=\"1.0\"?>\n<Archetype><Name string=\"T\"/>"
                                              "<Tag string=\"t\"/>" + components + "</Archetype>\n");
    return factory.CreateFromFile(path.string());
  }
  TestSupport::TempFolder temp;
  GameObjectFactory& factory = GetFactory();
};

TEST_F(PhysicsArchetypes, ComponentsReadTheirFieldsByName) {
  testing::internal::CaptureStderr();
  auto object = Build(
      "<Moveable><mSpeed float=\"120\"/><mMaxSpeed float=\"200\"/></Moveable>"
      "<Body><mPosition Vec3=\"1,2,3\"/><mAcceleration Vec3=\"0,0,0\"/><Mass float=\"2\"/>"
      "<InvMass float=\"7\"/><Restitution float=\"0.5\"/><Friction float=\"0.8\"/>"
      "<mUseGravity bool=\"false\"/><mIsStatic bool=\"TRUE\"/><layer_id unsigned=\"3\"/></Body>"
      "<AABB><mCenter Vec3=\"0,4,0\"/><mRadiusX float=\"10\"/><mRadiusY float=\"6\"/></AABB>"
      "<Sphere><mCenter Vec3=\"1,1,0\"/><mRadius float=\"25\"/></Sphere>"
      "<OBB><mCenter Vec3=\"0,0,0\"/><mAxisX Vec3=\"1,0,0\"/><mAxisY Vec3=\"0,1,0\"/>"
      "<mHalfExtent Vec3=\"3,4,0\"/></OBB>");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  ASSERT_TRUE(object);

  Body* body = object->GetComponent<Body>();
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->mPosition, Vec3(1, 2, 3));
  EXPECT_FLOAT_EQ(body->InvMass, 0.5f);  // from Mass, never the stored value
  EXPECT_FLOAT_EQ(body->Friction, 0.8f);
  EXPECT_TRUE(body->mIsStatic);
  EXPECT_EQ(body->layer_id, 3u);

  AABB* box = object->GetComponent<AABB>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->mCenter, Vec3(0, 4, 0));
  EXPECT_FLOAT_EQ(box->mRadiusY, 6.0f);
  EXPECT_FLOAT_EQ(object->GetComponent<Sphere>()->mRadius, 25.0f);
  EXPECT_EQ(object->GetComponent<OBB>()->mHalfExtent, Vec3(3, 4, 0));
  EXPECT_FLOAT_EQ(object->GetComponent<Moveable>()->mSpeed, 120.0f);
  EXPECT_FLOAT_EQ(object->GetComponent<Moveable>()->mMaxSpeed, 200.0f);
}

TEST_F(PhysicsArchetypes, AStrayLayerIsReportedAndCollidesWithNothing) {
  testing::internal::CaptureStderr();
  auto object = Build("<Body><Mass float=\"1\"/><layer_id unsigned=\"9\"/></Body>");
  const std::string errors = testing::internal::GetCapturedStderr();
  ASSERT_TRUE(object);
  EXPECT_NE(errors.find("Error: layer_id 9"), std::string::npos);
  EXPECT_FALSE(GetPhysics().Layers().IsValid(object->GetComponent<Body>()->layer_id));
}

TEST_F(PhysicsArchetypes, BodyWritesWhatItReads) {
  GameObject original;
  Body body(&original);
  body.mPosition = Vec3(4, 5, 0);
  body.Mass = 4.0f;
  body.Friction = 0.25f;
  body.mIsStatic = true;
  body.layer_id = 2;
  const std::string path = (temp.Path() / "body.xml").string();
  {
    XMLSerializer writer;
    ASSERT_TRUE(writer.Open(path, XMLSerializer::kWrite));
    auto* root = new TiXmlElement("Body");
    writer.GetDocument()->LinkEndChild(root);
    writer.SetCursor(root);
    body.Serialize(writer);
    writer.Close();
  }
  XMLSerializer reader;
  ASSERT_TRUE(reader.Open(path, XMLSerializer::kRead));
  GameObject copyOwner;
  Body copy(&copyOwner);
  copy.Deserialize(reader);
  EXPECT_EQ(copy.mPosition, Vec3(4, 5, 0));
  EXPECT_FLOAT_EQ(copy.InvMass, 0.25f);
  EXPECT_FLOAT_EQ(copy.Friction, 0.25f);
  EXPECT_TRUE(copy.mIsStatic);
  EXPECT_EQ(copy.layer_id, 2u);
}

}  // namespace
